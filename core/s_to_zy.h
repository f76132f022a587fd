// SPDX-License-Identifier: MIT
#pragma once

#include "network_state.h"

namespace quadripolo {

// The equivalent z (ohms) and y (siemens) parameters of the S parameters held in the record,
// measured against the real resistance Ro, with the terminated two-port solved from z in
// between: S in rectangular form, z, the solution by z, y. Every value goes into the record.
void convertSToZY(NetworkState& state);

// The terminated two-port (E behind Ze, the two-port by its z parameters, ZL) solved from z:
// Zi, V1, V2, I2, PL, I1, Pin and Zout into the fields that end in ByZ.
void solveByZ(NetworkState& state);

}  // namespace quadripolo
