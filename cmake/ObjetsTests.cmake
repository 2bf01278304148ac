# The tests' own code is compiled in one build folder only. ./test.sh builds the
# program twice, plainly in build and with the sanitisers in build-asan, and
# runs the same tests on both: build-asan is configured with
# KESU_TESTS_DEPUIS=<build>, and links each test program from the objects that
# build compiled for it, against its own sanitised libraries. The sanitisers
# watch the program's code as before; the tests' own code, which only drives
# and checks it, is no longer compiled a second time with them.
#
# Every folder writes, for each target under tests/, the list of its object
# files in objets-tests/; a folder configured with KESU_TESTS_DEPUIS reads
# those lists instead of compiling the targets' sources. That other folder
# must come from the same sources, with the same build type, and be built
# first. What the test programs find at run time (the program, the helpers,
# the help document, the translations) they look up beside themselves, so
# that each folder's tests run its own program; only the compiled locales and
# the memory of nec2c's outputs are the other folder's, as data.
set(KESU_TESTS_DEPUIS "" CACHE PATH
    "Build folder of the same sources whose compiled test code this folder links")

function(kesu_objets_tests)
    if(NOT BUILD_TESTING)
        return()
    endif()
    kesu_cibles(cibles ${PROJECT_SOURCE_DIR}/tests)
    foreach(cible IN LISTS cibles)
        get_target_property(genre ${cible} TYPE)
        if(NOT genre MATCHES "^(EXECUTABLE|STATIC_LIBRARY)$")
            continue()
        endif()
        set(liste objets-tests/${cible}.txt)
        if(NOT KESU_TESTS_DEPUIS)
            file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/${liste}
                CONTENT "$<JOIN:$<TARGET_OBJECTS:${cible}>,\n>\n")
            continue()
        endif()
        if(NOT EXISTS ${KESU_TESTS_DEPUIS}/${liste})
            message(FATAL_ERROR "${KESU_TESTS_DEPUIS}/${liste} is missing: "
                "configure ${KESU_TESTS_DEPUIS} from these sources first")
        endif()
        file(STRINGS ${KESU_TESTS_DEPUIS}/${liste} objets)
        set_source_files_properties(${objets} TARGET_DIRECTORY ${cible}
            PROPERTIES EXTERNAL_OBJECT ON GENERATED ON)
        set_target_properties(${cible} PROPERTIES SOURCES "${objets}" LINKER_LANGUAGE CXX
            AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
    endforeach()
endfunction()
