#include "platform/controls_win32.h"

#include <vector>

HWND ControlsWin32::item(int id) const {
    if (dialog_ == nullptr) return nullptr;
    return GetDlgItem(dialog_, id);
}

ControlsWin32::ListKind ControlsWin32::listKind(HWND control) const {
    char name[32] = {};
    if (control == nullptr || GetClassNameA(control, name, sizeof name) == 0) return ListKind::None;
    if (lstrcmpiA(name, "ComboBox") == 0) return ListKind::Combo;
    if (lstrcmpiA(name, "ListBox") == 0) return ListKind::List;
    return ListKind::None;
}

std::string ControlsWin32::getText(int id) const {
    HWND w = item(id);
    if (w == nullptr) return {};
    int length = GetWindowTextLengthA(w);
    if (length <= 0) return {};
    std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
    int got = GetWindowTextA(w, buffer.data(), length + 1);
    if (got < 0) got = 0;
    if (got > length) got = length;
    return std::string(buffer.data(), static_cast<size_t>(got));
}

void ControlsWin32::setText(int id, const std::string& text) {
    if (HWND w = item(id)) SetWindowTextA(w, text.c_str());
}

bool ControlsWin32::isChecked(int id) const {
    HWND w = item(id);
    return w != nullptr && SendMessageA(w, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void ControlsWin32::setChecked(int id, bool checked) {
    if (HWND w = item(id)) SendMessageA(w, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool ControlsWin32::isEnabled(int id) const {
    HWND w = item(id);
    return w != nullptr && IsWindowEnabled(w) != FALSE;
}

void ControlsWin32::setEnabled(int id, bool enabled) {
    if (HWND w = item(id)) EnableWindow(w, enabled ? TRUE : FALSE);
}

bool ControlsWin32::isVisible(int id) const {
    // The control's own visible style: a control of a hidden page is still "shown".
    HWND w = item(id);
    return w != nullptr && (GetWindowLongA(w, GWL_STYLE) & WS_VISIBLE) != 0;
}

void ControlsWin32::setVisible(int id, bool visible) {
    if (HWND w = item(id)) ShowWindow(w, visible ? SW_SHOW : SW_HIDE);
}

void ControlsWin32::limitText(int id, int maxChars) {
    if (HWND w = item(id)) SendMessageA(w, EM_LIMITTEXT, static_cast<WPARAM>(maxChars < 0 ? 0 : maxChars), 0);
}

int ControlsWin32::textLimit(int id) const {
    HWND w = item(id);
    return w == nullptr ? 0 : static_cast<int>(SendMessageA(w, EM_GETLIMITTEXT, 0, 0));
}

void ControlsWin32::setPasswordChar(int id, char ch) {
    HWND w = item(id);
    if (w == nullptr) return;
    SendMessageA(w, EM_SETPASSWORDCHAR, static_cast<WPARAM>(static_cast<unsigned char>(ch)), 0);
    InvalidateRect(w, nullptr, TRUE);
}

char ControlsWin32::passwordChar(int id) const {
    HWND w = item(id);
    return w == nullptr ? 0 : static_cast<char>(SendMessageA(w, EM_GETPASSWORDCHAR, 0, 0));
}

void ControlsWin32::setSelection(int id, int start, int end) {
    if (HWND w = item(id)) SendMessageA(w, EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
}

void ControlsWin32::replaceSelection(int id, const std::string& text) {
    if (HWND w = item(id)) SendMessageA(w, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

void ControlsWin32::scrollCaret(int id) {
    if (HWND w = item(id)) SendMessageA(w, EM_SCROLLCARET, 0, 0);
}

void ControlsWin32::setFocus(int id) {
    if (HWND w = item(id)) SetFocus(w);
}

void ControlsWin32::clearItems(int id) {
    HWND w = item(id);
    switch (listKind(w)) {
    case ListKind::Combo: SendMessageA(w, CB_RESETCONTENT, 0, 0); break;
    case ListKind::List: SendMessageA(w, LB_RESETCONTENT, 0, 0); break;
    case ListKind::None: break;
    }
}

int ControlsWin32::addItem(int id, const std::string& text) {
    HWND w = item(id);
    LPARAM p = reinterpret_cast<LPARAM>(text.c_str());
    switch (listKind(w)) {
    case ListKind::Combo: return static_cast<int>(SendMessageA(w, CB_ADDSTRING, 0, p));
    case ListKind::List: return static_cast<int>(SendMessageA(w, LB_ADDSTRING, 0, p));
    case ListKind::None: break;
    }
    return -1;
}

int ControlsWin32::itemCount(int id) const {
    HWND w = item(id);
    int n = 0;
    switch (listKind(w)) {
    case ListKind::Combo: n = static_cast<int>(SendMessageA(w, CB_GETCOUNT, 0, 0)); break;
    case ListKind::List: n = static_cast<int>(SendMessageA(w, LB_GETCOUNT, 0, 0)); break;
    case ListKind::None: break;
    }
    return n < 0 ? 0 : n;
}

std::string ControlsWin32::itemText(int id, int index) const {
    HWND w = item(id);
    ListKind kind = listKind(w);
    if (kind == ListKind::None || index < 0) return {};
    UINT lenMsg = kind == ListKind::Combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN;
    UINT textMsg = kind == ListKind::Combo ? CB_GETLBTEXT : LB_GETTEXT;
    LRESULT length = SendMessageA(w, lenMsg, static_cast<WPARAM>(index), 0);
    if (length < 0) return {};  // CB_ERR / LB_ERR: no such item
    // The control writes length + 1 bytes; never trust it beyond the buffer we give.
    std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
    LRESULT got = SendMessageA(w, textMsg, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
    if (got < 0) return {};
    if (got > length) got = length;
    return std::string(buffer.data(), static_cast<size_t>(got));
}

int ControlsWin32::selection(int id) const {
    HWND w = item(id);
    LRESULT sel = -1;
    switch (listKind(w)) {
    case ListKind::Combo: sel = SendMessageA(w, CB_GETCURSEL, 0, 0); break;
    case ListKind::List: sel = SendMessageA(w, LB_GETCURSEL, 0, 0); break;
    case ListKind::None: break;
    }
    return sel < 0 ? -1 : static_cast<int>(sel);
}

bool ControlsWin32::setSelectionIndex(int id, int index) {
    HWND w = item(id);
    LRESULT r = -1;
    switch (listKind(w)) {
    case ListKind::Combo: r = SendMessageA(w, CB_SETCURSEL, static_cast<WPARAM>(index), 0); break;
    case ListKind::List: r = SendMessageA(w, LB_SETCURSEL, static_cast<WPARAM>(index), 0); break;
    case ListKind::None: return false;
    }
    // CB_SETCURSEL answers CB_ERR both for a missing position and for -1 (clearing).
    return index >= 0 && r == index;
}

int ControlsWin32::findItemExact(int id, const std::string& text) const {
    HWND w = item(id);
    LPARAM p = reinterpret_cast<LPARAM>(text.c_str());
    LRESULT r = -1;
    switch (listKind(w)) {
    case ListKind::Combo: r = SendMessageA(w, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), p); break;
    case ListKind::List: r = SendMessageA(w, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), p); break;
    case ListKind::None: break;
    }
    return r < 0 ? -1 : static_cast<int>(r);
}
