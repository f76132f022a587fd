// SPDX-License-Identifier: MIT
// The numeric path of one click of each command on a fake window: field checks and conversions,
// the solution, and every display text. Run by hand: ./build/bench/command_bench
#include <benchmark/benchmark.h>

#include "analyses/commands.h"
#include "support/fake_window.h"
#include "support/worked_example.h"

namespace quadripolo {
namespace {

template <Command command>
void mainWindowClick(benchmark::State& bench) {
    NetworkState state;
    test_support::FakeWindow window =
        test_support::windowWith({}, test_support::kMainWindowDefaults, ",");
    for (auto _ : bench) {
        command(state, window);
        benchmark::DoNotOptimize(window.texts);
    }
}

template <Command command>
void equivalentWindowClick(benchmark::State& bench) {
    NetworkState state;
    test_support::FakeWindow form1 = test_support::windowWith();
    form1::Command3_Click(state, form1);
    test_support::FakeWindow& form2 = *form1.equivalent;
    form2::Command2_Click(state, form2);
    // The copy changes no value of the record, and the conversion reads the y fields afresh.
    for (auto _ : bench) {
        command(state, form2);
        benchmark::DoNotOptimize(form2.texts);
    }
}

BENCHMARK(mainWindowClick<form1::Command1_Click>)->Name("Form1.Command1 S analysis");
BENCHMARK(mainWindowClick<form1::Command2_Click>)->Name("Form1.Command2 z analysis");
BENCHMARK(mainWindowClick<form1::Command3_Click>)->Name("Form1.Command3 z and y");
BENCHMARK(equivalentWindowClick<form2::Command1_Click>)->Name("Form2.Command1 y to S");
BENCHMARK(equivalentWindowClick<form2::Command2_Click>)->Name("Form2.Command2 copy y");

}  // namespace
}  // namespace quadripolo

BENCHMARK_MAIN();
