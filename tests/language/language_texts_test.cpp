// Language texts from Config.INI: the language list, lookups with defaults, and the
// choice of the language at start-up.
#include <gtest/gtest.h>

#include "language/language_texts.h"
#include "support/fake_text_source.h"

namespace {

const char* const kPath = "C:\\Program Files\\Lumora\\Config.INI";

class LanguageTextsTest : public ::testing::Test {
protected:
    void file(const std::string& text) { ini.files[kPath] = text; }
    FakeTextSource ini;
    LanguageTexts texts{ini};
};

TEST_F(LanguageTextsTest, ListEndsAtTheFirstMissingNumber) {
    file("[Languages]\nLanguage-1=English\nLanguage-3=Deutsch\n[English]\n");
    EXPECT_TRUE(texts.Open(kPath, "Languages"));
    EXPECT_EQ(texts.Languages(), std::vector<std::string>{"English"});
    EXPECT_EQ(texts.CurrentLanguage(), "English");
}

TEST_F(LanguageTextsTest, ListInKeyOrderAndAnEmptyValueEndsIt) {
    file("[languages]\r\nlanguage-2 = Deutsch\r\nLanguage-1=English\r\nLanguage-3=\r\nLanguage-4=Francais\r\n");
    EXPECT_TRUE(texts.Open(kPath, "Languages"));
    EXPECT_EQ(texts.Languages(), (std::vector<std::string>{"English", "Deutsch"}));
    // Reloading starts afresh.
    file("[Languages]\nLanguage-1=Nederlands\n");
    EXPECT_TRUE(texts.LoadList());
    EXPECT_EQ(texts.Languages(), std::vector<std::string>{"Nederlands"});
    EXPECT_EQ(texts.CurrentLanguage(), "Nederlands");
}

TEST_F(LanguageTextsTest, NoFileOrNoListLeavesEverythingAtDefaults) {
    texts.SetCurrentLanguage("English");
    EXPECT_FALSE(texts.Open(kPath, "Languages"));
    EXPECT_TRUE(texts.Languages().empty());
    EXPECT_EQ(texts.CurrentLanguage(), "English");  // unchanged
    EXPECT_EQ(texts.GetText("TrayShow", "Show"), "Show");
    file("[English]\nTrayShow=Zeigen\n");
    EXPECT_FALSE(texts.Open(kPath, "Languages"));
    EXPECT_EQ(texts.ListSection(), "Languages");
    EXPECT_EQ(texts.FilePath(), kPath);
}

TEST_F(LanguageTextsTest, MissingOrEmptyValueGivesTheDefault) {
    file("[Languages]\nLanguage-1=English\n[English]\nTrayShow=Anzeigen\nTrayHide=\nTrayExit=\"Quit now\"\n");
    texts.Open(kPath, "Languages");
    EXPECT_EQ(texts.GetText("TrayShow", "Show"), "Anzeigen");
    EXPECT_EQ(texts.GetText("TrayHide", "Hide"), "Hide");
    EXPECT_EQ(texts.GetText("Nope", "dflt"), "dflt");
    EXPECT_EQ(texts.GetText("TrayExit", "Exit"), "Quit now");
    texts.SetCurrentLanguage("Klingon");  // no such section
    EXPECT_EQ(texts.GetText("TrayShow", "Show"), "Show");
}

TEST_F(LanguageTextsTest, EveryLookupReadsTheFileAnew) {
    file("[Languages]\nLanguage-1=English\n[English]\nTrayShow=Show\n");
    texts.Open(kPath, "Languages");
    EXPECT_EQ(texts.GetText("TrayShow", "Show"), "Show");
    file("[Languages]\nLanguage-1=English\n[English]\nTrayShow=Open\n");
    EXPECT_EQ(texts.GetText("TrayShow", "Show"), "Open");
}

TEST_F(LanguageTextsTest, LongTextsAreCutAt1999Bytes) {
    const std::string longText(5000, 'x');
    file("[Languages]\nLanguage-1=English\n[English]\nAppRunning=" + longText + "\nUseDevice=" +
         std::string(1999, 'y') + "\n");
    texts.Open(kPath, "Languages");
    EXPECT_EQ(texts.GetText("AppRunning", "d"), std::string(1999, 'x'));
    EXPECT_EQ(texts.GetText("UseDevice", "d"), std::string(1999, 'y'));
}

TEST_F(LanguageTextsTest, DeviceDescriptionFollowsUseDevice) {
    file("[Languages]\nLanguage-1=English\n[English]\nDeviceName1=One\n");
    texts.Open(kPath, "Languages");
    EXPECT_EQ(texts.DeviceDescription(), "One");
    file("[Languages]\nLanguage-1=English\n[English]\nUseDevice=2\nDeviceName1=One\nDeviceName2=Two\n");
    EXPECT_EQ(texts.DeviceDescription(), "Two");
    file("[Languages]\nLanguage-1=English\n[English]\nUseDevice=3\n");
    EXPECT_EQ(texts.DeviceDescription(), "Vexa Nimbeo 54 Mbps Pocket-Size Wireless USB Adapter");
}

TEST_F(LanguageTextsTest, StartupUsesTheStoredNameUnlessItIsAListKey) {
    file("[Languages]\nLanguage-1=Deutsch\n[English]\nTrayShow=Show it\n[Deutsch]\nTrayShow=Zeigen\n");
    texts.Open(kPath, "Languages");
    EXPECT_EQ(texts.CurrentLanguage(), "Deutsch");
    // Nothing stored: "English", even though the list names only Deutsch.
    chooseStartupLanguage(texts, kDefaultLanguage);
    EXPECT_EQ(texts.CurrentLanguage(), "English");
    EXPECT_EQ(texts.GetText("TrayShow", "Show"), "Show it");
    // A stored name that is a key of the list section picks the first listed language.
    chooseStartupLanguage(texts, "Language-1");
    EXPECT_EQ(texts.CurrentLanguage(), "Deutsch");
    EXPECT_EQ(texts.GetText("TrayShow", "Show"), "Zeigen");
    // A stored name with no section: every lookup gives its default.
    chooseStartupLanguage(texts, "Francais");
    EXPECT_EQ(texts.CurrentLanguage(), "Francais");
    EXPECT_EQ(texts.GetText("TrayShow", "Show"), "Show");
}

// The shipped file: every language holds every key, the adapter's description is the same
// in each, English is the built-in text, and the texts fit where they are shown.
TEST(ShippedConfigIni, EveryLanguageHoldsEveryKeyAndItsTextsFit) {
    FakeTextSource ini;
    ASSERT_TRUE(ini.loadFromDisk(LUMORA_SOURCE_DIR "/resources/Config.INI", kPath));
    LanguageTexts texts(ini);
    ASSERT_TRUE(texts.Open(kPath, kLanguagesSection));
    EXPECT_EQ(texts.Languages(), (std::vector<std::string>{"English", "German", "French", "Spanish"}));

    const std::pair<const char*, const char*> english[] = {
        {LanguageKey::AppRunning, DefaultText::AppRunning}, {LanguageKey::UseDevice, DefaultText::UseDevice},
        {"DeviceName1", DefaultText::DeviceName},            {LanguageKey::TrayShow, DefaultText::TrayShow},
        {LanguageKey::TrayHide, DefaultText::TrayHide},      {LanguageKey::TrayExit, DefaultText::TrayExit},
        {LanguageKey::PDError6, DefaultText::PDError6},      {LanguageKey::PDError7, DefaultText::PDError7}};
    // Tray menu items stay short and plain (an '&' would turn into a mnemonic, a tab into
    // an accelerator column); message box texts are one sentence on one line.
    const char* const menuItems[] = {LanguageKey::TrayShow, LanguageKey::TrayHide, LanguageKey::TrayExit};
    const char* const boxTexts[] = {LanguageKey::AppRunning, LanguageKey::PDError6, LanguageKey::PDError7};
    constexpr size_t kMenuItemMax = 16;
    constexpr size_t kBoxTextMax = 80;

    for (const std::string& language : texts.Languages()) {
        SCOPED_TRACE(language);
        texts.SetCurrentLanguage(language);
        for (const auto& k : english) {
            // Read with a default that cannot be the answer, so a missing key shows.
            const std::string text = texts.GetText(k.first, "<missing>");
            EXPECT_NE(text, "<missing>") << k.first;
            if (language == "English") {
                EXPECT_EQ(text, k.second) << k.first;
            }
        }
        EXPECT_EQ(texts.GetText(LanguageKey::UseDevice, "<missing>"), "1");
        EXPECT_EQ(texts.DeviceDescription(), DefaultText::DeviceName);
        for (const char* key : menuItems) {
            const std::string text = texts.GetText(key, "");
            EXPECT_LE(text.size(), kMenuItemMax) << key << ": " << text;
            EXPECT_EQ(text.find_first_of("&\t\r\n"), std::string::npos) << key;
        }
        for (const char* key : boxTexts) {
            const std::string text = texts.GetText(key, "");
            EXPECT_LE(text.size(), kBoxTextMax) << key << ": " << text;
            EXPECT_EQ(text.find_first_of("\r\n\t"), std::string::npos) << key;
        }
        // The reserved profile keeps its own name in every language.
        EXPECT_NE(texts.GetText(LanguageKey::PDError7, "").find("FactoryDefault"), std::string::npos);
    }
    // Texts of one language differ from English: a section copied and left untranslated shows.
    texts.SetCurrentLanguage("German");
    EXPECT_NE(texts.GetText(LanguageKey::TrayExit, ""), DefaultText::TrayExit);
}

// The program reads the file with the ANSI code page: its accented letters must be single
// Windows-1252 bytes, not UTF-8 sequences that would show as two odd characters each.
TEST(ShippedConfigIni, IsWrittenInTheWindowsAnsiCodePage) {
    FakeTextSource ini;
    ASSERT_TRUE(ini.loadFromDisk(LUMORA_SOURCE_DIR "/resources/Config.INI", kPath));
    const std::string& bytes = ini.files[kPath];
    ASSERT_GE(bytes.size(), 3u);
    EXPECT_NE(bytes.substr(0, 3), "\xEF\xBB\xBF");   // no UTF-8 mark
    size_t accented = 0;
    for (size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) continue;
        ++accented;
        // Bytes Windows-1252 leaves undefined.
        EXPECT_TRUE(b != 0x81 && b != 0x8D && b != 0x8F && b != 0x90 && b != 0x9D) << "byte " << i;
        // A UTF-8 lead byte followed by a continuation byte.
        const auto next = i + 1 < bytes.size() ? static_cast<unsigned char>(bytes[i + 1]) : 0;
        EXPECT_FALSE(b >= 0xC2 && b <= 0xF4 && next >= 0x80 && next <= 0xBF) << "UTF-8 at byte " << i;
    }
    EXPECT_GT(accented, 0u);   // the German, French and Spanish texts have accents
}

}  // namespace
