#pragma once
// The photo windows' feature: the record's picture in both windows at the record's place under
// the age caption, what is dropped on the photo, the folder's photo as it comes, the tooltip.
// The menu and the end of the session are their own rooms; the windows reach them through
// the two faces below.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "base/core/ScopeExit.h"
#include "widget/core/PimmoSession.h"
#include "widget/win/PhotoFolderSource.h"
#include "widget/win/PhotoWindowPair.h"
#include "widget/win/PictureDateTaken.h"
#include "widget/win/SettingKeeper.h"

// Where the photo's context menu opens (button: 2 right, 4 middle; or a screen point from
// the keyboard).
class PhotoMenuOpener {
public:
    virtual void OnPhotoMenu(int16_t button) = 0;
    virtual void OnPhotoMenuKey(POINT at) = 0;

protected:
    ~PhotoMenuOpener() = default;
};

// The widget's end: the windows unloaded, and the dialogs, menus and message boxes it waits for.
class PhotoSessionEnd {
public:
    // Either window is being closed, or the session ends (no message box may be shown then).
    virtual void OnPhotoUnload(bool sessionEnds) = 0;
    // Counts a dialog, a menu command or a message box for its scope.
    virtual ScopeExit<std::function<void()>> EnterModal() = 0;

protected:
    ~PhotoSessionEnd() = default;
};

class PhotoShow final : public PhotoPairOwner, public PhotoFolderOwner {
public:
    PhotoShow(PimmoSession& session,
              PhotoWindowPair& pair,
              SettingKeeper& keeper,
              PhotoFolderSource& folder,
              PhotoMenuOpener& menu,
              PhotoSessionEnd& end)
        : m_session(session), m_pair(pair), m_keeper(keeper), m_folder(folder), m_menu(menu), m_end(end) {}

    // The picture of the record, cached or scaled, into both windows.
    void LoadPhoto();
    // The record's window place, frame and caption; then the window shown in its stacking order.
    void PlacePhotoWindow();
    void ShowPhotoWindow();

private:
    void OnPhotoMenu(int16_t button) override { m_menu.OnPhotoMenu(button); }
    void OnPhotoMenuKey(POINT at) override { m_menu.OnPhotoMenuKey(at); }
    void OnPictureDropped(const std::string& path) override;
    void OnFolderDropped(const std::string& folder) override;
    void OnPhotoUnload(bool sessionEnds) override { m_end.OnPhotoUnload(sessionEnds); }
    void OnPhotoDpiChanged() override;
    std::string PhotoTooltipText() override;

    // The folder's photo is loaded, or the folder is empty: into the windows, saved.
    void OnFolderPhoto(const PhotoLoadResult& picture, bool reload, bool changed) override;
    PhotoLoadRequest FolderLoadRequest() override;
    bool ShowsPicture() const override { return m_pair.HasPicture(); }

    PimmoSession& m_session;
    PhotoWindowPair& m_pair;
    SettingKeeper& m_keeper;
    PhotoFolderSource& m_folder;
    PhotoMenuOpener& m_menu;
    PhotoSessionEnd& m_end;
    PictureDateTaken m_pictureDate;  // of the one file, for the tooltip's age at the photo
};
