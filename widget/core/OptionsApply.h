#pragma once
// The options dialog's check-and-store step, behind "OK" and "設定完了". Every check runs before
// anything is stored: a refused form leaves the setting record exactly as it was, and the dialog
// shows the message, puts the focus on the named control and stays open with the user's entries.
#include <cstdint>
#include <string>

#include "base/core/UserMessage.h"
#include "common/core/SettingRecord.h"
#include "widget/core/OptionsForm.h"

// The control that gets the focus after a refusal.
enum class OptionsControl {
    None,
    PimmoName,
    PimmoBirthYear,
    PimmoBirthMonth,
    PimmoBirthDay,
    PimmoDueYear,
    PimmoDueMonth,
    PimmoDueDay,
    PimmoPictureSize,
    CommandSelectPicture,
    CommandSelectFolder,
};

struct ApplyResult {
    bool stored = false;  // true: every value is in the record; nothing to show
    std::string message;  // UTF-8, shown in a message box captioned with the program's title
    MessageIcon icon = MessageIcon::None;
    OptionsControl focus = OptionsControl::None;
};

inline constexpr double kSmallestPictureSize = 80;
// A child is born at most this many days before its due date (20 weeks).
inline constexpr int64_t kLongestEarlyBirth = int64_t{20} * 7;

// "2025年2月29日という日はありません。正しい誕生日を指定してください"; the refusals' texts are in
// widget/core/PimmoTexts.
std::string NonexistentDateMessage(int year, int month, int day);

// Checks, in this order: the name is not empty; the size text is a number, and when it differs
// from the stored size, at least 80 and within 16 bits; a birthday is selected and exists; a due
// date is all empty or wholly selected, exists, and falls on the birthday or up to 20 weeks after.
// Then stores the size (rounded half to even), the scaling flag and the stretch mode when they
// changed (each change makes the cached scaled picture stale), the name, the birthday, the due date,
// the top-most flag and the capture exclusion. A grayed check box and an unselected stretch mode keep the stored value.
// A folder order ("フォルダーのいちばん新しい写真", "フォルダーの写真を毎日ひとつずつ") needs a
// folder chosen; it is stored with the order and the sub-folder flag (and, for "写真を一定の
// 間隔で替える", the interval's minutes), and "いつも同じ写真"
// leaves the folder, keeping the photo now shown as the one file.
ApplyResult ApplyOptions(const OptionsForm& form, SettingRecord& record);

// "設定完了": a setting without a picture is refused before anything else is checked; otherwise
// ApplyOptions. The wizard closes when the result is stored (its RetVal stays false).
ApplyResult FinishWizard(const OptionsForm& form, SettingRecord& record);
