#pragma once
// Resource ids of the templates that common/ supplies to pimmo and house: 800-899, controls
// 1200-1299 (the programs keep 100-399 and 1000-1999, base/ 900-999 and 1100-1199).
#define IDD_ABOUT 800
#define IDD_SPLASH 801

#define IDC_ABOUT_ICON 1201
#define IDC_ABOUT_PRODUCT 1202
#define IDC_ABOUT_VERSION 1203
#define IDC_ABOUT_RIGHTS 1204
