// SPDX-License-Identifier: MIT
// The floating-point faults: the inputs a user can type that end a command, each way a step gets
// its name and each kind of fault, and what the words of a fault say.
#include <gtest/gtest.h>

#include <set>

#include "analyses/commands.h"
#include "core/fault_message.h"
#include "support/fake_window.h"

namespace quadripolo {

namespace {

using test_support::FakeWindow;
using test_support::ShownText;
using enum FaultKind;
using enum Quantity;

using Command = void (*)(NetworkState&, Window&);
constexpr Command kS = form1::Command1_Click;
constexpr Command kZ = form1::Command2_Click;
constexpr Command kZY = form1::Command3_Click;
constexpr Command kYS = form2::Command1_Click;

// clang-format off
const struct FaultingInput {
    const char* name;
    Command command;
    std::vector<ShownText> texts;  // changed from the window's defaults (fake_window.h)
    FaultKind kind;
    Quantity quantity;
} kFaultingInputs[] = {
    // What the user can type: a complex step divides by zero or takes a negative square root.
    {"E = 0", kS, {{"Text14", "0"}}, DivisionByZero, ZoutPerZl},
    {"Ro = 0", kS, {{"Text9", "0"}}, DivisionByZero, GammaIn},
    {"Ro = 0 by z", kZ, {{"Text9", "0"}}, DivisionByZero, I1ByZ},
    {"Ro < 0", kS, {{"Text9", "-1"}}, InvalidOperation, A1},
    {"ZL = -Ro", kS, {{"Text12", "-50"}, {"Text13", "0"}}, DivisionByZero, GammaL},
    {"a short circuit by z", kZ, {{"Text12", "0"}, {"Text13", "0"}}, DivisionByZero, I2ByZ},
    {"S22 = 1, output open", kS, {{"Text7", "1"}, {"Text8", "0"}}, DivisionByZero, A2OverA1},
    {"y11 = -1/Ro", kYS, {{"Text1", "-0.02"}}, DivisionByZero, S11},
    // Huge magnitudes, one for each way a field is formed besides a complex operation.
    {"a huge S11: complex operation", kZ, {{"Text1", "1e155"}}, Overflow, Z11},
    {"a huge E: scalar value", kS, {{"Text14", "1e154"}}, Overflow, Pl},
    {"a huge phase: reading a field", kS, {{"Text2", "1e308"}}, Overflow, S11Phase},
    {"a huge y times Ro: reading a field", kYS, {{"Text6", "1e308"}}, Overflow, Y12Im},
    {"a huge S11: y formed from S", kZY, {{"Text1", "1e154"}}, Overflow, Y11},
    {"y11·y22 - y12·y21: finishing statement", kYS, {{"Text9", "1"}, {"Text1", "1.3e154"},
     {"Text7", "1.3e154"}, {"Text5", "1.3e154"}, {"Text3", "-1.3e154"}}, Overflow, DeltaY},
};
// clang-format on

// Each faulting input ends its command at its step with its kind and name, which the message
// says, each kind in words of its own: no box written and no window opened. The finishing
// statement faults after its product is formed, which stays.
TEST(Faults, EndTheCommandAtTheNamedStepWithNothingWritten) {
    std::set<std::string_view> kindWords;
    for (const FaultingInput& row : kFaultingInputs) {
        NetworkState state;
        FakeWindow window = row.command == kYS ? test_support::yWindowWith(row.texts)
                                               : test_support::windowWith(row.texts);
        std::optional<FloatingPointFault> fault;
        try {
            row.command(state, window);
        } catch (const FloatingPointFault& raised) {
            fault = raised;
        }
        ASSERT_TRUE(fault.has_value()) << row.name;
        EXPECT_EQ(fault->kind(), row.kind) << row.name;
        EXPECT_EQ(fault->quantity(), row.quantity) << row.name;
        const std::string message = faultMessage(*fault);
        EXPECT_NE(message.find(faultWords(row.kind)), std::string::npos) << message;
        EXPECT_NE(message.find(quantityWords(row.quantity)), std::string::npos) << message;
        kindWords.insert(faultWords(row.kind));
        EXPECT_TRUE(window.formedFrom.empty()) << row.name;
        EXPECT_EQ(window.equivalent, nullptr) << row.name;
        if (row.quantity == DeltaY) {
            EXPECT_LT(double(state.workResultRe), -1e308);  // the product, stored and finite
        }
    }
    EXPECT_EQ(kindWords.size(), 3U);
}

}  // namespace
}  // namespace quadripolo
