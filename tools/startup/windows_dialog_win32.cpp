// windows_dialog.exe: the same-imports yardstick (imports_dialog.exe) with the program's
// main window and its eight page windows made from the program's templates, header rows
// and bitmaps included, hidden as the program keeps them in the tray, and none of its
// logic. What is left between it and Lumora is Lumora's own work beyond its windows.
// At the first tick of its 2.5-second timer it writes the file named by BARE_DIALOG_MARK.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#include <wininet.h>
#include <winsock2.h>

#include "platform/dialog_host_win32.h"
#include "tools/page_viewer/viewer_window.h"

namespace {

constexpr unsigned kPollTimer = 102;

// One function of each DLL Lumora imports, referenced so that the loader maps them all.
void* volatile importedFunctions[] = {
    reinterpret_cast<void*>(&RegCloseKey),       reinterpret_cast<void*>(&InitCommonControls),
    reinterpret_cast<void*>(&GetStockObject),    reinterpret_cast<void*>(&Shell_NotifyIconA),
    reinterpret_cast<void*>(&InternetCloseHandle), reinterpret_cast<void*>(&WSAGetLastError),
};

class Yardstick : public ViewerWindow {
public:
    bool OnInitDialog() override {
        LoadLibraryA("W32N50.dll");
        // The timer first, as Lumora starts its poll before it makes its pages.
        window()->setTimer(kPollTimer, 2500);
        makePages();
        host.SelectPage(0);
        return true;
    }
    void OnTimer(unsigned) override {
        window()->killTimer(kPollTimer);
        char path[MAX_PATH] = {};
        if (GetEnvironmentVariableA("BARE_DIALOG_MARK", path, MAX_PATH) == 0) return;
        HANDLE f = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        if (f == INVALID_HANDLE_VALUE) return;
        WriteFile(f, "tick\n", 5, &written, nullptr);
        CloseHandle(f);
    }
    void OnCancel() override { PostQuitMessage(0); }
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_TAB_CLASSES | ICC_PROGRESS_CLASS | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    DialogHost::setDialogColours(RGB(255, 255, 255), RGB(0, 0, 0));
    Yardstick yardstick;
    DialogHost host(yardstick);
    if (host.createModeless(nullptr) == nullptr) return 1;
    MSG msg{};
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    host.destroy();
    return 0;
}
