#include "floating_point_fault.h"

namespace quadripolo {

FloatingPointFault::FloatingPointFault(FaultKind kind, std::string_view quantity)
    : kind_(kind), quantity_(quantity) {
    what_ = std::string(faultKindName(kind)) + " while computing " + quantity_;
}

std::string_view faultKindName(FaultKind kind) noexcept {
    switch (kind) {
        case FaultKind::Overflow:
            return "overflow";
        case FaultKind::DivisionByZero:
            return "division by zero";
        case FaultKind::InvalidOperation:
            return "invalid operation";
    }
    return "floating-point fault";
}

void raiseFault(FaultKind kind) {
    throw FloatingPointFault(kind, quantityBeingComputed());
}

}  // namespace quadripolo
