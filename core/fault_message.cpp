// SPDX-License-Identifier: MIT
// What the user reads when a floating-point fault ends a command.
#include "fault_message.h"

namespace quadripolo {

std::string_view faultWords(FaultKind kind) {
    switch (kind) {
        case FaultKind::Overflow:
            return "un risultato supera il massimo valore rappresentabile (overflow)";
        case FaultKind::DivisionByZero:
            return "divisione per zero";
        case FaultKind::InvalidOperation:
            return "operazione non valida (ad esempio la radice quadrata di un numero negativo)";
    }
    return {};
}

namespace {

struct QuantityWords {
    Quantity quantity;
    std::string_view words;
};

// What was being computed, one row a quantity in the order of the enum.
constexpr QuantityWords kQuantityWords[] = {
    {Quantity::S11Phase, "della fase di S11"},
    {Quantity::S12Phase, "della fase di S12"},
    {Quantity::S21Phase, "della fase di S21"},
    {Quantity::S22Phase, "della fase di S22"},
    {Quantity::Y11Re, "della parte reale di y11 moltiplicata per Ro"},
    {Quantity::Y11Im, "della parte immaginaria di y11 moltiplicata per Ro"},
    {Quantity::Y12Re, "della parte reale di y12 moltiplicata per Ro"},
    {Quantity::Y12Im, "della parte immaginaria di y12 moltiplicata per Ro"},
    {Quantity::Y21Re, "della parte reale di y21 moltiplicata per Ro"},
    {Quantity::Y21Im, "della parte immaginaria di y21 moltiplicata per Ro"},
    {Quantity::Y22Re, "della parte reale di y22 moltiplicata per Ro"},
    {Quantity::Y22Im, "della parte immaginaria di y22 moltiplicata per Ro"},
    {Quantity::S11, "di S11"},
    {Quantity::S12, "di S12"},
    {Quantity::S21, "di S21"},
    {Quantity::S22, "di S22"},
    {Quantity::S11Mag, "del modulo di S11"},
    {Quantity::S12Mag, "del modulo di S12"},
    {Quantity::S21Mag, "del modulo di S21"},
    {Quantity::S22Mag, "del modulo di S22"},
    {Quantity::ZDenLeft, "del prodotto (1 - S11)(1 - S22)"},
    {Quantity::S12S21, "del prodotto S12·S21"},
    {Quantity::ConvDen, "del denominatore comune della conversione"},
    {Quantity::Z11Num, "del numeratore di z11"},
    {Quantity::Z22Num, "del numeratore di z22"},
    {Quantity::Z11, "di z11"},
    {Quantity::Z12, "di z12"},
    {Quantity::Z21, "di z21"},
    {Quantity::Z22, "di z22"},
    {Quantity::S11S22, "del prodotto S11·S22"},
    {Quantity::DeltaS, "del determinante degli S"},
    {Quantity::YDen, "del denominatore dei parametri y"},
    {Quantity::Y11, "di y11"},
    {Quantity::Y12, "di y12"},
    {Quantity::Y21, "di y21"},
    {Quantity::Y22, "di y22"},
    {Quantity::Z12Z21, "del prodotto z12·z21"},
    {Quantity::ZiByZ, "di Zi con i parametri z"},
    {Quantity::V1ByZ, "di V1 con i parametri z"},
    {Quantity::V2ByZNum, "del numeratore di V2 con i parametri z"},
    {Quantity::V2ByZDen, "del denominatore di V2 con i parametri z"},
    {Quantity::V2ByZ, "di V2 con i parametri z"},
    {Quantity::I2ByZ, "di I2 con i parametri z"},
    {Quantity::PlByZ, "di PL con i parametri z"},
    {Quantity::I1ByZ, "di I1 con i parametri z"},
    {Quantity::PinByZ, "di Pin con i parametri z"},
    {Quantity::ZoutByZ, "di Zout con i parametri z"},
    {Quantity::GammaL, "del coefficiente di riflessione del carico"},
    {Quantity::S21GammaL, "del prodotto S21 per il coefficiente di riflessione del carico"},
    {Quantity::S22GammaL, "del prodotto S22 per il coefficiente di riflessione del carico"},
    {Quantity::A2OverA1, "del rapporto a2/a1"},
    {Quantity::S12A2OverA1, "del prodotto S12·a2/a1"},
    {Quantity::Zi, "di Zi (impedenza d'ingresso)"},
    {Quantity::GammaIn, "del coefficiente di riflessione d'ingresso"},
    {Quantity::V1, "di V1"},
    {Quantity::A1, "dell'onda a1"},
    {Quantity::A2, "dell'onda a2"},
    {Quantity::B1, "dell'onda b1"},
    {Quantity::B2, "dell'onda b2"},
    {Quantity::V2Open, "della tensione V2 a uscita aperta"},
    {Quantity::Pl, "di PL (potenza sul carico)"},
    {Quantity::Pin, "di Pin (potenza d'ingresso)"},
    {Quantity::V2, "di V2"},
    {Quantity::ZoutPerZl, "del rapporto Zout/ZL"},
    {Quantity::Zout, "di Zout (impedenza d'uscita)"},
    {Quantity::I1, "di I1"},
    {Quantity::I2, "di I2"},
    {Quantity::Y11Y22, "del prodotto y11·y22"},
    {Quantity::DeltaY, "del determinante degli y"},
};

constexpr bool oneRowEachInOrder() {
    std::size_t row = 0;
    for (const QuantityWords& entry : kQuantityWords) {
        if (static_cast<std::size_t>(entry.quantity) != row++) {
            return false;
        }
    }
    return row == static_cast<std::size_t>(Quantity::Count);
}
static_assert(oneRowEachInOrder(), "every quantity has one row of words, in the enum's order");

}  // namespace

std::string_view quantityWords(Quantity quantity) {
    return kQuantityWords[static_cast<std::size_t>(quantity)].words;
}

std::string faultMessage(const FloatingPointFault& fault) {
    std::string message("Calcolo interrotto: ");
    message.append(faultWords(fault.kind()));
    if (fault.quantity()) {
        message.append(" durante il calcolo ").append(quantityWords(*fault.quantity()));
    }
    return message.append(". Nessun risultato è stato scritto: controlla i dati inseriti.");
}

}  // namespace quadripolo
