#include "y_to_s.h"

#include "complex_arithmetic.h"

namespace quadripolo {

namespace {

// Modulus, then the phase by the one-argument arctangent, shifted by 180 degrees for a negative
// real part. A zero real part becomes 1E-100 so that the quotient is defined (±90 degrees, or 0
// when the imaginary part is 0 too).
void toPolar(CheckedDouble& re, CheckedDouble& im, CheckedDouble& mag, CheckedDouble& phase,
             std::string_view magName, std::string_view phaseName) {
    computing(magName);
    mag = squareRoot(square(re) + square(im));
    if (re == 0.0) {
        re = 1E-100;
    }
    computing(phaseName);
    phase = (arctangent(im / re) * 180.0) / kPi15;
    if (re < 0.0) {
        phase = phase + 180.0;
    }
}

}  // namespace

void convertYToS(NetworkState& s) {
    computing("y11y22");
    s.formProduct({s.y11Re, s.y11Im, s.y22Re, s.y22Im}, s.y11y22Re, s.y11y22Im);

    computing("deltaY");
    s.formProduct({s.y12Re, s.y12Im, s.y21Re, s.y21Im});
    s.deltaYRe = s.y11y22Re - s.workResultRe;
    s.deltaYIm = s.y11y22Im - s.workResultIm;

    computing("convDen");  // 1 + y11 + y22 + Δ
    s.convDenRe = ((s.y11Re + 1.0) + s.y22Re) + s.deltaYRe;
    s.convDenIm = (s.y22Im + s.y11Im) + s.deltaYIm;

    computing("s11");
    s.formQuotient({((1.0 - s.y11Re) + s.y22Re) - s.deltaYRe, ((-s.y11Im) + s.y22Im) - s.deltaYIm,
                    s.convDenRe, s.convDenIm},
                   s.s11Re, s.s11Im);
    computing("s12");
    s.formQuotient({s.y12Re * (-2.0), s.y12Im * (-2.0), s.convDenRe, s.convDenIm}, s.s12Re,
                   s.s12Im);
    computing("s21");
    s.formQuotient({s.y21Re * (-2.0), s.y21Im * (-2.0), s.convDenRe, s.convDenIm}, s.s21Re,
                   s.s21Im);
    computing("s22");
    s.formQuotient({((s.y11Re + 1.0) - s.y22Re) - s.deltaYRe, (s.y11Im - s.y22Im) - s.deltaYIm,
                    s.convDenRe, s.convDenIm},
                   s.s22Re, s.s22Im);

    toPolar(s.s11Re, s.s11Im, s.s11Mag, s.s11Phase, "s11Mag", "s11Phase");
    toPolar(s.s12Re, s.s12Im, s.s12Mag, s.s12Phase, "s12Mag", "s12Phase");
    toPolar(s.s21Re, s.s21Im, s.s21Mag, s.s21Phase, "s21Mag", "s21Phase");
    toPolar(s.s22Re, s.s22Im, s.s22Mag, s.s22Phase, "s22Mag", "s22Phase");
}

}  // namespace quadripolo
