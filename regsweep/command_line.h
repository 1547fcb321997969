#pragma once
// Regsweep's command line: "Regsweep UnInstallName/Registry /debug".
#include <string>
#include <vector>

namespace regsweep {

struct CommandLine {
    std::string name;  // uninstall entry name or registry path; empty when none was given
    bool debug = false;
};

// args excludes the program's own name. Arguments starting with '/' or '-' are flags;
// only the exact flag "debug" means anything. Any other argument replaces the name.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

}  // namespace regsweep
