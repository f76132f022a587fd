// SPDX-License-Identifier: MIT
#include "field_reading.h"

#include <string_view>

#include "numeric_text.h"

namespace quadripolo {

namespace {

constexpr std::string_view kMissingValuePrefix = "Hai dimenticato di scrivere il valore ";
constexpr std::string_view kBadValuePrefix = "Errore di inserimento dati per il valore ";
constexpr std::string_view kBadValueSuffix =
    ". Puoi scrivere soltanto numeri razionali con il punto come separatore decimale, anche in "
    "forma esponenziale. Ad es: 1.23 , 1E-5 , 5E3";

}  // namespace

void checkNumericText(NetworkState& state, Window& window, const std::string& text) {
    state.inputError = 0;
    if (text.empty()) {
        window.showMessage(state.missingValueMessage);
        state.inputError = 1;
        return;
    }
    // A value beyond the range of a double is refused like a character that no number has, so
    // that the conversion pass never meets it.
    if (!holdsOnlyNumericCharacters(text) || !convertNumericText(text).has_value()) {
        window.showMessage(state.badValueMessage);
        state.inputError = 1;
    }
}

bool readFields(NetworkState& state, Window& window, std::span<const InputField> fields) {
    for (const InputField& field : fields) {
        state.fieldText = window.text(field.control);
        state.missingValueMessage.assign(kMissingValuePrefix).append(field.subject);
        state.badValueMessage.assign(kBadValuePrefix)
            .append(field.badSubject)
            .append(kBadValueSuffix);
        checkNumericText(state, window, state.fieldText);
        if (state.inputError == 1) {
            return false;
        }
    }
    for (const bool admittances : {false, true}) {
        for (const InputField& field : fields) {
            if (field.storing.normalisedByRo == admittances) {
                // The check has refused every text that does not convert.
                field.storing.store(state, convertNumericText(window.text(field.control)).value(),
                                    ReadingKey());
            }
        }
    }
    return true;
}

}  // namespace quadripolo
