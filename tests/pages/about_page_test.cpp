// The About page and the device information behind it: the MAC with colons, the
// utility's version, the driver version from the adapter's driver key (found among the
// numbered subkeys of the class key the adapter library names) and the region, and the
// fall-back to the driver's own version.
#include "pages/about_page.h"

#include "adapter/device_information.h"
#include "settings_page_fixture.h"
#include "support/fake_machine_registry.h"

namespace {

const std::string kClassKey = "SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002BE10318}";
const std::string kProductId = "{6B1D2E8A-3C47-4F20-9A51-0E7C5D3B8F14}";

class AboutPageTest : public SettingsPageTest {
protected:
    void SetUp() override {
        SettingsPageTest::SetUp();
        for (int id : {IDC_ABOUT_UTILITY_VERSION, IDC_ABOUT_DRIVER_VERSION, IDC_ABOUT_MAC_ADDRESS, IDC_ABOUT_REGION})
            controls.addEdit(id);
        services.machineRegistry = &registry;
        services.adapterLibrary = &sim;
        // Neighbours first: another adapter's key, a key with no identifier, and a key
        // whose name does not fit the 16-byte name buffer but would match.
        registry.setString(kClassKey + "\\0000", "NetCfgInstanceId", "{2F0A9C31-7B64-4E18-A0D2-59C3E81B7A46}");
        registry.setString(kClassKey + "\\0000", "DriverVersion", "5.1.2600.0");
        registry.addKey(kClassKey + "\\0001");
        registry.setString(kClassKey + "\\0001-Long-Subkey", "NetCfgInstanceId", kProductId);
        registry.setString(kClassKey + "\\0001-Long-Subkey", "DriverVersion", "9.9.9.9");
        create(page);
    }
    void productKey(const std::string& id, const std::string& version) {
        registry.setString(kClassKey + "\\0002", "NetCfgInstanceId", id);
        registry.setString(kClassKey + "\\0002", "DriverVersion", version);
    }
    std::string field(int id) const { return controls.getText(id); }

    FakeMachineRegistry registry;
    AboutPage page{services};
};

TEST_F(AboutPageTest, ShowsTheMacWithColonsAndTheDriverVersionOfTheMatchingKey) {
    // The identifier is stored in lower case; the enumeration's name is "\DEVICE\{...}".
    std::string lower = kProductId;
    for (char& ch : lower) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    productKey(lower, "2.0.1.7");
    page.Show();
    EXPECT_EQ(field(IDC_ABOUT_MAC_ADDRESS), "00:A0:C5:4E:21:7B");
    EXPECT_EQ(field(IDC_ABOUT_UTILITY_VERSION), "v1.00");
    EXPECT_EQ(field(IDC_ABOUT_DRIVER_VERSION), "2.0.1.7");
    EXPECT_EQ(field(IDC_ABOUT_REGION), "FCC(USA) Channel 1-11");
    EXPECT_EQ(registry.openKeys(), 0);
    // The search went on past the key whose name is too long and never opened it.
    for (const std::string& path : registry.opened) EXPECT_EQ(path.find("Long"), std::string::npos) << path;
}

TEST_F(AboutPageTest, MixedCaseDeviceNameStillMatchesAndRegionsFollowTheTable) {
    productKey(kProductId, "2.0.1.7");
    changeAdapter([](SimAdapterConfig& a) { a.region = 0x31; });
    ASSERT_TRUE(adapter->RefreshStatus());   // the adapter is open under its own name
    adapter->deviceName = "\\Device\\" + kProductId;   // as some systems spell it
    page.Show();
    EXPECT_EQ(field(IDC_ABOUT_DRIVER_VERSION), "2.0.1.7");
    EXPECT_EQ(field(IDC_ABOUT_REGION), "SPAIN Channel 10-11");

    changeAdapter([](SimAdapterConfig& a) { a.region = 0x50; });
    page.Show();
    EXPECT_EQ(field(IDC_ABOUT_REGION), "SPAIN Channel 10-11");   // 0x50 has no text: the field stays
}

TEST_F(AboutPageTest, UnreadableDriverVersionsFallBackToTheDriversOwnVersion) {
    const std::vector<uint8_t> longText(300, 'A');
    const std::vector<uint8_t> exactlyFull = [] {
        std::vector<uint8_t> v(259, '7');
        v.push_back(0);   // 260 bytes with its terminator: no room to spare
        return v;
    }();
    const struct {
        const char* what;
        uint32_t type;
        std::vector<uint8_t> bytes;
    } cases[] = {
        {"longer than the buffer", kRegSz, longText},
        {"fills the buffer", kRegSz, exactlyFull},
        {"no terminator", kRegSz, {'3', '.', '1'}},
        {"not a string", kRegDword, {1, 0, 0, 0}},
        {"empty", kRegSz, {0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        productKey(kProductId, "x");
        registry.setRaw(kClassKey + "\\0002", "DriverVersion", c.type, c.bytes);
        controls.setText(IDC_ABOUT_DRIVER_VERSION, "earlier");
        page.Show();
        EXPECT_EQ(field(IDC_ABOUT_DRIVER_VERSION), "1.0.3.12");   // private command 16
        EXPECT_EQ(registry.openKeys(), 0);
    }
    // A well-formed value of 259 characters does fit: it is shown.
    productKey(kProductId, std::string(258, '8'));
    page.Show();
    EXPECT_EQ(field(IDC_ABOUT_DRIVER_VERSION), std::string(258, '8'));
}

TEST_F(AboutPageTest, AnUnreadableIdentifierOrAMissingClassKeyFindsNoDriverKey) {
    registry.setRaw(kClassKey + "\\0002", "NetCfgInstanceId", kRegSz,
                    std::vector<uint8_t>(kProductId.begin(), kProductId.end()));   // unterminated
    registry.setString(kClassKey + "\\0002", "DriverVersion", "2.0.1.7");
    EXPECT_FALSE(ReadDriverKey(registry, kClassKey, "\\DEVICE\\" + kProductId).found);
    EXPECT_FALSE(ReadDriverKey(registry, "SYSTEM\\Nowhere", "\\DEVICE\\" + kProductId).found);
    EXPECT_FALSE(ReadDriverKey(registry, "", "\\DEVICE\\" + kProductId).found);
    // A name not of the form \DEVICE\<id> never matches.
    productKey(kProductId, "2.0.1.7");
    EXPECT_FALSE(ReadDriverKey(registry, kClassKey, kProductId).found);

    page.ShowDeviceInformation(*adapter);
    EXPECT_EQ(field(IDC_ABOUT_DRIVER_VERSION), "2.0.1.7");
    services.machineRegistry = nullptr;   // no registry at all: the driver's own version
    controls.setText(IDC_ABOUT_DRIVER_VERSION, "");
    page.Show();
    EXPECT_EQ(field(IDC_ABOUT_DRIVER_VERSION), "1.0.3.12");
    EXPECT_EQ(registry.openKeys(), 0);
}

TEST_F(AboutPageTest, WithoutAnAdapterTheFieldsKeepTheirTexts) {
    SetCurrentAdapter(nullptr);
    page.Show();
    EXPECT_EQ(field(IDC_ABOUT_MAC_ADDRESS), "");
    EXPECT_EQ(field(IDC_ABOUT_UTILITY_VERSION), "");
    EXPECT_TRUE(registry.opened.empty());
    EXPECT_EQ(MacTextWithColons("00.0A.1B.2C.3D.4E"), "00:0A:1B:2C:3D:4E");
}

}  // namespace
