#pragma once
// The request record that W32N_MakeNdisRequest takes: one definition for the loader
// (adapter_library_win32.cpp) and our simulated library (sim/w32n50_dll_win32.cpp).
//
// The six fields the program fills sit at offsets 20 to 43, little-endian 32-bit; bytes
// 0 to 19 and everything past 43 belong to the library. The buffer address field is 32
// bits wide, as the adapter's library is a 32-bit DLL. Our own library and loader keep
// the upper half of the address in the library's part of the record, at offset 44 (0 in
// a 32-bit build), so that the same pair also works built for 64 bits: the Windows-side
// tests run that way on machines that cannot execute 32-bit code.

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "adapter/adapter_library.h"

namespace NdisRequestRecord {

constexpr size_t kSize = 64;   // room beyond the fields, in case a library keeps more there
constexpr size_t kType = 20, kOid = 24, kBuffer = 28, kLength = 32, kWritten = 36, kNeeded = 40;
constexpr size_t kBufferHigh = 44;

inline void put(uint8_t* record, size_t offset, uint32_t value) { std::memcpy(record + offset, &value, 4); }
inline uint32_t get(const uint8_t* record, size_t offset) {
    uint32_t value;
    std::memcpy(&value, record + offset, 4);
    return value;
}

// The program's side: the request's fields into a zeroed record of kSize bytes.
inline void pack(uint8_t* record, const NdisRequest& request) {
    const uint64_t address = reinterpret_cast<uintptr_t>(request.buffer);
    put(record, kType, request.requestType);
    put(record, kOid, request.oid);
    put(record, kBuffer, uint32_t(address));
    put(record, kLength, request.bufferLength);
    put(record, kWritten, 0);
    put(record, kNeeded, 0);
    put(record, kBufferHigh, uint32_t(address >> 32));
}

// The library's side: the request as the program filled it.
inline NdisRequest unpack(const uint8_t* record) {
    NdisRequest request;
    request.requestType = get(record, kType);
    request.oid = get(record, kOid);
    uint64_t address = get(record, kBuffer);
    if (sizeof(void*) > 4) address |= uint64_t(get(record, kBufferHigh)) << 32;
    request.buffer = reinterpret_cast<void*>(uintptr_t(address));
    request.bufferLength = get(record, kLength);
    return request;
}

// The library's answer: what the driver wrote and what it still needs.
inline void putCounters(uint8_t* record, uint32_t bytesWritten, uint32_t bytesNeeded) {
    put(record, kWritten, bytesWritten);
    put(record, kNeeded, bytesNeeded);
}

}  // namespace NdisRequestRecord
