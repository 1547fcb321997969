#include "platform/control_window_win32.h"

#include <commctrl.h>

#include <vector>

#include "platform/paint_list_win32.h"
#include "platform/win32_numbers.h"

namespace {
// The control object travels with its window as a property: the standard controls
// keep their own use of the window's user data.
const char kProperty[] = "LumoraCustomControl";

// Resource bitmaps are shared: the header row's pictures stand on every page, three
// states each, and one object per resource serves them all (a static shows a bitmap
// without owning it). The last user to let go deletes it. User-interface thread only.
struct SharedBitmap {
    HINSTANCE module;
    int resourceId;
    HBITMAP bitmap;
    int users;
};
std::vector<SharedBitmap> sharedBitmaps;
}  // namespace

ControlWindowWin32::ControlWindowWin32(HWND window, CustomControl& control, HINSTANCE resources)
    : hwnd_(window), control_(control), resources_(resources) {
    SetPropA(hwnd_, kProperty, this);
    original_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ControlWindowWin32::windowProc)));
    control_.attachWindow(this);
}

ControlWindowWin32::~ControlWindowWin32() { detach(); }

void ControlWindowWin32::detach() {
    if (hwnd_ == nullptr) return;
    control_.attachWindow(nullptr);
    SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
    RemovePropA(hwnd_, kProperty);
    hwnd_ = nullptr;
}

LRESULT CALLBACK ControlWindowWin32::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<ControlWindowWin32*>(GetPropA(hwnd, kProperty));
    if (self == nullptr) return DefWindowProcA(hwnd, message, wParam, lParam);
    return self->route(message, wParam, lParam);
}

LRESULT ControlWindowWin32::route(UINT message, WPARAM wParam, LPARAM lParam) {
    const CustomControl::PaintMode mode = control_.paintMode();
    switch (message) {
    case WM_NCDESTROY: {
        WNDPROC original = original_;
        HWND hwnd = hwnd_;
        detach();
        return CallWindowProcA(original, hwnd, message, wParam, lParam);
    }
    case WM_PAINT:
        invalidPending_ = false;
        if (mode == CustomControl::PaintMode::OnPaint) {
            paintBuffered();
            return 0;
        }
        if (mode == CustomControl::PaintMode::OnErase) {
            // Everything is drawn with the background. BeginPaint sends the erase that
            // an invalidation asked for (ValidateRect alone would drop it, and the
            // control would never be drawn); nothing else is painted.
            PAINTSTRUCT ps{};
            BeginPaint(hwnd_, &ps);
            EndPaint(hwnd_, &ps);
            return 0;
        }
        break;
    case WM_PRINTCLIENT:
        // Drawing into a DC someone else gives us (printing, snapshots): the same picture.
        if (mode != CustomControl::PaintMode::None) {
            Size size = clientSize();
            PaintList list;
            control_.paint(size.width, size.height, list);
            replayPaintList(reinterpret_cast<HDC>(wParam), list, parentFont());
            return 0;
        }
        break;
    case WM_ERASEBKGND:
        if (mode == CustomControl::PaintMode::OnErase) {
            Size size = clientSize();
            PaintList list;
            control_.paint(size.width, size.height, list);
            replayPaintList(reinterpret_cast<HDC>(wParam), list, parentFont());
            return TRUE;
        }
        break;
    default:
        break;
    }
    intptr_t result = 0;
    if (control_.handleMessage(message, wParam, lParam, result)) return result;
    return CallWindowProcA(original_, hwnd_, message, wParam, lParam);
}

void ControlWindowWin32::paintBuffered() {
    PAINTSTRUCT ps{};
    HDC dc = BeginPaint(hwnd_, &ps);
    if (dc == nullptr) return;
    Size size = clientSize();
    RECT clip{};
    GetClipBox(dc, &clip);
    const int w = clip.right - clip.left;
    const int h = clip.bottom - clip.top;
    PaintList list;
    control_.paint(size.width, size.height, list);
    if (list.ops.empty()) {
        // Nothing to draw (a progress bar with an empty range): copying the untouched
        // off-screen bitmap would paint the control black.
        EndPaint(hwnd_, &ps);
        return;
    }
    HFONT font = parentFont();
    // Drawn off-screen and copied in one go, so the bar never flickers.
    HDC memory = w > 0 && h > 0 ? CreateCompatibleDC(dc) : nullptr;
    HBITMAP bitmap = memory != nullptr ? CreateCompatibleBitmap(dc, w, h) : nullptr;
    if (memory != nullptr && bitmap != nullptr) {
        HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
        SetWindowOrgEx(memory, clip.left, clip.top, nullptr);
        replayPaintList(memory, list, font);
        BitBlt(dc, clip.left, clip.top, w, h, memory, clip.left, clip.top, SRCCOPY);
        SelectObject(memory, oldBitmap);
    } else if (w > 0 && h > 0) {
        replayPaintList(dc, list, font);  // no memory left for the buffer: draw directly
    }
    if (bitmap != nullptr) DeleteObject(bitmap);
    if (memory != nullptr) DeleteDC(memory);
    EndPaint(hwnd_, &ps);
}

HFONT ControlWindowWin32::parentFont() const {
    HWND parent = GetParent(hwnd_);
    return parent == nullptr ? nullptr : reinterpret_cast<HFONT>(SendMessageA(parent, WM_GETFONT, 0, 0));
}

int ControlWindowWin32::id() const { return hwnd_ == nullptr ? 0 : GetDlgCtrlID(hwnd_); }

uint32_t ControlWindowWin32::style() const {
    return hwnd_ == nullptr ? 0 : static_cast<uint32_t>(GetWindowLongA(hwnd_, GWL_STYLE));
}

Size ControlWindowWin32::clientSize() const {
    RECT r{};
    if (hwnd_ == nullptr || !GetClientRect(hwnd_, &r)) return {};
    return {r.right - r.left, r.bottom - r.top};
}

// A hidden control is not drawn: showing it (or the window it sits in) paints it whole,
// from its state at that moment. Invalidating it meanwhile would only cost a trip to the
// window system on every tick of a program that sits in the tray all day.
void ControlWindowWin32::invalidate() {
    if (hwnd_ == nullptr || invalidPending_ || !IsWindowVisible(hwnd_)) return;
    invalidPending_ = InvalidateRect(hwnd_, nullptr, TRUE) != FALSE;
}

void ControlWindowWin32::redrawNow() {
    if (hwnd_ != nullptr && IsWindowVisible(hwnd_))
        RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

Colour ControlWindowWin32::systemColour(int index) const { return GetSysColor(index); }

intptr_t ControlWindowWin32::defaultHandling(unsigned message, uintptr_t wParam, intptr_t lParam) {
    if (hwnd_ == nullptr || original_ == nullptr) return 0;
    return CallWindowProcA(original_, hwnd_, message, wParam, lParam);
}

intptr_t ControlWindowWin32::sendToParent(unsigned message, uintptr_t wParam, intptr_t lParam) {
    HWND parent = hwnd_ == nullptr ? nullptr : GetParent(hwnd_);
    return parent == nullptr ? 0 : SendMessageA(parent, message, wParam, lParam);
}

BitmapRef ControlWindowWin32::loadBitmap(int resourceId) {
    if (resourceId < 0 || resourceId > 0xFFFF) return 0;
    for (SharedBitmap& shared : sharedBitmaps)
        if (shared.module == resources_ && shared.resourceId == resourceId) {
            ++shared.users;
            return reinterpret_cast<BitmapRef>(shared.bitmap);
        }
    HBITMAP bitmap = LoadBitmapA(resources_, MAKEINTRESOURCEA(resourceId));
    if (bitmap != nullptr) sharedBitmaps.push_back({resources_, resourceId, bitmap, 1});
    return reinterpret_cast<BitmapRef>(bitmap);
}

void ControlWindowWin32::freeBitmap(BitmapRef ref) {
    HBITMAP bitmap = reinterpret_cast<HBITMAP>(ref);
    if (bitmap == nullptr) return;
    for (size_t i = 0; i < sharedBitmaps.size(); ++i)
        if (sharedBitmaps[i].bitmap == bitmap) {
            if (--sharedBitmaps[i].users == 0) {
                DeleteObject(bitmap);
                sharedBitmaps.erase(sharedBitmaps.begin() + static_cast<std::ptrdiff_t>(i));
            }
            return;
        }
    DeleteObject(bitmap);
}

void ControlWindowWin32::showBitmap(BitmapRef bitmap) {
    if (hwnd_ == nullptr) return;
    // A static hands back the picture it showed before. One of ours stays with its users;
    // any other (the one its template named, loaded when the static was made) would be
    // left to no one, so it goes now.
    HBITMAP previous = reinterpret_cast<HBITMAP>(
        SendMessageA(hwnd_, STM_SETIMAGE, IMAGE_BITMAP, static_cast<LPARAM>(bitmap)));
    if (previous == nullptr || previous == reinterpret_cast<HBITMAP>(bitmap)) return;
    for (const SharedBitmap& shared : sharedBitmaps)
        if (shared.bitmap == previous) return;
    DeleteObject(previous);
}

void ControlWindowWin32::setHandCursor() { SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(kIdcHand))); }

void ControlWindowWin32::drawFocusMark() {
    if (hwnd_ == nullptr) return;
    RECT r{};
    GetClientRect(hwnd_, &r);
    InflateRect(&r, -1, -1);
    HDC dc = GetDC(hwnd_);
    if (dc == nullptr) return;
    DrawFocusRect(dc, &r);
    ReleaseDC(hwnd_, dc);
}

WindowRef ControlWindowWin32::focusedWindow() const { return reinterpret_cast<WindowRef>(GetFocus()); }

void ControlWindowWin32::setFocus(WindowRef window) {
    HWND w = reinterpret_cast<HWND>(window);
    if (w != nullptr && IsWindow(w)) SetFocus(w);
}

bool ControlWindowWin32::insertTab(int position, const std::string& title) {
    if (hwnd_ == nullptr) return false;
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(title.c_str());
    return SendMessageA(hwnd_, TCM_INSERTITEMA, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(&item)) >= 0;
}

void ControlWindowWin32::deleteTab(int position) {
    if (hwnd_ != nullptr) SendMessageA(hwnd_, TCM_DELETEITEM, static_cast<WPARAM>(position), 0);
}

int ControlWindowWin32::tabCount() const {
    return hwnd_ == nullptr ? 0 : static_cast<int>(SendMessageA(hwnd_, TCM_GETITEMCOUNT, 0, 0));
}

int ControlWindowWin32::tabSelection() const {
    return hwnd_ == nullptr ? -1 : static_cast<int>(SendMessageA(hwnd_, TCM_GETCURSEL, 0, 0));
}

void ControlWindowWin32::setTabSelection(int position) {
    if (hwnd_ != nullptr) SendMessageA(hwnd_, TCM_SETCURSEL, static_cast<WPARAM>(position), 0);
}

Rect ControlWindowWin32::tabRect(int position) const {
    RECT r{};
    if (hwnd_ == nullptr || !SendMessageA(hwnd_, TCM_GETITEMRECT, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(&r)))
        return {};
    return {r.left, r.top, r.right, r.bottom};
}

int ControlWindowWin32::tabRowCount() const {
    return hwnd_ == nullptr ? 0 : static_cast<int>(SendMessageA(hwnd_, TCM_GETROWCOUNT, 0, 0));
}
