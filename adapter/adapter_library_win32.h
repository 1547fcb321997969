#pragma once
// AdapterLibraryWin32: AdapterLibrary over the real W32N50.dll, loaded with LoadLibraryA
// and bound with GetProcAddress: the four request operations by name, the enumeration
// by ordinal (49-55, 57). A missing DLL or export fails the calls that need it exactly
// as a failing library would (kNoHandle, non-zero status, empty path); nothing crashes.

#include <string>

#include "adapter/adapter_library.h"

class AdapterLibraryWin32 : public AdapterLibrary {
public:
    explicit AdapterLibraryWin32(const std::string& dllName = "W32N50.dll");
    ~AdapterLibraryWin32() override;
    AdapterLibraryWin32(const AdapterLibraryWin32&) = delete;
    AdapterLibraryWin32& operator=(const AdapterLibraryWin32&) = delete;

    // The DLL was found (some exports may still be missing).
    bool IsLoaded() const { return module_ != nullptr; }

    LibHandle OpenEnumeration9x(uint32_t flags) override;
    LibHandle OpenEnumerationNt() override;
    void CloseEnumeration(LibHandle enumeration) override;
    LibHandle FirstEntry(LibHandle enumeration) override;
    LibHandle NextEntry(LibHandle enumeration) override;
    void ReleaseEntry(LibHandle entry) override;
    uint32_t EntryDescription(LibHandle entry, char* buffer, uint32_t* length) override;
    uint32_t EntryDeviceName(LibHandle entry, char* buffer, uint32_t* length) override;
    LibHandle OpenAdapter(const std::string& deviceName) override;
    void CloseAdapter(LibHandle adapter) override;
    uint32_t MakeNdisRequest(LibHandle adapter, NdisRequest& request, EventHandle event) override;
    std::string GetNetCardRegistryPath() override;
    EventHandle CreateSignalEvent(const std::string& name) override;
    void ResetSignalEvent(EventHandle event) override;
    void CloseSignalEvent(EventHandle event) override;

private:
    void* module_ = nullptr;  // HMODULE
    // Entry points; null when the DLL lacks them.
    void* open9x_ = nullptr;
    void* openNt_ = nullptr;
    void* closeEnum_ = nullptr;
    void* first_ = nullptr;
    void* next_ = nullptr;
    void* release_ = nullptr;
    void* description_ = nullptr;
    void* deviceName_ = nullptr;
    void* openAdapter_ = nullptr;
    void* closeAdapter_ = nullptr;
    void* makeRequest_ = nullptr;
    void* registryPath_ = nullptr;
};
