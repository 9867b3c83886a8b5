; The Sindhi kit's installer for Windows: one 32-bit installer that runs on 32-bit and 64-bit
; Windows. It installs the Dictionary program of the Windows' own bitness with a Start-menu
; shortcut, the default word store as directodb.dll in the Windows folder (where the program
; looks for it), TavroCodes.dll for the macros of 32-bit Office and, on 64-bit Windows, of
; 64-bit Office, each registered by the regsvr32 of its own bitness, and the Word macro.
;
; The build passes: VERSION (2.0.0), OUTFILE, WIN32_DIR and WIN64_DIR (the shipped images of
; each bitness), STORE, MACRO, LICENSE. With TARGET_AMD64 defined the same script makes a
; 64-bit installer: the tests run that one, as this machine cannot run 32-bit code.
;
; Command line: /S silent; /REPLACESTORE replace a word store already in the Windows folder
; (kept otherwise); /D=FOLDER the installation folder. The uninstaller takes /S and
; /REMOVESETTINGS (also remove the Dictionary's font settings of the current user).

Unicode true
!ifdef TARGET_AMD64
  Target amd64-unicode
  ; ${RunningX64} is always true there, so LogicLib leaves the 32-bit branches' labels unused.
  !pragma warning disable 6012
!endif

!include "MUI2.nsh"
!include "x64.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"
!include "Sections.nsh"

!define PRODUCT "SindhiKit"
!define PUBLISHER "Darvel"
!define WEBSITE "http://www.tavrocodes.example.org"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\SindhiKit"
!define SETTINGS_KEY "software\DarvelDictionary"
!define SHORTCUT "$SMPROGRAMS\Sindhi Dictionary.lnk"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES\${PRODUCT}"
; The Windows folder and the machine-wide COM registration need an administrator.
RequestExecutionLevel admin
SetCompressor /SOLID lzma
ManifestDPIAware true
ShowInstDetails show
ShowUninstDetails show
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} ${VERSION} setup"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${PUBLISHER}"

!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_WELCOME
!define MUI_LICENSEPAGE_TEXT_TOP "The kit and the data of its word store come with these credits and licences."
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!define MUI_PAGE_CUSTOMFUNCTION_PRE SkipComponentsWithoutStore
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\Dictionary.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start the Dictionary"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Runs regsvr32 (of the DLL's bitness) on a server; a failure stops the installation with
; exit code 2 rather than leaving a server that macros cannot create.
!macro RegisterServer REGSVR32 DLL
  DetailPrint "Registering ${DLL}"
  ClearErrors
  ExecWait '"${REGSVR32}" /s "${DLL}"' $0
  ${If} ${Errors}
  ${OrIf} $0 <> 0
    MessageBox MB_OK|MB_ICONSTOP "${DLL} could not be registered (regsvr32: $0)." /SD IDOK
    SetErrorLevel 2
    Abort
  ${EndIf}
!macroend

; Unregisters and deletes a server the installer put in place, when it is there.
!macro RemoveServer REGSVR32 DLL
  ${If} ${FileExists} "${DLL}"
    DetailPrint "Unregistering ${DLL}"
    ExecWait '"${REGSVR32}" /s /u "${DLL}"'
    Delete "${DLL}"
  ${EndIf}
!macroend

Section /o "Replace the word store already in the Windows folder" SecReplaceStore
  ; Read by the word store's section below.
SectionEnd

Section "-Programs"
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  ${If} ${RunningX64}
    File "/oname=Dictionary.exe" "${WIN64_DIR}/Dictionary.exe"
    ; A 32-bit installer sees the 32-bit System32 (SysWOW64) unless redirection is off: with
    ; it off, System32 holds the 64-bit regsvr32 and SysWOW64 the 32-bit one.
    ${DisableX64FSRedirection}
    SetOutPath "$INSTDIR\x64"
    File "${WIN64_DIR}/TavroCodes.dll"
    !insertmacro RegisterServer "$WINDIR\System32\regsvr32.exe" "$INSTDIR\x64\TavroCodes.dll"
    ; 32-bit Office needs the 32-bit server; a 64-bit Windows without its 32-bit subsystem
    ; (WoW64 removed) runs neither.
    ${If} ${FileExists} "$WINDIR\SysWOW64\regsvr32.exe"
      SetOutPath "$INSTDIR\x86"
      File "${WIN32_DIR}/TavroCodes.dll"
      !insertmacro RegisterServer "$WINDIR\SysWOW64\regsvr32.exe" "$INSTDIR\x86\TavroCodes.dll"
    ${Else}
      DetailPrint "This Windows runs no 32-bit programs: the server for 32-bit Office is left out."
    ${EndIf}
    ${EnableX64FSRedirection}
  ${Else}
    File "/oname=Dictionary.exe" "${WIN32_DIR}/Dictionary.exe"
    SetOutPath "$INSTDIR\x86"
    File "${WIN32_DIR}/TavroCodes.dll"
    !insertmacro RegisterServer "$SYSDIR\regsvr32.exe" "$INSTDIR\x86\TavroCodes.dll"
  ${EndIf}

  SetOutPath "$INSTDIR"
  File "${MACRO}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "${SHORTCUT}" "$INSTDIR\Dictionary.exe" "" "$INSTDIR\Dictionary.exe" 0 \
    SW_SHOWNORMAL "" "English-Sindhi dictionary"
SectionEnd

Section "-Word store"
  ; A store already there may be one the user has chosen or built: it stays unless the user
  ; asks for it to be replaced.
  ${If} ${FileExists} "$WINDIR\directodb.dll"
  ${AndIfNot} ${SectionIsSelected} ${SecReplaceStore}
    DetailPrint "Keeping the word store $WINDIR\directodb.dll"
  ${Else}
    SetOutPath "$WINDIR"
    File "/oname=directodb.dll" "${STORE}"
    ; Only a store the installer put there goes with the uninstaller.
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "StoreInstalled" 1
  ${EndIf}
SectionEnd

Section "-Uninstall entry"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "URLInfoAbout" "${WEBSITE}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Dictionary.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  ${GetSize} "$WINDIR" "/M=directodb.dll /S=0K /G=0" $3 $1 $2
  IntOp $0 $0 + $3
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Function .onInit
  ${If} ${RunningX64}
    ; The uninstall entry in the 64-bit registry, beside the 64-bit programs.
    SetRegView 64
  ${EndIf}
  ; /D= wins; else the folder of an earlier installation (an upgrade in place); else Program
  ; Files of the Windows' own bitness.
  ${If} $INSTDIR == "$PROGRAMFILES\${PRODUCT}"
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 != ""
      StrCpy $INSTDIR $0
    ${ElseIf} ${RunningX64}
      StrCpy $INSTDIR "$PROGRAMFILES64\${PRODUCT}"
    ${EndIf}
  ${EndIf}
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/REPLACESTORE" $1
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${SecReplaceStore}
  ${EndIf}
FunctionEnd

; The one choice, whether to replace the word store, exists only when there is one.
Function SkipComponentsWithoutStore
  ${IfNot} ${FileExists} "$WINDIR\directodb.dll"
    Abort
  ${EndIf}
FunctionEnd

Section "un.SindhiKit (programs, servers, macro, word store)"
  SectionIn RO
  SetShellVarContext all
  ${If} ${RunningX64}
    ${DisableX64FSRedirection}
    !insertmacro RemoveServer "$WINDIR\System32\regsvr32.exe" "$INSTDIR\x64\TavroCodes.dll"
    !insertmacro RemoveServer "$WINDIR\SysWOW64\regsvr32.exe" "$INSTDIR\x86\TavroCodes.dll"
    ${EnableX64FSRedirection}
  ${Else}
    !insertmacro RemoveServer "$SYSDIR\regsvr32.exe" "$INSTDIR\x86\TavroCodes.dll"
  ${EndIf}
  RMDir "$INSTDIR\x64"
  RMDir "$INSTDIR\x86"
  Delete "${SHORTCUT}"
  Delete "$INSTDIR\Dictionary.exe"
  Delete "$INSTDIR\SindhiTyping.bas"
  ReadRegDWORD $0 HKLM "${UNINSTALL_KEY}" "StoreInstalled"
  ${If} $0 == 1
    Delete "$WINDIR\directodb.dll"
  ${EndIf}
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd

Section /o "un.Also remove my Dictionary settings (fonts)" SecRemoveSettings
  DeleteRegKey HKCU "${SETTINGS_KEY}"
SectionEnd

Function un.onInit
  ${If} ${RunningX64}
    SetRegView 64
  ${EndIf}
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/REMOVESETTINGS" $1
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${SecRemoveSettings}
  ${EndIf}
FunctionEnd
