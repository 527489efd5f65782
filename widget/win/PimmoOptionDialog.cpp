#include "widget/win/PimmoOptionDialog.h"

#include "base/core/Unicode.h"
#include "base/win/AccessibleName.h"
#include "base/win/CommonControls.h"
#include "base/win/HelpRelatedLibrary.h"
#include "base/win/MessageBox.h"
#include "common/core/CalendarDate.h"
#include "widget/core/PictureChoice.h"
#include "widget/core/PimmoMessages.h"
#include "widget/win/CaptureExclusion.h"
#include "widget/win/ChoosePicture.h"
#include "widget/win/OptionControls.h"
#include "widget/win/PhotoFolderDialog.h"
#include "widget/win/PimmoResource.h"

namespace {

int ControlId(OptionsControl control) {
    switch (control) {
        case OptionsControl::PimmoName:
            return IDC_PimmoName;
        case OptionsControl::PimmoBirthYear:
            return IDC_PimmoBirthYear;
        case OptionsControl::PimmoBirthMonth:
            return IDC_PimmoBirthMonth;
        case OptionsControl::PimmoBirthDay:
            return IDC_PimmoBirthDay;
        case OptionsControl::PimmoDueYear:
            return IDC_PimmoDueYear;
        case OptionsControl::PimmoDueMonth:
            return IDC_PimmoDueMonth;
        case OptionsControl::PimmoDueDay:
            return IDC_PimmoDueDay;
        case OptionsControl::PimmoPictureSize:
            return IDC_PimmoPictureSize;
        case OptionsControl::CommandSelectPicture:
            return IDC_CommandSelectPicture;
        case OptionsControl::CommandSelectFolder:
            return IDC_CommandSelectFolder;
        case OptionsControl::None:
            break;
    }
    return 0;
}

}  // namespace

bool PimmoOptionDialog::Run(HINSTANCE instance, HWND owner) {
    RetVal = false;
    EnsureCommonControls();
    RunModal(instance, IDD_PimmoOptionDialog, owner);
    return RetVal;
}

BOOL PimmoOptionDialog::OnInitDialog() {
    m_loaded = LoadOptions(m_setting, Today(), m_mode);
    ShowForm(m_loaded);
    OfferCaptureExclusion(Handle(), IDC_PimmoHideFromCapture);
    NameFields();
    // The tab order is the reading order; in both modes it starts at the name.
    SetFocus(Item(IDC_PimmoName));
    return FALSE;
}

// For screen readers each field is named by its label; the birthday's three lists read as the
// date's label and their unit, the size as the sentence's end.
void PimmoOptionDialog::NameFields() {
    NameControlsByLabels(Handle());
    const auto labels = [this](std::initializer_list<int> ids) {
        std::vector<HWND> windows;
        for (int id : ids)
            windows.push_back(Item(id));
        return [windows] {
            std::wstring name;
            for (HWND label : windows)
                name += (name.empty() ? L"" : L" ") + WindowTextOf(label);
            return name;
        };
    };
    NameControl(Item(IDC_PimmoBirthYear), labels({IDC_Label5, IDC_Label1}));
    NameControl(Item(IDC_PimmoBirthMonth), labels({IDC_Label5, IDC_Label2}));
    NameControl(Item(IDC_PimmoBirthDay), labels({IDC_Label5, IDC_Label3}));
    NameControl(Item(IDC_PimmoDueYear), labels({IDC_LabelDueDate, IDC_LabelDueYear}));
    NameControl(Item(IDC_PimmoDueMonth), labels({IDC_LabelDueDate, IDC_LabelDueMonth}));
    NameControl(Item(IDC_PimmoDueDay), labels({IDC_LabelDueDate, IDC_LabelDueDay}));
    NameControl(Item(IDC_PimmoPictureSize), labels({IDC_Label7}));
}

void PimmoOptionDialog::ShowForm(const OptionsForm& form) {
    SetWindowTextW(Handle(), Widen(form.caption).c_str());
    SetItemText(IDC_PimmoName, form.PimmoName);
    ShowList(Item(IDC_PimmoBirthYear), form.PimmoBirthYear);
    ShowList(Item(IDC_PimmoBirthMonth), form.PimmoBirthMonth);
    ShowList(Item(IDC_PimmoBirthDay), form.PimmoBirthDay);
    ShowList(Item(IDC_PimmoDueYear), form.PimmoDueYear);
    ShowList(Item(IDC_PimmoDueMonth), form.PimmoDueMonth);
    ShowList(Item(IDC_PimmoDueDay), form.PimmoDueDay);
    ShowCheck(Item(IDC_PimmoIsTopMost), form.PimmoIsTopMost);
    ShowCheck(Item(IDC_PimmoIsPhotoStretch), form.PimmoIsPhotoStretch);
    ShowList(Item(IDC_PimmoStretchMode), form.PimmoStretchMode);
    ShowCombo(Item(IDC_PimmoPictureSize), form.PimmoPictureSize);
    ShowCheck(Item(IDC_PimmoHideFromCapture), form.PimmoHideFromCapture);
    SetItemText(IDC_LabelPictureFile, form.LabelPictureFile);
    ShowFolderLabel(form.LabelPictureFolder);
    ShowList(Item(IDC_PimmoPictureOrder), form.PimmoPictureOrder);
    ShowList(Item(IDC_PimmoPictureInterval), form.PimmoPictureInterval);
    ShowCheck(Item(IDC_PimmoPictureSubfolders), form.PimmoPictureSubfolders);
    ShowItem(IDC_CommandOK, form.CommandOKVisible);
    ShowItem(IDC_CommandCancel, form.CommandCancelVisible);
    ShowItem(IDC_CommandSelectPicture, form.CommandSelectPictureVisible);
    ShowItem(IDC_CommandNext, form.CommandNextVisible);
}

OptionsForm PimmoOptionDialog::ReadForm() const {
    OptionsForm form = m_loaded;
    form.PimmoName = ItemText(IDC_PimmoName);
    form.PimmoBirthYear.selected = SelectedEntry(Item(IDC_PimmoBirthYear));
    form.PimmoBirthMonth.selected = SelectedEntry(Item(IDC_PimmoBirthMonth));
    form.PimmoBirthDay.selected = SelectedEntry(Item(IDC_PimmoBirthDay));
    form.PimmoDueYear.selected = SelectedEntry(Item(IDC_PimmoDueYear));
    form.PimmoDueMonth.selected = SelectedEntry(Item(IDC_PimmoDueMonth));
    form.PimmoDueDay.selected = SelectedEntry(Item(IDC_PimmoDueDay));
    form.PimmoIsTopMost = ReadCheck(Item(IDC_PimmoIsTopMost));
    form.PimmoIsPhotoStretch = ReadCheck(Item(IDC_PimmoIsPhotoStretch));
    form.PimmoStretchMode.selected = SelectedEntry(Item(IDC_PimmoStretchMode));
    form.PimmoPictureSize.text = ItemText(IDC_PimmoPictureSize);
    form.PimmoHideFromCapture = ReadCheck(Item(IDC_PimmoHideFromCapture));
    form.PimmoPictureOrder.selected = SelectedEntry(Item(IDC_PimmoPictureOrder));
    form.PimmoPictureInterval.selected = SelectedEntry(Item(IDC_PimmoPictureInterval));
    form.PimmoPictureSubfolders = ReadCheck(Item(IDC_PimmoPictureSubfolders));
    UpdateSizeControls(form);
    UpdateIntervalControl(form);
    return form;
}

bool PimmoOptionDialog::OnCommand(int id, int code) {
    if (id == IDC_PimmoPictureOrder && code == CBN_SELCHANGE) {
        EnableWindow(Item(IDC_PimmoPictureInterval), ReadForm().PimmoPictureInterval.enabled);
        return true;
    }
    if (code != BN_CLICKED)
        return false;
    switch (id) {
        case IDC_PimmoIsPhotoStretch:
            OnStretchClicked();
            return true;
        case IDC_PimmoIsTopMost:
        case IDC_PimmoPictureSubfolders:
        case IDC_PimmoHideFromCapture:
            ShowCheck(Item(id), NextCheckState(ReadCheck(Item(id))));
            return true;
        case IDC_CommandOK:
            OnOK();
            return true;
        case IDC_CommandCancel:
            End(IDCANCEL);
            return true;
        case IDC_CommandNext:
            OnNext();
            return true;
        case IDC_CommandSelectPicture:
            OnSelectPicture();
            return true;
        case IDC_CommandSelectFolder:
            OnSelectFolder();
            return true;
        case IDCANCEL:
            // Esc leaves the options as ｷｬﾝｾﾙ does; the wizard has no way out but 設定完了.
            if (m_mode == OptionsMode::Options)
                End(IDCANCEL);
            return true;
        default:
            // Enter does nothing: neither OK nor 設定完了 is the window's default button.
            return id == IDOK;
    }
}

INT_PTR PimmoOptionDialog::OnOtherMessage(UINT message, WPARAM, LPARAM) {
    switch (message) {
        case WM_CLOSE:
            // Closing the window by other means (the session's end, a close request) stores nothing.
            End(IDCANCEL);
            return TRUE;
        case WM_HELP:
            // F1: topic 0 of the help file beside the program is the widget's.
            HelpRelatedLibrary::ShowHelpTopic(Instance(), Handle(), "pimmo.hlp", 0);
            return TRUE;
        default:
            return FALSE;
    }
}

// The size controls follow the scaling check box; disabled, they keep their values.
void PimmoOptionDialog::OnStretchClicked() {
    HWND box = Item(IDC_PimmoIsPhotoStretch);
    ShowCheck(box, NextCheckState(ReadCheck(box)));
    OptionsForm form = ReadForm();
    EnableWindow(Item(IDC_PimmoStretchMode), form.PimmoStretchMode.enabled);
    EnableWindow(Item(IDC_PimmoPictureSize), form.PimmoPictureSize.enabled);
}

void PimmoOptionDialog::OnOK() {
    if (!Accepted(ApplyOptions(ReadForm(), m_setting)))
        return;
    RetVal = true;
    End(IDOK);
}

void PimmoOptionDialog::OnNext() {
    if (!Accepted(FinishWizard(ReadForm(), m_setting)))
        return;
    RetVal = false;
    End(IDOK);
}

// The chosen picture is saved at once; the dialog only shows its path.
void PimmoOptionDialog::OnSelectPicture() {
    const std::string picture = ChoosePictureFile(Handle(), m_setting.PictureFile);
    TakePicture(m_setting, picture);
    m_host.OnPictureChosen(Handle(), picture);
    SetItemText(IDC_LabelPictureFile, PictureFileLabel(m_setting.PictureFile));
    if (picture.empty())
        return;
    // A file chosen is the one file shown: the folder is left.
    m_loaded.PictureFolder.clear();
    ShowFolderLabel(PictureFolderLabel(m_loaded.PictureFolder));
    SendMessageW(Item(IDC_PimmoPictureOrder), CB_SETCURSEL, 0, 0);
    EnableWindow(Item(IDC_PimmoPictureInterval), FALSE);
}

// The folder is stored with "OK" or "設定完了", with the order the list then shows.
void PimmoOptionDialog::OnSelectFolder() {
    OptionsForm form = ReadForm();
    TakeChosenFolder(form, ChoosePictureFolder(Handle(), form.PictureFolder));
    m_loaded.PictureFolder = form.PictureFolder;
    ShowFolderLabel(form.LabelPictureFolder);
    SendMessageW(Item(IDC_PimmoPictureOrder), CB_SETCURSEL, static_cast<WPARAM>(form.PimmoPictureOrder.selected), 0);
    EnableWindow(Item(IDC_PimmoPictureInterval), ReadForm().PimmoPictureInterval.enabled);
}

bool PimmoOptionDialog::Accepted(const ApplyResult& result) {
    if (result.stored)
        return true;
    ShowMessage(Handle(), OptionsRefusalBox(result));
    if (int id = ControlId(result.focus); id != 0)
        SendMessageW(Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(id)), TRUE);
    return false;
}

// The folder's line shows only for a setting with a folder: an empty line would be a control
// without a name for a screen reader.
void PimmoOptionDialog::ShowFolderLabel(const std::string& text) {
    SetItemText(IDC_LabelPictureFolder, text);
    ShowWindow(Item(IDC_LabelPictureFolder), text.empty() ? SW_HIDE : SW_SHOW);
}
