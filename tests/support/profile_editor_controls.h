#pragma once
// The profile editor's template (dialog 110) as a control double: every control the
// editor names, empty lists, the remark hidden. Radio buttons 1173 to 1176 form one group.
#include "resources/resource_ids.h"
#include "support/fake_controls.h"

inline void addProfileEditorControls(FakeControls& c) {
    for (int id : {IDC_EDITOR_PROFILE_NAME, IDC_EDITOR_SSID, IDC_EDITOR_KEY1, IDC_EDITOR_KEY2, IDC_EDITOR_KEY3,
                   IDC_EDITOR_KEY4})
        c.addEdit(id);
    for (int id : {IDC_EDITOR_BSS_TYPE, IDC_EDITOR_CHANNEL, IDC_EDITOR_TX_RATE, IDC_EDITOR_PREAMBLE,
                   IDC_EDITOR_POWER_MODE, IDC_EDITOR_AUTH_MODE, IDC_EDITOR_KEY_FORMAT, IDC_EDITOR_KEY1_LENGTH,
                   IDC_EDITOR_KEY2_LENGTH, IDC_EDITOR_KEY3_LENGTH, IDC_EDITOR_KEY4_LENGTH})
        c.addComboBox(id);
    c.addCheckBox(IDC_EDITOR_WEP);
    c.addCheckBox(IDC_EDITOR_8021X).visible = false;
    for (int id : {IDC_EDITOR_DEFAULT_KEY1, IDC_EDITOR_DEFAULT_KEY2, IDC_EDITOR_DEFAULT_KEY3, IDC_EDITOR_DEFAULT_KEY4})
        c.addRadio(id, 1);
    c.addStatic(IDC_EDITOR_HEX_REMARK).visible = false;
    c.addStatic(IDC_EDITOR_OK);
    c.addStatic(IDC_CANCEL_IMAGE);
}
