// Regsweep's hardware cleanup over the registry double, on a machine laid out from
// arbitrary bytes: DEL_HKR values, hardware keys, instances with their Driver values,
// class keys with connection identifiers, on NT or 9x. Whatever the values say, every
// key that goes must lie below a key they name in the shape the system gives it:
//   a DEL_HKR value "Enum\<enumerator>\<device>[\...]" (below the CurrentControlSet on NT),
//   a Driver value "<class>\<four digits>" (below the class root),
//   a connection identifier that is a braced GUID (below the network class key, NT),
// and no key may stay open. A key gone anywhere else aborts with its path. The shapes
// are written out here again, on their own, so the program's checks are not their own
// judge.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "regsweep/cleaner.h"
#include "regsweep/fake_registry.h"
#include "regsweep/fake_system.h"
#include "regsweep/registry_paths.h"

using regsweep_test::FakeRegistry;
using regsweep_test::FakeSystem;

namespace {

// The log window's part is not under test here.
class QuietReporter : public regsweep::SweepReporter {
public:
    void log(const std::string&) override {}
    void alert(const std::string&, const std::string&) override {}
};

const std::string kEntryPath = std::string(regsweep::kUninstallRoot) + "NimbeoDriver";

std::vector<std::string> Components(const std::string& path) {
    std::vector<std::string> out;
    std::string part;
    for (char c : path + "\\") {
        if (c != '\\') {
            part += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        } else if (!part.empty()) {
            out.push_back(part);
            part.clear();
        }
    }
    return out;
}

// Components between backslashes, empty ones kept.
std::vector<std::string> RawComponents(const std::string& path) {
    std::vector<std::string> out(1);
    for (char c : path) {
        if (c == '\\') out.emplace_back();
        else out.back() += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

bool NoneEmpty(const std::vector<std::string>& parts) {
    return std::none_of(parts.begin(), parts.end(), [](const std::string& p) { return p.empty(); });
}

bool HardwareShape(const std::string& value) {
    const auto parts = RawComponents(value);
    return parts.size() >= 3 && NoneEmpty(parts) && parts[0] == "enum";
}

bool DriverShape(const std::string& value) {
    const auto parts = RawComponents(value);
    return parts.size() == 2 && NoneEmpty(parts) && parts[1].size() == 4 &&
           std::all_of(parts[1].begin(), parts[1].end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool GuidShape(const std::string& value) {
    static const char kPattern[] = "{xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}";
    if (value.size() != sizeof kPattern - 1) return false;
    for (size_t i = 0; i < value.size(); ++i) {
        const bool ok = kPattern[i] == 'x' ? std::isxdigit(static_cast<unsigned char>(value[i])) != 0
                                           : value[i] == kPattern[i];
        if (!ok) return false;
    }
    return true;
}

bool Below(const std::vector<std::string>& key, const std::vector<std::string>& root) {
    return root.size() <= key.size() && std::equal(root.begin(), root.end(), key.begin());
}

// Paths made of the names a real registry has near the driver's keys, so that a value
// often names something that exists.
std::string Path(FuzzedDataProvider& in) {
    static const char* const kParts[] = {"Enum", "eNUM", "USB", "VID_1", "inst", "Control", "Class",
                                         "{4D36E972-E325-11CE-BFC1-08002BE10318}", "0001", "0002", "Net",
                                         "SYSTEM", "CurrentControlSet", "Services", "SOFTWARE", "Network", "{C1}",
                                         "Descriptions", "..", "{6B0E1101-4C2A-4F3E-9D11-000000000101}"};
    std::string out = in.ConsumeIntegralInRange<int>(0, 7) == 0 ? "\\" : "";
    const int count = in.ConsumeIntegralInRange<int>(0, 4);
    for (int i = 0; i < count; ++i) {
        if (i > 0) out += in.ConsumeIntegralInRange<int>(0, 7) == 0 ? "\\\\" : "\\";
        out += kParts[in.ConsumeIntegralInRange<size_t>(0, sizeof kParts / sizeof kParts[0] - 1)];
    }
    if (in.ConsumeIntegralInRange<int>(0, 7) == 0) out += "\\";
    if (in.ConsumeIntegralInRange<int>(0, 31) == 0) out += std::string(300, 'L');  // beyond the buffer
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    FakeRegistry reg;
    FakeSystem sys;
    const bool nt = in.ConsumeBool();
    const std::string hardwareRoot = nt ? regsweep::kNtHardwarePrefix : "";
    const std::string classRoot = nt ? regsweep::kNtClassRoot : regsweep::k9xClassRoot;

    // Keys every machine has; the sweep may only take them when a value names them.
    for (const char* path : {"SYSTEM\\CurrentControlSet\\Control\\Session Manager", "SYSTEM\\CurrentControlSet\\Services\\Tcpip",
                             "SYSTEM\\CurrentControlSet\\Enum\\Root\\LEGACY", "Enum\\Root\\Keep", "SOFTWARE\\Vendor",
                             "System\\CurrentControlSet\\Services\\Class\\Net\\0009"})
        reg.setString(path, "Keep", "1");
    reg.setString(std::string(regsweep::kNtClassRoot) + "{4D36E972-E325-11CE-BFC1-08002BE10318}\\0009",
                  "NetCfgInstanceId", "{WIRED}");
    reg.setString(std::string(regsweep::kNetworkRoot) + "{WIRED}\\Connection", "Name", "wired");
    reg.setString(kEntryPath, "DisplayName", "Nimbeo");

    std::vector<std::vector<std::string>> allowed;
    const int values = in.ConsumeIntegralInRange<int>(0, 6);
    for (int i = 0; i < values; ++i) {
        const std::string value = Path(in);
        reg.setString(kEntryPath, regsweep::HardwareValueName(in.ConsumeIntegralInRange<int>(0, 7)), value);
        if (HardwareShape(value)) allowed.push_back(Components(hardwareRoot + value));
    }
    const int instances = in.ConsumeIntegralInRange<int>(0, 8);
    for (int i = 0; i < instances && in.remaining_bytes() > 0; ++i) {
        const std::string instance = hardwareRoot + Path(in) + "\\i" + std::to_string(i);
        const std::string driver = Path(in);
        reg.setString(instance, "Driver", driver);
        if (DriverShape(driver)) allowed.push_back(Components(classRoot + driver));
        const std::string connection = in.ConsumeBool() ? Path(in) : "";
        reg.setString(classRoot + driver, "NetCfgInstanceId", connection);
        reg.setString(classRoot + driver, "DriverDesc", in.ConsumeBool() ? "Nimbeo" : "");
        if (nt && GuidShape(connection))
            allowed.push_back(Components(regsweep::kNetworkRoot + connection));
    }

    const std::vector<std::string> before = reg.allKeys();
    // The sweep as the program's first timer tick runs it, over the held uninstall entry.
    QuietReporter reporter;
    regsweep::Cleaner cleaner(reg, sys, reporter, nt);
    regsweep::KeyHandle entry = regsweep::kNoKey;
    if (reg.open(regsweep::kLocalMachine, kEntryPath, regsweep::kKeyRead, &entry)) {
        cleaner.cleanHardware(entry);
        reg.close(entry);
    }
    const std::vector<std::string> afterList = reg.allKeys();
    const std::set<std::string> after(afterList.begin(), afterList.end());

    for (const std::string& key : before) {
        if (after.count(key) != 0) continue;
        const auto parts = Components(key);
        const bool named = std::any_of(allowed.begin(), allowed.end(),
                                       [&](const std::vector<std::string>& root) { return Below(parts, root); });
        if (!named) {
            std::fprintf(stderr, "%s deleted %s, which no value names in the shape of its kind\n", nt ? "NT" : "9x",
                         key.c_str());
            std::abort();
        }
    }
    if (reg.openHandles() != 0) {
        std::fprintf(stderr, "%zu keys left open\n", reg.openHandles());
        std::abort();
    }
    return 0;
}
