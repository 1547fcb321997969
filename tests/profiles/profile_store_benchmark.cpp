// The profile chain's cost on long chains: listing it, linking a new profile (which
// walks it to see the profile is not there yet) and deleting its last profile, on
// chains of 1,000 and 10,000 profiles over the in-memory store; and saving profiles
// one by one. Not a test: tools/profile_store_bench.sh builds it optimised against this
// store and an older one and prints both.
#include <benchmark/benchmark.h>

#include <string>

#include "profiles/memory_settings_store.h"
#include "profiles/profile_store.h"

namespace {

std::string Name(int i) { return "Profile " + std::to_string(i); }

// FactoryDefault, Profile n-1, ..., Profile 0, end.
void BuildChain(MemorySettingsStore& settings, int n) {
    settings.writeValue("FactoryDefault", "NextProfile", "end");
    std::string head = "end";
    for (int i = 0; i < n; ++i) {
        settings.writeValue(Name(i), "SSID", "net");
        settings.writeValue(Name(i), "NextProfile", head);
        head = Name(i);
    }
    settings.writeValue("FactoryDefault", "NextProfile", head);
}

void List(benchmark::State& state) {
    MemorySettingsStore settings;
    BuildChain(settings, static_cast<int>(state.range(0)));
    ProfileStore store(settings);
    for (auto _ : state) benchmark::DoNotOptimize(store.listProfiles());
}

void Link(benchmark::State& state) {
    MemorySettingsStore settings;
    BuildChain(settings, static_cast<int>(state.range(0)));
    ProfileStore store(settings);
    for (auto _ : state) {
        store.writeValue("New", "SSID", "net");
        benchmark::DoNotOptimize(store.linkNewProfile("New"));
        state.PauseTiming();
        // Take it out again by hand, at no cost to the walk being measured.
        settings.writeValue("FactoryDefault", "NextProfile", settings.readValue("New", "NextProfile", "end"));
        settings.deleteSection("New");
        state.ResumeTiming();
    }
}

void DeleteLast(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    MemorySettingsStore settings;
    BuildChain(settings, n);
    ProfileStore store(settings);
    int last = 0;  // the chain's last profile
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.deleteProfile(Name(last)));
        state.PauseTiming();
        // Put it back at the front by hand; the next one from the end is now last.
        settings.writeValue(Name(last), "SSID", "net");
        settings.writeValue(Name(last), "NextProfile", settings.readValue("FactoryDefault", "NextProfile", "end"));
        settings.writeValue("FactoryDefault", "NextProfile", Name(last));
        last = (last + 1) % n;
        state.ResumeTiming();
    }
}

// What the profile editor does for each of n new profiles.
void SaveOneByOne(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    for (auto _ : state) {
        MemorySettingsStore settings;
        settings.writeValue("FactoryDefault", "NextProfile", "end");
        ProfileStore store(settings);
        for (int i = 0; i < n; ++i) {
            store.writeValue(Name(i), "SSID", "net");
            store.linkNewProfile(Name(i));
        }
        benchmark::DoNotOptimize(settings);
    }
}

}  // namespace

BENCHMARK(List)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(Link)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(DeleteLast)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveOneByOne)->Arg(1000)->Arg(3000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_MAIN();
