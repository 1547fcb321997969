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

bool setValue(const ApplyContext& c, uint32_t oid, uint32_t value) { return setRequestValue(c, oid, value); }

void setSsid(const ApplyContext& c, const std::string& profile) {
    setSsidText(c, c.store.readValue(profile, ProfileValue::SSID, ""));
}

void setAdHocChannel(const ApplyContext& c, const std::string& channel) {
    if (c.adapter) SetChannel(*c.adapter, profileNumber(channel));
}

void setWepOff(const ApplyContext& c, const std::string& profile) {
    setValue(c, OID_802_11_WEP_STATUS, Ndis802_11WEPDisabled);
    setSsid(c, profile);
}

}  // namespace

bool setRequestValue(const ApplyContext& c, uint32_t oid, uint32_t value) {
    return c.adapter && SetU32(*c.adapter, oid, value);
}

void setSsidText(const ApplyContext& c, const std::string& text) {
    if (c.adapter) SetSsid(*c.adapter, text);
}

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

KeyOutcome applyProfile(const ApplyContext& c, const std::string& profile) {
    ProfileStore& store = c.store;
    const uint32_t mode = infrastructureModeFor(store.readValue(profile, ProfileValue::OperationMode, ""));
    setValue(c, OID_802_11_INFRASTRUCTURE_MODE, mode);

    const std::string channel = store.readValue(profile, ProfileValue::Channel, "");
    store.writeValue(ProfileName::ActiveSetting, ProfileValue::Channel, channel);
    if (mode == Ndis802_11IBSS) setAdHocChannel(c, channel);

    setValue(c, OID_802_11_DISASSOCIATE, 0);
    setValue(c, OID_802_11_AUTHENTICATION_MODE,
             authenticationModeFor(store.readValue(profile, ProfileValue::Authentication, "")));

    if (store.readValue(profile, ProfileValue::WepEnabled, "") != ProfileText::Off) return applyWepKeys(c, profile);
    setWepOff(c, profile);
    return KeyOutcome::NotSent;
}

KeyOutcome applySecurity(const ApplyContext& c, const std::string& profile) {
    ProfileStore& store = c.store;
    setValue(c, OID_802_11_DISASSOCIATE, 0);
    setValue(c, OID_802_11_INFRASTRUCTURE_MODE,
             infrastructureModeFor(store.readValue(profile, ProfileValue::OperationMode, "")));
    setValue(c, OID_802_11_AUTHENTICATION_MODE,
             authenticationModeFor(store.readValue(profile, ProfileValue::Authentication, "")));
    KeyOutcome key = KeyOutcome::NotSent;
    if (store.readValue(profile, ProfileValue::WepEnabled, "") == ProfileText::Off)
        setWepOff(c, profile);
    else
        key = applyWepKeys(c, profile);
    const bool filterOff = store.readValue(profile, ProfileValue::OneX, "") == ProfileText::Off;
    setValue(c, OID_802_11_PRIVACY_FILTER, filterOff ? Ndis802_11PrivFilterAcceptAll : Ndis802_11PrivFilter8021xWEP);
    return key;
}

KeyOutcome applyWepKeys(const ApplyContext& c, const std::string& profile) {
    ProfileStore& store = c.store;
    KeyOutcome key = KeyOutcome::NotSent;
    const int k = profileNumber(store.readValue(profile, ProfileValue::KeyIndex, ""));
    if (k >= 1 && k <= 4) {
        std::string keyText = store.readValue(profile, ProfileValue::keyText(k), "");
        if (store.readValue(profile, ProfileValue::KeyFormat, "") == ProfileText::Ascii) keyText = keyTextToHex(keyText);
        const int size = profileNumber(store.readValue(profile, ProfileValue::keyLength(k), ""));
        if (size == kKeySize64 || size == kKeySize128) key = addDefaultKey(c, keyText, k, profile);
    }
    if (key == KeyOutcome::Refused)
        c.desktop.messageBox(kDriverAccessErrorText, kDriverAccessErrorTitle, MessageIcon::Stop);
    setValue(c, OID_802_11_WEP_STATUS, Ndis802_11WEPEnabled);
    setSsid(c, profile);
    return key;
}

KeyOutcome addDefaultKey(const ApplyContext& c, const std::string& text, int k, const std::string& profile) {
    if (!c.adapter || k < 1 || k > 4) return KeyOutcome::NotSent;
    const int size = profileNumber(c.store.readValue(profile, ProfileValue::keyLength(k), ""));
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

bool removeWepKey(const ApplyContext& c, uint32_t index) {
    return setValue(c, OID_802_11_REMOVE_WEP, index);
}
