#include <gtest/gtest.h>

#include "commands.h"
#include "support/worked_example.h"

namespace quadripolo {
namespace {

struct MessageCase {
    FaultKind kind;
    const char* quantity;
    const char* message;

    friend void PrintTo(const MessageCase& c, std::ostream* out) { *out << c.quantity; }
};

class FaultMessageTest : public ::testing::TestWithParam<MessageCase> {};

TEST_P(FaultMessageTest, SaysWhichFaultAndWhereInItalian) {
    const FloatingPointFault fault(GetParam().kind, GetParam().quantity);
    EXPECT_EQ(faultMessage(fault), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, FaultMessageTest,
    ::testing::Values(
        MessageCase{FaultKind::DivisionByZero, "gammaIn", testing::kFaultGammaIn},
        MessageCase{FaultKind::Overflow, "s12Phase",
                    "Calcolo interrotto: un risultato supera il massimo valore rappresentabile "
                    "(overflow) durante il calcolo della fase di S12. Nessun risultato è stato "
                    "scritto: controlla i dati inseriti."},
        MessageCase{FaultKind::InvalidOperation, "a1", testing::kFaultA1},
        MessageCase{FaultKind::DivisionByZero, "i1ByZ", testing::kFaultI1ByZ},
        MessageCase{FaultKind::DivisionByZero, "noSuchQuantity",
                    "Calcolo interrotto: divisione per zero durante il calcolo di un valore "
                    "intermedio. Nessun risultato è stato scritto: controlla i dati inseriti."}));

TEST(RunCommand, TurnsAFaultIntoOneMessageAndGoesOn) {
    struct Sink : MessageSink {
        std::vector<std::string> shown;
        void showMessage(std::string_view message) override { shown.emplace_back(message); }
    } sink;
    runCommand(sink, [] {
        computing("zout");
        raiseFault(FaultKind::Overflow);
    });
    ASSERT_EQ(sink.shown.size(), 1U);
    EXPECT_NE(sink.shown[0].find("di Zout (impedenza d'uscita)"), std::string::npos);
    runCommand(sink, [] {});
    EXPECT_EQ(sink.shown.size(), 1U);
}

}  // namespace
}  // namespace quadripolo
