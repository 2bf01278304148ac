foreach(ts IN LISTS TS)
    get_filename_component(nom ${ts} NAME)
    set(copie ${DOSSIER}/${nom})
    file(COPY_FILE ${ts} ${copie})
    execute_process(COMMAND ${LUPDATE} -no-obsolete -locations none ${SOURCES} -ts ${copie}
        RESULT_VARIABLE r OUTPUT_QUIET)
    if(r)
        message(FATAL_ERROR "lupdate failed on ${nom}")
    endif()
    file(READ ${copie} texte)
    string(REGEX MATCHALL "<source>[^<]*</source>[ \t\n]*<translation( type=\"unfinished\")?></translation>"
        manquantes "${texte}")
    string(REGEX MATCHALL "type=\"unfinished\"" inachevees "${texte}")
    if(manquantes OR inachevees)
        string(REPLACE ";" "\n" manquantes "${manquantes}")
        message(FATAL_ERROR "${nom} lacks translations (cmake --build build --target "
            "update_translations, then translate):\n${manquantes}")
    endif()
endforeach()
