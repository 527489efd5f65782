#include "widget/core/PictureChoice.h"

#include "widget/core/FileRelatedLibrary.h"
#include "widget/core/PhotoFolderSetting.h"
#include "widget/core/PictureTypes.h"
#include "widget/core/PimmoTexts.h"

using namespace std::string_literals;

PictureDialogRequest MakePictureDialogRequest(const std::string& pictureFile) {
    return {std::string(Text(PimmoText::PictureFilter)) + "\0"s + PicturePattern(),
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
    return IsPictureName(path);
}
