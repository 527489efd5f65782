#include <gtest/gtest.h>

#include "widget/win/WicPicture.h"

namespace {

// A decoder's frame of one grey colour that counts what it is asked; with offersTransform it
// decodes smaller itself, at the scales of the JPEG decoder (1, 1/2, 1/4, 1/8, rounded up).
class StandInFrame : public IWICBitmapFrameDecode, public IWICBitmapSourceTransform {
public:
    StandInFrame(PixelSize stored, bool offersTransform) : m_stored(stored), m_offersTransform(offersTransform) {}
    PixelSize scaledAsked{};
    int wholeBands = 0;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        *out = nullptr;
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IWICBitmapSource) || iid == __uuidof(IWICBitmapFrameDecode))
            *out = static_cast<IWICBitmapFrameDecode*>(this);
        else if (m_offersTransform && iid == __uuidof(IWICBitmapSourceTransform))
            *out = static_cast<IWICBitmapSourceTransform*>(this);
        return *out ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }  // lives on the test's stack
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE GetSize(UINT* w, UINT* h) override {
        return *w = m_stored.width, *h = m_stored.height, S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetPixelFormat(WICPixelFormatGUID* f) override {
        return *f = GUID_WICPixelFormat32bppBGR, S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetResolution(double*, double*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE CopyPalette(IWICPalette*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE CopyPixels(const WICRect*, UINT, UINT size, BYTE* buffer) override {
        return ++wholeBands, memset(buffer, 0x80, size), S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetMetadataQueryReader(IWICMetadataQueryReader**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetColorContexts(UINT, IWICColorContext**, UINT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetThumbnail(IWICBitmapSource**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE CopyPixels(const WICRect*,
                                         UINT w,
                                         UINT h,
                                         WICPixelFormatGUID*,
                                         WICBitmapTransformOptions,
                                         UINT,
                                         UINT size,
                                         BYTE* buffer) override {
        return scaledAsked = {int(w), int(h)}, memset(buffer, 0x80, size), S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetClosestSize(UINT* w, UINT* h) override {
        for (UINT d : {8u, 4u, 2u, 1u})
            if ((m_stored.width + d - 1) / d >= *w && (m_stored.height + d - 1) / d >= *h)
                return *w = (m_stored.width + d - 1) / d, *h = (m_stored.height + d - 1) / d, S_OK;
        return E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE GetClosestPixelFormat(WICPixelFormatGUID* f) override {
        return *f = GUID_WICPixelFormat24bppBGR, S_OK;
    }
    HRESULT STDMETHODCALLTYPE DoesSupportTransform(WICBitmapTransformOptions, BOOL* yes) override {
        return *yes = TRUE, S_OK;
    }

private:
    PixelSize m_stored;
    bool m_offersTransform;
};

TEST(PhotoScaledDecode, AsksTheSmallestScaleNotBelowTheTurnedTargetOrReadsTheWholePicture) {
    const struct {
        PixelSize stored;
        Orientation orientation;
        bool offersTransform;
        PixelSize shownTarget, scaledAsked;  // {0, 0}: the whole picture read in bands
    } kCases[] = {
        {{800, 600}, kUpright, true, {100, 75}, {100, 75}}, {{800, 600}, kUpright, true, {160, 120}, {200, 150}},
        {{600, 800}, 6, true, {160, 120}, {150, 200}},      {{600, 800}, 8, true, {100, 75}, {75, 100}},
        {{800, 600}, kUpright, true, {500, 375}, {0, 0}},   {{800, 600}, kUpright, false, {100, 75}, {0, 0}},
    };
    for (const auto& c : kCases) {
        StandInFrame frame(c.stored, c.offersTransform);
        WicPicture picture{&frame, c.stored, c.orientation};
        std::optional<PixelImage> image = ReadScaled(picture, c.shownTarget);
        ASSERT_TRUE(image) << c.shownTarget.width;
        EXPECT_EQ((PixelSize{image->width, image->height}), c.shownTarget);
        EXPECT_EQ(frame.scaledAsked, c.scaledAsked) << c.shownTarget.width;
        EXPECT_EQ(frame.wholeBands > 0, c.scaledAsked == PixelSize{}) << c.shownTarget.width;
        EXPECT_EQ(image->Pixel(image->width / 2, image->height / 2)[1], 0x80);
    }
}

}  // namespace
