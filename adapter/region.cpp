#include "adapter/region.h"

namespace {

struct Region {
    uint32_t code;
    const char* text;
    ChannelRange channels;
};

const Region kRegions[] = {
    {0x00, "TEST", {1, 14}},
    {0x10, "FCC(USA) Channel 1-11", {1, 11}},
    {0x20, "IC(Candada) Channel 1-11", {1, 11}},
    {0x30, "ETSI(Europe) Channel 1-13", {1, 13}},
    {0x31, "SPAIN Channel 10-11", {10, 11}},
    {0x32, "France Channel 10-13", {10, 13}},
    {0x40, "Japan Channel 1-14", {1, 14}},
};

constexpr ChannelRange kEveryRegionsChannels = {1, 11};

const Region* find(uint32_t code) {
    for (const Region& r : kRegions)
        if (r.code == code) return &r;
    return nullptr;
}

}  // namespace

const char* RegionText(uint32_t regionCode) {
    const Region* r = find(regionCode);
    return r ? r->text : nullptr;
}

ChannelRange RegionChannels(uint32_t regionCode) {
    const Region* r = find(regionCode);
    return r ? r->channels : kEveryRegionsChannels;
}
