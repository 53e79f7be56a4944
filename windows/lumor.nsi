; The lumor installer. makensis gets STAGE (the installed tree), ICON, OUTFILE,
; VERSION, FILE_VERSION and PUBLISHER from the build; /S installs silently.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\lumor"

Name "lumor ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\lumor"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
VIProductVersion "${FILE_VERSION}"
VIAddVersionKey "ProductName" "lumor"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${FILE_VERSION}"
VIAddVersionKey "FileDescription" "lumor ${VERSION} setup"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "LegalCopyright" "${PUBLISHER}"
Icon "${ICON}"
UninstallIcon "${ICON}"

LicenseText "lumor uses Qt under the GNU LGPL version 3; its source is named in licences\Qt-source.txt."
LicenseData "${STAGE}/licences/LGPL-3.0-only.txt"
Page license
Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Function .onInit
  SetRegView 64
FunctionEnd

Function un.onInit
  SetRegView 64
FunctionEnd

Section "lumor"
  SetOutPath "$INSTDIR"
  File /r "${STAGE}/*.*"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  SetShellVarContext all
  CreateDirectory "$SMPROGRAMS\lumor"
  CreateShortcut "$SMPROGRAMS\lumor\lumor.lnk" "$INSTDIR\lumor.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "lumor"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\lumor.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Only what the installer put there goes, so a folder chosen by hand that
; holds other files keeps them.
Section "Uninstall"
  Delete "$INSTDIR\lumor.exe"
  Delete "$INSTDIR\lumor-quote.exe"
  Delete "$INSTDIR\Qt6Core.dll"
  Delete "$INSTDIR\Qt6Gui.dll"
  Delete "$INSTDIR\Qt6Widgets.dll"
  Delete "$INSTDIR\libstdc++-6.dll"
  Delete "$INSTDIR\libgcc_s_seh-1.dll"
  Delete "$INSTDIR\libwinpthread-1.dll"
  Delete "$INSTDIR\platforms\qwindows.dll"
  RMDir "$INSTDIR\platforms"
  Delete "$INSTDIR\styles\qwindowsvistastyle.dll"
  RMDir "$INSTDIR\styles"
  Delete "$INSTDIR\licences\LGPL-3.0-only.txt"
  Delete "$INSTDIR\licences\Qt-source.txt"
  RMDir "$INSTDIR\licences"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"

  SetShellVarContext all
  Delete "$SMPROGRAMS\lumor\lumor.lnk"
  RMDir "$SMPROGRAMS\lumor"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
