#pragma once
// Taking a new picture into the setting: from the open-file dialog or dropped on the photo.
#include <string>

#include "common/core/SettingRecord.h"

// What the open-file dialog of the picture chooser shows.
struct PictureDialogRequest {
    std::string filter;         // description, NUL, pattern (the dialog's own filter form)
    std::string initialFolder;  // empty: the dialog chooses its own
    std::string title;
};

PictureDialogRequest MakePictureDialogRequest(const std::string& pictureFile);

// Stores a chosen or dropped picture; a path other than the current one (compared exactly)
// makes the cached scaled picture stale; a setting that showed a folder shows this one file
// from now on. An empty path (nothing chosen) changes nothing.
void TakePicture(SettingRecord& record, const std::string& path);

// A dropped file is taken only as a picture kind the widget shows (PictureTypes.h).
bool IsDroppablePicture(const std::string& path);
