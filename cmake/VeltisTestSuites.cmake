# One CTest entry per GoogleTest suite of a test program, so that a program starts (and pays the
# sanitizer start-up) once per suite rather than once per test. The suites are listed when CTest runs,
# from the built program; entries are named <program>.<suite> and run --gtest_filter=<suite>.*, so a
# failure still prints the failing test's name and `ctest -R <suite>` still selects.

if(NOT DEFINED VELTIS_SUITES_PROGRAM)
    set(_VELTIS_TEST_SUITES_SCRIPT ${CMAKE_CURRENT_LIST_FILE})

    # veltis_discover_test_suites(TARGET LABELS label... [TIMEOUT seconds] ENVIRONMENT var=value...)
    function(veltis_discover_test_suites TARGET)
        cmake_parse_arguments(ARG "" "TIMEOUT" "LABELS;ENVIRONMENT" ${ARGN})
        if(NOT ARG_TIMEOUT)
            set(ARG_TIMEOUT 0)
        endif()
        set(_base ${CMAKE_CURRENT_BINARY_DIR}/${TARGET})
        set(_tests ${_base}_suites.cmake)
        string(CONCAT _content
            "set(VELTIS_SUITES_PROGRAM [==[$<TARGET_FILE:${TARGET}>]==])\n"
            "set(VELTIS_SUITES_NAME [==[${TARGET}]==])\n"
            "set(VELTIS_SUITES_FILE [==[${_tests}]==])\n"
            "set(VELTIS_SUITES_DIR [==[${CMAKE_CURRENT_BINARY_DIR}]==])\n"
            "set(VELTIS_SUITES_LABELS [==[${ARG_LABELS}]==])\n"
            "set(VELTIS_SUITES_TIMEOUT [==[${ARG_TIMEOUT}]==])\n"
            "set(VELTIS_SUITES_ENVIRONMENT [==[${ARG_ENVIRONMENT}]==])\n"
            "if(NOT EXISTS \"\${VELTIS_SUITES_PROGRAM}\")\n"
            "  add_test(${TARGET}_NOT_BUILT ${TARGET}_NOT_BUILT)\n"
            "else()\n"
            "  if(NOT EXISTS \"\${VELTIS_SUITES_FILE}\" OR\n"
            "     NOT \"\${VELTIS_SUITES_FILE}\" IS_NEWER_THAN \"\${VELTIS_SUITES_PROGRAM}\" OR\n"
            "     NOT \"\${VELTIS_SUITES_FILE}\" IS_NEWER_THAN \"\${CMAKE_CURRENT_LIST_FILE}\")\n"
            "    include([==[${_VELTIS_TEST_SUITES_SCRIPT}]==])\n"
            "  endif()\n"
            "  include(\"\${VELTIS_SUITES_FILE}\")\n"
            "endif()\n")
        file(GENERATE OUTPUT ${_base}_include.cmake CONTENT "${_content}")
        set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${_base}_include.cmake)
    endfunction()
    return()
endif()

# Included by CTest: lists the program's suites and writes one entry per suite.
execute_process(COMMAND "${VELTIS_SUITES_PROGRAM}" --gtest_list_tests
    WORKING_DIRECTORY "${VELTIS_SUITES_DIR}"
    RESULT_VARIABLE _result
    OUTPUT_VARIABLE _listing
    ERROR_VARIABLE _errors
    TIMEOUT 60)
set(_script "")
set(_timeout "")
if(VELTIS_SUITES_TIMEOUT GREATER 0)
    set(_timeout " TIMEOUT ${VELTIS_SUITES_TIMEOUT}")
endif()
function(_veltis_add_entry NAME FILTER)
    string(APPEND _script "add_test([==[${NAME}]==] [==[${VELTIS_SUITES_PROGRAM}]==] ${FILTER})\n"
        "set_tests_properties([==[${NAME}]==] PROPERTIES WORKING_DIRECTORY [==[${VELTIS_SUITES_DIR}]==]"
        " LABELS [==[${VELTIS_SUITES_LABELS}]==]${_timeout} ENVIRONMENT [==[${VELTIS_SUITES_ENVIRONMENT}]==])\n")
    set(_script "${_script}" PARENT_SCOPE)
endfunction()
if(NOT _result EQUAL 0)
    # The listing failed: one entry runs the whole program, so the failure shows when the tests run.
    _veltis_add_entry(${VELTIS_SUITES_NAME} "")
else()
    string(REPLACE ";" "\\;" _listing "${_listing}")
    string(REPLACE "\n" ";" _lines "${_listing}")
    set(_count 0)
    foreach(_line IN LISTS _lines)
        # A suite line is unindented and ends with a dot, before any "# TypeParam = ..." comment.
        if(_line MATCHES "^([^ #][^ ]*)\\.( .*)?$")
            set(_suite ${CMAKE_MATCH_1})
            _veltis_add_entry(${VELTIS_SUITES_NAME}.${_suite} "[==[--gtest_filter=${_suite}.*]==]")
            math(EXPR _count "${_count} + 1")
        endif()
    endforeach()
    if(_count EQUAL 0)
        _veltis_add_entry(${VELTIS_SUITES_NAME} "")
    endif()
endif()
file(WRITE "${VELTIS_SUITES_FILE}" "${_script}")
