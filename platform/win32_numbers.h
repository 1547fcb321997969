#pragma once
// The window-system numbers the portable core acts on (messages, notification codes,
// styles, record layouts), so that its logic compiles and is tested without
// <windows.h>. Every number lives here once; the windows build checks each one against
// the system's headers, so a typo cannot pass.

#include <cstddef>
#include <cstdint>

constexpr unsigned kWmDestroy = 0x0002;
constexpr unsigned kWmSize = 0x0005;
constexpr unsigned kWmSetFocus = 0x0007;
constexpr unsigned kWmKillFocus = 0x0008;
constexpr unsigned kWmSetText = 0x000C;
constexpr unsigned kWmGetText = 0x000D;
constexpr unsigned kWmPaint = 0x000F;
constexpr unsigned kWmEraseBkgnd = 0x0014;
constexpr unsigned kWmNotify = 0x004E;
constexpr unsigned kWmGetDlgCode = 0x0087;
constexpr unsigned kWmKeyDown = 0x0100;
constexpr unsigned kWmKeyUp = 0x0101;
constexpr unsigned kWmCommand = 0x0111;
constexpr unsigned kWmMouseMove = 0x0200;
constexpr unsigned kWmLButtonDown = 0x0201;
constexpr unsigned kWmLButtonUp = 0x0202;
constexpr unsigned kWmUser = 0x0400;

// Progress bar messages.
constexpr unsigned kPbmSetRange = kWmUser + 1;
constexpr unsigned kPbmSetPos = kWmUser + 2;
constexpr unsigned kPbmDeltaPos = kWmUser + 3;
constexpr unsigned kPbmSetStep = kWmUser + 4;
constexpr unsigned kPbmStepIt = kWmUser + 5;
constexpr unsigned kPbmSetRange32 = kWmUser + 6;
constexpr unsigned kPbmGetRange = kWmUser + 7;
constexpr unsigned kPbmGetPos = kWmUser + 8;
constexpr unsigned kPbmSetBarColor = kWmUser + 9;
constexpr unsigned kPbmSetBkColor = 0x2001;  // CCM_SETBKCOLOR
// The text progress bar's own: text colour and show-text.
constexpr unsigned kPbmSetTextColour = kWmUser + 100;
constexpr unsigned kPbmSetShowText = kWmUser + 101;
constexpr uint32_t kPbsVertical = 0x04;

// Tab control.
constexpr uint32_t kTabStyleBottom = 0x0002;  // TCS_BOTTOM (TCS_RIGHT with TCS_VERTICAL)
constexpr uint32_t kTabStyleRight = 0x0002;
constexpr uint32_t kTabStyleVertical = 0x0080;
constexpr uint32_t kTcnSelChange = static_cast<uint32_t>(-551);
constexpr uint32_t kTcnSelChanging = static_cast<uint32_t>(-552);

// Keys a picture button answers, and what it tells the dialog manager it wants.
constexpr unsigned kVkReturn = 0x0D;
constexpr unsigned kVkSpace = 0x20;
constexpr intptr_t kDlgcWantMessage = 0x0004;   // DLGC_WANTMESSAGE
constexpr intptr_t kDlgcButton = 0x2000;        // DLGC_BUTTON
constexpr intptr_t kKeyRepeatBit = intptr_t(1) << 30;   // WM_KEYDOWN: the key was already down

// Control notification codes, as WM_COMMAND's high word carries them.
constexpr int kBnClicked = 0;        // BN_CLICKED (also STN_CLICKED of a notifying static)
constexpr int kStnDblClk = 1;        // STN_DBLCLK
constexpr int kEnSetFocus = 0x0100;  // EN_SETFOCUS
constexpr int kEnChange = 0x0300;    // EN_CHANGE
constexpr int kCbnSelChange = 1;     // CBN_SELCHANGE
// Common-control notifications, as WM_NOTIFY's record carries them.
constexpr uint32_t kNmClick = static_cast<uint32_t>(-2);     // NM_CLICK
constexpr uint32_t kNmDblClk = static_cast<uint32_t>(-3);    // NM_DBLCLK

// System colours.
constexpr int kColorWindow = 5;
constexpr int kColorHighlight = 13;

// The notification record every WM_NOTIFY starts with, in the platform's layout
// (window handle, control id, code).
struct NotifyHeader {
    uintptr_t from;
    uintptr_t id;
    uint32_t code;
};

// ---- Shell, main window and tray -----------------------------------------------------
constexpr unsigned kWmQueryDragIcon = 0x0037;
constexpr unsigned kWmLButtonDblClk = 0x0203;
constexpr unsigned kWmRButtonUp = 0x0205;
constexpr unsigned kWmApp = 0x8000;
constexpr unsigned kScClose = 0xF060;       // WM_SYSCOMMAND: the close box or Alt+F4
constexpr unsigned kScMinimize = 0xF020;    // WM_SYSCOMMAND: the minimise box
constexpr int kIdOk = 1;                    // dialog results and the Enter / Escape commands
constexpr int kIdCancel = 2;
// GetVersionExA's platform ids.
constexpr uint32_t kVerPlatformWin32Windows = 1;   // the 9x family
constexpr uint32_t kVerPlatformWin32Nt = 2;
// The notification-icon record: its flags, the hidden state, the balloon's warning icon,
// and its text buffers in characters (with the terminating zero).
constexpr uint32_t kNifMessage = 0x01;
constexpr uint32_t kNifIcon = 0x02;
constexpr uint32_t kNifTip = 0x04;
constexpr uint32_t kNifState = 0x08;
constexpr uint32_t kNifInfo = 0x10;
constexpr uint32_t kNisHidden = 0x01;
constexpr uint32_t kNiifInfo = 0x01;
constexpr uint32_t kNiifWarning = 0x02;
constexpr unsigned kNotifyTipChars = 128;
constexpr unsigned kNotifyInfoChars = 256;
constexpr unsigned kNotifyInfoTitleChars = 64;

// The record PBM_GETRANGE fills (PBRANGE).
struct ProgressRange {
    int32_t low;
    int32_t high;
};

// Registry reads of the device information: value types, results and the read access
// the driver key is opened with.
constexpr uint32_t kRegSz = 1;                // REG_SZ
constexpr uint32_t kRegExpandSz = 2;          // REG_EXPAND_SZ
constexpr uint32_t kRegDword = 4;             // REG_DWORD
constexpr long kErrorSuccess = 0;             // ERROR_SUCCESS
constexpr long kErrorFileNotFound = 2;        // ERROR_FILE_NOT_FOUND
constexpr long kErrorMoreData = 234;          // ERROR_MORE_DATA
constexpr long kErrorNoMoreItems = 259;       // ERROR_NO_MORE_ITEMS
constexpr uint32_t kKeyRead = 0x20019;        // KEY_READ

// ---- Numbers the system names no constant for -------------------------------------------
// The hand cursor's resource number (IDC_HAND is a pointer-typed constant).
constexpr int kIdcHand = 32649;
// An image list grows by one image at a time.
constexpr int kImageListGrowth = 1;
// A list-view cell's text is read into a buffer this size first, four times larger on
// each try while the text fills it, up to the most a cell can hold.
constexpr size_t kListCellFirstRoom = 264;
constexpr size_t kListCellRoomGrowth = 4;
constexpr size_t kListCellMostRoom = 65536;

// The enumeration exports of the adapter library, by ordinal (they have no names).
constexpr int kOrdinalOpenEnumeration9x = 49;
constexpr int kOrdinalOpenEnumerationNt = 50;
constexpr int kOrdinalCloseEnumeration = 51;
constexpr int kOrdinalFirstEntry = 52;
constexpr int kOrdinalNextEntry = 53;
constexpr int kOrdinalReleaseEntry = 54;
constexpr int kOrdinalEntryDescription = 55;
constexpr int kOrdinalEntryDeviceName = 57;

// Where the tray's notification area is taken to be, in pixels, when the taskbar does
// not show it: the clock counts as on a horizontal bar when its bottom is within
// kTrayClockSlack of the bar's; a bar's last kTrayAreaLength pixels less the
// kTrayAreaEndGap at its very end; with no taskbar, the work area's corner.
constexpr int kTrayClockSlack = 5;
constexpr int kTrayAreaLength = 100;
constexpr int kTrayAreaEndGap = 16;
constexpr int kTrayCornerWidth = 150;
constexpr int kTrayCornerHeight = 30;
