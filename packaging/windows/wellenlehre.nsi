; SPDX-License-Identifier: GPL-3.0-or-later
; SPDX-FileCopyrightText: 2026 The Wellenlehre developers
; Installer of the portable folder that packaging/windows/stage.sh makes (scripts/windows):
;   makensis -DSOURCE_DIR=<folder> -DOUTPUT=<setup.exe> [-DVERSION=1.0] wellenlehre.nsi
; For the current user without administrator rights (the default, also for /S) or, with
; /AllUsers or the page's choice, for all users; run by the system account (a deployment
; tool's service) always for all users. /D=<folder> chooses the folder. An installation
; already there is removed first; neither installing nor uninstalling goes on while one of
; the programs runs from the folder (silently: exit status 2). German, or English on an
; English Windows.

Unicode true
; The default 32-bit stub does not start under a 64-bit-only Wine (no wine32); the programs
; are 64-bit anyway.
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true

!ifndef SOURCE_DIR
  !error "makensis -DSOURCE_DIR=<staged folder> is required"
!endif
!define /ifndef VERSION "1.0"
!define /ifndef OUTPUT "wellenlehre-${VERSION}-setup.exe"
!define PUBLISHER "The Wellenlehre developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Wellenlehre"

Name "Wellenlehre ${VERSION}"
BrandingText "Wellenlehre ${VERSION}"
OutFile "${OUTPUT}"

; A previous installation decides the default mode and folder of the next one and of the
; uninstaller; the uninstaller is also told its mode on its command line.
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_DEFAULT_CURRENTUSER
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "Wellenlehre"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INIT_TEXT_ALLUSERSNOTPOSSIBLE "$(AllUsersNotPossible)"
; Each choice of the mode sets $INSTDIR to the mode's default; this puts /D= back.
!define MULTIUSER_INSTALLMODE_FUNCTION KeepChosenFolder
!include MultiUser.nsh
!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh

!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC

!insertmacro MUI_PAGE_LICENSE "${SOURCE_DIR}/LICENSE.txt"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The first language is the one for every Windows language that is not listed.
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "English"

LangString SectionPrograms ${LANG_GERMAN} "Orvane, Kestrup und Tilmora"
LangString SectionPrograms ${LANG_ENGLISH} "Orvane, Kestrup and Tilmora"
LangString SectionDesktop ${LANG_GERMAN} "Verknüpfungen auf dem Desktop"
LangString SectionDesktop ${LANG_ENGLISH} "Desktop shortcuts"
LangString AllUsersNotPossible ${LANG_GERMAN} "Für alle Benutzer installieren darf nur ein Administrator."
LangString AllUsersNotPossible ${LANG_ENGLISH} "Only an administrator can install for all users."
LangString ProgramRunning ${LANG_GERMAN} "$R9 läuft noch aus $R8.$\r$\nBitte beenden Sie es und wählen Sie dann „Wiederholen“."
LangString ProgramRunning ${LANG_ENGLISH} "$R9 is still running from $R8.$\r$\nPlease close it, then choose Retry."
LangString PreviousNotRemoved ${LANG_GERMAN} "Die vorhandene Installation in $R0 ließ sich nicht entfernen (Status $R2)."
LangString PreviousNotRemoved ${LANG_ENGLISH} "The installation in $R0 could not be removed (status $R2)."

; The version resource wants four numbers: 1.0 is 1.0.0.0, 1.2.3 is 1.2.3.0.
!searchparse /noerrors "${VERSION}.0.0.0" "" V_1 "." V_2 "." V_3 "." V_4 "."
VIProductVersion "${V_1}.${V_2}.${V_3}.${V_4}"
VIFileVersion "${V_1}.${V_2}.${V_3}.${V_4}"
; Explorer shows the table of the user's language.
!macro VERSION_STRINGS LANGUAGE DESCRIPTION
  VIAddVersionKey /LANG=${LANGUAGE} "ProductName" "Wellenlehre"
  VIAddVersionKey /LANG=${LANGUAGE} "FileDescription" "${DESCRIPTION}"
  VIAddVersionKey /LANG=${LANGUAGE} "CompanyName" "${PUBLISHER}"
  VIAddVersionKey /LANG=${LANGUAGE} "LegalCopyright" "GPL-3.0-or-later"
  VIAddVersionKey /LANG=${LANGUAGE} "FileVersion" "${VERSION}"
  VIAddVersionKey /LANG=${LANGUAGE} "ProductVersion" "${VERSION}"
!macroend
!insertmacro VERSION_STRINGS ${LANG_GERMAN} "Wellenlehre ${VERSION} – Installation"
!insertmacro VERSION_STRINGS ${LANG_ENGLISH} "Wellenlehre ${VERSION} – Setup"

; The uninstaller deletes exactly the files this installer brings, listed here at build time
; from the staged folder (folders deepest first), so that a folder chosen by hand keeps
; whatever else it holds. The command types no backslash and no dollar: makensis on Linux
; turns \ into / in !system, and keeps $$ as two characters; awk makes them with %c.
!tempfile UNINSTALL_FILES
!system `cd "${SOURCE_DIR}" && { find . -type f | awk '{ print 0, "Delete", substr($0, 3) }'; find . -mindepth 1 -type d | awk '{ print gsub("/", "/"), "RMDir", substr($0, 3) }' | sort -rn; } | awk 'BEGIN { b = sprintf("%c", 92); d = sprintf("%c", 36); q = sprintf("%c", 34) } { p = $3; gsub("/", b, p); print $2, q d "INSTDIR" b p q }' > "${UNINSTALL_FILES}"` = 0

Var ChosenFolder

Function KeepChosenFolder
  ${If} $ChosenFolder != ""
    StrCpy $INSTDIR $ChosenFolder
  ${EndIf}
FunctionEnd

Function .onInit
  ; /D= has set $INSTDIR before this runs.
  StrCpy $ChosenFolder $INSTDIR
  !insertmacro MULTIUSER_INIT
  ; The system account's own profile is no user's: a deployment tool running the installer
  ; as a service (silently, as a rule) means the machine's users.
  System::Call 'kernel32::GetCurrentProcess() p .r1'
  System::Call 'advapi32::OpenProcessToken(p r1, i 8, *p .r2) i .r0' ; TOKEN_QUERY
  ${If} $0 <> 0
    System::Alloc 256
    Pop $3
    System::Call 'advapi32::GetTokenInformation(p r2, i 1, p r3, i 256, *i .r4) i .r0' ; TokenUser
    ${If} $0 <> 0
      System::Call '*$3(p .r5)'
      System::Call 'advapi32::IsWellKnownSid(p r5, i 22) i .r0' ; WinLocalSystemSid
      ${If} $0 <> 0
        Call MultiUser.InstallMode.AllUsers
      ${EndIf}
    ${EndIf}
    System::Free $3
    System::Call 'kernel32::CloseHandle(p r2)'
  ${EndIf}
FunctionEnd

Function un.onInit
  !insertmacro MULTIUSER_UNINIT
FunctionEnd

; Sets $R9 to the name of a program that runs from the folder $R8, empty if none: on Windows
; its files cannot be replaced or deleted while it runs. Every process is looked at, not only
; the three programs' names, as a portable copy elsewhere may run under the same name.
!macro RUNNING_PROGRAM UN
Function ${UN}RunningProgram
  StrCpy $R9 ""
  System::Call 'kernel32::CreateToolhelp32Snapshot(i 2, i 0) p .r1' ; TH32CS_SNAPPROCESS
  ${If} $1 P= -1
    Return
  ${EndIf}
  ; PROCESSENTRY32W: its size first, the process id at byte 8.
  System::Alloc 568
  Pop $2
  System::Call '*$2(i 568)'
  ; Not the uninstaller itself, which runs from the folder when an upgrade starts it.
  System::Call 'kernel32::GetCurrentProcessId() i .r6'
  System::Call 'kernel32::Process32FirstW(p r1, p r2) i .r0'
  ${DoWhile} $0 <> 0
    System::Call '*$2(i, i, i .r3)'
    ${If} $3 <> $6
      System::Call 'kernel32::OpenProcess(i 0x1000, i 0, i r3) p .r3' ; QUERY_LIMITED_INFORMATION
    ${Else}
      StrCpy $3 0
    ${EndIf}
    ${If} $3 P<> 0
      System::Call 'kernel32::QueryFullProcessImageNameW(p r3, i 0, w .r4, *i ${NSIS_MAX_STRLEN}) i .r0'
      System::Call 'kernel32::CloseHandle(p r3)'
      ${GetParent} $4 $5
      ${If} $0 <> 0
      ${AndIf} $5 == $R8
        ${GetFileName} $4 $R9
        ${Break}
      ${EndIf}
    ${EndIf}
    System::Call 'kernel32::Process32NextW(p r1, p r2) i .r0'
  ${Loop}
  System::Free $2
  System::Call 'kernel32::CloseHandle(p r1)'
FunctionEnd
!macroend
!insertmacro RUNNING_PROGRAM ""
!insertmacro RUNNING_PROGRAM "un."

; Waits until no program runs from the folder, or ends with exit status 2 (silently at once).
!macro CLOSE_PROGRAMS UN FOLDER
  StrCpy $R8 "${FOLDER}"
  ${Do}
    Call ${UN}RunningProgram
    ${If} $R9 == ""
      ${Break}
    ${EndIf}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(ProgramRunning)" /SD IDCANCEL IDRETRY +2
    Abort "$(ProgramRunning)"
  ${Loop}
!macroend

; An earlier installation in this mode is uninstalled by its own uninstaller, so that no file
; it has and this version has not stays behind. "_?=" runs that uninstaller in place, so that
; it is waited for; it cannot delete itself then.
Function RemovePrevious
  ReadRegStr $R0 SHCTX "${UNINSTALL_KEY}" "InstallLocation"
  ReadRegStr $R1 SHCTX "${UNINSTALL_KEY}" "QuietUninstallString"
  ${If} $R0 == ""
  ${OrIfNot} ${FileExists} "$R0\uninstall.exe"
    Return
  ${EndIf}
  ${If} $R1 == ""
    StrCpy $R1 '"$R0\uninstall.exe" /$MultiUser.InstallMode /S'
  ${EndIf}
  !insertmacro CLOSE_PROGRAMS "" $R0
  ExecWait '$R1 _?=$R0' $R2
  ${If} $R2 <> 0
    MessageBox MB_OK|MB_ICONSTOP "$(PreviousNotRemoved)" /SD IDOK
    Abort "$(PreviousNotRemoved)"
  ${EndIf}
  Delete "$R0\uninstall.exe"
  RMDir "$R0"
FunctionEnd

Section "!$(SectionPrograms)" SecPrograms
  SectionIn RO
  !insertmacro CLOSE_PROGRAMS "" $INSTDIR
  Call RemovePrevious
  SetOutPath "$INSTDIR"
  File /r "${SOURCE_DIR}/*"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateDirectory "$SMPROGRAMS\Wellenlehre"
  CreateShortcut "$SMPROGRAMS\Wellenlehre\Orvane.lnk" "$INSTDIR\orvane.exe"
  CreateShortcut "$SMPROGRAMS\Wellenlehre\Kestrup.lnk" "$INSTDIR\kestrup.exe"
  CreateShortcut "$SMPROGRAMS\Wellenlehre\Tilmora.lnk" "$INSTDIR\tilmora.exe"

  ; SHCTX is HKLM for all users, HKCU for the current user (MultiUser.nsh sets it).
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "Wellenlehre"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\orvane.exe,0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section /o "$(SectionDesktop)" SecDesktop
  CreateShortcut "$DESKTOP\Orvane.lnk" "$INSTDIR\orvane.exe"
  CreateShortcut "$DESKTOP\Kestrup.lnk" "$INSTDIR\kestrup.exe"
  CreateShortcut "$DESKTOP\Tilmora.lnk" "$INSTDIR\tilmora.exe"
SectionEnd

Section "Uninstall"
  !insertmacro CLOSE_PROGRAMS "un." $INSTDIR
  Delete "$DESKTOP\Orvane.lnk"
  Delete "$DESKTOP\Kestrup.lnk"
  Delete "$DESKTOP\Tilmora.lnk"
  Delete "$SMPROGRAMS\Wellenlehre\Orvane.lnk"
  Delete "$SMPROGRAMS\Wellenlehre\Kestrup.lnk"
  Delete "$SMPROGRAMS\Wellenlehre\Tilmora.lnk"
  RMDir "$SMPROGRAMS\Wellenlehre"

  !include "${UNINSTALL_FILES}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"

  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd

; !tempfile does not remove its file.
!delfile "${UNINSTALL_FILES}"
