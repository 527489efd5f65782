; The Pimmo setup program: a 64-bit Unicode installer with the Modern UI in English and Japanese
; (Japanese on a Windows whose display language is Japanese, English on every other).
; Built by installer/CMakeLists.txt (makensis -INPUTCHARSET UTF8 -DBIN_DIR=... -DOUT_FILE=...).
;
; What it writes, and where:
;   <install folder>\pimmo.exe, house.exe, pimmo.hlp, pimmo-en.hlp, uninstall.exe
;       per user (default, no elevation): %LOCALAPPDATA%\Programs\Pimmo
;       per machine (/AllUsers or the install-mode page): %ProgramFiles%\Pimmo
;   <Start menu>\Programs\Pimmo\Pimmoハウス.lnk (house /S) and Pimmo ヘルプ.lnk
;       (the user's Start menu per user, the common one per machine; on an English Windows
;       Pimmo House.lnk and Pimmo Help.lnk)
;   HKCU\Software\Microsoft\Windows\CurrentVersion\Run  "Pimmoハウス" (house: start all)
;   HKCU or HKLM \Software\Microsoft\Windows\CurrentVersion\Uninstall\Pimmo
; The profile (<user name>.ini) and the cache files (pmCache*.bmp) are the programs' own:
; setup never writes or replaces them, and the uninstaller removes them only when asked.
;
; Switches: /S silent, /D=<folder>, /AllUsers, /NoRun (no start at log-on);
; uninstaller: /S, /RemoveUserData, _?=<folder> (run in place and wait).

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user  ; per user needs no elevation; per machine asks for it itself

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include nsDialogs.nsh
!include WinVer.nsh

!ifndef BIN_DIR | OUT_FILE | VERSION
    !error "makensis needs -DBIN_DIR=<build folder> -DOUT_FILE=<setup program> -DVERSION=<x.y.z>"
!endif

!define PRODUCT "Pimmo"
!define PUBLISHER "Pimmo Project"
!define HOUSE_TITLE "Pimmoハウス"  ; also the name of the Run value, the same in every language
!define HOUSE_TITLE_EN "Pimmo House"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Pimmo"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"

Name "${PRODUCT}"
OutFile "${OUT_FILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
ShowInstDetails show
BrandingText "${PRODUCT} ${VERSION}"
ShowUninstDetails show

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1041 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1041 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "FileDescription" "${PRODUCT} セットアップ"
VIAddVersionKey /LANG=1041 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1041 "LegalCopyright" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${PUBLISHER}"

!define MUI_ICON "${SOURCE_DIR}\widget\win\pimmo.ico"
!define MUI_UNICON "${SOURCE_DIR}\widget\win\pimmo.ico"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\house.exe"
!define MUI_FINISHPAGE_RUN_PARAMETERS "/S"
!define MUI_FINISHPAGE_RUN_TEXT "$(FINISH_Run)"

Var AllUsers      ; 1 when installing for every user of the computer
Var ModeCurrent   ; the radio buttons of the install-mode page
Var ModeAll
Var GivenDir      ; the folder given with /D=, which every mode keeps

!insertmacro MUI_PAGE_WELCOME
Page custom InstallModePage InstallModeLeave
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

; The first language is the one of every display language the setup does not speak.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Japanese"

!include "${SOURCE_DIR}\installer\pimmo-macros.nsh"

LangString MSG_OldWindows ${LANG_JAPANESE} "${PRODUCT} は Windows 10 と Windows 11 で動作します。$\r$\nこのコンピューターの Windows は古いため、${PRODUCT} をインストールできません。$\r$\nセットアップを終了します。"
LangString MSG_Running ${LANG_JAPANESE} "${PRODUCT} の写真のウィンドウか ${HOUSE_TITLE} が実行中です。$\r$\nそれぞれを終了してから「再試行」を押してください。"
LangString MSG_OldWindows ${LANG_ENGLISH} "${PRODUCT} requires Windows 10 or Windows 11.$\r$\nSetup will now close."
LangString MSG_Running ${LANG_ENGLISH} "${PRODUCT} is running.$\r$\nClose all ${PRODUCT} photo windows and ${HOUSE_TITLE_EN}, then click Retry."
; The Start menu's names and the texts of the pages.
LangString LNK_House ${LANG_JAPANESE} "${HOUSE_TITLE}"
LangString LNK_House ${LANG_ENGLISH} "${HOUSE_TITLE_EN}"
LangString LNK_Help ${LANG_JAPANESE} "${PRODUCT} ヘルプ"
LangString LNK_Help ${LANG_ENGLISH} "${PRODUCT} Help"
LangString FINISH_Run ${LANG_JAPANESE} "${HOUSE_TITLE} を起動する"
LangString FINISH_Run ${LANG_ENGLISH} "Start ${HOUSE_TITLE_EN}"
LangString SEC_Programs ${LANG_JAPANESE} "${PRODUCT} 本体"
LangString SEC_Programs ${LANG_ENGLISH} "${PRODUCT} programs"
LangString SEC_Run ${LANG_JAPANESE} "ログオン時に起動"
LangString SEC_Run ${LANG_ENGLISH} "Start at sign-in"
LangString SEC_UserData ${LANG_JAPANESE} "設定とキャッシュ"
LangString SEC_UserData ${LANG_ENGLISH} "Settings and caches"
LangString MODE_Title ${LANG_JAPANESE} "インストールの種類"
LangString MODE_Title ${LANG_ENGLISH} "Installation Type"
LangString MODE_Subtitle ${LANG_JAPANESE} "${PRODUCT} を使うユーザーを選んでください。"
LangString MODE_Subtitle ${LANG_ENGLISH} "Choose who will use ${PRODUCT}."
LangString MODE_Current ${LANG_JAPANESE} "このユーザーだけ (推奨、管理者の権限は不要)"
LangString MODE_Current ${LANG_ENGLISH} "Only for me (recommended; no administrator rights needed)"
LangString MODE_All ${LANG_JAPANESE} "このコンピューターのすべてのユーザー (管理者の権限が必要)"
LangString MODE_All ${LANG_ENGLISH} "Anyone who uses this computer (requires administrator rights)"

; ---------------------------------------------------------------- install

Section "!$(SEC_Programs)" SecPrograms
    SectionIn RO
    ; Running widgets and a running manager hold their program files; asking before the first
    ; file is written keeps an upgrade from stopping half-way.
    !insertmacro WaitProgramsClosed
    SetOutPath "$INSTDIR"
    ; Only the programs are replaced: the profile and cache files beside them stay as they are.
    File "${BIN_DIR}\widget\pimmo.exe"
    File "${BIN_DIR}\widget\pimmo.hlp"
    File "${BIN_DIR}\widget\pimmo-en.hlp"
    File "${BIN_DIR}\manager\house.exe"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateDirectory "$SMPROGRAMS\${PRODUCT}"
    CreateShortcut "$SMPROGRAMS\${PRODUCT}\$(LNK_House).lnk" "$INSTDIR\house.exe" "/S" "$INSTDIR\house.exe" 0
    ; The widget's own viewer (pimmo /H) shows its topics; it touches no setting.
    CreateShortcut "$SMPROGRAMS\${PRODUCT}\$(LNK_Help).lnk" "$INSTDIR\pimmo.exe" "/H" "$INSTDIR\pimmo.exe" 0
    Call WriteUninstallEntry
SectionEnd

Section "$(SEC_Run)" SecRun
    ; Always the user's own Run key: starting the widgets is each user's choice.
    WriteRegStr HKCU "${RUN_KEY}" "${HOUSE_TITLE}" '"$INSTDIR\house.exe"'
SectionEnd

LangString DESC_Programs ${LANG_JAPANESE} "写真を表示する Pimmo、設定を管理する ${HOUSE_TITLE}、ヘルプ"
LangString DESC_Run ${LANG_JAPANESE} "Windows にログオンしたとき、${HOUSE_TITLE} が登録した写真をすべて表示します。"
LangString DESC_Programs ${LANG_ENGLISH} "Pimmo (shows the photos), ${HOUSE_TITLE_EN} (manages the settings) and Help"
LangString DESC_Run ${LANG_ENGLISH} "When you sign in to Windows, ${HOUSE_TITLE_EN} shows every listed photo."
!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
    !insertmacro MUI_DESCRIPTION_TEXT ${SecPrograms} $(DESC_Programs)
    !insertmacro MUI_DESCRIPTION_TEXT ${SecRun} $(DESC_Run)
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Function .onInit
    ; The programs call functions that only Windows 10 and later have: refuse before anything
    ; is written (exit code 2, as any setup that stops itself).
    ${IfNot} ${AtLeastWin10}
        MessageBox MB_OK|MB_ICONSTOP "$(MSG_OldWindows)" /SD IDOK
        SetErrorLevel 2
        Quit
    ${EndIf}
    StrCpy $AllUsers 0
    ${If} $INSTDIR != "$LOCALAPPDATA\Programs\${PRODUCT}"
        StrCpy $GivenDir $INSTDIR
    ${EndIf}
    ${GetParameters} $R0
    ClearErrors
    ${GetOptions} $R0 "/AllUsers" $R1
    ${IfNot} ${Errors}
        StrCpy $AllUsers 1
    ${EndIf}
    ClearErrors
    ${GetOptions} $R0 "/NoRun" $R1
    ${IfNot} ${Errors}
        SectionSetFlags ${SecRun} 0
    ${EndIf}
    Call ApplyInstallMode
FunctionEnd

; The shell folders, the registry root and the default folder of the chosen mode. An earlier
; installation in that mode is upgraded in place; /D= on the command line wins over both.
Function ApplyInstallMode
    ${If} $AllUsers == 1
        SetShellVarContext all
        StrCpy $R2 "$PROGRAMFILES64\${PRODUCT}"
        ReadRegStr $R3 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ${Else}
        SetShellVarContext current
        StrCpy $R2 "$LOCALAPPDATA\Programs\${PRODUCT}"
        ReadRegStr $R3 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    ${EndIf}
    ${If} $GivenDir != ""
        StrCpy $INSTDIR $GivenDir
    ${ElseIf} $R3 != ""
        StrCpy $INSTDIR $R3
    ${Else}
        StrCpy $INSTDIR $R2
    ${EndIf}
FunctionEnd

Function InstallModePage
    !insertmacro MUI_HEADER_TEXT "$(MODE_Title)" "$(MODE_Subtitle)"
    nsDialogs::Create 1018
    Pop $0
    ${NSD_CreateRadioButton} 0 10u 100% 12u "$(MODE_Current)"
    Pop $ModeCurrent
    ${NSD_CreateRadioButton} 0 30u 100% 12u "$(MODE_All)"
    Pop $ModeAll
    ${If} $AllUsers == 1
        ${NSD_Check} $ModeAll
    ${Else}
        ${NSD_Check} $ModeCurrent
    ${EndIf}
    nsDialogs::Show
FunctionEnd

Function InstallModeLeave
    ${NSD_GetState} $ModeAll $0
    ${If} $0 == ${BST_CHECKED}
        UserInfo::GetAccountType
        Pop $1
        ${If} $1 != "Admin"
            ; Program Files needs an administrator: start this setup again elevated in that mode.
            ExecShell "runas" "$EXEPATH" "/AllUsers"
            Quit
        ${EndIf}
        StrCpy $AllUsers 1
    ${Else}
        StrCpy $AllUsers 0
    ${EndIf}
    Call ApplyInstallMode
FunctionEnd

Function WriteUninstallEntry
    ${If} $AllUsers == 1
        StrCpy $0 HKLM
    ${Else}
        StrCpy $0 HKCU
    ${EndIf}
    ; The size of what setup installed, not of the user's pictures in the cache.
    ${GetSize} "$INSTDIR" "/M=*.exe /S=0K /G=0" $1 $2 $3
    ${GetSize} "$INSTDIR" "/M=*.hlp /S=0K /G=0" $4 $2 $3
    IntOp $1 $1 + $4
    ; WriteRegStr takes its root key only as a literal.
    ${If} $0 == HKLM
        !insertmacro WriteEntryValues HKLM $1
    ${Else}
        !insertmacro WriteEntryValues HKCU $1
    ${EndIf}
FunctionEnd

; ---------------------------------------------------------------- uninstall

Section "un.$(SEC_Programs)" UnSecPrograms
    SectionIn RO
    !insertmacro WaitProgramsClosed
    Delete "$INSTDIR\pimmo.exe"
    Delete "$INSTDIR\house.exe"
    Delete "$INSTDIR\pimmo.hlp"
    Delete "$INSTDIR\pimmo-en.hlp"
    ; The shortcuts have the names of the language setup spoke then: both are removed.
    Delete "$SMPROGRAMS\${PRODUCT}\${HOUSE_TITLE}.lnk"
    Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT} ヘルプ.lnk"
    Delete "$SMPROGRAMS\${PRODUCT}\${HOUSE_TITLE_EN}.lnk"
    Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT} Help.lnk"
    RMDir "$SMPROGRAMS\${PRODUCT}"
    ; Only a Run value that starts this installation's house is ours to remove.
    ReadRegStr $0 HKCU "${RUN_KEY}" "${HOUSE_TITLE}"
    ${If} $0 == '"$INSTDIR\house.exe"'
        DeleteRegValue HKCU "${RUN_KEY}" "${HOUSE_TITLE}"
    ${EndIf}
    ${If} $AllUsers == 1
        DeleteRegKey HKLM "${UNINSTALL_KEY}"
    ${Else}
        DeleteRegKey HKCU "${UNINSTALL_KEY}"
    ${EndIf}
    Delete "$INSTDIR\uninstall.exe"
SectionEnd

Section /o "un.$(SEC_UserData)" UnSecUserData
    ; The programs keep them in their own folder when they can write there, else in %APPDATA%\Pimmo.
    !insertmacro DeleteUserData "$INSTDIR"
    SetShellVarContext current
    !insertmacro DeleteUserData "$APPDATA\${PRODUCT}"
    RMDir "$APPDATA\${PRODUCT}"
SectionEnd

Section "-un.folder"
    RMDir "$INSTDIR"  ; kept while the user's files are still in it
SectionEnd

LangString DESC_UnUserData ${LANG_JAPANESE} "写真の設定 (プロファイル) と縮小した写真のキャッシュを削除します。"
LangString DESC_UnUserData ${LANG_ENGLISH} "Removes the photo settings (profile) and the cached scaled photos."
!insertmacro MUI_UNFUNCTION_DESCRIPTION_BEGIN
    !insertmacro MUI_DESCRIPTION_TEXT ${UnSecUserData} $(DESC_UnUserData)
!insertmacro MUI_UNFUNCTION_DESCRIPTION_END

Function un.onInit
    ; The entry whose folder is this one tells which kind of installation is being removed.
    StrCpy $AllUsers 0
    SetShellVarContext current
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ReadRegStr $1 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 == $INSTDIR
    ${AndIf} $1 != $INSTDIR
        StrCpy $AllUsers 1
        SetShellVarContext all
    ${EndIf}
    ${GetParameters} $R0
    ClearErrors
    ${GetOptions} $R0 "/RemoveUserData" $R1
    ${IfNot} ${Errors}
        SectionSetFlags ${UnSecUserData} ${SF_SELECTED}
    ${EndIf}
FunctionEnd
