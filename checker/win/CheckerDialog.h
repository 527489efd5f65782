#pragma once
// The main dialog: shows the check's runtimes with their state, and offers download pages,
// details, help and continuing.
#include "base/win/Dialog.h"
#include "checker/core/ProfileReader.h"
#include "checker/core/RuntimeCheck.h"
#include "checker/core/SystemProbe.h"

namespace Pruvo {

class CheckerDialog : public Dialog {
public:
    // The download and details buttons read the profile (or the built-in table) when pressed;
    // the details look at the DLLs through the probe.
    CheckerDialog(const ProfileReader& profile, const RuntimeCheck& check, const SystemProbe& probe)
        : m_profile(profile), m_check(check), m_probe(probe) {}

private:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code) override;

    void SetIcons();
    void FillRuntimeList();
    void EnterInstallerMode();
    void OnHelp();
    void OnDownload();
    void OnDetails();
    // Runtime of row position p: profile entry p + 1, or the built-in entry in plain mode.
    RuntimeEntry RuntimeAt(int row) const;

    const ProfileReader& m_profile;
    const RuntimeCheck& m_check;
    const SystemProbe& m_probe;
};

}  // namespace Pruvo
