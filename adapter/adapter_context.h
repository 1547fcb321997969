#pragma once
// What every adapter record and list needs from outside: the adapter library, the
// desktop (tick count, OS version) and the process-wide answer of IsWin9xFamily.
//
// The program makes one AdapterContext at start-up and passes it to the main window's
// QAdapterList; the list hands it to every record it makes. The context must outlive
// the list and its records.

#include "adapter/adapter_library.h"
#include "adapter/private_command.h"
#include "platform/desktop.h"

class AdapterContext {
public:
    AdapterContext(AdapterLibrary& library, Desktop& desktop)
        : library_(library), desktop_(desktop), privateChannel_(library) {}
    AdapterContext(const AdapterContext&) = delete;
    AdapterContext& operator=(const AdapterContext&) = delete;

    AdapterLibrary& library() { return library_; }
    Desktop& desktop() { return desktop_; }
    // The private command channel is one for the process, whichever adapter it talks to.
    PrivateChannel& privateChannel() { return privateChannel_; }

    // True on the Windows 9x family: 95 (platform 1, 4.0), 98 (platform 1, 4.10) and any
    // other system that is not NT, except Me (4.90). Every NT system, whatever its version,
    // and a failed version query count as not 9x. Asked once, then kept for the life of
    // the context.
    bool IsWin9xFamily();

private:
    AdapterLibrary& library_;
    Desktop& desktop_;
    PrivateChannel privateChannel_;
    int win9xFamily_ = -1;  // -1 not asked yet, else 0 / 1
};
