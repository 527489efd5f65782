#include "ChoosePicture.h"

#include "PictureChoice.h"
#include "PimmoModule.h"
#include "modCmOpen.h"

void ChoosePicture(HWND owner) {
    PictureDialogRequest request = MakePictureDialogRequest(Setting().PictureFile);
    TakePicture(Setting(), modCmOpen::ShowOpenDialog(owner, request.filter, request.initialFolder, request.title));
    SaveSetting(true);
}
