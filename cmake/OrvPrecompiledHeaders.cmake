# Precompiled Qt headers. Parsing the Qt headers is a large part of every compile,
# so the core Qt headers are parsed once into a precompiled header that every
# library and test reuses:
#   libraries under src/ call orv_use_precompiled_headers(<target>) after add_library;
#   tests get it from orv_add_test.
# The set is deliberately small. In this Debug build GCC's cost of loading a
# precompiled header grows with its size: one holding the widget and test headers
# (about 200 MB) cost as much to load as it saved, while this one (about 140 MB)
# takes roughly a quarter off a typical compile (see README.md).
# A reused header is valid only for targets compiled with the same flags; all of
# ours are position-independent with the same options, and the owner below links
# the Qt modules whose definitions its users share. The compiler cache needs its
# pch sloppiness for this (set with the launcher in the top CMakeLists.txt).

option(ORV_PRECOMPILED_HEADERS "Precompile the Qt headers shared by the libraries and tests" OFF)

set(ORV_PCH_QT_HEADERS <QObject> <QString> <QStringList> <QList> <QHash> <QVariant>)
set(ORV_PCH_OWNER orv_pch)

# The owner is built from one trivial source; it exists only to make the header.
function(orv_make_pch_owner)
    set(source "${CMAKE_BINARY_DIR}/orv_pch/${ORV_PCH_OWNER}.cpp")
    file(CONFIGURE OUTPUT "${source}" CONTENT "// Compiled only to make the precompiled header.\n")
    add_library(${ORV_PCH_OWNER} OBJECT "${source}")
    set_target_properties(${ORV_PCH_OWNER} PROPERTIES AUTOMOC OFF AUTORCC OFF POSITION_INDEPENDENT_CODE ON)
    target_link_libraries(${ORV_PCH_OWNER} PRIVATE
        Qt6::Core Qt6::Core5Compat Qt6::Gui Qt6::Widgets Qt6::PrintSupport)
    target_precompile_headers(${ORV_PCH_OWNER} PRIVATE ${ORV_PCH_QT_HEADERS})
endfunction()

# Gives <target> the shared precompiled Qt headers.
function(orv_use_precompiled_headers target)
    if(NOT ORV_PRECOMPILED_HEADERS)
        return()
    endif()
    if(NOT TARGET ${ORV_PCH_OWNER})
        orv_make_pch_owner()
    endif()
    target_precompile_headers(${target} REUSE_FROM ${ORV_PCH_OWNER})
endfunction()
