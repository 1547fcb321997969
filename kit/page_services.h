#pragma once
// What the pages of the main window reach outside themselves: the profile store, the
// desktop (message boxes, beep, clock), the language texts and the modal-dialog runner.
// The wizard's connection test also reaches the Internet (internet_check.h); a program
// or test without that seam leaves it null, and the check then never answers.
// The program builds one PageServices at start-up; every page keeps a reference to it,
// so it must outlive the pages. The adapter is not here: pages read the current adapter
// record afresh (GetCurrentAdapter()) every time they need it.

class AdapterLibrary;
class Desktop;
class DialogRunner;
class InternetCheck;
class LanguageTexts;
class MachineRegistry;
class ProfileStore;

struct PageServices {
    ProfileStore& store;
    Desktop& desktop;
    LanguageTexts& texts;
    DialogRunner& dialogs;

    // The About page's device information: the local machine's registry and the adapter
    // library that names the driver keys' class key. Without them the page shows the
    // driver's own version.
    MachineRegistry* machineRegistry = nullptr;
    AdapterLibrary* adapterLibrary = nullptr;

    // The wizard's Internet check. Without it the check never answers and the line keeps
    // its dots.
    InternetCheck* internet = nullptr;
};
