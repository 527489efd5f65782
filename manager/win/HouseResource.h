#pragma once
// Resource ids of house.exe: icons 100-199, dialogs 300-399, controls 1000-1999.
#define IDI_HOUSE 100

#define IDD_PimmoHouseForm 300

#define IDC_CommandOK 1001
#define IDC_CommandHelp 1002
#define IDC_CommandAdd 1003
#define IDC_CommandDelete 1004
#define IDC_CommandSetting 1005
#define IDC_SettingListBox 1006
