# The Windows installer as NSIS receives it: the build's CPackConfig.cmake
# read back, and the template's placeholder filled, the way cpack does both.
# Each NSIS string of the file type commands is then read as NSIS reads it,
# so the values compared are the ones that land in the registry; the
# licence page shows the program's licence.
#
#   cmake -DCONFIG=<build>/CPackConfig.cmake -P check-nsis-installer.cmake
cmake_minimum_required(VERSION 3.25)
include(${CONFIG})
string(CONFIGURE "@CPACK_NSIS_EXTRA_INSTALL_COMMANDS@" nsis @ONLY)

set(folder [=[C:\Program Files\Vantorel]=])
# The value written by `WriteRegStr HKCR '<key>' '' '<value>'`, as NSIS
# makes it: $INSTDIR is the folder; $\" and $$ are its escapes.
function(registry_value key out)
  string(REPLACE "\\" "\\\\" pattern "${key}")
  string(REPLACE "." "\\." pattern "${pattern}")
  if(NOT nsis MATCHES "WriteRegStr HKCR '${pattern}' '' '([^']*)'")
    message(FATAL_ERROR "no value is written to HKCR\\${key}:\n${nsis}")
  endif()
  set(value "${CMAKE_MATCH_1}")
  string(REPLACE "$INSTDIR" "${folder}" value "${value}")
  string(REPLACE "$\\\"" "\"" value "${value}")
  string(REPLACE "$$" "$" value "${value}")
  set(${out} "${value}" PARENT_SCOPE)
endfunction()

function(expect key wanted)
  registry_value("${key}" got)
  if(NOT got STREQUAL wanted)
    message(SEND_ERROR "HKCR\\${key} would be\n  ${got}\nnot\n  ${wanted}")
  endif()
endfunction()

expect(".tie" "XvT.Level")
expect([=[XvT.Level\DefaultIcon]=] [=[C:\Program Files\Vantorel\bin\vantorel.exe,0]=])
# What the shell runs for a double-click: the program and the file, each quoted.
expect([=[XvT.Level\shell\open\command]=] [=["C:\Program Files\Vantorel\bin\vantorel.exe" "%1"]=])

# CPack's own placeholder ("No license provided") is what the page shows
# without one.
file(READ "${CPACK_RESOURCE_FILE_LICENSE}" licence LIMIT 200)
if(NOT licence MATCHES "GNU GENERAL PUBLIC LICENSE[ \r\n]+Version 3")
  message(SEND_ERROR "the licence page shows ${CPACK_RESOURCE_FILE_LICENSE}:\n${licence}")
endif()
