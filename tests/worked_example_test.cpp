// SPDX-License-Identifier: MIT
// The full value behind every box that the commands write for the worked example, which
// cross-checks the conformance vectors, and what the program does where the vectors do not go:
// a short-circuit load, a copy after a conversion.
#include <gtest/gtest.h>

#include <cmath>

#include "analyses/commands.h"
#include "support/fake_window.h"

namespace quadripolo {
namespace {

using test_support::FakeWindow;
using test_support::FullValue;
using test_support::fullValue;
using test_support::ShownText;

// Where the math library is glibc's, a full value is a fixed order of IEEE operations on glibc's
// cosine, sine, arctangent and power function, and is checked to the last digit. MinGW-w64's
// functions may differ in the last bit: measured under Wine 8.0 (GCC 12, MinGW-w64 10), every
// value here is the same but the one that shows the power function, 4 units in the last place
// away (MinGW-w64 squares as x·x does). A last-bit change in any one cosine, sine or arctangent
// moves a box of the worked example by at most 29 units in the last place (Re(Zout), through
// cancellation), and one in each of them at once by at most 54 (Im(I2)): so elsewhere a value
// may lie 2^-45 away, relatively (64 to 128 units in the last place).
#ifdef __GLIBC__
constexpr double kTolerance = 0;
#else
constexpr double kTolerance = 0x1p-45;
#endif

// Each box holds its full value (the display form that makes its text is tested on its own).
void expectFullValues(FakeWindow& window, std::span<const FullValue> boxes) {
    for (const auto& [box, value] : boxes) {
        const double expected = fullValue(value);
        EXPECT_NEAR(fullValue(window.formedFrom[box]), expected, kTolerance * std::abs(expected))
            << box;
    }
}

// The y fields after the copy: four digits, the point forced.
constexpr ShownText kCopiedY[] = {
    {"Text1", "13.87E-03"},  {"Text2", "30.85E-04"}, {"Text5", "-16.39E-05"},
    {"Text6", "-13.07E-04"}, {"Text3", "14.16E-03"}, {"Text4", "-13.14E-02"},
    {"Text7", "53.71E-05"},  {"Text8", "36.75E-04"},
};

// The five commands in a comma locale. The z analysis, pressed before any S analysis, shows the
// zeros of PL and Pin, then re-renders them as they stand (its lower block is in the vectors).
TEST(WorkedExample, EveryBoxHoldsItsFullValue) {
    NetworkState state;
    FakeWindow form1 = test_support::windowWith({}, test_support::kMainWindowDefaults, ",");
    form1::Command2_Click(state, form1);
    expectFullValues(form1, std::vector<FullValue>{{"Label32", "0"}, {"Label34", "0"}});
    form1::Command1_Click(state, form1);
    expectFullValues(form1, test_support::kSAnalysis);
    form1::Command2_Click(state, form1);
    expectFullValues(form1, test_support::kSAnalysis);

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

// A short-circuit load makes Zout = ZL·(V2open − V2)/V2 a product of 0 and rounding noise: there
// Zout is the open voltage over the short-circuit current, V2open/(−I2), the same impedance as the
// worked example's to 14 digits. The z analysis divides by ZL there (I2 = −V2/ZL) and stops.
TEST(ShortCircuitLoad, ZoutFromTheShortCircuitCurrentByS_DivisionByZeroByZ) {
    NetworkState state;
    FakeWindow form1 = test_support::windowWith({{{"Text12", "0"}, {"Text13", "0"}}});
    form1::Command1_Click(state, form1);
    expectFullValues(form1,
                     {{{"Label69", "62.41814345033429"}, {"Label70", "-131.9701180682061"}}});
    try {
        form1::Command2_Click(state, form1);
        ADD_FAILURE() << "no fault";
    } catch (const FloatingPointFault& fault) {
        EXPECT_EQ(fault.kind(), FaultKind::DivisionByZero);
        EXPECT_EQ(fault.quantity(), Quantity::I2ByZ);
    }
}

// Copied after a conversion, the y fields receive the normalised values, y·Ro: Re(y11) 0.04 with
// Ro 50 gives 2.
TEST(Copy, AfterAConversionTakesTheNormalisedY) {
    NetworkState state;
    FakeWindow form2 = test_support::yWindowWith();
    form2::Command1_Click(state, form2);
    form2::Command2_Click(state, form2);
    EXPECT_EQ(form2.text("Text1"), "20.00E-01");
}

}  // namespace
}  // namespace quadripolo
