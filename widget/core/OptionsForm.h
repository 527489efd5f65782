#pragma once
// What the options dialog (PimmoOptionDialog) shows, as a plain value: the dialog fills its
// controls from an OptionsForm, lets the user edit, reads the controls back into it and hands
// it to ApplyOptions (OptionsApply.h). Nothing here touches a window or the profile file.
#include <string>
#include <vector>

#include "common/core/CalendarDate.h"
#include "common/core/SettingRecord.h"

// Options mode: opened from the menu, closed by "OK" or "ｷｬﾝｾﾙ". Wizard mode: a new setting, or
// one edited through "/I"; "画像の選択" and "設定完了" instead of OK and Cancel.
enum class OptionsMode { Options, Wizard };

// A stored value other than 0 and 1 (WindowPosition 2 puts the window at the bottom; a
// hand-edited file may hold anything) is shown grayed and kept as long as the box is left alone.
enum class CheckState { Unchecked, Checked, Grayed };

struct ListControl {
    std::vector<std::string> entries;
    int selected = -1;  // index into entries; -1 when no entry is selected
    bool enabled = true;
};

// PimmoPictureSize: a combo box whose entries are suggestions; any text may be typed.
struct ComboControl {
    std::vector<std::string> entries;
    std::string text;
    bool enabled = true;
};

// Fields are named after the dialog's controls.
struct OptionsForm {
    std::string caption;
    std::string PimmoName;
    ListControl PimmoBirthYear;   // entries are years in decimal, ascending
    ListControl PimmoBirthMonth;  // "1".."12"
    ListControl PimmoBirthDay;    // "1".."31" for every month; ApplyOptions refuses a day the month lacks
    // The due date of a child born early: entry 0 of each list is empty, and all three empty
    // is no due date. The years run one past the birthday's list (a child due next year).
    ListControl PimmoDueYear;
    ListControl PimmoDueMonth;
    ListControl PimmoDueDay;
    CheckState PimmoIsTopMost = CheckState::Unchecked;
    CheckState PimmoIsPhotoStretch = CheckState::Unchecked;
    ListControl PimmoStretchMode;  // entry i is stretch mode i
    ComboControl PimmoPictureSize;
    // "画面の共有や録画に写さない": disabled by the dialog where Windows cannot do it.
    CheckState PimmoHideFromCapture = CheckState::Unchecked;
    std::string LabelPictureFile;
    // Where the photos come from: entry i of PimmoPictureOrder is PictureOrder i; the folder
    // chosen with "フォルダーの選択" (or the record's), shown in LabelPictureFolder.
    ListControl PimmoPictureOrder;
    // Minutes between photos (entry i is kIntervalChoices[i]), enabled for the interval order.
    ListControl PimmoPictureInterval;
    CheckState PimmoPictureSubfolders = CheckState::Unchecked;
    std::string PictureFolder;
    std::string LabelPictureFolder;
    bool CommandOKVisible = true;
    bool CommandCancelVisible = true;
    bool CommandSelectPictureVisible = false;
    bool CommandNextVisible = false;  // "設定完了", in the place of "ｷｬﾝｾﾙ"
};

inline constexpr int kFirstBirthYear = 1980;

// The years the year list offers: kFirstBirthYear to the current year (a child born this year
// can be entered), and a stored year outside that range in its place, so that it is shown and
// kept rather than changed. storedYear 0 (no valid birthday) adds nothing.
std::vector<int> BirthYears(int storedYear, int currentYear);

// Fills the form from the setting record: the list entries, which of them is selected, which
// controls are enabled and which buttons are visible for the mode.
OptionsForm LoadOptions(const SettingRecord& record,
                        const CalendarDate& today,
                        OptionsMode mode = OptionsMode::Options);

// The scaling check box was clicked: the stretch mode list and the size box follow it (they keep
// their values while disabled and are still applied).
void UpdateSizeControls(OptionsForm& form);

// The order list's selection changed: the interval list is enabled with the interval order.
void UpdateIntervalControl(OptionsForm& form);

// The picture path label: the path, or "未設定" when the setting has no picture yet. After
// "画像の選択" (ChoosePicture) the dialog sets LabelPictureFile from the record again.
std::string PictureFileLabel(const std::string& pictureFile);

// "フォルダー: D:\photos", empty for a setting without a folder.
std::string PictureFolderLabel(const std::string& folder);
// "フォルダーの選択" chose folder: it is shown, and a list still at "いつも同じ写真" moves to the
// newest photo.
void TakeChosenFolder(OptionsForm& form, const std::string& folder);

// The check box state for a stored 16-bit flag, and the value to store for a state (a grayed box
// keeps the stored value).
CheckState CheckStateOf(int16_t value);
int16_t CheckedValue(CheckState state, int16_t stored);
