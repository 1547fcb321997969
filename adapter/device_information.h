#pragma once
// Device information: what the About page shows of the current adapter beyond its
// link. The driver's version comes from the adapter's driver key, one of the numbered
// subkeys of the network adapters' class key that W32N_GetNetCardRegistryPath names:
// the one whose NetCfgInstanceId, as "\DEVICE\<id>", is the adapter's device name
// (letter case aside).
//
// Registry values are read into fixed buffers of 260 bytes and subkey names into 16
// bytes, the sizes the driver keys have always been read with. Nothing is ever read
// past them: a value that does not fit, has no terminator or is not a string reads as
// unreadable (empty), and a subkey whose name does not fit is passed over.

#include <cstdint>
#include <string>

#include "adapter/machine_registry.h"

// The utility's own version, as the About page shows it.
constexpr const char* kUtilityVersionText = "v1.00";

constexpr uint32_t kDriverValueBufferSize = 260;
constexpr uint32_t kSubkeyNameBufferSize = 16;

struct DriverKeyInformation {
    bool found = false;          // the adapter's driver key was found
    std::string driverVersion;   // its DriverVersion; empty when unreadable
};

// Looks for the driver key of the adapter named `deviceName` below `classKeyPath`
// (a path below HKEY_LOCAL_MACHINE) and reads its DriverVersion. Every key it opens
// is closed again.
DriverKeyInformation ReadDriverKey(MachineRegistry& registry, const std::string& classKeyPath,
                                   const std::string& deviceName);

// The text of a string value read into a 260-byte buffer; empty when the value is
// missing, is not a string (REG_SZ or REG_EXPAND_SZ), takes 260 bytes or more, or has
// no terminating zero within its bytes.
std::string ReadDriverValue(MachineRegistry& registry, MachineRegistry::Key key, const std::string& name);

// A MAC text as the adapter record keeps it ("00.A0.C5.12.34.56") with colons.
std::string MacTextWithColons(const std::string& macText);
