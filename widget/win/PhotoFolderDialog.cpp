#include "widget/win/PhotoFolderDialog.h"

#include <shobjidl.h>
#include <wrl/client.h>

#include "base/core/Unicode.h"
#include "base/core/UniqueHandles_win.h"
#include "base/win/ComApartment.h"
#include "widget/core/PimmoTexts.h"

using Microsoft::WRL::ComPtr;

namespace {

void OpenAt(IFileOpenDialog& dialog, const std::string& folder) {
    ComPtr<IShellItem> item;
    if (!folder.empty() && SUCCEEDED(SHCreateItemFromParsingName(Widen(folder).c_str(), nullptr, IID_PPV_ARGS(&item))))
        dialog.SetFolder(item.Get());
}

}  // namespace

std::string ChoosePictureFolder(HWND owner, const std::string& currentFolder) {
    if (!EnsureComApartment())
        return {};
    ComPtr<IFileOpenDialog> dialog;
    if (FAILED(CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&dialog))))
        return {};
    FILEOPENDIALOGOPTIONS options = 0;
    dialog->GetOptions(&options);
    dialog->SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST);
    dialog->SetTitle(Widen(Text(PimmoText::FolderPickerTitle)).c_str());
    OpenAt(*dialog.Get(), currentFolder);
    ComPtr<IShellItem> chosen;
    wchar_t* raw = nullptr;
    if (FAILED(dialog->Show(owner)) || FAILED(dialog->GetResult(&chosen)) ||
        FAILED(chosen->GetDisplayName(SIGDN_FILESYSPATH, &raw)))
        return {};
    const UniqueCoTaskMemString path(raw);
    return Narrow(path.Get());
}
