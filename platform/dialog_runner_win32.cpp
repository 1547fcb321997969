#include "platform/dialog_runner_win32.h"

#include <windows.h>

#include "platform/dialog_host_win32.h"

int DialogRunnerWin32::runModal(Dialog& dialog) {
    DialogHost host(dialog);
    return int(host.runModal(GetActiveWindow()));
}
