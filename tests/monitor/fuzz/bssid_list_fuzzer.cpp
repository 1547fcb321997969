// The BSSID-list walk over whatever bytes a driver might return, and the rows made of
// them. The input is the list itself, in a buffer of exactly its size; its first byte
// also picks the BSSID the adapter is on, so the associated-network rule runs too.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "monitor/bssid_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::unique_ptr<uint8_t[]> exact(new uint8_t[size ? size : 1]);
    if (size) std::memcpy(exact.get(), data, size);
    const std::string associated = size && (data[0] & 1) ? "00-00-00-00-00-00" : "Not Available";
    const auto rows = NetworkRowsFromList(exact.get(), size, associated);
    for (const NetworkRow& row : rows) {
        if (row.cells.size() != kNetworkColumnCount || row.cells[kColumnSsid].empty() ||
            row.cells[kColumnSsid].size() > 32)
            __builtin_trap();
    }
    // Every entry takes at least a fixed entry's bytes of the list.
    if (rows.size() > size / 104) __builtin_trap();
    return 0;
}
