// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>
#include <variant>

#include "floating_point_fault.h"
#include "network_state.h"

namespace quadripolo {

// How a field's value is stored. A reading that computes names the quantity it forms, so that
// its fault can say so.
struct AsTyped {};
struct DegreesToRadians {  // a phase, typed in degrees and held in radians
    Quantity quantity;
};
struct TimesRo {  // an admittance in siemens, held normalised: times the Ro of the same window
    Quantity quantity;
};
using Reading = std::variant<AsTyped, DegreesToRadians, TimesRo>;

// One input field: the control that holds it, the subject that completes its two messages, the
// record's member it feeds and how. The bad-value message has the same subject as the
// missing-value one unless the row says otherwise.
struct InputField {
    std::string_view control;
    std::string_view subject;
    CheckedDouble NetworkState::* target;
    Reading reading = AsTyped{};
    std::string_view badSubject = subject;
};

// The main window's fields in reading order: the S moduli and phases in the order S11, S12,
// S21, S22, then Ze, ZL, Ro and E.
inline constexpr InputField kMainWindowFields[] = {
    {"Text1", "del modulo di S11", &NetworkState::s11Mag},
    {"Text2", "della fase di S11 in gradi", &NetworkState::s11Phase,
     DegreesToRadians{Quantity::S11Phase}},
    {"Text5", "del modulo di S12", &NetworkState::s12Mag},
    {"Text6", "della fase di S12 in gradi", &NetworkState::s12Phase,
     DegreesToRadians{Quantity::S12Phase}},
    {"Text3", "del modulo di S21", &NetworkState::s21Mag},
    {"Text4", "della fase di S21 in gradi", &NetworkState::s21Phase,
     DegreesToRadians{Quantity::S21Phase}},
    {"Text7", "del modulo di S22", &NetworkState::s22Mag},
    {"Text8", "della fase di S22 in gradi", &NetworkState::s22Phase,
     DegreesToRadians{Quantity::S22Phase}},
    {"Text10", "della parte reale di Ze", &NetworkState::zeRe},
    {"Text11", "della parte immaginaria di Ze", &NetworkState::zeIm},
    {"Text12", "della parte reale di ZL", &NetworkState::zlRe},
    {"Text13", "della parte immaginaria di ZL", &NetworkState::zlIm},
    {"Text9", "di Ro=Zo impedenza di riferimento", &NetworkState::ro},
    {"Text14", "della tensione a vuoto in Volt efficaci E", &NetworkState::eRms},
};

// The equivalent-parameter window's fields in reading order: y11, y12, y21, y22 (real part
// first), then Ro. The missing-value messages of the imaginary parts are the window's own.
inline constexpr InputField kYWindowFields[] = {
    {"Text1", "della parte reale di y11", &NetworkState::y11Re, TimesRo{Quantity::Y11Re}},
    {"Text2", "della della parte immaginaria di y11", &NetworkState::y11Im,
     TimesRo{Quantity::Y11Im}, "della parte immaginaria di y11"},
    {"Text5", "della parte reale di y12", &NetworkState::y12Re, TimesRo{Quantity::Y12Re}},
    {"Text6", "della della parte immaginaria di y12", &NetworkState::y12Im,
     TimesRo{Quantity::Y12Im}, "della parte immaginaria di y12"},
    {"Text3", "della parte reale di y21", &NetworkState::y21Re, TimesRo{Quantity::Y21Re}},
    {"Text4", "della della parte immaginaria di y21", &NetworkState::y21Im,
     TimesRo{Quantity::Y21Im}, "della parte immaginaria di y21"},
    {"Text7", "della parte reale di y22", &NetworkState::y22Re, TimesRo{Quantity::Y22Re}},
    {"Text8", "della della parte immaginaria di y22", &NetworkState::y22Im,
     TimesRo{Quantity::Y22Im}, "della parte immaginaria di y22"},
    {"Text9", "di Ro=Zo impedenza di riferimento", &NetworkState::ro},
};

}  // namespace quadripolo
