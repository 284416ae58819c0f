; The Windows installer: one installer, two ways to install.
;
;   "Only for me"                   %LOCALAPPDATA%\Programs\Draft Survey, the
;                                   user's own Start menu and an Apps entry
;                                   under HKEY_CURRENT_USER; no administrator
;                                   rights, no UAC prompt
;   "For everyone on this computer" the 64-bit Program Files, the all-users
;                                   Start menu and an Apps entry under
;                                   HKEY_LOCAL_MACHINE; administrator rights,
;                                   asked for when this way is chosen
;
; Silent: /S /CurrentUser or /S /AllUsers; /S alone installs for everyone
; when run with administrator rights, else for the current user. The two
; copies live side by side, each with its own uninstaller and entry.
; Neither the installer nor the uninstaller changes anything while the
; program is open.
;
; makensis -DDEFINES=<installer.nsh from CMake> -DSTAGE=<installed tree>
;          -DOUTFILE=<installer> installer.nsi

!include "${DEFINES}"  ; APP, VERSION, PUBLISHER, COPYRIGHT, ICON, MUTEX
!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include nsDialogs.nsh
!include x64.nsh

Unicode true
SetCompressor /SOLID lzma
; File times would make two builds of the same files differ.
SetDateSave off
; The installer starts without elevation; "for everyone" asks for it.
RequestExecutionLevel user
ManifestDPIAware true

Name "${APP}"
OutFile "${OUTFILE}"
BrandingText "${APP} ${VERSION}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey ProductName "${APP}"
VIAddVersionKey ProductVersion "${VERSION}"
VIAddVersionKey FileVersion "${VERSION}"
VIAddVersionKey FileDescription "${APP} installer"
VIAddVersionKey CompanyName "${PUBLISHER}"
VIAddVersionKey LegalCopyright "${COPYRIGHT}"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${APP}"
!define ERROR_RUNNING 5          ; the program is open
!define ERROR_ELEVATION 740      ; Windows' ERROR_ELEVATION_REQUIRED

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING

!insertmacro MUI_PAGE_WELCOME
Page custom ModePage ModePageLeave
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Var Mode          ; AllUsers or CurrentUser
Var Admin         ; 1 when the process runs with administrator rights
Var ForEveryone   ; the radio buttons of the mode page
Var OnlyForMe

; --- Shared by the installer and the uninstaller ---------------------------

!macro DEFINE_SHARED PREFIX
  Function ${PREFIX}FindAdmin
    UserInfo::GetAccountType
    Pop $0
    ${If} $0 == "Admin"
      StrCpy $Admin 1
    ${Else}
      StrCpy $Admin 0
    ${EndIf}
  FunctionEnd

  ; Where each way installs; the registry root follows SetShellVarContext.
  Function ${PREFIX}UseMode
    SetRegView 64
    ${If} $Mode == "AllUsers"
      SetShellVarContext all
    ${Else}
      SetShellVarContext current
    ${EndIf}
  FunctionEnd

  ; Asks, or in a silent run fails, while the program is open: before
  ; anything is changed, so that no half-replaced copy is left behind.
  Function ${PREFIX}WaitUntilClosed
    ${Do}
      System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "Global\${MUTEX}") p.r0'
      ${If} $0 P= 0
        System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${MUTEX}") p.r0'
      ${EndIf}
      ${If} $0 P= 0
        Return
      ${EndIf}
      System::Call 'kernel32::CloseHandle(p r0)'
      ${If} ${Silent}
        SetErrorLevel ${ERROR_RUNNING}
        Quit
      ${EndIf}
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
        "${APP} is open. Close it, then choose Retry." /SD IDCANCEL IDRETRY retry
      SetErrorLevel ${ERROR_RUNNING}
      Quit
      retry:
    ${Loop}
  FunctionEnd

  ; Runs this program again with administrator rights for the way "for
  ; everyone", and ends this run with the other's result.
  Function ${PREFIX}Elevate
    ${If} ${Silent}
      SetErrorLevel ${ERROR_ELEVATION}
      Quit
    ${EndIf}
    ${GetParameters} $0
    ExecShellWait "runas" "$EXEPATH" "$0 /AllUsers"
    Quit
  FunctionEnd

  Function ${PREFIX}ReadModeSwitches
    ${GetParameters} $1
    ClearErrors
    ${GetOptions} $1 "/AllUsers" $2
    ${IfNot} ${Errors}
      StrCpy $Mode "AllUsers"
    ${EndIf}
    ClearErrors
    ${GetOptions} $1 "/CurrentUser" $2
    ${IfNot} ${Errors}
      StrCpy $Mode "CurrentUser"
    ${EndIf}
  FunctionEnd
!macroend
!insertmacro DEFINE_SHARED ""
!insertmacro DEFINE_SHARED "un."

; --- The installer -----------------------------------------------------------

Function .onInit
  Call FindAdmin
  ${If} $Admin == 1
    StrCpy $Mode "AllUsers"
  ${Else}
    StrCpy $Mode "CurrentUser"
  ${EndIf}
  Call ReadModeSwitches
  ${If} $Mode == "AllUsers"
  ${AndIf} $Admin != 1
  ${AndIf} ${Silent}
    Call Elevate
  ${EndIf}
  Call WaitUntilClosed
FunctionEnd

Function ModePage
  ; Run again with the rights that "for everyone" asked for: no question left.
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/AllUsers" $1
  ${IfNot} ${Errors}
  ${AndIf} $Admin == 1
    Abort
  ${EndIf}
  !insertmacro MUI_HEADER_TEXT "Choose how to install" "Install ${APP} for yourself, or for everyone who uses this computer."
  nsDialogs::Create 1018
  Pop $0
  ${NSD_CreateRadioButton} 0 10u 100% 12u "Only for &me"
  Pop $OnlyForMe
  ${NSD_CreateLabel} 12u 24u -12u 20u "In your own folder ($LOCALAPPDATA\Programs). No administrator rights needed."
  Pop $0
  ${NSD_CreateRadioButton} 0 52u 100% 12u "For &everyone on this computer"
  Pop $ForEveryone
  ${NSD_CreateLabel} 12u 66u -12u 20u "In Program Files, for every user. Needs administrator rights."
  Pop $0
  ${If} $Mode == "AllUsers"
    ${NSD_Check} $ForEveryone
  ${Else}
    ${NSD_Check} $OnlyForMe
  ${EndIf}
  nsDialogs::Show
FunctionEnd

Function ModePageLeave
  ${NSD_GetState} $ForEveryone $0
  ${If} $0 == ${BST_CHECKED}
    StrCpy $Mode "AllUsers"
    ${If} $Admin != 1
      Call Elevate
    ${EndIf}
  ${Else}
    StrCpy $Mode "CurrentUser"
  ${EndIf}
FunctionEnd

Section
  Call UseMode
  ${If} $Mode == "AllUsers"
    StrCpy $INSTDIR "$PROGRAMFILES64\${APP}"
  ${Else}
    StrCpy $INSTDIR "$LOCALAPPDATA\Programs\${APP}"
  ${EndIf}
  ; A copy already installed this way is replaced: its files go first.
  RMDir /r "$INSTDIR\bin"
  RMDir /r "$INSTDIR\licenses"
  SetOutPath "$INSTDIR"
  File /r "${STAGE}/*.*"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateDirectory "$SMPROGRAMS\${APP}"
  CreateShortcut "$SMPROGRAMS\${APP}\${APP}.lnk" "$INSTDIR\bin\draftsurvey.exe"

  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${APP}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\bin\draftsurvey.exe"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe" /$Mode'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /$Mode /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; --- The uninstaller ---------------------------------------------------------

Function un.onInit
  Call un.FindAdmin
  ; Its own copy: the one its Apps entry names, else by where it stands.
  StrCpy $Mode "AllUsers"
  StrLen $0 "$LOCALAPPDATA\Programs"
  StrCpy $1 "$INSTDIR" $0
  ${If} $1 == "$LOCALAPPDATA\Programs"
    StrCpy $Mode "CurrentUser"
  ${EndIf}
  Call un.ReadModeSwitches
  ${If} $Mode == "AllUsers"
  ${AndIf} $Admin != 1
    Call un.Elevate
  ${EndIf}
  Call un.WaitUntilClosed
FunctionEnd

Section "Uninstall"
  Call un.UseMode
  Delete "$SMPROGRAMS\${APP}\${APP}.lnk"
  RMDir "$SMPROGRAMS\${APP}"
  RMDir /r "$INSTDIR\bin"
  RMDir /r "$INSTDIR\licenses"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
