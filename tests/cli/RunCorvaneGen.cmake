# Runs PROGRAM with the |-separated ARGUMENTS and compares its exit status and standard output with
# EXPECTED_STATUS and the bytes of the file EXPECTED_OUTPUT.
string(REPLACE "|" ";" arguments "${ARGUMENTS}")
execute_process(COMMAND ${PROGRAM} ${arguments}
    RESULT_VARIABLE status
    OUTPUT_VARIABLE output
    ERROR_VARIABLE errors)
file(READ ${EXPECTED_OUTPUT} expected)
if(NOT status STREQUAL EXPECTED_STATUS)
    message(FATAL_ERROR "exit status ${status}, expected ${EXPECTED_STATUS}; standard error:\n${errors}")
endif()
if(NOT output STREQUAL expected)
    message(FATAL_ERROR "standard output differs from ${EXPECTED_OUTPUT}:\n${output}")
endif()
