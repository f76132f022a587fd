// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "complex_arithmetic.h"
#include "network_state.h"

namespace quadripolo {

// How a field's typed value is stored into its member of the record, by the reading of the
// fields, which alone holds the key. Reading a phase or an admittance computes, and a fault there
// is named by the member's type as it is read.
struct Storing {
    void (*store)(NetworkState& state, double typed, ReadingKey key);
    bool normalisedByRo;  // stored after the Ro of the same window
};

// As typed: a typed value, or a computed field's starting value.
inline void storeTyped(TypedValue& target, double typed, ReadingKey key) {
    formReading(target, typed, key);
}
template <Quantity Q, Quantity R>
void storeTyped(Field<Q, R>& target, double typed, ReadingKey key) {
    formReading(target, Interim(typed, key), key);
}
template <auto member>
inline constexpr Storing asTyped{[](NetworkState& state, double typed, ReadingKey key) {
                                     storeTyped(state.*member, typed, key);
                                 },
                                 false};
// A phase, typed in degrees and held in radians.
template <auto member>
inline constexpr Storing inDegrees{[](NetworkState& state, double typed, ReadingKey key) {
                                       formReading(state.*member,
                                                   degreesToRadians(Interim(typed, key)), key);
                                   },
                                   false};
// An admittance in siemens, held normalised: times the Ro of the same window.
template <auto member>
inline constexpr Storing timesRo{[](NetworkState& state, double typed, ReadingKey key) {
                                     formReading(state.*member, Interim(typed, key) * state.ro,
                                                 key);
                                 },
                                 true};

// One input field: the control that holds it, the subject that completes its two messages, how
// it is stored. The bad-value message has the same subject as the missing-value one unless the
// row says otherwise.
struct InputField {
    std::string_view control;
    std::string_view subject;
    Storing storing;
    std::string_view badSubject = subject;
};

// The main window's fields in reading order: the S moduli and phases in the order S11, S12,
// S21, S22, then Ze, ZL, Ro and E.
inline constexpr InputField kMainWindowFields[] = {
    {"Text1", "del modulo di S11", asTyped<&NetworkState::s11Mag>},
    {"Text2", "della fase di S11 in gradi", inDegrees<&NetworkState::s11Phase>},
    {"Text5", "del modulo di S12", asTyped<&NetworkState::s12Mag>},
    {"Text6", "della fase di S12 in gradi", inDegrees<&NetworkState::s12Phase>},
    {"Text3", "del modulo di S21", asTyped<&NetworkState::s21Mag>},
    {"Text4", "della fase di S21 in gradi", inDegrees<&NetworkState::s21Phase>},
    {"Text7", "del modulo di S22", asTyped<&NetworkState::s22Mag>},
    {"Text8", "della fase di S22 in gradi", inDegrees<&NetworkState::s22Phase>},
    {"Text10", "della parte reale di Ze", asTyped<&NetworkState::zeRe>},
    {"Text11", "della parte immaginaria di Ze", asTyped<&NetworkState::zeIm>},
    {"Text12", "della parte reale di ZL", asTyped<&NetworkState::zlRe>},
    {"Text13", "della parte immaginaria di ZL", asTyped<&NetworkState::zlIm>},
    {"Text9", "di Ro=Zo impedenza di riferimento", asTyped<&NetworkState::ro>},
    {"Text14", "della tensione a vuoto in Volt efficaci E", asTyped<&NetworkState::eRms>},
};

// The equivalent-parameter window's fields in reading order: y11, y12, y21, y22 (real part
// first), then Ro. The missing-value messages of the imaginary parts are the window's own.
inline constexpr InputField kYWindowFields[] = {
    {"Text1", "della parte reale di y11", timesRo<&NetworkState::y11Re>},
    {"Text2", "della della parte immaginaria di y11", timesRo<&NetworkState::y11Im>,
     "della parte immaginaria di y11"},
    {"Text5", "della parte reale di y12", timesRo<&NetworkState::y12Re>},
    {"Text6", "della della parte immaginaria di y12", timesRo<&NetworkState::y12Im>,
     "della parte immaginaria di y12"},
    {"Text3", "della parte reale di y21", timesRo<&NetworkState::y21Re>},
    {"Text4", "della della parte immaginaria di y21", timesRo<&NetworkState::y21Im>,
     "della parte immaginaria di y21"},
    {"Text7", "della parte reale di y22", timesRo<&NetworkState::y22Re>},
    {"Text8", "della della parte immaginaria di y22", timesRo<&NetworkState::y22Im>,
     "della parte immaginaria di y22"},
    {"Text9", "di Ro=Zo impedenza di riferimento", asTyped<&NetworkState::ro>},
};

}  // namespace quadripolo
