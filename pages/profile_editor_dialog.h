#pragma once
// The profile editor: a modal dialog (template 110) in which the user makes or changes a
// user profile. The site survey opens it to connect to a listed network (Connect), to
// make a profile from scratch (AddNew) or to change a stored one (Edit). OK validates,
// stores the profile, links a new one into the chain, applies it to the adapter and
// makes it the settings in force.
//
//   ProfileEditorDialog editor(services);
//   editor.ssid = ...; editor.profileName = ...; editor.mode = EditorMode::Connect;
//   if (services.dialogs.runModal(editor) == ProfileEditorDialog::kOk) ...

#include <cstdint>
#include <string>

#include "controls/hover_bitmap_button.h"
#include "adapter/region.h"
#include "platform/dialog.h"
#include "profiles/profile_apply.h"
#include "profiles/wep_key_fields.h"
#include "platform/win32_numbers.h"
#include "resources/resource_ids.h"

struct PageServices;

enum class EditorMode { Connect = 0, AddNew = 1, Edit = 2 };


class ProfileEditorDialog : public Dialog {
public:
    static constexpr int kTemplateId = IDD_PROFILE_EDITOR;
    static constexpr int kOk = kIdOk;
    static constexpr int kCancel = kIdCancel;

    explicit ProfileEditorDialog(PageServices& services);

    // ---- Inputs, set by the creator before the dialog is shown ----
    std::string ssid;             // Connect: the network's SSID
    std::string profileName;      // Edit: the profile to change
    int networkTypeIndex = 0;     // Connect: 0 infrastructure, 1 ad hoc
    int channelNumber = 0;        // Connect: the network's channel
    EditorMode mode = EditorMode::AddNew;
    bool networkUsesWep = false;  // Edit: given as true

    // Why OK refuses a non-empty profile name (the message it shows), or "" when the
    // store can hold it: the two reserved profiles, and the names the store cannot keep
    // as profiles (a "\\" nests keys, "end" closes the chain, "Settings" is the
    // program's own key), each in any letter case.
    static std::string refusedNameMessage(const std::string& name);

    bool OnInitDialog() override;
    bool OnCommand(int id, int code) override;
    void OnMouseMove(int x, int y) override;
    // Enter does what the OK image does: nothing is confirmed without the checks.
    void OnOK() override { confirm(); }

private:
    void fillLists();
    void fillChannels();
    void loadProfile(const std::string& name);
    void storeProfile(const std::string& name);
    // OK: the checks in order, then store, link, apply and make it the settings in force.
    void confirm();
    void message(const std::string& text);

    PageServices& services_;
    HoverBitmapButton ok_;
    HoverBitmapButton cancel_;
    // One for the dialog: the key check's own edits notify the dialog again.
    KeyCheckGuard keyCheck_;
};
