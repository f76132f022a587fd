#include "complex_arithmetic.h"

namespace quadripolo {

void complexMultiply(CheckedDouble& p, CheckedDouble& q, CheckedDouble& r, CheckedDouble& s,
                     CheckedDouble& re, CheckedDouble& im) {
    const CheckedDouble pr = p * r;
    const CheckedDouble qs = q * s;
    re = pr - qs;
    const CheckedDouble ps = p * s;
    const CheckedDouble qr = q * r;
    im = ps + qr;
}

void complexDivide(CheckedDouble& p, CheckedDouble& q, CheckedDouble& r, CheckedDouble& s,
                   CheckedDouble& re, CheckedDouble& im) {
    const CheckedDouble pr = p * r;
    const CheckedDouble qs = q * s;
    const CheckedDouble dividendRe = pr + qs;
    re = dividendRe / (square(r) + square(s));
    const CheckedDouble qr = q * r;
    const CheckedDouble ps = p * s;
    const CheckedDouble dividendIm = qr - ps;
    im = dividendIm / (square(r) + square(s));
}

CheckedDouble degreesToRadians(CheckedDouble degrees) {
    return (degrees * kPi15) / 180.0;
}

}  // namespace quadripolo
