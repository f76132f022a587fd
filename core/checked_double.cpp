#include "checked_double.h"

#include <ostream>

namespace quadripolo {

std::ostream& operator<<(std::ostream& out, CheckedDouble x) {
    return out << x.value();
}

}  // namespace quadripolo
