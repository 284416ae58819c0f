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
;   Without administrator rights, "for everyone" runs the installer again
;   through Windows' "runas" (the UAC prompt): that run goes on from the
;   page the user left, and its exit code is this run's. Its finish page's
;   "Run" is handed back to this run, so that the program starts as the
;   user who installed it, not as the administrator. The uninstaller of a
;   copy for everyone elevates the same way.
;
; Silent: /S /CurrentUser or /S /AllUsers; /S alone installs for everyone
; when run with administrator rights, else for the current user. /D=<folder>
; (last, unquoted) installs into that folder instead, either way; /AllUsers
; with /CurrentUser is refused (code 87), and /? shows the switches. The two
; copies live side by side, each with its own uninstaller and entry. Each
; copy keeps its way in Uninstall.ini, which its uninstaller reads: a copy
; is removed the way it was installed, whoever runs its uninstaller, and an
; Apps entry and Start-menu folder go only with the copy they name.
; Neither the installer nor the uninstaller changes anything while the
; program is open: each checks right before its first change, and each
; moves the program's folders aside whole before it deletes anything, so
; that a folder held open ends it with the copy as it was.
;
; makensis -DDEFINES=<installer.nsh from CMake> -DSTAGE=<installed tree>
;          -DOUTFILE=<installer> [-DSTANDARD_USER_TEST] installer.nsi
;
; STANDARD_USER_TEST makes a build for the package test alone: its account
; check answers as a standard user's does, "User" until the run that
; elevation starts, which Wine's always-administrator user cannot give.

!include "${DEFINES}"  ; APP, VERSION, PUBLISHER, COPYRIGHT, ICON, MUTEX, EXE, GUIDE_FOLDER, GUIDE_PAGE
!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include nsDialogs.nsh
!include x64.nsh
!include WordFunc.nsh

Unicode true
SetCompressor /SOLID lzma
; File times would make two builds of the same files differ.
SetDateSave off
; A file that cannot be written ends the install (Abort or Retry, never
; Ignore), and .onInstFailed puts the old copy back.
AllowSkipFiles off
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
!define ERROR_SWITCHES 87        ; Windows' ERROR_INVALID_PARAMETER
; Between a run and the elevated run it starts: the switches that mark it
; and say it goes on at the install, and its code for "Run" ticked
; (bit 29: an application's own code, none of Windows').
!define ELEVATED "/Elevated"
!define RESUME "/Resume"
!define RUN_AS_USER 0x20000001
!define COPY_FACTS "$INSTDIR\Uninstall.ini"
!define SWITCHES_HELP "Switches:$\r$\n$\r$\n\
/S$\tsilent: no pages, the result as the exit code$\r$\n\
/CurrentUser$\tonly for you, with no administrator rights$\r$\n\
/AllUsers$\tfor everyone on this computer (administrator rights)$\r$\n\
/D=folder$\tinto that folder; last, and not quoted$\r$\n$\r$\n\
Exit codes: 0 done, 5 ${APP} is open, 87 contradictory switches, \
740 administrator rights needed."
!define PER_USER_ROOT "$LOCALAPPDATA\Programs"
!define PROGRAMS_FOLDER "$SMPROGRAMS\${APP}"
; Where a copy's folders wait while they are replaced or removed.
!define ASIDE "$INSTDIR\replaced"

; The folders that make up an installed copy: the one list of them.
!macro FOR_EACH_PROGRAM_FOLDER MACRO
  !insertmacro ${MACRO} "bin"
  !insertmacro ${MACRO} "licenses"
  !insertmacro ${MACRO} "${GUIDE_FOLDER}"
!macroend

Var Switches      ; the command line's parameters, read once
Var Mode          ; AllUsers or CurrentUser
Var ModeSwitch    ; the mode the command line asks for, or empty
Var Admin         ; 1 when the process runs with administrator rights
Var Unpacking     ; 1 once the new copy's files are being written
Var HeldFolder    ; a folder that could not be moved aside, or empty
Var AsideIsOurs   ; 1 once what stands aside is this run's alone
Var ForEveryone   ; the radio buttons of the mode page
Var OnlyForMe
Var ChosenFolder  ; the folder /D= names, or empty
Var Elevated      ; 1 in the run that elevation started
Var Resumed       ; 1 when that run goes on at the install
Var CopyName      ; the copy the uninstaller removes, for its page

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_WELCOMEPAGE_TEXT "This installs ${APP} ${VERSION}, the draft survey worksheet.$\r$\n$\r$\n\
You can install it for yourself alone, which needs no administrator rights, or for everyone \
who uses this computer.$\r$\n$\r$\nIf ${APP} is open, close it before you go on.$\r$\n$\r$\n\
Click Next to continue."
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Run ${APP}"
!define MUI_FINISHPAGE_RUN_FUNCTION RunProgram
!define MUI_UNCONFIRMPAGE_TEXT_TOP "$CopyName will be uninstalled from the following folder. \
Click Uninstall to start."

!define MUI_PAGE_CUSTOMFUNCTION_PRE SkipWhenResumed
!insertmacro MUI_PAGE_WELCOME
Page custom ModePage ModePageLeave
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"


; --- A copy's folders, moved aside whole -------------------------------------

!macro SET_FOLDER_ASIDE FOLDER
  ${If} $HeldFolder == ""
  ${AndIf} ${FileExists} "$INSTDIR\${FOLDER}\*.*"
    ClearErrors
    Rename "$INSTDIR\${FOLDER}" "${ASIDE}\${FOLDER}"
    ${If} ${Errors}
      StrCpy $HeldFolder "$INSTDIR\${FOLDER}"
    ${EndIf}
  ${EndIf}
!macroend

; What was set aside comes back; what the new copy wrote of a folder that
; was not there before goes.
!macro PUT_FOLDER_BACK FOLDER
  ${If} ${FileExists} "${ASIDE}\${FOLDER}\*.*"
    RMDir /r "$INSTDIR\${FOLDER}"
    Rename "${ASIDE}\${FOLDER}" "$INSTDIR\${FOLDER}"
  ${ElseIf} $Unpacking == 1
    RMDir /r "$INSTDIR\${FOLDER}"
  ${EndIf}
!macroend

; --- Shared by the installer and the uninstaller ---------------------------

!macro DEFINE_SHARED PREFIX
  ; Needs the switches read.
  Function ${PREFIX}FindAdmin
    !ifdef STANDARD_USER_TEST
      StrCpy $0 "User"
      ${If} $Elevated == 1
        StrCpy $0 "Admin"
      ${EndIf}
    !else
      UserInfo::GetAccountType
      Pop $0
    !endif
    ${If} $0 == "Admin"
      StrCpy $Admin 1
    ${Else}
      StrCpy $Admin 0
    ${EndIf}
  FunctionEnd

  Function ${PREFIX}ReadSwitches
    ${GetParameters} $Switches
    StrCpy $ModeSwitch ""
    ClearErrors
    ${GetOptions} $Switches "/AllUsers" $0
    ${IfNot} ${Errors}
      StrCpy $ModeSwitch "AllUsers"
    ${EndIf}
    ClearErrors
    ${GetOptions} $Switches "/CurrentUser" $0
    ${IfNot} ${Errors}
      ${If} $ModeSwitch == "AllUsers"
        MessageBox MB_ICONSTOP "/AllUsers and /CurrentUser ask for different copies: give one \
          of them.$\r$\n$\r$\n${SWITCHES_HELP}" /SD IDOK
        SetErrorLevel ${ERROR_SWITCHES}
        Quit
      ${EndIf}
      StrCpy $ModeSwitch "CurrentUser"
    ${EndIf}
    ClearErrors
    ${GetOptions} $Switches "${ELEVATED}" $0
    ${IfNot} ${Errors}
      StrCpy $Elevated 1
    ${EndIf}
    ClearErrors
    ${GetOptions} $Switches "${RESUME}" $0
    ${IfNot} ${Errors}
      StrCpy $Resumed 1
    ${EndIf}
    ClearErrors
    ${GetOptions} $Switches "/?" $0
    ${IfNot} ${Errors}
      MessageBox MB_ICONINFORMATION "${SWITCHES_HELP}" /SD IDOK
      Quit
    ${EndIf}
  FunctionEnd

  ; Where the mode installs; the registry root follows SetShellVarContext.
  Function ${PREFIX}UseMode
    ${If} $Mode == "AllUsers"
      SetShellVarContext all
    ${Else}
      SetShellVarContext current
    ${EndIf}
  FunctionEnd

  ; Asks, or in a silent run fails, while the program is open.
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
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "${APP} is open. Close it, then choose Retry." \
        IDRETRY retry
      SetErrorLevel ${ERROR_RUNNING}
      Quit
      retry:
    ${Loop}
  FunctionEnd

  ; Runs this program again with administrator rights and the switches in
  ; $0, and waits for it: its exit code in $0, or "" with Windows' error in
  ; $1 where it did not start (1223: the UAC prompt was declined). A silent
  ; run asks nobody and ends with code 740; so does a run that elevation
  ; started and that still has no rights.
  Function ${PREFIX}RunElevated
    ${If} ${Silent}
    ${OrIf} $Elevated == 1
      SetErrorLevel ${ERROR_ELEVATION}
      Quit
    ${EndIf}
    ; NSIS takes /D= out of the command line it reads; it goes back last.
    ${If} $ChosenFolder != ""
      StrCpy $0 "$0 /D=$ChosenFolder"
    ${EndIf}
    ; SHELLEXECUTEINFOW, its 64-bit padding written out; SEE_MASK_NOCLOSEPROCESS
    ; keeps the process handle, for its exit code. ExecShellWait gives none.
    System::Call '*(&l4, i 0x40, p $HWNDPARENT, w "runas", w "$EXEPATH", w r0, p 0, i 1, i 0, \
      p 0, p 0, p 0, p 0, i 0, i 0, p 0, p 0) p.r2'
    System::Call 'shell32::ShellExecuteExW(p r2) i.r3 ?e'
    Pop $1
    ${If} $3 = 0
      StrCpy $0 ""
    ${Else}
      System::Call '*$2(i, i, p, p, p, p, p, i, i, p, p, p, p, i, i, p, p.r3)'
      System::Call 'kernel32::WaitForSingleObject(p r3, i -1)'
      System::Call 'kernel32::GetExitCodeProcess(p r3, *i .r0)'
      System::Call 'kernel32::CloseHandle(p r3)'
    ${EndIf}
    System::Free $2
  FunctionEnd

  ; Moves each of the copy's folders aside; one held open stops the
  ; change, which then puts back what it moved.
  Function ${PREFIX}SetCopyAside
    StrCpy $HeldFolder ""
    ; What a run that broke off (a power cut, a scanner holding a file)
    ; left aside is no part of the copy: it goes first, so that only what
    ; this run moves is ever put back.
    RMDir /r "${ASIDE}"
    ${If} ${FileExists} "${ASIDE}\*.*"
      StrCpy $HeldFolder "${ASIDE}"
    ${Else}
      StrCpy $AsideIsOurs 1
      CreateDirectory "${ASIDE}"
      !insertmacro FOR_EACH_PROGRAM_FOLDER SET_FOLDER_ASIDE
    ${EndIf}
    ${If} $HeldFolder != ""
      MessageBox MB_ICONSTOP "$HeldFolder is in use, so ${APP} was left as it was. Close ${APP} \
        and any window that shows that folder, then try again." /SD IDOK
      Abort
    ${EndIf}
  FunctionEnd

  Function ${PREFIX}PutCopyBack
    ${If} $AsideIsOurs != 1
      Return  ; this run moved nothing
    ${EndIf}
    !insertmacro FOR_EACH_PROGRAM_FOLDER PUT_FOLDER_BACK
    RMDir "${ASIDE}"
    RMDir "$INSTDIR"  ; only if nothing was there before
  FunctionEnd
!macroend
!insertmacro DEFINE_SHARED ""
!insertmacro DEFINE_SHARED "un."

; --- The installer -----------------------------------------------------------

; The mode: the command line's; else, asked on the page, the way a copy is
; already installed; else for everyone with administrator rights, for the
; current user without.
Function .onInit
  SetRegView 64  ; the Apps entries of a 64-bit program, for the whole run
  StrCpy $ChosenFolder $INSTDIR  ; set by /D= alone
  Call ReadSwitches
  Call FindAdmin
  StrCpy $Mode $ModeSwitch
  ${If} $Mode == ""
  ${AndIfNot} ${Silent}
    Call InstalledMode
  ${EndIf}
  ${If} $Mode == ""
    ${If} $Admin == 1
      StrCpy $Mode "AllUsers"
    ${Else}
      StrCpy $Mode "CurrentUser"
    ${EndIf}
  ${EndIf}
  ${If} $Mode == "AllUsers"
  ${AndIf} $Admin != 1
  ${AndIf} $ModeSwitch == "AllUsers"
    StrCpy $0 "${ELEVATED} $Switches"
    Call RunElevated
    ${If} $0 == ""
      MessageBox MB_ICONSTOP "${APP} was not installed: installing it for everyone needs \
        administrator rights, and Windows gave none (error $1)."
      SetErrorLevel $1
      Quit
    ${EndIf}
    Call EndAsElevatedRunEnded
  ${EndIf}
FunctionEnd

; The elevated run's result is this run's; its "Run" is done here.
Function EndAsElevatedRunEnded
  ${If} $0 = ${RUN_AS_USER}
    ReadRegStr $1 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    Exec '"$1\bin\${EXE}"'
    StrCpy $0 0
  ${EndIf}
  SetErrorLevel $0
  Quit
FunctionEnd

Function RunProgram
  ${If} $Elevated == 1
    SetErrorLevel ${RUN_AS_USER}  ; here it would run as the administrator
  ${Else}
    Exec '"$INSTDIR\bin\${EXE}"'
  ${EndIf}
FunctionEnd

; The elevated run has no Welcome page when the user already left it.
Function SkipWhenResumed
  ${If} $Resumed == 1
    Abort
  ${EndIf}
FunctionEnd

; The user's own copy first, then the one for everyone.
Function InstalledMode
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 != ""
    StrCpy $Mode "CurrentUser"
    Return
  ${EndIf}
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 != ""
    StrCpy $Mode "AllUsers"
  ${EndIf}
FunctionEnd

Function ModePage
  ${If} $ModeSwitch != ""
    Abort  ; the command line has chosen
  ${EndIf}
  !insertmacro MUI_HEADER_TEXT "Choose how to install" "Install ${APP} for yourself, or for everyone who uses this computer."
  nsDialogs::Create 1018
  Pop $0
  ${NSD_CreateRadioButton} 0 6u 100% 12u "Only for &me"
  Pop $OnlyForMe
  StrCpy $0 "CurrentUser"
  Call DescribeInstalledCopy
  ${NSD_CreateLabel} 12u 20u -12u 30u "In your own folder (${PER_USER_ROOT}). No administrator \
    rights needed.$\r$\n$0"
  Pop $0
  ${NSD_CreateRadioButton} 0 58u 100% 12u "For &everyone on this computer"
  Pop $ForEveryone
  StrCpy $0 "AllUsers"
  Call DescribeInstalledCopy
  ${NSD_CreateLabel} 12u 72u -12u 30u "In Program Files, for every user. Needs administrator \
    rights.$\r$\n$0"
  Pop $0
  ${If} $Mode == "AllUsers"
    ${NSD_Check} $ForEveryone
  ${Else}
    ${NSD_Check} $OnlyForMe
  ${EndIf}
  ; Kept as it is clicked, so that Back and Next show the choice again.
  ${NSD_OnClick} $OnlyForMe ModeClicked
  ${NSD_OnClick} $ForEveryone ModeClicked
  nsDialogs::Show
FunctionEnd

; What this run does to the copy installed the way $0 names, in $0.
Function DescribeInstalledCopy
  ${If} $0 == "AllUsers"
    ReadRegStr $1 HKLM "${UNINSTALL_KEY}" "DisplayVersion"
  ${Else}
    ReadRegStr $1 HKCU "${UNINSTALL_KEY}" "DisplayVersion"
  ${EndIf}
  ${If} $1 == ""
    StrCpy $0 "Not installed this way yet."
    Return
  ${EndIf}
  ${VersionCompare} "${VERSION}" $1 $2
  ${If} $2 == 0
    StrCpy $0 "Version $1 is installed this way, and will be installed again."
  ${ElseIf} $2 == 1
    StrCpy $0 "Version $1 is installed this way, and will be updated to ${VERSION}."
  ${Else}
    StrCpy $0 "Version $1, a newer one, is installed this way, and will be replaced by the older ${VERSION}."
  ${EndIf}
FunctionEnd

Function ModeClicked
  Pop $0
  ${NSD_GetState} $ForEveryone $0
  ${If} $0 == ${BST_CHECKED}
    StrCpy $Mode "AllUsers"
  ${Else}
    StrCpy $Mode "CurrentUser"
  ${EndIf}
FunctionEnd

; "For everyone" without the rights: the elevated run installs at once, and
; this one waits out of sight. Declined, the page stays for another choice.
Function ModePageLeave
  ${If} $Mode == "AllUsers"
  ${AndIf} $Admin != 1
    StrCpy $0 "${ELEVATED} ${RESUME} /AllUsers $Switches"
    HideWindow
    Call RunElevated
    ${If} $0 != ""
      Call EndAsElevatedRunEnded
    ${EndIf}
    ShowWindow $HWNDPARENT ${SW_SHOW}
    MessageBox MB_ICONEXCLAMATION "Installing ${APP} for everyone needs administrator rights, \
      and Windows gave none (error $1). Choose Install again to give them, or install it only \
      for yourself."
    Abort
  ${EndIf}
FunctionEnd

Section
  Call UseMode
  ${If} $ChosenFolder != ""
    StrCpy $INSTDIR $ChosenFolder
  ${ElseIf} $Mode == "AllUsers"
    StrCpy $INSTDIR "$PROGRAMFILES64\${APP}"
  ${Else}
    StrCpy $INSTDIR "${PER_USER_ROOT}\${APP}"
  ${EndIf}
  Call WaitUntilClosed
  ; A copy already installed this way is replaced whole.
  Call SetCopyAside
  StrCpy $Unpacking 1
  SetOutPath "$INSTDIR"
  File /r "${STAGE}/*.*"
  RMDir /r "${ASIDE}"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  WriteINIStr "${COPY_FACTS}" "Copy" "Mode" $Mode
  CreateDirectory "${PROGRAMS_FOLDER}"
  CreateShortcut "${PROGRAMS_FOLDER}\${APP}.lnk" "$INSTDIR\bin\${EXE}"
  CreateShortcut "${PROGRAMS_FOLDER}\${APP} guide.lnk" "$INSTDIR\${GUIDE_FOLDER}\${GUIDE_PAGE}"

  ; Told apart in Apps from the copy for everyone, as per-user installers do.
  ${If} $Mode == "CurrentUser"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${APP} (User)"
  ${Else}
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${APP}"
  ${EndIf}
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\bin\${EXE}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe" /$Mode'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /$Mode /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; A folder held open, or a file that could not be written: the copy as it was.
Function .onInstFailed
  Call PutCopyBack
FunctionEnd

; --- The uninstaller ---------------------------------------------------------

; Its own copy, the way it was installed: as the command line or the copy
; says; a copy from an installer that kept no record goes by where it stands.
Function un.onInit
  SetRegView 64
  Call un.ReadSwitches
  Call un.FindAdmin
  StrCpy $Mode $ModeSwitch
  ${If} $Mode == ""
    ReadINIStr $Mode "${COPY_FACTS}" "Copy" "Mode"
  ${EndIf}
  ${If} $Mode == ""
    StrLen $0 "${PER_USER_ROOT}"
    StrCpy $1 "$INSTDIR" $0
    ${If} $1 == "${PER_USER_ROOT}"
      StrCpy $Mode "CurrentUser"
    ${Else}
      StrCpy $Mode "AllUsers"
    ${EndIf}
  ${EndIf}
  ${If} $Mode == "AllUsers"
  ${AndIf} $Admin != 1
    ; _?= keeps the elevated run on this copy: without it that run, started
    ; from the temporary copy of the uninstaller, would take its own folder
    ; for the copy to remove.
    StrCpy $0 "${ELEVATED} $Switches _?=$INSTDIR"
    Call un.RunElevated
    ${If} $0 == ""
      MessageBox MB_ICONSTOP "${APP} was not uninstalled: the copy for everyone needs \
        administrator rights, and Windows gave none (error $1)."
      StrCpy $0 $1
    ${EndIf}
    SetErrorLevel $0
    Quit
  ${EndIf}
  ${If} $Mode == "AllUsers"
    StrCpy $CopyName "${APP} ${VERSION}, installed for everyone on this computer,"
  ${Else}
    StrCpy $CopyName "${APP} ${VERSION}, installed only for you,"
  ${EndIf}
FunctionEnd

; The uninstaller, the shortcuts and the Apps entry go last, once the
; program's folders are gone: an uninstall that cannot finish can be run
; again.
Section "Uninstall"
  Call un.UseMode
  Call un.WaitUntilClosed
  Call un.SetCopyAside
  RMDir /r "${ASIDE}"
  ${If} ${FileExists} "${ASIDE}\*.*"
    MessageBox MB_ICONSTOP "Some of ${APP}'s files are in use and were not removed. Close \
      ${APP}, then uninstall it again." /SD IDOK
    Abort
  ${EndIf}
  ; The entry and the Start-menu folder this way are another copy's where
  ; the entry names another folder (another user's copy, run by an
  ; administrator).
  ReadRegStr $0 SHCTX "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 == $INSTDIR
    RMDir /r "${PROGRAMS_FOLDER}"
  ${EndIf}
  Delete "${COPY_FACTS}"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  ${If} $0 == $INSTDIR
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
  ${EndIf}
SectionEnd

Function un.onUninstFailed
  Call un.PutCopyBack
FunctionEnd
