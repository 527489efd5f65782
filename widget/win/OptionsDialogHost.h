#pragma once
// What the options dialog needs from the widget besides the copy of the record it edits: the
// save that follows the picture choice ("画像の選択" saves the chosen picture at once, even
// when the dialog is then cancelled).
#include <windows.h>

#include <string>

class OptionsDialogHost {
public:
    // The user chose picture (empty: cancelled) in the dialog: it becomes the setting's picture
    // and the setting is saved with the current window's frame and place.
    virtual void OnPictureChosen(HWND dialog, const std::string& picture) = 0;

protected:
    ~OptionsDialogHost() = default;
};
