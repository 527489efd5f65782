#include "ChoosePicture.h"

#include "PictureChoice.h"
#include "modCmOpen.h"

std::string ChoosePictureFile(HWND owner, const std::string& currentPicture) {
    PictureDialogRequest request = MakePictureDialogRequest(currentPicture);
    return modCmOpen::ShowOpenDialog(owner, request.filter, request.initialFolder, request.title);
}
