#pragma once

#include <exception>
#include <string>
#include <string_view>

namespace quadripolo {

// The three floating-point faults that end a computation.
enum class FaultKind {
    Overflow,          // a result beyond the largest double
    DivisionByZero,    // a divisor that is zero, or that underflowed to zero (0 / 0 included)
    InvalidOperation,  // a result that is no number, such as the square root of a negative value
};

// Raised by the step that faults; it travels up untouched to the place where a command was
// started from a click. `quantity` names the quantity being formed: the stem of its field in
// the shared record ("gammaIn", "ziByZ", "s11Phase", "convDen") or, for an intermediate
// without a field of its own, its symbol ("zn", "q", "r", "u", "sqrtRo").
class FloatingPointFault : public std::exception {
public:
    FloatingPointFault(FaultKind kind, std::string_view quantity);

    FaultKind kind() const noexcept { return kind_; }
    const std::string& quantity() const noexcept { return quantity_; }
    const char* what() const noexcept override { return what_.c_str(); }

private:
    FaultKind kind_;
    std::string quantity_;
    std::string what_;
};

std::string_view faultKindName(FaultKind kind) noexcept;

// Names the quantity that the following steps form. The name must outlive the computation
// (a string literal). There is one user-interface thread; the name is kept per thread anyway.
namespace detail {
inline constinit thread_local std::string_view currentQuantity;
}

inline void computing(std::string_view quantity) noexcept {
    detail::currentQuantity = quantity;
}
inline std::string_view quantityBeingComputed() noexcept {
    return detail::currentQuantity;
}

[[noreturn]] void raiseFault(FaultKind kind);

}  // namespace quadripolo
