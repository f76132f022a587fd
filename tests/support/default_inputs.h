#pragma once

#include "complex_arithmetic.h"
#include "network_state.h"

namespace quadripolo::testing {

// The main window's default inputs, as its reading stores them (phases in radians).
inline NetworkState defaultInputs() {
    NetworkState state;
    state.s11Mag = 0.06;
    state.s11Phase = degreesToRadians(-146.3);
    state.s12Mag = 0.06;
    state.s12Phase = degreesToRadians(70.7);
    state.s21Mag = 6.02;
    state.s21Phase = degreesToRadians(84.0);
    state.s22Mag = 0.57;
    state.s22Phase = degreesToRadians(-19.2);
    state.zeRe = 10.0;
    state.zeIm = 20.0;
    state.zlRe = 100.0;
    state.zlIm = 200.0;
    state.ro = 50.0;
    state.eRms = 1.0;
    return state;
}

}  // namespace quadripolo::testing
