# What the Windows installer does beyond CPack's own NSIS template, as the
# NSIS text it receives (CPACK_VERBATIM_VARIABLES: nothing in between takes
# a backslash or a quote away). NSIS strings are quoted with ', so a " in
# them is a plain character; $INSTDIR is the folder installed into.
# tests/install/check-nsis-installer.cmake reads the file type commands back
# from CPackConfig.cmake the way CPack does.

# The shell command that opens a double-clicked mission in the editor.
set(VANTOREL_NSIS_OPEN_COMMAND [=["$INSTDIR\bin\vantorel.exe" "%1"]=])

set(uninstall_key "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\${CPACK_PACKAGE_INSTALL_REGISTRY_KEY}")
set(vendor_key "Software\\${CPACK_PACKAGE_VENDOR}")

# The uninstall entry as Windows reads it: the two flags as numbers (the
# template writes them as text), where the programs are and their size (in
# KiB: the files of the installer's one section).
set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS "
  WriteRegDWORD SHCTX '${uninstall_key}' 'NoModify' 1
  WriteRegDWORD SHCTX '${uninstall_key}' 'NoRepair' 1
  WriteRegStr SHCTX '${uninstall_key}' 'InstallLocation' '$INSTDIR'
  SectionGetSize 0 $0
  WriteRegDWORD SHCTX '${uninstall_key}' 'EstimatedSize' $0
")
# The licence page: the GPL asks no acceptance for using the program, so the
# page says what the licence is and goes on with Next, not "I Agree".
# The template removes the installer's key under the vendor's but leaves the
# vendor's, empty; it goes once the rest has gone.
set(CPACK_NSIS_DEFINES "
!define MUI_LICENSEPAGE_TEXT_TOP \"Vantorel is free software: GNU General Public License, version 3 or later.\"
!define MUI_LICENSEPAGE_TEXT_BOTTOM \"You need not accept it to use Vantorel; it sets the terms for sharing and changing the program.\"
!define MUI_LICENSEPAGE_BUTTON \"$(^NextBtn)\"
Function un.onUninstSuccess
  DeleteRegKey /ifempty SHCTX '${vendor_key}'
FunctionEnd
")

if(TARGET vantorel)
  set(CPACK_NSIS_INSTALLED_ICON_NAME "bin\\vantorel.exe")
  set(CPACK_PACKAGE_EXECUTABLES vantorel Vantorel)
  # Double-clicking a mission opens it in the editor: *.tie is the file type
  # "XvT.Level". Uninstalling removes the type, and the extension only while
  # it still points at it.
  string(APPEND CPACK_NSIS_EXTRA_INSTALL_COMMANDS "
  WriteRegStr HKCR '.tie' '' 'XvT.Level'
  WriteRegStr HKCR 'XvT.Level' '' 'XvT Level'
  WriteRegStr HKCR 'XvT.Level\\DefaultIcon' '' '$INSTDIR\\bin\\vantorel.exe,0'
  WriteRegStr HKCR 'XvT.Level\\shell\\open\\command' '' '${VANTOREL_NSIS_OPEN_COMMAND}'
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
")
  set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS "
  ReadRegStr $0 HKCR '.tie' ''
  StrCmp $0 'XvT.Level' 0 +3
  DeleteRegValue HKCR '.tie' ''
  DeleteRegKey /ifempty HKCR '.tie'
  DeleteRegKey HKCR 'XvT.Level'
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
")
endif()
