#pragma once
// Resource ids of pruvo.exe.
#define IDI_PRUVO 128
