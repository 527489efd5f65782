#include "widget/win/WidgetParts.h"

#include <thread>
#include <utility>

#include "base/win/MessageBox.h"
#include "widget/core/AgeMessages.h"
#include "widget/core/AgeTooltip.h"
#include "widget/core/PhotoAge.h"
#include "widget/core/PhotoFolderSetting.h"
#include "widget/core/PimmoMessages.h"

WidgetParts::WidgetParts(HINSTANCE instance, PimmoSession& session)
    : m_session(session), m_controller(session.Record(), m_answers, Today), m_menu(instance, m_menuNews) {}

PhotoLoadRequest WidgetParts::LoadRequest() const {
    const SettingRecord& setting = m_session.Record();
    // A folder's photo has its date from the folder's index.
    return {setting.PictureFile,
            setting.IsStretched,
            setting.IsStretchBmpCashed,
            setting.PictureSize,
            ScaleSideOf(setting.StretchMode),
            m_session.CachePath(),
            m_pair.Dpi(),
            !UsesPictureFolder(setting)};
}

void WidgetParts::LoadPhoto() {
    const PhotoLoadRequest request = LoadRequest();
    const PhotoLoadResult result = LoadPhotoPicture(request);
    m_pair.ShowLoadedPhoto(result);
    m_session.Record().IsStretchBmpCashed = result.isStretchBmpCashed;
    KeepDateTaken(request, result);
}

void WidgetParts::KeepDateTaken(const PhotoLoadRequest& request, const PhotoLoadResult& result) {
    auto kept = std::make_shared<DateTaken>();
    kept->taken = result.dateTaken;
    m_pictureTaken = kept;
    m_dateToRead.clear();
    if (!request.readDateTaken || result.dateRead)
        return;
    m_dateToRead = request.picturePath;
    if (m_windowsShown)
        ReadDateTaken();
}

void WidgetParts::ReadDateTaken() {
    if (m_dateToRead.empty())
        return;
    try {
        std::thread([kept = m_pictureTaken, path = std::exchange(m_dateToRead, {})] {
            const std::optional<LocalSeconds> taken = ReadPictureDateTaken(path);
            const std::lock_guard<std::mutex> hold(kept->lock);
            kept->taken = taken;
        }).detach();
    } catch (...) {  // no thread: the tooltip goes without the photo's day
    }
}

HWND WidgetParts::BoxOwner() const {
    if (m_boxOwner)
        return m_boxOwner;
    return m_windowsShown ? m_pair.CurrentPhotoWindow() : nullptr;
}

void WidgetParts::Answers::CaptureWindowPlace() {
    SettingRecord& setting = m_parts.m_session.Record();
    setting.LastWindowBorder = StoredFrame(m_parts.m_pair.CurrentFrame(), setting.LastWindowBorder);
    const WindowPlace place = m_parts.m_pair.CurrentWindowPlace();
    setting.LastWindowLeft = place.left;
    setting.LastWindowTop = place.top;
}

void WidgetParts::Answers::PlaceWindows(const std::string& caption) {
    const SettingRecord& setting = m_parts.m_session.Record();
    m_parts.m_pair.PlacePhotoWindow(FrameOf(setting.LastWindowBorder), setting.LastWindowTop, setting.LastWindowLeft,
                                    caption);
}

void WidgetParts::Answers::ShowWindows(bool normalStacking) {
    PhotoWindowPair& pair = m_parts.m_pair;
    pair.ShowPhotoWindow(pair.CurrentFrame(),
                         normalStacking ? Stacking::Normal : StackingOf(m_parts.m_session.Record().WindowPosition));
    pair.KeepOutOfCaptures(m_parts.m_session.Record().HideFromCapture != 0);
    m_parts.m_windowsShown = true;
}

void WidgetParts::Answers::Folder(FolderStep step) {
    PhotoFolderSource& folder = m_parts.m_folder;
    switch (step) {
        case FolderStep::Follow:
            folder.Follow();
            break;
        case FolderStep::Pause:
            folder.Pause();
            break;
        case FolderStep::Resume:
            folder.Resume();
            break;
        case FolderStep::NewDay:
            folder.OnNewDay();
            break;
    }
}

void WidgetParts::Answers::Announce(const std::string& text) {
    ShowMessage(m_parts.m_pair.CurrentPhotoWindow(), AnniversaryBox(text));
}

void WidgetParts::Answers::TellNotSaved(UnsavedChange what) {
    ShowMessage(m_parts.BoxOwner(), NotSavedBox(m_parts.m_session.Store().ProfileFile(), what));
}

// The cache was made for the old DPI: the photo is scaled anew and cached for the new one,
// where the window now stands.
void WidgetParts::WindowNews::OnPhotoDpiChanged() {
    m_parts.LoadPhoto();
    m_parts.m_pair.AlignOtherWindow();
}

// Read from what is kept: a hover reads no file.
std::string WidgetParts::WindowNews::PhotoTooltipText() {
    const SettingRecord& setting = m_parts.m_session.Record();
    const std::string folder = FolderTooltipText(setting, m_parts.m_folder.View());
    std::optional<LocalSeconds> taken;
    {
        const std::lock_guard<std::mutex> hold(m_parts.m_pictureTaken->lock);
        taken = m_parts.m_pictureTaken->taken;
    }
    const std::string memory = PhotoMemoryLines(setting, m_parts.m_folder.View(), taken, Today());
    return AgeTooltipText(setting.PimmoName, setting.PimmoBirthDay, Today(), UserLanguage(), setting.PimmoDueDay) +
           (folder.empty() ? "" : "\r\n" + folder) + (memory.empty() ? "" : "\r\n" + memory);
}

void WidgetParts::FolderNews::OnFolderPhoto(const PhotoLoadResult& picture, bool reload, bool changed) {
    PhotoWindowPair& pair = m_parts.m_pair;
    if (picture.picture || reload) {
        if (picture.picture)
            pair.ShowLoadedPhoto(picture);
        else
            m_parts.LoadPhoto();
        pair.AlignOtherWindow();
    }
    m_parts.m_controller.OnFolderPhoto(changed);
}

ModalScope WidgetParts::MenuNews::EnterModal(HWND over) {
    WidgetParts& parts = m_parts;
    const HWND before = std::exchange(parts.m_boxOwner, over ? over : parts.m_boxOwner);
    parts.m_controller.Modals().Opened();
    return ModalScope([&parts, before] {
        parts.m_boxOwner = before;
        parts.m_controller.Modals().Closed();
    });
}

ModalScope WidgetParts::MenuNews::PausePhotoInput() {
    PhotoWindowPair& pair = m_parts.m_pair;
    pair.EnableInput(false);
    return ModalScope([&pair] { pair.EnableInput(true); });
}

// Its failure is told over the dialog, which stays open.
void WidgetParts::MenuNews::OnPictureChosenInOptions(HWND dialog, const std::string& path) {
    const HWND before = std::exchange(m_parts.m_boxOwner, dialog);
    m_parts.m_controller.OnPictureChosenInOptions(path);
    m_parts.m_boxOwner = before;
}
