// Every window-system number the portable core names (platform/win32_numbers.h) held
// against the system's own headers. Nothing here runs: a number that is wrong stops the
// windows build, in the 32-bit product build and the 64-bit test build alike. A number
// added to win32_numbers.h gets its line here.
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <cstddef>

#include "platform/win32_numbers.h"

#define LUMORA_SAME(ours, sdk) static_assert((ours) == (sdk), #ours " must be " #sdk)

// Window messages.
LUMORA_SAME(kWmDestroy, WM_DESTROY);
LUMORA_SAME(kWmSize, WM_SIZE);
LUMORA_SAME(kWmSetFocus, WM_SETFOCUS);
LUMORA_SAME(kWmKillFocus, WM_KILLFOCUS);
LUMORA_SAME(kWmSetText, WM_SETTEXT);
LUMORA_SAME(kWmGetText, WM_GETTEXT);
LUMORA_SAME(kWmPaint, WM_PAINT);
LUMORA_SAME(kWmEraseBkgnd, WM_ERASEBKGND);
LUMORA_SAME(kWmNotify, WM_NOTIFY);
LUMORA_SAME(kWmGetDlgCode, WM_GETDLGCODE);
LUMORA_SAME(kWmKeyDown, WM_KEYDOWN);
LUMORA_SAME(kWmKeyUp, WM_KEYUP);
LUMORA_SAME(kWmCommand, WM_COMMAND);
LUMORA_SAME(kWmMouseMove, WM_MOUSEMOVE);
LUMORA_SAME(kWmLButtonDown, WM_LBUTTONDOWN);
LUMORA_SAME(kWmLButtonUp, WM_LBUTTONUP);
LUMORA_SAME(kWmUser, WM_USER);

// Progress bar.
LUMORA_SAME(kPbmSetRange, PBM_SETRANGE);
LUMORA_SAME(kPbmSetPos, PBM_SETPOS);
LUMORA_SAME(kPbmDeltaPos, PBM_DELTAPOS);
LUMORA_SAME(kPbmSetStep, PBM_SETSTEP);
LUMORA_SAME(kPbmStepIt, PBM_STEPIT);
LUMORA_SAME(kPbmSetRange32, PBM_SETRANGE32);
LUMORA_SAME(kPbmGetRange, PBM_GETRANGE);
LUMORA_SAME(kPbmGetPos, PBM_GETPOS);
LUMORA_SAME(kPbmSetBarColor, PBM_SETBARCOLOR);
LUMORA_SAME(kPbmSetBkColor, PBM_SETBKCOLOR);
LUMORA_SAME(kPbsVertical, PBS_VERTICAL);
static_assert(sizeof(ProgressRange) == sizeof(PBRANGE), "PBRANGE size");
static_assert(offsetof(ProgressRange, low) == offsetof(PBRANGE, iLow), "PBRANGE low");
static_assert(offsetof(ProgressRange, high) == offsetof(PBRANGE, iHigh), "PBRANGE high");

// Tab control.
LUMORA_SAME(kTabStyleBottom, TCS_BOTTOM);
LUMORA_SAME(kTabStyleRight, TCS_RIGHT);
LUMORA_SAME(kTabStyleVertical, TCS_VERTICAL);
LUMORA_SAME(kTcnSelChange, static_cast<uint32_t>(TCN_SELCHANGE));
LUMORA_SAME(kTcnSelChanging, static_cast<uint32_t>(TCN_SELCHANGING));

// Keyboard and the dialog manager.
LUMORA_SAME(kVkReturn, VK_RETURN);
LUMORA_SAME(kVkSpace, VK_SPACE);
LUMORA_SAME(kDlgcWantMessage, DLGC_WANTMESSAGE);
LUMORA_SAME(kDlgcButton, DLGC_BUTTON);

// Control notifications.
LUMORA_SAME(kBnClicked, BN_CLICKED);
LUMORA_SAME(kBnClicked, STN_CLICKED);
LUMORA_SAME(kStnDblClk, STN_DBLCLK);
LUMORA_SAME(kEnSetFocus, EN_SETFOCUS);
LUMORA_SAME(kEnChange, EN_CHANGE);
LUMORA_SAME(kCbnSelChange, CBN_SELCHANGE);
LUMORA_SAME(kNmClick, static_cast<uint32_t>(NM_CLICK));
LUMORA_SAME(kNmDblClk, static_cast<uint32_t>(NM_DBLCLK));

// System colours.
LUMORA_SAME(kColorWindow, COLOR_WINDOW);
LUMORA_SAME(kColorHighlight, COLOR_HIGHLIGHT);

// The notification header the core reads a WM_NOTIFY through, in this build's width.
static_assert(sizeof(NotifyHeader) == sizeof(NMHDR), "NMHDR size");
static_assert(offsetof(NotifyHeader, from) == offsetof(NMHDR, hwndFrom), "NMHDR hwndFrom");
static_assert(offsetof(NotifyHeader, id) == offsetof(NMHDR, idFrom), "NMHDR idFrom");
static_assert(offsetof(NotifyHeader, code) == offsetof(NMHDR, code), "NMHDR code");
static_assert(sizeof(NotifyHeader::from) == sizeof(HWND) && sizeof(NotifyHeader::id) == sizeof(UINT_PTR) &&
                  sizeof(NotifyHeader::code) == sizeof(UINT),
              "NMHDR member widths");

// Shell, main window and tray.
LUMORA_SAME(kWmQueryDragIcon, WM_QUERYDRAGICON);
LUMORA_SAME(kWmLButtonDblClk, WM_LBUTTONDBLCLK);
LUMORA_SAME(kWmRButtonUp, WM_RBUTTONUP);
LUMORA_SAME(kWmApp, WM_APP);
LUMORA_SAME(kScClose, SC_CLOSE);
LUMORA_SAME(kScMinimize, SC_MINIMIZE);
LUMORA_SAME(kIdOk, IDOK);
LUMORA_SAME(kIdCancel, IDCANCEL);
LUMORA_SAME(kVerPlatformWin32Windows, VER_PLATFORM_WIN32_WINDOWS);
LUMORA_SAME(kVerPlatformWin32Nt, VER_PLATFORM_WIN32_NT);
LUMORA_SAME(kNifMessage, NIF_MESSAGE);
LUMORA_SAME(kNifIcon, NIF_ICON);
LUMORA_SAME(kNifTip, NIF_TIP);
LUMORA_SAME(kNifState, NIF_STATE);
LUMORA_SAME(kNifInfo, NIF_INFO);
LUMORA_SAME(kNisHidden, NIS_HIDDEN);
LUMORA_SAME(kNiifWarning, NIIF_WARNING);
LUMORA_SAME(kNotifyTipChars, sizeof(NOTIFYICONDATAA::szTip));
LUMORA_SAME(kNotifyInfoChars, sizeof(NOTIFYICONDATAA::szInfo));
LUMORA_SAME(kNotifyInfoTitleChars, sizeof(NOTIFYICONDATAA::szInfoTitle));
