#pragma once
// The Security page's (template 107) and the Configuration page's (template 105)
// controls as a control double: every control each page names, empty lists, the remark
// hidden. Radio buttons 1173 to 1176 form one group.
#include "profiles/wep_key_fields.h"
#include "resources/resource_ids.h"
#include "support/fake_controls.h"

inline void addSecurityPageControls(FakeControls& c) {
    c.addCheckBox(IDC_EDITOR_WEP);
    c.addCheckBox(IDC_EDITOR_8021X);
    c.addComboBox(IDC_EDITOR_AUTH_MODE);
    c.addComboBox(WepKeyId::Format);
    c.addStatic(WepKeyId::Remark).visible = false;
    for (int n = 1; n <= 4; ++n) {
        c.addEdit(WepKeyId::edit(n));
        c.addComboBox(WepKeyId::sizeList(n));
        c.addRadio(WepKeyId::radio(n), 1);
    }
    for (int id : {IDC_SECURITY_AUTH_LABEL, IDC_SECURITY_DEFAULT_LABEL, IDC_SECURITY_LENGTH_LABEL,
                   IDC_SECURITY_FORMAT_LABEL, IDC_SECURITY_KEY_LABEL})
        c.addStatic(id);
    c.addButton(IDC_APPLY);
    c.addButton(IDC_CANCEL_IMAGE);
}

inline void addConfigurationPageControls(FakeControls& c) {
    c.addEdit(IDC_CONFIG_SSID);
    for (int id : {IDC_CONFIG_BSS_TYPE, IDC_CONFIG_CHANNEL, IDC_CONFIG_AUTO_SEARCH, IDC_CONFIG_POWER_MODE,
                   IDC_CONFIG_TX_RATE, IDC_CONFIG_PREAMBLE})
        c.addComboBox(id);
    c.addButton(IDC_APPLY);
    c.addButton(IDC_CANCEL_IMAGE);
}
