// SPDX-License-Identifier: MIT
#pragma once

#include "core/network_state.h"

namespace quadripolo {

// The two-port driven by E behind Ze and closed on ZL, solved from the S parameters alone with
// waves normalised to Ro: V = √Ro·(a + b), I = (a − b)/√Ro into each port, RMS values, powers
// as differences of squared wave moduli.

// The output open (load reflection 1); its lasting result is V2open.
void solveOpenOutput(NetworkState& state);

// The load ZL: waves, powers, port voltages and currents, Zi, and Zout from the V2open that
// solveOpenOutput has just left.
void solveLoaded(NetworkState& state);

}  // namespace quadripolo
