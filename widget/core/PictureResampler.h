#pragma once
// Resamples a picture that arrives in bands of consecutive rows, top to bottom, so that a large
// photo is never held in memory twice. Shrinking averages the covered source area (each target
// pixel is the area-weighted mean of the source pixels under it); enlarging interpolates
// linearly between the nearest source pixels. Both are separable: rows first, then columns.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "widget/core/PixelImage.h"

class PictureResampler {
public:
    PictureResampler(int sourceWidth, int sourceHeight, int targetWidth, int targetHeight);

    // Takes the next rowCount source rows; each has sourceWidth pixels of bytesPerPixel bytes
    // (3: blue, green, red; 4: blue, green, red, unused) and rows are stride bytes apart.
    void AddRows(const uint8_t* rows, int rowCount, size_t stride, int bytesPerPixel);
    int RowsAdded() const { return m_nextSourceRow; }
    // The target picture; valid once all source rows were added.
    PixelImage Finish();

    // Source rows of a band that keeps memory small and the source's calls few.
    static constexpr int kBandRows = 64;

    // Source index and weight of every contribution to one target index.
    struct Tap {
        int source;
        float weight;
    };
    // The contributions to each target index along one axis.
    static std::vector<std::vector<Tap>> AxisTaps(int sourceLength, int targetLength);

private:
    void ResampleRow(const uint8_t* row, int bytesPerPixel);
    void AccumulateRow(int sourceRow);
    void CompleteRowsBefore(int sourceRow);

    int m_sourceHeight;
    std::vector<std::vector<Tap>> m_columnTaps;  // per target column
    std::vector<std::vector<Tap>> m_rowTaps;     // per target row
    std::vector<int> m_lastSourceRow;            // per target row: the last source row it needs
    std::vector<float> m_resampledRow;           // one source row at the target width, 3 channels
    std::vector<std::vector<float>> m_sums;      // per target row still open: its running sums
    int m_nextSourceRow = 0;
    int m_nextTargetRow = 0;  // first target row not yet written
    PixelImage m_target;
};
