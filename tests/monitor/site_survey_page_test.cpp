// The site survey page on the simulated adapter, with its controls, the profile store
// and the profile editor's runner held in memory.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "adapter/adapter_context.h"
#include "adapter/current_adapter.h"
#include "adapter/q_adapter_info.h"
#include "adapter/q_adapter_list.h"
#include "adapter/scripted_library.h"
#include "language/language_texts.h"
#include "monitor/bssid_fixture.h"
#include "monitor/bssid_list.h"
#include "monitor/site_survey_page.h"
#include "kit/page_services.h"
#include "pages/profile_editor_dialog.h"
#include "platform/dialog_runner.h"
#include "platform/win32_numbers.h"
#include "profiles/memory_settings_store.h"
#include "profiles/profile_store.h"
#include "sim/sim_adapter_library.h"
#include "support/fake_controls.h"
#include "support/fake_desktop.h"
#include "support/fake_dialog_window.h"
#include "support/fake_text_source.h"

namespace {

constexpr int kNetworks = IDC_SURVEY_NETWORK_LIST;
constexpr int kProfiles = IDC_SURVEY_PROFILE_LIST;

// Records what each editor was asked to do and answers as the test says; `onRun` acts
// as the user inside the editor.
class EditorRunner : public DialogRunner {
public:
    struct Seen {
        EditorMode mode;
        std::string ssid, profileName;
        int networkTypeIndex, channelNumber;
        bool networkUsesWep;
    };
    std::vector<Seen> seen;
    int result = ProfileEditorDialog::kOk;
    std::function<void(ProfileEditorDialog&)> onRun;

    int runModal(Dialog& dialog) override {
        auto* editor = dynamic_cast<ProfileEditorDialog*>(&dialog);
        if (editor == nullptr) return -1;
        seen.push_back({editor->mode, editor->ssid, editor->profileName, editor->networkTypeIndex,
                        editor->channelNumber, editor->networkUsesWep});
        if (onRun) onRun(*editor);
        return result;
    }
};

class SiteSurveyPageTest : public ::testing::Test {
protected:
    FakeDesktop desktop;
    SimAdapterLibrary sim;
    ScriptedLibrary library{sim};
    AdapterContext context{library, desktop};
    MemorySettingsStore settings;
    ProfileStore store{settings};
    FakeTextSource ini;
    LanguageTexts texts{ini};
    EditorRunner dialogs;
    PageServices services{store, desktop, texts, dialogs};
    FakeControls controls;
    FakeDialogWindow window{&controls};
    SiteSurveyPage page{services};
    std::unique_ptr<QAdapterList> adapters;
    QAdapterInfo* adapter = nullptr;

    void SetUp() override {
        SimScenario quiet = DefaultScenario();
        quiet.rssiJitter = 0;
        quiet.associationDelayMs = 0;
        sim.SetScenario(quiet);
        sim.SetClock([this] { return desktop.now; });
        adapters = std::make_unique<QAdapterList>(context);
        adapter = adapters->FindByDescription(kSimProductDescription);
        ASSERT_NE(adapter, nullptr);
        ASSERT_TRUE(adapter->IsUsable());
        SetCurrentAdapter(adapter);

        controls.addListView(kNetworks, 600);
        controls.addListView(kProfiles, 400);
        controls.addStatic(IDC_SURVEY_RESCAN).visible = false;
        controls.addButton(IDC_SURVEY_RESCAN_TEXT, "Re-Scan").visible = false;
        store.writeValue(ProfileName::FactoryDefault, ProfileValue::NextProfile, ProfileName::EndOfChain);
        page.attachWindow(&window);
    }
    void TearDown() override { SetCurrentAdapter(nullptr); }

    void Profile(const std::string& name, const std::string& ssid, const std::string& mode = "0") {
        store.writeValue(name, ProfileValue::SSID, ssid);
        store.writeValue(name, ProfileValue::OperationMode, mode);
        store.linkNewProfile(name);
    }
    // Links oldest first, so the chain runs in the order given.
    void Chain(const std::vector<std::string>& names) {
        for (auto n = names.rbegin(); n != names.rend(); ++n) Profile(*n, "ssid-" + *n);
    }
    std::vector<std::string> Column(int list, int column) const {
        std::vector<std::string> out;
        for (const auto& r : controls.at(list).rows) out.push_back(r.cells.at(size_t(column)));
        return out;
    }
    std::vector<int> Images(int list) const {
        std::vector<int> out;
        for (const auto& r : controls.at(list).rows) out.push_back(r.image);
        return out;
    }
    int RowOf(int list, int column, const std::string& text) const {
        const auto cells = Column(list, column);
        for (size_t i = 0; i < cells.size(); ++i)
            if (cells[i] == text) return int(i);
        return -1;
    }
    void Join(const std::string& ssid) {
        NDIS_802_11_SSID s{};
        s.SsidLength = uint32_t(ssid.size());
        std::memcpy(s.Ssid, ssid.data(), ssid.size());
        uint32_t needed = 0;
        ASSERT_TRUE(adapter->SetInformation(OID_802_11_SSID, &s, sizeof s, &needed));
        desktop.now += 1000;
    }
    size_t ListQueries() const {
        size_t n = 0;
        for (const auto& s : library.seen) n += s.oid == OID_802_11_BSSID_LIST;
        return n;
    }
    void Notify(int id, uint32_t code) {
        intptr_t result = 0;
        page.OnNotify(id, int(code), 0, result);
    }
    // The driver lists exactly these bytes, to a buffer big enough for them.
    void DriverLists(std::vector<uint8_t> bytes) {
        library.answer = [bytes](NdisRequest& r, uint32_t& status) {
            if (r.oid != OID_802_11_BSSID_LIST) return false;
            r.bytesNeeded = uint32_t(bytes.size());
            status = r.bufferLength < bytes.size() ? NDIS_STATUS_BUFFER_TOO_SHORT : 0;
            if (status == 0) std::memcpy(r.buffer, bytes.data(), r.bytesWritten = r.bytesNeeded);
            return true;
        };
    }
};

TEST_F(SiteSurveyPageTest, InitialisationBuildsBothListsWithOneSharedImageList) {
    Chain({"A", "B"});
    ASSERT_TRUE(page.OnInitDialog());

    const auto& networks = controls.at(kNetworks);
    // 0.47 : 0.22 : 0.12 : 0.10 : 0.19 : 0.19 of a 600-pixel list, scaled to fit in it.
    const std::vector<std::pair<std::string, int>> columns = {{"BSS/IBSSID", 218}, {"SSID", 102}, {"WEP", 55},
                                                              {"AP", 46},          {"Channel", 88}, {"Strength", 88}};
    ASSERT_EQ(networks.columns.size(), columns.size());
    int total = 0;
    for (size_t i = 0; i < columns.size(); ++i) {
        EXPECT_EQ(networks.columns[i].title, columns[i].first);
        EXPECT_EQ(networks.columns[i].width, columns[i].second);
        total += networks.columns[i].width;
    }
    EXPECT_LE(total, 600);   // every column in sight, Strength too
    const auto& profiles = controls.at(kProfiles);
    ASSERT_EQ(profiles.columns.size(), 1u);
    EXPECT_EQ(profiles.columns[0].title, "ProfileName");
    EXPECT_EQ(profiles.columns[0].width, 400);
    EXPECT_EQ(Column(kProfiles, 0), (std::vector<std::string>{"B", "A"}));   // filled before the column exists

    ASSERT_EQ(controls.imageLists.size(), 1u);
    EXPECT_EQ(controls.imageLists[0].bitmapId, IDB_NETWORK_IMAGES);
    EXPECT_EQ(controls.imageLists[0].imageSize, 16);
    EXPECT_EQ(controls.imageLists[0].transparent, 0x00FF00FFu);
    for (int list : {kNetworks, kProfiles}) {
        EXPECT_EQ(controls.at(list).images, 1u);
        EXPECT_EQ(controls.at(list).textColour, 0u);
        EXPECT_TRUE(controls.at(list).fullRowSelect);
    }
    EXPECT_TRUE(controls.isVisible(IDC_SURVEY_RESCAN));
    EXPECT_FALSE(controls.isVisible(IDC_SURVEY_RESCAN_TEXT));
    for (int id : {IDC_SURVEY_RESCAN, IDC_SURVEY_CONNECT, IDC_SURVEY_ADD, IDC_SURVEY_REMOVE, IDC_SURVEY_PROPERTIES,
                   IDC_HEADER_WIZARD, IDC_HEADER_LINK_INFO, IDC_HEADER_CONFIG, IDC_HEADER_SECURITY, IDC_HEADER_ABOUT})
        EXPECT_EQ(window.attached.count(id), 1u) << id;
    EXPECT_EQ(window.attached.count(IDC_HEADER_SITE_SURVEY), 0u);   // this page's own: a plain picture

    page.OnDestroy();
    EXPECT_TRUE(controls.imageLists[0].destroyed);
    EXPECT_EQ(controls.at(kNetworks).images, 0u);
}

TEST_F(SiteSurveyPageTest, NetworkListShowsTheSimulatorsNetworksAndMarksTheOneJoined) {
    page.refreshNetworkList();
    // The hidden network has no row; the rest come in the driver's order.
    EXPECT_EQ(Column(kNetworks, kColumnSsid),
              (std::vector<std::string>{"HomeNet", "VexaLab", "Office128", "CoffeeShop", "PartyNet", "Campus5G",
                                        "vexa"}));
    EXPECT_EQ(Images(kNetworks), (std::vector<int>{NETIMG_AP_G, NETIMG_AP_B, NETIMG_AP_G, NETIMG_AP_B, NETIMG_ADHOC,
                                                   NETIMG_AP_G, NETIMG_AP_G}));
    EXPECT_EQ(Column(kNetworks, kColumnChannel), (std::vector<std::string>{"6", "1", "11", "3", "10", "36", "10"}));
    EXPECT_EQ(Column(kNetworks, kColumnWep), (std::vector<std::string>{"No", "Yes", "Yes", "No", "No", "No", "No"}));
    EXPECT_EQ(Column(kNetworks, kColumnAp),
              (std::vector<std::string>{"Yes", "Yes", "Yes", "Yes", "No", "Yes", "Yes"}));
    EXPECT_EQ(Column(kNetworks, kColumnStrength),
              (std::vector<std::string>{"100", "63", "93", "39", "79", "49", "100"}));
    // The list is asked for its size first, then read whole.
    ASSERT_EQ(ListQueries(), 2u);
    const auto& last = library.seen.back();
    EXPECT_EQ(last.oid, OID_802_11_BSSID_LIST);
    EXPECT_GT(last.length, 4u);

    Join("HomeNet");
    page.refreshNetworkList();   // refreshes the link first, so the BSSID is the new one
    EXPECT_EQ(Images(kNetworks)[0], NETIMG_AP_CONNECTED);
    EXPECT_EQ(Column(kNetworks, kColumnSsid).size(), 7u);   // rebuilt, not appended
}

// Answers the driver might give to the two list queries, and what the list then shows.
TEST_F(SiteSurveyPageTest, ABrokenListAnswerLeavesTheNetworkListAsItWas) {
    using namespace bssid_fixture;
    const std::vector<uint8_t> two = List({Net("One", 1), Net("Two", 2)});
    struct Case {
        const char* what;
        uint32_t firstStatus, firstNeeded;
        uint32_t secondStatus, secondNeeded;
        std::vector<uint8_t> firstBytes;
        bool listed;                 // false: the earlier rows stay
        std::vector<std::string> ssids;
    };
    const uint32_t size = uint32_t(two.size());
    const std::vector<uint8_t> emptyList(4, 0), countsThree = {3, 0, 0, 0};
    const Case cases[] = {
        {"too short, then the list", NDIS_STATUS_BUFFER_TOO_SHORT, size, 0, 0, {}, true, {"One", "Two"}},
        {"invalid length, then the list", NDIS_STATUS_INVALID_LENGTH, size, 0, 0, {}, true, {"One", "Two"}},
        {"an empty list fits the probe", 0, 0, 0, 0, emptyList, true, {}},
        {"entries counted, no size named", NDIS_STATUS_BUFFER_TOO_SHORT, 0, 0, 0, countsThree, false, {}},
        {"absurd size", NDIS_STATUS_BUFFER_TOO_SHORT, kMaxBssidListBytes + 1, 0, 0, {}, false, {}},
        {"size below the header", NDIS_STATUS_BUFFER_TOO_SHORT, 3, 0, 0, {}, false, {}},
        {"probe refused", NDIS_STATUS_FAILURE, 0, 0, 0, {}, false, {}},
        {"second query refused", NDIS_STATUS_BUFFER_TOO_SHORT, size, NDIS_STATUS_FAILURE, 0, {}, false, {}},
        {"list grew in between", NDIS_STATUS_BUFFER_TOO_SHORT, size, NDIS_STATUS_BUFFER_TOO_SHORT, size + 104, {},
         false, {}},
    };
    for (const Case& c : cases) {
        controls.clearItems(kNetworks);
        controls.insertListRow(kNetworks, 0, 0, {"", "Earlier"});
        int query = 0;
        std::vector<uint32_t> lengths;
        library.answer = [&](NdisRequest& r, uint32_t& status) {
            if (r.oid != OID_802_11_BSSID_LIST) return false;
            lengths.push_back(r.bufferLength);
            uint8_t* out = static_cast<uint8_t*>(r.buffer);
            if (query++ == 0) {
                if (!c.firstBytes.empty()) {
                    r.bytesWritten = uint32_t(std::min<size_t>(c.firstBytes.size(), r.bufferLength));
                    std::memcpy(out, c.firstBytes.data(), r.bytesWritten);
                }
                r.bytesNeeded = c.firstNeeded;
                status = c.firstStatus;
            } else {
                if (c.secondStatus == 0) {
                    r.bytesWritten = uint32_t(std::min<size_t>(two.size(), r.bufferLength));
                    std::memcpy(out, two.data(), r.bytesWritten);
                }
                r.bytesNeeded = c.secondNeeded;
                status = c.secondStatus;
            }
            return true;
        };
        page.refreshNetworkList();
        const auto expected = c.listed ? c.ssids : std::vector<std::string>{"Earlier"};
        EXPECT_EQ(Column(kNetworks, kColumnSsid), expected) << c.what;
        EXPECT_EQ(lengths.at(0), 4u) << c.what;
        // A size we refuse is never allocated or asked for.
        if (lengths.size() > 1) EXPECT_EQ(lengths[1], c.firstNeeded) << c.what;
        else EXPECT_TRUE(c.firstNeeded == 0 || c.firstNeeded > kMaxBssidListBytes || c.firstNeeded < 4 || c.firstStatus)
            << c.what;
    }
}

TEST_F(SiteSurveyPageTest, RescanWaitsOnlyWhenTheScanWasAcceptedAndRereadsTheListEitherWay) {
    page.rescan();
    EXPECT_EQ(desktop.sleeps, (std::vector<uint32_t>{SiteSurveyPage::kScanWaitMs}));
    EXPECT_EQ(desktop.sleptBusy, (std::vector<bool>{true}));   // the wait shows the hourglass
    EXPECT_FALSE(desktop.busy);                                 // and gives the cursor back
    ASSERT_GE(library.seen.size(), 1u);
    size_t scan = 0;
    while (scan < library.seen.size() && library.seen[scan].oid != OID_802_11_BSSID_LIST_SCAN) ++scan;
    ASSERT_LT(scan, library.seen.size());
    EXPECT_EQ(library.seen[scan].type, NdisRequestSetInformation);
    EXPECT_EQ(library.seen[scan].length, 0u);
    EXPECT_EQ(ListQueries(), 2u);
    EXPECT_EQ(controls.itemCount(kNetworks), 7);

    library.answer = [](NdisRequest& r, uint32_t& status) {
        if (r.oid != OID_802_11_BSSID_LIST_SCAN) return false;
        status = NDIS_STATUS_FAILURE;
        return true;
    };
    controls.clearItems(kNetworks);
    page.rescan();
    EXPECT_EQ(desktop.sleeps.size(), 1u);   // no second wait
    EXPECT_EQ(ListQueries(), 4u);
    EXPECT_EQ(controls.itemCount(kNetworks), 7);

    SetCurrentAdapter(nullptr);
    const size_t before = library.seen.size();
    page.rescan();
    EXPECT_EQ(library.seen.size(), before);
    EXPECT_EQ(desktop.sleeps.size(), 1u);
}

TEST_F(SiteSurveyPageTest, ProfileListShowsTheChainReversedWithRangeAndForceImages) {
    Profile("Gone", "Elsewhere");            // infrastructure, not in range
    Profile("Odd", "HomeNet", "2");          // a type the page cannot show
    Profile("Party", "PartyNet", "1");       // ad hoc, in range
    Profile("Island", "Nowhere", "1");       // ad hoc, not in range
    Profile("Coffee", "CoffeeShop");         // infrastructure, in range
    Profile("Home", "HomeNet");              // infrastructure, in range, in force
    store.copyToActiveSetting("Home");
    // The chain: Home, Coffee, Island, Party, Odd, Gone.
    page.refreshNetworkList();
    adapter->mediaState = NdisMediaStateConnected;
    page.refreshProfileList();
    EXPECT_EQ(Column(kProfiles, 0), (std::vector<std::string>{"Gone", "Party", "Island", "Coffee", "Home"}));
    EXPECT_EQ(Images(kProfiles), (std::vector<int>{NETIMG_PROFILE_OUT_OF_RANGE, NETIMG_ADHOC, NETIMG_ADHOC_OUT_OF_RANGE,
                                                   NETIMG_PROFILE_IN_RANGE, NETIMG_AP_CONNECTED}));

    store.copyToActiveSetting("Party");
    page.refreshProfileList();
    EXPECT_EQ(Images(kProfiles)[1], NETIMG_ADHOC_CONNECTED);
    EXPECT_EQ(Images(kProfiles)[4], NETIMG_PROFILE_IN_RANGE);

    adapter->mediaState = NdisMediaStateDisconnected;   // in force, but no link
    page.refreshProfileList();
    EXPECT_EQ(Images(kProfiles)[1], NETIMG_ADHOC);
    SetCurrentAdapter(nullptr);
    adapter->mediaState = NdisMediaStateConnected;
    page.refreshProfileList();
    EXPECT_EQ(Images(kProfiles)[1], NETIMG_ADHOC);

    DriverLists(std::vector<uint8_t>(4, 0));   // nothing heard: nothing in range
    SetCurrentAdapter(adapter);
    page.refreshNetworkList();
    page.refreshProfileList();
    EXPECT_EQ(Images(kProfiles), (std::vector<int>{NETIMG_PROFILE_OUT_OF_RANGE, NETIMG_ADHOC_OUT_OF_RANGE,
                                                   NETIMG_ADHOC_OUT_OF_RANGE, NETIMG_PROFILE_OUT_OF_RANGE,
                                                   NETIMG_PROFILE_OUT_OF_RANGE}));
}

TEST_F(SiteSurveyPageTest, RemoveRelinksTheChainDeletesTheKeyAndRebuildsTheList) {
    Chain({"A", "B", "C"});
    page.refreshProfileList();
    ASSERT_EQ(Column(kProfiles, 0), (std::vector<std::string>{"C", "B", "A"}));
    controls.selectRow(kProfiles, RowOf(kProfiles, 0, "A"));   // the first of the chain
    page.OnCommand(IDC_SURVEY_REMOVE, kBnClicked);
    EXPECT_EQ(store.readValue(ProfileName::FactoryDefault, ProfileValue::NextProfile), "B");
    EXPECT_FALSE(settings.hasSection("A"));
    EXPECT_EQ(Column(kProfiles, 0), (std::vector<std::string>{"C", "B"}));

    controls.selectRow(kProfiles, RowOf(kProfiles, 0, "C"));   // the last
    page.OnCommand(IDC_SURVEY_REMOVE, kBnClicked);
    EXPECT_EQ(store.readValue("B", ProfileValue::NextProfile), "end");
    controls.selectRow(kProfiles, 0);                           // the only one left
    page.OnCommand(IDC_SURVEY_REMOVE, kBnClicked);
    EXPECT_EQ(store.readValue(ProfileName::FactoryDefault, ProfileValue::NextProfile), "end");
    EXPECT_FALSE(settings.hasSection("B"));
    EXPECT_EQ(controls.itemCount(kProfiles), 0);
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(SiteSurveyPageTest, RemoveWithoutAProfileToRemoveSaysWhyAndChangesNothing) {
    ini.files["C:\\Lumora\\Config.INI"] = "[Languages]\nLanguage-1=English\n[English]\nPDError7=Not that one !\n";
    texts.Open("C:\\Lumora\\Config.INI", kLanguagesSection);
    Chain({"A"});
    page.refreshProfileList();
    const int writes = settings.writeCount();

    page.OnCommand(IDC_SURVEY_REMOVE, kBnClicked);   // nothing selected
    controls.selectRow(kProfiles, 0);
    controls.selectRow(kProfiles, -1);               // a click beside the rows: none selected
    page.OnCommand(IDC_SURVEY_REMOVE, kBnClicked);
    controls.insertListRow(kProfiles, 0, 0, {"FactoryDefault"});
    controls.selectRow(kProfiles, 0);
    page.OnCommand(IDC_SURVEY_REMOVE, kBnClicked);

    ASSERT_EQ(desktop.messages.size(), 3u);
    EXPECT_EQ(desktop.messages[0].text, "Profile name don't exist !");
    EXPECT_EQ(desktop.messages[1].text, "Profile name don't exist !");
    EXPECT_EQ(desktop.messages[2].text, "Not that one !");   // PDError7, from Config.INI
    for (const auto& m : desktop.messages) {
        EXPECT_EQ(m.title, "Lumora");
        EXPECT_EQ(m.icon, MessageIcon::Information);
    }
    EXPECT_EQ(settings.writeCount(), writes);
    EXPECT_TRUE(settings.hasSection("FactoryDefault"));
    EXPECT_EQ(Column(kProfiles, 0), (std::vector<std::string>{"FactoryDefault", "A"}));
}

TEST_F(SiteSurveyPageTest, ConnectOpensTheEditorFilledFromTheSelectedNetwork) {
    page.refreshNetworkList();
    page.OnCommand(IDC_SURVEY_CONNECT, kBnClicked);   // no selection: nothing opens
    EXPECT_TRUE(dialogs.seen.empty());

    controls.selectRow(kNetworks, RowOf(kNetworks, kColumnSsid, "HomeNet"));
    page.OnCommand(IDC_SURVEY_CONNECT, kBnClicked);
    ASSERT_EQ(dialogs.seen.size(), 1u);
    EXPECT_EQ(dialogs.seen[0].mode, EditorMode::Connect);
    EXPECT_EQ(dialogs.seen[0].ssid, "HomeNet");
    EXPECT_EQ(dialogs.seen[0].profileName, "HomeNet");
    EXPECT_EQ(dialogs.seen[0].networkTypeIndex, 0);
    EXPECT_EQ(dialogs.seen[0].channelNumber, 6);
    EXPECT_FALSE(dialogs.seen[0].networkUsesWep);
    EXPECT_EQ(window.parentCommands, (std::vector<std::pair<int, int>>{{IDC_HEADER_LINK_INFO, 0}}));

    // A double click on a row connects too; a cancelled editor leaves the page where it is.
    dialogs.result = ProfileEditorDialog::kCancel;
    controls.selectRow(kNetworks, RowOf(kNetworks, kColumnSsid, "PartyNet"));
    Notify(kNetworks, kNmDblClk);
    controls.selectRow(kNetworks, RowOf(kNetworks, kColumnSsid, "VexaLab"));
    page.OnCommand(IDC_SURVEY_CONNECT, kStnDblClk);   // not a click: ignored
    Notify(kNetworks, kNmClick);                      // a single click opens nothing
    Notify(kNetworks, kNmDblClk);
    ASSERT_EQ(dialogs.seen.size(), 3u);
    EXPECT_EQ(dialogs.seen[1].networkTypeIndex, 1);
    EXPECT_EQ(dialogs.seen[1].channelNumber, 10);
    EXPECT_TRUE(dialogs.seen[2].networkUsesWep);
    EXPECT_EQ(dialogs.seen[2].channelNumber, 1);
    EXPECT_EQ(window.parentCommands.size(), 1u);

    controls.selectRow(kNetworks, -1);                // double click beside the rows
    Notify(kNetworks, kNmDblClk);
    EXPECT_EQ(dialogs.seen.size(), 3u);

    // The editor is filled from the network listed, not from the row's texts: a mode the
    // list cannot name shows no "AP" text, yet is an access point to join.
    bssid_fixture::Network strange = bssid_fixture::Net("Strange", 9);
    strange.mode = 7;
    strange.dsConfig = 0;
    DriverLists(bssid_fixture::List({strange}));
    page.refreshNetworkList();
    EXPECT_EQ(Column(kNetworks, kColumnAp), std::vector<std::string>{""});
    EXPECT_EQ(Column(kNetworks, kColumnChannel), std::vector<std::string>{"0"});
    controls.selectRow(kNetworks, 0);
    page.OnCommand(IDC_SURVEY_CONNECT, kBnClicked);
    ASSERT_EQ(dialogs.seen.size(), 4u);
    EXPECT_EQ(dialogs.seen[3].ssid, "Strange");
    EXPECT_EQ(dialogs.seen[3].networkTypeIndex, 0);
    EXPECT_EQ(dialogs.seen[3].channelNumber, 0);
}

TEST_F(SiteSurveyPageTest, AddAndPropertiesOpenTheEditorAndRebuildTheProfileList) {
    dialogs.onRun = [this](ProfileEditorDialog& editor) {
        if (editor.mode == EditorMode::AddNew) Profile("New", "HomeNet");
    };
    dialogs.result = ProfileEditorDialog::kCancel;
    page.OnCommand(IDC_SURVEY_ADD, kBnClicked);
    ASSERT_EQ(dialogs.seen.size(), 1u);
    EXPECT_EQ(dialogs.seen[0].mode, EditorMode::AddNew);
    EXPECT_FALSE(dialogs.seen[0].networkUsesWep);
    EXPECT_EQ(Column(kProfiles, 0), (std::vector<std::string>{"New"}));   // rebuilt after Cancel too
    EXPECT_TRUE(window.parentCommands.empty());

    page.OnCommand(IDC_SURVEY_PROPERTIES, kBnClicked);   // nothing selected
    EXPECT_EQ(dialogs.seen.size(), 1u);
    controls.selectRow(kProfiles, 0);
    page.OnCommand(IDC_SURVEY_PROPERTIES, kBnClicked);
    ASSERT_EQ(dialogs.seen.size(), 2u);
    EXPECT_EQ(dialogs.seen[1].mode, EditorMode::Edit);
    EXPECT_EQ(dialogs.seen[1].profileName, "New");
    EXPECT_TRUE(dialogs.seen[1].networkUsesWep);
    EXPECT_TRUE(window.parentCommands.empty());
    EXPECT_EQ(controls.listSelectedRow(kProfiles), -1);   // rebuilt

    dialogs.result = ProfileEditorDialog::kOk;
    controls.selectRow(kProfiles, 0);
    page.OnCommand(IDC_SURVEY_PROPERTIES, kBnClicked);
    EXPECT_EQ(window.parentCommands, (std::vector<std::pair<int, int>>{{IDC_HEADER_LINK_INFO, 0}}));
}

TEST_F(SiteSurveyPageTest, DoubleClickOnAProfileAppliesItAndMakesItTheSettingsInForce) {
    Profile("Home", "HomeNet");
    store.writeValue("Home", ProfileValue::Authentication, "0");
    page.refreshProfileList();
    sim.ClearRequestLog();
    controls.selectRow(kProfiles, 0);
    Notify(kProfiles, kNmDblClk);

    EXPECT_TRUE(dialogs.seen.empty());   // no editor opens
    EXPECT_EQ(store.readValue(ProfileName::ActiveSetting, ProfileValue::ProfileName), "Home");
    EXPECT_EQ(store.readValue(ProfileName::ActiveSetting, ProfileValue::SSID), "HomeNet");
    bool ssidSent = false;
    for (const auto& r : sim.RequestLog())
        if (r.type == NdisRequestSetInformation && r.oid == OID_802_11_SSID && r.bytes.size() >= 11)
            ssidSent = std::string(r.bytes.begin() + 4, r.bytes.begin() + 11) == "HomeNet";
    EXPECT_TRUE(ssidSent);
    EXPECT_EQ(window.parentCommands, (std::vector<std::pair<int, int>>{{IDC_HEADER_LINK_INFO, 0}}));

    // A row whose profile another tool deleted since the list was made: nothing is sent
    // or copied, and the list drops the row.
    store.writeValue("Work", ProfileValue::SSID, "WorkNet");
    store.writeValue("Work", ProfileValue::NextProfile, "end");
    store.writeValue("Home", ProfileValue::NextProfile, "Work");   // Home, Work: Work shows first
    page.refreshProfileList();
    settings.deleteSection("Work");
    sim.ClearRequestLog();
    controls.selectRow(kProfiles, 0);
    ASSERT_EQ(controls.listCellText(kProfiles, 0, 0), "Work");
    Notify(kProfiles, kNmDblClk);
    EXPECT_TRUE(sim.RequestLog().empty());
    EXPECT_EQ(store.readValue(ProfileName::ActiveSetting, ProfileValue::ProfileName), "Home");
    EXPECT_EQ(store.readValue(ProfileName::ActiveSetting, ProfileValue::SSID), "HomeNet");
    EXPECT_EQ(controls.itemCount(kProfiles), 1);
}

}  // namespace
