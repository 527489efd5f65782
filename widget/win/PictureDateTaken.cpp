#include "widget/win/PictureDateTaken.h"

#include <windows.h>

#include <vector>

#include "base/core/Unicode.h"
#include "base/core/UniqueHandles_win.h"
#include "widget/core/PhotoFolderScan.h"
#include "widget/core/PictureTypes.h"
#include "widget/win/PictureDecoders.h"

const std::optional<LocalSeconds>& PictureDateTaken::Of(const std::string& path) {
    if (m_path == path)
        return m_taken;
    m_path = path;
    m_taken.reset();
    if (path.empty())
        return m_taken;
    if (!HasExifHead(path)) {
        m_taken = MetadataDateTaken(path);
        return m_taken;
    }
    UniqueFile file(CreateFileW(Widen(path).c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    std::vector<uint8_t> head(kPhotoHeadBytes);
    DWORD read = 0;
    if (file && ReadFile(file.Get(), head.data(), static_cast<DWORD>(head.size()), &read, nullptr))
        m_taken = ReadExifDateTaken(head.data(), read);
    return m_taken;
}
