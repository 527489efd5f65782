// PimmoModule's photo folder: the scan off the window's thread, the watch for the newest
// photo, and the retries of a folder that cannot be reached.
#include <utility>

#include "widget/core/FolderPhoto.h"
#include "widget/win/PimmoModule.h"

namespace {

// Differs between runs and settings: a new "one a day" shuffles on its own.
uint64_t RunEntropy() {
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    return (static_cast<uint64_t>(now.dwHighDateTime) << 32 | now.dwLowDateTime) ^
           (static_cast<uint64_t>(GetCurrentProcessId()) << 20) ^ GetTickCount64();
}

}  // namespace

void PimmoModule::StartFolder() {
    const SettingRecord& setting = Setting();
    if (!UsesPictureFolder(setting) || !m_desktop.Handle()) {
        m_folderWatch.Stop();
        return;
    }
    const bool subfolders = setting.PictureSubfolders != 0;
    // The watch first: a photo written while the scan runs is announced, never missed.
    if (OrderOf(setting) == PictureOrder::Newest)
        m_folderWatch.Start(setting.PictureFolder, subfolders, m_desktop.Handle(), DesktopWatch::kFolderChangedMessage);
    else
        m_folderWatch.Stop();
    m_folderScan.Start(setting.PictureFolder, subfolders, m_desktop.Handle(), DesktopWatch::kFolderScannedMessage);
}

void PimmoModule::ChooseFolderPhotoNow() {
    if (!UsesPictureFolder(Setting()))
        return;
    m_session->TakeFolderScan(ScanPictureFolder(Setting().PictureFolder, Setting().PictureSubfolders != 0), Today(),
                              RunEntropy());
}

void PimmoModule::OnFolderScanned(WPARAM scanNumber) {
    std::optional<PictureFolderScan> scan = m_folderScan.TakeResult(scanNumber);
    if (!scan || m_unloaded || !UsesPictureFolder(Setting()))
        return;
    if (m_modalDepth > 0) {
        // A dialog edits a copy of the record, which it hands back when it closes.
        m_folderScanPending = true;
        return;
    }
    if (!scan->reachable) {
        // The last photo stays; the next rollover or a new drive tries again.
        m_session->TakeFolderScan(*scan, Today(), 0);
        m_folderWatch.Stop();
        return;
    }
    if (OrderOf(Setting()) == PictureOrder::Newest && !m_folderWatch.Running())
        m_folderWatch.Start(Setting().PictureFolder, Setting().PictureSubfolders != 0, m_desktop.Handle(),
                            DesktopWatch::kFolderChangedMessage);
    ShowFolderScan(std::move(*scan));
}

void PimmoModule::ShowFolderScan(PictureFolderScan scan) {
    bool recordChanged = false;
    for (;;) {
        const FolderUpdate update = m_session->TakeFolderScan(scan, Today(), RunEntropy());
        recordChanged = recordChanged || update.recordChanged;
        if (update.pictureChanged) {
            LoadPhoto();  // the cache is made anew for the new photo
            m_pair.AlignOtherWindow(m_pair.CurrentBorder() == 0 ? 0 : 1);
        }
        if (m_pair.HasPicture() || !update.view.shown)
            break;
        const std::string broken = update.view.shown->name;
        std::erase_if(scan.photos, [&](const PhotoEntry& photo) { return photo.name == broken; });
    }
    if (recordChanged)
        SaveSetting(true, UnsavedChange::Picture, CurrentPhotoWindow());
}

void PimmoModule::OnFolderChanged(WPARAM change) {
    if (m_unloaded || !UsesPictureFolder(Setting()))
        return;
    if (static_cast<FolderChange>(change) == FolderChange::Changed) {
        m_folderScan.Start(Setting().PictureFolder, Setting().PictureSubfolders != 0, m_desktop.Handle(),
                           DesktopWatch::kFolderScannedMessage);
        return;
    }
    m_session->TakeFolderScan(PictureFolderScan{}, Today(), 0);  // unreachable: told in the tooltip
    m_folderWatch.Stop();
}

void PimmoModule::OnDevicesChanged() {
    if (!m_unloaded && UsesPictureFolder(Setting()) && m_session->Folder().status == FolderStatus::Unreachable)
        StartFolder();
}

// Dropped on the photo: the folder's newest photo, from the next scan on.
void PimmoModule::OnFolderDropped(const std::string& folder) {
    TakeFolder(Setting(), folder);
    Setting().PictureOrder = static_cast<int16_t>(PictureOrder::Newest);
    m_session->ForgetFolder();
    SaveSetting(true, UnsavedChange::Picture, CurrentPhotoWindow());
    StartFolder();
}
