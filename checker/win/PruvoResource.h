#pragma once
// Resource ids of pruvo.exe.

// Icon and dialogs.
#define IDI_PRUVO 128
#define IDD_CHECKER 102
#define IDD_DLLINFO 129

// Controls of the main dialog.
#define IDC_HELP_BUTTON 1012
#define IDC_LIST1 1015
#define IDC_DOWNLOAD 1026
#define IDC_DETAILS 1027

// Controls of the details dialog.
#define IDC_LIST2 1018
#define IDC_HEADING 1019

// Built-in runtime table, entry i = 1 to 9: DLL list, display name, download page.
#define IDS_RUNTIME_DLLS 10
#define IDS_RUNTIME_NAME 30
#define IDS_RUNTIME_URL 50
#define PRUVO_BUILTIN_RUNTIMES 9
