#pragma once
// Resource ids of the templates that base/ supplies to every program: 900-999, controls 1100-1199.
#define IDD_HELPVIEW 900
#define IDC_HELPTEXT 1101
#define IDC_HELPTOPICS 1102
#define IDC_HELPFINDLABEL 1103
#define IDC_HELPFIND 1104
#define IDC_HELPFINDNEXT 1105
