#include "terminated_solution.h"

namespace quadripolo {

namespace {

// The chain common to both passes, once a2OverA1 is set: Γin, Zi, V1 and the four waves.
void solveFromA2OverA1(NetworkState& s) {
    computing("s12A2OverA1");
    s.formProduct({s.s12Re, s.s12Im, s.a2OverA1Re, s.a2OverA1Im}, s.s12A2OverA1Re, s.s12A2OverA1Im);

    computing("zi");  // zn = (1 + Γin) / (1 − Γin), Zi = Ro·zn
    s.formQuotient({(s.s11Re + 1.0) + s.s12A2OverA1Re, s.s12A2OverA1Im + s.s11Im,
                    (1.0 - s.s11Re) - s.s12A2OverA1Re, (-s.s11Im) - s.s12A2OverA1Im});
    s.ziRe = s.ro * s.workResultRe;
    s.ziIm = s.ro * s.workResultIm;

    computing("gammaIn");  // formed again from Zi; this value is the one used next
    s.formQuotient({s.ziRe - s.ro, s.ziIm, s.ziRe + s.ro, s.ziIm}, s.gammaInRe, s.gammaInIm);

    computing("v1");
    s.formQuotient({s.eRms * s.ziRe, s.eRms * s.ziIm, s.zeRe + s.ziRe, s.zeIm + s.ziIm}, s.v1Re,
                   s.v1Im);

    computing("a1");  // V1 = √Ro·a1·(1 + Γin)
    s.formQuotient(
        {s.v1Re, s.v1Im, squareRoot(s.ro) * (s.gammaInRe + 1.0), squareRoot(s.ro) * s.gammaInIm},
        s.a1Re, s.a1Im);

    computing("a2");
    s.formProduct({s.a1Re, s.a1Im, s.a2OverA1Re, s.a2OverA1Im}, s.a2Re, s.a2Im);

    computing("b1");
    s.formProduct({s.s11Re, s.s11Im, s.a1Re, s.a1Im}, s.s11A1Re, s.s11A1Im);
    s.formProduct({s.s12Re, s.s12Im, s.a2Re, s.a2Im}, s.s12A2Re, s.s12A2Im);
    s.b1Re = s.s11A1Re + s.s12A2Re;
    s.b1Im = s.s11A1Im + s.s12A2Im;

    computing("b2");
    s.formProduct({s.s21Re, s.s21Im, s.a1Re, s.a1Im}, s.s21A1Re, s.s21A1Im);
    s.formProduct({s.s22Re, s.s22Im, s.a2Re, s.a2Im}, s.s22A2Re, s.s22A2Im);
    s.b2Re = s.s21A1Re + s.s22A2Re;
    s.b2Im = s.s21A1Im + s.s22A2Im;
}

}  // namespace

void solveOpenOutput(NetworkState& s) {
    s.toRectangular();

    // An open output reflects fully: ΓL = 1, so S21·ΓL and S22·ΓL are S21 and S22.
    s.s22GammaLRe = s.s22Re;
    s.s22GammaLIm = s.s22Im;
    s.s21GammaLRe = s.s21Re;
    s.s21GammaLIm = s.s21Im;

    computing("a2OverA1");
    s.formQuotient({s.s21Re, s.s21Im, 1.0 - s.s22Re, -s.s22Im}, s.a2OverA1Re, s.a2OverA1Im);

    solveFromA2OverA1(s);

    computing("v2Open");
    s.v2OpenRe = squareRoot(s.ro) * (s.b2Re + s.a2Re);
    s.v2OpenIm = squareRoot(s.ro) * (s.b2Im + s.a2Im);
}

void solveLoaded(NetworkState& s) {
    s.toRectangular();

    computing("gammaL");
    s.formQuotient({s.zlRe - s.ro, s.zlIm, s.ro + s.zlRe, s.zlIm}, s.gammaLRe, s.gammaLIm);

    computing("s21GammaL");
    s.formProduct({s.s21Re, s.s21Im, s.gammaLRe, s.gammaLIm}, s.s21GammaLRe, s.s21GammaLIm);
    computing("s22GammaL");
    s.formProduct({s.s22Re, s.s22Im, s.gammaLRe, s.gammaLIm}, s.s22GammaLRe, s.s22GammaLIm);

    computing("a2OverA1");
    s.formQuotient({s.s21GammaLRe, s.s21GammaLIm, 1.0 - s.s22GammaLRe, -s.s22GammaLIm},
                   s.a2OverA1Re, s.a2OverA1Im);

    solveFromA2OverA1(s);

    computing("pl");
    s.pl = (square(s.b2Re) + square(s.b2Im)) - (square(s.a2Re) + square(s.a2Im));
    computing("pin");
    s.pin = (square(s.a1Re) + square(s.a1Im)) - (square(s.b1Re) + square(s.b1Im));

    computing("v2");
    s.v2Re = squareRoot(s.ro) * (s.b2Re + s.a2Re);
    s.v2Im = squareRoot(s.ro) * (s.b2Im + s.a2Im);

    computing("zoutPerZl");  // the output as V2open behind Zout, closed on ZL
    s.formQuotient({s.v2OpenRe - s.v2Re, s.v2OpenIm - s.v2Im, s.v2Re, s.v2Im}, s.zoutPerZlRe,
                   s.zoutPerZlIm);
    computing("zout");
    s.formProduct({s.zoutPerZlRe, s.zoutPerZlIm, s.zlRe, s.zlIm}, s.zoutRe, s.zoutIm);

    // The currents multiply by the reciprocal of √Ro, formed first.
    computing("i1");
    s.i1Re = (s.a1Re - s.b1Re) * (1.0 / squareRoot(s.ro));
    s.i1Im = (s.a1Im - s.b1Im) * (1.0 / squareRoot(s.ro));
    computing("i2");
    s.i2Re = (s.a2Re - s.b2Re) * (1.0 / squareRoot(s.ro));
    s.i2Im = (s.a2Im - s.b2Im) * (1.0 / squareRoot(s.ro));
}

}  // namespace quadripolo
