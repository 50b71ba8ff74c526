# Precompiled Qt headers. Parsing the Qt headers is most of every compile, so the
# Qt headers nearly every file includes are parsed once into a precompiled header:
#   libraries under src/ call orv_use_precompiled_headers(<target>) after add_library;
#   tests get a larger one (with the test module) from orv_add_test.
# GCC loads a precompiled header whole (2 to 3 CPU-seconds for these), so the sets
# stay small, and the meta-object file CMake generates for each test (empty, as the
# tests include their own) is compiled without one.
# A header is reused across targets. GCC refuses it (with a warning) when a macro
# defined while making it is missing later, so each owner defines only the Qt
# modules every one of its users links; users may define more (the print and test
# modules), as those headers are not in the set. All our targets are
# position-independent with the same options. The compiler cache needs its pch
# sloppiness for this (set with the launcher in the top CMakeLists.txt).

option(ORV_PRECOMPILED_HEADERS "Precompile the Qt headers shared by the libraries and tests" OFF)

set(ORV_PCH_LIBRARY_HEADERS <QObject> <QString> <QStringList> <QList> <QHash> <QVariant> <QWidget>)
set(ORV_PCH_TEST_HEADERS ${ORV_PCH_LIBRARY_HEADERS} <QTest> <QSignalSpy>)

# An owner is built from one trivial source; it exists only to make the header.
function(orv_make_pch_owner owner headers)
    set(source "${CMAKE_BINARY_DIR}/orv_pch/${owner}.cpp")
    file(CONFIGURE OUTPUT "${source}" CONTENT "// Compiled only to make the precompiled header.\n")
    add_library(${owner} OBJECT "${source}")
    set_target_properties(${owner} PROPERTIES AUTOMOC OFF AUTORCC OFF POSITION_INDEPENDENT_CODE ON)
    target_link_libraries(${owner} PRIVATE ${ARGN})
    target_precompile_headers(${owner} PRIVATE ${headers})
endfunction()

# Gives <target> the header of <owner>, made on first use from <headers> with the
# Qt modules that follow.
function(orv_reuse_precompiled_header target owner headers)
    if(NOT TARGET ${owner})
        orv_make_pch_owner(${owner} "${headers}" ${ARGN})
    endif()
    target_precompile_headers(${target} REUSE_FROM ${owner})
endfunction()

# Gives the library <target> the shared precompiled Qt headers.
function(orv_use_precompiled_headers target)
    if(ORV_PRECOMPILED_HEADERS)
        orv_reuse_precompiled_header(${target} orv_pch "${ORV_PCH_LIBRARY_HEADERS}"
            Qt6::Core Qt6::Core5Compat Qt6::Gui Qt6::Widgets)
    endif()
endfunction()

# Gives the test program <target> the precompiled Qt and test headers.
function(orv_use_precompiled_test_headers target)
    if(ORV_PRECOMPILED_HEADERS)
        orv_reuse_precompiled_header(${target} orv_pch_test "${ORV_PCH_TEST_HEADERS}"
            Qt6::Core Qt6::Core5Compat Qt6::Gui Qt6::Widgets Qt6::PrintSupport Qt6::Test)
        set_source_files_properties("${CMAKE_CURRENT_BINARY_DIR}/${target}_autogen/mocs_compilation.cpp"
            PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
    endif()
endfunction()
