// The emitters on long switch lists: the time must grow linearly with the
// number of entries.
//
//   build/bench/bench_coder
#include <benchmark/benchmark.h>

#include <string>

#include "coder/paramcode.h"
#include "coder/zizudavuveva.h"

namespace {

std::string longList(size_t entries)
{
    std::string list;
    for (size_t i = 0; i < entries; ++i) {
        if (i) list += ", ";
        list += "POS" + std::to_string(i);
    }
    return list;
}

void declarationOfMultiSwitch(benchmark::State& state, zz::Deliverable deliverable)
{
    zz::Zizudavuveva record = zz::pageDefaults(deliverable);
    record.controlType = zz::controltype::multiSwitch;
    record.enableVariableBinding = true;
    record.multiStringList = longList(static_cast<size_t>(state.range(0)));
    for (auto _ : state) {
        auto result = zz::makeBoundVarCode(record, deliverable);
        benchmark::DoNotOptimize(result.fragments.data());
    }
    state.SetComplexityN(state.range(0));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(record.multiStringList.size()));
}

void BM_BoundVarMultiSwitchWindows(benchmark::State& state)
{
    declarationOfMultiSwitch(state, zz::Deliverable::windows);
}

void BM_BoundVarMultiSwitchMac(benchmark::State& state) { declarationOfMultiSwitch(state, zz::Deliverable::mac); }

void BM_ParameterCodeMultiSwitch(benchmark::State& state)
{
    zz::Zizudavuveva record = zz::pageDefaults(zz::Deliverable::windows);
    record.controlType = zz::controltype::multiSwitch;
    record.multiStringList = longList(static_cast<size_t>(state.range(0)));
    record.defaultMultiStringIndex = static_cast<uint32_t>(state.range(0) - 1);
    for (auto _ : state) {
        auto result = zz::makeParameterCode(record, "", zz::Deliverable::windows);
        benchmark::DoNotOptimize(result.fragments.data());
    }
    state.SetComplexityN(state.range(0));
}

}  // namespace

BENCHMARK(BM_BoundVarMultiSwitchWindows)->RangeMultiplier(2)->Range(1 << 10, 1 << 14)->Complexity();
BENCHMARK(BM_BoundVarMultiSwitchMac)->RangeMultiplier(2)->Range(1 << 10, 1 << 14)->Complexity();
BENCHMARK(BM_ParameterCodeMultiSwitch)->RangeMultiplier(2)->Range(1 << 10, 1 << 14)->Complexity();

BENCHMARK_MAIN();
