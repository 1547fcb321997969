#pragma once
// Reads one value of an initialisation file (sections in brackets, key=value lines), as
// the system's profile-file reader does. The Win32 binding is GetPrivateProfileStringA
// (IniFileTextSource); host tests use a double with the same rules.

#include <cstddef>
#include <string>

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
// (language_texts_win32.cpp).
class IniFileTextSource : public TextSource {
public:
    std::string readText(const std::string& filePath, const std::string& section, const std::string& key,
                         size_t bufferSize) const override;
};
