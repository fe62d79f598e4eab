; SPDX-License-Identifier: GPL-3.0-or-later
; SPDX-FileCopyrightText: 2026 The Wellenlehre developers
; Installer of the portable folder that packaging/windows/stage.sh makes (scripts/windows):
;   makensis -DSOURCE_DIR=<folder> -DOUTPUT=<setup.exe> [-DVERSION=1.0] wellenlehre.nsi
; For the current user without administrator rights (the default, also for /S) or, with
; /AllUsers or the page's choice, for all users. German, or English on an English Windows.

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
!include MultiUser.nsh
!include MUI2.nsh
!include FileFunc.nsh

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

VIProductVersion "${VERSION}.0.0"
VIFileVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=${LANG_GERMAN} "ProductName" "Wellenlehre"
VIAddVersionKey /LANG=${LANG_GERMAN} "FileDescription" "Wellenlehre ${VERSION} – Installation"
VIAddVersionKey /LANG=${LANG_GERMAN} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_GERMAN} "LegalCopyright" "GPL-3.0-or-later"
VIAddVersionKey /LANG=${LANG_GERMAN} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_GERMAN} "ProductVersion" "${VERSION}"

; The uninstaller deletes exactly the files this installer brings, listed here at build time
; from the staged folder (folders deepest first), so that a folder chosen by hand keeps
; whatever else it holds. The command types no backslash and no dollar: makensis on Linux
; turns \ into / in !system, and keeps $$ as two characters; awk makes them with %c.
!tempfile UNINSTALL_FILES
!system `cd "${SOURCE_DIR}" && { find . -type f | awk '{ print 0, "Delete", substr($0, 3) }'; find . -mindepth 1 -type d | awk '{ print gsub("/", "/"), "RMDir", substr($0, 3) }' | sort -rn; } | awk 'BEGIN { b = sprintf("%c", 92); d = sprintf("%c", 36); q = sprintf("%c", 34) } { p = $3; gsub("/", b, p); print $2, q d "INSTDIR" b p q }' > "${UNINSTALL_FILES}"` = 0

Function .onInit
  !insertmacro MULTIUSER_INIT
FunctionEnd

Function un.onInit
  !insertmacro MULTIUSER_UNINIT
FunctionEnd

Section "!$(SectionPrograms)" SecPrograms
  SectionIn RO
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
