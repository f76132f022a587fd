// SPDX-License-Identifier: MIT
// What the user reads when a floating-point fault ends a command.
#include "fault_message.h"

#include <string_view>

namespace quadripolo {
namespace {

// The Italian words for each fault kind and each quantity: exhaustive switches, built with
// -Werror=switch, so that a kind or a quantity without words does not build.
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

std::string_view quantityWords(Quantity quantity) {
    switch (quantity) {
        case Quantity::S11Phase:
            return "della fase di S11";
        case Quantity::S12Phase:
            return "della fase di S12";
        case Quantity::S21Phase:
            return "della fase di S21";
        case Quantity::S22Phase:
            return "della fase di S22";
        case Quantity::Y11Re:
            return "della parte reale di y11 moltiplicata per Ro";
        case Quantity::Y11Im:
            return "della parte immaginaria di y11 moltiplicata per Ro";
        case Quantity::Y12Re:
            return "della parte reale di y12 moltiplicata per Ro";
        case Quantity::Y12Im:
            return "della parte immaginaria di y12 moltiplicata per Ro";
        case Quantity::Y21Re:
            return "della parte reale di y21 moltiplicata per Ro";
        case Quantity::Y21Im:
            return "della parte immaginaria di y21 moltiplicata per Ro";
        case Quantity::Y22Re:
            return "della parte reale di y22 moltiplicata per Ro";
        case Quantity::Y22Im:
            return "della parte immaginaria di y22 moltiplicata per Ro";
        case Quantity::S11:
            return "di S11";
        case Quantity::S12:
            return "di S12";
        case Quantity::S21:
            return "di S21";
        case Quantity::S22:
            return "di S22";
        case Quantity::S11Mag:
            return "del modulo di S11";
        case Quantity::S12Mag:
            return "del modulo di S12";
        case Quantity::S21Mag:
            return "del modulo di S21";
        case Quantity::S22Mag:
            return "del modulo di S22";
        case Quantity::ZDenLeft:
            return "del prodotto (1 - S11)(1 - S22)";
        case Quantity::S12S21:
            return "del prodotto S12·S21";
        case Quantity::ConvDen:
            return "del denominatore comune della conversione";
        case Quantity::Z11Num:
            return "del numeratore di z11";
        case Quantity::Z22Num:
            return "del numeratore di z22";
        case Quantity::Z11:
            return "di z11";
        case Quantity::Z12:
            return "di z12";
        case Quantity::Z21:
            return "di z21";
        case Quantity::Z22:
            return "di z22";
        case Quantity::S11S22:
            return "del prodotto S11·S22";
        case Quantity::DeltaS:
            return "del determinante degli S";
        case Quantity::YDen:
            return "del denominatore dei parametri y";
        case Quantity::Y11:
            return "di y11";
        case Quantity::Y12:
            return "di y12";
        case Quantity::Y21:
            return "di y21";
        case Quantity::Y22:
            return "di y22";
        case Quantity::Z12Z21:
            return "del prodotto z12·z21";
        case Quantity::ZiByZ:
            return "di Zi con i parametri z";
        case Quantity::V1ByZ:
            return "di V1 con i parametri z";
        case Quantity::V2ByZNum:
            return "del numeratore di V2 con i parametri z";
        case Quantity::V2ByZDen:
            return "del denominatore di V2 con i parametri z";
        case Quantity::V2ByZ:
            return "di V2 con i parametri z";
        case Quantity::I2ByZ:
            return "di I2 con i parametri z";
        case Quantity::PlByZ:
            return "di PL con i parametri z";
        case Quantity::I1ByZ:
            return "di I1 con i parametri z";
        case Quantity::PinByZ:
            return "di Pin con i parametri z";
        case Quantity::ZoutByZ:
            return "di Zout con i parametri z";
        case Quantity::GammaL:
            return "del coefficiente di riflessione del carico";
        case Quantity::S21GammaL:
            return "del prodotto S21 per il coefficiente di riflessione del carico";
        case Quantity::S22GammaL:
            return "del prodotto S22 per il coefficiente di riflessione del carico";
        case Quantity::A2OverA1:
            return "del rapporto a2/a1";
        case Quantity::S12A2OverA1:
            return "del prodotto S12·a2/a1";
        case Quantity::Zi:
            return "di Zi (impedenza d'ingresso)";
        case Quantity::GammaIn:
            return "del coefficiente di riflessione d'ingresso";
        case Quantity::V1:
            return "di V1";
        case Quantity::A1:
            return "dell'onda a1";
        case Quantity::A2:
            return "dell'onda a2";
        case Quantity::B1:
            return "dell'onda b1";
        case Quantity::B2:
            return "dell'onda b2";
        case Quantity::V2Open:
            return "della tensione V2 a uscita aperta";
        case Quantity::Pl:
            return "di PL (potenza sul carico)";
        case Quantity::Pin:
            return "di Pin (potenza d'ingresso)";
        case Quantity::V2:
            return "di V2";
        case Quantity::ZoutPerZl:
            return "del rapporto Zout/ZL";
        case Quantity::Zout:
            return "di Zout (impedenza d'uscita)";
        case Quantity::I1:
            return "di I1";
        case Quantity::I2:
            return "di I2";
        case Quantity::Y11Y22:
            return "del prodotto y11·y22";
        case Quantity::DeltaY:
            return "del determinante degli y";
    }
    return {};
}

}  // namespace

std::string faultMessage(const FloatingPointFault& fault) {
    std::string message("Calcolo interrotto: ");
    message.append(faultWords(fault.kind()))
        .append(" durante il calcolo ")
        .append(quantityWords(fault.quantity()));
    return message.append(". Nessun risultato è stato scritto: controlla i dati inseriti.");
}

}  // namespace quadripolo
