#pragma once
// The main dialog: the runtimes with their state, download pages, details, help, continue.
#include <string_view>

#include "CheckerApp.h"
#include "Dialog.h"
#include "Runtimes.h"

namespace Pruvo {

class CheckerDialog : public Dialog {
public:
    explicit CheckerDialog(CheckerApp& app) : m_app(app) {}

    // Fills the runtime list from the profile and sets the all-installed flag; returns the
    // profile's runtime count. With no runtimes in the profile the list shows the built-in table.
    int FillRuntimeList();

private:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code) override;

    void SetIcons();
    void EnterInstallerMode();
    void OnHelp();
    void OnDownload();
    void OnDetails();
    // Runtime of row position p: profile entry p + 1, or the built-in entry when the count is 0.
    RuntimeEntry RuntimeAt(int row) const;
    // Adds the runtime's row with its name and state; returns the state.
    std::string_view AddRuntimeRow(int row, const RuntimeEntry& runtime);

    CheckerApp& m_app;
};

}  // namespace Pruvo
