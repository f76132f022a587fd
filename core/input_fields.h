#pragma once

#include <array>
#include <string>
#include <string_view>

namespace quadripolo {

// Where the reading sequence gets a field's text: exactly as the user left it.
class FieldSource {
public:
    virtual ~FieldSource() = default;
    virtual std::string fieldText(std::string_view control) const = 0;
};

// Shows one modal message and returns when the user has dismissed it.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void showMessage(std::string_view message) = 0;
};

// One input field: the control that holds it and the subjects of its two messages.
struct InputField {
    std::string_view control;
    std::string_view missingSubject;  // completes "Hai dimenticato di scrivere il valore "
    std::string_view badSubject;      // completes "Errore di inserimento dati per il valore "
};

// A field's two messages: the prefix, the field's subject and, for a bad value, the suffix.
inline constexpr std::string_view kMissingValuePrefix = "Hai dimenticato di scrivere il valore ";
inline constexpr std::string_view kBadValuePrefix = "Errore di inserimento dati per il valore ";
inline constexpr std::string_view kBadValueSuffix =
    ". Puoi scrivere soltanto numeri razionali con il punto come separatore decimale, anche in "
    "forma esponenziale. Ad es: 1.23 , 1E-5 , 5E3";

// The main window's fields in reading order: the S moduli and phases in the order S11, S12,
// S21, S22, then Ze, ZL, Ro and E.
inline constexpr std::array<InputField, 14> kMainWindowFields{{
    {"Text1", "del modulo di S11", "del modulo di S11"},
    {"Text2", "della fase di S11 in gradi", "della fase di S11 in gradi"},
    {"Text5", "del modulo di S12", "del modulo di S12"},
    {"Text6", "della fase di S12 in gradi", "della fase di S12 in gradi"},
    {"Text3", "del modulo di S21", "del modulo di S21"},
    {"Text4", "della fase di S21 in gradi", "della fase di S21 in gradi"},
    {"Text7", "del modulo di S22", "del modulo di S22"},
    {"Text8", "della fase di S22 in gradi", "della fase di S22 in gradi"},
    {"Text10", "della parte reale di Ze", "della parte reale di Ze"},
    {"Text11", "della parte immaginaria di Ze", "della parte immaginaria di Ze"},
    {"Text12", "della parte reale di ZL", "della parte reale di ZL"},
    {"Text13", "della parte immaginaria di ZL", "della parte immaginaria di ZL"},
    {"Text9", "di Ro=Zo impedenza di riferimento", "di Ro=Zo impedenza di riferimento"},
    {"Text14", "della tensione a vuoto in Volt efficaci E",
     "della tensione a vuoto in Volt efficaci E"},
}};

// The equivalent-parameter window's fields in reading order: y11, y12, y21, y22 (real part
// first), then Ro. The missing-value texts of the imaginary parts are the window's own.
inline constexpr std::array<InputField, 9> kYFields{{
    {"Text1", "della parte reale di y11", "della parte reale di y11"},
    {"Text2", "della della parte immaginaria di y11", "della parte immaginaria di y11"},
    {"Text5", "della parte reale di y12", "della parte reale di y12"},
    {"Text6", "della della parte immaginaria di y12", "della parte immaginaria di y12"},
    {"Text3", "della parte reale di y21", "della parte reale di y21"},
    {"Text4", "della della parte immaginaria di y21", "della parte immaginaria di y21"},
    {"Text7", "della parte reale di y22", "della parte reale di y22"},
    {"Text8", "della della parte immaginaria di y22", "della parte immaginaria di y22"},
    {"Text9", "di Ro=Zo impedenza di riferimento", "di Ro=Zo impedenza di riferimento"},
}};

}  // namespace quadripolo
