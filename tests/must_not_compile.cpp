// SPDX-License-Identifier: MIT
// The ways a value could reach the record without its fault's name, or under another's.
// Compiled with one WRONG_* defined, the statement must not compile; compiled with none, each is
// written right and compiles (tests/CMakeLists.txt).
#include <limits>

#include "core/complex_arithmetic.h"
#include "core/field_reading.h"

namespace quadripolo {

void formsByTheTarget(NetworkState& state, Window& window) {
#if defined(WRONG_ASSIGNED)  // a field assigned outside form()
    state.pl = state.eRms * state.zlRe;
#elif defined(WRONG_NAME)               // a value formed under another quantity's name
    form<Quantity::Zout>(state.pl, state.eRms * state.zlRe);
#elif defined(WRONG_ROUND_THE_CHECKS)   // doubles multiplied unchecked
    form(state.pl, double(state.eRms) * double(state.zlRe));
#elif defined(WRONG_SILENT_DOUBLE)      // a value that may carry a fault read as a double
    const double pl = state.eRms * state.zlRe;
    (void)pl;
#elif defined(WRONG_NOT_STORED)         // an operation written and never formed
    product({state.zlRe, state.zlIm}, {state.zeRe, state.zeIm});
#elif defined(WRONG_MIXED_PAIR)         // a complex value stored into two quantities' fields
    form(state, state.zoutRe, state.ziIm,
         product({state.zlRe, state.zlIm}, {state.zeRe, state.zeIm}));
#elif defined(WRONG_TWO_FINISHES)       // a second finish, which would silently replace the first
    form(
        state, state.zoutRe, state.zoutIm,
        product({state.zlRe, state.zlIm}, {state.zeRe, state.zeIm}).times(state.ro).over(state.ro));
#elif defined(WRONG_RUN_TIME_INTERIM)   // a double computed unchecked, made an operand
    form(state.pl, Interim::typedValue(double(state.eRms) / double(state.zlRe)));
#elif defined(WRONG_KEY_MADE)           // the reading's key made elsewhere
    form(state.pl, Interim(double(state.eRms) / double(state.zlRe), ReadingKey()));
#elif defined(WRONG_READ_ELSEWHERE)     // a computed value stored under the name it is read as
    formReading(state.y11Re, state.eRms * state.zlRe);
#elif defined(WRONG_WORK_RESULT)        // the work operands formed under a name given at run time
    WorkOperands::formResult(state, ComplexRoutine::Product, {state.zlRe, state.zlIm},
                             {state.zeRe, state.zeIm}, Quantity::Zi);
#elif defined(WRONG_LOCAL_FIELD)        // a field outside the record
    Field<Quantity::Zi> local;
    form(local, state.eRms * state.zlRe);
#elif defined(WRONG_COPIED_FIELD)       // a field copied out of the record
    Field<Quantity::Zi> copy = state.ziRe;
    form(copy, state.eRms * state.zlRe);
#elif defined(WRONG_INFINITE_CONSTANT)  // a constant that is no finite number
    form(state.pl, std::numeric_limits<double>::infinity());
#else
    form(state.pl, state.eRms * state.zlRe);
    form(state, state.zoutRe, state.zoutIm,
         product({state.zlRe, state.zlIm}, {state.zeRe, state.zeIm}).times(state.ro));
    form(state.pl, 1E-100);
    (void)readFields(state, window, kYWindowFields);
#endif
    (void)window;
}

}  // namespace quadripolo
