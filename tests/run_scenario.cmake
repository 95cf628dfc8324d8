# Runs one scenario script with a fresh, private configuration folder so that the
# counter store of one scenario never leaks into another. A line "#--- restart"
# splits a scenario into runs of the program one after the other, sharing that
# folder, so that a scenario can check what a restart brings back.
file(REMOVE_RECURSE ${WORKDIR})
file(MAKE_DIRECTORY ${WORKDIR})
set(ENV{XDG_CONFIG_HOME} ${WORKDIR})
unset(ENV{QT_QPA_PLATFORM})
set(expected 0)
if(SCRIPT MATCHES "\\.fail-([0-9]+)\\.zs$")
    set(expected ${CMAKE_MATCH_1})
endif()

file(READ ${SCRIPT} text)
string(REPLACE ";" "<semicolon>" text "${text}")
string(REPLACE "\n#--- restart" ";" parts "${text}")
list(LENGTH parts count)
set(index 0)
foreach(part IN LISTS parts)
    math(EXPR index "${index} + 1")
    set(want 0)
    if(index EQUAL count)
        set(want ${expected})
    endif()
    set(file ${WORKDIR}/run-${index}.zs)
    string(REPLACE "<semicolon>" ";" part "${part}")
    file(WRITE ${file} "${part}")
    execute_process(COMMAND ${SCRIPT_RUNNER} ${file} RESULT_VARIABLE status
                    OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT status EQUAL want)
        message(FATAL_ERROR "${SCRIPT} (run ${index}): exit ${status}, expected ${want}\n${out}\n${err}")
    endif()
endforeach()
