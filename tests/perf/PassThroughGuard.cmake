# Fails when the hook's pass-through executes more than LIMIT_PERCENT per
# cent of the instructions of a procedure that only hands the event on, over
# the same pointer moves. Instructions, not time: a busy machine cannot
# flake it.
#
#   cmake -DVALGRIND=... -DPROGRAM=... -DLIMIT_PERCENT=150 -DWORK=<dir> -P PassThroughGuard.cmake
if(NOT VALGRIND)
  message(FATAL_ERROR "valgrind is missing (tools/install-deps installs it)")
endif()
foreach(procedure hook bare)
  execute_process(
    COMMAND "${VALGRIND}" --tool=callgrind --collect-atstart=no
            "--callgrind-out-file=${WORK}/pass_through.${procedure}.out" "${PROGRAM}" ${procedure}
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT status EQUAL 0 OR NOT output MATCHES "Collected : ([0-9]+)")
    message(FATAL_ERROR "${PROGRAM} ${procedure} under callgrind failed (${status}):\n${output}")
  endif()
  set(${procedure} ${CMAKE_MATCH_1})
endforeach()
math(EXPR percent "(${hook} * 100) / ${bare}")
message(STATUS "pass-through: ${hook} instructions; bare procedure: ${bare}; "
               "${percent} % (limit ${LIMIT_PERCENT} %)")
if(percent GREATER LIMIT_PERCENT)
  message(FATAL_ERROR "the pass-through path costs ${percent} % of the bare procedure's "
                      "instructions, above ${LIMIT_PERCENT} %: something put work back on the "
                      "path every pointer move takes")
endif()
