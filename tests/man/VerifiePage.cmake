# Every long option the program's help shows, and those of "kesu --nec
# --help", "kesu --boite --help" and "kesu --longueurs --help", is named in the manual page PAGE
# written from them.
file(READ ${PAGE} page)
foreach(aide "--help" "--nec;--help" "--boite;--help" "--diagrammes;--help" "--longueurs;--help")
    execute_process(COMMAND ${KESU} ${aide} OUTPUT_VARIABLE texte RESULT_VARIABLE code)
    if(NOT code EQUAL 0)
        message(FATAL_ERROR "kesu ${aide} ended with ${code}")
    endif()
    string(REGEX MATCHALL "--[a-z][a-z-]*" options "${texte}")
    if(NOT options)
        message(FATAL_ERROR "kesu ${aide} shows no option")
    endif()
    foreach(option IN LISTS options)
        # roff writes each "-" of an option as "\-".
        string(REPLACE "-" "\\-" attendu "${option}")
        string(FIND "${page}" "${attendu}" place)
        if(place EQUAL -1)
            message(FATAL_ERROR "${PAGE} lacks ${option}")
        endif()
    endforeach()
endforeach()
