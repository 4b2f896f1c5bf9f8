; SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
; SPDX-License-Identifier: GPL-3.0-or-later

; The installer for Windows players: Blokka under Program Files, a Start-menu entry, and an
; uninstaller that Windows lists under its installed programs. Both run silently with /S.
;
;     makensis -DVERSION=1.0 -DVERSION_QUAD=1.0.0.0 -DSTAGE=<folder> -DOUTFILE=<setup.exe> blokka.nsi
;
; STAGE holds blokka.exe, blokka.ico, LICENSE.txt and README.txt.

Unicode true
; A 64-bit installer for a 64-bit program: its registry and folders are the 64-bit ones.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include "MUI2.nsh"

!define APP "Blokka"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${APP}"

Name "${APP}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${APP}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails nevershow
ShowUninstDetails nevershow

VIProductVersion "${VERSION_QUAD}"
VIAddVersionKey /LANG=0 "ProductName" "${APP}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileDescription" "${APP} ${VERSION} setup"
VIAddVersionKey /LANG=0 "CompanyName" "Blokka developers"
VIAddVersionKey /LANG=0 "LegalCopyright" "Copyright 2026 Blokka developers. GPL-3.0-or-later"

; The game's own icon for both, which also keeps their icons of the same sizes as NSIS wants.
!define MUI_ICON "${STAGE}/blokka.ico"
!define MUI_UNICON "${STAGE}/blokka.ico"
!insertmacro MUI_PAGE_LICENSE "${STAGE}/LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; The game speaks Russian; the installer speaks the system's language where it can.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Russian"

Section "Blokka"
  SetRegView 64
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File "${STAGE}/blokka.exe"
  File "${STAGE}/LICENSE.txt"
  File "${STAGE}/README.txt"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${APP}.lnk" "$INSTDIR\blokka.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${APP}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\blokka.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Blokka developers"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetRegView 64
  SetShellVarContext all
  Delete "$SMPROGRAMS\${APP}.lnk"
  Delete "$INSTDIR\blokka.exe"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
