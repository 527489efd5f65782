#pragma once
// Resource ids of pimmo.exe: icons 100-199, menus 200-299, dialogs 300-399, controls 1000-1999.
#define IDI_PIMMO 100
