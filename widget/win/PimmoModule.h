#pragma once
// The widget's application object: reads the command line, guards the setting with its start
// lock, makes the parts of the one setting and runs the chosen mode. What the widget shows and
// saves is decided by its controller (widget/core/WidgetController); the parts report to it.
#include <windows.h>

#include <functional>
#include <optional>
#include <string_view>

#include "base/core/UserMessage.h"
#include "widget/core/PimmoSession.h"
#include "widget/win/DesktopWatch.h"
#include "widget/win/ProgramEnd.h"
#include "widget/win/WidgetParts.h"

inline constexpr char kAppTitle[] = "Pimmo for Windows";

class PimmoModule final : private DesktopEvents {
public:
    explicit PimmoModule(HINSTANCE instance);

    // Parses the command line, guards the setting with its start lock and runs the chosen mode.
    // Returns the process exit code; every mode returns (show mode when its message loop ends),
    // so that the parts' destructors run.
    int Main(std::wstring_view commandLine);

private:
    // The record's operations on the setting's section of the per-user profile file.
    bool LoadSetting();
    void NewSetting();
    void LoadWindows(WindowFrame first);

    // The one way the widget gives up: releases the start lock, tells the user, ends.
    [[noreturn]] void Fail(const UserMessage& message, ExitCode code);

    // What the desktop tells, to the part it concerns.
    void OnDayMayHaveChanged() override { m_parts->Controller().OnDayMayHaveChanged(); }
    void OnDisplayChanged() override { m_parts->Pair().KeepOnTheScreen(); }
    void OnDevicesChanged() override;

    int RunEditMode();
    int RunDeleteMode();
    int RunShowMode();
    static int RunMessageLoop(const std::function<void()>& afterFirstPaint);

    HINSTANCE m_instance;
    std::optional<PimmoSession> m_session;
    std::optional<WidgetParts> m_parts;
    // The running widget follows the date and the monitors.
    DesktopWatch m_desktop{*this};
};
