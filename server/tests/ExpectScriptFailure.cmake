# Runs a test script that is expected to fail and checks that it does so visibly: a
# non-zero exit code and a "mismatch:" line. Shows that a failing check fails its ctest test.
# Usage: cmake -DWINE_RUN=... -DSCRIPT=... -DARGUMENT=... -P ExpectScriptFailure.cmake
execute_process(COMMAND ${WINE_RUN} cscript //nologo ${SCRIPT} ${ARGUMENT}
  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
message(STATUS "${output}")
if(status EQUAL 0)
  message(FATAL_ERROR "the script exited 0 although one of its checks was wrong")
endif()
if(NOT output MATCHES "mismatch: ")
  message(FATAL_ERROR "the script failed (${status}) without reporting a mismatch: ${errors}")
endif()
