#pragma once
// Applying a stored profile to the adapter: the fixed sequences of 802.11 set requests
// that turn a profile's texts into the driver's settings.
//
// A sequence reads its profile from the store once, by name, into a ProfileSettings
// record, and then sends the record. Callers pass an ApplyContext naming the store, the
// current adapter record (GetCurrentAdapter() at the time of the call; null when there
// is none) and the desktop for the error box. The sequences never touch a window: a
// caller that shows the keys masks its key edits when the default key was sent:
//
//   if (applyProfile({store, GetCurrentAdapter(), desktop}, name) == KeyOutcome::Sent)
//       maskKeyEdits(controls());
//   store.copyToActiveSetting(name);
//
// With no current adapter record nothing is sent and no message shows, but the store
// updates of the sequence (ActiveSetting's Channel) still happen.
//
// Request results are ignored, except the key requests: a failed key removal or
// addition shows the driver-access error, and the sequence goes on.

#include <cstdint>
#include <string>

#include "adapter/ndis.h"

class Desktop;
class ProfileStore;
class QAdapterInfo;

struct ApplyContext {
    ProfileStore& store;
    QAdapterInfo* adapter;   // current adapter record, or null
    Desktop& desktop;
};

// A profile's values as the sequences send them.
struct ProfileSettings {
    uint32_t infrastructureMode = Ndis802_11Infrastructure;
    std::string channel;           // as stored: applyProfile copies it to ActiveSetting
    uint32_t authenticationMode = Ndis802_11AuthModeOpen;
    bool wepOff = false;           // WepEnabled exactly "0"; missing counts as on
    bool filterOff = false;        // 1X exactly "0"
    int keyIndex = 0;              // the default key; only 1 to 4 is ever sent
    int keySize = -1;              // its size code (Key<k>Length)
    std::string keyHex;            // its text, an ASCII key turned into hex digits
    std::string ssid;
};
ProfileSettings readProfileSettings(const ProfileStore& store, const std::string& profile);

// What became of the default key: not sent (WEP off, no key chosen, a key of the wrong
// length, no adapter), sent, or refused by the driver (the user has been told).
enum class KeyOutcome { NotSent, Sent, Refused };

// "Can't access WLAN driver. ..." with the title "Error" and the stop icon.
extern const char* const kDriverAccessErrorText;
extern const char* const kDriverAccessErrorTitle;

// The whole profile: network type, ActiveSetting's Channel, ad-hoc channel,
// disassociate, authentication, then WEP keys or WEP off, and the SSID.
KeyOutcome applyProfile(const ApplyContext& context, const std::string& profile);
// applyProfile, then the profile becomes the settings in force (copyToActiveSetting):
// what the search, the survey and the editor do to connect with a profile.
KeyOutcome switchToProfile(const ApplyContext& context, const std::string& profile);
// The security settings (the Security page passes "ActiveSetting"): disassociate,
// network type, authentication, WEP keys or WEP off with the SSID, privacy filter.
KeyOutcome applySecurity(const ApplyContext& context, const std::string& profile);
// The WEP-on branch: the default key (a refusal shows the driver-access error, and the
// sequence goes on), WEP enabled, the SSID.
KeyOutcome applyWepKeys(const ApplyContext& context, const ProfileSettings& settings);
// Sends the default key `text` (hexadecimal digits; a default key when empty) of size
// code `size`. Wrong lengths are dropped quietly. Shows nothing: the caller tells the
// user of a refusal and masks its key edits after a success.
KeyOutcome addDefaultKey(const ApplyContext& context, const std::string& text, int k, int size);
// Removes all four keys, then adds key k (1 to 4) of size `lengthCode` (0 64-bit,
// 1 128-bit) from the first 10 or 26 digits of `hexText`. True when every request
// succeeded (and for a size code that is neither, after the removals).
bool addWepKey(const ApplyContext& context, int lengthCode, const std::string& hexText, int k);
// One ADD_WEP request: the record of 12 + 5 or 13 bytes (size code 0 or 1) from the first
// 10 or 26 digits of `hexText`, with `keyIndex` as the driver reads it (bit 31 the
// transmit key, the low bits the slot). False without an adapter, for another size
// code, or when the driver refuses.
bool sendWepKeyRecord(const ApplyContext& context, int lengthCode, const std::string& hexText, uint32_t keyIndex);
// One REMOVE_WEP request for slot 0 to 3; its success.
bool removeWepKey(const ApplyContext& context, uint32_t index);

// Request values from stored texts.
uint32_t infrastructureModeFor(const std::string& operationMode);
uint32_t authenticationModeFor(const std::string& authentication);
