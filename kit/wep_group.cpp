#include "kit/wep_group.h"

#include "kit/list_items.h"
#include "platform/controls.h"
#include "profiles/profile_names.h"
#include "profiles/profile_store.h"
#include "profiles/wep_key_fields.h"
#include "resources/resource_ids.h"

namespace {

constexpr int kWepCheckBox = IDC_EDITOR_WEP;
constexpr int kAuthentication = IDC_EDITOR_AUTH_MODE;
constexpr int kOneX = IDC_EDITOR_8021X;

void writeIfChosen(ProfileStore& store, const std::string& profile, const char* name, int position) {
    if (position >= 0) store.writeValue(profile, name, std::to_string(position));
}

}  // namespace

void fillWepKeyLists(Controls& controls) {
    const char* const formats[] = {kFormatHexText, kFormatAsciiText};
    fillList(controls, WepKeyId::Format, formats);
    const char* const sizes[] = {kSize64Text, kSize128Text};
    for (int n = 1; n <= 4; ++n) fillList(controls, WepKeyId::sizeList(n), sizes);
}

void setWepControlsEnabled(Controls& controls, const WepGroupIds& group, bool enabled) {
    for (size_t i = 0; i < group.count; ++i) controls.setEnabled(group.ids[i], enabled);
}

void onWepCheckBoxClicked(Controls& controls, const WepGroupIds& group) {
    bool on = controls.isChecked(kWepCheckBox);
    setWepControlsEnabled(controls, group, on);
    if (!on) controls.setEnabled(kWepCheckBox, true);
}

void loadWepSettings(Controls& controls, const WepGroupIds& group, const ProfileStore& store,
                     const std::string& profile, bool remarkFollowsFormat) {
    auto number = [&](const char* name) { return store.readNumber(profile, name); };

    switch (number(ProfileValue::WepEnabled)) {
    case 0:
        controls.setChecked(kWepCheckBox, false);
        setWepControlsEnabled(controls, group, false);
        controls.setEnabled(kWepCheckBox, true);
        break;
    case 1:
        controls.setChecked(kWepCheckBox, true);
        setWepControlsEnabled(controls, group, true);
        break;
    default:
        break;
    }
    selectOrClear(controls, kAuthentication, number(ProfileValue::Authentication));
    switch (number(ProfileValue::OneX)) {
    case 0: controls.setChecked(kOneX, false); break;
    case 1: controls.setChecked(kOneX, true); break;
    default: break;
    }
    for (int n = 1; n <= 4; ++n) controls.setChecked(WepKeyId::radio(n), false);
    int keyIndex = number(ProfileValue::KeyIndex);
    if (keyIndex >= 1 && keyIndex <= 4) controls.setChecked(WepKeyId::radio(keyIndex), true);
    for (int n = 1; n <= 4; ++n)
        selectOrClear(controls, WepKeyId::sizeList(n), number(ProfileValue::keyLength(n)));
    if (remarkFollowsFormat)
        controls.setVisible(WepKeyId::Remark, store.readValue(profile, ProfileValue::KeyFormat) == ProfileText::Hex);
    selectOrClear(controls, WepKeyId::Format, number(ProfileValue::KeyFormat));
    for (int n = 1; n <= 4; ++n)
        controls.setText(WepKeyId::edit(n), store.readValue(profile, ProfileValue::keyText(n)));
    maskKeyEdits(controls);
}

void storeWepSettings(Controls& controls, ProfileStore& store, const std::string& profile) {
    writeIfChosen(store, profile, ProfileValue::Authentication, controls.selection(kAuthentication));
    store.writeValue(profile, ProfileValue::WepEnabled, controls.isChecked(kWepCheckBox) ? "1" : "0");
    store.writeValue(profile, ProfileValue::OneX, controls.isChecked(kOneX) ? "1" : "0");
    for (int n = 1; n <= 4; ++n)
        if (controls.isChecked(WepKeyId::radio(n))) store.writeValue(profile, ProfileValue::KeyIndex, std::to_string(n));
    for (int n = 1; n <= 4; ++n)
        writeIfChosen(store, profile, ProfileValue::keyLength(n), controls.selection(WepKeyId::sizeList(n)));
    writeIfChosen(store, profile, ProfileValue::KeyFormat, controls.selection(WepKeyId::Format));
    for (int n = 1; n <= 4; ++n)
        store.writeValue(profile, ProfileValue::keyText(n), controls.getText(WepKeyId::edit(n)));
}
