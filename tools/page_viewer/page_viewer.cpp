// Shows the main window with its pages for screenshots (not a test; tools/screenshots
// runs it under Xvfb):
//   page_viewer PAGE [normal|hover|pressed] [HEADER_ID] [SECONDS]
//   page_viewer gallery [SECONDS]     the image strip and the icons, enlarged
//   page_viewer editor [SECONDS]      the profile editor, editing a profile with a WEP key
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "language/language_texts.h"
#include "language/text_source.h"
#include "controls/header_row.h"
#include "controls/page_base.h"
#include "controls/page_host.h"
#include "kit/page_services.h"
#include "pages/profile_editor_dialog.h"
#include "platform/desktop_win32.h"
#include "platform/dialog_host_win32.h"
#include "platform/dialog_runner_win32.h"
#include "profiles/memory_settings_store.h"
#include "profiles/profile_store.h"
#include "resources/resource_ids.h"
#include "viewer_window.h"

namespace {

const int kPageOfHeader[] = {5, 0, 1, 2, 3, 4};

class Viewer : public ViewerWindow {
public:
    Viewer(int page, bool switchOnClick) : page_(page), switchOnClick_(switchOnClick) {}

    bool OnInitDialog() override {
        HWND self = reinterpret_cast<HWND>(window()->ref());
        SendMessageA(self, WM_SETICON, ICON_BIG,
                     reinterpret_cast<LPARAM>(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_APPLICATION_ICON))));
        makePages();
        host.SelectPage(page_);
        return true;
    }
    bool OnCommand(int id, int) override {
        if (!switchOnClick_) return true;  // keep showing the pressed look
        for (int i = 0; i < 6; ++i)
            if (HeaderRow::kPageButtonLooks[i].id == id) host.SelectPage(kPageOfHeader[i]);
        return true;
    }
    void OnCancel() override { PostQuitMessage(0); }

private:
    int page_;
    bool switchOnClick_;
};

LRESULT CALLBACK galleryProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT ps{};
        HDC dc = BeginPaint(hwnd, &ps);
        HINSTANCE self = GetModuleHandleA(nullptr);
        // The strip through an image list with magenta as the mask colour, as the lists use it.
        HIMAGELIST list = ImageList_LoadImageA(self, MAKEINTRESOURCEA(IDB_NETWORK_IMAGES), 16, 1, RGB(255, 0, 255),
                                               IMAGE_BITMAP, LR_CREATEDIBSECTION);
        const int count = list ? ImageList_GetImageCount(list) : 0;
        for (int i = 0; i < count; ++i) ImageList_Draw(list, i, dc, 10 + i * 20, 10, ILD_TRANSPARENT);
        if (list) ImageList_Destroy(list);
        const int icons[] = {IDI_APPLICATION_ICON, IDI_TRAY_NO_SIGNAL, IDI_TRAY_POOR_SIGNAL, IDI_TRAY_FAIR_SIGNAL,
                             IDI_TRAY_GOOD_SIGNAL, IDI_TRAY_NO_CARD};
        for (int i = 0; i < 6; ++i) {
            HICON small = static_cast<HICON>(LoadImageA(self, MAKEINTRESOURCEA(icons[i]), IMAGE_ICON, 16, 16, 0));
            HICON big = static_cast<HICON>(LoadImageA(self, MAKEINTRESOURCEA(icons[i]), IMAGE_ICON, 32, 32, 0));
            DrawIconEx(dc, 10 + i * 40, 40, small, 16, 16, 0, nullptr, DI_NORMAL);
            DrawIconEx(dc, 10 + i * 40, 62, big, 32, 32, 0, nullptr, DI_NORMAL);
            DestroyIcon(small);
            DestroyIcon(big);
        }
        EndPaint(hwnd, &ps);
        return 0;
    }
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

void runFor(int seconds) {
    const UINT_PTR timer = SetTimer(nullptr, 0, static_cast<UINT>(seconds * 1000), nullptr);
    MSG msg{};
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_TIMER && msg.hwnd == nullptr && msg.wParam == timer) {
            KillTimer(nullptr, timer);
            break;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

}  // namespace

int main(int argc, char** argv) {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_TAB_CLASSES | ICC_PROGRESS_CLASS | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    const std::string first = argc > 1 ? argv[1] : "0";
    if (first == "gallery") {
        WNDCLASSA wc{};
        wc.lpfnWndProc = galleryProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        wc.lpszClassName = "LumoraGallery";
        RegisterClassA(&wc);
        HWND w = CreateWindowExA(0, "LumoraGallery", "", WS_POPUP | WS_VISIBLE, 0, 0, 280, 104, nullptr, nullptr,
                                 wc.hInstance, nullptr);
        UpdateWindow(w);
        runFor(argc > 2 ? std::atoi(argv[2]) : 3);
        return 0;
    }
    DialogHost::setDialogColours(RGB(255, 255, 255), RGB(0, 0, 0));
    if (first == "editor") {
        // The editor itself, in Edit mode over a profile kept in memory.
        MemorySettingsStore settings;
        ProfileStore store(settings);
        for (const auto& v : {std::make_pair("SSID", "VexaLab"), std::make_pair("Channel", "6"),
                              std::make_pair("WepEnabled", "1"), std::make_pair("Authentication", "2"),
                              std::make_pair("KeyIndex", "1"), std::make_pair("KeyFormat", "0"),
                              std::make_pair("Key1", "1234567890"), std::make_pair("Key1Length", "0")})
            store.writeValue("Office", v.first, v.second);
        DesktopWin32 desktop;
        IniFileTextSource iniFile;
        LanguageTexts texts(iniFile);
        DialogRunnerWin32 dialogs;
        PageServices services{store, desktop, texts, dialogs};
        ProfileEditorDialog editor(services);
        editor.mode = EditorMode::Edit;
        editor.profileName = "Office";
        editor.networkUsesWep = true;
        DialogHost host(editor);
        HWND hwnd = host.createModeless(nullptr);
        if (hwnd == nullptr) return 1;
        SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
        runFor(argc > 2 ? std::atoi(argv[2]) : 3);
        host.destroy();
        return 0;
    }
    const bool pressing = argc > 2 && std::string(argv[2]) == "pressed";
    Viewer viewer(std::atoi(first.c_str()), !pressing);
    DialogHost host(viewer);
    HWND hwnd = host.createModeless(nullptr);
    if (hwnd == nullptr) return 1;
    SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    runFor(1);  // let the window settle before the mouse is simulated
    const std::string look = argc > 2 ? argv[2] : "normal";
    const int header = argc > 3 ? std::atoi(argv[3]) : 0;
    if (look != "normal" && header != 0) {
        HWND page = GetWindow(GetDlgItem(hwnd, IDC_PAGE_HOST), GW_CHILD);
        for (; page != nullptr; page = GetWindow(page, GW_HWNDNEXT))
            if (IsWindowVisible(page)) break;
        HWND button = page ? GetDlgItem(page, header) : nullptr;
        if (button) {
            SendMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
            if (look == "pressed") SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
        }
    }
    runFor(argc > 4 ? std::atoi(argv[4]) : 3);
    host.destroy();
    return 0;
}
