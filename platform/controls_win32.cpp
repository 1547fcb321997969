#include "platform/controls_win32.h"

#include <commctrl.h>

#include <cstring>
#include <unordered_map>
#include <vector>

#include "platform/win32_numbers.h"

namespace {

// A display text for an edit nobody can see (its window in the tray, its page not the one
// shown) is held rather than told. A real edit lays out every text it is given, even
// hidden, and the monitor gives its fields a text a second all day. The edit gets the
// text the moment anything at all is asked of it: the paint as it shows, a reader's
// WM_GETTEXT from another program, our own calls. A text set meanwhile replaces it.
struct HeldEdit {
    WNDPROC original = nullptr;
    bool holding = false;
    std::string text;
};
std::unordered_map<HWND, HeldEdit> heldEdits;  // user-interface thread only

// A window's text: its length asked first, then the text into a buffer of that size,
// never trusted past the length given.
template <typename Length, typename Copy>
std::string boundedText(Length length, Copy copy) {
    const long long size = length();
    if (size <= 0) return {};
    std::vector<char> buffer(static_cast<size_t>(size) + 1, '\0');
    long long got = copy(buffer.data(), buffer.size());
    if (got < 0) got = 0;
    if (got > size) got = size;
    return std::string(buffer.data(), static_cast<size_t>(got));
}

// The text as the edit's own procedure has it, past the holding one.
std::string textThrough(WNDPROC proc, HWND edit) {
    return boundedText([&] { return CallWindowProcA(proc, edit, WM_GETTEXTLENGTH, 0, 0); },
                       [&](char* buffer, size_t size) {
                           return CallWindowProcA(proc, edit, WM_GETTEXT, size, reinterpret_cast<LPARAM>(buffer));
                       });
}

LRESULT CALLBACK heldEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    auto held = heldEdits.find(edit);
    if (held == heldEdits.end()) return DefWindowProcA(edit, message, wParam, lParam);
    const WNDPROC original = held->second.original;
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        heldEdits.erase(held);
    } else if (held->second.holding && message != WM_DESTROY) {
        held->second.holding = false;
        const std::string text = std::move(held->second.text);
        // The edit's change notification runs page code, which may hold another edit's
        // text: nothing of the map is used past this point.
        if (message != WM_SETTEXT && textThrough(original, edit) != text)
            CallWindowProcA(original, edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    return CallWindowProcA(original, edit, message, wParam, lParam);
}

bool isEdit(HWND control) {
    char name[16] = {};
    return GetClassNameA(control, name, sizeof name) != 0 && lstrcmpiA(name, "Edit") == 0;
}

}  // namespace

HWND ControlsWin32::item(int id) const {
    if (dialog_ == nullptr) return nullptr;
    // A control destroyed since, or a handle reused by another window, is looked up again.
    auto known = found_.find(id);
    if (known != found_.end() && IsWindow(known->second) && GetParent(known->second) == dialog_ &&
        GetDlgCtrlID(known->second) == id)
        return known->second;
    HWND w = GetDlgItem(dialog_, id);
    if (w != nullptr)
        found_[id] = w;
    else
        found_.erase(id);
    return w;
}

ControlsWin32::ListKind ControlsWin32::listKind(HWND control) const {
    char name[32] = {};
    if (control == nullptr || GetClassNameA(control, name, sizeof name) == 0) return ListKind::None;
    if (lstrcmpiA(name, "ComboBox") == 0) return ListKind::Combo;
    if (lstrcmpiA(name, "ListBox") == 0) return ListKind::List;
    if (lstrcmpiA(name, WC_LISTVIEWA) == 0) return ListKind::ListView;
    return ListKind::None;
}

HWND ControlsWin32::listView(int id) const {
    HWND w = item(id);
    return listKind(w) == ListKind::ListView ? w : nullptr;
}

std::string ControlsWin32::getText(int id) const {
    HWND w = item(id);
    if (w == nullptr) return {};
    return boundedText([w] { return GetWindowTextLengthA(w); },
                       [w](char* buffer, size_t size) { return GetWindowTextA(w, buffer, static_cast<int>(size)); });
}

void ControlsWin32::setText(int id, const std::string& text) {
    if (HWND w = item(id)) SetWindowTextA(w, text.c_str());
}

void ControlsWin32::showText(int id, const std::string& text) {
    HWND w = item(id);
    if (w == nullptr) return;
    if (IsWindowVisible(w)) {
        Controls::showText(id, text);  // reading its text first hands over anything held
        return;
    }
    auto held = heldEdits.find(w);
    if (held == heldEdits.end()) {
        if (!isEdit(w)) {
            Controls::showText(id, text);
            return;
        }
        const auto proc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(w, GWLP_WNDPROC));
        if (proc == nullptr) return;
        held = heldEdits.emplace(w, HeldEdit{proc, false, {}}).first;
        SetWindowLongPtrA(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&heldEditProc));
    }
    held->second.holding = true;
    held->second.text = text;
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
    case ListKind::ListView: SendMessageA(w, LVM_DELETEALLITEMS, 0, 0); break;
    case ListKind::None: break;
    }
}

int ControlsWin32::addItem(int id, const std::string& text) {
    HWND w = item(id);
    LPARAM p = reinterpret_cast<LPARAM>(text.c_str());
    switch (listKind(w)) {
    case ListKind::Combo: return static_cast<int>(SendMessageA(w, CB_ADDSTRING, 0, p));
    case ListKind::List: return static_cast<int>(SendMessageA(w, LB_ADDSTRING, 0, p));
    case ListKind::ListView: case ListKind::None: break;
    }
    return -1;
}

int ControlsWin32::itemCount(int id) const {
    HWND w = item(id);
    int n = 0;
    switch (listKind(w)) {
    case ListKind::Combo: n = static_cast<int>(SendMessageA(w, CB_GETCOUNT, 0, 0)); break;
    case ListKind::List: n = static_cast<int>(SendMessageA(w, LB_GETCOUNT, 0, 0)); break;
    case ListKind::ListView: n = static_cast<int>(SendMessageA(w, LVM_GETITEMCOUNT, 0, 0)); break;
    case ListKind::None: break;
    }
    return n < 0 ? 0 : n;
}

std::string ControlsWin32::itemText(int id, int index) const {
    HWND w = item(id);
    ListKind kind = listKind(w);
    if (kind == ListKind::None || kind == ListKind::ListView || index < 0) return {};
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
    case ListKind::ListView: case ListKind::None: break;
    }
    return sel < 0 ? -1 : static_cast<int>(sel);
}

bool ControlsWin32::setSelectionIndex(int id, int index) {
    HWND w = item(id);
    LRESULT r = -1;
    switch (listKind(w)) {
    case ListKind::Combo: r = SendMessageA(w, CB_SETCURSEL, static_cast<WPARAM>(index), 0); break;
    case ListKind::List: r = SendMessageA(w, LB_SETCURSEL, static_cast<WPARAM>(index), 0); break;
    case ListKind::ListView: case ListKind::None: return false;
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
    case ListKind::ListView: case ListKind::None: break;
    }
    return r < 0 ? -1 : static_cast<int>(r);
}

int ControlsWin32::listClientWidth(int id) const {
    HWND w = listView(id);
    RECT r{};
    if (w == nullptr || !GetClientRect(w, &r)) return 0;
    return r.right - r.left;
}

bool ControlsWin32::insertListColumn(int id, int column, const std::string& title, int width) {
    HWND w = listView(id);
    if (w == nullptr) return false;
    LVCOLUMNA c{};
    c.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    c.pszText = const_cast<char*>(title.c_str());   // only read by an insert
    c.cx = width;
    c.iSubItem = column;
    return SendMessageA(w, LVM_INSERTCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&c)) >= 0;
}

int ControlsWin32::insertListRow(int id, int row, int image, const std::vector<std::string>& cells) {
    HWND w = listView(id);
    if (w == nullptr) return -1;
    const std::string first = cells.empty() ? std::string() : cells[0];
    LVITEMA it{};
    it.mask = LVIF_TEXT | LVIF_IMAGE;
    it.iItem = row;
    it.pszText = const_cast<char*>(first.c_str());
    it.iImage = image;
    const int at = static_cast<int>(SendMessageA(w, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&it)));
    if (at < 0) return -1;
    for (size_t column = 1; column < cells.size(); ++column) {
        LVITEMA sub{};
        sub.iSubItem = static_cast<int>(column);
        sub.pszText = const_cast<char*>(cells[column].c_str());
        SendMessageA(w, LVM_SETITEMTEXTA, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(&sub));
    }
    return at;
}

void ControlsWin32::deleteListRow(int id, int row) {
    if (HWND w = listView(id)) SendMessageA(w, LVM_DELETEITEM, static_cast<WPARAM>(row), 0);
}

std::string ControlsWin32::listCellText(int id, int row, int column) const {
    HWND w = listView(id);
    if (w == nullptr || row < 0 || column < 0) return {};
    // The control says only how much it copied: a buffer it filled to the brim may have
    // cut the text, so ask again with more room.
    for (size_t room = kListCellFirstRoom; room <= kListCellMostRoom; room *= kListCellRoomGrowth) {
        std::vector<char> buffer(room, '\0');
        LVITEMA it{};
        it.iSubItem = column;
        it.pszText = buffer.data();
        it.cchTextMax = static_cast<int>(room);
        LRESULT got = SendMessageA(w, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&it));
        if (got < 0) got = 0;
        if (static_cast<size_t>(got) + 1 < room) return std::string(buffer.data(), strnlen(buffer.data(), size_t(got)));
    }
    return {};
}

int ControlsWin32::listSelectionMark(int id) const {
    HWND w = listView(id);
    if (w == nullptr) return -1;
    const LRESULT mark = SendMessageA(w, LVM_GETSELECTIONMARK, 0, 0);
    return mark < 0 ? -1 : static_cast<int>(mark);
}

int ControlsWin32::listSelectedRow(int id) const {
    HWND w = listView(id);
    if (w == nullptr) return -1;
    const LRESULT row = SendMessageA(w, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), MAKELPARAM(LVNI_SELECTED, 0));
    return row < 0 ? -1 : static_cast<int>(row);
}

void ControlsWin32::setListTextColour(int id, uint32_t colour) {
    if (HWND w = listView(id)) SendMessageA(w, LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(colour));
}

void ControlsWin32::setListFullRowSelect(int id) {
    if (HWND w = listView(id))
        SendMessageA(w, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
}

ImageListRef ControlsWin32::createImageList(int bitmapId, int imageSize, uint32_t transparent) {
    if (dialog_ == nullptr) return 0;
    // The dialog's module holds its template, and with it the pictures.
    HINSTANCE module = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(dialog_, GWLP_HINSTANCE));
    HIMAGELIST images = ImageList_LoadImageA(module, MAKEINTRESOURCEA(bitmapId), imageSize, kImageListGrowth,
                                             static_cast<COLORREF>(transparent), IMAGE_BITMAP, LR_CREATEDIBSECTION);
    return reinterpret_cast<ImageListRef>(images);
}

void ControlsWin32::destroyImageList(ImageListRef images) {
    if (images != 0) ImageList_Destroy(reinterpret_cast<HIMAGELIST>(images));
}

void ControlsWin32::setListImages(int id, ImageListRef images) {
    if (HWND w = listView(id)) SendMessageA(w, LVM_SETIMAGELIST, LVSIL_SMALL, static_cast<LPARAM>(images));
}
