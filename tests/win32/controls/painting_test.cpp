// What the custom controls draw, checked pixel by pixel: rendered into a bitmap with
// the same replay the controls' windows use, and once through a real window.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "controls/bar_graph.h"
#include "controls/page_base.h"
#include "controls/text_progress_bar.h"
#include "platform/dialog_host_win32.h"
#include "resources/resource_ids.h"
#include "win32_support.h"

namespace {

constexpr COLORREF kBar = RGB(51, 102, 153);
constexpr COLORREF kBack = RGB(255, 255, 255);
constexpr COLORREF kGraphBlue = RGB(51, 103, 153);

// A page with one progress bar and one static rectangle added at run time, under ids
// that no template uses (the page's own bars and graphs must not be found instead).
constexpr int kBarId = 9162;
constexpr int kGraphId = 9227;
struct PageWithControls : ::testing::Test {
    PageBase page{IDD_LINK_INFO_PAGE};
    DialogHost host{page};
    HWND frame = nullptr;
    HWND hwnd = nullptr;
    HWND progress = nullptr;
    HWND graphWindow = nullptr;

    void SetUp() override {
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_PROGRESS_CLASS | ICC_TAB_CLASSES};
        InitCommonControlsEx(&icc);
        // The page template is a child dialog: it needs a parent window.
        frame = CreateWindowExA(0, "Static", "", WS_POPUP | WS_VISIBLE, 0, 0, 500, 300, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(nullptr, frame);
        hwnd = host.createModeless(frame);
        ASSERT_NE(nullptr, hwnd);
        ShowWindow(hwnd, SW_SHOW);
        progress = CreateWindowExA(0, PROGRESS_CLASSA, "", WS_CHILD | WS_VISIBLE, 10, 60, 100, 20, hwnd,
                                   reinterpret_cast<HMENU>(kBarId), GetModuleHandleA(nullptr), nullptr);
        graphWindow = CreateWindowExA(0, "Static", "", WS_CHILD | WS_VISIBLE, 150, 60, 147, 42, hwnd,
                                      reinterpret_cast<HMENU>(kGraphId), GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(nullptr, progress);
        ASSERT_NE(nullptr, graphWindow);
    }
    void TearDown() override {
        host.destroy();
        DestroyWindow(frame);
    }
};

TEST_F(PageWithControls, ProgressBarAt37PercentFillsThirtySevenColumnsAndCentresItsText) {
    TextProgressBar bar;
    ASSERT_TRUE(host.attachControl(kBarId, bar));
    SendMessageA(progress, PBM_SETRANGE32, 0, 100);
    SendMessageA(progress, PBM_SETBARCOLOR, 0, kBar);
    SendMessageA(progress, PBM_SETBKCOLOR, 0, kBack);
    EXPECT_EQ(0, SendMessageA(progress, PBM_SETPOS, 37, 0));
    EXPECT_EQ(37, SendMessageA(progress, PBM_GETPOS, 0, 0));
    EXPECT_EQ(0, SendMessageA(progress, PBM_GETRANGE, TRUE, 0));
    EXPECT_EQ(100, SendMessageA(progress, PBM_GETRANGE, FALSE, 0));

    // The standard control keeps a thin edge: work in its client area.
    RECT client{};
    GetClientRect(progress, &client);
    const int w = client.right;
    const int h = client.bottom;
    ASSERT_GT(w, 80);
    const int filled = 37 * w / 100;

    RenderTarget target(w, h, RGB(200, 0, 200));
    PaintList list;
    bar.paint(w, h, list);
    target.draw(list, reinterpret_cast<HFONT>(SendMessageA(hwnd, WM_GETFONT, 0, 0)));

    // The top row carries no text: the bar ends exactly at 37 % of the width.
    for (int x = 0; x < filled; ++x) EXPECT_EQ(kBar, target.pixel(x, 0)) << x;
    for (int x = filled; x < w; ++x) EXPECT_EQ(kBack, target.pixel(x, 0)) << x;

    // "37%" is centred, drawn in the background colour over the bar and in the bar
    // colour over the background. Find the text by those swapped colours.
    int left = -1;
    int right = -1;
    for (int x = 0; x < w; ++x)
        for (int y = 1; y < h; ++y) {
            const COLORREF p = target.pixel(x, y);
            const bool text = x < filled ? p != kBar : p != kBack;
            if (text) {
                if (left < 0) left = x;
                right = x;
            }
        }
    ASSERT_GE(left, 0);
    EXPECT_NEAR(w / 2, (left + right + 1) / 2, 2);
    EXPECT_EQ("37%", bar.GetDisplayText());

    // At 50 % the bar's edge runs through the text: each side is drawn in the other
    // side's colour.
    SendMessageA(progress, PBM_SETPOS, 50, 0);
    RenderTarget half(w, h, RGB(200, 0, 200));
    PaintList halfList;
    bar.paint(w, h, halfList);
    half.draw(halfList, reinterpret_cast<HFONT>(SendMessageA(hwnd, WM_GETFONT, 0, 0)));
    const int edge = 50 * w / 100;
    bool backOverBar = false;
    bool barOverBack = false;
    for (int x = 0; x < w; ++x)
        for (int y = 1; y < h; ++y) {
            if (x < edge && half.pixel(x, y) == kBack) backOverBar = true;
            if (x >= edge && half.pixel(x, y) == kBar) barOverBack = true;
        }
    EXPECT_TRUE(backOverBar);
    EXPECT_TRUE(barOverBack);
    SendMessageA(progress, PBM_SETPOS, 37, 0);

    // The window draws the same picture when asked to paint into a DC of ours.
    RenderTarget fromWindow(w, h, RGB(200, 0, 200));
    SendMessageA(progress, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(fromWindow.dc()), PRF_CLIENT);
    for (int x = 0; x < w; ++x)
        for (int y = 0; y < h; ++y) ASSERT_EQ(target.pixel(x, y), fromWindow.pixel(x, y)) << x << "," << y;
}

// What a window shows, read back from its own device context.
COLORREF onScreen(HWND window, int x, int y) {
    HDC dc = GetDC(window);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return colour;
}

void paintOver(HWND window, const RECT& area, COLORREF colour) {
    HDC dc = GetDC(window);
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &area, brush);
    DeleteObject(brush);
    ReleaseDC(window, dc);
}

TEST_F(PageWithControls, ProgressBarWindowPaintsThroughItsBufferAndLeavesAnEmptyRangeAlone) {
    TextProgressBar bar;
    ASSERT_TRUE(host.attachControl(kBarId, bar));
    SendMessageA(progress, PBM_SETRANGE32, 0, 100);
    SendMessageA(progress, PBM_SETBARCOLOR, 0, kBar);
    SendMessageA(progress, PBM_SETBKCOLOR, 0, kBack);
    SendMessageA(progress, PBM_SETPOS, 37, 0);
    RECT client{};
    GetClientRect(progress, &client);
    const int w = client.right;
    const int h = client.bottom;

    RenderTarget expected(w, h, RGB(200, 0, 200));
    PaintList list;
    bar.paint(w, h, list);
    expected.draw(list, reinterpret_cast<HFONT>(SendMessageA(hwnd, WM_GETFONT, 0, 0)));
    constexpr COLORREF kMarker = RGB(200, 0, 200);
    auto sameAsExpected = [&](const char* when) {
        for (int x = 0; x < w; ++x)
            for (int y = 0; y < h; ++y)
                ASSERT_EQ(expected.pixel(x, y), onScreen(progress, x, y)) << when << " " << x << "," << y;
    };

    paintOver(progress, client, kMarker);
    RedrawWindow(progress, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    sameAsExpected("whole control");

    // Only the right part repaints: the off-screen picture must land where it belongs.
    RECT right{w / 2 + 3, 0, w, h};
    paintOver(progress, right, kMarker);
    RedrawWindow(progress, &right, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    sameAsExpected("right part");

    // With an empty range nothing is drawn: what was there stays.
    SendMessageA(progress, PBM_SETRANGE32, 30, 30);
    paintOver(progress, client, kMarker);
    RedrawWindow(progress, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    for (int x = 0; x < w; ++x)
        for (int y = 0; y < h; ++y) ASSERT_EQ(kMarker, onScreen(progress, x, y)) << x << "," << y;
}

TEST_F(PageWithControls, ProgressBarWindowAnswersTextAndSizeMessages) {
    TextProgressBar bar;
    ASSERT_TRUE(host.attachControl(kBarId, bar));
    SendMessageA(progress, PBM_SETPOS, 50, 0);
    EXPECT_EQ(50, bar.GetBarWidth());
    SetWindowTextA(progress, "Fair");
    EXPECT_EQ("Fair", bar.GetDisplayText());
    char text[3] = {'x', 'x', 'x'};
    EXPECT_EQ(2, SendMessageA(progress, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text)));
    EXPECT_STREQ("Fa", text);
    SetWindowPos(progress, nullptr, 0, 0, 200, 20, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(-1, bar.GetBarWidth());  // the next position change repaints
    SendMessageA(progress, PBM_SETPOS, 50, 0);
    EXPECT_EQ(100, bar.GetBarWidth());
}

TEST_F(PageWithControls, BarGraphGuideLinesAndAWrappedBar) {
    BarGraph graph;
    ASSERT_TRUE(host.attachControl(kGraphId, graph));
    EXPECT_EQ(40, graph.SetBarCount(40));
    graph.SetScale(1);
    graph.SetBarHeight(5, 50);   // 50 on a 42-pixel graph: 8 pixels
    graph.SetBarHeight(20, 42);  // full height
    EXPECT_EQ(-1, graph.SetBarCount(148));

    RenderTarget target(147, 42, RGB(200, 0, 200));
    PaintList list;
    graph.paint(147, 42, list);
    target.draw(list);
    EXPECT_EQ(8, graph.GetStoredHeight(5));

    constexpr COLORREF white = RGB(255, 255, 255);
    for (int y : {10, 21, 31, 41}) EXPECT_EQ(white, target.pixel(70, y)) << y;
    EXPECT_EQ(kGraphBlue, target.pixel(70, 5));
    EXPECT_EQ(kGraphBlue, target.pixel(70, 30));

    const Rect bar5 = graph.GetBarRect(5, 147, 42);  // x 5, 2 wide
    ASSERT_EQ(5, bar5.left);
    for (int y = 34; y < 42; ++y) EXPECT_EQ(white, target.pixel(5, y)) << y;
    EXPECT_EQ(kGraphBlue, target.pixel(5, 33));
    const Rect bar20 = graph.GetBarRect(20, 147, 42);
    EXPECT_EQ(white, target.pixel(bar20.left, 1));
    // Left of bar 2's remains and between bars the background shows.
    EXPECT_EQ(kGraphBlue, target.pixel(bar5.right, 36));

    // Through the window: erasing its background draws the whole graph.
    RenderTarget erased(147, 42, RGB(200, 0, 200));
    EXPECT_EQ(TRUE, SendMessageA(graphWindow, WM_ERASEBKGND, reinterpret_cast<WPARAM>(erased.dc()), 0));
    for (int x = 0; x < 147; ++x)
        for (int y = 0; y < 42; ++y) ASSERT_EQ(target.pixel(x, y), erased.pixel(x, y)) << x << "," << y;
}

TEST_F(PageWithControls, BarGraphPlacesBarsExactlyInTheProgramsOwnArithmetic) {
    // The 32-bit build computes with the x87 unit: bars 3 pixels wide on a 200-pixel
    // graph must not come out 2 pixels wide, nor one pixel off.
    SetWindowPos(graphWindow, nullptr, 0, 0, 200, 42, SWP_NOMOVE | SWP_NOZORDER);
    BarGraph graph;
    ASSERT_TRUE(host.attachControl(kGraphId, graph));
    ASSERT_EQ(40, graph.SetBarCount(40));
    graph.SetScale(1);
    graph.SetBarHeight(10, 42);  // x = 1.1 x 200 / 40 x 10 - 15 = 40, 3 wide
    EXPECT_EQ(Rect::fromSize(40, 0, 3, 42), graph.GetBarRect(10, 200, 42));
    EXPECT_EQ(Rect::fromSize(-4, 42, 3, 0), graph.GetBarRect(2, 200, 42));

    RenderTarget erased(200, 42, RGB(200, 0, 200));
    ASSERT_EQ(TRUE, SendMessageA(graphWindow, WM_ERASEBKGND, reinterpret_cast<WPARAM>(erased.dc()), 0));
    constexpr COLORREF white = RGB(255, 255, 255);
    EXPECT_EQ(kGraphBlue, erased.pixel(39, 5));
    for (int x = 40; x < 43; ++x) EXPECT_EQ(white, erased.pixel(x, 5)) << x;
    EXPECT_EQ(kGraphBlue, erased.pixel(43, 5));
}

TEST_F(PageWithControls, AControlChangedWhileHiddenPaintsItsLatestStateWhenShown) {
    // Hidden controls are not invalidated (it would cost a trip to the window system on
    // every tick in the tray); showing them must then draw what they hold now.
    BarGraph graph;
    ASSERT_TRUE(host.attachControl(kGraphId, graph));
    ASSERT_EQ(40, graph.SetBarCount(40));
    graph.SetScale(1);
    const Rect bar = graph.GetBarRect(20, 147, 42);
    RECT pending{};
    UpdateWindow(hwnd);
    graph.SetBarHeight(20, 10);
    EXPECT_TRUE(GetUpdateRect(graphWindow, &pending, FALSE));   // visible: a change asks for a repaint
    UpdateWindow(hwnd);
    EXPECT_EQ(kGraphBlue, onScreen(graphWindow, bar.left, 1));
    ShowWindow(hwnd, SW_HIDE);
    graph.SetBarHeight(20, 42);
    ShowWindow(hwnd, SW_SHOW);
    UpdateWindow(hwnd);
    EXPECT_EQ(RGB(255, 255, 255), onScreen(graphWindow, bar.left, 1));
}

TEST_F(PageWithControls, ChangesBetweenTwoPaintsAllShowAndTheNextChangeAsksAgain) {
    // A graph asks for one repaint however many bars change before it comes; every
    // change must still show, and a change after the paint must ask again.
    BarGraph graph;
    ASSERT_TRUE(host.attachControl(kGraphId, graph));
    ASSERT_EQ(40, graph.SetBarCount(40));
    graph.SetScale(1);
    UpdateWindow(hwnd);
    const int bars[] = {20, 21, 22, 39};
    RECT pending{};
    for (int round = 0; round < 4; ++round) {
        const bool full = round % 2 == 1;
        for (int i : bars) graph.SetBarHeight(i, full ? 42 : 10);
        EXPECT_TRUE(GetUpdateRect(graphWindow, &pending, FALSE)) << round;
        UpdateWindow(hwnd);
        EXPECT_FALSE(GetUpdateRect(graphWindow, &pending, FALSE)) << round;
        for (int i : bars)
            EXPECT_EQ(full ? RGB(255, 255, 255) : kGraphBlue, onScreen(graphWindow, graph.GetBarRect(i, 147, 42).left, 1))
                << "round " << round << ", bar " << i;
    }
}

}  // namespace
