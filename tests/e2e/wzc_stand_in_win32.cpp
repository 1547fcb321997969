// wzc_stand_in.exe: a service that does nothing but run and stop on request. The end-to-end
// test installs it in its own Wine prefix under the wireless configuration service's name,
// so Lumora's stop at start-up and its hand-back at Exit meet a real service manager.
//   wzc_stand_in.exe [--stop-delay=MS]   stays "stop pending" for MS milliseconds after a
//                                        stop request, as a real service may
#include <windows.h>

#include <cstdlib>
#include <cstring>

namespace {

SERVICE_STATUS_HANDLE statusHandle = nullptr;
HANDLE stopEvent = nullptr;
DWORD stopDelayMs = 0;

void report(DWORD state) {
    SERVICE_STATUS status{};
    status.dwServiceType = SERVICE_WIN32_OWN_PROCESS;
    status.dwCurrentState = state;
    status.dwControlsAccepted = state == SERVICE_RUNNING ? SERVICE_ACCEPT_STOP : 0;
    SetServiceStatus(statusHandle, &status);
}

DWORD WINAPI control(DWORD code, DWORD, void*, void*) {
    if (code == SERVICE_CONTROL_STOP) {
        report(SERVICE_STOP_PENDING);
        SetEvent(stopEvent);
    }
    return NO_ERROR;
}

void WINAPI serviceMain(DWORD, char**) {
    statusHandle = RegisterServiceCtrlHandlerExA("WZCSVC", control, nullptr);
    if (!statusHandle) return;
    stopEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    report(SERVICE_RUNNING);
    WaitForSingleObject(stopEvent, INFINITE);
    Sleep(stopDelayMs);
    report(SERVICE_STOPPED);
}

}  // namespace

int main(int argc, char** argv) {
    const char option[] = "--stop-delay=";
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], option, sizeof option - 1) == 0)
            stopDelayMs = DWORD(std::strtoul(argv[i] + sizeof option - 1, nullptr, 10));
    char name[] = "WZCSVC";
    SERVICE_TABLE_ENTRYA table[] = {{name, serviceMain}, {nullptr, nullptr}};
    return StartServiceCtrlDispatcherA(table) ? 0 : 1;
}
