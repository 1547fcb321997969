#pragma once
// The four WEP key fields shared by the profile editor and the Security page: what
// happens while the user types, when a field gains the focus, when the key format
// changes, the masking of stored keys and the length check before a save.
//
// The hosting window keeps one KeyCheckGuard and routes, through a WepKeyFields over its
// Controls and that guard:
//   EN_CHANGE of a key edit   -> onKeyChange(n)
//   EN_SETFOCUS of a key edit -> onKeyFocus(n)
//   CBN_SELCHANGE of 1181     -> onFormatChange()
// and calls validateSelectedKey() before saving when WEP is checked, and mask() after
// loading a profile into the edits.

#include <string>

#include "resources/resource_ids.h"

class Controls;
class Desktop;

// The key controls carry the same ids on the profile editor and the Security page.
namespace WepKeyId {
constexpr int Radio1 = IDC_EDITOR_DEFAULT_KEY1, Radio2 = IDC_EDITOR_DEFAULT_KEY2,
              Radio3 = IDC_EDITOR_DEFAULT_KEY3, Radio4 = IDC_EDITOR_DEFAULT_KEY4;
constexpr int Edit1 = IDC_EDITOR_KEY1, Edit2 = IDC_EDITOR_KEY2, Edit3 = IDC_EDITOR_KEY3, Edit4 = IDC_EDITOR_KEY4;
constexpr int Size1 = IDC_EDITOR_KEY1_LENGTH, Size2 = IDC_EDITOR_KEY2_LENGTH, Size3 = IDC_EDITOR_KEY3_LENGTH,
              Size4 = IDC_EDITOR_KEY4_LENGTH;
constexpr int Format = IDC_EDITOR_KEY_FORMAT;  // 0 "Hex", 1 "ASCII"
constexpr int Remark = IDC_EDITOR_HEX_REMARK;  // shown for "Hex"
// Edits 1 to 4 and radio buttons 1 to 4 are numbered in a row.
static_assert(Edit4 - Edit1 == 3 && Radio4 - Radio1 == 3, "key controls numbered in a row");

// Controls of key n (1 to 4); 0 for any other n.
int edit(int n);
int sizeList(int n);
int radio(int n);
// Key number 1 to 4 of a key edit id; 0 when the id is none of them.
int keyOfEdit(int id);
}  // namespace WepKeyId

// Texts of the lists and the remark.
constexpr const char* kSize64Text = "64 bits";
constexpr const char* kSize128Text = "128 bits";
constexpr const char* kFormatHexText = "Hex";
constexpr const char* kFormatAsciiText = "ASCII";
constexpr const char* kHexRemarkText = "Remark : Characters 0-9, A-F or a-f allowed only.";

// Shows every key edit's text as "*" characters.
void maskKeyEdits(Controls& controls);

// Set while trimToHexDigits edits a key edit. The edit reports each of the check's own
// deletions (and the focus it takes) as a notification; a handler that sees the guard
// active returns at once, so the check never nests, however long the text.
class KeyCheckGuard {
public:
    bool active() const { return active_; }

private:
    friend int trimToHexDigits(Controls& controls, int editId, Desktop& desktop, KeyCheckGuard& guard);
    bool active_ = false;
};

// The hexadecimal check of one key edit, for any window with such an edit: a text that
// holds a character that is not a hexadecimal digit loses characters from its end until
// only digits are left, one beep for each; the edit gets the focus and the dropped tail
// is selected, scrolled to and cleared in one edit. An empty text is left alone.
// Returns the number of characters removed; 0 when called while the guard is already
// active. Each window keeps one guard per set of key edits and tests it first in its
// change and focus handlers.
int trimToHexDigits(Controls& controls, int editId, Desktop& desktop, KeyCheckGuard& guard);

class WepKeyFields {
public:
    // All three must outlive the object. The desktop gives the beep and the message box.
    // The guard belongs to the window, not to this object: a window makes a WepKeyFields
    // per notification, and the notifications of the check's own deletions must see the
    // guard of the check that is running.
    WepKeyFields(Controls& controls, Desktop& desktop, KeyCheckGuard& guard)
        : controls_(controls), desktop_(desktop), guard_(guard) {}

    // Key edit n changed: show it in clear, set its limit for the format and size, and
    // in hexadecimal drop characters from its end until only digits are left. The
    // change notifications of those drops are ignored.
    void onKeyChange(int n);
    // Key edit n gained the focus: select all, then the same limit and digit check.
    void onKeyFocus(int n);
    // Format list changed: the hexadecimal remark shows for "Hex" only.
    void onFormatChange();
    void mask() { maskKeyEdits(controls_); }

    // True when the default key (the checked radio button; key 1 when none is) has the
    // length its size and the format need. Otherwise tells the user and returns false.
    bool validateSelectedKey();

private:
    void checkKeyText(int n);

    Controls& controls_;
    Desktop& desktop_;
    KeyCheckGuard& guard_;
};

// "WEP Key %d size mistake!\nNeed %d characters!"
std::string keySizeMistakeText(int key, int required);
