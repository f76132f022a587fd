// SPDX-License-Identifier: MIT
// The ways a computed value could reach the record without its fault's name, or under another's.
// Compiled with one WRONG_* defined, the statement must not compile; compiled with none, each is
// written right and compiles (tests/CMakeLists.txt).
#include "core/complex_arithmetic.h"

namespace quadripolo {

void formsByTheTarget(NetworkState& state) {
#if defined(WRONG_ASSIGNED)  // a field assigned outside form()
    state.pl = state.eRms * state.zlRe;
#elif defined(WRONG_NAME)              // a value formed under another quantity's name
    form<Quantity::Zout>(state.pl, state.eRms * state.zlRe);
#elif defined(WRONG_ROUND_THE_CHECKS)  // doubles multiplied unchecked
    form(state.pl, double(state.eRms) * double(state.zlRe));
#elif defined(WRONG_SILENT_DOUBLE)     // a value that may carry a fault read as a double
    const double pl = state.eRms * state.zlRe;
    (void)pl;
#elif defined(WRONG_NOT_STORED)        // an operation written and never formed
    product({state.zlRe, state.zlIm}, {state.zeRe, state.zeIm});
#elif defined(WRONG_MIXED_PAIR)        // a complex value stored into two quantities' fields
    form(state, state.zoutRe, state.ziIm,
         product({state.zlRe, state.zlIm}, {state.zeRe, state.zeIm}));
#else
    form(state.pl, state.eRms * state.zlRe);
    form(state, state.zoutRe, state.zoutIm,
         product({state.zlRe, state.zlIm}, {state.zeRe, state.zeIm}));
#endif
}

}  // namespace quadripolo
