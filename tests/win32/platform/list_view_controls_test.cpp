// The Controls binding over real list views: the site survey page's template, columns,
// rows and cells, the selection, the shared image list and the double-click
// notification, under Wine.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/dialog.h"
#include "platform/dialog_host_win32.h"
#include "platform/win32_numbers.h"
#include "resources/resource_ids.h"

namespace {

void pump() {
    MSG msg{};
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

class SurveyTemplate : public Dialog {
public:
    SurveyTemplate() : Dialog(IDD_SITE_SURVEY_PAGE) {}
    std::vector<std::pair<int, uint32_t>> notes;
    bool OnNotify(int id, int code, intptr_t, intptr_t&) override {
        notes.emplace_back(id, uint32_t(code));
        return false;
    }
};

class ListViewControls : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX icc{};
        icc.dwSize = sizeof icc;
        icc.dwICC = ICC_WIN95_CLASSES;
        InitCommonControlsEx(&icc);
        frame = CreateWindowExA(0, "Static", "", WS_POPUP | WS_VISIBLE, 0, 0, 700, 620, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(frame, nullptr);
        host = std::make_unique<DialogHost>(page);
        ASSERT_NE(host->createModeless(frame), nullptr);
        ShowWindow(host->hwnd(), SW_SHOW);
    }
    void TearDown() override {
        host.reset();
        if (frame) DestroyWindow(frame);
    }
    HWND item(int id) const { return GetDlgItem(host->hwnd(), id); }
    Controls& controls() { return host->controls(); }

    HWND frame = nullptr;
    SurveyTemplate page;
    std::unique_ptr<DialogHost> host;
};

TEST_F(ListViewControls, TheSurveyTemplateHasBothListViewsAndItsButtons) {
    const DWORD shared = LVS_REPORT | LVS_SINGLESEL | LVS_SHAREIMAGELISTS;
    const DWORD networkStyle = DWORD(GetWindowLongA(item(IDC_SURVEY_NETWORK_LIST), GWL_STYLE));
    const DWORD profileStyle = DWORD(GetWindowLongA(item(IDC_SURVEY_PROFILE_LIST), GWL_STYLE));
    char name[32] = {};
    GetClassNameA(item(IDC_SURVEY_NETWORK_LIST), name, sizeof name);
    EXPECT_STREQ(name, WC_LISTVIEWA);
    EXPECT_EQ(networkStyle & (shared | LVS_TYPEMASK), shared);
    EXPECT_EQ(networkStyle & (LVS_SHOWSELALWAYS | LVS_NOCOLUMNHEADER), 0u);
    EXPECT_EQ(profileStyle & (shared | LVS_TYPEMASK | LVS_SHOWSELALWAYS | LVS_NOCOLUMNHEADER),
              shared | LVS_SHOWSELALWAYS | LVS_NOCOLUMNHEADER);

    EXPECT_EQ(controls().getText(IDC_SURVEY_RESCAN_TEXT), "Re-Scan");
    EXPECT_FALSE(controls().isVisible(IDC_SURVEY_RESCAN_TEXT));
    EXPECT_FALSE(controls().isVisible(IDC_SURVEY_RESCAN));   // the page shows it
    for (int id : {IDC_SURVEY_CONNECT, IDC_SURVEY_ADD, IDC_SURVEY_REMOVE, IDC_SURVEY_PROPERTIES}) {
        const DWORD style = DWORD(GetWindowLongA(item(id), GWL_STYLE));
        EXPECT_EQ(style & (SS_NOTIFY | WS_VISIBLE), DWORD(SS_NOTIFY | WS_VISIBLE)) << id;
    }
    // Every control lies inside the 662 x 572 pixels the page gets in the main window.
    RECT pageRect{};
    GetWindowRect(host->hwnd(), &pageRect);
    for (int id : {IDC_SURVEY_NETWORK_LIST, IDC_SURVEY_PROFILE_LIST, IDC_SURVEY_RESCAN, IDC_SURVEY_CONNECT,
                   IDC_SURVEY_ADD, IDC_SURVEY_REMOVE, IDC_SURVEY_PROPERTIES}) {
        RECT r{};
        GetWindowRect(item(id), &r);
        EXPECT_TRUE(r.left >= pageRect.left && r.right <= pageRect.left + 662 && r.bottom <= pageRect.top + 572)
            << id << ": " << r.left - pageRect.left << "," << r.top - pageRect.top << " to "
            << r.right - pageRect.left << "," << r.bottom - pageRect.top;
    }
}

TEST_F(ListViewControls, ColumnsRowsCellsAndTheSelection) {
    Controls& c = controls();
    const int list = IDC_SURVEY_NETWORK_LIST;
    RECT client{};
    GetClientRect(item(list), &client);
    EXPECT_EQ(c.listClientWidth(list), client.right);
    EXPECT_GT(c.listClientWidth(list), 500);

    EXPECT_TRUE(c.insertListColumn(list, 0, "BSS/IBSSID", 150));
    EXPECT_TRUE(c.insertListColumn(list, 1, "SSID", 90));
    EXPECT_EQ(SendMessageA(item(list), LVM_GETCOLUMNWIDTH, 1, 0), 90);

    const std::string longName(1000, 'x');   // longer than a first try at reading it
    EXPECT_EQ(c.insertListRow(list, 0, 3, {"00-11-22-33-44-01", "Second"}), 0);
    EXPECT_EQ(c.insertListRow(list, 0, 1, {"00-11-22-33-44-00", "First"}), 0);
    EXPECT_EQ(c.insertListRow(list, 2, 5, {"00-11-22-33-44-02", longName}), 2);
    EXPECT_EQ(c.itemCount(list), 3);
    EXPECT_EQ(c.listCellText(list, 0, 1), "First");
    EXPECT_EQ(c.listCellText(list, 1, 1), "Second");
    EXPECT_EQ(c.listCellText(list, 2, 1), longName);
    EXPECT_EQ(c.listCellText(list, 2, 0), "00-11-22-33-44-02");
    EXPECT_EQ(c.listCellText(list, 7, 0), "");
    LVITEMA it{};
    it.mask = LVIF_IMAGE;
    it.iItem = 2;
    ASSERT_TRUE(SendMessageA(item(list), LVM_GETITEMA, 0, LPARAM(&it)));
    EXPECT_EQ(it.iImage, 5);

    EXPECT_EQ(c.listSelectionMark(list), -1);
    EXPECT_EQ(c.listSelectedRow(list), -1);
    LVITEMA state{};
    state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(item(list), LVM_SETITEMSTATE, 1, LPARAM(&state));
    SendMessageA(item(list), LVM_SETSELECTIONMARK, 0, 1);
    EXPECT_EQ(c.listSelectionMark(list), 1);
    EXPECT_EQ(c.listSelectedRow(list), 1);

    c.deleteListRow(list, 0);
    EXPECT_EQ(c.itemCount(list), 2);
    EXPECT_EQ(c.listCellText(list, 0, 1), "Second");
    EXPECT_EQ(c.listSelectedRow(list), 0);   // the selection moves with its row
    c.clearItems(list);
    EXPECT_EQ(c.itemCount(list), 0);
    EXPECT_EQ(c.listSelectionMark(list), -1);

    c.setListTextColour(list, 0x00000000);
    c.setListFullRowSelect(list);
    EXPECT_EQ(SendMessageA(item(list), LVM_GETTEXTCOLOR, 0, 0), 0);
    EXPECT_TRUE(SendMessageA(item(list), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_FULLROWSELECT);

    // Other controls are not list views: harmless answers.
    EXPECT_EQ(c.insertListRow(IDC_SURVEY_RESCAN_TEXT, 0, 0, {"x"}), -1);
    EXPECT_FALSE(c.insertListColumn(IDC_SURVEY_RESCAN_TEXT, 0, "x", 10));
    EXPECT_EQ(c.listCellText(IDC_SURVEY_RESCAN_TEXT, 0, 0), "");
    EXPECT_EQ(c.listClientWidth(IDC_SURVEY_RESCAN_TEXT), 0);
}

TEST_F(ListViewControls, OneImageListFromTheStripServesBothListsAndOutlivesThem) {
    Controls& c = controls();
    const ImageListRef images = c.createImageList(IDB_NETWORK_IMAGES, 16, 0x00FF00FF);
    ASSERT_NE(images, 0u);
    HIMAGELIST list = reinterpret_cast<HIMAGELIST>(images);
    EXPECT_EQ(ImageList_GetImageCount(list), NETIMG_COUNT);
    int cx = 0, cy = 0;
    ASSERT_TRUE(ImageList_GetIconSize(list, &cx, &cy));
    EXPECT_EQ(cx, 16);
    EXPECT_EQ(cy, 16);
    c.setListImages(IDC_SURVEY_NETWORK_LIST, images);
    c.setListImages(IDC_SURVEY_PROFILE_LIST, images);
    EXPECT_EQ(SendMessageA(item(IDC_SURVEY_NETWORK_LIST), LVM_GETIMAGELIST, LVSIL_SMALL, 0), LRESULT(list));
    EXPECT_EQ(SendMessageA(item(IDC_SURVEY_PROFILE_LIST), LVM_GETIMAGELIST, LVSIL_SMALL, 0), LRESULT(list));

    // Magenta is masked out: drawn on white, no image leaves a magenta pixel behind.
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP canvas = CreateCompatibleBitmap(screen, 16 * NETIMG_COUNT, 16);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, canvas);
    RECT all{0, 0, 16 * NETIMG_COUNT, 16};
    FillRect(dc, &all, HBRUSH(GetStockObject(WHITE_BRUSH)));
    for (int i = 0; i < NETIMG_COUNT; ++i) ImageList_Draw(list, i, dc, 16 * i, 0, ILD_TRANSPARENT);
    int magenta = 0, drawn = 0;
    for (int x = 0; x < 16 * NETIMG_COUNT; ++x)
        for (int y = 0; y < 16; ++y) {
            const COLORREF p = GetPixel(dc, x, y);
            magenta += p == RGB(255, 0, 255);
            drawn += p != RGB(255, 255, 255);
        }
    SelectObject(dc, old);
    DeleteObject(canvas);
    DeleteDC(dc);
    EXPECT_EQ(magenta, 0);
    EXPECT_GT(drawn, 13 * 20);   // and the pictures themselves are there

    // The lists share it: destroying them leaves it to its owner.
    host.reset();
    EXPECT_EQ(ImageList_GetImageCount(list), NETIMG_COUNT);
    ImageList_Destroy(list);
}

TEST_F(ListViewControls, ADoubleClickOnARowReachesTheDialogAsNmDblClk) {
    Controls& c = controls();
    const int id = IDC_SURVEY_PROFILE_LIST;
    c.insertListColumn(id, 0, "ProfileName", 200);
    c.insertListRow(id, 0, 4, {"Home"});
    RECT row{};
    row.left = LVIR_BOUNDS;
    ASSERT_TRUE(SendMessageA(item(id), LVM_GETITEMRECT, 0, LPARAM(&row)));
    const LPARAM at = MAKELPARAM((row.left + row.right) / 2, (row.top + row.bottom) / 2);
    SendMessageA(item(id), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(item(id), WM_LBUTTONUP, 0, at);
    SendMessageA(item(id), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageA(item(id), WM_LBUTTONUP, 0, at);
    pump();
    bool doubleClick = false;
    for (const auto& n : page.notes) doubleClick |= n.first == id && n.second == kNmDblClk;
    EXPECT_TRUE(doubleClick);
    EXPECT_EQ(c.listSelectedRow(id), 0);
    EXPECT_EQ(c.listSelectionMark(id), 0);
}

}  // namespace
