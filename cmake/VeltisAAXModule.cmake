# veltis_add_aax_module(NAME [OUTPUT_NAME name] SUBSYSTEMS subsystem...)
#   A module the host loads: a shared library holding the exported entry points and the given
#   subsystems, exporting the seven entry points and nothing else, so that its copy of the framework
#   never interposes with the host's.
function(veltis_add_aax_module NAME)
    cmake_parse_arguments(ARG "" "OUTPUT_NAME" "SUBSYSTEMS" ${ARGN})
    add_library(${NAME} MODULE ${PROJECT_SOURCE_DIR}/aax/Exports/ACFExports.map)
    set_target_properties(${NAME} PROPERTIES
        PREFIX ""
        CXX_VISIBILITY_PRESET hidden
        VISIBILITY_INLINES_HIDDEN ON
        LINK_DEPENDS ${PROJECT_SOURCE_DIR}/aax/Exports/ACFExports.map)
    if(ARG_OUTPUT_NAME)
        set_target_properties(${NAME} PROPERTIES OUTPUT_NAME ${ARG_OUTPUT_NAME})
    endif()
    veltis_link_subsystems(${NAME} VeltisAAXExports ${ARG_SUBSYSTEMS})
    target_link_options(${NAME} PRIVATE "-Wl,--version-script=${PROJECT_SOURCE_DIR}/aax/Exports/ACFExports.map")
endfunction()
