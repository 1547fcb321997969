// bare_dialog.exe: a modal dialog with the same 2.5-second timer as Lumora's poll, built
// with the same compiler and flags. At its first tick it writes the file named by
// BARE_DIALOG_MARK, then waits to be closed; startup_cost.exe times it against Lumora.
#include <windows.h>

namespace {

constexpr UINT_PTR kPollTimer = 102;

INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
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
