#pragma once
// The details dialog: each DLL of one runtime with the path where it was found and its version.
#include <string>

#include "Dialog.h"

namespace pruvo {

class DllInfoDialog : public Dialog {
public:
    DllInfoDialog(std::string runtimeName, std::string dllList)
        : m_runtimeName(std::move(runtimeName)), m_dllList(std::move(dllList)) {}

private:
    BOOL OnInitDialog() override;
    bool OnCommand(int id) override;

    std::string m_runtimeName;
    std::string m_dllList;
};

}  // namespace pruvo
