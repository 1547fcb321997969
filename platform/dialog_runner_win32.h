#pragma once
// DialogRunner over the dialog host: the dialog is owned by the window that is active
// when it opens (the main window, whose page asked for it).

#include "platform/dialog_runner.h"

class DialogRunnerWin32 final : public DialogRunner {
public:
    int runModal(Dialog& dialog) override;
};
