#include "common/core/UnsavedChange.h"

namespace {

const char* Subject(UnsavedChange what) {
    switch (what) {
        case UnsavedChange::WindowPlace:
            return "ウィンドウの位置";
        case UnsavedChange::Options:
            return "オプション";
        case UnsavedChange::Picture:
            return "写真の選択";
        case UnsavedChange::DeletedSetting:
            return "設定の削除";
        case UnsavedChange::StartLock:
            return "起動ロックの解除";
        case UnsavedChange::SettingList:
            return "設定一覧";
        case UnsavedChange::ReleasedLocks:
            return "起動ロックの強制解除";
        case UnsavedChange::WindowPositions:
            return "ウィンドウの位置のリセット";
    }
    return "設定";
}

}  // namespace

std::string UnsavedChangeText(const std::string& profileFile, UnsavedChange what) {
    return std::string("設定ファイルに書き込めないため、") + Subject(what) +
           "を保存できませんでした。\r\nファイル: " + profileFile +
           "\r\nファイルが読み取り専用になっていないか、ディスクに空きがあるかを確認してください。";
}
