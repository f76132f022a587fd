// SPDX-License-Identifier: MIT
#pragma once

#include "core/network_state.h"

namespace quadripolo {

// S parameters, as rectangular parts, moduli and phases in degrees between −90 and 270, from
// the normalised y parameters (y·Ro) held in the record.
void convertYToS(NetworkState& state);

}  // namespace quadripolo
