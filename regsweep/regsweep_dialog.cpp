#include "regsweep/regsweep_dialog.h"

#include "regsweep/dialog_window.h"
#include "regsweep/regsweep_ids.h"
#include "regsweep/system_access.h"

namespace regsweep {

RegsweepDialog::RegsweepDialog(RegistryAccess& registry, SystemAccess& system, SweepJob& job)
    : registry_(registry), system_(system), job_(job) {}

void RegsweepDialog::onInit(DialogWindow& window) {
    window_ = &window;
    window.setIcons();
    if (!job_.debug) window.hideAway();
    log_.clear();
    nt_ = system_.platformId() == kPlatformNt;
    log("Get OS Version");
    // The work waits for the first tick so that the window exists (and, in debug
    // mode, shows) while it runs.
    window.startTimer(REGSWEEP_WORK_TIMER, 1);
}

void RegsweepDialog::onTimer(unsigned id) {
    if (id != REGSWEEP_WORK_TIMER || window_ == nullptr) return;
    window_->stopTimer(REGSWEEP_WORK_TIMER);
    // A tick already queued when the timer stopped must not run the job twice.
    if (worked_) return;
    worked_ = true;

    Cleaner cleaner(registry_, system_, *this, nt_);
    if (job_.mode == SweepMode::UninstallEntry) {
        cleaner.cleanHardware(job_.heldKey);
    } else if (job_.mode == SweepMode::RegistryPath) {
        cleaner.deleteKey(&job_.heldKey, job_.name);
    }
    if (!job_.debug) window_->end(0);
}

void RegsweepDialog::onCommand(int id) {
    if (window_ != nullptr && (id == IDOK || id == IDCANCEL)) window_->end(id);
}

void RegsweepDialog::log(const std::string& line) {
    log_.add(line);
    if (window_ != nullptr) window_->setLogText(log_.text());
}

void RegsweepDialog::alert(const std::string& text, const std::string& caption) {
    if (window_ != nullptr) window_->showMessage(text, caption);
}

}  // namespace regsweep
