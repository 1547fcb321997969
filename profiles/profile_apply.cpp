#include "profiles/profile_apply.h"

#include <vector>

#include "adapter/ndis.h"
#include "adapter/ndis_sets.h"
#include "adapter/q_adapter_info.h"
#include "platform/desktop.h"
#include "profiles/profile_store.h"
#include "profiles/wep_keys.h"

const char* const kDriverAccessErrorText =
    "Can't access WLAN driver. Please check\ndriver loaded success or check Key Length\nis correct !";
const char* const kDriverAccessErrorTitle = "Error";

namespace {

// Without an adapter nothing is sent, and nothing counts as accepted.
bool setValue(const ApplyContext& c, uint32_t oid, uint32_t value) {
    return c.adapter && SetU32(*c.adapter, oid, value);
}

void setSsid(const ApplyContext& c, const ProfileSettings& s) {
    if (c.adapter) SetSsid(*c.adapter, s.ssid);
}

void setWepOff(const ApplyContext& c, const ProfileSettings& s) {
    setValue(c, OID_802_11_WEP_STATUS, Ndis802_11WEPDisabled);
    setSsid(c, s);
}

// WEP keys or WEP off, with the SSID either way.
KeyOutcome applyWep(const ApplyContext& c, const ProfileSettings& s) {
    if (!s.wepOff) return applyWepKeys(c, s);
    setWepOff(c, s);
    return KeyOutcome::NotSent;
}

}  // namespace

uint32_t infrastructureModeFor(const std::string& operationMode) {
    // Only "1" is ad hoc; anything else, hand-edited texts included, is infrastructure.
    return profileNumber(operationMode) == 1 ? Ndis802_11IBSS : Ndis802_11Infrastructure;
}

uint32_t authenticationModeFor(const std::string& authentication) {
    const int mode = profileNumber(authentication);
    if (mode == 0) return Ndis802_11AuthModeOpen;
    if (mode == 1) return Ndis802_11AuthModeShared;
    // "2" and anything the pages never store: let the driver choose.
    return Ndis802_11AuthModeAutoSwitch;
}

ProfileSettings readProfileSettings(const ProfileStore& store, const std::string& profile) {
    auto read = [&](const char* name) { return store.readValue(profile, name, ""); };
    ProfileSettings s;
    s.infrastructureMode = infrastructureModeFor(read(ProfileValue::OperationMode));
    s.channel = read(ProfileValue::Channel);
    s.authenticationMode = authenticationModeFor(read(ProfileValue::Authentication));
    s.wepOff = read(ProfileValue::WepEnabled) == ProfileText::Off;
    s.filterOff = read(ProfileValue::OneX) == ProfileText::Off;
    s.keyIndex = profileNumber(read(ProfileValue::KeyIndex));
    if (s.keyIndex >= 1 && s.keyIndex <= 4) {
        // Only the default key is read: the other three are never sent.
        s.keyHex = read(ProfileValue::keyText(s.keyIndex));
        if (read(ProfileValue::KeyFormat) == ProfileText::Ascii) s.keyHex = keyTextToHex(s.keyHex);
        s.keySize = profileNumber(read(ProfileValue::keyLength(s.keyIndex)));
    }
    s.ssid = read(ProfileValue::SSID);
    return s;
}

KeyOutcome applyProfile(const ApplyContext& c, const std::string& profile) {
    const ProfileSettings s = readProfileSettings(c.store, profile);
    setValue(c, OID_802_11_INFRASTRUCTURE_MODE, s.infrastructureMode);
    c.store.writeValue(ProfileName::ActiveSetting, ProfileValue::Channel, s.channel);
    if (s.infrastructureMode == Ndis802_11IBSS && c.adapter) SetChannel(*c.adapter, profileNumber(s.channel));
    setValue(c, OID_802_11_DISASSOCIATE, 0);
    setValue(c, OID_802_11_AUTHENTICATION_MODE, s.authenticationMode);
    return applyWep(c, s);
}

KeyOutcome switchToProfile(const ApplyContext& c, const std::string& profile) {
    const KeyOutcome key = applyProfile(c, profile);
    c.store.copyToActiveSetting(profile);
    return key;
}

KeyOutcome applySecurity(const ApplyContext& c, const std::string& profile) {
    const ProfileSettings s = readProfileSettings(c.store, profile);
    setValue(c, OID_802_11_DISASSOCIATE, 0);
    setValue(c, OID_802_11_INFRASTRUCTURE_MODE, s.infrastructureMode);
    setValue(c, OID_802_11_AUTHENTICATION_MODE, s.authenticationMode);
    const KeyOutcome key = applyWep(c, s);
    setValue(c, OID_802_11_PRIVACY_FILTER, s.filterOff ? Ndis802_11PrivFilterAcceptAll : Ndis802_11PrivFilter8021xWEP);
    return key;
}

KeyOutcome applyWepKeys(const ApplyContext& c, const ProfileSettings& s) {
    KeyOutcome key = KeyOutcome::NotSent;
    if (s.keySize == kKeySize64 || s.keySize == kKeySize128) key = addDefaultKey(c, s.keyHex, s.keyIndex, s.keySize);
    if (key == KeyOutcome::Refused)
        c.desktop.messageBox(kDriverAccessErrorText, kDriverAccessErrorTitle, MessageIcon::Stop);
    setValue(c, OID_802_11_WEP_STATUS, Ndis802_11WEPEnabled);
    setSsid(c, s);
    return key;
}

KeyOutcome addDefaultKey(const ApplyContext& c, const std::string& text, int k, int size) {
    if (!c.adapter || k < 1 || k > 4) return KeyOutcome::NotSent;
    std::string key = text;
    if (size == kKeySize64) {
        if (key.empty()) key = kDefaultKey64;
    } else if (size == kKeySize128) {
        if (key.empty()) key = kDefaultKey128;
    } else {
        return KeyOutcome::NotSent;
    }
    // A key of the wrong length (never validated, e.g. edited by hand) is not sent.
    if (static_cast<int>(key.size()) != requiredKeyLength(size, false)) return KeyOutcome::NotSent;
    return addWepKey(c, size, key, k) ? KeyOutcome::Sent : KeyOutcome::Refused;
}

bool addWepKey(const ApplyContext& c, int lengthCode, const std::string& hexText, int k) {
    if (!c.adapter || k < 1 || k > 4) return false;
    for (uint32_t i = 0; i < 4; ++i)
        if (!removeWepKey(c, i)) return false;

    if (lengthCode != kKeySize64 && lengthCode != kKeySize128) return true;
    return sendWepKeyRecord(c, lengthCode, hexText, NDIS_802_11_WEP_TRANSMIT_KEY + static_cast<uint32_t>(k - 1));
}

bool sendWepKeyRecord(const ApplyContext& c, int lengthCode, const std::string& hexText, uint32_t keyIndex) {
    if (!c.adapter) return false;
    size_t keyBytes = 0;
    if (lengthCode == kKeySize64) keyBytes = kWepKey64Bytes;
    else if (lengthCode == kKeySize128) keyBytes = kWepKey128Bytes;
    else return false;

    const std::vector<uint8_t> material = parseHexKey(hexText, keyBytes * 2);
    if (material.size() != keyBytes) return false;
    return AddWep(*c.adapter, keyIndex, material);
}

bool removeWepKey(const ApplyContext& c, uint32_t index) { return setValue(c, OID_802_11_REMOVE_WEP, index); }
