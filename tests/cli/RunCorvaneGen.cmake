# Runs PROGRAM with the |-separated ARGUMENTS, through the |-separated command EMULATOR when that is
# given, and compares its exit status and standard output with EXPECTED_STATUS and the bytes of the file
# EXPECTED_OUTPUT. The output goes to the file OUTPUT and is compared from there: execute_process drops
# the "\r" of "\r\n" from what it captures, which would hide a program that writes Windows line ends.
string(REPLACE "|" ";" arguments "${ARGUMENTS}")
string(REPLACE "|" ";" emulator "${EMULATOR}")
execute_process(COMMAND ${emulator} ${PROGRAM} ${arguments}
    RESULT_VARIABLE status
    OUTPUT_FILE ${OUTPUT}
    ERROR_VARIABLE errors)
if(NOT status STREQUAL EXPECTED_STATUS)
    message(FATAL_ERROR "exit status ${status}, expected ${EXPECTED_STATUS}; standard error:\n${errors}")
endif()
file(READ ${OUTPUT} output HEX)
file(READ ${EXPECTED_OUTPUT} expected HEX)
if(NOT output STREQUAL expected)
    message(FATAL_ERROR "standard output, kept in ${OUTPUT}, differs from ${EXPECTED_OUTPUT}")
endif()
