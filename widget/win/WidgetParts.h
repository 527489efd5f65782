#pragma once
// The widget's rooms for the one setting it serves, each wired to the rooms it reports to.
// While they are made they only take each other's addresses: no room calls another before all
// of them stand, and a room is handed on as one of its faces only once it is made.
#include <windows.h>

#include "widget/core/PimmoSession.h"
#include "widget/win/DayRolloverWatch.h"
#include "widget/win/MilestoneAnnouncer.h"
#include "widget/win/PhotoFolderSource.h"
#include "widget/win/PhotoMenuCommands.h"
#include "widget/win/PhotoShow.h"
#include "widget/win/PhotoWindowPair.h"
#include "widget/win/SessionEnd.h"
#include "widget/win/SettingKeeper.h"

struct WidgetParts {
    WidgetParts(HINSTANCE instance, PimmoSession& session)
        : keeper(session, pair),
          end(keeper, pair, folder),
          menu(instance, {session, show, pair, keeper, end, folder}),
          show(session, pair, keeper, folder, menu, end),
          pair(show),
          folder(session, show),
          announcer(session, pair),
          rollover(session, pair, folder, announcer) {}
    WidgetParts(const WidgetParts&) = delete;
    WidgetParts& operator=(const WidgetParts&) = delete;

    SettingKeeper keeper;
    SessionEnd end;
    PhotoMenuCommands menu;
    PhotoShow show;
    PhotoWindowPair pair;
    // Declared after the windows, so that it stops before they go.
    PhotoFolderSource folder;
    MilestoneAnnouncer announcer;
    DayRolloverWatch rollover;
};
