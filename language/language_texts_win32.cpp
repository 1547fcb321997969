#include <windows.h>

#include <iterator>
#include <vector>

#include "language/text_source.h"

namespace {

// FAT keeps the time of last write in steps of two seconds: a file written more recently
// than this may change again without its stamp showing it.
constexpr unsigned long long kStampResolution = 2ULL * 10000000ULL;  // in 100 ns units

unsigned long long asNumber(const FILETIME& t) {
    return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
}

}  // namespace

IniFileTextSource::Stamp IniFileTextSource::stampOf(const std::string& filePath, bool& settled) {
    Stamp stamp;
    settled = true;
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(filePath.c_str(), GetFileExInfoStandard, &data)) return stamp;
    stamp.exists = true;
    stamp.written = asNumber(data.ftLastWriteTime);
    stamp.size = (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    settled = stamp.written + kStampResolution < asNumber(now);
    return stamp;
}

std::string IniFileTextSource::readText(const std::string& filePath, const std::string& section,
                                        const std::string& key, size_t bufferSize) const {
    if (bufferSize == 0) return "";
    bool settled = false;
    const Stamp stamp = stampOf(filePath, settled);
    const auto known = stamps_.find(filePath);
    if (!settled || known == stamps_.end() || !(known->second == stamp)) {
        // Changed, new, or too fresh to judge: forget what this file answered.
        for (auto it = answers_.begin(); it != answers_.end();)
            it = std::get<0>(it->first) == filePath ? answers_.erase(it) : std::next(it);
        if (settled)
            stamps_[filePath] = stamp;
        else
            stamps_.erase(filePath);
    }
    const auto question = std::make_tuple(filePath, section, key, bufferSize);
    const auto answered = answers_.find(question);
    if (answered != answers_.end()) return answered->second;
    std::vector<char> buffer(bufferSize, '\0');
    const DWORD copied = GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer.data(),
                                                  static_cast<DWORD>(bufferSize), filePath.c_str());
    // The call always ends the text with a zero inside the buffer; never trust the count
    // past it.
    const size_t length = copied < bufferSize ? copied : bufferSize - 1;
    std::string text(buffer.data(), length);
    if (settled) answers_[question] = text;
    return text;
}
