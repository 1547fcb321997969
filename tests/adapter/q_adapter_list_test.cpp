// Enumeration and refresh of the adapter list, and the OS-family rule that picks the
// enumeration variant.
#include "adapter_fixture.h"
#include "scripted_library.h"
#include "sim/sim_scenario.h"

namespace {

std::string ThreeAdapters(bool aPresent, bool bPresent, bool cPresent, bool dPresent = false) {
    auto adapter = [](const char* desc, const char* guid, bool present) {
        return std::string("[Adapter]\nDescription=") + desc + "\nDeviceName=\\DEVICE\\{" + guid +
               "}\nPresent=" + (present ? "1" : "0") + "\n";
    };
    return adapter("Card Wireless A", "AAAAAAAA-0000-0000-0000-000000000001", aPresent) +
           adapter("Wired B", "BBBBBBBB-0000-0000-0000-000000000002", bPresent) +
           adapter("Card Wireless C", "CCCCCCCC-0000-0000-0000-000000000003", cPresent) +
           adapter("Card D", "DDDDDDDD-0000-0000-0000-000000000004", dPresent);
}

std::vector<std::string> Descriptions(const QAdapterList& list) {
    std::vector<std::string> out;
    for (size_t i = 0; i < list.GetCount(); ++i) out.push_back(list.GetAt(i)->GetDescription());
    return out;
}

using ListTest = AdapterTest;

TEST_F(ListTest, EnumerationFillsTheListInReverseOrderWithFreshRecords) {
    desktop.now = 4242;
    QAdapterList list(context);
    ASSERT_EQ(list.GetCount(), 2u);
    EXPECT_STREQ(list.GetRuntimeClassName(), "QAdapterList");
    QAdapterInfo* head = list.GetAt(0);
    EXPECT_EQ(head->GetDescription(), kSimProductDescription);
    EXPECT_EQ(head->GetDeviceName(), ProductName());
    EXPECT_EQ(list.GetAt(1)->GetDeviceName(), WiredName());
    EXPECT_TRUE(head->valid);
    EXPECT_EQ(head->createdTick, 4242u);
    EXPECT_EQ(head->probeDelay, 0u);
    EXPECT_EQ(head->GetSsidText(), "Unknown");
    EXPECT_EQ(head->GetMacText(), "Unknown");
    EXPECT_EQ(head->adapterHandle, kNoHandle);
    EXPECT_EQ(head->requestEvent, 0u);
    EXPECT_TRUE(head->versionText.empty());
    EXPECT_TRUE(head->bssidText.empty());
    EXPECT_EQ(sim.LastEnumerationOrdinal(), 50u);
}

TEST_F(ListTest, FindByDescriptionPrefersTheRecordNearestTheHead) {
    sim.SetScenario(ParseScenario(ThreeAdapters(true, true, true)));
    QAdapterList list(context);
    EXPECT_EQ(Descriptions(list), (std::vector<std::string>{"Card Wireless C", "Wired B", "Card Wireless A"}));
    EXPECT_EQ(list.FindByDescription("Wireless")->GetDescription(), "Card Wireless C");
    EXPECT_EQ(list.FindByDescription("Wired B")->GetDescription(), "Wired B");
    EXPECT_EQ(list.FindByDescription("wireless"), nullptr);  // case matters
    EXPECT_EQ(list.FindByDescription("Card X"), nullptr);
    EXPECT_EQ(list.FindByDeviceName("\\DEVICE\\{BBBBBBBB-0000-0000-0000-000000000002}")->GetDescription(),
              "Wired B");
    EXPECT_EQ(list.FindByDeviceName("\\DEVICE\\{BBBBBBBB-0000-0000-0000-00000000000"), nullptr);
}

TEST_F(ListTest, RefreshRemovesUnpluggedAdaptersAndAddsNewOnesAtTheHead) {
    sim.SetScenario(ParseScenario(ThreeAdapters(true, true, true)));
    QAdapterList list(context);
    QAdapterInfo* a = list.FindByDescription("Card Wireless A");
    ASSERT_NE(a, nullptr);
    a->rssi = -61;  // state that must survive the refresh

    sim.SetScenario(ParseScenario(ThreeAdapters(true, false, true, true)));
    list.Refresh();
    EXPECT_EQ(Descriptions(list), (std::vector<std::string>{"Card D", "Card Wireless C", "Card Wireless A"}));
    EXPECT_EQ(list.FindByDescription("Card Wireless A"), a);
    EXPECT_EQ(a->rssi, -61);
    // The new record is a copy: it holds nothing open.
    EXPECT_EQ(list.GetAt(0)->adapterHandle, kNoHandle);
    EXPECT_EQ(list.GetAt(0)->requestEvent, 0u);
}

TEST_F(ListTest, AdaptersFoundTogetherAreAddedHeadFirstFromTheFreshList) {
    sim.SetScenario(ParseScenario(ThreeAdapters(false, true, false)));
    QAdapterList list(context);
    QAdapterInfo* wired = list.GetAt(0);
    ASSERT_TRUE(wired->RefreshStatus());  // opens it
    const LibHandle handle = wired->adapterHandle;
    const EventHandle event = wired->requestEvent;

    // A, C and D arrive at once. The fresh list holds D, C, B, A; each new one is put
    // at the head in that order, so the last of them in the fresh list ends up first.
    sim.SetScenario(ParseScenario(ThreeAdapters(true, true, true, true)));
    list.Refresh();
    EXPECT_EQ(Descriptions(list),
              (std::vector<std::string>{"Card Wireless A", "Card Wireless C", "Card D", "Wired B"}));
    // The record that stayed is the same one, still open on the same handle and event.
    EXPECT_EQ(list.GetAt(3), wired);
    EXPECT_EQ(wired->adapterHandle, handle);
    EXPECT_EQ(wired->requestEvent, event);
    EXPECT_EQ(sim.AdaptersOpen(), 1);
}

TEST_F(ListTest, RefreshWhenTheEnumerationCannotBeOpenedKeepsTheList) {
    ScriptedLibrary lib(sim);
    AdapterContext ctx(lib, desktop);
    QAdapterList list(ctx);
    ASSERT_EQ(list.GetCount(), 2u);
    QAdapterInfo* head = list.GetAt(0);
    QAdapterInfo* tail = list.GetAt(1);

    lib.failEnumeration = true;
    list.Refresh();
    ASSERT_EQ(list.GetCount(), 2u);
    EXPECT_EQ(list.GetAt(0), head);
    EXPECT_EQ(list.GetAt(1), tail);
}

TEST_F(ListTest, RefreshThatFindsNothingKeepsTheList) {
    QAdapterList list(context);
    QAdapterInfo* product = list.GetAt(0);
    ASSERT_TRUE(product->IsUsable());

    SimScenario empty = DefaultScenario();
    for (auto& a : empty.adapters) a.present = false;
    sim.SetScenario(empty);
    list.Refresh();
    ASSERT_EQ(list.GetCount(), 2u);
    EXPECT_EQ(list.GetAt(0), product);

    ScriptedLibrary broken(sim);
    broken.failEnumeration = true;
    AdapterContext brokenContext(broken, desktop);
    QAdapterList other(brokenContext);
    EXPECT_TRUE(other.IsEmpty());
    EXPECT_FALSE(other.Enumerate());
}

TEST_F(ListTest, RecordsWhoseNamesCannotBeReadAreSkipped) {
    ScriptedLibrary lib(sim);
    int calls = 0;
    // The first adapter's description fails, the second's device name comes back empty.
    lib.entryText = [&](char* buffer, uint32_t* length, bool deviceName) -> uint32_t {
        ++calls;
        if (calls == 1) return 5;
        if (deviceName) {
            *length = 0;
            buffer[0] = 0;
            return 0;
        }
        std::strcpy(buffer, "Some card");
        *length = 9;
        return 0;
    };
    AdapterContext ctx(lib, desktop);
    QAdapterList list(ctx);
    EXPECT_TRUE(list.IsEmpty());
}

TEST_F(ListTest, EnumerationTextsAreBoundedByTheBufferWhateverTheLibraryClaims) {
    ScriptedLibrary lib(sim);
    // 256 bytes without a terminating zero, and a length larger than the buffer.
    lib.entryText = [](char* buffer, uint32_t* length, bool deviceName) -> uint32_t {
        EXPECT_EQ(*length, 256u);
        std::memset(buffer, deviceName ? 'D' : 'A', 256);
        *length = 300;
        return 0;
    };
    AdapterContext ctx(lib, desktop);
    QAdapterList list(ctx);
    ASSERT_EQ(list.GetCount(), 2u);
    EXPECT_EQ(list.GetAt(0)->GetDescription(), std::string(256, 'A'));
    EXPECT_EQ(list.GetAt(0)->GetDeviceName(), std::string(256, 'D'));
}

TEST_F(ListTest, DestroyingTheListClosesEveryAdapterAndEvent) {
    {
        QAdapterList list(context);
        ASSERT_TRUE(list.GetAt(0)->RefreshStatus());
        EXPECT_EQ(sim.AdaptersOpen(), 1);
        EXPECT_EQ(sim.EventsOpen(), 1);
        list.RemoveAndDelete(list.GetAt(1));
        EXPECT_EQ(list.GetCount(), 1u);
    }
    EXPECT_EQ(sim.AdaptersOpen(), 0);
    EXPECT_EQ(sim.EventsOpen(), 0);
}

// ---- OS family -------------------------------------------------------------------------

TEST_F(ListTest, The9xFamilyUsesItsOwnEnumerationAndIsAskedOnce) {
    desktop.version = OsVersionInfo{4, 10, 2222, 1, "A"};
    QAdapterList list(context);
    EXPECT_EQ(sim.LastEnumerationOrdinal(), 49u);
    EXPECT_EQ(sim.LastEnumerationFlags(), 0x10000u);
    EXPECT_EQ(list.GetAt(0)->probeDelay, 5000u);
    list.Refresh();
    list.Refresh();
    EXPECT_EQ(desktop.versionCalls, 1);
}

TEST_F(ListTest, ASystemThatCannotTellItsVersionIsTreatedAsNt) {
    desktop.plainVersionWorks = false;
    QAdapterList list(context);
    EXPECT_EQ(sim.LastEnumerationOrdinal(), 50u);
    EXPECT_EQ(list.GetAt(0)->probeDelay, 0u);
}

}  // namespace
