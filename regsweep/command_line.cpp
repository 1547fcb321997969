#include "regsweep/command_line.h"

namespace regsweep {

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine result;
    for (const std::string& arg : args) {
        if (!arg.empty() && (arg[0] == '/' || arg[0] == '-')) {
            if (arg.compare(1, std::string::npos, "debug") == 0) result.debug = true;
            continue;
        }
        result.name = arg;  // the uninstaller may pass more than one; the last one counts
    }
    return result;
}

}  // namespace regsweep
