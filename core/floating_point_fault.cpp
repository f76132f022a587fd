// SPDX-License-Identifier: MIT
#include "floating_point_fault.h"

namespace quadripolo {

namespace {
// There is one user-interface thread, and every computation runs on it.
std::optional<Quantity> nameOfTheStep;
}  // namespace

void forming(Quantity quantity) noexcept {
    nameOfTheStep = quantity;
}

NamingSteps::NamingSteps() noexcept {
    nameOfTheStep.reset();
}

NamingSteps::~NamingSteps() {
    nameOfTheStep.reset();
}

void raiseFault(FaultKind kind) {
    throw FloatingPointFault(kind, nameOfTheStep);
}

}  // namespace quadripolo
