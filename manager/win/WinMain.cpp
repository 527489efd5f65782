#include <windows.h>

#include "HouseApplication.h"

// lpCmdLine is the argument text without the program name, as house compares it.
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR arguments, int) {
    PimmoHouseModule::HouseApplication house(instance);
    return house.Main(arguments ? arguments : L"");
}
