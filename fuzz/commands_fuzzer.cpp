// Any texts through the five commands: fourteen for the main window's fields, then nine for the
// equivalent-parameter window's, one per line. Nothing may crash, every message is a field's or
// a fault's, and every shown text has the number pattern and passes the field check.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "commands.h"
#include "input_fields.h"
#include "numeric_text.h"
#include "support/fake_window.h"

namespace {

using quadripolo::NetworkState;
using quadripolo::testing::FakeWindow;

void expect(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "%s\n", what);
        std::abort();
    }
}

// "-DD.DDE+XX" with the window's separator, two or three exponent digits; a forced point where
// the command forces it.
bool hasTheNumberPattern(const std::string& text, const std::string& separator) {
    const std::size_t sign = text.starts_with('-') ? 1 : 0;
    const std::string body = text.substr(sign);
    return (body.size() == 8 + separator.size() || body.size() == 9 + separator.size()) &&
           body.substr(2, separator.size()) == separator && body[4 + separator.size()] == 'E';
}

void runAll(NetworkState& state, FakeWindow& window, auto... commands) {
    for (auto command : {commands...}) {
        try {
            command(state, window);
        } catch (const quadripolo::FloatingPointFault& fault) {
            expect(fault.quantity().has_value(), "a fault that names no quantity");
        }
    }
}

void expectWellShown(const FakeWindow& window, bool pointForced) {
    for (const auto& [control, text] : window.texts) {
        if (control.starts_with("Label")) {
            expect(hasTheNumberPattern(text, pointForced ? "." : window.separator),
                   "a result without the number pattern");
            if (pointForced) {
                expect(quadripolo::holdsOnlyNumericCharacters(text), "a result the check refuses");
            }
        }
    }
    for (const std::string& message : window.messages) {
        expect(message.starts_with("Hai dimenticato di scrivere il valore ") ||
                   message.starts_with("Errore di inserimento dati per il valore "),
               "a message that no field gives");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> texts(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == '\n') {
            texts.emplace_back();
        } else {
            texts.back().push_back(static_cast<char>(data[i]));
        }
    }
    texts.resize(quadripolo::kMainWindowFields.size() + quadripolo::kYWindowFields.size());
    NetworkState state;
    FakeWindow form1;
    form1.separator = ",";
    std::size_t next = 0;
    for (const auto& field : quadripolo::kMainWindowFields) {
        form1.texts[std::string(field.control)] = texts[next++];
    }
    namespace f1 = quadripolo::form1;
    runAll(state, form1, f1::Command1_Click, f1::Command2_Click, f1::Command3_Click);
    expectWellShown(form1, true);
    FakeWindow& form2 = static_cast<FakeWindow&>(form1.loadAndShowEquivalentWindow());
    for (const auto& field : quadripolo::kYWindowFields) {
        form2.texts[std::string(field.control)] = texts[next++];
    }
    namespace f2 = quadripolo::form2;
    runAll(state, form2, f2::Command1_Click, f2::Command2_Click, f2::Command1_Click);
    expectWellShown(form2, false);
    return 0;
}
