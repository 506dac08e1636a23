// The scan of installed plug-ins on a machine with 2,000 bundles, made here:
// Audio Units with XML and binary Info.plist files and VST3 bundles with a
// moduleinfo.json, some in vendors' folders. create and codes run one scan
// each; it must take well under a second.
//
//   build/bench/bench_plugins [--benchmark_filter=...]
#include <benchmark/benchmark.h>

#include <string>

#include "pluginbundles.h"
#include "plugins/installedplugins.h"

namespace {

using namespace zz::testing;

// `bundles` bundles in a fresh folder: with `vst3`, every other one a VST3
// bundle (in one of ten vendors' folders); the Audio Units alternate between
// XML and binary property lists of two components each.
struct Machine {
    TempFolder folder;

    Machine(int bundles, bool vst3)
    {
        for (int i = 0; i < bundles; ++i) {
            const std::string n = std::to_string(i);
            if (vst3 && i % 2 == 1) {
                writeVst3(folder / ("Vendor " + std::to_string(i % 10)), "Plugin " + n,
                          moduleInfo("Vendor " + std::to_string(i % 10), {"Plugin " + n, "Plugin " + n + " Mono"}));
                continue;
            }
            const std::string digits = std::to_string(1000 + i % 1000);
            const std::string code = "P" + digits.substr(1);
            const std::string plist = audioUnitPlist(
                {{"aufx", code, "Vndr", "Vendor: Plugin " + n}, {"aumf", code, "Vndr", "Vendor: Plugin " + n + " Mono"}});
            writeAudioUnit(folder.str(), "Plugin " + n, i % 4 == 0 ? binaryPlist(plist) : plist);
        }
    }

    std::vector<zz::plugins::PluginFolder> folders() const { return {{folder.str(), true, true}}; }
};

void scan(benchmark::State& state, bool vst3)
{
    const Machine machine(static_cast<int>(state.range(0)), vst3);
    size_t found = 0;
    for (auto _ : state) {
        const zz::plugins::InstalledPlugins installed = zz::plugins::scanInstalledPlugins(machine.folders());
        found = installed.audioUnits.size() + installed.vst3.size();
        if (!installed.skipped.empty()) state.SkipWithError("a generated bundle was skipped");
        benchmark::DoNotOptimize(found);
    }
    state.counters["plugins"] = static_cast<double>(found);
    state.counters["bundles/s"] = benchmark::Counter(static_cast<double>(state.range(0) * state.iterations()),
                                                     benchmark::Counter::kIsRate);
}

void BM_ScanAudioUnits(benchmark::State& state) { scan(state, false); }
void BM_ScanAudioUnitsAndVst3(benchmark::State& state) { scan(state, true); }

}  // namespace

BENCHMARK(BM_ScanAudioUnits)->Arg(200)->Arg(2000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanAudioUnitsAndVst3)->Arg(2000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
