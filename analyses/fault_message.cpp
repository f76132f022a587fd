#include <utility>

#include "commands.h"

namespace quadripolo {

namespace {

// Each quantity that a fault can name, in plain Italian words.
constexpr std::pair<std::string_view, std::string_view> kQuantityWords[] = {
    {"s11Mag", "del modulo di S11"},
    {"s12Mag", "del modulo di S12"},
    {"s21Mag", "del modulo di S21"},
    {"s22Mag", "del modulo di S22"},
    {"s11Phase", "della fase di S11"},
    {"s12Phase", "della fase di S12"},
    {"s21Phase", "della fase di S21"},
    {"s22Phase", "della fase di S22"},
    {"s11", "di S11"},
    {"s12", "di S12"},
    {"s21", "di S21"},
    {"s22", "di S22"},
    {"zDenLeft", "del prodotto (1 - S11)(1 - S22)"},
    {"s12s21", "del prodotto S12·S21"},
    {"convDen", "del denominatore comune della conversione"},
    {"z11Num", "del numeratore di z11"},
    {"z22Num", "del numeratore di z22"},
    {"z11", "di z11"},
    {"z12", "di z12"},
    {"z21", "di z21"},
    {"z22", "di z22"},
    {"z12z21", "del prodotto z12·z21"},
    {"ziByZ", "di Zi con i parametri z"},
    {"v1ByZ", "di V1 con i parametri z"},
    {"v2ByZNum", "del numeratore di V2 con i parametri z"},
    {"v2ByZDen", "del denominatore di V2 con i parametri z"},
    {"v2ByZ", "di V2 con i parametri z"},
    {"i2ByZ", "di I2 con i parametri z"},
    {"plByZ", "di PL con i parametri z"},
    {"i1ByZ", "di I1 con i parametri z"},
    {"pinByZ", "di Pin con i parametri z"},
    {"zoutByZ", "di Zout con i parametri z"},
    {"s11s22", "del prodotto S11·S22"},
    {"deltaS", "del determinante degli S"},
    {"yDen", "del denominatore dei parametri y"},
    {"y11", "di y11"},
    {"y12", "di y12"},
    {"y21", "di y21"},
    {"y22", "di y22"},
    {"y11Re", "della parte reale di y11 moltiplicata per Ro"},
    {"y11Im", "della parte immaginaria di y11 moltiplicata per Ro"},
    {"y12Re", "della parte reale di y12 moltiplicata per Ro"},
    {"y12Im", "della parte immaginaria di y12 moltiplicata per Ro"},
    {"y21Re", "della parte reale di y21 moltiplicata per Ro"},
    {"y21Im", "della parte immaginaria di y21 moltiplicata per Ro"},
    {"y22Re", "della parte reale di y22 moltiplicata per Ro"},
    {"y22Im", "della parte immaginaria di y22 moltiplicata per Ro"},
    {"y11y22", "del prodotto y11·y22"},
    {"deltaY", "del determinante degli y"},
    {"a2OverA1", "del rapporto a2/a1"},
    {"s12A2OverA1", "del prodotto S12·a2/a1"},
    {"zi", "di Zi (impedenza d'ingresso)"},
    {"gammaIn", "del coefficiente di riflessione d'ingresso"},
    {"v1", "di V1"},
    {"a1", "dell'onda a1"},
    {"a2", "dell'onda a2"},
    {"b1", "dell'onda b1"},
    {"b2", "dell'onda b2"},
    {"v2Open", "della tensione V2 a uscita aperta"},
    {"gammaL", "del coefficiente di riflessione del carico"},
    {"s21GammaL", "del prodotto S21 per il coefficiente di riflessione del carico"},
    {"s22GammaL", "del prodotto S22 per il coefficiente di riflessione del carico"},
    {"pl", "di PL (potenza sul carico)"},
    {"pin", "di Pin (potenza d'ingresso)"},
    {"v2", "di V2"},
    {"zoutPerZl", "del rapporto Zout/ZL"},
    {"zout", "di Zout (impedenza d'uscita)"},
    {"i1", "di I1"},
    {"i2", "di I2"},
};

std::string_view quantityWords(std::string_view quantity) {
    for (const auto& [name, words] : kQuantityWords) {
        if (name == quantity) {
            return words;
        }
    }
    return "di un valore intermedio";
}

std::string_view faultWords(FaultKind kind) {
    switch (kind) {
        case FaultKind::Overflow:
            return "un risultato supera il massimo valore rappresentabile (overflow)";
        case FaultKind::DivisionByZero:
            return "divisione per zero";
        case FaultKind::InvalidOperation:
            return "operazione non valida (ad esempio la radice quadrata di un numero negativo)";
    }
    return "errore di calcolo";
}

}  // namespace

std::string faultMessage(const FloatingPointFault& fault) {
    return std::string("Calcolo interrotto: ")
        .append(faultWords(fault.kind()))
        .append(" durante il calcolo ")
        .append(quantityWords(fault.quantity()))
        .append(". Nessun risultato è stato scritto: controlla i dati inseriti.");
}

void runCommand(MessageSink& messages, const std::function<void()>& command) {
    try {
        command();
    } catch (const FloatingPointFault& fault) {
        messages.showMessage(faultMessage(fault));
    }
}

}  // namespace quadripolo
