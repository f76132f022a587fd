// The numeric path of one click of each command: field checks and conversions, the solution,
// and every display text. Run by hand: ./build/bench/command_bench
#include <benchmark/benchmark.h>

#include <array>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <utility>

#include "commands.h"

namespace quadripolo {
namespace {

// A window whose controls are found by the number in their name ("Text9", "Label32"), so that
// its own cost stays small beside the computation.
class BenchWindow : public MainWindow {
public:
    std::array<std::string, 200> controls;
    BenchWindow* equivalentWindow = nullptr;

    static std::size_t slot(std::string_view control) {
        const bool label = control.front() == 'L';
        std::size_t number = 0;
        for (const char c : control.substr(label ? 5 : 4)) {
            number = number * 10 + static_cast<std::size_t>(c - '0');
        }
        return (label ? 100 : 0) + number;
    }
    std::string text(std::string_view control) const override { return controls[slot(control)]; }
    void setText(std::string_view control, const std::string& text) override {
        controls[slot(control)] = text;
    }
    void set(std::initializer_list<std::pair<std::string_view, std::string_view>> texts) {
        for (const auto& [control, text] : texts) {
            controls[slot(control)] = text;
        }
    }
    std::string decimalSeparator() const override { return ","; }
    void showMessage(std::string_view) override { std::abort(); }
    Window& loadAndShowEquivalentWindow() override { return *equivalentWindow; }
};

BenchWindow mainWindow() {
    BenchWindow window;
    window.set({{"Text1", "0.06"},
                {"Text2", "-146.3"},
                {"Text3", "6.02"},
                {"Text4", "84"},
                {"Text5", "0.06"},
                {"Text6", "70.7"},
                {"Text7", "0.57"},
                {"Text8", "-19.2"},
                {"Text9", "50"},
                {"Text10", "10"},
                {"Text11", "20"},
                {"Text12", "100"},
                {"Text13", "200"},
                {"Text14", "1"}});
    return window;
}

template <void (*Command)(NetworkState&, MainWindow&)>
void mainWindowCommand(benchmark::State& run) {
    NetworkState state;
    BenchWindow form2;
    BenchWindow form1 = mainWindow();
    form1.equivalentWindow = &form2;
    for (auto _ : run) {
        runCommand(form1, [&] { Command(state, form1); });
        benchmark::DoNotOptimize(form1.controls.data());
    }
}

void yToS(benchmark::State& run) {
    NetworkState state;
    BenchWindow form2;
    form2.set({{"Text1", "13.87E-03"},
               {"Text2", "30.85E-04"},
               {"Text5", "-16.39E-05"},
               {"Text6", "-13.07E-04"},
               {"Text3", "14.16E-03"},
               {"Text4", "-13.14E-02"},
               {"Text7", "53.71E-05"},
               {"Text8", "36.75E-04"},
               {"Text9", "50"}});
    for (auto _ : run) {
        runCommand(form2, [&] { form2::Command1_Click(state, form2); });
        benchmark::DoNotOptimize(form2.controls.data());
    }
}

void copyY(benchmark::State& run) {
    NetworkState state;
    BenchWindow form1 = mainWindow();
    BenchWindow form2;
    form1.equivalentWindow = &form2;
    form1::Command3_Click(state, form1);
    for (auto _ : run) {
        runCommand(form2, [&] { form2::Command2_Click(state, form2); });
        benchmark::DoNotOptimize(form2.controls.data());
    }
}

BENCHMARK(mainWindowCommand<form1::Command1_Click>)->Name("Form1.Command1 S analysis");
BENCHMARK(mainWindowCommand<form1::Command2_Click>)->Name("Form1.Command2 z analysis");
BENCHMARK(mainWindowCommand<form1::Command3_Click>)->Name("Form1.Command3 z and y");
BENCHMARK(yToS)->Name("Form2.Command1 y to S");
BENCHMARK(copyY)->Name("Form2.Command2 copy y");

}  // namespace
}  // namespace quadripolo

BENCHMARK_MAIN();
