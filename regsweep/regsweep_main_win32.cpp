// Regsweep's entry: the uninstaller starts it as "Regsweep UnInstallName/Registry /debug".
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "regsweep/registry_access_win32.h"
#include "regsweep/regsweep_app.h"
#include "regsweep/system_access_win32.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // The C runtime has already split the command line by the usual quoting rules.
    std::vector<std::string> args;
    for (int i = 1; i < __argc; ++i) args.emplace_back(__argv[i] != nullptr ? __argv[i] : "");
    regsweep::RegistryWin32 registry;
    regsweep::SystemWin32 system(instance);
    regsweep::RegsweepApp app(registry, system);
    return app.run(args);
}
