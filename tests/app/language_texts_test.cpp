// Language texts from Config.INI: the language list, lookups with defaults, and the
// choice of the language at start-up.
#include <gtest/gtest.h>

#include "app/language_texts.h"
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

TEST(ShippedConfigIni, HoldsEveryKeyWithItsBuiltInText) {
    FakeTextSource ini;
    ASSERT_TRUE(ini.loadFromDisk(LUMORA_SOURCE_DIR "/resources/Config.INI", kPath));
    LanguageTexts texts(ini);
    ASSERT_TRUE(texts.Open(kPath, kLanguagesSection));
    EXPECT_EQ(texts.Languages(), std::vector<std::string>{"English"});
    const std::pair<const char*, const char*> keys[] = {
        {LanguageKey::AppRunning, DefaultText::AppRunning}, {LanguageKey::UseDevice, DefaultText::UseDevice},
        {"DeviceName1", DefaultText::DeviceName},            {LanguageKey::TrayShow, DefaultText::TrayShow},
        {LanguageKey::TrayHide, DefaultText::TrayHide},      {LanguageKey::TrayExit, DefaultText::TrayExit},
        {LanguageKey::PDError6, DefaultText::PDError6},      {LanguageKey::PDError7, DefaultText::PDError7}};
    for (const auto& k : keys) {
        // Read with a default that cannot be the answer, so a missing key shows.
        EXPECT_EQ(texts.GetText(k.first, "<missing>"), k.second) << k.first;
    }
    EXPECT_EQ(std::string(DefaultText::PDError7), "You can't delete \"FactoryDefault\" !");
}

}  // namespace
