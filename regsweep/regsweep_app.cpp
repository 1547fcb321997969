#include "regsweep/regsweep_app.h"

#include "regsweep/command_line.h"
#include "regsweep/registry_access.h"
#include "regsweep/registry_paths.h"
#include "regsweep/system_access.h"

namespace regsweep {

const char kUsageText[] = "Regsweep UnInstallName/Registry /debug";
const char kUsageCaption[] = "Usage...";

RegsweepApp::RegsweepApp(RegistryAccess& registry, SystemAccess& system)
    : registry_(registry), system_(system) {}

int RegsweepApp::run(const std::vector<std::string>& args) {
    const CommandLine commandLine = ParseCommandLine(args);
    if (commandLine.name.empty()) {
        system_.showMessage(kUsageText, kUsageCaption);
        return 0;
    }
    job_.name = commandLine.name;
    job_.debug = commandLine.debug;
    if (!openHeldKey()) return 0;  // nothing of that name: end quietly

    RegsweepDialog dialog(registry_, system_, job_);
    system_.runDialog(dialog);
    if (job_.heldKey != kNoKey) {
        registry_.close(job_.heldKey);
        job_.heldKey = kNoKey;
    }
    return 0;
}

bool RegsweepApp::openHeldKey() {
    if (registry_.open(kLocalMachine, kUninstallRoot + job_.name, kKeyRead, &job_.heldKey)) {
        job_.mode = SweepMode::UninstallEntry;
        return true;
    }
    // A top-level key ("SOFTWARE", "SYSTEM\") or the root itself is never ours to
    // delete; such a name is treated like one that does not exist.
    if (!IsBelowTopLevel(job_.name)) return false;
    // Mode 2 re-secures this key before deleting it, which needs WRITE_DAC; reading
    // alone still lets the deletion be tried.
    if (registry_.open(kLocalMachine, job_.name, kKeyRead | kWriteDac, &job_.heldKey) ||
        registry_.open(kLocalMachine, job_.name, kKeyRead, &job_.heldKey)) {
        job_.mode = SweepMode::RegistryPath;
        return true;
    }
    return false;
}

}  // namespace regsweep
