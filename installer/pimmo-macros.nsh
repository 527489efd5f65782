; Pieces the installer and the uninstaller of pimmo.nsi share.

; $R9 := 1 when the program file exists and cannot be opened for writing: Windows keeps the
; file of a running program locked, so that is how a running widget or manager shows.
!macro ProgramFileBusy path
    ${If} ${FileExists} "${path}"
        ClearErrors
        FileOpen $R8 "${path}" a
        ${If} ${Errors}
            StrCpy $R9 1
        ${Else}
            FileClose $R8
        ${EndIf}
    ${EndIf}
!macroend

; Asks the user to quit every widget and the manager (their own quit saves the settings and
; releases the locks) until the program files are free; Cancel, or a silent run, stops before
; anything is changed.
!macro WaitProgramsClosed
    ${Do}
        StrCpy $R9 0
        !insertmacro ProgramFileBusy "$INSTDIR\pimmo.exe"
        !insertmacro ProgramFileBusy "$INSTDIR\house.exe"
        ${IfThen} $R9 == 0 ${|} ${Break} ${|}
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(MSG_Running)" /SD IDCANCEL IDRETRY +2
        Abort "$(MSG_Running)"
    ${Loop}
!macroend

!macro WriteEntryValues root sizeKb
    WriteRegStr ${root} "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr ${root} "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr ${root} "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr ${root} "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\pimmo.exe,0"
    WriteRegStr ${root} "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr ${root} "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr ${root} "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD ${root} "${UNINSTALL_KEY}" "EstimatedSize" ${sizeKb}
    WriteRegDWORD ${root} "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD ${root} "${UNINSTALL_KEY}" "NoRepair" 1
!macroend

; The user's own files: the profile, its lock file, the scaled-picture caches and the photo
; folders' indexes and their logs beside them, and what a photo window that ended mid-scan left
; half written.
!macro DeleteUserData folder
    Delete "${folder}\*.ini"
    Delete "${folder}\*.ini.lock"
    Delete "${folder}\pmCache*.bmp"
    Delete "${folder}\pmCache*.idx"
    Delete "${folder}\pmCache*.idx-log"
    Delete "${folder}\pmCache*.tmp"
!macroend
