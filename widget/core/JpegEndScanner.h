#pragma once
// Tells whether a JPEG file reaches its end-of-image marker. The system's decoders fill a
// cut-off picture with grey and report success; a picture that was not copied completely is
// refused instead. The scanner walks the segments (whose contents may hold any bytes) and the
// scan data, fed in pieces as the file is read; whatever follows the end marker (some phones
// append a video) is not read.
#include <cstddef>
#include <cstdint>

class JpegEndScanner {
public:
    // Takes the next bytes of the file, from its first byte on.
    void Feed(const uint8_t* data, size_t size);
    // True once the end-of-image marker was seen.
    bool Complete() const { return m_state == State::End; }

private:
    enum class State { MarkerStart, MarkerCode, LengthHigh, LengthLow, Skip, Scan, ScanMarker, End, Broken };
    void Step(uint8_t byte);
    void OnMarker(uint8_t marker);

    State m_state = State::MarkerStart;
    uint8_t m_marker = 0;
    size_t m_remaining = 0;
};
