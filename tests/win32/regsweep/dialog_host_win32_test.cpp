// The log window's host on real windows: the one error box Regsweep can show is
// owned by the log window, carries the information icon, and the work goes on once
// it is closed.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

#include "regsweep/registry_access.h"
#include "regsweep/regsweep_dialog.h"
#include "regsweep/regsweep_dialog_win32.h"
#include "regsweep/system_access.h"
#include "regsweep_fixture.h"

namespace {

constexpr regsweep::KeyHandle kHeld = 0x40;

// A registry whose keys never hand over their access list.
class SealedRegistry : public regsweep::RegistryAccess {
public:
    bool open(regsweep::KeyHandle, const std::string&, unsigned long, regsweep::KeyHandle*) override { return false; }
    void close(regsweep::KeyHandle key) override { closed = key; }
    regsweep::ReadStatus readString(regsweep::KeyHandle, const std::string&, std::size_t, std::string*) override {
        return regsweep::ReadStatus::Missing;
    }
    bool subkeyCount(regsweep::KeyHandle, unsigned long*) override { return false; }
    bool subkeyName(regsweep::KeyHandle, unsigned long, std::string*) override { return false; }
    bool deleteTree(regsweep::KeyHandle, const std::string& path) override {
        deleted = path;
        return true;
    }
    bool deleteValue(regsweep::KeyHandle, const std::string&, const std::string&) override { return false; }
    regsweep::GrantResult grantFullAccess(regsweep::KeyHandle, const std::string&) override {
        regsweep::GrantResult result;
        result.status = ERROR_ACCESS_DENIED;
        return result;
    }
    regsweep::KeyHandle closed = regsweep::kNoKey;
    std::string deleted;
};

class NtSystem : public regsweep::SystemAccess {
public:
    unsigned long platformId() override { return regsweep::kPlatformNt; }
    std::string userName() override { return "installer"; }
    void showMessage(const std::string&, const std::string&) override {}
    int runDialog(regsweep::RegsweepDialog&) override { return -1; }
};

struct SeenBox {
    bool found = false;
    std::string caption;
    std::string text;
    bool ownerIsLogWindow = false;
    bool hasIcon = false;
};

struct BoxSearch {
    HWND box = nullptr;
};

// A window of this thread with an owner: the log window has none, a message box has one.
BOOL CALLBACK FindOwnedWindow(HWND window, LPARAM context) {
    if (GetWindow(window, GW_OWNER) == nullptr || !IsWindowVisible(window)) return TRUE;
    reinterpret_cast<BoxSearch*>(context)->box = window;
    return FALSE;
}

std::string StaticTexts(HWND box) {
    std::string texts;
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        char className[16] = {};
        GetClassNameA(child, className, sizeof className);
        if (lstrcmpiA(className, "Static") != 0) continue;
        char text[256] = {};
        GetWindowTextA(child, text, sizeof text);
        texts += text;
    }
    return texts;
}

}  // namespace

TEST(DialogHostWin32, TheAccessListErrorIsAnInformationBoxOwnedByTheLogWindowAndTheWorkGoesOn) {
    HMODULE program = LoadLibraryExA(regsweep_e2e::ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(program, nullptr);
    SealedRegistry registry;
    NtSystem system;
    regsweep::SweepJob job;
    job.mode = regsweep::SweepMode::RegistryPath;
    job.name = "SOFTWARE\\Vexa\\Leftover";
    job.heldKey = kHeld;
    regsweep::RegsweepDialog dialog(registry, system, job);

    // The box is modal on this thread; a second thread reads it and presses OK.
    const DWORD uiThread = GetCurrentThreadId();
    std::atomic<bool> stop{false};
    SeenBox seen;
    std::thread watcher([&] {
        while (!stop) {
            BoxSearch search;
            EnumThreadWindows(uiThread, &FindOwnedWindow, reinterpret_cast<LPARAM>(&search));
            if (search.box != nullptr) {
                char caption[64] = {};
                GetWindowTextA(search.box, caption, sizeof caption);
                seen.caption = caption;
                seen.text = StaticTexts(search.box);
                HWND owner = GetWindow(search.box, GW_OWNER);
                seen.ownerIsLogWindow = GetDlgItem(owner, 1000) != nullptr;
                HWND icon = GetDlgItem(search.box, 0x440);
                seen.hasIcon = icon != nullptr && SendMessageA(icon, STM_GETICON, 0, 0) != 0;
                seen.found = true;
                PostMessageA(search.box, WM_COMMAND, IDOK, 0);
                return;
            }
            Sleep(20);
        }
    });
    regsweep::DialogHostWin32 host(program);
    const int result = host.run(dialog);
    stop = true;
    watcher.join();
    FreeLibrary(program);

    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.caption, "Regsweep");
    EXPECT_NE(seen.text.find("GetSecurityInfo Error"), std::string::npos) << seen.text;
    EXPECT_TRUE(seen.ownerIsLogWindow);
    EXPECT_TRUE(seen.hasIcon);
    // After the box: the held key closed, the path deleted, the window closed by itself.
    EXPECT_EQ(registry.closed, kHeld);
    EXPECT_EQ(registry.deleted, "SOFTWARE\\Vexa\\Leftover");
    EXPECT_EQ(result, 0);
}
