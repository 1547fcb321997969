#pragma once
// WEP key texts: how a key is written (hexadecimal digits or ASCII characters), how long
// it must be, and how a stored key becomes the bytes of an ADD_WEP request.

#include <cstdint>
#include <string>
#include <vector>

class Desktop;

// Default keys sent in place of an empty default key (hexadecimal digit text).
constexpr const char* kDefaultKey64 = "5A17C3E90B";
constexpr const char* kDefaultKey128 = "3D8F02B6E4A1975C0D2E8B4F61";

// Size codes (Key<n>Length) and formats (KeyFormat, format list position).
constexpr int kKeySize64 = 0;
constexpr int kKeySize128 = 1;
constexpr int kKeyFormatHex = 0;
constexpr int kKeyFormatAscii = 1;

// Characters a key of this size needs: 10/26 hexadecimal digits, 5/13 ASCII characters.
// 0 for a size code that is neither 64 nor 128 bits.
int requiredKeyLength(int sizeCode, bool ascii);

// True when `text` is non-empty and all hexadecimal digits (0-9, A-F, a-f). At the
// first character that is not one, beeps once and answers false. The empty text is
// false without a beep.
bool isHexText(const std::string& text, Desktop& desktop);

// Plain test, no beep.
bool isHexDigit(char ch);

// Each character becomes two lower-case hexadecimal digits of its byte value.
std::string keyTextToHex(const std::string& text);

// count / 2 key bytes from the first `count` digits: pairs of nibbles, high first. A
// character that is not a digit counts as 0, and so does every position beyond the end
// of the text: the text's own length is never trusted to cover `count`.
std::vector<uint8_t> parseHexKey(const std::string& digits, size_t count);
