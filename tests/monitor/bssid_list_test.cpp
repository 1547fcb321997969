// The BSSID-list walk and the rows the site survey makes of it, from lists built in the
// test out of entry records. Every walk reads an exactly sized heap copy, so a read past
// the bytes the driver returned fails under AddressSanitizer.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "monitor/bssid_fixture.h"
#include "monitor/bssid_list.h"
#include "resources/resource_ids.h"

using namespace bssid_fixture;

namespace {

std::vector<NetworkRow> Rows(const std::vector<uint8_t>& bytes, size_t size, const std::string& bssid = "") {
    auto exact = Exact(bytes, size);
    return NetworkRowsFromList(exact.get(), size, bssid);
}
std::vector<NetworkRow> Rows(const std::vector<uint8_t>& bytes, const std::string& bssid = "") {
    return Rows(bytes, bytes.size(), bssid);
}
std::vector<std::string> Ssids(const std::vector<NetworkRow>& rows) {
    std::vector<std::string> out;
    for (const auto& r : rows) out.push_back(r.cells[kColumnSsid]);
    return out;
}

TEST(BssidList, RowsShowEachNetworkInTheDriversOrderWithItsImageAndTexts) {
    Network g = Net("HomeNet", 1);
    g.extraBytes = 16;   // information elements: the next entry starts Length bytes on
    g.rssi = -40;
    Network hidden = Net("", 2);
    Network hiddenByZero = Net(std::string("\0Back", 5), 3);
    Network b = Net("VexaLab", 4);
    b.rates = kRatesB;
    b.privacy = 1;
    b.rssi = -86;
    b.dsConfig = 2412000;
    Network adhoc = Net("PartyNet", 5);
    adhoc.mode = Ndis802_11IBSS;
    adhoc.rates = kRatesB;
    adhoc.dsConfig = 2457000;
    adhoc.rssi = -70;
    Network a = Net("Campus5G", 6);
    a.dsConfig = 5180000;
    a.rssi = -100;
    const uint8_t oddRates[8] = {0x02, 0x04, 0, 0, 0, 0, 0, 0};
    Network odd = Net("Odd", 7);
    odd.rates = oddRates;
    odd.mode = Ndis802_11AutoUnknown;
    odd.dsConfig = 2400000;   // off the channel plan
    Network unknownMode = Net("Strange", 8);
    unknownMode.mode = 7;
    unknownMode.dsConfig = 2484000;

    const auto rows = Rows(List({g, hidden, hiddenByZero, b, adhoc, a, odd, unknownMode}));
    ASSERT_EQ(Ssids(rows), (std::vector<std::string>{"HomeNet", "VexaLab", "PartyNet", "Campus5G", "Odd", "Strange"}));

    struct Expect {
        int image;
        std::vector<std::string> cells;
    };
    const Expect expected[] = {
        {NETIMG_AP_G, {"00-11-22-33-44-01", "HomeNet", "No", "Yes", "6", "100"}},
        {NETIMG_AP_B, {"00-11-22-33-44-04", "VexaLab", "Yes", "Yes", "1", "0"}},
        {NETIMG_ADHOC, {"00-11-22-33-44-05", "PartyNet", "No", "No", "10", "53"}},
        {NETIMG_AP_G, {"00-11-22-33-44-06", "Campus5G", "No", "Yes", "36", "0"}},
        {NETIMG_AP, {"00-11-22-33-44-07", "Odd", "No", "Yes", "", "100"}},
        {NETIMG_AP_G, {"00-11-22-33-44-08", "Strange", "No", "", "14", "100"}},
    };
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].image, expected[i].image) << i;
        EXPECT_EQ(rows[i].cells, expected[i].cells) << i;
    }
}

TEST(BssidList, TheNetworkTheAdapterIsOnIsMarkedByItsBssid) {
    Network ap = Net("HomeNet", 1);
    Network adhoc = Net("PartyNet", 5);
    adhoc.mode = Ndis802_11IBSS;
    const auto list = List({ap, adhoc});
    EXPECT_EQ(Rows(list, "00-11-22-33-44-01")[0].image, NETIMG_AP_CONNECTED);
    EXPECT_EQ(Rows(list, "00-11-22-33-44-01")[1].image, NETIMG_ADHOC);
    EXPECT_EQ(Rows(list, "00-11-22-33-44-05")[1].image, NETIMG_ADHOC_CONNECTED);
    EXPECT_EQ(Rows(list, "Not Available")[0].image, NETIMG_AP_G);
}

TEST(BssidList, AnSsidIsNeverReadPastItsThirtyTwoBytes) {
    Network longName = Net(std::string(32, 'A'), 1);
    longName.ssidLength = 200;
    longName.privacy = 1;   // the bytes after the SSID field are not part of the name
    Network shortClaim = Net("HomeNetwork", 2);
    shortClaim.ssidLength = 4;
    const auto rows = Rows(List({longName, shortClaim}));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].cells[kColumnSsid], std::string(32, 'A'));
    EXPECT_EQ(rows[0].cells[kColumnWep], "Yes");
    EXPECT_EQ(rows[1].cells[kColumnSsid], "Home");
}

// A list the driver got wrong: the walk stops at the first entry that does not fit and
// keeps the rows before it.
TEST(BssidList, TheWalkStopsAtTheFirstEntryThatDoesNotFit) {
    const Network one = Net("One", 1), two = Net("Two", 2), three = Net("Three", 3);
    auto withLength = [](Network n, int64_t length) {
        n.length = length;
        return n;
    };
    const auto whole = List({one, two, three});
    const size_t entry = sizeof(NDIS_WLAN_BSSID);
    const struct {
        const char* what;
        std::vector<uint8_t> bytes;
        size_t size;
        std::vector<std::string> ssids;
    } cases[] = {
        {"well formed", whole, whole.size(), {"One", "Two", "Three"}},
        {"second Length 0", List({one, withLength(two, 0), three}), whole.size(), {"One"}},
        {"second Length below the fixed entry", List({one, withLength(two, entry - 1), three}), whole.size(), {"One"}},
        {"first Length past the end", List({withLength(one, entry * 3 + 1), two, three}), whole.size(), {}},
        {"Length near 4 GiB", List({one, withLength(two, 0xFFFFFFF0u)}), 4 + 2 * entry, {"One"}},
        {"last entry cut short", whole, whole.size() - 1, {"One", "Two"}},
        {"more items counted than given", List({one, two}, 1000), 4 + 2 * entry, {"One", "Two"}},
        {"every item counted", List({one, two}, 0xFFFFFFFFu), 4 + 2 * entry, {"One", "Two"}},
        {"fewer items counted than given", List({one, two, three}, 1), whole.size(), {"One"}},
        {"header only", List({}, 3), 4, {}},
        {"shorter than the header", whole, 3, {}},
        {"nothing at all", whole, 0, {}},
        {"half an entry", whole, 4 + entry / 2, {}},
    };
    for (const auto& c : cases) EXPECT_EQ(Ssids(Rows(c.bytes, c.size)), c.ssids) << c.what;
}

}  // namespace
