// The program's icons as the system loads them. Systems that draw icons without their
// alpha channel (the 9x family, 2000) combine the colour image with the screen through
// the mask alone: a pixel the mask leaves transparent must carry no colour, or it shows
// as a speck around the picture.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "resources/resource_ids.h"

namespace {

std::vector<uint32_t> pixelsOf(HBITMAP bitmap, int width, int height) {
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * static_cast<size_t>(height));
    HDC dc = GetDC(nullptr);
    const int rows = GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), pixels.data(), &format, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    if (rows != height) pixels.clear();
    return pixels;
}

TEST(ProgramIcons, TransparentPixelsCarryNoColourAtEverySize) {
    const int ids[] = {IDI_APPLICATION_ICON, IDI_TRAY_NO_SIGNAL, IDI_TRAY_POOR_SIGNAL, IDI_TRAY_FAIR_SIGNAL,
                       IDI_TRAY_GOOD_SIGNAL, IDI_TRAY_NO_CARD};
    for (int id : ids) {
        for (int size : {16, 32}) {
            SCOPED_TRACE(testing::Message() << "icon " << id << " at " << size);
            HICON icon = static_cast<HICON>(
                LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, 0));
            ASSERT_NE(nullptr, icon);
            ICONINFO info{};
            ASSERT_TRUE(GetIconInfo(icon, &info));
            ASSERT_NE(nullptr, info.hbmColor);
            const std::vector<uint32_t> colour = pixelsOf(info.hbmColor, size, size);
            const std::vector<uint32_t> mask = pixelsOf(info.hbmMask, size, size);
            ASSERT_FALSE(colour.empty());
            ASSERT_FALSE(mask.empty());
            int transparent = 0;
            int stray = 0;
            for (size_t i = 0; i < colour.size(); ++i) {
                if ((mask[i] & 0xFFFFFF) == 0) continue;  // drawn
                ++transparent;
                if ((colour[i] & 0xFFFFFF) != 0) ++stray;
            }
            EXPECT_GT(transparent, 0);  // the picture does not fill its square
            EXPECT_EQ(0, stray);
            DeleteObject(info.hbmColor);
            DeleteObject(info.hbmMask);
            DestroyIcon(icon);
        }
    }
}

}  // namespace
