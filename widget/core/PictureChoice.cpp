#include "widget/core/PictureChoice.h"

#include "common/core/FileRelatedLibrary.h"
#include "widget/core/FolderPhoto.h"
#include "widget/core/PimmoTexts.h"

using namespace std::string_literals;

PictureDialogRequest MakePictureDialogRequest(const std::string& pictureFile) {
    return {std::string(Text(PimmoText::PictureFilter)) + "\0*.bmp;*.jpg"s,
            pictureFile.empty() ? std::string() : FileRelatedLibrary::GetFolder(pictureFile),
            std::string(Text(PimmoText::PictureDialogTitle))};
}

void TakePicture(SettingRecord& record, const std::string& path) {
    if (path.empty())
        return;
    LeaveFolder(record);  // a file chosen is the one file shown from now on
    if (path == record.PictureFile)
        return;
    record.PictureFile = path;
    record.IsStretchBmpCashed = 0;
}

bool IsDroppablePicture(const std::string& path) {
    std::string extension = FileRelatedLibrary::GetExtension(path);
    for (char& c : extension)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return extension == "BMP" || extension == "JPG" || extension == "PNG";
}
