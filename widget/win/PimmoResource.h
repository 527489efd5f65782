#pragma once
// Resource ids of pimmo.exe: icons 100-199, menus 200-299, dialogs 300-399, controls 1000-1999.
#define IDI_PIMMO 100

// The context menu's commands (menu items of the pop-up built in ContextMenu.cpp).
#define IDM_mnuOpen 201
#define IDM_mnuQuit 202
#define IDM_mnuBorderless 203
#define IDM_mnuOption 204
#define IDM_mnuHelp 205
#define IDM_mnuAbout 206

#define IDD_PimmoOptionDialog 300

// PimmoOptionDialog's controls, named as the dialog names them.
#define IDC_PimmoFrame 1000
#define IDC_Label4 1001
#define IDC_PimmoName 1002
#define IDC_Label5 1003
#define IDC_PimmoBirthYear 1004
#define IDC_Label1 1005
#define IDC_PimmoBirthMonth 1006
#define IDC_Label2 1007
#define IDC_PimmoBirthDay 1008
#define IDC_Label3 1009
#define IDC_DisplayFrame 1010
#define IDC_PimmoIsTopMost 1011
#define IDC_PimmoIsPhotoStretch 1012
#define IDC_Label8 1013
#define IDC_PimmoStretchMode 1014
#define IDC_Label6 1015
#define IDC_PimmoPictureSize 1016
#define IDC_Label7 1017
#define IDC_PictureFrame 1018
#define IDC_LabelPictureFile 1019
#define IDC_CommandSelectPicture 1020
#define IDC_CommandOK 1021
#define IDC_CommandCancel 1022
#define IDC_CommandNext 1023
#define IDC_CommandSelectFolder 1024
#define IDC_PimmoPictureOrder 1025
#define IDC_PimmoPictureSubfolders 1026
#define IDC_LabelPictureOrder 1027
#define IDC_LabelPictureFolder 1028
#define IDC_LabelDueDate 1029
#define IDC_PimmoDueYear 1030
#define IDC_LabelDueYear 1031
#define IDC_PimmoDueMonth 1032
#define IDC_LabelDueMonth 1033
#define IDC_PimmoDueDay 1034
#define IDC_LabelDueDay 1035
#define IDC_LabelDueHint 1036
#define IDC_PimmoHideFromCapture 1037
#define IDC_PimmoPictureInterval 1038
