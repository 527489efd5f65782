#include "widget/core/PictureResampler.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kChannels = 3;

// Shrinking: target pixel j covers the source interval [j*s, (j+1)*s); each source pixel
// weighs by the part of it inside, so that the weights add up to 1.
std::vector<PictureResampler::Tap> AreaTaps(int target, double scale, int sourceLength) {
    std::vector<PictureResampler::Tap> taps;
    double start = target * scale;
    double end = std::min((target + 1) * scale, static_cast<double>(sourceLength));
    for (int i = static_cast<int>(std::floor(start)); i < end; ++i) {
        double covered = std::min(i + 1.0, end) - std::max(static_cast<double>(i), start);
        if (covered > 1e-9)
            taps.push_back({i, static_cast<float>(covered / scale)});
    }
    return taps;
}

// Enlarging: the target pixel's centre falls between two source pixel centres.
std::vector<PictureResampler::Tap> LinearTaps(int target, double scale, int sourceLength) {
    double centre = (target + 0.5) * scale - 0.5;
    int left = static_cast<int>(std::floor(centre));
    float fraction = static_cast<float>(centre - left);
    int first = std::clamp(left, 0, sourceLength - 1);
    int second = std::clamp(left + 1, 0, sourceLength - 1);
    if (first == second || fraction == 0.0f)
        return {{first, 1.0f}};
    return {{first, 1.0f - fraction}, {second, fraction}};
}

uint8_t ToByte(float value) {
    return static_cast<uint8_t>(std::clamp(value + 0.5f, 0.0f, 255.0f));
}

}  // namespace

std::vector<std::vector<PictureResampler::Tap>> PictureResampler::AxisTaps(int sourceLength, int targetLength) {
    std::vector<std::vector<Tap>> taps(static_cast<size_t>(targetLength));
    double scale = static_cast<double>(sourceLength) / targetLength;
    for (int j = 0; j < targetLength; ++j)
        taps[j] = scale >= 1.0 ? AreaTaps(j, scale, sourceLength) : LinearTaps(j, scale, sourceLength);
    return taps;
}

PictureResampler::PictureResampler(int sourceWidth, int sourceHeight, int targetWidth, int targetHeight)
    : m_sourceHeight(sourceHeight),
      m_columnTaps(AxisTaps(sourceWidth, targetWidth)),
      m_rowTaps(AxisTaps(sourceHeight, targetHeight)),
      m_resampledRow(static_cast<size_t>(targetWidth) * kChannels),
      m_sums(static_cast<size_t>(targetHeight)),
      m_target(MakePixelImage(targetWidth, targetHeight)) {
    for (const auto& taps : m_rowTaps)
        m_lastSourceRow.push_back(taps.empty() ? -1 : taps.back().source);
}

void PictureResampler::AddRows(const uint8_t* rows, int rowCount, size_t stride, int bytesPerPixel) {
    for (int i = 0; i < rowCount && m_nextSourceRow < m_sourceHeight; ++i) {
        ResampleRow(rows + i * stride, bytesPerPixel);
        AccumulateRow(m_nextSourceRow);
        CompleteRowsBefore(++m_nextSourceRow);
    }
}

PixelImage PictureResampler::Finish() {
    CompleteRowsBefore(m_sourceHeight);
    return std::move(m_target);
}

void PictureResampler::ResampleRow(const uint8_t* row, int bytesPerPixel) {
    float* out = m_resampledRow.data();
    for (const auto& taps : m_columnTaps) {
        float blue = 0, green = 0, red = 0;
        for (const Tap& tap : taps) {
            const uint8_t* pixel = row + static_cast<size_t>(tap.source) * bytesPerPixel;
            blue += tap.weight * pixel[0];
            green += tap.weight * pixel[1];
            red += tap.weight * pixel[2];
        }
        *out++ = blue;
        *out++ = green;
        *out++ = red;
    }
}

// Adds the resampled source row to every target row it contributes to. Target rows use source
// rows in increasing order, so the search starts at the first target row still open.
void PictureResampler::AccumulateRow(int sourceRow) {
    for (size_t j = static_cast<size_t>(m_nextTargetRow); j < m_rowTaps.size(); ++j) {
        const auto& taps = m_rowTaps[j];
        if (taps.empty() || taps.front().source > sourceRow)
            break;
        for (const Tap& tap : taps) {
            if (tap.source != sourceRow)
                continue;
            auto& sums = m_sums[j];
            if (sums.empty())
                sums.assign(m_resampledRow.size(), 0.0f);
            for (size_t k = 0; k < sums.size(); ++k)
                sums[k] += tap.weight * m_resampledRow[k];
        }
    }
}

// Writes out the target rows that need no source row from sourceRow on.
void PictureResampler::CompleteRowsBefore(int sourceRow) {
    while (m_nextTargetRow < m_target.height && m_lastSourceRow[m_nextTargetRow] < sourceRow) {
        auto& sums = m_sums[m_nextTargetRow];
        sums.resize(m_resampledRow.size(), 0.0f);
        for (int x = 0; x < m_target.width; ++x) {
            uint8_t* pixel = m_target.Pixel(x, m_nextTargetRow);
            for (int c = 0; c < kChannels; ++c)
                pixel[c] = ToByte(sums[static_cast<size_t>(x) * kChannels + c]);
            pixel[3] = 255;
        }
        std::vector<float>().swap(sums);
        ++m_nextTargetRow;
    }
}
