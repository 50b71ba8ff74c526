# Qt's test module compiles the absolute build and source folders into every test,
# which would make each clone miss the compiler cache; our tests never use them.
function(orv_strip_testcase_dirs)
    get_target_property(defs Qt6::Test INTERFACE_COMPILE_DEFINITIONS)
    list(FILTER defs EXCLUDE REGEX "^QT_TESTCASE_(BUILD|SOURCE)DIR=")
    set_property(TARGET Qt6::Test PROPERTY INTERFACE_COMPILE_DEFINITIONS "${defs}")
endfunction()

# orv_add_test(NAME [SOURCES ...] [LIBS ...] [DATA dir])
# Builds one QtTest executable from NAME.cpp (plus SOURCES), links Qt::Test, the
# test-support library and LIBS, and registers it with CTest to run offscreen with
# its own configuration folder, so that no test can touch the user's settings.
function(orv_add_test name)
    cmake_parse_arguments(ARG "" "DATA;TIMEOUT" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${name}.cpp ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE orv_testsupport ${ARG_LIBS})
    orv_use_precompiled_test_headers(${name})
    add_test(NAME ${name} COMMAND ${name})
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 120)
    endif()
    set(config_home "${CMAKE_CURRENT_BINARY_DIR}/${name}.config")
    file(MAKE_DIRECTORY "${config_home}")
    # The data folder travels in the environment rather than as a compile definition:
    # an absolute path compiled in would defeat the compiler cache across clones.
    # Help pages are written into the cache folder: a test's own, never the user's.
    set(env "QT_QPA_PLATFORM=offscreen;XDG_CONFIG_HOME=${config_home};XDG_CACHE_HOME=${CMAKE_CURRENT_BINARY_DIR}/${name}.cache;LC_ALL=C.UTF-8")
    if(ARG_DATA)
        list(APPEND env "ORV_TEST_DATA_DIR=${CMAKE_CURRENT_SOURCE_DIR}/${ARG_DATA}")
    endif()
    set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT} ENVIRONMENT "${env}")
endfunction()

# orv_add_fuzz_target(NAME SOURCES ... LIBS ... [DEFINITIONS ...])
# A libFuzzer program over a test harness, with AddressSanitizer and
# UndefinedBehaviorSanitizer: clang only, built with ORV_BUILD_FUZZ=ON and run by
# hand from seeds such as those the harness's replay test uses.
function(orv_add_fuzz_target name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;DEFINITIONS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_compile_definitions(${name} PRIVATE ${ARG_DEFINITIONS})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS})
endfunction()
