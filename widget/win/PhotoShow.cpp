#include "widget/win/PhotoShow.h"

#include "widget/core/AgeMessages.h"
#include "widget/core/AgeTooltip.h"
#include "widget/core/PhotoAge.h"
#include "widget/core/PhotoFolderSetting.h"
#include "widget/core/PictureChoice.h"
#include "widget/win/CaptureExclusion.h"

void PhotoShow::LoadPhoto() {
    m_session.Record().IsStretchBmpCashed = m_pair.LoadPhoto(FolderLoadRequest());
}

void PhotoShow::PlacePhotoWindow() {
    const SettingRecord& setting = m_session.Record();
    m_keeper.SetWindowsPlaced(true);
    m_pair.PlacePhotoWindow(setting.LastWindowBorder, setting.LastWindowTop, setting.LastWindowLeft,
                            AgeCaption(setting.PimmoName, setting.PimmoBirthDay, Today()));
}

void PhotoShow::ShowPhotoWindow() {
    m_pair.ShowPhotoWindow(m_pair.CurrentBorder(), m_session.Record().WindowPosition);
    for (HWND window : {m_pair.Borderless(), m_pair.Bordered()})
        KeepOutOfCaptures(window, m_session.Record().HideFromCapture != 0);
}

void PhotoShow::OnPictureDropped(const std::string& path) {
    TakePicture(m_session.Record(), path);
    m_keeper.Save(true, UnsavedChange::Picture, m_pair.CurrentPhotoWindow());
    LoadPhoto();
    PlacePhotoWindow();
    ShowPhotoWindow();
}

// Dropped on the photo: the folder's newest photo, from the next scan on.
void PhotoShow::OnFolderDropped(const std::string& folder) {
    TakeFolder(m_session.Record(), folder);
    m_session.Record().PictureOrder = static_cast<int16_t>(PictureOrder::Newest);
    m_keeper.Save(true, UnsavedChange::Picture, m_pair.CurrentPhotoWindow());
    m_folder.Follow();
}

// The cache was made for the old DPI: the photo is scaled anew and cached for the new one,
// where the window now stands.
void PhotoShow::OnPhotoDpiChanged() {
    LoadPhoto();
    m_pair.AlignOtherWindow(m_pair.CurrentBorder() == 0 ? 0 : 1);
}

std::string PhotoShow::PhotoTooltipText() {
    const SettingRecord& setting = m_session.Record();
    const std::string folder = m_folder.TooltipText();
    const std::string memory =
        PhotoMemoryLines(setting, m_folder.View(), m_pictureDate.Of(setting.PictureFile), Today());
    return AgeTooltipText(setting.PimmoName, setting.PimmoBirthDay, Today(), UserLanguage(), setting.PimmoDueDay) +
           (folder.empty() ? "" : "\r\n" + folder) + (memory.empty() ? "" : "\r\n" + memory);
}

// A failed save's message box counts as modal: the folder's next photo waits for it.
void PhotoShow::OnFolderPhoto(const PhotoLoadResult& picture, bool reload, bool changed) {
    const auto modal = m_end.EnterModal();
    if (picture.picture || reload) {
        if (picture.picture)
            m_pair.ShowLoadedPhoto(picture);
        else
            LoadPhoto();
        m_pair.AlignOtherWindow(m_pair.CurrentBorder() == 0 ? 0 : 1);
    }
    if (changed)
        m_keeper.Save(true, UnsavedChange::Picture, m_pair.CurrentPhotoWindow());
}

PhotoLoadRequest PhotoShow::FolderLoadRequest() {
    const SettingRecord& setting = m_session.Record();
    return {setting.PictureFile, setting.IsStretched, setting.IsStretchBmpCashed,
            setting.PictureSize, setting.StretchMode, m_session.CachePath(),
            m_pair.Dpi()};
}
