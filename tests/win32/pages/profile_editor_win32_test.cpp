// The profile editor made from its template by the dialog host: a profile loaded in Edit
// mode shows its keys masked, and in hexadecimal a typed G is dropped with a beep while
// the digits before it stay, through the edit's own change notification.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "adapter/current_adapter.h"
#include "language/language_texts.h"
#include "kit/page_services.h"
#include "pages/profile_editor_dialog.h"
#include "platform/dialog_host_win32.h"
#include "platform/dialog_runner.h"
#include "profiles/memory_settings_store.h"
#include "profiles/profile_store.h"
#include "profiles/wep_key_fields.h"
#include "support/fake_desktop.h"
#include "support/fake_text_source.h"

namespace {

class NoDialogs : public DialogRunner {
public:
    int runModal(Dialog&) override { return -1; }
};

class EditorWindow : public ::testing::Test {
protected:
    void SetUp() override {
        SetCurrentAdapter(nullptr);
        for (const auto& v : {std::make_pair("SSID", "VexaLab"), std::make_pair("WepEnabled", "1"),
                              std::make_pair("KeyIndex", "1"), std::make_pair("KeyFormat", "0"),
                              std::make_pair("Key1Length", "0"), std::make_pair("Key1", "1234567890"),
                              std::make_pair("Channel", "1")})
            store.writeValue("Lab", v.first, v.second);
        editor.mode = EditorMode::Edit;
        editor.profileName = "Lab";
        editor.networkUsesWep = true;
        hwnd = host.createModeless(nullptr);
        ASSERT_NE(hwnd, nullptr);
    }
    void TearDown() override { host.destroy(); }

    HWND item(int id) const { return GetDlgItem(hwnd, id); }
    std::string text(int id) const {
        char buffer[256] = {};
        GetWindowTextA(item(id), buffer, sizeof buffer);
        return buffer;
    }
    char passwordChar(int id) const { return char(SendMessageA(item(id), EM_GETPASSWORDCHAR, 0, 0)); }
    void type(int id, const std::string& keys) {
        SetFocus(item(id));
        for (char ch : keys) SendMessageA(item(id), WM_CHAR, WPARAM(static_cast<unsigned char>(ch)), 1);
    }

    FakeDesktop desktop;
    MemorySettingsStore settings;
    ProfileStore store{settings};
    FakeTextSource textSource;
    LanguageTexts texts{textSource};
    NoDialogs dialogs;
    PageServices services{store, desktop, texts, dialogs};
    ProfileEditorDialog editor{services};
    DialogHost host{editor};
    HWND hwnd = nullptr;
};

TEST_F(EditorWindow, LoadedKeysAreMaskedAndAHexKeyDropsATypedG) {
    char title[64] = {};
    GetWindowTextA(hwnd, title, sizeof title);
    EXPECT_STREQ(title, "Profile: Lab");
    for (int n = 1; n <= 4; ++n) EXPECT_EQ(passwordChar(WepKeyId::edit(n)), '*') << n;
    EXPECT_EQ(text(WepKeyId::edit(1)), "1234567890");
    // Stored as hexadecimal: the remark shows (the dialog itself is never shown).
    EXPECT_NE(GetWindowLongA(item(IDC_EDITOR_HEX_REMARK), GWL_STYLE) & WS_VISIBLE, 0);
    EXPECT_EQ(SendMessageA(item(IDC_EDITOR_CHANNEL), CB_GETCOUNT, 0, 0), 14);   // no adapter: the whole plan
    EXPECT_EQ(text(IDC_EDITOR_CHANNEL), "1");

    type(WepKeyId::edit(2), "12G");
    EXPECT_EQ(text(WepKeyId::edit(2)), "12");
    EXPECT_EQ(desktop.beeps, 1);
    EXPECT_EQ(passwordChar(WepKeyId::edit(2)), 0);   // typing shows the key in clear
    EXPECT_EQ(passwordChar(WepKeyId::edit(1)), '*');
    type(WepKeyId::edit(2), "3456789ABCDEF");
    EXPECT_EQ(text(WepKeyId::edit(2)), "123456789A");   // 64 bits: ten digits
    EXPECT_EQ(desktop.beeps, 1);
}

}  // namespace
