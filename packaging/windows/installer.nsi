; SPDX-FileCopyrightText: 2026 tessk-research developers
; SPDX-License-Identifier: MIT
; The Windows installer, made by make-packages.cmake: for all users, into Program Files, the
; pictures beside the program, a Start-menu shortcut that starts it in that folder, an entry in
; "Apps & features", and an uninstaller that removes every file, the shortcut and the entry.
; Silent: setup.exe /S [/D=folder] and uninstall.exe /S.
;
; What an administrator can rely on, with a person at the screen or silently:
; - Neither runs while the program runs, in any session (it holds a named mutex, its mark): a
;   person is asked to close it; silently they end with status 32 and change nothing.
; - The installer first removes a previous install, wherever its entry says it is, and waits until
;   that is done; it stops, changing nothing more, when that fails.
; - No file is skipped: one that cannot be written ends the install, with a non-zero status.
; - The uninstaller keeps its entry, and ends with status 5, when a file of ours cannot be removed.
; - The entry's QuietUninstallString runs the uninstaller in place, so it returns only when the
;   uninstall is done, with the uninstall's status; the uninstaller itself and its folder go at
;   the next start of Windows.
; - Windows before 10, which Qt 6 does not run on, is refused (status 1150 when silent).
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true
AllowSkipFiles off

!include MUI2.nsh
!include LogicLib.nsh
!include WinVer.nsh
!include FileFunc.nsh

!define PROGRAM "tessk-research"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PROGRAM}"
; Windows' own codes: ERROR_SHARING_VIOLATION, ERROR_ACCESS_DENIED and ERROR_OLD_WIN_VERSION.
!define STATUS_RUNNING 32
!define STATUS_NOT_REMOVED 5
!define STATUS_OLD_WINDOWS 1150

Name "${PROGRAM}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PROGRAM}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PROGRAM} ${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; English first, the default, then the program's other languages.
!include "${LANGUAGES}"

LangString RUNNING ${LANG_ENGLISH} "${PROGRAM} is running. Close it, then press Retry."
LangString OLD_WINDOWS ${LANG_ENGLISH} "${PROGRAM} needs Windows 10 or later."
LangString NOT_REMOVED ${LANG_ENGLISH} "The installed ${PROGRAM} in $0 could not be removed (status $1), so nothing was installed."
LangString FILES_LEFT ${LANG_ENGLISH} "Some files of ${PROGRAM} could not be removed: another program has them open. Close it and uninstall again."
!ifdef LANG_GERMAN
LangString RUNNING ${LANG_GERMAN} "${PROGRAM} läuft. Schließen Sie es und wählen Sie dann Wiederholen."
LangString OLD_WINDOWS ${LANG_GERMAN} "${PROGRAM} braucht Windows 10 oder neuer."
LangString NOT_REMOVED ${LANG_GERMAN} "Das installierte ${PROGRAM} in $0 konnte nicht entfernt werden (Status $1); darum wurde nichts installiert."
LangString FILES_LEFT ${LANG_GERMAN} "Einige Dateien von ${PROGRAM} konnten nicht entfernt werden: Ein anderes Programm hält sie offen. Schließen Sie es und deinstallieren Sie erneut."
!endif
!ifdef LANG_FRENCH
LangString RUNNING ${LANG_FRENCH} "${PROGRAM} est en cours d'exécution. Fermez-le, puis choisissez Réessayer."
LangString OLD_WINDOWS ${LANG_FRENCH} "${PROGRAM} nécessite Windows 10 ou une version ultérieure."
LangString NOT_REMOVED ${LANG_FRENCH} "${PROGRAM} installé dans $0 n'a pas pu être supprimé (état $1) ; rien n'a donc été installé."
LangString FILES_LEFT ${LANG_FRENCH} "Certains fichiers de ${PROGRAM} n'ont pas pu être supprimés : un autre programme les garde ouverts. Fermez-le et désinstallez de nouveau."
!endif
!ifdef LANG_SPANISH
LangString RUNNING ${LANG_SPANISH} "${PROGRAM} se está ejecutando. Ciérrelo y elija Reintentar."
LangString OLD_WINDOWS ${LANG_SPANISH} "${PROGRAM} necesita Windows 10 o posterior."
LangString NOT_REMOVED ${LANG_SPANISH} "No se pudo quitar el ${PROGRAM} instalado en $0 (estado $1), así que no se instaló nada."
LangString FILES_LEFT ${LANG_SPANISH} "No se pudieron quitar algunos archivos de ${PROGRAM}: otro programa los tiene abiertos. Ciérrelo y vuelva a desinstalar."
!endif

VIProductVersion "${VERSION_NUMBERS}"
VIFileVersion "${VERSION_NUMBERS}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${PROGRAM}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${PROGRAM} ${VERSION} setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "Copyright 2026 ${PUBLISHER}. Free software under the MIT licence."

; Returns when the program runs nowhere, after asking a person to close it as often as needed;
; quits with STATUS_RUNNING when silent or when the person cancels. The program runs while its
; mark exists: opening it either succeeds or, for another user's copy, is denied.
!macro CLOSE_PROGRAM_FIRST prefix
Function ${prefix}ClosedProgram
    ${Do}
        System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "Global\${RUNNING_MARK}") p .r0 ?e'
        Pop $1
        ${If} $0 P<> 0
            System::Call 'kernel32::CloseHandle(p r0)'
        ${ElseIf} $1 <> 5
            Return
        ${EndIf}
        ${If} ${Silent}
            SetErrorLevel ${STATUS_RUNNING}
            Quit
        ${EndIf}
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(RUNNING)" IDRETRY retry
        SetErrorLevel ${STATUS_RUNNING}
        Quit
        retry:
    ${Loop}
FunctionEnd
!macroend
!insertmacro CLOSE_PROGRAM_FIRST ""
!insertmacro CLOSE_PROGRAM_FIRST "un."

; Pushes the uninstaller that the entry names, without its quotes: "$0\uninstall.exe" when it
; names none, as the first versions wrote it.
!macro UNINSTALLER_OF_ENTRY prefix
Function ${prefix}UninstallerOfEntry
    ReadRegStr $2 HKLM "${UNINSTALL_KEY}" "UninstallString"
    ${If} $2 == ""
        Push "$0\uninstall.exe"
        Return
    ${EndIf}
    StrCpy $2 $2 -1 1
    Push $2
FunctionEnd
!macroend
!insertmacro UNINSTALLER_OF_ENTRY ""
!insertmacro UNINSTALLER_OF_ENTRY "un."

Function .onInit
    SetShellVarContext all
    SetRegView 64
    ${IfNot} ${AtLeastWin10}
        MessageBox MB_OK|MB_ICONSTOP "$(OLD_WINDOWS)" /SD IDOK
        SetErrorLevel ${STATUS_OLD_WINDOWS}
        Quit
    ${EndIf}
    Call ClosedProgram
FunctionEnd

Function un.onInit
    SetShellVarContext all
    SetRegView 64
    Call un.ClosedProgram
FunctionEnd

Section
    ; The program may have been started while the pages were shown.
    Call ClosedProgram
    ; A previous install, this version or another, in this folder or another, is removed first by
    ; its own uninstaller. A copy of it runs, told where the install is (_?=), so that it is done
    ; when it returns and can remove its own file.
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    Call UninstallerOfEntry
    Pop $2
    ${If} $0 != ""
    ${AndIf} ${FileExists} $2
        InitPluginsDir
        ClearErrors
        CopyFiles /SILENT $2 "$PLUGINSDIR\previous-uninstall.exe"
        ExecWait '"$PLUGINSDIR\previous-uninstall.exe" /S _?=$0' $1
        ${If} ${Errors}
        ${OrIf} $1 <> 0
            ${IfThen} $1 == "" ${|} StrCpy $1 "-" ${|}
            MessageBox MB_OK|MB_ICONSTOP "$(NOT_REMOVED)" /SD IDOK
            SetErrorLevel ${STATUS_NOT_REMOVED}
            Quit
        ${EndIf}
        Delete $2
        RMDir "$0"
    ${EndIf}

    ; An uninstaller still here was left by an uninstall that ran in place, and Windows removes it
    ; at its next start: this install's uninstaller takes a name of its own.
    StrCpy $R0 "uninstall.exe"
    StrCpy $R1 1
    ${DoWhile} ${FileExists} "$INSTDIR\$R0"
        IntOp $R1 $R1 + 1
        StrCpy $R0 "uninstall-$R1.exe"
    ${Loop}
    !include "${INSTALL_FILES}"
    WriteUninstaller "$INSTDIR\$R0"
    ; A shortcut's working folder is the output folder at the time it is made.
    SetOutPath "$INSTDIR"
    CreateShortcut "$SMPROGRAMS\${PROGRAM}.lnk" "$INSTDIR\${PROGRAM}.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PROGRAM}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${PROGRAM}.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\$R0"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\$R0" /S _?=$INSTDIR'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KIB}
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    ClearErrors
    Delete "$SMPROGRAMS\${PROGRAM}.lnk"
    !include "${REMOVE_FILES}"
    ; Delete sets the error flag for a file it finds and cannot remove. The entry then stays, so
    ; that the uninstall can be run again once that file is free.
    ${If} ${Errors}
        MessageBox MB_OK|MB_ICONSTOP "$(FILES_LEFT)" /SD IDOK
        SetErrorLevel ${STATUS_NOT_REMOVED}
        Quit
    ${EndIf}
    !include "${REMOVE_FOLDERS}"
    ; Run as a copy in the temporary folder, as Apps & features runs it, the uninstaller removes its
    ; own file. Run in place (_?=), it cannot, and Windows removes it, and the folder, at its next
    ; start. Its file is the one the entry names, when that lies in this folder.
    StrCpy $0 $INSTDIR
    Call un.UninstallerOfEntry
    Pop $2
    ${GetParent} $2 $3
    ${If} $3 == $INSTDIR
        Delete $2
        ${IfThen} ${FileExists} $2 ${|} Delete /REBOOTOK $2 ${|}
    ${EndIf}
    RMDir /REBOOTOK "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
