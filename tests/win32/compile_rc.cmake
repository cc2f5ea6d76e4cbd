# Compiles the version resource to a binary .res with windres. The old output
# goes first so that a failed compile can never leave a stale file to check.
file(REMOVE ${RES_FILE})
# windres runs a C preprocessor over the .rc; the C++ compiler in C mode
# serves, so no MinGW compiler is needed.
execute_process(
  COMMAND ${WINDRES}
    --preprocessor=${PREPROCESSOR} --preprocessor-arg=-E --preprocessor-arg=-xc
    --preprocessor-arg=-DRC_INVOKED
    -I ${INCLUDE_DIR} -i ${RC_FILE} -O res -o ${RES_FILE}
  COMMAND_ERROR_IS_FATAL ANY)
