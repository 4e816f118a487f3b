# Cross-builds for 64-bit Windows with the MinGW-w64 compilers of Debian
# (g++-mingw-w64-x86-64-posix). The posix threading flavour is the one whose
# standard library has std::thread and std::mutex.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(VANTOREL_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VANTOREL_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VANTOREL_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${VANTOREL_MINGW_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${VANTOREL_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# The Qt for Windows of tools/build-windows-qt.sh is built with this file too
# (and loads it again through its bin/qt-cmake), so it sets nothing but the
# compilers and where to look.
