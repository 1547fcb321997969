#include "profiles/wep_key_fields.h"

#include <cstdio>

#include "platform/controls.h"
#include "platform/desktop.h"
#include "profiles/app_name.h"
#include "profiles/wep_keys.h"

namespace WepKeyId {
int edit(int n) { return n >= 1 && n <= 4 ? Edit1 + (n - 1) : 0; }
int radio(int n) { return n >= 1 && n <= 4 ? Radio1 + (n - 1) : 0; }
int sizeList(int n) {
    switch (n) {
    case 1: return Size1;
    case 2: return Size2;
    case 3: return Size3;
    case 4: return Size4;
    default: return 0;
    }
}
int keyOfEdit(int id) { return id >= Edit1 && id <= Edit4 ? id - Edit1 + 1 : 0; }
}  // namespace WepKeyId

void maskKeyEdits(Controls& controls) {
    for (int n = 1; n <= 4; ++n) controls.setPasswordChar(WepKeyId::edit(n), '*');
}

std::string keySizeMistakeText(int key, int required) {
    char text[96];
    std::snprintf(text, sizeof text, "WEP Key %d size mistake!\nNeed %d characters!", key, required);
    return text;
}

int trimToHexDigits(Controls& controls, int editId, Desktop& desktop, KeyCheckGuard& guard) {
    if (guard.active_) return 0;
    const std::string text = controls.getText(editId);
    // isHexText beeps for the pass that finds a non-digit.
    if (text.empty() || isHexText(text, desktop)) return 0;
    // Dropping the last character until only digits are left ends with the digits in
    // front of the first non-digit. They go in one edit: one at a time, each deletion
    // costs the edit control the whole text again, and a long stored key would hold
    // the window for minutes.
    size_t keep = 0;
    while (keep < text.size() && isHexDigit(text[keep])) ++keep;
    const int length = static_cast<int>(text.size());
    guard.active_ = true;
    controls.setFocus(editId);
    controls.setSelection(editId, static_cast<int>(keep), length);
    controls.scrollCaret(editId);
    controls.replaceSelection(editId, "");
    guard.active_ = false;
    // An edit that refused the deletion has lost nothing.
    const std::string now = controls.getText(editId);
    if (now.size() >= text.size()) return 0;
    const int removed = length - static_cast<int>(now.size());
    // One beep for each character dropped, as if each had gone on a pass of its own.
    for (int i = 1; i < removed; ++i) desktop.beep();
    return removed;
}

void WepKeyFields::onKeyChange(int n) {
    const int id = WepKeyId::edit(n);
    if (id == 0 || guard_.active()) return;
    controls_.setPasswordChar(id, 0);
    checkKeyText(n);
}

void WepKeyFields::onKeyFocus(int n) {
    const int id = WepKeyId::edit(n);
    if (id == 0 || guard_.active()) return;
    controls_.setSelection(id, 0, -1);
    checkKeyText(n);
}

void WepKeyFields::checkKeyText(int n) {
    const int id = WepKeyId::edit(n);
    const bool ascii = controls_.selection(WepKeyId::Format) != kKeyFormatHex;
    const int size = controls_.selection(WepKeyId::sizeList(n));

    // A lower limit never shortens what is there; it only stops further typing.
    const int limit = requiredKeyLength(size, ascii);
    if (limit > 0) controls_.limitText(id, limit);
    if (!ascii) trimToHexDigits(controls_, id, desktop_, guard_);
}

void WepKeyFields::onFormatChange() {
    controls_.setVisible(WepKeyId::Remark, controls_.selection(WepKeyId::Format) == kKeyFormatHex);
}

bool WepKeyFields::validateSelectedKey() {
    int n = 1;
    for (int k = 1; k <= 4; ++k) {
        if (controls_.isChecked(WepKeyId::radio(k))) {
            n = k;
            break;
        }
    }
    const std::string text = controls_.getText(WepKeyId::edit(n));
    const bool ascii = controls_.selection(WepKeyId::Format) != kKeyFormatHex;
    // Only the two list positions exist; anything else is taken as the first, 64 bits.
    const int size = controls_.selection(WepKeyId::sizeList(n)) == kKeySize128 ? kKeySize128 : kKeySize64;
    const int required = requiredKeyLength(size, ascii);
    if (static_cast<int>(text.size()) == required) return true;
    desktop_.messageBox(keySizeMistakeText(n, required), kAppName, MessageIcon::Information);
    return false;
}
