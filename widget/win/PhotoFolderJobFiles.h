#pragma once
// The folder job's files on Windows: the stored index, written so that neither a crash, another
// job nor a program that holds the file for a moment (a virus scanner) breaks it, and the photo
// a job loads, scaled into a file of its own that becomes the cache once its result is taken.
#include <string>

#include "widget/core/PhotoFolderJob.h"
#include "widget/win/PhotoLoader.h"

class PhotoFolderJobFiles final : public FolderJobPlatform {
public:
    // load: the windows' scaling and DPI, its cachePath the job's own file.
    explicit PhotoFolderJobFiles(PhotoLoadRequest load) : m_load(std::move(load)) {}

    std::string ReadIndex(const std::string& path) override;
    bool WriteIndex(const std::string& path, const std::string& bytes) override;
    bool AppendIndexLog(const std::string& path, const std::string& bytes) override;
    bool LoadPhoto(const std::string& path) override;
    PhotoLoadResult& Picture() { return m_picture; }

private:
    PhotoLoadRequest m_load;
    PhotoLoadResult m_picture;
};

// Writes the file under a name of its own in the same folder, flushes it and puts it in place,
// trying again a few times while another program holds the old one. False leaves the old file.
bool WriteFileInPlace(const std::string& path, const std::string& bytes);
// The job's scaled photo becomes the setting's cache: true when the cache now holds it.
bool TakeJobPicture(const std::string& jobPath, const std::string& cachePath);
void DropJobPicture(const std::string& jobPath);
// The end of a job's thread: the decoder factory and COM that its loads started are released.
void LeaveJobThread();
