// W32N50.dll: the simulated adapter library as the program loads it. Every export is a
// stdcall shell over one SimAdapterLibrary; the scenario comes from the file named by
// LUMORA_SIM_SCENARIO or, failing that, W32N50.ini beside this DLL (the built-in default
// when neither exists), and LUMORA_SIM_LOG names an optional request log.
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "adapter/ndis.h"
#include "adapter/ndis_request_record.h"
#include "sim/sim_adapter_library.h"


namespace {

HMODULE thisModule = nullptr;
// The library lives from the first call to process exit; Wine and Windows call us on one
// thread only (the program has no worker threads).
std::unique_ptr<SimAdapterLibrary> library;
// The text W32N_GetNetCardRegistryPath hands out; good until the next call.
std::string registryPath;

std::string EnvVar(const char* name) {
    char value[1024] = {};
    const DWORD n = GetEnvironmentVariableA(name, value, sizeof value);
    return (n > 0 && n < sizeof value) ? std::string(value, n) : std::string();
}

std::string BesideDll(const char* fileName) {
    char path[MAX_PATH + 1] = {};
    const DWORD n = GetModuleFileNameA(thisModule, path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return std::string();
    std::string dir(path, n);
    const size_t slash = dir.find_last_of("\\/");
    return (slash == std::string::npos ? std::string() : dir.substr(0, slash + 1)) + fileName;
}

SimAdapterLibrary& Library() {
    if (!library) {
        library = std::make_unique<SimAdapterLibrary>();
        library->KeepHistory(false);   // nothing in the process reads it; the file log is the record
        library->SetClock([] { return static_cast<uint32_t>(GetTickCount()); });
        std::string scenario = EnvVar("LUMORA_SIM_SCENARIO");
        if (scenario.empty()) scenario = BesideDll("W32N50.ini");
        if (!scenario.empty()) library->SetScenarioFile(scenario);
        library->SetLogFile(EnvVar("LUMORA_SIM_LOG"));
    }
    return *library;
}

HANDLE ToHandle(LibHandle h) { return reinterpret_cast<HANDLE>(static_cast<uintptr_t>(h)); }
LibHandle FromHandle(HANDLE h) { return static_cast<LibHandle>(reinterpret_cast<uintptr_t>(h)); }

}  // namespace

extern "C" {

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) thisModule = instance;
    return TRUE;
}

HANDLE WINAPI W32N_OpenAdapterA(const char* deviceName) {
    if (!deviceName) return INVALID_HANDLE_VALUE;
    return ToHandle(Library().OpenAdapter(deviceName));
}

BOOL WINAPI W32N_CloseAdapter(HANDLE adapter) {
    Library().CloseAdapter(FromHandle(adapter));
    return TRUE;
}

DWORD WINAPI W32N_MakeNdisRequest(HANDLE adapter, void* record, OVERLAPPED* overlapped,
                                                        BOOL wait) {
    if (!record) return NDIS_STATUS_FAILURE;
    uint8_t* r = static_cast<uint8_t*>(record);
    NdisRequest request = NdisRequestRecord::unpack(r);
    const EventHandle event = overlapped ? reinterpret_cast<EventHandle>(overlapped->hEvent) : 0;
    const DWORD status = Library().MakeNdisRequest(FromHandle(adapter), request, event);
    NdisRequestRecord::putCounters(r, request.bytesWritten, request.bytesNeeded);
    if (overlapped) {
        overlapped->Internal = status;
        overlapped->InternalHigh = request.bytesWritten;
        // Every request completes before we return. A caller that asked us to wait has
        // nothing to wait for; signalling its event anyway would cost a round trip to the
        // window server per request, which a driver completing in the kernel never costs.
        if (overlapped->hEvent && !wait) SetEvent(overlapped->hEvent);
    }
    return status;
}

const char* WINAPI W32N_GetNetCardRegistryPath() {
    registryPath = Library().GetNetCardRegistryPath();
    return registryPath.c_str();
}

// ---- Enumeration, exported by ordinal only ----
HANDLE WINAPI W32N_EnumOpen9x(DWORD flags) { return ToHandle(Library().OpenEnumeration9x(flags)); }
HANDLE WINAPI W32N_EnumOpenNt() { return ToHandle(Library().OpenEnumerationNt()); }
DWORD WINAPI W32N_EnumClose(HANDLE e) {
    Library().CloseEnumeration(FromHandle(e));
    return 0;
}
HANDLE WINAPI W32N_EnumFirst(HANDLE e) { return ToHandle(Library().FirstEntry(FromHandle(e))); }
HANDLE WINAPI W32N_EnumNext(HANDLE e) { return ToHandle(Library().NextEntry(FromHandle(e))); }
DWORD WINAPI W32N_EnumRelease(HANDLE entry) {
    Library().ReleaseEntry(FromHandle(entry));
    return 0;
}
DWORD WINAPI W32N_EnumDescription(HANDLE entry, char* buffer, DWORD* length) {
    if (!length) return ERROR_INVALID_PARAMETER;
    uint32_t n = *length;
    const uint32_t rc = Library().EntryDescription(FromHandle(entry), buffer, &n);
    *length = n;
    return rc;
}
DWORD WINAPI W32N_EnumDeviceName(HANDLE entry, char* buffer, DWORD* length) {
    if (!length) return ERROR_INVALID_PARAMETER;
    uint32_t n = *length;
    const uint32_t rc = Library().EntryDeviceName(FromHandle(entry), buffer, &n);
    *length = n;
    return rc;
}

}  // extern "C"
