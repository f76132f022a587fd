// SPDX-License-Identifier: MIT
#pragma once

#include <concepts>

#include "field.h"
#include "network_state.h"

namespace quadripolo {

// A complex value on its way into a pair of fields, real part then imaginary part.
struct ComplexInterim {
    Interim re;
    Interim im;
};

enum class ComplexRoutine {
    // (p + jq) · (r + js): re = p·r − q·s is stored before im = p·s + q·r is formed.
    Product,
    // (p + jq) / (r + js), formed as written, without rescaling: re = (p·r + q·s) / (r² + s²) is
    // stored before im = (q·r − p·s) / (r² + s²), the divisor formed again. r² + s² may overflow
    // or underflow where the quotient itself would be representable, and then the step faults.
    Quotient,
};

// The result of a routine as it stands.
struct AsFormed {
    ComplexInterim operator()(Interim re, Interim im) const { return {re, im}; }
};

// One complex product or quotient through the record's work operands, written in the order in
// which it is formed: the first operand is stored into workARe, workAIm, the second into workBRe,
// workBIm, the routine leaves workResultRe, workResultIm, and `finish` forms from them what the
// target pair receives. Nothing is formed until form() stores it into its pair of fields, whose
// quantity names every fault on the way; what was stored before a fault stays.
//
//     form(state, state.gammaInRe, state.gammaInIm,
//          quotient({state.ziRe - state.ro, state.ziIm}, {state.ziRe + state.ro, state.ziIm}));
template <class Finish = AsFormed>
struct [[nodiscard]] ComplexOperation {
    ComplexRoutine routine;
    ComplexInterim first;
    ComplexInterim second;
    Finish finish;

    // The statements that complete the quantity from the routine's real and imaginary parts:
    // finish(re, im) gives the pair to store. An operation is finished once.
    template <class Then>
    ComplexOperation<Then> then(Then statements) const
        requires std::same_as<Finish, AsFormed>
    {
        return {routine, first, second, statements};
    }
    // factor × the real part, then factor × the imaginary part.
    auto times(Interim factor) const
        requires std::same_as<Finish, AsFormed>
    {
        return then(
            [factor](Interim re, Interim im) { return ComplexInterim{factor * re, factor * im}; });
    }
    // The real part / divisor, then the imaginary part / divisor.
    auto over(Interim divisor) const
        requires std::same_as<Finish, AsFormed>
    {
        return then([divisor](Interim re, Interim im) {
            return ComplexInterim{re / divisor, im / divisor};
        });
    }
};

inline ComplexOperation<> product(ComplexInterim first, ComplexInterim second) {
    return {ComplexRoutine::Product, first, second, {}};
}
inline ComplexOperation<> quotient(ComplexInterim first, ComplexInterim second) {
    return {ComplexRoutine::Quotient, first, second, {}};
}

// The one place that stores into the work operands, reached only through the form() below: each
// operand and each part of the result raises its first fault named by the quantity of the pair
// being formed.
class WorkOperands {
    template <Quantity Q, Quantity ReRead, Quantity ImRead, class Finish>
    friend void form(NetworkState& state, Field<Q, ReRead>& re, Field<Q, ImRead>& im,
                     const ComplexOperation<Finish>& operation);

    // Stores both operands into the work operands and runs the routine into the work result.
    static void formResult(NetworkState& state, ComplexRoutine routine, const ComplexInterim& first,
                           const ComplexInterim& second, Quantity quantity);
    static void form(Work& target, Interim value, Quantity quantity);
    static void form(Work& re, Work& im, const ComplexInterim& value, Quantity quantity);
};

// Forms `operation` into the pair re, im, of one quantity that names every fault on the way.
template <Quantity Q, Quantity ReRead, Quantity ImRead, class Finish>
void form(NetworkState& state, Field<Q, ReRead>& re, Field<Q, ImRead>& im,
          const ComplexOperation<Finish>& operation) {
    WorkOperands::formResult(state, operation.routine, operation.first, operation.second, Q);
    const ComplexInterim result = operation.finish(state.workResultRe, state.workResultIm);
    form(re, result.re);
    form(im, result.im);
}

// The 15-digit literal with which angles are converted; its double lies 7 units in the last
// place below the double nearest to pi, and every stored phase depends on it.
inline constexpr double kPi15 = 3.14159265358979;

// (degrees × 3.14159265358979) / 180: the product first, then the quotient.
Interim degreesToRadians(Interim degrees);

// S11, S12, S21, S22 in that order: Re = modulus × cos(phase), then Im = modulus × sin(phase),
// the phase in radians.
void toRectangular(NetworkState& state);

}  // namespace quadripolo
