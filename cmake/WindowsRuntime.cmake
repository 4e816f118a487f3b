# Run by `cmake --install` for a MinGW build: puts beside the programs every
# DLL they load from Qt's folder and the compiler's, found from what the
# installed programs and plugins import (objdump -p) and what those DLLs
# import in turn. An import found in none of the folders is the system's.
#
# In: VANTOREL_OBJDUMP, VANTOREL_DLL_FOLDERS (a list; the first that has a
# DLL wins), VANTOREL_BIN (the installed programs' folder).
cmake_policy(VERSION 3.25)  # install scripts run with no policies set
set(dll_names "")
foreach(folder IN LISTS VANTOREL_DLL_FOLDERS)
  file(GLOB dlls "${folder}/*.dll")
  foreach(dll IN LISTS dlls)
    get_filename_component(name "${dll}" NAME)
    string(TOLOWER "${name}" key)  # imports name DLLs in any case
    if(NOT key IN_LIST dll_names)
      list(APPEND dll_names "${key}")
      set("dll_${key}" "${dll}")
    endif()
  endforeach()
endforeach()

file(GLOB_RECURSE queue "${VANTOREL_BIN}/*.exe" "${VANTOREL_BIN}/*.dll")
set(done "")
while(queue)
  list(POP_FRONT queue binary)
  execute_process(COMMAND "${VANTOREL_OBJDUMP}" -p "${binary}"
                  OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "Cannot read what ${binary} imports")
  endif()
  string(REGEX MATCHALL "DLL Name: [^\r\n]+" imports "${dump}")
  foreach(line IN LISTS imports)
    string(REGEX REPLACE "^DLL Name: *" "" name "${line}")
    string(STRIP "${name}" name)
    string(TOLOWER "${name}" key)
    if(key IN_LIST dll_names AND NOT key IN_LIST done)
      list(APPEND done "${key}")
      file(INSTALL "${dll_${key}}" DESTINATION "${VANTOREL_BIN}")
      get_filename_component(file_name "${dll_${key}}" NAME)
      list(APPEND queue "${VANTOREL_BIN}/${file_name}")
    endif()
  endforeach()
endwhile()
