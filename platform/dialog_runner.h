#pragma once
// Runs a dialog modally over the program's windows: the pages open the profile editor
// through it. The Win32 binding makes the real window from the dialog's template; tests
// use a double that drives the dialog's handlers and returns the result they chose.

#include "platform/dialog.h"

class DialogRunner {
public:
    virtual ~DialogRunner() = default;
    // Shows `dialog` modally and returns the result given to endDialog (1 OK, 2 Cancel),
    // or -1 when it could not be shown.
    virtual int runModal(Dialog& dialog) = 0;
};
