#pragma once
// What pimmo or house tells the user when the profile file could not be written: the file,
// and what of the user's work it does not hold.
#include <string>

enum class UnsavedChange {
    WindowPlace,      // the photo window's place and frame
    Options,          // the options dialog's or the wizard's values
    Picture,          // a picture chosen or dropped
    DeletedSetting,   // a setting emptied ("pimmo /d")
    StartLock,        // the release of the start lock at the end
    SettingList,      // house's list of settings
    ReleasedLocks,    // house "/R"
    WindowPositions,  // house "/P"
};

// "設定ファイルに書き込めないため、<what>を保存できませんでした。" with the file's path.
std::string UnsavedChangeText(const std::string& profileFile, UnsavedChange what);
