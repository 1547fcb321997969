#pragma once
// Regsweep from start to end: command line, the usage box, the mode, the held key and
// the window.
#include <string>
#include <vector>

#include "regsweep/regsweep_dialog.h"

namespace regsweep {

class RegistryAccess;
class SystemAccess;

extern const char kUsageText[];
extern const char kUsageCaption[];

class RegsweepApp {
public:
    RegsweepApp(RegistryAccess& registry, SystemAccess& system);

    // args excludes the program name. Returns the program's exit code, always 0: the
    // uninstaller is told nothing.
    int run(const std::vector<std::string>& args);

    SweepMode mode() const { return job_.mode; }

private:
    bool openHeldKey();

    RegistryAccess& registry_;
    SystemAccess& system_;
    SweepJob job_;
};

}  // namespace regsweep
