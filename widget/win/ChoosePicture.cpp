#include "widget/win/ChoosePicture.h"

#include "widget/core/PictureChoice.h"
#include "widget/win/modCmOpen.h"

std::string ChoosePictureFile(HWND owner, const std::string& currentPicture) {
    PictureDialogRequest request = MakePictureDialogRequest(currentPicture);
    return modCmOpen::ShowOpenDialog(owner, request.filter, request.initialFolder, request.title);
}
