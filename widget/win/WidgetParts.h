#pragma once
// The widget's parts for the one setting it serves, as a star: the controller decides, and each
// window object reports to it and carries out its answers through the routes below. No part
// holds a reference to another; only these routes know them all.
#include <windows.h>

#include <memory>
#include <mutex>
#include <optional>

#include "widget/core/ExifReader.h"
#include "widget/core/PimmoSession.h"
#include "widget/core/WidgetController.h"
#include "widget/win/PhotoFolderSource.h"
#include "widget/win/PhotoMenuCommands.h"
#include "widget/win/PhotoWindowPair.h"

class WidgetParts {
public:
    WidgetParts(HINSTANCE instance, PimmoSession& session);
    WidgetParts(const WidgetParts&) = delete;
    WidgetParts& operator=(const WidgetParts&) = delete;

    WidgetController& Controller() { return m_controller; }
    PhotoWindowPair& Pair() { return m_pair; }
    PhotoFolderSource& Folder() { return m_folder; }
    PhotoMenuCommands& Menu() { return m_menu; }

private:
    // The controller's answers, carried out.
    class Answers final : public WidgetActions {
    public:
        explicit Answers(WidgetParts& parts) : m_parts(parts) {}

    private:
        void CaptureWindowPlace() override;
        bool SaveSetting() override { return m_parts.m_session.Save(); }
        void SaveLastRunDay() override { m_parts.m_session.Store().SaveLastRunDay(m_parts.m_session.Record()); }
        bool ReleaseStartLock() override { return m_parts.m_session.ReleaseStartLock(); }
        void LoadPhoto() override { m_parts.LoadPhoto(); }
        void PlaceWindows(const std::string& caption) override;
        void ShowWindows(bool normalStacking) override;
        void SetCaption(const std::string& caption) override { m_parts.m_pair.SetCaption(caption); }
        void CloseWindows() override { m_parts.m_pair.DestroyWindows(); }
        void Folder(FolderStep step) override;
        void Announce(const std::string& text) override;
        void TellNotSaved(UnsavedChange what) override;
        void EndSession() override { PostQuitMessage(0); }

        WidgetParts& m_parts;
    };
    // What the photo windows tell.
    class WindowNews final : public PhotoPairOwner {
    public:
        explicit WindowNews(WidgetParts& parts) : m_parts(parts) {}

    private:
        void OnPhotoMenu(int16_t button) override { m_parts.m_menu.OnPhotoMenu(button); }
        void OnPhotoMenuKey(POINT at) override { m_parts.m_menu.OnPhotoMenuKey(at); }
        void OnPictureDropped(const std::string& path) override { m_parts.m_controller.OnPictureTaken(path); }
        void OnFolderDropped(const std::string& folder) override { m_parts.m_controller.OnFolderDropped(folder); }
        void OnPhotoUnload(bool sessionEnds) override { m_parts.m_controller.OnWindowsUnloaded(sessionEnds); }
        void OnPhotoDpiChanged() override;
        void OnPhotoHover() override { m_parts.ReadDateTaken(); }
        std::string PhotoTooltipText() override;

        WidgetParts& m_parts;
    };
    // What the folder tells.
    class FolderNews final : public PhotoFolderOwner {
    public:
        explicit FolderNews(WidgetParts& parts) : m_parts(parts) {}

    private:
        void OnFolderPhoto(const PhotoLoadResult& picture, bool reload, bool changed) override;
        PhotoLoadRequest FolderLoadRequest() override { return m_parts.LoadRequest(); }
        bool ShowsPicture() const override { return m_parts.m_pair.HasPicture(); }

        WidgetParts& m_parts;
    };
    // What the menu and its dialogs tell.
    class MenuNews final : public PhotoMenuOwner {
    public:
        explicit MenuNews(WidgetParts& parts) : m_parts(parts) {}

    private:
        ModalScope EnterModal(HWND over) override;
        ModalScope PausePhotoInput() override;
        HWND CurrentPhotoWindow() const override { return m_parts.m_pair.CurrentPhotoWindow(); }
        WindowFrame CurrentFrame() const override { return m_parts.m_pair.CurrentFrame(); }
        void ToggleBorder() override { m_parts.m_pair.ToggleBorder(); }
        const SettingRecord& Setting() const override { return m_parts.m_session.Record(); }
        void OnDialogOpens() override { m_parts.m_controller.OnDialogOpens(); }
        void OnPictureFileChosen(const std::string& path) override { m_parts.m_controller.OnPictureTaken(path); }
        void OnPictureChosenInOptions(HWND dialog, const std::string& path) override;
        void OnOptionsClosed(const std::optional<SettingRecord>& applied) override {
            m_parts.m_controller.OnOptionsClosed(applied);
        }
        void OnQuit() override { m_parts.m_controller.OnQuit(); }

        WidgetParts& m_parts;
    };

    // The date the one picture file was taken, for the tooltip: from the load, or, when the load
    // took the cache, read aside (a share that does not answer holds up no window).
    struct DateTaken {
        std::mutex lock;
        std::optional<LocalSeconds> taken;
    };

    PhotoLoadRequest LoadRequest() const;
    void LoadPhoto();
    void KeepDateTaken(const PhotoLoadRequest& request, const PhotoLoadResult& result);
    // The start's photo, when its load took the cache, has its date read aside at the first
    // hover (the tooltip's delay covers the read): no thread competes with the start.
    void ReadDateTaken();
    HWND BoxOwner() const;

    PimmoSession& m_session;
    Answers m_answers{*this};
    WindowNews m_windowNews{*this};
    FolderNews m_folderNews{*this};
    MenuNews m_menuNews{*this};
    WidgetController m_controller;
    PhotoMenuCommands m_menu;
    PhotoWindowPair m_pair{m_windowNews};
    // Declared after the windows, so that it stops before they go.
    PhotoFolderSource m_folder{m_session, m_folderNews};
    // Where message boxes belong: nullptr before the windows show (the edit and delete modes),
    // then the current photo window, or the dialog or menu holder a command runs over.
    bool m_windowsShown = false;
    HWND m_boxOwner = nullptr;
    std::shared_ptr<DateTaken> m_pictureTaken = std::make_shared<DateTaken>();
    std::string m_dateToRead;  // the picture whose date is still to read
};
