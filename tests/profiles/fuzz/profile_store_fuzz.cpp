// The profile store over the in-memory store, driven by arbitrary bytes: store
// operations and hand edits of the raw store in any order, on names from a set that
// covers the awkward cases or made of raw bytes (backslashes, zero bytes, Latin-1
// letters). Every operation is checked by the property test's checker; a broken rule
// aborts with what broke.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "profiles/chain_checker.h"

namespace {

const std::vector<std::string> kNames = {
    "Home", "HOME", "Work", "Caf\xE9", "CAF\xC9", "\xFF", "\x9F", "end", "End", "Settings", "SETTINGS",
    "FactoryDefault", "factorydefault", "ActiveSetting", "\\FactoryDefault", "ActiveSetting\\", "Work\\", "\\", ""};

std::string name(FuzzedDataProvider& in) {
    if (in.ConsumeBool()) return kNames[in.ConsumeIntegralInRange<size_t>(0, kNames.size() - 1)];
    // A few raw bytes over a small alphabet, so names meet again.
    static const char kLetters[] = {'a', 'A', 'b', '\xE9', '\xC9', '\\', '\0', 'e', 'n', 'd'};
    std::string out;
    const size_t length = in.ConsumeIntegralInRange<size_t>(0, 4);
    for (size_t i = 0; i < length; ++i) out += kLetters[in.ConsumeIntegralInRange<size_t>(0, sizeof kLetters - 1)];
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    ChainChecker chain;
    for (int step = 0; step < 32 && in.remaining_bytes() > 0; ++step) {
        if (in.ConsumeBool()) {
            const auto edit = static_cast<ChainChecker::Edit>(in.ConsumeIntegralInRange<int>(0, ChainChecker::kEdits - 1));
            const std::string at = name(in);
            chain.handEdit(edit, at, name(in));
            continue;
        }
        const auto op = static_cast<ChainChecker::Op>(in.ConsumeIntegralInRange<int>(0, 3));
        const std::string broke = chain.operate(op, name(in));
        if (!broke.empty()) {
            std::fprintf(stderr, "step %d: %s\n", step, broke.c_str());
            std::abort();
        }
    }
    return 0;
}
