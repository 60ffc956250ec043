; The installer of Marnelo, Quorvel and snapkeep. The programs keep their files beside
; themselves, so the default folder is one the user may write to and no administrator is needed.
; makensis -INPUTCHARSET UTF8 -DVERSION=1.0.0 -DSTAGE=<folder of the files> -DOUTFILE=<setup.exe>
Unicode true
Target amd64-unicode
ManifestDPIAware true

!ifndef VERSION | STAGE | OUTFILE
  !error "VERSION, STAGE and OUTFILE must be defined"
!endif

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Marnelo"

Name "Marnelo ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Marnelo"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel user
SetCompressor /SOLID lzma

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=1041 "ProductName" "Marnelo"
VIAddVersionKey /LANG=1041 "FileDescription" "Marnelo と Quorvel のインストーラー"
VIAddVersionKey /LANG=1041 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "LegalCopyright" "Marnelo"

!include "MUI2.nsh"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"

; A running copy keeps its program file open, so replacing or removing it would fail half way.
!macro RefuseWhileRunning
  FindWindow $0 "marn"
  StrCmp $0 0 +3
    MessageBox MB_OK|MB_ICONEXCLAMATION "Marnelo を終了してから、もう一度実行してください。" /SD IDOK
    Abort
  FindWindow $0 "Quorvel"
  StrCmp $0 0 +3
    MessageBox MB_OK|MB_ICONEXCLAMATION "Quorvel を終了してから、もう一度実行してください。" /SD IDOK
    Abort
!macroend

Function .onInit
  !insertmacro RefuseWhileRunning
FunctionEnd

Function un.onInit
  !insertmacro RefuseWhileRunning
FunctionEnd

Section "Marnelo"
  SetOutPath "$INSTDIR"
  File "${STAGE}/marnelo.exe"
  File "${STAGE}/quorvel.exe"
  File "${STAGE}/snapkeep.exe"
  File "${STAGE}/readme.txt"
  SetOutPath "$INSTDIR\MarneloHelp"
  File "${STAGE}/MarneloHelp/help.html"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateDirectory "$SMPROGRAMS\Marnelo"
  CreateShortcut "$SMPROGRAMS\Marnelo\Marnelo.lnk" "$INSTDIR\marnelo.exe"
  CreateShortcut "$SMPROGRAMS\Marnelo\Quorvel.lnk" "$INSTDIR\quorvel.exe"
  CreateShortcut "$SMPROGRAMS\Marnelo\アンインストール.lnk" "$INSTDIR\uninstall.exe"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Marnelo と Quorvel"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\marnelo.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Only what the installer put there goes: the notes, both settings files, the backups, the
; logs and everything else the programs or the user made stay, and so does the folder.
Section "Uninstall"
  Delete "$INSTDIR\marnelo.exe"
  Delete "$INSTDIR\quorvel.exe"
  Delete "$INSTDIR\snapkeep.exe"
  Delete "$INSTDIR\readme.txt"
  Delete "$INSTDIR\MarneloHelp\help.html"
  RMDir "$INSTDIR\MarneloHelp"
  Delete "$SMPROGRAMS\Marnelo\Marnelo.lnk"
  Delete "$SMPROGRAMS\Marnelo\Quorvel.lnk"
  Delete "$SMPROGRAMS\Marnelo\アンインストール.lnk"
  RMDir "$SMPROGRAMS\Marnelo"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
SectionEnd
