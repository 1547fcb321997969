// The private command channel: packet layout, event handling and reply checks.
#include "adapter_fixture.h"
#include "scripted_library.h"

namespace {

uint32_t Le32At(const std::vector<uint8_t>& b, size_t offset) {
    return static_cast<uint32_t>(b[offset]) | (static_cast<uint32_t>(b[offset + 1]) << 8) |
           (static_cast<uint32_t>(b[offset + 2]) << 16) | (static_cast<uint32_t>(b[offset + 3]) << 24);
}

class PrivateTest : public AdapterTest {
protected:
    ScriptedLibrary lib{sim};
    AdapterContext ctx{lib, desktop};
    QAdapterList list{ctx};
    QAdapterInfo& product() { return *list.FindByDeviceName(ProductName()); }
    PrivateCommandRecord record{};

    void SetUp() override {
        uint32_t v = 0;
        ASSERT_TRUE(product().QueryInformation(OID_GEN_RCV_OK, &v, 4, nullptr));  // opens it
        lib.seen.clear();
    }
    bool Send(uint32_t command) {
        record[0] = command;
        record[1] = 4;
        return product().SendPrivateCommand(record);
    }
};

TEST_F(PrivateTest, PacketForTheVersionCommand) {
    record.fill(0);
    ASSERT_TRUE(Send(16));
    ASSERT_EQ(lib.seen.size(), 1u);
    const auto& sent = lib.seen[0];
    EXPECT_EQ(sent.type, 0u);
    EXPECT_EQ(sent.oid, 0xFFA0C90Au);
    ASSERT_EQ(sent.length, 15392u);
    ASSERT_EQ(sent.bytes.size(), 15392u);
    const std::vector<uint8_t>& p = sent.bytes;
    EXPECT_EQ(std::string(p.begin(), p.begin() + 4), "YA6I");
    EXPECT_EQ(p[4], 0x10);
    EXPECT_EQ(p[5], 0x3C);
    EXPECT_EQ(p[6], 0);
    EXPECT_EQ(p[7], 0);
    EXPECT_EQ(Le32At(p, 8), 0x55AA55EEu);
    EXPECT_EQ(Le32At(p, 12), 16u);
    EXPECT_EQ(Le32At(p, 16), 4u);
    EXPECT_EQ(Le32At(p, 15388), 0xAA55AA11u);
    // The reply stands in the record.
    EXPECT_EQ(record[1], 2u);
    EXPECT_EQ(record[4], 1u);
    EXPECT_EQ(record[5], 0u);
    EXPECT_EQ(record[6], 3u);
    EXPECT_EQ(record[7], 12u);
}

TEST_F(PrivateTest, TheWholeCommandRecordTravelsInThePayload) {
    for (uint32_t i = 0; i < kPrivateCommandWords; ++i) record[i] = 0x01000000u + i;
    ASSERT_TRUE(Send(2193));
    const std::vector<uint8_t>& p = lib.seen[0].bytes;
    EXPECT_EQ(Le32At(p, 12 + 4 * 2), 0x01000002u);
    EXPECT_EQ(Le32At(p, 12 + 4 * 3843), 0x01000000u + 3843u);
    EXPECT_EQ(record[2], 0x10u);  // region code replaced word 2
}

TEST_F(PrivateTest, TheNamedChannelEventIsMadeByTheFirstCommandAndKeptForTheProcess) {
    const int before = sim.EventsCreated();
    {
        AdapterContext other{lib, desktop};   // another program run, as far as the channel goes
        QAdapterList otherList{other};
        QAdapterInfo& adapter = *otherList.FindByDeviceName(ProductName());
        uint32_t v = 0;
        ASSERT_TRUE(adapter.QueryInformation(OID_GEN_RCV_OK, &v, 4, nullptr));
        for (uint32_t command : {353u, 880u, 880u, 2193u, 16u}) {
            record[0] = command;
            record[1] = 4;
            EXPECT_TRUE(adapter.SendPrivateCommand(record)) << command;
        }
        EXPECT_EQ(sim.EventsCreated(), before + 2);   // the adapter's request event and the channel's
        EXPECT_EQ(sim.EventNames().back(), "OiderComOverlappedEvent");
    }
    EXPECT_EQ(sim.EventsOpen(), 1);   // this fixture's request event: the channel's went with its run
}

TEST_F(PrivateTest, AnUnknownCommandIsAnsweredWithStatusThreeAndFails) {
    EXPECT_FALSE(Send(999));
    EXPECT_EQ(record[1], 3u);  // the reply is there all the same
}

TEST_F(PrivateTest, ADriverThatRejectsTheRequestLeavesTheRecordAlone) {
    lib.answer = [](NdisRequest& r, uint32_t& status) {
        std::memset(r.buffer, 0x5A, r.bufferLength);  // scribbles, then fails
        status = NDIS_STATUS_FAILURE;
        return true;
    };
    record.fill(7);
    EXPECT_FALSE(Send(353));
    EXPECT_EQ(record[0], 353u);
    EXPECT_EQ(record[1], 4u);
    EXPECT_EQ(record[2], 7u);
}

TEST_F(PrivateTest, NothingIsSentWithoutTheEventOrAnOpenAdapter) {
    sim.FailNextEvents(1);
    EXPECT_FALSE(Send(353));
    EXPECT_TRUE(lib.seen.empty());
    EXPECT_TRUE(Send(353));   // the next command makes the event again
    lib.seen.clear();

    QAdapterInfo closed(ctx);
    closed.CopyFrom(product());
    record[0] = 353;
    record[1] = 4;
    EXPECT_FALSE(closed.SendPrivateCommand(record));
    EXPECT_TRUE(lib.seen.empty());
}

TEST_F(PrivateTest, AReplyWithAnotherStatusWordFails) {
    SimScenario s = DefaultScenario();
    s.adapters[1].privateStatus = 5;
    sim.SetScenario(s);
    EXPECT_FALSE(Send(2193));
    EXPECT_EQ(record[1], 5u);
}

}  // namespace
