# What `cmake --install` puts where, and the packages CPack makes of it.
# The layout is the same everywhere: programs in bin/, data in share/vantorel/
# (found relative to the program, see VANTOREL_DATA_FROM_PROGRAM).

set(VANTOREL_APP_ID org.example.Vantorel)
set(VANTOREL_DESKTOP_DIR ${PROJECT_SOURCE_DIR}/resources/desktop)

# Windows: the icon, the version and the UTF-8 manifest in each program.
# The copyright is the one the Debian package states.
file(STRINGS ${VANTOREL_DESKTOP_DIR}/copyright VANTOREL_COPYRIGHT REGEX "^Copyright: " LIMIT_COUNT 1)
string(REGEX REPLACE "^Copyright: " "Copyright (C) " VANTOREL_COPYRIGHT "${VANTOREL_COPYRIGHT}")
function(vantorel_windows_resources target description)
  set(VANTOREL_RC_NAME ${target})
  set(VANTOREL_RC_FILENAME ${target}.exe)
  set(VANTOREL_RC_DESCRIPTION ${description})
  set(VANTOREL_RC_ICON ${VANTOREL_DESKTOP_DIR}/icons/vantorel.ico)
  set(manifest ${PROJECT_SOURCE_DIR}/resources/windows/vantorel.manifest)
  if(MSVC)
    # The linker merges a .manifest source into the one it writes anyway.
    set(VANTOREL_RC_MANIFEST "")
    target_sources(${target} PRIVATE ${manifest})
  else()
    set(VANTOREL_RC_MANIFEST "1 24 \"${manifest}\"")  # 24 = RT_MANIFEST
  endif()
  set(rc ${CMAKE_BINARY_DIR}/generated/${target}.rc)
  configure_file(${PROJECT_SOURCE_DIR}/resources/windows/program.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
  set_property(SOURCE ${rc} APPEND PROPERTY OBJECT_DEPENDS ${manifest} ${VANTOREL_RC_ICON})
endfunction()

if(WIN32)
  vantorel_windows_resources(vantorel-cli "Vantorel command-line tool")
  if(TARGET vantorel)
    vantorel_windows_resources(vantorel "Vantorel mission editor")
  endif()
endif()

install(TARGETS vantorel-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${VANTOREL_THEME_FILES} DESTINATION ${VANTOREL_INSTALL_DATADIR})

if(TARGET vantorel)
  if(APPLE)
    # A bundle: missions open from the Finder (CFBundleDocumentTypes), and
    # the themes live in its Resources folder.
    set_target_properties(vantorel PROPERTIES
      MACOSX_BUNDLE_INFO_PLIST ${PROJECT_SOURCE_DIR}/resources/macos/Info.plist.in
      MACOSX_BUNDLE_GUI_IDENTIFIER ${VANTOREL_APP_ID}
      MACOSX_BUNDLE_BUNDLE_NAME Vantorel
      MACOSX_BUNDLE_SHORT_VERSION_STRING ${PROJECT_VERSION}
      MACOSX_BUNDLE_BUNDLE_VERSION ${PROJECT_VERSION})
    target_sources(vantorel PRIVATE ${VANTOREL_THEME_FILES})
    set_source_files_properties(${VANTOREL_THEME_FILES} PROPERTIES MACOSX_PACKAGE_LOCATION Resources)
  endif()
  install(TARGETS vantorel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} BUNDLE DESTINATION .)
  if(TARGET vantorel-sound)
    install(TARGETS vantorel-sound LIBRARY DESTINATION ${VANTOREL_INSTALL_MODULEDIR})
  endif()
  # Windows and macOS get the Qt libraries and plugins beside the program.
  if(MINGW AND CMAKE_OBJDUMP)
    # The plugins the programs load (the platform, the native style), then
    # the DLLs that they and the programs import, worked out from the files.
    install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>
            DESTINATION ${CMAKE_INSTALL_BINDIR}/platforms)
    if(TARGET Qt6::QWindowsVistaStylePlugin)
      install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin>
              DESTINATION ${CMAKE_INSTALL_BINDIR}/styles)
    endif()
    set(VANTOREL_DLL_FOLDERS "$<TARGET_FILE_DIR:Qt6::Core>")
    foreach(dll libstdc++-6.dll libwinpthread-1.dll)
      execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                      OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
      get_filename_component(folder "${found}" DIRECTORY)
      list(APPEND VANTOREL_DLL_FOLDERS "${folder}")
    endforeach()
    install(CODE "
      set(VANTOREL_OBJDUMP \"${CMAKE_OBJDUMP}\")
      set(VANTOREL_DLL_FOLDERS \"${VANTOREL_DLL_FOLDERS}\")
      set(VANTOREL_BIN \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
      include(\"${PROJECT_SOURCE_DIR}/cmake/WindowsRuntime.cmake\")")
    install(FILES ${VANTOREL_DESKTOP_DIR}/icons/vantorel.ico DESTINATION ${VANTOREL_INSTALL_DATADIR})
  elseif((WIN32 OR APPLE) AND COMMAND qt_generate_deploy_app_script)
    qt_generate_deploy_app_script(TARGET vantorel FILENAME_VARIABLE VANTOREL_DEPLOY_SCRIPT
      NO_UNSUPPORTED_PLATFORM_ERROR)
    install(SCRIPT ${VANTOREL_DEPLOY_SCRIPT})
  endif()
endif()

# The desktop of Linux and the BSDs: menu entry, file type, icons, software
# centre entry, manual pages, shell completion.
if(UNIX AND NOT APPLE)
  # A stripped program (as the packages have them) also loses the compilers'
  # notes, as Debian's own packages do (dh_strip).
  if(CMAKE_OBJCOPY)
    set(programs "vantorel-cli")
    if(TARGET vantorel)
      list(APPEND programs vantorel)
    endif()
    install(CODE "
      if(CMAKE_INSTALL_DO_STRIP)
        foreach(program ${programs})
          execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
                          --remove-section=.note
                          \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/\${program}\")
        endforeach()
      endif()")
  endif()
  # Made from the program's own list (CliDocs.cmake); compressed where gzip is.
  set(gz "")
  if(VANTOREL_GZIP)
    set(gz .gz)
  endif()
  set(man1 ${CMAKE_INSTALL_MANDIR}/man1)
  set(completions ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
  if(VANTOREL_CLI_DOCS_MADE)
    install(FILES ${VANTOREL_CLI_MAN}${gz} DESTINATION ${man1})
    install(FILES ${VANTOREL_CLI_COMPLETION} DESTINATION ${completions} RENAME vantorel-cli)
  endif()
  # The licence as Debian names it (the text is /usr/share/common-licenses/GPL-3).
  install(FILES ${VANTOREL_DESKTOP_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vantorel)
  if(gz)
    install(FILES ${VANTOREL_DOCS_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vantorel)
  endif()
  if(TARGET vantorel)
    if(gz)
      install(FILES ${VANTOREL_DOCS_DIR}/vantorel.1.gz DESTINATION ${man1})
    else()
      install(FILES ${VANTOREL_DESKTOP_DIR}/vantorel.1 DESTINATION ${man1})
    endif()
    install(FILES ${VANTOREL_DESKTOP_DIR}/vantorel.bash DESTINATION ${completions}
            RENAME vantorel)
    install(FILES ${VANTOREL_DESKTOP_DIR}/${VANTOREL_APP_ID}.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${VANTOREL_DESKTOP_DIR}/${VANTOREL_APP_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    install(FILES ${VANTOREL_DESKTOP_DIR}/${VANTOREL_APP_ID}.mime.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ${VANTOREL_APP_ID}.xml)
    install(FILES ${VANTOREL_DESKTOP_DIR}/icons/${VANTOREL_APP_ID}.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
    foreach(size 16 24 32 48 64 128 256)
      install(FILES ${VANTOREL_DESKTOP_DIR}/icons/${size}.png
              DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
              RENAME ${VANTOREL_APP_ID}.png)
    endforeach()
  endif()
endif()

# Packages: a .deb (and a tarball) on Linux, an installer and a ZIP on
# Windows, a disk image on macOS.
set(CPACK_PACKAGE_NAME vantorel)
set(CPACK_PACKAGE_VENDOR "The Vantorel developers")
set(CPACK_PACKAGE_CONTACT "The Vantorel developers <maintainers@vantorel.example.org>")
# "vs." spelled out: a full stop before "TIE" reads to Debian's tools as a
# second sentence in the package's one-line synopsis.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Mission editor for X-Wing versus TIE Fighter")
set(CPACK_PACKAGE_DESCRIPTION
    "Vantorel edits the missions (*.tie) of X-Wing vs. TIE Fighter and Balance of\nPower on a map of space, and vantorel-cli reads, reports, renders, checks and\nwrites them from the command line.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://vantorel.example.org/")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_INSTALL_DIRECTORY Vantorel)
set(CPACK_STRIP_FILES ON)
if(WIN32)
  set(CPACK_GENERATOR ZIP NSIS)
elseif(APPLE)
  set(CPACK_GENERATOR DragNDrop)
else()
  set(CPACK_GENERATOR DEB TGZ)
endif()

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)  # "games" is for games themselves
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)  # the Qt and C++ libraries, from the binaries
if(TARGET vantorel)
  # Wayland sessions draw the window through this plugin (X11's is in libqt6gui6).
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
endif()

# The values reach CPack as they are written here (no second round of CMake
# escapes), so NSIS gets exactly this text.
set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_NSIS_DISPLAY_NAME Vantorel)
set(CPACK_NSIS_PACKAGE_NAME Vantorel)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Vantorel)
set(CPACK_NSIS_URL_INFO_ABOUT ${CPACK_PACKAGE_HOMEPAGE_URL})
set(CPACK_NSIS_MUI_ICON ${VANTOREL_DESKTOP_DIR}/icons/vantorel.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME "bin\\vantorel-cli.exe")
# The installer's own texts name the program as its menus do (CPack takes
# the package name, which is the file names' "vantorel").
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/CPackGenerators.cmake)
# The licence, on the installer's licence page and, on Windows, beside the
# programs, as text Notepad opens.
set(VANTOREL_LICENCE_TEXT ${CMAKE_BINARY_DIR}/generated/COPYING.txt)
configure_file(${PROJECT_SOURCE_DIR}/COPYING ${VANTOREL_LICENCE_TEXT} @ONLY NEWLINE_STYLE CRLF)
set(CPACK_RESOURCE_FILE_LICENSE ${VANTOREL_LICENCE_TEXT})
if(WIN32)
  install(FILES ${VANTOREL_LICENCE_TEXT} DESTINATION .)
endif()
include(${CMAKE_CURRENT_LIST_DIR}/NsisInstaller.cmake)

include(CPack)
