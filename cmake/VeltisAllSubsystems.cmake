# The subsystems built so far, lowest first; programs that may touch any of them (benchmarks, fuzz
# targets) link them all.
set(VELTIS_ALL_SUBSYSTEMS "")
foreach(_name VeltisCore VeltisSerialization VeltisMath VeltisFormula VeltisDataModel VeltisPlugin)
    if(TARGET ${_name})
        list(APPEND VELTIS_ALL_SUBSYSTEMS ${_name})
    endif()
endforeach()
