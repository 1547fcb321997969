#include <windows.h>

#include <vector>

#include "language/text_source.h"

std::string IniFileTextSource::readText(const std::string& filePath, const std::string& section,
                                        const std::string& key, size_t bufferSize) const {
    if (bufferSize == 0) return "";
    std::vector<char> buffer(bufferSize, '\0');
    const DWORD copied = GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer.data(),
                                                  static_cast<DWORD>(bufferSize), filePath.c_str());
    // The call always ends the text with a zero inside the buffer; never trust the count
    // past it.
    const size_t length = copied < bufferSize ? copied : bufferSize - 1;
    return std::string(buffer.data(), length);
}
