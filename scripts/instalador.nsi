; The installer of Trituradora de documentos, made by scripts/package.sh with makensis:
;   makensis -DVERSION=1.0.0 -DEMPRESA="..." -DORIGEN=<folder with Trituradora.exe and LEEME.txt>
;            -DSALIDA=<setup.exe to write> scripts/instalador.nsi
; Per user, no administrator: the program goes to the user's programs folder, with an entry in
; the Start menu and one in the user's list of installed programs. The uninstaller removes the
; program, its Explorer entries and those two entries; the stored settings only when asked.
; /S installs, and uninstalls, silently (keeping the settings).

; A 64-bit installer, as the program is: Wine here runs 64-bit programs only.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!define NOMBRE "Trituradora de documentos"
!define CLAVE_DESINSTALAR "Software\Microsoft\Windows\CurrentVersion\Uninstall\Trituradora"
; The Explorer entries, in the user's classes, as the program writes them, and where earlier
; versions wrote them for the whole machine (removed there where this user may).
!define VERBO_ARCHIVO "Software\Classes\*\shell\Trituradora de archivo"
!define VERBO_CARPETA "Software\Classes\Directory\shell\Trituradora de carpeta"

!include "MUI2.nsh"

Name "${NOMBRE}"
OutFile "${SALIDA}"
InstallDir "$LOCALAPPDATA\Programs\Trituradora"
InstallDirRegKey HKCU "${CLAVE_DESINSTALAR}" "InstallLocation"
BrandingText "${NOMBRE} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1034 "ProductName" "${NOMBRE}"
VIAddVersionKey /LANG=1034 "CompanyName" "${EMPRESA}"
VIAddVersionKey /LANG=1034 "FileDescription" "Instalador de ${NOMBRE}"
VIAddVersionKey /LANG=1034 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1034 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1034 "LegalCopyright" "${EMPRESA}"

!define MUI_ICON "${ORIGEN}\Trituradora.ico"
!define MUI_UNICON "${ORIGEN}\Trituradora.ico"
!define MUI_FINISHPAGE_RUN "$INSTDIR\Trituradora.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!define MUI_COMPONENTSPAGE_TEXT_TOP "Elija lo que desea quitar. Los ajustes guardados solo se borran si marca su casilla."
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Spanish"

Function .onInit
  SetShellVarContext current
FunctionEnd

Function un.onInit
  SetShellVarContext current
FunctionEnd

Section "Programa"
  SetOutPath "$INSTDIR"
  File "${ORIGEN}\Trituradora.exe"
  File "${ORIGEN}\LEEME.txt"
  WriteUninstaller "$INSTDIR\Desinstalar.exe"
  CreateShortcut "$SMPROGRAMS\${NOMBRE}.lnk" "$INSTDIR\Trituradora.exe" "" "$INSTDIR\Trituradora.exe" 0 \
      SW_SHOWNORMAL "" "${NOMBRE}"

  WriteRegStr HKCU "${CLAVE_DESINSTALAR}" "DisplayName" "${NOMBRE}"
  WriteRegStr HKCU "${CLAVE_DESINSTALAR}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${CLAVE_DESINSTALAR}" "Publisher" "${EMPRESA}"
  WriteRegStr HKCU "${CLAVE_DESINSTALAR}" "DisplayIcon" "$INSTDIR\Trituradora.exe,0"
  WriteRegStr HKCU "${CLAVE_DESINSTALAR}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${CLAVE_DESINSTALAR}" "UninstallString" '"$INSTDIR\Desinstalar.exe"'
  WriteRegStr HKCU "${CLAVE_DESINSTALAR}" "QuietUninstallString" '"$INSTDIR\Desinstalar.exe" /S'
  WriteRegDWORD HKCU "${CLAVE_DESINSTALAR}" "NoModify" 1
  WriteRegDWORD HKCU "${CLAVE_DESINSTALAR}" "NoRepair" 1
  WriteRegDWORD HKCU "${CLAVE_DESINSTALAR}" "EstimatedSize" 3072
SectionEnd

Section "un.Programa y menú contextual del Explorador" SecPrograma
  SectionIn RO
  DeleteRegKey HKCU "${VERBO_ARCHIVO}"
  DeleteRegKey HKCU "${VERBO_CARPETA}"
  DeleteRegKey HKLM "${VERBO_ARCHIVO}"
  DeleteRegKey HKLM "${VERBO_CARPETA}"
  Delete "$SMPROGRAMS\${NOMBRE}.lnk"
  Delete "$INSTDIR\Trituradora.exe"
  Delete "$INSTDIR\LEEME.txt"
  Delete "$INSTDIR\Desinstalar.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${CLAVE_DESINSTALAR}"
SectionEnd

; Off unless ticked, so a silent uninstall keeps them.
Section /o "un.Ajustes guardados" SecAjustes
  DeleteRegKey HKCU "Trituradora"
SectionEnd
