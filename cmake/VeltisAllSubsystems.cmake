# The subsystems built so far, lowest first; programs that may touch any of them (benchmarks, fuzz
# targets) link them all. One name a line.
set(_veltis_known_subsystems
    VeltisCore
    VeltisSerialization
    VeltisMath
    VeltisFormula
    VeltisDataModel
    VeltisControls
    VeltisSkinEngine
    VeltisLayout
    VeltisAAX
    VeltisDSP
    VeltisPlugin
    VeltisGraphics
    VeltisGUI
    VeltisPluginsFilters
    VeltisAAXHost
    VeltisAAXPlugin
)
set(VELTIS_ALL_SUBSYSTEMS "")
foreach(_name IN LISTS _veltis_known_subsystems)
    if(TARGET ${_name})
        list(APPEND VELTIS_ALL_SUBSYSTEMS ${_name})
    endif()
endforeach()
