#pragma once
// The connection test's one look at the Internet: open a web page and tell whether the
// Internet library handed back a handle, reported an error, or neither. The page is
// not read. The Win32 binding (internet_check_win32.h) uses WinINet with time-outs that
// keep the call within a few seconds; tests use a double.

#include <string>

class SettingsStore;

enum class InternetOutcome { Handle, Error, Neither };

class InternetCheck {
public:
    virtual ~InternetCheck() = default;
    // Opens `url` and closes it again; blocks until the library answers.
    virtual InternetOutcome openPage(const std::string& url) = 0;
};

// Where the check looks: value "InternetCheckUrl" of the program's "Settings" section
// when it holds an address (for networks that block the default, and for tests), else
// a public connectivity-check page.
constexpr const char* kInternetCheckSection = "Settings";
constexpr const char* kInternetCheckValue = "InternetCheckUrl";
constexpr const char* kDefaultInternetCheckUrl = "http://www.msftconnecttest.com/connecttest.txt";
std::string internetCheckUrl(const SettingsStore& settings);
