# cmake -DCLI=... -DSOURCE=resources/desktop -DOUT=folder [-DGZIP=gzip] -P GenerateCliDocs.cmake
file(MAKE_DIRECTORY ${OUT})
execute_process(COMMAND ${EMULATOR} ${CLI} --man-page ${SOURCE}/vantorel-cli.1.in
                OUTPUT_FILE ${OUT}/vantorel-cli.1 RESULT_VARIABLE man)
execute_process(COMMAND ${EMULATOR} ${CLI} --bash-completion
                OUTPUT_FILE ${OUT}/vantorel-cli.bash RESULT_VARIABLE bash)
if(NOT man EQUAL 0 OR NOT bash EQUAL 0)
  message(FATAL_ERROR "vantorel-cli could not make its manual page or completion")
endif()
if(GZIP)
  # -n: no name or time in the archive, so the same page gives the same bytes.
  execute_process(COMMAND ${GZIP} -9nc ${OUT}/vantorel-cli.1 OUTPUT_FILE ${OUT}/vantorel-cli.1.gz)
  execute_process(COMMAND ${GZIP} -9nc ${SOURCE}/vantorel.1 OUTPUT_FILE ${OUT}/vantorel.1.gz)
  execute_process(COMMAND ${GZIP} -9nc ${OUT}/changelog OUTPUT_FILE ${OUT}/changelog.gz)
endif()
