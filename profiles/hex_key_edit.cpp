#include "profiles/hex_key_edit.h"

#include "platform/controls.h"
#include "platform/desktop.h"
#include "profiles/wep_keys.h"

int HexKeyEdit::run(Controls& controls, Desktop& desktop, int editId, int limit, bool hex) {
    if (busy_) return 0;
    if (limit > 0) controls.limitText(editId, limit);
    if (!hex) return 0;

    busy_ = true;
    int dropped = 0;
    std::string text = controls.getText(editId);
    // isHexText beeps once for every pass that finds a bad character.
    while (!text.empty() && !isHexText(text, desktop)) {
        const int len = static_cast<int>(text.size());
        controls.setFocus(editId);
        controls.setSelection(editId, len - 1, len);
        controls.scrollCaret(editId);
        controls.replaceSelection(editId, "");
        const std::string after = controls.getText(editId);
        // An edit that refused the deletion would keep us here for ever.
        if (after.size() >= text.size()) break;
        text = after;
        ++dropped;
    }
    busy_ = false;
    return dropped;
}
