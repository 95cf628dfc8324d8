# Runs one scenario script with a fresh, private configuration folder so that the
# counter store of one scenario never leaks into another.
file(REMOVE_RECURSE ${WORKDIR})
file(MAKE_DIRECTORY ${WORKDIR})
set(ENV{XDG_CONFIG_HOME} ${WORKDIR})
unset(ENV{QT_QPA_PLATFORM})
set(expected 0)
if(SCRIPT MATCHES "\\.fail-([0-9]+)\\.zs$")
    set(expected ${CMAKE_MATCH_1})
endif()
execute_process(COMMAND ${SCRIPT_RUNNER} ${SCRIPT} RESULT_VARIABLE status
                OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL expected)
    message(FATAL_ERROR "${SCRIPT}: exit ${status}, expected ${expected}\n${out}\n${err}")
endif()
