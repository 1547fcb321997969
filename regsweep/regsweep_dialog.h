#pragma once
// The logic of Regsweep's window: it does the whole job on its first timer tick, logs
// each step, and closes by itself unless in debug mode.
#include <string>

#include "regsweep/cleaner.h"
#include "regsweep/registry_access.h"
#include "regsweep/sweep_log.h"

namespace regsweep {

class DialogWindow;
class SystemAccess;

enum class SweepMode { None = 0, UninstallEntry = 1, RegistryPath = 2 };

struct SweepJob {
    SweepMode mode = SweepMode::None;
    std::string name;            // uninstall entry name or registry path
    KeyHandle heldKey = kNoKey;  // open from start to end; mode 2 closes it before deleting
    bool debug = false;
};

class RegsweepDialog : public SweepReporter {
public:
    RegsweepDialog(RegistryAccess& registry, SystemAccess& system, SweepJob& job);

    void onInit(DialogWindow& window);
    void onTimer(unsigned id);
    void onCommand(int id);

    void log(const std::string& line) override;
    void alert(const std::string& text, const std::string& caption) override;

    const SweepLog& sweepLog() const { return log_; }
    bool isNt() const { return nt_; }

private:
    RegistryAccess& registry_;
    SystemAccess& system_;
    SweepJob& job_;
    DialogWindow* window_ = nullptr;
    SweepLog log_;
    bool nt_ = false;
    bool worked_ = false;
};

}  // namespace regsweep
