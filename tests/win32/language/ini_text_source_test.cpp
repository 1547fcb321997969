// Language texts read with the system's profile-file reader from real files: the
// shipped Config.INI, and files written here for the rules at the edges.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "language/language_texts.h"
#include "language/text_source.h"

namespace {

// The source tree seen from Wine: the Unix root is drive Z:.
std::string shippedConfigIni() {
    std::string path = std::string("Z:") + LUMORA_SOURCE_DIR + "/resources/Config.INI";
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

class IniFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        char dir[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, dir);
        path = std::string(dir) + "lumora_ini_test_Config.INI";
        DeleteFileA(path.c_str());
    }
    void TearDown() override { DeleteFileA(path.c_str()); }
    void write(const std::string& text) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << text;
    }
    std::string path;
    IniFileTextSource source;
    LanguageTexts texts{source};
};

TEST_F(IniFileTest, ShippedFileHoldsEveryTextOfTheEnglishSection) {
    ASSERT_TRUE(texts.Open(shippedConfigIni(), kLanguagesSection));
    EXPECT_EQ(texts.Languages(), (std::vector<std::string>{"English", "German", "French", "Spanish"}));
    chooseStartupLanguage(texts, kDefaultLanguage);
    EXPECT_EQ(texts.GetText(LanguageKey::AppRunning, "?"), DefaultText::AppRunning);
    EXPECT_EQ(texts.GetText(LanguageKey::TrayShow, "?"), DefaultText::TrayShow);
    EXPECT_EQ(texts.GetText(LanguageKey::TrayHide, "?"), DefaultText::TrayHide);
    EXPECT_EQ(texts.GetText(LanguageKey::TrayExit, "?"), DefaultText::TrayExit);
    EXPECT_EQ(texts.GetText(LanguageKey::PDError6, "?"), DefaultText::PDError6);
    EXPECT_EQ(texts.GetText(LanguageKey::PDError7, "?"), "You can't delete \"FactoryDefault\" !");
    EXPECT_EQ(texts.DeviceDescription(), DefaultText::DeviceName);
    EXPECT_EQ(texts.GetText(LanguageKey::UseDevice, "?"), "1");
}

// The system's reader hands the Windows-1252 bytes of the other languages through as they are.
TEST_F(IniFileTest, ShippedFileGivesTheOtherLanguagesTextsByteForByte) {
    ASSERT_TRUE(texts.Open(shippedConfigIni(), kLanguagesSection));
    const struct {
        const char* language;
        const char* exit;
        const char* appRunning;
    } expected[] = {
        {"German", "Beenden", "Die Anwendung wird bereits ausgef\xFChrt."},
        {"French", "Quitter", "L'application est d\xE9j\xE0 en cours d'ex\xE9" "cution."},
        {"Spanish", "Salir", "La aplicaci\xF3n ya se est\xE1 ejecutando."},
    };
    for (const auto& e : expected) {
        chooseStartupLanguage(texts, e.language);
        EXPECT_EQ(texts.GetText(LanguageKey::TrayExit, "?"), e.exit) << e.language;
        EXPECT_EQ(texts.GetText(LanguageKey::AppRunning, "?"), e.appRunning) << e.language;
        EXPECT_EQ(texts.DeviceDescription(), DefaultText::DeviceName) << e.language;
    }
}

TEST_F(IniFileTest, MissingFileGivesDefaultsAndAnEmptyList) {
    EXPECT_FALSE(texts.Open(path, kLanguagesSection));
    texts.SetCurrentLanguage("English");
    EXPECT_EQ(texts.GetText("TrayShow", "Show"), "Show");
    EXPECT_FALSE(texts.HasListKey("Language-1"));
}

TEST_F(IniFileTest, ListGapsEmptyValuesAndLetterCase) {
    write("[LANGUAGES]\r\nlanguage-1 = Deutsch\r\nLanguage-3=English\r\n\r\n[deutsch]\r\nTrayShow=Zeigen\r\n"
          "TrayHide=\r\n");
    ASSERT_TRUE(texts.Open(path, "Languages"));
    EXPECT_EQ(texts.Languages(), std::vector<std::string>{"Deutsch"});
    EXPECT_EQ(texts.GetText("trayshow", "Show"), "Zeigen");
    EXPECT_EQ(texts.GetText("TrayHide", "Hide"), "Hide");
    EXPECT_EQ(texts.GetText("TrayExit", "Exit"), "Exit");
    chooseStartupLanguage(texts, "English");
    EXPECT_EQ(texts.CurrentLanguage(), "English");
    EXPECT_EQ(texts.GetText("TrayShow", "Show"), "Show");  // no [English] section
    chooseStartupLanguage(texts, "Language-3");
    EXPECT_EQ(texts.CurrentLanguage(), "Deutsch");
}

// Answers are kept while the file's stamp stands; every kind of change must still show at
// the next lookup: fresh writes of the same size, old stamps, a stamp kept while the size
// changes, the file gone and back.
TEST_F(IniFileTest, ChangesAreSeenAtTheNextLookup) {
    const std::string head = "[Languages]\r\nLanguage-1=English\r\n[English]\r\nTrayShow=";
    const auto stampHoursAgo = [&](int hours) {
        HANDLE f = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(f, INVALID_HANDLE_VALUE);
        FILETIME now{};
        GetSystemTimeAsFileTime(&now);
        ULARGE_INTEGER t{};
        t.LowPart = now.dwLowDateTime;
        t.HighPart = now.dwHighDateTime;
        t.QuadPart -= static_cast<ULONGLONG>(hours) * 3600ULL * 10000000ULL;
        FILETIME then{t.LowPart, t.HighPart};
        SetFileTime(f, nullptr, nullptr, &then);
        CloseHandle(f);
    };
    const struct {
        const char* value;  // null: the file is deleted
        int hoursAgo;       // 0: the stamp the write left
        const char* expected;
    } steps[] = {
        {"Show", 0, "Show"}, {"Shoe", 0, "Shoe"}, {"Shoe", 5, "Shoe"}, {"Shoe", 5, "Shoe"},
        {"Hide", 4, "Hide"}, {"Open window", 4, "Open window"}, {"Open door!!", 4, "Open door!!"},
        {nullptr, 0, "?"},   {"Back", 3, "Back"},
    };
    ASSERT_TRUE((write(head + "Show\r\n"), texts.Open(path, "Languages")));
    for (const auto& step : steps) {
        if (step.value) {
            write(head + step.value + "\r\n");
            if (step.hoursAgo) stampHoursAgo(step.hoursAgo);
        } else {
            DeleteFileA(path.c_str());
        }
        EXPECT_EQ(texts.GetText("TrayShow", "?"), step.expected) << (step.value ? step.value : "(deleted)");
    }
}

TEST_F(IniFileTest, LongTextIsCutAt1999Bytes) {
    const std::string longText(3000, 'w');
    write("[Languages]\r\nLanguage-1=English\r\n[English]\r\nAppRunning=" + longText + "\r\n");
    ASSERT_TRUE(texts.Open(path, "Languages"));
    EXPECT_EQ(texts.GetText("AppRunning", "d"), std::string(1999, 'w'));
}

}  // namespace
