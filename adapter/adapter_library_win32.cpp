#include "adapter/adapter_library_win32.h"

#include <windows.h>

#include <cstring>

#include "adapter/ndis.h"
#include "adapter/ndis_request_record.h"
#include "platform/win32_numbers.h"

namespace {
// The library's exports, all stdcall with 32-bit arguments.
using EnumOpen9xFn = HANDLE(WINAPI*)(DWORD);
using EnumOpenNtFn = HANDLE(WINAPI*)();
using HandleFn = HANDLE(WINAPI*)(HANDLE);
using ReleaseFn = DWORD(WINAPI*)(HANDLE);
using TextFn = DWORD(WINAPI*)(HANDLE, char*, DWORD*);
using OpenAdapterFn = HANDLE(WINAPI*)(const char*);
using CloseAdapterFn = BOOL(WINAPI*)(HANDLE);
using MakeRequestFn = DWORD(WINAPI*)(HANDLE, void*, OVERLAPPED*, BOOL);
using RegistryPathFn = const char*(WINAPI*)();

// A registry path longer than this is not a path; never read further.
constexpr size_t kMaxRegistryPath = 1024;

void* Export(HMODULE module, const char* name) {
    return module ? reinterpret_cast<void*>(GetProcAddress(module, name)) : nullptr;
}
void* Ordinal(HMODULE module, WORD ordinal) {
    return module ? reinterpret_cast<void*>(GetProcAddress(module, MAKEINTRESOURCEA(ordinal))) : nullptr;
}
template <typename Fn>
Fn As(void* p) {
    return reinterpret_cast<Fn>(p);
}
HANDLE ToHandle(LibHandle h) { return reinterpret_cast<HANDLE>(static_cast<uintptr_t>(h)); }
LibHandle FromHandle(HANDLE h) { return static_cast<LibHandle>(reinterpret_cast<uintptr_t>(h)); }
constexpr DWORD kNoLibraryError = ERROR_PROC_NOT_FOUND;
}  // namespace

AdapterLibraryWin32::AdapterLibraryWin32(const std::string& dllName) {
    HMODULE module = LoadLibraryA(dllName.c_str());
    module_ = module;
    openAdapter_ = Export(module, "W32N_OpenAdapterA");
    closeAdapter_ = Export(module, "W32N_CloseAdapter");
    makeRequest_ = Export(module, "W32N_MakeNdisRequest");
    registryPath_ = Export(module, "W32N_GetNetCardRegistryPath");
    open9x_ = Ordinal(module, kOrdinalOpenEnumeration9x);
    openNt_ = Ordinal(module, kOrdinalOpenEnumerationNt);
    closeEnum_ = Ordinal(module, kOrdinalCloseEnumeration);
    first_ = Ordinal(module, kOrdinalFirstEntry);
    next_ = Ordinal(module, kOrdinalNextEntry);
    release_ = Ordinal(module, kOrdinalReleaseEntry);
    description_ = Ordinal(module, kOrdinalEntryDescription);
    deviceName_ = Ordinal(module, kOrdinalEntryDeviceName);
}

AdapterLibraryWin32::~AdapterLibraryWin32() {
    if (module_) FreeLibrary(static_cast<HMODULE>(module_));
}

LibHandle AdapterLibraryWin32::OpenEnumeration9x(uint32_t flags) {
    return open9x_ ? FromHandle(As<EnumOpen9xFn>(open9x_)(flags)) : kNoHandle;
}
LibHandle AdapterLibraryWin32::OpenEnumerationNt() {
    return openNt_ ? FromHandle(As<EnumOpenNtFn>(openNt_)()) : kNoHandle;
}
void AdapterLibraryWin32::CloseEnumeration(LibHandle e) {
    if (closeEnum_) As<ReleaseFn>(closeEnum_)(ToHandle(e));
}
LibHandle AdapterLibraryWin32::FirstEntry(LibHandle e) {
    return first_ ? FromHandle(As<HandleFn>(first_)(ToHandle(e))) : kNoHandle;
}
LibHandle AdapterLibraryWin32::NextEntry(LibHandle e) {
    return next_ ? FromHandle(As<HandleFn>(next_)(ToHandle(e))) : kNoHandle;
}
void AdapterLibraryWin32::ReleaseEntry(LibHandle entry) {
    if (release_) As<ReleaseFn>(release_)(ToHandle(entry));
}
uint32_t AdapterLibraryWin32::EntryDescription(LibHandle entry, char* buffer, uint32_t* length) {
    if (!description_ || !length) return kNoLibraryError;
    DWORD n = *length;
    const DWORD rc = As<TextFn>(description_)(ToHandle(entry), buffer, &n);
    *length = n;
    return rc;
}
uint32_t AdapterLibraryWin32::EntryDeviceName(LibHandle entry, char* buffer, uint32_t* length) {
    if (!deviceName_ || !length) return kNoLibraryError;
    DWORD n = *length;
    const DWORD rc = As<TextFn>(deviceName_)(ToHandle(entry), buffer, &n);
    *length = n;
    return rc;
}

LibHandle AdapterLibraryWin32::OpenAdapter(const std::string& deviceName) {
    return openAdapter_ ? FromHandle(As<OpenAdapterFn>(openAdapter_)(deviceName.c_str())) : kNoHandle;
}
void AdapterLibraryWin32::CloseAdapter(LibHandle adapter) {
    if (closeAdapter_) As<CloseAdapterFn>(closeAdapter_)(ToHandle(adapter));
}

uint32_t AdapterLibraryWin32::MakeNdisRequest(LibHandle adapter, NdisRequest& request, EventHandle event) {
    if (!makeRequest_) return NDIS_STATUS_FAILURE;
    alignas(4) uint8_t record[NdisRequestRecord::kSize] = {};
    NdisRequestRecord::pack(record, request);
    OVERLAPPED overlapped{};
    overlapped.hEvent = reinterpret_cast<HANDLE>(event);
    // wait = 1: the call returns only when the driver has completed the request.
    const DWORD status = As<MakeRequestFn>(makeRequest_)(ToHandle(adapter), record, &overlapped, TRUE);
    request.bytesWritten = NdisRequestRecord::get(record, NdisRequestRecord::kWritten);
    request.bytesNeeded = NdisRequestRecord::get(record, NdisRequestRecord::kNeeded);
    return status;
}

std::string AdapterLibraryWin32::GetNetCardRegistryPath() {
    if (!registryPath_) return std::string();
    const char* path = As<RegistryPathFn>(registryPath_)();
    if (!path) return std::string();
    return std::string(path, strnlen(path, kMaxRegistryPath));
}

EventHandle AdapterLibraryWin32::CreateSignalEvent(const std::string& name) {
    // Auto-reset, initially non-signalled.
    HANDLE e = CreateEventA(nullptr, FALSE, FALSE, name.empty() ? nullptr : name.c_str());
    return reinterpret_cast<EventHandle>(e);
}
void AdapterLibraryWin32::ResetSignalEvent(EventHandle event) {
    if (event) ResetEvent(reinterpret_cast<HANDLE>(event));
}
void AdapterLibraryWin32::CloseSignalEvent(EventHandle event) {
    if (event) CloseHandle(reinterpret_cast<HANDLE>(event));
}
