// WEP key texts and the key fields' behaviour while the user types, over a control double.
#include <gtest/gtest.h>

#include "profiles/wep_key_fields.h"
#include "profiles/wep_keys.h"
#include "support/fake_controls.h"
#include "support/fake_desktop.h"

namespace {

TEST(WepKeyText, HexTextBeepsOnceAtTheFirstBadCharacter) {
    FakeDesktop d;
    EXPECT_TRUE(isHexText("0123456789abcdefABCDEF", d));
    EXPECT_EQ(d.beeps, 0);
    EXPECT_FALSE(isHexText("", d));
    EXPECT_EQ(d.beeps, 0);
    EXPECT_FALSE(isHexText("12G4Z", d));
    EXPECT_EQ(d.beeps, 1);
    EXPECT_FALSE(isHexText(" 1", d));
    EXPECT_EQ(d.beeps, 2);
}

TEST(WepKeyText, AsciiToHexIsTwoLowerCaseDigitsPerByte) {
    EXPECT_EQ(keyTextToHex(""), "");
    EXPECT_EQ(keyTextToHex("AB12z"), "414231327a");
    EXPECT_EQ(keyTextToHex(std::string("\xE9\xFF\x01", 3)), "e9ff01");
    EXPECT_EQ(keyTextToHex("abcdefghijklm").size(), 26u);
}

TEST(WepKeyText, ParseHexKeyPairsNibblesAndNeverReadsPastTheText) {
    EXPECT_EQ(parseHexKey("5A17C3E90B", 10), (std::vector<uint8_t>{0x5A, 0x17, 0xC3, 0xE9, 0x0B}));
    EXPECT_EQ(parseHexKey("5a17c3e90b", 10), parseHexKey("5A17C3E90B", 10));
    EXPECT_EQ(parseHexKey("3D8F02B6E4A1975C0D2E8B4F61", 26).size(), 13u);
    // Only the first `count` digits count; bad digits are 0; a short text pads with 0.
    EXPECT_EQ(parseHexKey("1122334455FFFF", 10), (std::vector<uint8_t>{0x11, 0x22, 0x33, 0x44, 0x55}));
    EXPECT_EQ(parseHexKey("G1zz", 4), (std::vector<uint8_t>{0x01, 0x00}));
    EXPECT_EQ(parseHexKey("AB", 10), (std::vector<uint8_t>{0xAB, 0, 0, 0, 0}));
}

TEST(WepKeyText, RequiredLengths) {
    EXPECT_EQ(requiredKeyLength(0, false), 10);
    EXPECT_EQ(requiredKeyLength(1, false), 26);
    EXPECT_EQ(requiredKeyLength(0, true), 5);
    EXPECT_EQ(requiredKeyLength(1, true), 13);
    EXPECT_EQ(requiredKeyLength(2, true), 0);
    EXPECT_EQ(requiredKeyLength(-1, false), 0);
}

TEST(WepKeyIds, KeyControlsOfBothWindows) {
    const int expected[4][3] = {{1177, 1182, 1173}, {1178, 1184, 1174}, {1179, 1185, 1175}, {1180, 1186, 1176}};
    for (int n = 1; n <= 4; ++n) {
        EXPECT_EQ(WepKeyId::edit(n), expected[n - 1][0]) << n;
        EXPECT_EQ(WepKeyId::sizeList(n), expected[n - 1][1]) << n;
        EXPECT_EQ(WepKeyId::radio(n), expected[n - 1][2]) << n;
        EXPECT_EQ(WepKeyId::keyOfEdit(expected[n - 1][0]), n);
    }
    EXPECT_EQ(WepKeyId::Format, 1181);
    EXPECT_EQ(WepKeyId::Remark, 1197);
    EXPECT_EQ(WepKeyId::edit(0), 0);
    EXPECT_EQ(WepKeyId::keyOfEdit(1181), 0);
}

// A page with the four key fields, wired as the hosting windows wire them.
class KeyFieldsTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (int n = 1; n <= 4; ++n) {
            ui.addEdit(WepKeyId::edit(n));
            ui.addComboBox(WepKeyId::sizeList(n), {kSize64Text, kSize128Text});
            ui.setSelectionIndex(WepKeyId::sizeList(n), 0);
            ui.addRadio(WepKeyId::radio(n), 1);
            ui.on(WepKeyId::edit(n), FakeControls::Event::Change, [this, n] { fields.onKeyChange(n); });
            ui.on(WepKeyId::edit(n), FakeControls::Event::SetFocus, [this, n] { fields.onKeyFocus(n); });
        }
        ui.addComboBox(WepKeyId::Format, {kFormatHexText, kFormatAsciiText});
        ui.setSelectionIndex(WepKeyId::Format, 0);
        ui.on(WepKeyId::Format, FakeControls::Event::SelChange, [this] { fields.onFormatChange(); });
        ui.addStatic(WepKeyId::Remark, kHexRemarkText);
        ui.addEdit(9999);  // some other field to leave focus on
        ui.setChecked(WepKeyId::radio(1), true);
    }
    std::string text(int n) const { return ui.getText(WepKeyId::edit(n)); }

    FakeControls ui;
    FakeDesktop desktop;
    KeyCheckGuard guard;
    WepKeyFields fields{ui, desktop, guard};
};

TEST_F(KeyFieldsTest, HexFieldRefusesALetterAndStopsAtTenDigits) {
    const int e = WepKeyId::edit(1);
    ui.type(e, "12G");
    EXPECT_EQ(text(1), "12");
    EXPECT_EQ(desktop.beeps, 1);
    EXPECT_EQ(ui.textLimit(e), 10);
    ui.type(e, "3456789ABCDEF");
    EXPECT_EQ(text(1), "123456789A");
    EXPECT_FALSE(ui.runaway);
}

TEST_F(KeyFieldsTest, PastedTextWithABadThirdCharacterShrinksToTwoDigits) {
    const int e = WepKeyId::edit(2);
    ui.focus(e);
    ui.paste(e, "12G456789");
    EXPECT_EQ(text(2), "12");
    EXPECT_EQ(desktop.beeps, 7);  // one beep per character dropped
    EXPECT_EQ(ui.at(e).scrollCaretCalls, 1);   // dropped in one edit
    EXPECT_FALSE(ui.runaway);
}

// A long stored key loaded by the program: the check drops the tail in one edit, whose
// change notification comes back and is ignored, so nothing nests.
TEST_F(KeyFieldsTest, ALongTextSetByTheProgramShrinksWithoutNesting) {
    std::string key = "0aB9f";
    key += 'x';
    while (key.size() < 2000) key += "0123456789abcdefABCDEF"[key.size() % 22];
    const int e = WepKeyId::edit(3);
    ui.setText(e, key);
    EXPECT_EQ(text(3), "0aB9f");
    EXPECT_EQ(desktop.beeps, 1995);
    EXPECT_EQ(ui.at(e).scrollCaretCalls, 1);
    EXPECT_LE(ui.deepest, 2);
    EXPECT_FALSE(ui.runaway);
    // The check left the edit usable: typing goes on with the same rules.
    ui.type(e, "1z");
    EXPECT_EQ(text(3), "0aB9f1");
    EXPECT_EQ(desktop.beeps, 1996);
}

// Another window's single key edit (the wizard's) runs the same check with its own guard.
TEST(HexKeyCheck, ASingleKeyEditOfAnotherWindowUsesTheSameLoop) {
    FakeControls ui;
    FakeDesktop desktop;
    KeyCheckGuard guard;
    const int key = 1165;
    ui.addEdit(key);
    ui.addEdit(9999);
    int handled = 0, removed = 0;
    ui.on(key, FakeControls::Event::Change, [&] {
        if (guard.active()) return;
        ++handled;
        removed += trimToHexDigits(ui, key, desktop, guard);
    });
    ui.focus(9999);
    ui.setText(key, "AB12xyz9");
    EXPECT_EQ(ui.getText(key), "AB12");
    EXPECT_EQ(removed, 4);
    EXPECT_EQ(desktop.beeps, 4);
    EXPECT_EQ(handled, 1) << "the check's own deletions are not checked again";
    EXPECT_EQ(ui.focusedId(), key) << "the check takes the focus, so the user sees it";
    EXPECT_FALSE(guard.active());

    // Digits only, or nothing at all: no beep, nothing removed.
    ui.setText(key, "");
    ui.paste(key, "c0FFEE");
    EXPECT_EQ(ui.getText(key), "c0FFEE");
    EXPECT_EQ(trimToHexDigits(ui, key, desktop, guard), 0);
    ui.setText(key, "");
    EXPECT_EQ(desktop.beeps, 4);
}

TEST_F(KeyFieldsTest, LongPasteIntoA64BitFieldKeepsWhatTheLimitLetsIn) {
    const int e = WepKeyId::edit(1);
    ui.focus(e);  // the focus handler sets the 64-bit limit
    ui.paste(e, "3D8F02B6E4A1975C0D2E8B4F61");
    EXPECT_EQ(text(1), "3D8F02B6E4");
    EXPECT_EQ(desktop.beeps, 0);
}

TEST_F(KeyFieldsTest, ALowerLimitDoesNotShortenTheText) {
    const int e = WepKeyId::edit(3);
    ui.setSelectionIndex(WepKeyId::sizeList(3), 1);
    ui.type(e, "0123456789ABCDEF");
    ui.setSelectionIndex(WepKeyId::sizeList(3), 0);
    ui.focus(9999);
    ui.focus(e);
    EXPECT_EQ(ui.textLimit(e), 10);
    EXPECT_EQ(text(3), "0123456789ABCDEF");
    EXPECT_EQ(ui.selectedText(e), "0123456789ABCDEF");  // valid text stays wholly selected
}

TEST_F(KeyFieldsTest, FocusSelectsAllAndTypingReplacesIt) {
    ui.type(WepKeyId::edit(1), "0123456789");
    ui.focus(9999);
    ui.type(WepKeyId::edit(1), "A");
    EXPECT_EQ(text(1), "A");
}

TEST_F(KeyFieldsTest, AsciiFieldTakesAnyCharacterUpToItsSize) {
    ui.selectByUser(WepKeyId::Format, 1);
    ui.setSelectionIndex(WepKeyId::sizeList(1), 1);
    ui.type(WepKeyId::edit(1), "Hello, World!XYZ");
    EXPECT_EQ(text(1), "Hello, World!");
    EXPECT_EQ(desktop.beeps, 0);
    EXPECT_EQ(ui.textLimit(WepKeyId::edit(1)), 13);
}

TEST_F(KeyFieldsTest, EditingRevealsAMaskedFieldAndMaskingHidesAllFour) {
    for (int n = 1; n <= 4; ++n) ui.setText(WepKeyId::edit(n), "0123456789");
    fields.mask();
    for (int n = 1; n <= 4; ++n) EXPECT_EQ(ui.passwordChar(WepKeyId::edit(n)), '*');
    ui.focus(WepKeyId::edit(2));
    EXPECT_EQ(ui.passwordChar(WepKeyId::edit(2)), '*');  // focus alone does not reveal
    ui.paste(WepKeyId::edit(2), "AB");
    EXPECT_EQ(ui.passwordChar(WepKeyId::edit(2)), 0);
    EXPECT_EQ(ui.passwordChar(WepKeyId::edit(1)), '*');
}

TEST_F(KeyFieldsTest, UnknownSizeSetsNoLimitButStillChecksDigits) {
    EXPECT_FALSE(ui.setSelectionIndex(WepKeyId::sizeList(4), 7));  // fails, keeps 64 bits
    EXPECT_EQ(ui.selection(WepKeyId::sizeList(4)), 0);
    ui.setSelectionIndex(WepKeyId::sizeList(4), -1);  // no size chosen
    EXPECT_EQ(ui.selection(WepKeyId::sizeList(4)), -1);
    ui.type(WepKeyId::edit(4), "0123456789ABCDEF0123456789ABCDEFq");
    EXPECT_EQ(text(4), "0123456789ABCDEF0123456789ABCDEF");
    EXPECT_EQ(desktop.beeps, 1);
}

TEST_F(KeyFieldsTest, RemarkFollowsTheFormatAndTextsStay) {
    ui.type(WepKeyId::edit(1), "0123456789");
    ui.selectByUser(WepKeyId::Format, 1);
    EXPECT_FALSE(ui.isVisible(WepKeyId::Remark));
    EXPECT_EQ(text(1), "0123456789");
    ui.selectByUser(WepKeyId::Format, 0);
    EXPECT_TRUE(ui.isVisible(WepKeyId::Remark));
}

TEST_F(KeyFieldsTest, ValidateChecksOnlyTheDefaultKeysLength) {
    ui.setText(WepKeyId::edit(1), "0123456789");
    ui.setText(WepKeyId::edit(2), "short");  // not the default key: never examined
    EXPECT_TRUE(fields.validateSelectedKey());
    EXPECT_TRUE(desktop.messages.empty());

    // Switching to ASCII with ten digits typed: key 1 now needs 5 characters.
    ui.selectByUser(WepKeyId::Format, 1);
    EXPECT_FALSE(fields.validateSelectedKey());
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text, "WEP Key 1 size mistake!\nNeed 5 characters!");
    EXPECT_EQ(desktop.messages[0].title, "Lumora");
    EXPECT_EQ(desktop.messages[0].icon, MessageIcon::Information);
}

TEST_F(KeyFieldsTest, ValidateUsesTheCheckedKeysSize) {
    ui.click(WepKeyId::radio(3));
    ui.setSelectionIndex(WepKeyId::sizeList(3), 1);
    ui.setText(WepKeyId::edit(3), "0123456789");
    EXPECT_FALSE(fields.validateSelectedKey());
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text, "WEP Key 3 size mistake!\nNeed 26 characters!");
    // Characters are not examined here (set behind the change handler's back).
    ui.at(WepKeyId::edit(3)).text = "zzzzzzzzzzzzzzzzzzzzzzzzzz";
    EXPECT_TRUE(fields.validateSelectedKey());
}

}  // namespace
