#include "profiles/wep_keys.h"

#include "platform/desktop.h"

int requiredKeyLength(int sizeCode, bool ascii) {
    if (sizeCode == kKeySize64) return ascii ? 5 : 10;
    if (sizeCode == kKeySize128) return ascii ? 13 : 26;
    return 0;
}

bool isHexDigit(char ch) {
    return (ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'F') || (ch >= 'a' && ch <= 'f');
}

bool isHexText(const std::string& text, Desktop& desktop) {
    if (text.empty()) return false;
    for (char ch : text) {
        if (!isHexDigit(ch)) {
            desktop.beep();
            return false;
        }
    }
    return true;
}

std::string keyTextToHex(const std::string& text) {
    const char* const digits = "0123456789abcdef";
    std::string out;
    out.reserve(text.size() * 2);
    for (char ch : text) {
        const unsigned byte = static_cast<unsigned char>(ch);
        out += digits[byte >> 4];
        out += digits[byte & 0x0F];
    }
    return out;
}

namespace {
uint8_t nibble(const std::string& digits, size_t i) {
    if (i >= digits.size()) return 0;
    const char ch = digits[i];
    if (ch >= '0' && ch <= '9') return static_cast<uint8_t>(ch - '0');
    if (ch >= 'A' && ch <= 'F') return static_cast<uint8_t>(ch - 'A' + 10);
    if (ch >= 'a' && ch <= 'f') return static_cast<uint8_t>(ch - 'a' + 10);
    return 0;
}
}  // namespace

std::vector<uint8_t> parseHexKey(const std::string& digits, size_t count) {
    std::vector<uint8_t> bytes;
    bytes.reserve(count / 2);
    for (size_t b = 0; b < count / 2; ++b)
        bytes.push_back(static_cast<uint8_t>((nibble(digits, 2 * b) << 4) | nibble(digits, 2 * b + 1)));
    return bytes;
}
