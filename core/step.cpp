// SPDX-License-Identifier: MIT
#include "step.h"

namespace quadripolo {

namespace {
// The quantity of the innermost step alive. There is one user-interface thread, and every
// computation runs on it.
std::optional<Quantity> stepBeingFormed;
}  // namespace

Step::Step(Quantity quantity) noexcept : outer_(stepBeingFormed) {
    stepBeingFormed = quantity;
}

Step::~Step() {
    stepBeingFormed = outer_;
}

void raiseFault(FaultKind kind) {
    throw FloatingPointFault(kind, stepBeingFormed);
}

}  // namespace quadripolo
