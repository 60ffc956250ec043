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
!define PUBLISHER "Marnelo Project"

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
VIAddVersionKey /LANG=1041 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1041 "LegalCopyright" "${PUBLISHER}"

BrandingText "Marnelo ${VERSION}"

!include "MUI2.nsh"
; Japanese button texts ("インストール(&I)") are wider than the standard
; buttons with some Japanese fonts, Wine's substitutes among them: the next button grows to the
; left by half its width, and the back button moves along.
!macro WidenNextButton
  GetDlgItem $0 $HWNDPARENT 1
  GetDlgItem $1 $HWNDPARENT 3
  System::Call "*(i,i,i,i)p.r2"
  System::Call "user32::GetWindowRect(p r0, p r2)"
  System::Call "user32::MapWindowPoints(p 0, p $HWNDPARENT, p r2, i 2)"
  System::Call "*$2(i.r3, i.r4, i.r5, i.r6)"
  IntOp $7 $5 - $3
  IntOp $8 $6 - $4
  IntOp $9 $7 / 2
  IntOp $3 $3 - $9
  IntOp $7 $7 + $9
  System::Call "user32::SetWindowPos(p r0, p 0, i r3, i r4, i r7, i r8, i 0x14)"
  System::Call "user32::GetWindowRect(p r1, p r2)"
  System::Call "user32::MapWindowPoints(p 0, p $HWNDPARENT, p r2, i 2)"
  System::Call "*$2(i.r3, i.r4, i.r5, i.r6)"
  IntOp $3 $3 - $9
  System::Call "user32::SetWindowPos(p r1, p 0, i r3, i r4, i 0, i 0, i 0x15)"
  System::Free $2
!macroend
Function WidenButtons
  !insertmacro WidenNextButton
FunctionEnd
Function un.WidenButtons
  !insertmacro WidenNextButton
FunctionEnd
!define MUI_CUSTOMFUNCTION_GUIINIT WidenButtons
!define MUI_CUSTOMFUNCTION_UNGUIINIT un.WidenButtons
; Every page in Japanese: the Modern UI's own texts come from its Japanese language file, and
; the few texts of ours below say what a new user needs on that page.
!define MUI_ABORTWARNING
!define MUI_UNABORTWARNING
!define MUI_WELCOMEPAGE_TEXT "Marnelo (デスクトップの付箋から、プログラムや文書を開くランチャー) と Quorvel (キーボードで付箋とファイルを探す相棒) をインストールします。$\r$\n$\r$\n管理者の権限は要りません。付箋や設定はインストール先のフォルダに保存されるので、書き込みのできるフォルダを選んでください。$\r$\n$\r$\n$_CLICK"
!insertmacro MUI_PAGE_WELCOME
!define MUI_DIRECTORYPAGE_TEXT_TOP "付箋 (fdir)、設定、毎日のバックアップ (snapkeep) もこのフォルダに置かれます。Program Files の下など、書き込みのできないフォルダは避けてください。"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
; A silent install shows no finish page, so it never starts Marnelo by itself.
!define MUI_FINISHPAGE_TEXT "Marnelo と Quorvel をインストールしました。$\r$\n$\r$\nMarnelo はタスクトレイのアイコンから使います。アイコンを右クリックするとメニューが開きます。"
!define MUI_FINISHPAGE_RUN "$INSTDIR\marnelo.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Marnelo を起動する"
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\MarneloHelp\help.html"
!define MUI_FINISHPAGE_SHOWREADME_TEXT "ヘルプを開く"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!insertmacro MUI_PAGE_FINISH
!define MUI_UNCONFIRMPAGE_TEXT_TOP "Marnelo と Quorvel のプログラムを削除します。付箋 (fdir)、設定 (Marnelo.ini、Quorvel.ini)、cmd.txt、バックアップ (snapkeep) など、あなたのファイルは次のフォルダに残ります。"
; The standard label "アンインストール元:" is cut off beside the folder box.
!define MUI_UNCONFIRMPAGE_TEXT_LOCATION "フォルダ:"
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
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
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
  IfFileExists "$INSTDIR\*.*" 0 +2
    DetailPrint "付箋と設定は $INSTDIR に残してあります。"
SectionEnd
