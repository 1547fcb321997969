#pragma once
// TextSource double: initialisation files held in memory by path, read anew on every
// lookup with the rules of the system's profile-file reader:
// - section and key names match without regard to ASCII letter case, after trimming;
// - the first key of a name in a section of that name counts;
// - the value is trimmed of blanks, and a pair of matching quotes around it is removed;
// - lines starting with ';' are comments, lines without '=' hold no value;
// - at most bufferSize - 1 bytes of the value come back;
// - a missing file, section or key gives the empty text.
#include <cctype>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "language/text_source.h"

class FakeTextSource : public TextSource {
public:
    std::map<std::string, std::string> files;  // path -> file text
    mutable int reads = 0;

    // Copies a real file from disk under `path` (its own path by default).
    bool loadFromDisk(const std::string& diskPath, const std::string& path = "") {
        std::ifstream in(diskPath, std::ios::binary);
        if (!in) return false;
        std::ostringstream text;
        text << in.rdbuf();
        files[path.empty() ? diskPath : path] = text.str();
        return true;
    }

    std::string readText(const std::string& filePath, const std::string& section, const std::string& key,
                         size_t bufferSize) const override {
        ++reads;
        if (bufferSize == 0) return "";
        const auto f = files.find(filePath);
        if (f == files.end()) return "";
        std::istringstream in(f->second);
        std::string line;
        bool inSection = false;
        while (std::getline(in, line)) {
            line = trim(line);
            if (line.empty() || line[0] == ';') continue;
            if (line[0] == '[') {
                const size_t close = line.find(']');
                const std::string name = trim(line.substr(1, close == std::string::npos ? std::string::npos : close - 1));
                inSection = sameNoCase(name, section);
                continue;
            }
            if (!inSection) continue;
            const size_t eq = line.find('=');
            if (eq == std::string::npos) continue;
            if (!sameNoCase(trim(line.substr(0, eq)), key)) continue;
            std::string value = trim(line.substr(eq + 1));
            if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
                value = value.substr(1, value.size() - 2);
            return value.substr(0, bufferSize - 1);
        }
        return "";
    }

private:
    static std::string trim(const std::string& s) {
        size_t a = 0, b = s.size();
        while (a < b && std::isspace(static_cast<unsigned char>(s[a]))) ++a;
        while (b > a && std::isspace(static_cast<unsigned char>(s[b - 1]))) --b;
        return s.substr(a, b - a);
    }
    static bool sameNoCase(const std::string& a, const std::string& b) {
        if (a.size() != b.size()) return false;
        for (size_t i = 0; i < a.size(); ++i)
            if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
                return false;
        return true;
    }
};
