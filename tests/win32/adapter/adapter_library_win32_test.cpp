// The real binding over the built W32N50.dll: exports by name and by ordinal, a whole
// enumerate / probe / associate / snapshot round, replies too short for their value,
// and a library that is missing or lacks its exports.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "adapter/adapter_context.h"
#include "adapter/adapter_library_win32.h"
#include "adapter/ndis.h"
#include "adapter/q_adapter_list.h"
#include "platform/desktop_win32.h"

namespace {

const char* const kProduct = "Vexa Nimbeo 54 Mbps Pocket-Size Wireless USB Adapter";
const char* const kProductDevice = "\\DEVICE\\{6B1D2E8A-3C47-4F20-9A51-0E7C5D3B8F14}";

std::string TempFile(const char* name) {
    char dir[MAX_PATH + 1] = {};
    GetTempPathA(MAX_PATH, dir);
    return std::string(dir) + name;
}

// The DLL reads these at its first call; every test in this program sees the same machine.
class SimEnvironment : public ::testing::Environment {
public:
    static std::string scenario, log;
    // `productExtra`: more lines for the product adapter's section.
    static void WriteScenario(const std::string& productExtra = "") {
        std::ofstream out(scenario, std::ios::trunc);
        out << "[Driver]\nAssociationDelay=150\nRssiJitter=0\n"
               "[Adapter wired]\nDescription=Test Ethernet\n"
               "DeviceName=\\DEVICE\\{11111111-2222-3333-4444-555555555555}\nMedium=14\n"
               "[Adapter product]\nDescription="
            << kProduct << "\nDeviceName=" << kProductDevice
            << "\nMac=00:A0:C5:01:02:03\nRegion=0x30\nVersion=2.1.0.7\n" << productExtra
            << "[Network]\nSsid=WineNet\nBssid=00:14:BF:00:00:42\nChannel=11\nRates=g\nRssi=-55\n";
    }
    void SetUp() override {
        scenario = TempFile("lumora_win32_adapter_test.ini");
        log = TempFile("lumora_win32_adapter_test.log");
        WriteScenario();
        DeleteFileA(log.c_str());
        SetEnvironmentVariableA("LUMORA_SIM_SCENARIO", scenario.c_str());
        SetEnvironmentVariableA("LUMORA_SIM_LOG", log.c_str());
    }
    void TearDown() override {
        DeleteFileA(scenario.c_str());
        DeleteFileA(log.c_str());
    }
};
std::string SimEnvironment::scenario;
std::string SimEnvironment::log;
const auto* const registered = ::testing::AddGlobalTestEnvironment(new SimEnvironment);

TEST(W32N50Abi, RequestOperationsByNameEnumerationByOrdinalOnly) {
    HMODULE m = LoadLibraryA("W32N50.dll");
    ASSERT_NE(m, nullptr);
    for (const char* name : {"W32N_OpenAdapterA", "W32N_CloseAdapter", "W32N_MakeNdisRequest",
                             "W32N_GetNetCardRegistryPath"})
        EXPECT_NE(GetProcAddress(m, name), nullptr) << name;
    for (WORD ordinal : {49, 50, 51, 52, 53, 54, 55, 57})
        EXPECT_NE(GetProcAddress(m, MAKEINTRESOURCEA(ordinal)), nullptr) << ordinal;
    EXPECT_EQ(GetProcAddress(m, MAKEINTRESOURCEA(56)), nullptr);
    EXPECT_EQ(GetProcAddress(m, "W32N_EnumOpenNt"), nullptr);  // no names for the enumeration
    FreeLibrary(m);
}

TEST(W32N50Abi, EnumerateProbeAssociateAndReadTheSnapshot) {
    // Another part of the process left the channel's event signalled: the channel resets it
    // when it first opens it, or a command could wait on a stale signal.
    HANDLE left = CreateEventA(nullptr, FALSE, TRUE, "OiderComOverlappedEvent");
    ASSERT_NE(left, nullptr);
    AdapterLibraryWin32 lib;
    ASSERT_TRUE(lib.IsLoaded());
    DesktopWin32 desktop;
    AdapterContext context(lib, desktop);
    EXPECT_FALSE(context.IsWin9xFamily());  // Wine reports an NT system

    QAdapterList list(context);
    ASSERT_EQ(list.GetCount(), 2u);
    EXPECT_EQ(list.GetAt(0)->GetDescription(), kProduct);  // enumerated last, so at the head
    QAdapterInfo* product = list.FindByDescription(kProduct);
    QAdapterInfo* wired = list.FindByDescription("Test Ethernet");
    ASSERT_TRUE(product && wired);
    EXPECT_EQ(product->GetDeviceName(), kProductDevice);
    EXPECT_EQ(product->GetInterfaceGuid(), "{6B1D2E8A-3C47-4F20-9A51-0E7C5D3B8F14}");

    EXPECT_FALSE(wired->IsUsable());
    ASSERT_TRUE(product->IsUsable());
    EXPECT_EQ(product->GetMacText(), "00.A0.C5.01.02.03");

    uint32_t needed = 0;
    uint32_t infrastructure = Ndis802_11Infrastructure, open = Ndis802_11AuthModeOpen,
             wepOff = Ndis802_11WEPDisabled;
    ASSERT_TRUE(product->SetInformation(OID_802_11_INFRASTRUCTURE_MODE, &infrastructure, 4, &needed));
    ASSERT_TRUE(product->SetInformation(OID_802_11_AUTHENTICATION_MODE, &open, 4, &needed));
    ASSERT_TRUE(product->SetInformation(OID_802_11_WEP_STATUS, &wepOff, 4, &needed));
    NDIS_802_11_SSID ssid{};
    ssid.SsidLength = 7;
    std::memcpy(ssid.Ssid, "WineNet", 7);
    ASSERT_TRUE(product->SetInformation(OID_802_11_SSID, &ssid, sizeof ssid, &needed));

    // The link comes up 150 ms later; give it room.
    bool up = false;
    for (int i = 0; i < 40 && !up; ++i) {
        Sleep(50);
        ASSERT_TRUE(product->RefreshStatus());
        up = product->mediaState == NdisMediaStateConnected;
    }
    ASSERT_TRUE(up);
    EXPECT_EQ(product->GetSsidText(), "WineNet");
    EXPECT_EQ(product->GetBssidText(), "00-14-BF-00-00-42");
    EXPECT_EQ(product->rssi, -55);
    EXPECT_EQ(product->regionCode, 0x30u);
    EXPECT_EQ(product->versionText, "2.1.0.7");
    EXPECT_GT(product->linkQuality, 0);

    uint32_t speed = 0;
    ASSERT_TRUE(product->QueryInformation(OID_GEN_LINK_SPEED, &speed, 4, &needed));
    EXPECT_EQ(speed, 540000u);
    uint32_t small = 0;
    needed = 0;
    ASSERT_TRUE(product->QueryInformation(OID_802_11_BSSID_LIST, &small, 4, &needed));
    EXPECT_EQ(needed, 4u + 120u);  // one g network: entry plus its elements

    // The channel's named event is made by the first command and kept for the next ones.
    HANDLE channel = OpenEventA(EVENT_ALL_ACCESS, FALSE, "OiderComOverlappedEvent");
    EXPECT_NE(channel, nullptr);
    if (channel) CloseHandle(channel);
    EXPECT_EQ(WaitForSingleObject(left, 0), static_cast<DWORD>(WAIT_TIMEOUT));
    CloseHandle(left);
    EXPECT_FALSE(lib.GetNetCardRegistryPath().empty());

    // The request log names the SSID set: length 7, then "WineNet".
    std::ifstream in(SimEnvironment::log);
    ASSERT_TRUE(in.good());
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_NE(text.str().find(std::string("S ") + kProductDevice + " 0D010102 36 00000000 0700000057696E654E6574"),
              std::string::npos);
}

TEST(W32N50Abi, ASuccessfulReplyWithTooFewBytesIsAFailedQuery) {
    // The driver says success but writes nothing for the media state, five bytes of the
    // BSSID and three of the RSSI; the record's bytes-written must cross the library.
    SimEnvironment::WriteScenario("ShortReply=0x00010114:0 0x0D010101:5 0x0D010206:3\n");
    struct Restore {
        ~Restore() { SimEnvironment::WriteScenario(); }
    } restore;
    AdapterLibraryWin32 lib;
    DesktopWin32 desktop;
    AdapterContext context(lib, desktop);
    QAdapterList list(context);  // enumerating reads the changed scenario
    QAdapterInfo* product = list.FindByDescription(kProduct);
    ASSERT_NE(product, nullptr);
    ASSERT_TRUE(product->IsUsable());

    uint32_t state = 0xDEADBEEF, needed = 0, written = 0xDEADBEEF;
    ASSERT_TRUE(product->QueryInformation(OID_GEN_MEDIA_CONNECT_STATUS, &state, 4, &needed, &written));
    EXPECT_EQ(written, 0u);
    EXPECT_EQ(state, 0xDEADBEEFu);  // the driver did not touch the buffer
    uint32_t mode = 0;
    ASSERT_TRUE(product->QueryInformation(OID_802_11_INFRASTRUCTURE_MODE, &mode, 4, &needed, &written));
    EXPECT_EQ(written, 4u);

    product->mediaState = NdisMediaStateConnected;
    product->rssi = -61;
    std::memset(product->bssid, 0x55, sizeof product->bssid);
    ASSERT_TRUE(product->RefreshStatus());
    EXPECT_EQ(product->mediaState, NdisMediaStateDisconnected);
    EXPECT_EQ(product->rssi, -61);
    EXPECT_EQ(product->GetBssidText(), "00-00-00-00-00-00");
    EXPECT_EQ(product->regionCode, 0x30u);  // the rest of the snapshot is read as ever
}

TEST(W32N50Abi, AMissingLibraryFailsEveryCallQuietly) {
    AdapterLibraryWin32 lib("NoSuchAdapterLibrary.dll");
    EXPECT_FALSE(lib.IsLoaded());
    DesktopWin32 desktop;
    AdapterContext context(lib, desktop);
    QAdapterList list(context);
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_FALSE(list.Enumerate());
    EXPECT_EQ(lib.OpenAdapter(kProductDevice), kNoHandle);
    NdisRequest r;
    EXPECT_NE(lib.MakeNdisRequest(kNoHandle, r, 0), 0u);
    EXPECT_EQ(lib.GetNetCardRegistryPath(), "");
    char buffer[256];
    uint32_t length = sizeof buffer;
    EXPECT_NE(lib.EntryDescription(1, buffer, &length), 0u);

    QAdapterInfo record(context);
    record.deviceName = kProductDevice;
    EXPECT_FALSE(record.RefreshStatus());
    EXPECT_FALSE(record.IsUsable());
}

TEST(W32N50Abi, ALibraryWithoutTheExportsFailsTheSameWay) {
    AdapterLibraryWin32 lib("NoAdapterExports.dll");
    EXPECT_TRUE(lib.IsLoaded());
    DesktopWin32 desktop;
    AdapterContext context(lib, desktop);
    QAdapterList list(context);
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(lib.OpenEnumerationNt(), kNoHandle);
    EXPECT_EQ(lib.OpenAdapter(kProductDevice), kNoHandle);
    EXPECT_EQ(lib.GetNetCardRegistryPath(), "");
}

TEST(DesktopWin32Binding, VersionClockAndEvents) {
    DesktopWin32 desktop;
    OsVersionInfo plain, extended;
    ASSERT_TRUE(desktop.osVersion(false, plain));
    ASSERT_TRUE(desktop.osVersion(true, extended));
    EXPECT_EQ(plain.platformId, 2u);
    EXPECT_EQ(plain.majorVersion, extended.majorVersion);
    EXPECT_EQ(plain.buildNumber, extended.buildNumber);
    const DWORD before = GetTickCount();
    const uint32_t ours = desktop.tickCount();
    const DWORD after = GetTickCount();
    EXPECT_LE(ours - before, after - before);

    AdapterLibraryWin32 lib;
    const EventHandle e = lib.CreateSignalEvent("LumoraTestEvent");
    ASSERT_NE(e, 0u);
    HANDLE same = OpenEventA(EVENT_ALL_ACCESS, FALSE, "LumoraTestEvent");
    ASSERT_NE(same, nullptr);
    SetEvent(same);
    EXPECT_EQ(WaitForSingleObject(reinterpret_cast<HANDLE>(e), 0), WAIT_OBJECT_0);
    EXPECT_EQ(WaitForSingleObject(reinterpret_cast<HANDLE>(e), 0), WAIT_TIMEOUT);  // auto-reset
    CloseHandle(same);
    lib.CloseSignalEvent(e);
    EXPECT_EQ(OpenEventA(EVENT_ALL_ACCESS, FALSE, "LumoraTestEvent"), nullptr);
}

}  // namespace
