#pragma once
// The options dialog: edits a copy of the setting record, in options mode (OK / ｷｬﾝｾﾙ) or as
// the wizard of a new or edited setting (画像の選択 / 設定完了), and hands the edited copy back.
// It moves values between its controls and an OptionsForm; the checks and the storing are
// ApplyOptions' and FinishWizard's.
#include <windows.h>

#include "base/win/Dialog.h"
#include "common/core/SettingRecord.h"
#include "widget/core/OptionsApply.h"
#include "widget/core/OptionsForm.h"
#include "widget/win/OptionsDialogHost.h"

class PimmoOptionDialog final : public Dialog {
public:
    PimmoOptionDialog(const SettingRecord& setting, OptionsDialogHost& host, OptionsMode mode)
        : m_setting(setting), m_host(host), m_mode(mode) {}

    // Shows the dialog modally, owned by owner, and returns RetVal.
    bool Run(HINSTANCE instance, HWND owner);

    // True only when "OK" closed the dialog with every value stored.
    bool RetVal = false;
    // The record as edited: every value stored by "OK" or "設定完了", and the picture chosen.
    const SettingRecord& Setting() const { return m_setting; }

private:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code) override;
    INT_PTR OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    void ShowForm(const OptionsForm& form);
    void ShowFolderLabel(const std::string& text);
    void NameFields();
    OptionsForm ReadForm() const;
    void OnStretchClicked();
    void OnOK();
    void OnNext();
    void OnSelectPicture();
    void OnSelectFolder();
    // Shows a refusal and puts the focus on the control it names; true when stored.
    bool Accepted(const ApplyResult& result);

    SettingRecord m_setting;
    OptionsDialogHost& m_host;
    OptionsMode m_mode;
    // The lists' entries and what was loaded: read back over these, so that an entry the
    // user left alone keeps the loaded value.
    OptionsForm m_loaded;
};
