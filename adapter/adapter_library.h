#pragma once
// AdapterLibrary: everything the program asks of the adapter library (W32N50.dll) and,
// through it, of the adapter's driver. The Win32 binding (AdapterLibraryWin32,
// adapter_library_win32.h) loads the DLL; tests use SimAdapterLibrary (sim/), which runs
// the same simulated driver in-process.
//
// All handles are 32-bit values as the DLL hands them out; kNoHandle (all bits set)
// means "none" for enumeration, entry and adapter handles. Events are 0 when absent.
// A library that is missing or broken fails every call: opens give kNoHandle,
// reads and requests a non-zero status, and nothing crashes.

#include <cstdint>
#include <string>

using LibHandle = uint32_t;
constexpr LibHandle kNoHandle = 0xFFFFFFFFu;

// An event the program waits on while a request is in flight (a Win32 HANDLE in the
// binding). 0 = no event.
using EventHandle = uintptr_t;

// The six fields of the request record that the program fills. The binding packs them
// into the DLL's 32-bit record at offsets 20 (type), 24 (OID), 28 (buffer address),
// 32 (length), 36 (bytes written/read) and 40 (bytes needed); bytes 0-19 belong to the
// library. The driver fills bytesWritten and bytesNeeded.
struct NdisRequest {
    uint32_t requestType = 0;  // NdisRequestQueryInformation (0) or NdisRequestSetInformation (1)
    uint32_t oid = 0;
    void* buffer = nullptr;
    uint32_t bufferLength = 0;
    uint32_t bytesWritten = 0;  // bytes read, for a set
    uint32_t bytesNeeded = 0;
};

class AdapterLibrary {
public:
    virtual ~AdapterLibrary() = default;

    // ---- Adapter enumeration (imported by ordinal) ----
    // 49: open the enumeration, Windows 9x variant; the program always passes 0x10000.
    virtual LibHandle OpenEnumeration9x(uint32_t flags) = 0;
    // 50: open the enumeration, NT variant.
    virtual LibHandle OpenEnumerationNt() = 0;
    // 51: close the enumeration.
    virtual void CloseEnumeration(LibHandle enumeration) = 0;
    // 52 / 53: first / next entry, kNoHandle after the last.
    virtual LibHandle FirstEntry(LibHandle enumeration) = 0;
    virtual LibHandle NextEntry(LibHandle enumeration) = 0;
    // 54: release an entry.
    virtual void ReleaseEntry(LibHandle entry) = 0;
    // 55 / 57: copy the entry's description / device name into buffer. *length holds
    // the buffer's size on entry and the text's length on return. 0 on success.
    virtual uint32_t EntryDescription(LibHandle entry, char* buffer, uint32_t* length) = 0;
    virtual uint32_t EntryDeviceName(LibHandle entry, char* buffer, uint32_t* length) = 0;

    // ---- Adapter access (imported by name) ----
    // W32N_OpenAdapterA: kNoHandle on failure.
    virtual LibHandle OpenAdapter(const std::string& deviceName) = 0;
    // W32N_CloseAdapter.
    virtual void CloseAdapter(LibHandle adapter) = 0;
    // W32N_MakeNdisRequest with wait = 1: returns when the driver has completed the
    // request, with request.bytesWritten and request.bytesNeeded filled. `event` is the
    // event of the OVERLAPPED record passed along (the binding builds a zeroed one
    // around it). Returns the NDIS status, 0 on success.
    virtual uint32_t MakeNdisRequest(LibHandle adapter, NdisRequest& request, EventHandle event) = 0;
    // W32N_GetNetCardRegistryPath: the key, below the local-machine root, whose numbered
    // subkeys describe the installed network adapters. Empty when the library gives none.
    virtual std::string GetNetCardRegistryPath() = 0;

    // ---- Events for the OVERLAPPED records ----
    // (Named so as not to meet the Win32 macros CreateEvent and friends.)
    // Auto-reset, initially non-signalled; name empty for an unnamed event. 0 on failure.
    virtual EventHandle CreateSignalEvent(const std::string& name) = 0;
    virtual void ResetSignalEvent(EventHandle event) = 0;
    virtual void CloseSignalEvent(EventHandle event) = 0;
};
