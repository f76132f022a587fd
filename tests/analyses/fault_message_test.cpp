#include <gtest/gtest.h>

#include "commands.h"

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
        MessageCase{FaultKind::DivisionByZero, "gammaIn",
                    "Calcolo interrotto: divisione per zero durante il calcolo del coefficiente "
                    "di riflessione d'ingresso. Nessun risultato è stato scritto: controlla i "
                    "dati inseriti."},
        MessageCase{FaultKind::Overflow, "s12Phase",
                    "Calcolo interrotto: un risultato supera il massimo valore rappresentabile "
                    "(overflow) durante il calcolo della fase di S12. Nessun risultato è stato "
                    "scritto: controlla i dati inseriti."},
        MessageCase{FaultKind::InvalidOperation, "a1",
                    "Calcolo interrotto: operazione non valida (ad esempio la radice quadrata di "
                    "un numero negativo) durante il calcolo dell'onda a1. Nessun risultato è "
                    "stato scritto: controlla i dati inseriti."},
        MessageCase{FaultKind::DivisionByZero, "i1ByZ",
                    "Calcolo interrotto: divisione per zero durante il calcolo di I1 con i "
                    "parametri z. Nessun risultato è stato scritto: controlla i dati inseriti."},
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
