# The manual pages and the bash completion of vantorel-cli are made by the
# program itself from the usage lines --help prints (GenerateCliDocs.cmake),
# so that a new command or option is in all of them at once. Manual pages
# are installed compressed, as Debian's policy asks.

set(VANTOREL_DOCS_DIR ${CMAKE_BINARY_DIR}/docs)
set(VANTOREL_CLI_MAN ${VANTOREL_DOCS_DIR}/vantorel-cli.1)
set(VANTOREL_CLI_COMPLETION ${VANTOREL_DOCS_DIR}/vantorel-cli.bash)
set(VANTOREL_CLI_DOCS_MADE OFF)
find_program(VANTOREL_GZIP gzip)
if(NOT CMAKE_CROSSCOMPILING OR CMAKE_CROSSCOMPILING_EMULATOR)
  set(VANTOREL_CLI_DOCS_MADE ON)
  set(outputs ${VANTOREL_CLI_MAN} ${VANTOREL_CLI_COMPLETION})
  if(VANTOREL_GZIP)
    list(APPEND outputs ${VANTOREL_CLI_MAN}.gz ${VANTOREL_DOCS_DIR}/vantorel.1.gz
         ${VANTOREL_DOCS_DIR}/changelog.gz)
    # The package's changelog (Debian wants one), of this version.
    configure_file(${PROJECT_SOURCE_DIR}/resources/desktop/changelog.in
                   ${VANTOREL_DOCS_DIR}/changelog @ONLY)
  endif()
  add_custom_command(
    OUTPUT ${outputs}
    COMMAND ${CMAKE_COMMAND}
      "-DCLI=$<TARGET_FILE:vantorel-cli>" "-DEMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR}"
      -DSOURCE=${PROJECT_SOURCE_DIR}/resources/desktop -DOUT=${VANTOREL_DOCS_DIR}
      -DGZIP=${VANTOREL_GZIP}
      -P ${PROJECT_SOURCE_DIR}/cmake/GenerateCliDocs.cmake
    DEPENDS vantorel-cli ${PROJECT_SOURCE_DIR}/cmake/GenerateCliDocs.cmake
            ${PROJECT_SOURCE_DIR}/resources/desktop/vantorel-cli.1.in
            ${PROJECT_SOURCE_DIR}/resources/desktop/vantorel.1 ${VANTOREL_DOCS_DIR}/changelog
    COMMENT "Making the manual pages and the completion of vantorel-cli"
    VERBATIM)
  add_custom_target(vantorel_cli_docs ALL DEPENDS ${outputs})
endif()
