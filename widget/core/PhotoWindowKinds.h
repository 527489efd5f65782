#pragma once
// The photo window's frame and stacking order in code; the profile keeps them as integers
// (LastWindowBorder, WindowPosition), read and written only here.
#include <cstdint>

enum class WindowFrame { Borderless, Bordered };
enum class Stacking { Normal, OnTop, Bottom };

// 0 the borderless window, any other value the bordered one.
inline WindowFrame FrameOf(int16_t stored) {
    return stored == 0 ? WindowFrame::Borderless : WindowFrame::Bordered;
}
// The frame to store: a stored value that says it already stays as it was.
inline int16_t StoredFrame(WindowFrame frame, int16_t stored) {
    return FrameOf(stored) == frame ? stored : static_cast<int16_t>(frame == WindowFrame::Bordered ? 1 : 0);
}
// 0 normal, 1 always on top, any other value at the bottom.
inline Stacking StackingOf(int16_t stored) {
    return stored == 0 ? Stacking::Normal : stored == 1 ? Stacking::OnTop : Stacking::Bottom;
}
