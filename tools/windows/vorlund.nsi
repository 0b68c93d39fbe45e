; The Windows installer: the game and its res/ tree under Program Files, a
; Start-menu entry with the game's icon, an uninstaller, and the entry in
; Windows' list of installed programs. tools/build-windows.sh runs makensis
; with STAGE (the folder the portable zip is made of), VERSION and OUTFILE.
; A 64-bit installer for a 64-bit game: it runs where the game does, and sees
; the same Program Files folder and registry.
Target amd64-unicode
SetCompressor /SOLID lzma

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vorlund"

Name "Vorlund!"
OutFile "${OUTFILE}"
Icon "${STAGE}/res/icons/vorlund.ico"
UninstallIcon "${STAGE}/res/icons/vorlund.ico"
InstallDir "$PROGRAMFILES64\Vorlund"
RequestExecutionLevel admin
VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "Vorlund!"
VIAddVersionKey "FileDescription" "Vorlund! installer"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "CompanyName" "Vorlund! developers"
VIAddVersionKey "LegalCopyright" "Vorlund! developers"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File /r "${STAGE}/*"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Vorlund!.lnk" "$INSTDIR\vorlund.exe" "" "$INSTDIR\vorlund.exe" 0

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Vorlund!"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\vorlund.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Vorlund! developers"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Removes only what the installer put there, so a folder the player chose that
; holds other files keeps them.
Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\Vorlund!.lnk"
  Delete "$INSTDIR\vorlund.exe"
  Delete "$INSTDIR\README.txt"
  RMDir /r "$INSTDIR\res"
  RMDir /r "$INSTDIR\licences"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
