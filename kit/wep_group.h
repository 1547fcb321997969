#pragma once
// The WEP group shared by the profile editor and the Security page: the check box, the
// authentication list, the four keys with their sizes, the key format and the default
// key. Both windows carry these controls under the same ids (profiles/wep_key_fields.h);
// what each enables and disables together differs, so each passes its own group.
//
// Loading and storing go through the profile store by profile name, in the order the
// values have always been read and written. The key edits' own behaviour while the user
// types is WepKeyFields' (profiles/wep_key_fields.h).

#include <cstddef>
#include <string>

class Controls;
class ProfileStore;

// The controls a window enables and disables together with its WEP check box.
struct WepGroupIds {
    const int* ids;
    size_t count;
};

// Fills the key format list and the four key size lists.
void fillWepKeyLists(Controls& controls);
// Enables or disables every control of the group.
void setWepControlsEnabled(Controls& controls, const WepGroupIds& group, bool enabled);
// The WEP check box was clicked: checked enables the group; unchecked disables it and
// then enables the check box alone, so WEP can be switched on again.
void onWepCheckBoxClicked(Controls& controls, const WepGroupIds& group);

// Loads the security values of `profile` into the window: WEP on or off (a stored
// number other than 0 and 1 leaves the box and the group as they were), authentication,
// 802.1X, the default key, the key sizes, the format, the keys, and masks the keys. A
// stored number that is no position of its list leaves that list without a selection.
// With `remarkFollowsFormat` the hexadecimal remark is shown exactly when the stored
// format is "0" (the profile editor); otherwise the remark is left alone.
void loadWepSettings(Controls& controls, const WepGroupIds& group, const ProfileStore& store,
                     const std::string& profile, bool remarkFollowsFormat);

// Stores the window's security values into `profile`: Authentication, WepEnabled, 1X,
// KeyIndex, Key1Length to Key4Length, KeyFormat, Key1 to Key4, in that order. A value
// whose control holds no choice (no radio button checked, a list without a selection,
// possible only after loading an out-of-range number) is not written, so the stored
// value stays as it was.
void storeWepSettings(Controls& controls, ProfileStore& store, const std::string& profile);
