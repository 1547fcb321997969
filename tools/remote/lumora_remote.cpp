// lumora_remote.exe: drives a running Lumora from outside, for scripts/run. It talks to
// the program only as the desktop would: through the tray icon's callback messages and
// window commands. Every wait is bounded.
//
//   lumora_remote wait             wait for the main window (hidden or not)
//   lumora_remote tray-show        double-click the tray icon (its default command)
//   lumora_remote tray-menu        right-click the tray icon (opens the menu)
//   lumora_remote close-menu       press Escape on the open menu
//   lumora_remote journal          print the Link Info page's journal
//   lumora_remote command <id>     send the main window a command (header buttons etc.)
//   lumora_remote page-command <id>  send the page on show a click of its control <id>
//   lumora_remote rect             print the main window's rectangle as WxH+X+Y
//   lumora_remote state            print "visible page" (page = tab index, -1 none)
//   lumora_remote wait-hidden <ms> wait until the main window is hidden
//   lumora_remote wait-shown <ms>  wait until the main window is shown
//   lumora_remote next <title>     click Next on the setup window whose title begins so
//   lumora_remote wait-page <index> [ms]   wait until page <index> is on show, then have
//                                  the window paint itself before answering
//   lumora_remote wait-text <id> <text> [ms]  wait until control <id> (of the first page
//                                  that has one, shown or not) reads <text> at its start ("": any text at all; "A|B":
//                                  either)
//   lumora_remote wait-menu        wait until the tray menu is open
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/main_dialog.h"
#include "resources/resource_ids.h"

namespace {

const char kTitle[] = "Vexa Nimbeo(TM) Wireless USB Adapter Utility";
const char kTrayWindowClass[] = "LumoraTrayWindow";
constexpr UINT kTrayCallback = MainDialog::kTrayCallback;
constexpr WPARAM kTrayIconId = MainDialog::kTrayIconId;
constexpr DWORD kWaitMs = 20000;

// While in the tray the main window is a child of the tray's hidden parking window, so
// it is looked for there as well as among the top-level windows.
HWND mainWindow() {
    if (HWND w = FindWindowA(nullptr, kTitle)) return w;
    HWND parking = nullptr;
    while ((parking = FindWindowExA(nullptr, parking, "LumoraTrayParking", nullptr)) != nullptr)
        if (HWND w = FindWindowExA(parking, nullptr, nullptr, kTitle)) return w;
    return nullptr;
}

HWND trayWindow() {
    HWND main = mainWindow();
    if (!main) return nullptr;
    DWORD pid = 0;
    GetWindowThreadProcessId(main, &pid);
    HWND w = nullptr;
    while ((w = FindWindowExA(nullptr, w, kTrayWindowClass, nullptr)) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == pid) return w;
    }
    return nullptr;
}

template <typename F>
bool waitFor(F done, DWORD ms) {
    DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start >= ms) return false;
        Sleep(50);
    }
    return true;
}

HWND pageOnShow(HWND main) {
    for (HWND page = GetWindow(GetDlgItem(main, IDC_PAGE_HOST), GW_CHILD); page; page = GetWindow(page, GW_HWNDNEXT))
        if (IsWindowVisible(page)) return page;
    return nullptr;
}

int currentPage(HWND main) {
    HWND host = GetDlgItem(main, IDC_PAGE_HOST);
    DWORD_PTR answer = 0;
    if (!host || !SendMessageTimeoutA(host, TCM_GETCURSEL, 0, 0, SMTO_ABORTIFHUNG, kWaitMs, &answer)) return -1;
    return int(LONG_PTR(answer));
}

int fail(const char* what) {
    std::fprintf(stderr, "lumora_remote: %s\n", what);
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return fail("usage: lumora_remote wait|tray-show|tray-menu|command <id>|rect|state");
    std::string verb = argv[1];
    DWORD ms = argc > 2 ? DWORD(std::strtoul(argv[2], nullptr, 10)) : kWaitMs;

    if (verb == "next" && argc > 2) {
        // The setup's own window, not Lumora's: its Next/Install/Finish button has id 1.
        // Its title carries the page's name after the setup's own ("Lumora Setup: ...").
        HWND button = nullptr;
        for (HWND w = nullptr; !button && (w = FindWindowExA(nullptr, w, nullptr, nullptr)) != nullptr;) {
            char title[256] = {};
            GetWindowTextA(w, title, sizeof title);
            if (IsWindowVisible(w) && std::strncmp(title, argv[2], std::strlen(argv[2])) == 0)
                button = GetDlgItem(w, IDOK);
        }
        if (!button) return fail("no setup window");
        PostMessageA(button, BM_CLICK, 0, 0);
        return 0;
    }
    if (verb == "wait") return waitFor([] { return mainWindow() && trayWindow(); }, kWaitMs) ? 0 : fail("no main window");

    HWND main = mainWindow();
    if (!main) return fail("Lumora is not running");

    if (verb == "tray-show" || verb == "tray-menu") {
        HWND tray = trayWindow();
        if (!tray) return fail("no tray window");
        PostMessageA(tray, kTrayCallback, kTrayIconId, verb == "tray-show" ? WM_LBUTTONDBLCLK : WM_RBUTTONUP);
        return 0;
    }
    if (verb == "wait-menu") {
        if (!waitFor([] { return IsWindowVisible(FindWindowA("#32768", nullptr)) != FALSE; }, kWaitMs))
            return fail("no menu open");
        // Drawn before we answer, as for a page.
        RedrawWindow(FindWindowA("#32768", nullptr), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        return 0;
    }
    if (verb == "close-menu") {
        HWND menu = FindWindowA("#32768", nullptr);
        if (!menu) return fail("no menu open");
        PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
        PostMessageA(menu, WM_KEYUP, VK_ESCAPE, 0);
        return waitFor([] { return !IsWindowVisible(FindWindowA("#32768", nullptr)); }, kWaitMs) ? 0
                                                                                                : fail("the menu stays open");
    }
    if (verb == "command" && argc > 2) {
        PostMessageA(main, WM_COMMAND, WPARAM(std::strtoul(argv[2], nullptr, 10)), 0);
        return 0;
    }
    if (verb == "page-command" && argc > 2) {
        const int id = int(std::strtoul(argv[2], nullptr, 10));
        for (HWND page = GetWindow(GetDlgItem(main, IDC_PAGE_HOST), GW_CHILD); page; page = GetWindow(page, GW_HWNDNEXT))
            if (IsWindowVisible(page) && GetDlgItem(page, id)) {
                PostMessageA(page, WM_COMMAND, MAKEWPARAM(id, 0), LPARAM(GetDlgItem(page, id)));
                return 0;
            }
        return fail("no such control on the page on show");
    }
    if (verb == "journal") {
        // The Link Info page's journal, newest line first.
        for (HWND page = GetWindow(GetDlgItem(main, IDC_PAGE_HOST), GW_CHILD); page; page = GetWindow(page, GW_HWNDNEXT))
            if (HWND journal = GetDlgItem(page, IDC_LINK_JOURNAL)) {
                // Another process's edit tells its text only when asked by message.
                char text[16384] = {};
                DWORD_PTR copied = 0;
                SendMessageTimeoutA(journal, WM_GETTEXT, sizeof text, LPARAM(text), SMTO_ABORTIFHUNG, kWaitMs, &copied);
                std::printf("%s\n", text);
                return 0;
            }
        return fail("no journal");
    }
    if (verb == "rect") {
        RECT r{};
        GetWindowRect(main, &r);
        std::printf("%ldx%ld+%ld+%ld\n", r.right - r.left, r.bottom - r.top, r.left, r.top);
        return 0;
    }
    if (verb == "state") {
        std::printf("%s %d\n", IsWindowVisible(main) ? "shown" : "hidden", currentPage(main));
        return 0;
    }
    if (verb == "wait-page" && argc > 2) {
        const int want = std::atoi(argv[2]);
        const DWORD limit = argc > 3 ? DWORD(std::strtoul(argv[3], nullptr, 10)) : kWaitMs;
        if (!waitFor([&] { return currentPage(main) == want && pageOnShow(main) != nullptr; }, limit))
            return fail("the page is not on show");
        // Painted before we answer: a sent paint returns once the program has drawn.
        RedrawWindow(main, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        return 0;
    }
    if (verb == "wait-text" && argc > 3) {
        const int id = std::atoi(argv[2]);
        const std::string want = argv[3];
        const DWORD limit = argc > 4 ? DWORD(std::strtoul(argv[4], nullptr, 10)) : kWaitMs;
        auto reads = [&] {
            char text[256] = {};
            HWND control = nullptr;
            for (HWND page = GetWindow(GetDlgItem(main, IDC_PAGE_HOST), GW_CHILD); page && !control;
                 page = GetWindow(page, GW_HWNDNEXT))
                control = GetDlgItem(page, id);
            // Asked of the control itself: GetWindowText of another process's edit sees
            // only its caption.
            DWORD_PTR got = 0;
            if (!control || !SendMessageTimeoutA(control, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                                                 SMTO_ABORTIFHUNG, kWaitMs, &got) || got == 0)
                return false;
            const std::string have = text;
            for (size_t from = 0;;) {
                const size_t bar = want.find('|', from);
                if (have.rfind(want.substr(from, bar - from), 0) == 0) return true;
                if (bar == std::string::npos) return false;
                from = bar + 1;
            }
        };
        return waitFor(reads, limit) ? 0 : fail("the text never came");
    }
    if (verb == "wait-hidden")
        return waitFor([] { return !IsWindowVisible(mainWindow()); }, ms) ? 0 : fail("still shown");
    if (verb == "wait-shown")
        return waitFor([] { return IsWindowVisible(mainWindow()) != FALSE; }, ms) ? 0 : fail("still hidden");
    return fail("unknown command");
}
