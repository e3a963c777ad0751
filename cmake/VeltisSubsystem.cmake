# One library per subsystem. Subsystem libraries are object libraries so that classes which register
# themselves in static initialisers are always linked; since objects do not travel transitively, a
# final target links every subsystem it needs through veltis_link_subsystems().

# veltis_add_subsystem(NAME DIRS dir... [DEPS subsystem...] [LIBS lib...])
#   DIRS are folders below the source root whose *.cpp files make up the subsystem.
function(veltis_add_subsystem NAME)
    cmake_parse_arguments(ARG "" "" "DIRS;DEPS;LIBS" ${ARGN})
    set(_sources "")
    foreach(_dir IN LISTS ARG_DIRS)
        file(GLOB _found CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${_dir}/*.cpp ${PROJECT_SOURCE_DIR}/${_dir}/*.c)
        list(APPEND _sources ${_found})
    endforeach()
    if(_sources)
        add_library(${NAME} OBJECT ${_sources})
        if(VELTIS_THREAD_TESTS_ONLY OR VELTIS_BUILD_FUZZ)
            # These presets build a few programs: compile only the subsystems those programs link.
            set_target_properties(${NAME} PROPERTIES EXCLUDE_FROM_ALL ON)
        endif()
        target_include_directories(${NAME} PUBLIC ${PROJECT_SOURCE_DIR})
        target_link_libraries(${NAME} PUBLIC ${ARG_DEPS} ${ARG_LIBS})
    else()
        add_library(${NAME} INTERFACE)
        target_include_directories(${NAME} INTERFACE ${PROJECT_SOURCE_DIR})
        target_link_libraries(${NAME} INTERFACE ${ARG_DEPS} ${ARG_LIBS})
    endif()
    set_property(GLOBAL PROPERTY VELTIS_DEPS_${NAME} ${ARG_DEPS})
endfunction()

function(_veltis_collect_subsystems OUT)
    set(_result "")
    foreach(_name IN LISTS ARGN)
        get_property(_deps GLOBAL PROPERTY VELTIS_DEPS_${_name})
        _veltis_collect_subsystems(_sub ${_deps})
        list(APPEND _result ${_name} ${_sub})
    endforeach()
    list(REMOVE_DUPLICATES _result)
    set(${OUT} ${_result} PARENT_SCOPE)
endfunction()

# veltis_link_subsystems(TARGET subsystem...): links the subsystems and all they depend on.
function(veltis_link_subsystems TARGET)
    _veltis_collect_subsystems(_all ${ARGN})
    foreach(_name IN LISTS _all)
        # Linking an object library directly adds its objects to the target.
        target_link_libraries(${TARGET} PRIVATE ${_name})
    endforeach()
endfunction()

# veltis_add_shared_library(NAME DIRS dir... [INCLUDE_DIRS dir...] [VERSION_SCRIPT file] [EXPORT_DEFINE macro]
#                           [LIBS lib...])
#   A product shared library (lib<NAME>.so, SONAME lib<NAME>.so) built from the *.cpp files of DIRS, with
#   hidden visibility: only what EXPORT_DEFINE marks and VERSION_SCRIPT lets through is exported.
#   INCLUDE_DIRS are given to its users.
function(veltis_add_shared_library NAME)
    cmake_parse_arguments(ARG "" "VERSION_SCRIPT;EXPORT_DEFINE" "DIRS;INCLUDE_DIRS;LIBS" ${ARGN})
    set(_sources "")
    foreach(_dir IN LISTS ARG_DIRS)
        file(GLOB _found CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${_dir}/*.cpp)
        list(APPEND _sources ${_found})
    endforeach()
    add_library(${NAME} SHARED ${_sources})
    set_target_properties(${NAME} PROPERTIES
        CXX_VISIBILITY_PRESET hidden
        VISIBILITY_INLINES_HIDDEN ON
        LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/lib)
    foreach(_dir IN LISTS ARG_INCLUDE_DIRS)
        target_include_directories(${NAME} PUBLIC ${PROJECT_SOURCE_DIR}/${_dir})
    endforeach()
    if(ARG_EXPORT_DEFINE)
        target_compile_definitions(${NAME} PRIVATE ${ARG_EXPORT_DEFINE})
    endif()
    if(ARG_VERSION_SCRIPT)
        set(_script ${PROJECT_SOURCE_DIR}/${ARG_VERSION_SCRIPT})
        target_link_options(${NAME} PRIVATE -Wl,--version-script=${_script})
        set_property(TARGET ${NAME} APPEND PROPERTY LINK_DEPENDS ${_script})
    endif()
    # Clang's sanitizer runtimes live in the executable, so only GCC can link a complete library.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" OR NOT VELTIS_SANITIZE)
        target_link_options(${NAME} PRIVATE -Wl,--no-undefined)
    endif()
    target_link_libraries(${NAME} PRIVATE ${ARG_LIBS})
endfunction()

# veltis_link_shared(TARGET lib...): links product shared libraries; the target finds them beside
# itself ($ORIGIN) once installed, and in the build tree meanwhile.
function(veltis_link_shared TARGET)
    target_link_libraries(${TARGET} PRIVATE ${ARGN})
    set_property(TARGET ${TARGET} APPEND PROPERTY BUILD_RPATH "$ORIGIN")
    set_property(TARGET ${TARGET} APPEND PROPERTY INSTALL_RPATH "$ORIGIN")
endfunction()
