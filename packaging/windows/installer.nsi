; The Windows setup program: puts the launcher, both builds and their eight
; pictures into one folder, makes Start-menu shortcuts for the three
; programs, registers itself among the installed programs and writes an
; uninstaller that takes all of that away again.
;
; tools/build-windows passes, with /D:
;   VERSION  the program's version, e.g. 1.00
;   BIN      the folder holding START.EXE, KORVEL.EXE, DREVIK.EXE and the pictures
;   ICON     the application icon (.ico)
;   OUTFILE  the setup program to write
; Silent: setup.exe /S [/D=C:\folder]   and   Uninstall.exe /S

Unicode true
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!ifndef VERSION | BIN | ICON | OUTFILE
  !error "VERSION, BIN, ICON and OUTFILE must be given with /D"
!endif

!define PRODUCT "Dish Calculator"
!define PUBLISHER "The Dish Calculator developers"
; One fixed key, so that installing again replaces the entry instead of
; adding a second one.
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\DishCalculator"
!define MENU_FOLDER "$SMPROGRAMS\${PRODUCT}"
; Shortcut names stay the same whichever language the installer ran in, so
; that the uninstaller finds them.
!define LINK_LAUNCHER "${PRODUCT}.lnk"
!define LINK_ENGLISH "${PRODUCT} (English).lnk"
!define LINK_RUSSIAN "Расчёт антенны (Русский).lnk"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES\${PRODUCT}"
; An earlier installation's folder is offered again (and so replaced).
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

!include "MUI2.nsh"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
; The language chosen at installation is kept for the uninstaller.
!define MUI_LANGDLL_REGISTRY_ROOT HKLM
!define MUI_LANGDLL_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MUI_LANGDLL_REGISTRY_VALUENAME "InstallerLanguage"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Russian"
!insertmacro MUI_RESERVEFILE_LANGDLL

VIProductVersion "${VERSION}.0.0"
VIFileVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "Copyright (c) 2026 ${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "FileDescription" "Установка ${PRODUCT} ${VERSION}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "LegalCopyright" "Copyright (c) 2026 ${PUBLISHER}"

Var WorkDir

; Every file put into the installation folder, one list for installing and
; removing.
!macro ProgramFiles DO
  !insertmacro ${DO} "START.EXE"
  !insertmacro ${DO} "KORVEL.EXE"
  !insertmacro ${DO} "DREVIK.EXE"
  !insertmacro ${DO} "GDS1ENG.BMP"
  !insertmacro ${DO} "1kENG.BMP"
  !insertmacro ${DO} "2kENG.BMP"
  !insertmacro ${DO} "3kENG.BMP"
  !insertmacro ${DO} "GDS001.BMP"
  !insertmacro ${DO} "1k.BMP"
  !insertmacro ${DO} "2k.BMP"
  !insertmacro ${DO} "3k.BMP"
!macroend
!macro InstallFile NAME
  File "${BIN}/${NAME}"
!macroend
!macro RemoveFile NAME
  Delete "$INSTDIR\${NAME}"
!macroend

Function .onInit
  ; Program files and Start menu for every account on the machine.
  SetShellVarContext all
  !insertmacro MUI_LANGDLL_DISPLAY
FunctionEnd

Function un.onInit
  SetShellVarContext all
  !insertmacro MUI_UNGETLANGUAGE
FunctionEnd

Section "Install"
  ; The launcher finds both builds beside itself: everything in one folder.
  ; Files of an earlier installation are overwritten.
  SetOutPath "$INSTDIR"
  SetOverwrite on
  !insertmacro ProgramFiles InstallFile
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  ; The builds write the hand-off file rlin1.txt into the directory they are
  ; started in, and the launcher passes its own on to them. Program Files is
  ; not writable for users, so the shortcuts start the programs in a folder
  ; of the user's own: "Dish Calculator" in the local application data of the
  ; user running the installer (the account that installs is the one that
  ; uses the program on a one-user machine). It is made here, as a shortcut
  ; cannot make its folder when started, and it is left in place on
  ; uninstallation since it holds the user's data.
  SetShellVarContext current
  StrCpy $WorkDir "$LOCALAPPDATA\${PRODUCT}"
  SetShellVarContext all
  CreateDirectory "$WorkDir"

  ; A shortcut's working directory ("Start in") is the output path when it is
  ; made.
  CreateDirectory "${MENU_FOLDER}"
  SetOutPath "$WorkDir"
  CreateShortcut "${MENU_FOLDER}\${LINK_LAUNCHER}" "$INSTDIR\START.EXE" "" "$INSTDIR\START.EXE" 0
  CreateShortcut "${MENU_FOLDER}\${LINK_ENGLISH}" "$INSTDIR\KORVEL.EXE" "" "$INSTDIR\KORVEL.EXE" 0
  CreateShortcut "${MENU_FOLDER}\${LINK_RUSSIAN}" "$INSTDIR\DREVIK.EXE" "" "$INSTDIR\DREVIK.EXE" 0
  SetOutPath "$INSTDIR"

  ; The entry in the list of installed programs.
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\START.EXE,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  ; Exactly what the installer made; the user's folder with rlin1.txt stays.
  Delete "${MENU_FOLDER}\${LINK_LAUNCHER}"
  Delete "${MENU_FOLDER}\${LINK_ENGLISH}"
  Delete "${MENU_FOLDER}\${LINK_RUSSIAN}"
  RMDir "${MENU_FOLDER}"

  !insertmacro ProgramFiles RemoveFile
  Delete "$INSTDIR\Uninstall.exe"
  ; Only when empty: nothing the user put there is removed.
  RMDir "$INSTDIR"

  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
