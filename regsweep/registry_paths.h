#pragma once
// Where the driver's traces live in the local machine's registry, and the checks that
// keep a path built from registry data from naming more than it should.
#include <cstddef>
#include <string>

namespace regsweep {

constexpr std::size_t kValueBufferSize = 300;     // registry values and subkey names
constexpr std::size_t kUserNameBufferSize = 256;
constexpr int kHardwareValueCount = 100;          // DEL_HKR_0000 .. DEL_HKR_0099

extern const char kUninstallRoot[];      // "Software\Microsoft\Windows\CurrentVersion\Uninstall\"
extern const char kNtHardwarePrefix[];   // "SYSTEM\CurrentControlSet\"
extern const char kNtClassRoot[];        // "System\CurrentControlSet\Control\Class\"
extern const char k9xClassRoot[];        // "System\CurrentControlSet\Services\Class\"
extern const char kNetworkRoot[];        // the network class key, with trailing backslash
extern const char kNetworkDescriptions[];

// "DEL_HKR_0000" .. "DEL_HKR_0099".
std::string HardwareValueName(int index);
// True if the path and its terminator fit a buffer of bufferSize bytes.
bool FitsBuffer(const std::string& path, std::size_t bufferSize);
// True if text names at least one key, i.e. has a component that is not empty
// between backslashes. Appended to a root, anything else would name the root itself.
bool NamesSubkey(const std::string& text);
// True if path names a key below a top-level key of the local machine (two or more
// components). Deleting a top-level key such as "SOFTWARE" is never what is meant.
bool IsBelowTopLevel(const std::string& path);
// True if a DEL_HKR value has the shape of a hardware key, a device-enumeration key:
// "Enum\<enumerator>\<device>" or deeper, the first component "Enum" in any letter
// case, no component empty. The system writes these as
//   NT: Enum\USB\VID_0ACE&PID_1215          (below SYSTEM\CurrentControlSet)
//   9x: Enum\USB\VID_0ACE&PID_1215          (below the machine root)
// Anything shorter names a whole branch: "Enum\USB" every USB device,
// "Control\Class" every device class, "System\CurrentControlSet" on 9x everything.
bool IsHardwareKeyValue(const std::string& value);
// True if a "Driver" value has the shape of a driver key: a class key and a
// four-digit instance, nothing more, no component empty. The system writes
//   NT: {4D36E972-E325-11CE-BFC1-08002BE10318}\0003   (the class GUID, braced)
//   9x: Net\0003                                    (the class name)
// The class key alone holds the driver keys of every device of that class.
bool IsDriverKeyValue(const std::string& value);
// True if a "NetCfgInstanceId" value has the shape the system gives it, a braced GUID:
//   {8D7E31B4-3C60-4A5E-9F0E-1A2B3C4D5E6F}
// Only then does it name one connection below the network class key; "Descriptions"
// or "{x}\.." would name some other key there.
bool IsNetCfgInstanceIdValue(const std::string& value);

}  // namespace regsweep
