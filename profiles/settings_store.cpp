#include "profiles/settings_store.h"

std::string SettingsStore::foldName(const std::string& name) const { return foldWesternName(name); }

std::string foldWesternName(std::string name) {
    for (char& ch : name) {
        const unsigned char c = static_cast<unsigned char>(ch);
        unsigned char upper = c;
        if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7))
            upper = static_cast<unsigned char>(c - 0x20);
        else if (c == 0x9A || c == 0x9C || c == 0x9E)
            upper = static_cast<unsigned char>(c - 0x10);  // s, oe, z with caron/ligature
        else if (c == 0xFF)
            upper = 0x9F;  // y with diaeresis
        ch = static_cast<char>(upper);
    }
    return name;
}
