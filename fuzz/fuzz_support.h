#pragma once

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "numeric_text.h"

namespace quadripolo::fuzzing {

// Splits the fuzzer's bytes into `count` texts at each newline; missing texts are empty.
inline std::vector<std::string> splitTexts(const std::uint8_t* data, std::size_t size,
                                           std::size_t count) {
    std::vector<std::string> texts(count);
    std::size_t index = 0;
    for (std::size_t i = 0; i < size && index < count; ++i) {
        if (data[i] == '\n') {
            ++index;
        } else {
            texts[index].push_back(static_cast<char>(data[i]));
        }
    }
    return texts;
}

[[noreturn]] inline void fail(const char* what) {
    std::fputs(what, stderr);
    std::fputc('\n', stderr);
    std::abort();
}

inline bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// A message is a field's message or the message of an arithmetic fault, nothing else.
inline void expectKnownMessage(std::string_view message) {
    if (!startsWith(message, "Hai dimenticato di scrivere il valore ") &&
        !startsWith(message, "Errore di inserimento dati per il valore ") &&
        !startsWith(message, "Calcolo interrotto: ")) {
        fail("unknown message");
    }
}

// A shown result is finite, and its text passes the field check and reads back as the value
// rounded to four digits. Only a value within half a unit of the fourth digit of the largest
// double shows a text beyond the doubles ("17.98E+307"), which the check then refuses.
inline void expectDisplayable(double value, const std::string& text) {
    if (!std::isfinite(value)) {
        fail("a result that is no finite number");
    }
    if (!holdsOnlyNumericCharacters(text)) {
        fail("a result text the field check refuses");
    }
    const auto back = convertNumericText(text);
    if (!back) {
        if (std::abs(value) < 1.7976e308) {
            fail("a result text beyond the doubles");
        }
        return;
    }
    const double tolerance = 0.000501 * std::abs(value) + 5e-324;
    if (std::abs(*back - value) > tolerance && std::isfinite(*back - value)) {
        fail("a result text that does not read back as its value");
    }
}

}  // namespace quadripolo::fuzzing
