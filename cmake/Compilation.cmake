# What makes a build folder quick to fill: ./test.sh fills two of them from a
# clean clone, and a source file of a dozen lines reads about 150 000 lines of
# Qt headers.
#
# - Each library compiles all its sources as one unit (a unity build), which
#   reads the Qt headers once for the library: a fifth less work than eight
#   sources a unit, and the tests keep the other core busy meanwhile
#   (-DCMAKE_UNITY_BUILD=OFF compiles them one by one).
# - The optimised build with debugging information keeps line tables only
#   (-g1): enough for a backtrace or a sanitiser's report to name the line,
#   for a fifth less compiling than full information; a session in a debugger
#   builds with CMAKE_BUILD_TYPE=Debug.
# - Qt Test's header, which weighs most in a test, is compiled once per build
#   folder for all the tests (GCC only, see kesu_entete_partagee).
# - ccache, when installed, keeps every compiled file for the next build.
# - gold, which binutils brings beside ld, links a test program in about a
#   third of ld's time, and each build folder links some fifty of them.

if(NOT DEFINED CMAKE_UNITY_BUILD)
    set(CMAKE_UNITY_BUILD ON)
endif()
if(NOT DEFINED CMAKE_UNITY_BUILD_BATCH_SIZE)
    set(CMAKE_UNITY_BUILD_BATCH_SIZE 0)
endif()
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    add_compile_options($<$<CONFIG:RelWithDebInfo>:-g1>)
endif()

option(KESU_ENTETES_PRECOMPILEES "Compile Qt Test's header once for all the tests" ON)
option(KESU_CCACHE "Compile through ccache when it is installed" ON)

option(KESU_GOLD "Link with gold when the compiler can" ON)
if(KESU_GOLD AND NOT MSVC)
    include(CheckLinkerFlag)
    check_linker_flag(CXX -fuse-ld=gold KESU_GOLD_UTILISABLE)
    if(KESU_GOLD_UTILISABLE)
        add_link_options(-fuse-ld=gold)
    endif()
endif()

find_program(KESU_CCACHE_PROGRAMME ccache)
mark_as_advanced(KESU_CCACHE_PROGRAMME)
if(KESU_CCACHE AND KESU_CCACHE_PROGRAMME AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
    # ccache takes the precompiled header only with these allowances; and the
    # compiler's own list of the headers it read tells ccache what a result
    # depends on, which spares a second pass through the preprocessor.
    set(CMAKE_CXX_COMPILER_LAUNCHER ${CMAKE_COMMAND} -E env
        CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
        CCACHE_DEPEND=1 ${KESU_CCACHE_PROGRAMME})
endif()

# Every target under dossier, its sub-folders included.
function(kesu_cibles variable dossier)
    get_property(cibles DIRECTORY ${dossier} PROPERTY BUILDSYSTEM_TARGETS)
    get_property(sous_dossiers DIRECTORY ${dossier} PROPERTY SUBDIRECTORIES)
    foreach(sous IN LISTS sous_dossiers)
        kesu_cibles(autres ${sous})
        list(APPEND cibles ${autres})
    endforeach()
    set(${variable} ${cibles} PARENT_SCOPE)
endfunction()

# The Qt modules whose headers a target reads, through what it links: Test,
# and the highest of Widgets, Gui and Core.
function(kesu_modules_qt variable cible)
    get_target_property(a_voir ${cible} LINK_LIBRARIES)
    set(vus)
    set(modules)
    while(a_voir)
        list(POP_FRONT a_voir lien)
        if(NOT TARGET "${lien}" OR lien IN_LIST vus)
            continue()
        endif()
        list(APPEND vus ${lien})
        if(lien MATCHES "^Qt6?::(Core|Gui|Widgets|Test)$")
            list(APPEND modules ${CMAKE_MATCH_1})
        endif()
        get_target_property(liens ${lien} INTERFACE_LINK_LIBRARIES)
        if(liens)
            list(APPEND a_voir ${liens})
        endif()
    endwhile()
    set(${variable} ${modules} PARENT_SCOPE)
endfunction()

# A test reads Qt Test's header, which weighs most in its compilation, from one
# precompiled for all the tests of its kind. GCC refuses a precompiled header
# (with a warning, so the build would not stay quiet) to a file compiled with
# other definitions where the header tests them, and Qt Test's header tests
# which of Gui and Widgets are linked and where the test's folders are: so
# there is one header per kind (Widgets, Gui, Core alone), and every test is
# told the same folders (no test looks up a data file through Qt Test).
function(kesu_entete_partagee cible sorte)
    set(hote kesu_entetes_${sorte})
    if(NOT TARGET ${hote})
        set(vide ${CMAKE_BINARY_DIR}/${hote}.cpp)
        file(CONFIGURE OUTPUT ${vide} CONTENT "// Only carries the precompiled header.\n")
        add_library(${hote} OBJECT ${vide})
        set_target_properties(${hote} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF UNITY_BUILD OFF)
        target_link_libraries(${hote} PRIVATE Qt6::${sorte} Qt6::Test)
        target_compile_options(${hote} PRIVATE ${KESU_OPTIONS_TESTS})
        target_precompile_headers(${hote} PRIVATE <QTest>)
    endif()
    target_precompile_headers(${cible} REUSE_FROM ${hote})
    # What moc writes for a test is short, and often empty.
    get_target_property(dossier ${cible} BINARY_DIR)
    set_source_files_properties(${dossier}/${cible}_autogen/mocs_compilation.cpp
        TARGET_DIRECTORY ${cible} PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
endfunction()

# Called once every target is defined: applies the above to every test program
# (a program that links Qt Test) and to the tests' support library. A test's
# own code is compiled without optimisation and keeps line tables only, so that
# a failure still names its line; the code under test keeps its optimisation
# and debugging information. That spares half of a test's compilation.
function(kesu_regle_tests)
    if(KESU_TESTS_DEPUIS)
        return() # nothing of the tests is compiled here
    endif()
    set(KESU_OPTIONS_TESTS)
    if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
        set(KESU_OPTIONS_TESTS "$<$<CONFIG:RelWithDebInfo>:-O0;-g1>")
    endif()
    set(partage OFF)
    if(KESU_ENTETES_PRECOMPILEES AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND TARGET Qt6::Test)
        set(partage ON)
        get_target_property(definitions Qt6::Test INTERFACE_COMPILE_DEFINITIONS)
        list(TRANSFORM definitions REPLACE "^(QT_TESTCASE_BUILDDIR=).*" "\\1\"${CMAKE_BINARY_DIR}/tests\"")
        list(TRANSFORM definitions REPLACE "^(QT_TESTCASE_SOURCEDIR=).*" "\\1\"${PROJECT_SOURCE_DIR}/tests\"")
        set_target_properties(Qt6::Test PROPERTIES INTERFACE_COMPILE_DEFINITIONS "${definitions}")
    endif()

    kesu_cibles(cibles ${CMAKE_SOURCE_DIR})
    foreach(cible IN LISTS cibles)
        get_target_property(genre ${cible} TYPE)
        if(NOT genre MATCHES "^(EXECUTABLE|STATIC_LIBRARY)$")
            continue()
        endif()
        kesu_modules_qt(modules ${cible})
        if(NOT "Test" IN_LIST modules)
            continue()
        endif()
        target_compile_options(${cible} PRIVATE ${KESU_OPTIONS_TESTS})
        foreach(sorte Widgets Gui Core)
            if(partage AND sorte IN_LIST modules)
                kesu_entete_partagee(${cible} ${sorte})
                break()
            endif()
        endforeach()
    endforeach()
endfunction()
