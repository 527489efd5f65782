#pragma once
// What the options dialog needs from the widget besides the setting record: the save that
// follows the picture choice ("画像の選択" saves the record at once).
class OptionsDialogHost {
public:
    // Writes the record; with capture, first takes the current window's frame and place.
    virtual void SaveSetting(bool capture) = 0;

protected:
    ~OptionsDialogHost() = default;
};
