# Passes only when PROGRAM, run with ARG (or the list ARGS), fails with output
# matching EXPECT: proves that a check fails, and fails for the reason it
# exists.
#
#   cmake -DPROGRAM=... -DARG=... -DEXPECT=<regex> -P ExpectFailure.cmake
if(NOT DEFINED ARGS)
  set(ARGS "${ARG}")
endif()
execute_process(COMMAND "${PROGRAM}" ${ARGS} RESULT_VARIABLE status
                OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(status EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} ${ARG} succeeded; it should have failed with\n  ${EXPECT}\n${output}")
endif()
if(NOT output MATCHES "${EXPECT}")
  message(FATAL_ERROR "${PROGRAM} ${ARG} failed (${status}) without\n  ${EXPECT}\n${output}")
endif()
message(STATUS "${PROGRAM} ${ARG} failed as expected (${status})")
