// The page templates' header row as the program ships it: on each page, which of the six
// pictures can be clicked (a notifying bitmap static) and which picture each one shows
// before the page loads its hover bitmaps.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "platform/dialog.h"
#include "platform/dialog_host_win32.h"
#include "resources/resource_ids.h"

namespace {

// The bitmap's pixels, as 32-bit colours: two pictures are the same when these are.
std::vector<uint32_t> pixelsOf(HBITMAP bitmap) {
    BITMAP info{};
    if (bitmap == nullptr || GetObjectA(bitmap, sizeof info, &info) == 0) return {};
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    format.bmiHeader.biWidth = info.bmWidth;
    format.bmiHeader.biHeight = -info.bmHeight;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    std::vector<uint32_t> pixels(static_cast<size_t>(info.bmWidth) * static_cast<size_t>(info.bmHeight));
    HDC dc = GetDC(nullptr);
    const int rows = GetDIBits(dc, bitmap, 0, static_cast<UINT>(info.bmHeight), pixels.data(), &format, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    if (rows != info.bmHeight) return {};
    return pixels;
}

struct Header {
    int id;
    int bitmap;
    bool clickable;
};

struct PageTemplate {
    int dialog;
    std::vector<Header> row;  // left to right
};

// The page's own button is a plain picture in the look of the current page; the others
// are notifying statics that the page turns into hover buttons. On the wizard's second
// and third steps the wizard button stays clickable (it shows 304 in every state).
std::vector<Header> row(int ownId, int ownBitmap, bool ownClickable) {
    std::vector<Header> r = {{IDC_HEADER_WIZARD, IDB_HEADER_WIZARD, true},
                             {IDC_HEADER_LINK_INFO, IDB_HEADER_LINK, true},
                             {IDC_HEADER_CONFIG, IDB_HEADER_CONFIG, true},
                             {IDC_HEADER_SECURITY, IDB_HEADER_SECURITY, true},
                             {IDC_HEADER_SITE_SURVEY, IDB_HEADER_SURVEY, true},
                             {IDC_HEADER_ABOUT, IDB_HEADER_ABOUT, true}};
    for (Header& h : r)
        if (h.id == ownId) h = {ownId, ownBitmap, ownClickable};
    return r;
}

std::vector<PageTemplate> pageTemplates() {
    return {
        {IDD_LINK_INFO_PAGE, row(IDC_HEADER_LINK_INFO, IDB_HEADER_LINK_CURRENT, false)},
        {IDD_CONFIGURATION_PAGE, row(IDC_HEADER_CONFIG, IDB_HEADER_CONFIG_CURRENT, false)},
        {IDD_SECURITY_PAGE, row(IDC_HEADER_SECURITY, IDB_HEADER_SECURITY_CURRENT, false)},
        {IDD_SITE_SURVEY_PAGE, row(IDC_HEADER_SITE_SURVEY, IDB_HEADER_SURVEY_CURRENT, false)},
        {IDD_ABOUT_PAGE, row(IDC_HEADER_ABOUT, IDB_HEADER_ABOUT_CURRENT, false)},
        {IDD_WIZARD_WELCOME_PAGE, row(IDC_HEADER_WIZARD, IDB_HEADER_WIZARD_CURRENT, false)},
        {IDD_WIZARD_SETUP_PAGE, row(IDC_HEADER_WIZARD, IDB_HEADER_WIZARD_CURRENT, true)},
        {IDD_WIZARD_TEST_PAGE, row(IDC_HEADER_WIZARD, IDB_HEADER_WIZARD_CURRENT, true)},
    };
}

TEST(PageTemplates, EachPageCarriesTheHeaderRowWithItsOwnButtonAsAPlainPicture) {
    HWND frame = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 700, 600, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, frame);
    for (const PageTemplate& t : pageTemplates()) {
        SCOPED_TRACE(t.dialog);
        Dialog page(t.dialog);
        DialogHost host(page);
        HWND hwnd = host.createModeless(frame);
        ASSERT_NE(nullptr, hwnd);
        int previousLeft = -1;
        for (const Header& h : t.row) {
            SCOPED_TRACE(h.id);
            HWND control = GetDlgItem(hwnd, h.id);
            ASSERT_NE(nullptr, control);
            const LONG style = GetWindowLongA(control, GWL_STYLE);
            EXPECT_EQ(SS_BITMAP, style & SS_TYPEMASK);
            EXPECT_EQ(h.clickable, (style & SS_NOTIFY) != 0);
            EXPECT_NE(0, style & WS_VISIBLE);

            HBITMAP expected = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(h.bitmap));
            const auto shown = reinterpret_cast<HBITMAP>(SendMessageA(control, STM_GETIMAGE, IMAGE_BITMAP, 0));
            const std::vector<uint32_t> want = pixelsOf(expected);
            ASSERT_FALSE(want.empty());
            EXPECT_TRUE(want == pixelsOf(shown)) << "shows another picture than " << h.bitmap;
            DeleteObject(expected);

            RECT r{};
            GetWindowRect(control, &r);
            EXPECT_GT(r.left, previousLeft);  // the row runs left to right in this order
            previousLeft = r.left;
        }
        host.destroy();
    }
    DestroyWindow(frame);
}

}  // namespace
