#pragma once
// Resource ids of house.exe: icons 100-199, dialogs 300-399, controls 1000-1999.
#define IDI_HOUSE 100
