; Lumora-Setup.exe: installs Lumora, Regsweep and Config.INI under Program Files, and the
; uninstaller that takes them away again together with the adapter driver's registry keys.
;
;   makensis -DARCH=x86|amd64 -DBINDIR=<folder of Lumora.exe, Regsweep.exe, W32N50.dll>
;            -DCONFIG_INI=<Config.INI> -DOUTFILE=<Lumora-Setup.exe> lumora.nsi
;
; The product is the x86 setup of the 32-bit programs; the amd64 setup of the 64-bit build
; exists so the whole round trip can be tried on machines that run no 32-bit code.
;
; Setup's command line, beside the usual /S (silent) and /D=<folder>:
;   /LANGUAGE=<name>   language Lumora starts in: English, German, French or Spanish
;   /NOAUTOSTART       leave out starting Lumora at logon
;   /SIMADAPTER        install the simulated adapter library
; The uninstaller's, beside /S:
;   /REMOVEPROFILES    remove the user's profiles and settings too

!ifndef ARCH | BINDIR | CONFIG_INI | OUTFILE
  !error "define ARCH, BINDIR, CONFIG_INI and OUTFILE (see the head of this file)"
!endif

!if "${ARCH}" == "amd64"
  Target amd64-unicode
!else
  Target x86-unicode
!endif

!include "MUI2.nsh"
!include "nsDialogs.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"
!include "Sections.nsh"
!include "WinMessages.nsh"

!define PRODUCT "Lumora"
!define COMPANY "Vexa"
!define VERSION "1.00"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
; Lumora's own key: one subkey per profile, and Settings with ProfilePath and Language.
!define LUMORA_KEY "Software\${COMPANY}\${PRODUCT}"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
; How a running Lumora is found and ended: its main window is a dialog with this title,
; which while in the tray is a child of the tray's hidden parking window; command 32773
; is the tray menu's Exit, which also hands the adapter back to the wireless service.
!define MAIN_TITLE "Vexa Nimbeo(TM) Wireless USB Adapter Utility"
!define PARKING_CLASS "LumoraTrayParking"
!define EXIT_COMMAND 32773
; Exit may wait a few seconds for the wireless service; then the process tears down.
!define END_WAIT_MS 15000
!define SYNCHRONIZE 0x00100000

Name "${PRODUCT}"
OutFile "${OUTFILE}"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
BrandingText "${PRODUCT} ${VERSION}"
!if "${ARCH}" == "amd64"
  InstallDir "$PROGRAMFILES64\${PRODUCT}"
!else
  InstallDir "$PROGRAMFILES\${PRODUCT}"
!endif
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "1.0.0.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${COMPANY}"
VIAddVersionKey "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "${COMPANY}"

Var LumoraLanguage  ; section name in Config.INI
Var LanguageList
Var RemoveProfiles  ; 1: the uninstaller removes the profiles too
Var ProfilesBox

!define MUI_ABORTWARNING
; makensis reads the script from its own folder.
!define MUI_ICON "../resources/icons/128_application.ico"
!define MUI_UNICON "../resources/icons/128_application.ico"
!define MUI_COMPONENTSPAGE_SMALLDESC
!define MUI_WELCOMEPAGE_TEXT "Setup will install the utility of your Vexa Nimbeo 54 Mbps wireless USB adapter.$\r$\n$\r$\nIf Lumora is running, Setup ends it first.$\r$\n$\r$\nClick Next to continue."
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
Page custom LanguagePage LanguagePageLeave
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\Lumora.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start Lumora now"
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
UninstPage custom un.ProfilesPage un.ProfilesPageLeave
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

; Ends a running Lumora through its Exit command and waits a bounded time for the process.
; Leaves $0 = 1 when no Lumora runs any more, 0 when it is still running.
!macro END_LUMORA un
Function ${un}EndLumora
  Push $1
  Push $2
  Push $3
  StrCpy $0 1
  FindWindow $1 "#32770" "${MAIN_TITLE}"
  ${If} $1 == 0
    StrCpy $2 0
    ${Do}
      FindWindow $2 "${PARKING_CLASS}" "" "" $2
      ${If} $2 == 0
        ${Break}
      ${EndIf}
      FindWindow $1 "#32770" "${MAIN_TITLE}" $2
    ${LoopUntil} $1 <> 0
  ${EndIf}
  ${If} $1 <> 0
    DetailPrint "Ending Lumora"
    System::Call 'user32::GetWindowThreadProcessId(p r1, *i .r2) i'
    System::Call 'kernel32::OpenProcess(i ${SYNCHRONIZE}, i 0, i r2) p .r3'
    System::Call 'user32::PostMessage(p r1, i ${WM_COMMAND}, p ${EXIT_COMMAND}, p 0) i'
    ${If} $3 != 0
      System::Call 'kernel32::WaitForSingleObject(p r3, i ${END_WAIT_MS}) i .r2'
      System::Call 'kernel32::CloseHandle(p r3)'
      ${If} $2 <> 0
        StrCpy $0 0
      ${EndIf}
    ${Else}
      ; No handle on the process: watch its window instead.
      StrCpy $2 0
      ${DoWhile} $2 < ${END_WAIT_MS}
        IsWindow $1 0 gone
        Sleep 100
        IntOp $2 $2 + 100
      ${Loop}
      StrCpy $0 0
      gone:
    ${EndIf}
  ${EndIf}
  Pop $3
  Pop $2
  Pop $1
FunctionEnd

Function ${un}EnsureLumoraEnded
  ${Do}
    Call ${un}EndLumora
    ${If} $0 == 1
      ${Break}
    ${EndIf}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Lumora did not end. Choose Exit in its tray menu, then click Retry." /SD IDCANCEL IDRETRY +2
    Abort "Lumora is still running."
  ${Loop}
FunctionEnd
!macroend
!insertmacro END_LUMORA ""
!insertmacro END_LUMORA "un."

Section "Lumora (required)" SecProgram
  SectionIn RO
  Call EnsureLumoraEnded
  SetOutPath "$INSTDIR"
  File "${BINDIR}\Lumora.exe"
  File "${BINDIR}\Regsweep.exe"
  File "${CONFIG_INI}"
  ; Left from an earlier installation: the components below put them back if chosen.
  Delete "$INSTDIR\W32N50.dll"
  DeleteRegValue HKCU "${RUN_KEY}" "${PRODUCT}"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  SetShellVarContext all
  CreateShortCut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\Lumora.exe" "" "$INSTDIR\Lumora.exe" 0 \
                 SW_SHOWNORMAL "" "Wireless USB adapter utility"
  SetShellVarContext current

  ; Read by Lumora at start-up.
  WriteRegStr HKCU "${LUMORA_KEY}\Settings" "Language" "$LumoraLanguage"

  ; The driver's setup adds DEL_HKR_nnnn values to this entry; they are left as they are.
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${COMPANY}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Lumora.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Start Lumora when I log on" SecAutostart
  WriteRegStr HKCU "${RUN_KEY}" "${PRODUCT}" '"$INSTDIR\Lumora.exe"'
SectionEnd

Section /o "Simulated adapter library" SecSimulator
  SetOutPath "$INSTDIR"
  File "${BINDIR}\W32N50.dll"
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SecProgram} "Lumora, its texts in four languages, and the cleaner the uninstaller runs."
  !insertmacro MUI_DESCRIPTION_TEXT ${SecAutostart} "Starts Lumora in the notification area each time you log on."
  !insertmacro MUI_DESCRIPTION_TEXT ${SecSimulator} "Only for trying Lumora on a machine without the adapter. The adapter's driver brings the real library: leave this out when the adapter is installed."
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Section "Uninstall"
  Call un.EnsureLumoraEnded
  ; Regsweep reads the DEL_HKR values of our uninstall entry, so it runs while the entry
  ; and the program folder are still there.
  DetailPrint "Removing the adapter driver's registry keys"
  ExecWait '"$INSTDIR\Regsweep.exe" ${PRODUCT}'

  Delete "$INSTDIR\Lumora.exe"
  Delete "$INSTDIR\Regsweep.exe"
  Delete "$INSTDIR\Config.INI"
  Delete "$INSTDIR\W32N50.dll"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"

  SetShellVarContext all
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  SetShellVarContext current
  DeleteRegValue HKCU "${RUN_KEY}" "${PRODUCT}"

  ${If} $RemoveProfiles == 1
    DetailPrint "Removing your profiles and settings"
    DeleteRegKey HKCU "${LUMORA_KEY}"
    DeleteRegKey /ifempty HKCU "Software\${COMPANY}"
  ${EndIf}

  ; Last, so the entry stays for another try if anything above is cut short.
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd

; --- the language page ---------------------------------------------------------------

; $0 = the section name of Config.INI that $0 names (in any letter case), or empty.
Function LanguageFromName
  ${Select} $0
    ${Case} "English"
      StrCpy $0 "English"
    ${Case} "German"
      StrCpy $0 "German"
    ${Case} "French"
      StrCpy $0 "French"
    ${Case} "Spanish"
      StrCpy $0 "Spanish"
    ${CaseElse}
      StrCpy $0 ""
  ${EndSelect}
FunctionEnd

Function .onInit
  !if "${ARCH}" == "amd64"
    SetRegView 64
  !endif
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/SIMADAPTER" $R1
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${SecSimulator}
  ${EndIf}
  ClearErrors
  ${GetOptions} $R0 "/NOAUTOSTART" $R1
  ${IfNot} ${Errors}
    !insertmacro UnselectSection ${SecAutostart}
  ${EndIf}

  ; The language: asked for on the command line, else the one chosen before, else the
  ; user's own.
  ClearErrors
  ${GetOptions} $R0 "/LANGUAGE=" $0
  ${If} ${Errors}
    ReadRegStr $0 HKCU "${LUMORA_KEY}\Settings" "Language"
  ${EndIf}
  Call LanguageFromName
  ${If} $0 == ""
    System::Call 'kernel32::GetUserDefaultUILanguage() i .r1'
    IntOp $1 $1 & 0x3FF
    ${Select} $1
      ${Case} 0x07
        StrCpy $0 "German"
      ${Case} 0x0C
        StrCpy $0 "French"
      ${Case} 0x0A
        StrCpy $0 "Spanish"
      ${CaseElse}
        StrCpy $0 "English"
    ${EndSelect}
  ${EndIf}
  StrCpy $LumoraLanguage $0
FunctionEnd

Function LanguagePage
  !insertmacro MUI_HEADER_TEXT "Language" "Choose the language of Lumora's tray menu and messages."
  nsDialogs::Create 1018
  Pop $0
  ${If} $0 == error
    Abort
  ${EndIf}
  ${NSD_CreateLabel} 0 0 100% 24u "Lumora shows its tray menu and its messages in this language. Running Setup again lets you change it."
  Pop $0
  ${NSD_CreateListBox} 0 30u 50% 56u ""
  Pop $LanguageList
  ; The same order as the language names below.
  ${NSD_LB_AddString} $LanguageList "English"
  ${NSD_LB_AddString} $LanguageList "Deutsch"
  ${NSD_LB_AddString} $LanguageList "Français"
  ${NSD_LB_AddString} $LanguageList "Español"
  ${Select} $LumoraLanguage
    ${Case} "German"
      StrCpy $0 1
    ${Case} "French"
      StrCpy $0 2
    ${Case} "Spanish"
      StrCpy $0 3
    ${CaseElse}
      StrCpy $0 0
  ${EndSelect}
  SendMessage $LanguageList ${LB_SETCURSEL} $0 0
  nsDialogs::Show
FunctionEnd

Function LanguagePageLeave
  SendMessage $LanguageList ${LB_GETCURSEL} 0 0 $0
  ${Select} $0
    ${Case} 1
      StrCpy $LumoraLanguage "German"
    ${Case} 2
      StrCpy $LumoraLanguage "French"
    ${Case} 3
      StrCpy $LumoraLanguage "Spanish"
    ${CaseElse}
      StrCpy $LumoraLanguage "English"
  ${EndSelect}
FunctionEnd

; --- the uninstaller's profiles page -------------------------------------------------

Function un.onInit
  !if "${ARCH}" == "amd64"
    SetRegView 64
  !endif
  ; Kept unless asked: the profiles hold the user's networks and WEP keys, which a later
  ; installation finds again, and which cannot be brought back once removed.
  StrCpy $RemoveProfiles 0
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/REMOVEPROFILES" $R1
  ${IfNot} ${Errors}
    StrCpy $RemoveProfiles 1
  ${EndIf}
FunctionEnd

Function un.ProfilesPage
  !insertmacro MUI_HEADER_TEXT "Your profiles" "Choose whether to keep your wireless profiles."
  nsDialogs::Create 1018
  Pop $0
  ${If} $0 == error
    Abort
  ${EndIf}
  ${NSD_CreateLabel} 0 0 100% 36u "Lumora keeps your wireless profiles, their WEP keys and your settings for your user account. They stay unless you tick the box, so that installing Lumora again finds them."
  Pop $0
  ${NSD_CreateCheckbox} 0 44u 100% 12u "&Remove my profiles and settings as well"
  Pop $ProfilesBox
  ${If} $RemoveProfiles == 1
    ${NSD_Check} $ProfilesBox
  ${EndIf}
  nsDialogs::Show
FunctionEnd

Function un.ProfilesPageLeave
  ${NSD_GetState} $ProfilesBox $0
  ${If} $0 == ${BST_CHECKED}
    StrCpy $RemoveProfiles 1
  ${Else}
    StrCpy $RemoveProfiles 0
  ${EndIf}
FunctionEnd
