#include "floating_point_fault.h"

namespace quadripolo {

namespace {
thread_local std::string_view currentQuantity;
}

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

void computing(std::string_view quantity) noexcept { currentQuantity = quantity; }

std::string_view quantityBeingComputed() noexcept { return currentQuantity; }

void raiseFault(FaultKind kind) { throw FloatingPointFault(kind, currentQuantity); }

}  // namespace quadripolo
