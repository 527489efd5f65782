#pragma once
// Keeping a photo window reachable when the monitors change (one removed, the resolution or
// the layout changed): a window on no monitor's work area comes onto the nearest one, by the
// same rule as at start-up, and is otherwise left where the user put it.
#include <vector>

#include "widget/core/PhotoGeometry.h"

// True when the window overlaps a work area by at least one pixel (an empty window counts as
// its top-left pixel).
bool IsOnAnyArea(const PixelRect& window, const std::vector<PixelRect>& workAreas);

// The area nearest to the window (its index, or itself): the first one it overlaps most, or else the first at the
// shortest distance. nullopt for an empty list (or only empty areas).
std::optional<size_t> NearestAreaIndex(const PixelRect& window, const std::vector<PixelRect>& areas);
std::optional<PixelRect> NearestArea(const PixelRect& window, const std::vector<PixelRect>& workAreas);

// The window's place: unchanged when it is on a work area (or none is known), else moved (not
// resized) into the nearest work area with MoveIntoArea.
PixelRect KeepOnMonitors(const PixelRect& window, const std::vector<PixelRect>& workAreas);
// The same with the monitors' whole screens and their work areas (one each, in the same order):
// a window on any screen stays; one on none comes into the work area of the nearest screen.
// This is the rule of the photo windows, at start and after a change of the monitors.
PixelRect KeepOnMonitors(const PixelRect& window,
                         const std::vector<PixelRect>& screens,
                         const std::vector<PixelRect>& workAreas);
