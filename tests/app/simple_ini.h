#pragma once
// Config.INI double (set key by key): sections of keys, matched without regard to case as the profile
// file reader does; the file path must match too, so a wrong path reads nothing.
#include <algorithm>
#include <cctype>
#include <map>
#include <string>

#include "language/text_source.h"

class SimpleIni : public TextSource {
public:
    std::string path;
    std::map<std::string, std::map<std::string, std::string>> sections;   // lower-case names

    void set(const std::string& section, const std::string& key, const std::string& value) {
        sections[lower(section)][lower(key)] = value;
    }
    std::string readText(const std::string& filePath, const std::string& section,
                         const std::string& key, size_t bufferSize) const override {
        if (filePath != path || bufferSize == 0) return "";
        auto s = sections.find(lower(section));
        if (s == sections.end()) return "";
        auto k = s->second.find(lower(key));
        if (k == s->second.end()) return "";
        return k->second.substr(0, bufferSize - 1);
    }

private:
    static std::string lower(std::string s) {
        std::transform(s.begin(), s.end(), s.begin(),
                       [](unsigned char c) { return char(std::tolower(c)); });
        return s;
    }
};
