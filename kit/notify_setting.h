#pragma once
// Whether balloons tell of link changes: value Notifications of the program's Settings
// key, "1" or "0", on when missing. The Configuration page sets it, the notifier reads it.

#include <string>

#include "profiles/settings_store.h"

namespace NotifySetting {
constexpr const char* kSection = "Settings";
constexpr const char* kValue = "Notifications";

inline bool Enabled(const SettingsStore& settings) { return settings.readValue(kSection, kValue, "1") != "0"; }
inline void Store(SettingsStore& settings, bool on) { settings.writeValue(kSection, kValue, on ? "1" : "0"); }
}  // namespace NotifySetting
