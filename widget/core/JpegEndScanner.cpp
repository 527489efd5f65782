#include "widget/core/JpegEndScanner.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr uint8_t kEndOfImage = 0xD9;
constexpr uint8_t kStartOfScan = 0xDA;

// Markers without a length: SOI, RST0..RST7 and TEM.
bool IsStandalone(uint8_t marker) {
    return marker == 0xD8 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7);
}

}  // namespace

void JpegEndScanner::Feed(const uint8_t* data, size_t size) {
    size_t at = 0;
    while (at < size && m_state != State::End && m_state != State::Broken) {
        if (m_state == State::Skip) {  // a segment's contents, whatever they hold
            size_t taken = std::min(m_remaining, size - at);
            at += taken;
            m_remaining -= taken;
            if (m_remaining == 0)
                m_state = m_marker == kStartOfScan ? State::Scan : State::MarkerStart;
        } else if (m_state == State::Scan) {  // scan data: only an 0xFF can start a marker
            const void* mark = std::memchr(data + at, 0xFF, size - at);
            if (!mark)
                return;
            at = static_cast<size_t>(static_cast<const uint8_t*>(mark) - data) + 1;
            m_state = State::ScanMarker;
        } else {
            Step(data[at++]);
        }
    }
}

void JpegEndScanner::Step(uint8_t byte) {
    switch (m_state) {
        case State::MarkerStart:  // bytes between segments are skipped, as decoders do
            if (byte == 0xFF)
                m_state = State::MarkerCode;
            break;
        case State::MarkerCode:
            if (byte != 0xFF)
                OnMarker(byte);  // 0xFF: a fill byte
            break;
        case State::ScanMarker:
            if (byte == 0x00 || (byte >= 0xD0 && byte <= 0xD7))
                m_state = State::Scan;  // stuffed 0xFF, restart
            else if (byte != 0xFF)
                OnMarker(byte);
            break;
        case State::LengthHigh:
            m_remaining = static_cast<size_t>(byte) << 8;
            m_state = State::LengthLow;
            break;
        case State::LengthLow:
            m_remaining |= byte;
            if (m_remaining < 2) {  // a length that cannot be: the file is damaged
                m_state = State::Broken;
                break;
            }
            m_remaining -= 2;
            m_state = State::Skip;
            if (m_remaining == 0)
                m_state = m_marker == kStartOfScan ? State::Scan : State::MarkerStart;
            break;
        default:
            break;
    }
}

void JpegEndScanner::OnMarker(uint8_t marker) {
    if (marker == kEndOfImage)
        m_state = State::End;
    else if (IsStandalone(marker))
        m_state = State::MarkerStart;
    else {
        m_marker = marker;
        m_state = State::LengthHigh;
    }
}
