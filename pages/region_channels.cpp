#include "pages/region_channels.h"

ChannelRange RegionChannels(uint32_t regionCode) {
    switch (regionCode) {
    case 0x00: return {1, 14};   // test
    case 0x10: return {1, 11};   // FCC, USA
    case 0x20: return {1, 11};   // IC, Canada
    case 0x30: return {1, 13};   // ETSI, Europe
    case 0x31: return {10, 11};  // Spain
    case 0x32: return {10, 13};  // France
    case 0x40: return {1, 14};   // Japan
    default: return {1, 11};
    }
}
