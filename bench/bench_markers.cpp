// replaceMarkers on project files of 1 to 64 MB: the time must grow linearly
// with the text (no quadratic rebuilding), and the 64 MB text holds about a
// million markers.
//
//   build/bench/bench_markers [--benchmark_filter=...]
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "project/markers.h"
#include "project/zezureproject.h"

namespace {

// Every marker of the template, as the core's table names them.
std::vector<std::string> allTags()
{
    std::vector<std::string> tags;
    for (const zz::Marker& m : zz::markerTable(zz::Deliverable::mac, zz::makeDefaultProject(zz::Deliverable::mac, "/")))
        tags.push_back(m.tag);
    return tags;
}

// CMake-like text of `bytes` bytes with one marker in every `spacing` bytes
// on average (0: no markers at all); with `variables` each line also refers
// to a CMake variable, as real project files do.
std::string projectText(size_t bytes, size_t spacing, bool variables = false)
{
    static const std::vector<std::string> tags = allTags();
    std::string text;
    text.reserve(bytes + 256);
    size_t n = 0;
    while (text.size() < bytes) {
        const std::string line =
            "set(ZZ_VALUE_" + std::to_string(n) + (variables ? " ${ZZ_PREFIX}\"" : " \"");
        text += line;
        if (spacing) {
            const std::string& tag = tags[n % tags.size()];
            text += tag;
            const size_t used = line.size() + tag.size() + 3;
            if (used < spacing) text.append(spacing - used, 'x');
        } else {
            text.append(48, 'x');
        }
        text += "\")\n";
        ++n;
    }
    return text;
}

zz::ZezureProject benchProject(zz::Deliverable deliverable)
{
    zz::ZezureProject p = zz::makeDefaultProject(deliverable, "/opt/zezure");
    p.projectName = p.pluginName = "BenchPlugin";
    p.vendorName = "Bench Audio";
    p.fourCharProductID = "BnCh";
    p.fourCharVendorID = "BNCH";
    p.processFrames = false;
    p.blockSize = 128;
    p.tailTimeMsec = 250;
    return p;
}

// The same project with names longer than their markers: the result is
// longer than the text, so it cannot be written over the text as it is read.
zz::ZezureProject longNamesProject(zz::Deliverable deliverable)
{
    zz::ZezureProject p = benchProject(deliverable);
    p.projectName = p.pluginName = "A Bench Plug-in With A Long Name";
    p.vendorName = "Bench Audio Laboratories International";
    p.vendorURL = "https://www.bench-audio-laboratories.example.com";
    p.vendorEmail = "support@bench-audio-laboratories.example.com";
    return p;
}

// The same project with texts that need escapes in CMake code: every marker
// is written for its place, marker by marker, each text read for its places.
zz::ZezureProject escapedProject(zz::Deliverable deliverable)
{
    zz::ZezureProject p = benchProject(deliverable);
    p.vendorName = "Bench \"Audio\" \\ Co";
    p.vendorEmail = "${USER}@bench.example";
    return p;
}

void replaceIn(benchmark::State& state, zz::Deliverable deliverable, size_t spacing, bool variables = false,
               bool longNames = false, bool escaped = false)
{
    const size_t bytes = static_cast<size_t>(state.range(0)) << 20;
    const std::string original = projectText(bytes, spacing, variables);
    const zz::ZezureProject project = escaped    ? escapedProject(deliverable)
                                      : longNames ? longNamesProject(deliverable)
                                                  : benchProject(deliverable);
    std::string text;
    for (auto _ : state) {
        state.PauseTiming();
        text = original;
        state.ResumeTiming();
        zz::replaceMarkers(deliverable, text, project);
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(original.size()));
    state.SetComplexityN(static_cast<int64_t>(original.size()));
    state.counters["markers"] = spacing ? static_cast<double>(original.size() / spacing) : 0.0;
}

// About one marker in 64 bytes: a million markers in 64 MB.
void BM_ReplaceMarkersWindows(benchmark::State& state) { replaceIn(state, zz::Deliverable::windows, 64); }
void BM_ReplaceMarkersMac(benchmark::State& state) { replaceIn(state, zz::Deliverable::mac, 64); }
// The same with a CMake variable on every line.
void BM_ReplaceMarkersWithVariables(benchmark::State& state) { replaceIn(state, zz::Deliverable::mac, 64, true); }
// Values longer than their markers: a new, longer text is built.
void BM_ReplaceMarkersLongValues(benchmark::State& state) { replaceIn(state, zz::Deliverable::mac, 64, false, true); }
// Texts that need escapes: the marker-by-marker passes with the CMake reader.
void BM_ReplaceMarkersEscapedValues(benchmark::State& state)
{
    replaceIn(state, zz::Deliverable::mac, 64, false, false, true);
}
// Text without a single marker: the cost of looking alone.
void BM_ReplaceMarkersNoMarkers(benchmark::State& state) { replaceIn(state, zz::Deliverable::mac, 0); }

// The floor: copying the text once.
void BM_CopyText(benchmark::State& state)
{
    const std::string original = projectText(static_cast<size_t>(state.range(0)) << 20, 64);
    for (auto _ : state) {
        std::string copy = original;
        benchmark::DoNotOptimize(copy.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(original.size()));
}

}  // namespace

BENCHMARK(BM_ReplaceMarkersWindows)->RangeMultiplier(4)->Range(1, 64)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_ReplaceMarkersMac)->RangeMultiplier(4)->Range(1, 64)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_ReplaceMarkersWithVariables)->Arg(64)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaceMarkersLongValues)->RangeMultiplier(4)->Range(1, 64)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaceMarkersEscapedValues)->RangeMultiplier(4)->Range(1, 64)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaceMarkersNoMarkers)->Arg(64)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopyText)->Arg(64)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
