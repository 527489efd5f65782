#pragma once
// Resource ids of the templates that base/ supplies to every program: 900-999, controls 1100-1199.
#define IDD_HELPVIEW 900
#define IDC_HELPTEXT 1101
