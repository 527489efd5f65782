#pragma once
// A fresh folder for one test's pictures, removed with everything in it at the end.
#include "tests/support/TempFolder.h"

namespace photo_test {

using PhotoTempFolder = test_support::TempFolder;

}  // namespace photo_test
