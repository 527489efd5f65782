#pragma once
// The details dialog: each DLL of one runtime with the path where it was found and its version.
#include <string>

#include "Dialog.h"

namespace Pruvo {

class DllInfoDialog : public Dialog {
public:
    DllInfoDialog(std::string runtimeName, std::string dllList)
        : m_runtimeName(std::move(runtimeName)), m_dllList(std::move(dllList)) {}

private:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code) override;

    std::string m_runtimeName;
    std::string m_dllList;
};

}  // namespace Pruvo
