#pragma once
// The two photo windows (borderless PimmoFormBl and bordered PimmoFormBd), which always hold
// the same picture at the same place; exactly one of them, the current one, is visible.
#include <windows.h>

#include <cstdint>
#include <string>

// Creates both windows hidden: first the borderless, then the bordered one.
void LoadPhotoWindows(HINSTANCE instance);
// Puts the picture (natural size, cached or scaled) into both windows and sizes them to it.
void LoadPhoto(const std::string& path);
// Makes the window chosen by border current, moves it to (left, top) twips and captions it.
// A place on no monitor is moved onto the nearest monitor's work area.
void PlacePhotoWindow(int16_t border, int32_t top, int32_t left);
// Gives the other window the caption, place, size and picture of the current one (0 the
// borderless window, any other value the bordered one).
void AlignOtherWindow(int16_t current);
// Shows the chosen window with the stacking order (0 normal, 1 on top, other bottom), hides the other.
void ShowPhotoWindow(int16_t border, int16_t stacking);
// Switches the current window in place: the frame appears or disappears around the photo.
void ToggleBorder();

struct WindowPlace {
    int32_t top = 0;   // twips
    int32_t left = 0;  // twips
};
// The outer position of the current window (chosen by the record's CurrentBorder).
WindowPlace CurrentWindowPlace();

// The current (visible) photo window, owner of the widget's dialogs and menus.
HWND CurrentPhotoWindow();

// The child's name and today's day number since the birthday, for the windows' caption.
std::string AgeCaption();
// Announces today's birthday, month-birthday or round day count, if any.
void AnniversaryMessage();
// Runs until the photo windows are gone; returns the exit code.
int RunMessageLoop();
