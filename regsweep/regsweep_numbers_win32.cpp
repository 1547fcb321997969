// The system numbers Regsweep's portable part names (registry access masks, the NT
// platform id) held against the system's headers: a wrong one stops the windows build.
// Regsweep shares no code with Lumora, so it keeps its own numbers and its own check.
#include <windows.h>

#include "regsweep/registry_access.h"
#include "regsweep/system_access.h"

static_assert(regsweep::kKeyRead == KEY_READ, "kKeyRead must be KEY_READ");
static_assert(regsweep::kKeyAllAccess == KEY_ALL_ACCESS, "kKeyAllAccess must be KEY_ALL_ACCESS");
static_assert(regsweep::kWriteDac == WRITE_DAC, "kWriteDac must be WRITE_DAC");
static_assert(regsweep::kPlatformNt == VER_PLATFORM_WIN32_NT, "kPlatformNt must be VER_PLATFORM_WIN32_NT");
