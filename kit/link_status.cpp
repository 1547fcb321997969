#include "kit/link_status.h"

#include "adapter/current_adapter.h"
#include "adapter/ndis.h"
#include "adapter/q_adapter_info.h"
#include "language/language_texts.h"
#include "kit/link_display.h"
#include "kit/link_journal.h"

namespace {

// "\x96" is the en dash of the ANSI code page the texts are in.
const char kStatusKey[] = "TrayStatus";
const char kStatus[] = "%1 \x96 %2 %%";
const char kNoConnectKey[] = "TrayNoConnect";
const char kNoConnect[] = "No Connect";
const char kNoCardKey[] = "TrayNoCard";
const char kNoCard[] = "No Card Found";

}  // namespace

std::string LinkStatusLine(const LanguageTexts& texts) {
    QAdapterInfo* adapter = GetCurrentAdapter();
    if (!adapter) return texts.GetText(kNoCardKey, kNoCard);
    if (adapter->mediaState != NdisMediaStateConnected) return texts.GetText(kNoConnectKey, kNoConnect);
    const int strength = LinkDisplay::signalStrength(adapter->rssi);
    return LinkJournal::FillIn(texts.GetText(kStatusKey, kStatus), {adapter->GetSsidText(), std::to_string(strength)});
}
