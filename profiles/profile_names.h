#pragma once
// Names of the reserved profiles, the chain's end marker and the values a profile holds.

namespace ProfileName {
constexpr const char* FactoryDefault = "FactoryDefault";
constexpr const char* ActiveSetting = "ActiveSetting";
// NextProfile of the last profile of the chain.
constexpr const char* EndOfChain = "end";
// The application's own section (ProfilePath, Language) beside the profiles: never a
// link of the chain, never deleted as a profile.
constexpr const char* AppSettings = "Settings";
}  // namespace ProfileName

namespace ProfileValue {
constexpr const char* SSID = "SSID";
constexpr const char* OperationMode = "OperationMode";
constexpr const char* Channel = "Channel";
constexpr const char* Authentication = "Authentication";
constexpr const char* WepEnabled = "WepEnabled";
constexpr const char* OneX = "1X";
constexpr const char* KeyIndex = "KeyIndex";
constexpr const char* Key1Length = "Key1Length";
constexpr const char* Key2Length = "Key2Length";
constexpr const char* Key3Length = "Key3Length";
constexpr const char* Key4Length = "Key4Length";
constexpr const char* KeyFormat = "KeyFormat";
constexpr const char* Key1 = "Key1";
constexpr const char* Key2 = "Key2";
constexpr const char* Key3 = "Key3";
constexpr const char* Key4 = "Key4";
constexpr const char* PowerSaveMode = "PowerSaveMode";
constexpr const char* PreambleType = "PreambleType";
constexpr const char* MaxRate = "MaxRate";
constexpr const char* NextProfile = "NextProfile";
constexpr const char* ProfileName = "ProfileName";   // ActiveSetting only
constexpr const char* AutoSearch = "AutoSearch";     // ActiveSetting only

// Key<n> and Key<n>Length for n = 1 to 4; nullptr for any other n.
inline const char* keyText(int n) {
    switch (n) {
    case 1: return Key1;
    case 2: return Key2;
    case 3: return Key3;
    case 4: return Key4;
    default: return nullptr;
    }
}
inline const char* keyLength(int n) {
    switch (n) {
    case 1: return Key1Length;
    case 2: return Key2Length;
    case 3: return Key3Length;
    case 4: return Key4Length;
    default: return nullptr;
    }
}
}  // namespace ProfileValue

// Stored texts with a meaning.
namespace ProfileText {
constexpr const char* Infrastructure = "0";   // OperationMode
constexpr const char* AdHoc = "1";
constexpr const char* Off = "0";              // WepEnabled, 1X
constexpr const char* Hex = "0";              // KeyFormat
constexpr const char* Ascii = "1";
constexpr const char* Key64 = "0";            // Key<n>Length
constexpr const char* Key128 = "1";
}  // namespace ProfileText
