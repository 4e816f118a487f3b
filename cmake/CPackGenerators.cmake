# Read by cpack for each package it makes (CPACK_PROJECT_CONFIG_FILE).

# The installer's pages say "Vantorel", as the menus do; the package's file
# name, set before this, stays "vantorel-<version>-win64.exe".
if(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_PACKAGE_NAME Vantorel)
endif()
