#pragma once
// The details dialog: shows each DLL of one runtime with the path where it was found and its
// version.
#include <string>
#include <vector>

#include "base/win/Dialog.h"
#include "checker/core/RuntimeCheck.h"

namespace Pruvo {

class DllInfoDialog : public Dialog {
public:
    DllInfoDialog(std::string runtimeName, std::vector<DllDetails> dlls)
        : m_runtimeName(std::move(runtimeName)), m_dlls(std::move(dlls)) {}

private:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code) override;

    std::string m_runtimeName;
    std::vector<DllDetails> m_dlls;
};

}  // namespace Pruvo
