#include "adapter/adapter_context.h"

#include "platform/windows_version.h"

bool AdapterContext::IsWin9xFamily() {
    if (win9xFamily_ < 0) {
        OsVersionInfo version;
        // The plain 148-byte record: the extended one is refused by 95 and NT 4 before SP6.
        // A system that cannot answer at all is a modern one.
        const bool answered = desktop_.osVersion(false, version);
        win9xFamily_ = (answered && ::IsWin9xFamily(ClassifyWindowsVersion(version))) ? 1 : 0;
    }
    return win9xFamily_ == 1;
}
