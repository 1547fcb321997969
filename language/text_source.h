#pragma once
// Reads one value of an initialisation file (sections in brackets, key=value lines), as
// the system's profile-file reader does. The Win32 binding is GetPrivateProfileStringA
// (IniFileTextSource); host tests use a double with the same rules.

#include <cstddef>
#include <map>
#include <string>
#include <tuple>

class TextSource {
public:
    virtual ~TextSource() = default;

    // The value of `key` in `section` of the file at `filePath`, read into a buffer of
    // `bufferSize` bytes: at most bufferSize - 1 bytes come back. A missing file, section
    // or key gives the empty text, as does an empty value. Section and key names match
    // without regard to letter case.
    virtual std::string readText(const std::string& filePath, const std::string& section,
                                 const std::string& key, size_t bufferSize) const = 0;
};

// The Win32 binding: GetPrivateProfileStringA. Windows build only
// (language_texts_win32.cpp). Answers are kept while the file's size and time of last
// write stay as they were: the reader opens the file, and asks the registry for a
// mapping of it, on every call, and the adapter poll asks twice every 2.5 seconds.
class IniFileTextSource : public TextSource {
public:
    std::string readText(const std::string& filePath, const std::string& section, const std::string& key,
                         size_t bufferSize) const override;

private:
    struct Stamp {
        bool exists = false;
        unsigned long long written = 0;
        unsigned long long size = 0;
        bool operator==(const Stamp& o) const { return exists == o.exists && written == o.written && size == o.size; }
    };
    // The file as it is now; `settled` is false while its time of last write is too recent
    // for a change within the file system's time resolution to show in it.
    static Stamp stampOf(const std::string& filePath, bool& settled);

    mutable std::map<std::string, Stamp> stamps_;   // by file path
    mutable std::map<std::tuple<std::string, std::string, std::string, size_t>, std::string> answers_;
};
