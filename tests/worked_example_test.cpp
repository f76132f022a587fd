// SPDX-License-Identifier: MIT
// The full value behind every box that the commands write for the worked example and for typed
// inputs, among them inputs that show in a full value the order in which a result is formed.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>

#include "analyses/commands.h"
#include "support/fake_window.h"

namespace quadripolo {
namespace {

using test_support::FakeWindow;
using test_support::FullValue;
using test_support::ShownText;

// The double that a full value reads back as; NaN for a box never written.
double readBack(std::string_view text) {
    double value = NAN;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// Where the math library is glibc's, a full value is a fixed order of IEEE operations on glibc's
// cosine, sine, arctangent and power function, and is checked to the last digit. MinGW-w64's
// functions may differ in the last bit: measured under Wine 8.0 (GCC 12, MinGW-w64 10), every
// value here is the same but the one that shows the power function, 4 units in the last place
// away (MinGW-w64 squares as x·x does). A last-bit change in any one cosine, sine or arctangent
// moves a box of the worked example by at most 29 units in the last place (Re(Zout), through
// cancellation), and one in each of them at once by at most 54 (Im(I2)): so elsewhere a value
// may lie 2^-45 away, relatively (64 to 128 units in the last place), which swallows the orders
// of operations below.
#ifdef __GLIBC__
constexpr double kTolerance = 0;
#else
constexpr double kTolerance = 0x1p-45;
#endif

// Each box holds its full value (the display form that makes its text is tested on its own).
void expectFullValues(FakeWindow& window, std::span<const FullValue> boxes) {
    for (const auto& [box, value] : boxes) {
        const double expected = readBack(value);
        EXPECT_NEAR(readBack(window.formedFrom[box]), expected, kTolerance * std::abs(expected))
            << box;
    }
}

// The z analysis's lower box and the S analysis's box of the same quantity.
constexpr std::pair<const char*, const char*> kByZAndByS[] = {
    {"Label41", "Label36"}, {"Label43", "Label39"}, {"Label53", "Label46"}, {"Label55", "Label47"},
    {"Label57", "Label49"}, {"Label59", "Label50"}, {"Label61", "Label32"}, {"Label63", "Label34"},
    {"Label65", "Label69"}, {"Label66", "Label70"}, {"Label81", "Label73"}, {"Label82", "Label74"},
    {"Label83", "Label75"}, {"Label84", "Label76"},
};

// The y fields after the copy: four digits, the point forced.
constexpr ShownText kCopiedY[] = {
    {"Text1", "13.87E-03"},  {"Text2", "30.85E-04"}, {"Text5", "-16.39E-05"},
    {"Text6", "-13.07E-04"}, {"Text3", "14.16E-03"}, {"Text4", "-13.14E-02"},
    {"Text7", "53.71E-05"},  {"Text8", "36.75E-04"},
};

// The five commands in a comma locale. The z analysis, pressed before any S analysis, shows the
// zeros of PL and Pin, then re-renders them as they stand. Its lower block reaches the upper
// block's quantities by the z parameters, with full values within 4e-15 of each other,
// relatively, and so the same texts (at most 2e-15 here: Im(Zi) by z is 14 units in the last
// place from Im(Zi) by S).
TEST(WorkedExample, EveryBoxHoldsItsFullValue) {
    NetworkState state;
    FakeWindow form1 = test_support::windowWith();
    form1.separator = ",";
    form1::Command2_Click(state, form1);
    expectFullValues(form1, std::vector<FullValue>{{"Label32", "0"}, {"Label34", "0"}});
    form1::Command1_Click(state, form1);
    expectFullValues(form1, test_support::kSAnalysis);
    form1::Command2_Click(state, form1);
    expectFullValues(form1, test_support::kSAnalysis);
    for (const auto& [z, s] : kByZAndByS) {
        EXPECT_NEAR(readBack(form1.formedFrom[z]) / readBack(form1.formedFrom[s]), 1, 4e-15) << z;
    }

    form1::Command3_Click(state, form1);
    FakeWindow& form2 = *form1.equivalent;
    expectFullValues(form2, test_support::kEquivalentParameters);
    form2::Command2_Click(state, form2);
    for (const auto& [field, text] : kCopiedY) {
        EXPECT_EQ(form2.text(field), text) << field;
    }
    form2::Command1_Click(state, form2);
    expectFullValues(form2, test_support::kSOfCopiedY);
    // The y values typed at full precision, as the copy formed its texts from them.
    for (const auto& [field, text] : kCopiedY) {
        form2.texts[field] = form2.formedFrom[field];
    }
    form2::Command1_Click(state, form2);
    expectFullValues(form2, test_support::kSOfFullY);
}

// clang-format off
const struct TypedInputs {
    const char* name;
    void (*command)(NetworkState&, Window&);
    bool yWindow;
    std::vector<ShownText> texts;  // changed from the window's initial texts
    std::vector<FullValue> boxes;
} kTypedInputs[] = {
    {"a short circuit: Zout = V2open/(-I2)", form1::Command1_Click, false,
     {{"Text12", "0"}, {"Text13", "0"}},
     {{"Label69", "62.41814345033429"}, {"Label70", "-131.9701180682061"}}},
    {"a real load: Zout = ZL(V2open - V2)/V2", form1::Command1_Click, false, {{"Text13", "0"}},
     {{"Label69", "62.41814345033436"}}},
    // S11 = -1/3, negative real; S12 = 0, a zero real part; S22 = 1; the copy takes y11·Ro.
    {"Re(y11) 0.04 alone", [](NetworkState& state, Window& form2) {
         form2::Command1_Click(state, form2);
         form2::Command2_Click(state, form2);
     }, true, {}, {{"Label35", "0.3333333333333333"}, {"Label37", "180"}, {"Label36", "0"},
                   {"Label45", "1"}, {"Text1", "2"}}},
    // Another order changes these full values on glibc. The worked example shows
    // I1 = (a1 - b1) × (1 / √Ro): by a division, Re(I1) would end in ...5031.
    {"PL's squares by the power function, not x·x", form1::Command1_Click, false,
     {{"Text8", "37"}}, {{"Label32", "0.3591484801590269"}}},
    {"PL by z as (Re² + Im²) × RL", form1::Command2_Click, false, {{"Text3", "2"}},
     {{"Label61", "0.07477264689680821"}}},
    {"Zi's numerator as (S11 + 1) + S12·a2/a1", form1::Command1_Click, false, {{"Text1", "1"}},
     {{"Label69", "-5.109591227987266"}, {"Label70", "-81.06104137270995"}}},
    {"D as ((y11 + 1) + y22) + Δ, Im (y22 + y11) + Δ", form2::Command1_Click, true,
     {{"Text1", "0.037"}, {"Text2", "-0.03"}, {"Text7", "-0.004"}, {"Text8", "-0.0087"}},
     {{"Label35", "0.535327076031213"}}},
};
// clang-format on

TEST(TypedInputs, ShowTheirFullValues) {
    for (const TypedInputs& row : kTypedInputs) {
        SCOPED_TRACE(row.name);
        NetworkState state;
        FakeWindow window = row.yWindow ? test_support::yWindowWith(row.texts)
                                        : test_support::windowWith(row.texts);
        row.command(state, window);
        expectFullValues(window, row.boxes);
    }
}

}  // namespace
}  // namespace quadripolo
