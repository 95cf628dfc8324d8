# Plays the same seed twice and checks that both runs wrote the same script and
# reached the same state: a failure found by a seed can be played again.
file(REMOVE_RECURSE ${WORKDIR})
file(MAKE_DIRECTORY ${WORKDIR})
foreach(run a b)
    execute_process(COMMAND ${OPERATOR} --seed ${SEED} --ops ${OPS} --end
                            --script ${WORKDIR}/${run}.zs
                    RESULT_VARIABLE status OUTPUT_VARIABLE out_${run} ERROR_VARIABLE err)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "run ${run}: exit ${status}\n${out_${run}}\n${err}")
    endif()
endforeach()
if(NOT out_a STREQUAL out_b)
    message(FATAL_ERROR "the same seed ended differently:\n${out_a}\n${out_b}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORKDIR}/a.zs ${WORKDIR}/b.zs
                RESULT_VARIABLE differ)
if(NOT differ EQUAL 0)
    message(FATAL_ERROR "the same seed played different operations")
endif()
message(STATUS "${out_a}")
