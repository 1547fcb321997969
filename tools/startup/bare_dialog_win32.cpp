// bare_dialog.exe: a modal dialog with the same 2.5-second timer as Lumora's poll, built
// with the same compiler and flags. At its first tick it writes the file named by
// BARE_DIALOG_MARK, then waits to be closed; startup_cost.exe times it against Lumora.
// Built with SAME_IMPORTS it is imports_dialog.exe: it also imports the system DLLs
// Lumora imports and loads W32N50.dll at start, so what is left between it and Lumora
// is Lumora's own work.
#include <windows.h>
#ifdef SAME_IMPORTS
#include <commctrl.h>
#include <shellapi.h>
#include <wininet.h>
#include <winsock2.h>
#endif

namespace {

constexpr UINT_PTR kPollTimer = 102;

#ifdef SAME_IMPORTS
// One function of each DLL Lumora imports, referenced so that the loader maps them all.
void* volatile importedFunctions[] = {
    reinterpret_cast<void*>(&RegCloseKey),       reinterpret_cast<void*>(&InitCommonControls),
    reinterpret_cast<void*>(&GetStockObject),    reinterpret_cast<void*>(&Shell_NotifyIconA),
    reinterpret_cast<void*>(&InternetCloseHandle), reinterpret_cast<void*>(&WSAGetLastError),
};
#endif

INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
#ifdef SAME_IMPORTS
        InitCommonControls();
        LoadLibraryA("W32N50.dll");
#endif
        SetTimer(dialog, kPollTimer, 2500, nullptr);
        return TRUE;
    case WM_TIMER: {
        KillTimer(dialog, kPollTimer);
        char path[MAX_PATH] = {};
        if (GetEnvironmentVariableA("BARE_DIALOG_MARK", path, MAX_PATH) > 0) {
            HANDLE f = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
            DWORD written = 0;
            if (f != INVALID_HANDLE_VALUE) {
                WriteFile(f, "tick\n", 5, &written, nullptr);
                CloseHandle(f);
            }
        }
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDOK) EndDialog(dialog, 0);
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    DialogBoxParamA(instance, MAKEINTRESOURCEA(1), nullptr, dialogProc, 0);
    return 0;
}
