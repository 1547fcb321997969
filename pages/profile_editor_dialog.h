#pragma once
// The profile editor: a modal dialog (template 110) in which the user makes or changes a
// user profile. The site survey opens it to connect to a listed network (Connect), to
// make a profile from scratch (AddNew) or to change a stored one (Edit). OK validates,
// stores the profile, links a new one into the chain, applies it to the adapter and
// makes it the settings in force.
//
// The link monitor and the site survey also apply profiles through an editor object
// that is never shown: they set mode Edit and networkUsesWep, and call applyProfile.
//
//   ProfileEditorDialog editor(services);
//   editor.ssid = ...; editor.profileName = ...; editor.mode = EditorMode::Connect;
//   if (services.dialogs.runModal(editor) == ProfileEditorDialog::kOk) ...

#include <string>

#include "platform/dialog.h"
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

    // Applies `name` to the current adapter record (the sequence of profiles/profile_apply.h),
    // for the monitor and the site survey, which never show the editor.
    void applyProfile(const std::string& name);

    bool OnInitDialog() override;
    bool OnCommand(int id, int code) override;
    void OnMouseMove(int x, int y) override;

private:
    PageServices& services_;
};
