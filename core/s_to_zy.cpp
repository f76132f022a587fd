// The conversion of the S parameters (against the real resistance Ro) into the equivalent z and
// y parameters, with the terminated two-port solved from z in between. Each sum is formed left
// to right exactly as written, on real and imaginary parts separately; every complex product
// and quotient goes through the work operands.
#include "network_state.h"

namespace quadripolo {

void NetworkState::convertSToZY() {
    toRectangular();
    convertSToZ();
    solveByZ();
    convertSToY();
}

void NetworkState::convertSToZ() {
    computing("zDenLeft");
    formProduct({1.0 - s11Re, -s11Im, 1.0 - s22Re, -s22Im}, zDenLeftRe, zDenLeftIm);

    computing("s12s21");
    formProduct({s12Re, s12Im, s21Re, s21Im}, s12s21Re, s12s21Im);
    computing("convDen");
    convDenRe = zDenLeftRe - s12s21Re;
    convDenIm = zDenLeftIm - s12s21Im;

    computing("z11Num");
    formProduct({s11Re + 1.0, s11Im, 1.0 - s22Re, -s22Im});
    z11NumRe = s12s21Re + workResultRe;
    z11NumIm = s12s21Im + workResultIm;

    computing("z11");
    formQuotient({z11NumRe, z11NumIm, convDenRe, convDenIm});
    z11Re = ro * workResultRe;
    z11Im = ro * workResultIm;

    computing("z12");
    formQuotient({s12Re + s12Re, s12Im + s12Im, convDenRe, convDenIm});
    z12Re = ro * workResultRe;
    z12Im = ro * workResultIm;

    computing("z21");
    formQuotient({s21Re + s21Re, s21Im + s21Im, convDenRe, convDenIm});
    z21Re = ro * workResultRe;
    z21Im = ro * workResultIm;

    computing("z22Num");
    formProduct({1.0 - s11Re, -s11Im, s22Re + 1.0, s22Im});
    z22NumRe = s12s21Re + workResultRe;
    z22NumIm = s12s21Im + workResultIm;

    computing("z22");
    formQuotient({z22NumRe, z22NumIm, convDenRe, convDenIm});
    z22Re = ro * workResultRe;
    z22Im = ro * workResultIm;
}

// Source E behind Ze, the two-port by its z parameters, the load ZL. The quotients Q, R and U
// have no fields of their own; a fault in them is reported at the quantity they lead to.
void NetworkState::solveByZ() {
    computing("z12z21");
    formProduct({z12Re, z12Im, z21Re, z21Im}, z12z21Re, z12z21Im);

    computing("ziByZ");  // Zi = z11 − z12·z21 / (ZL + z22)
    formQuotient({z12z21Re, z12z21Im, zlRe + z22Re, zlIm + z22Im});
    ziByZRe = z11Re - workResultRe;
    ziByZIm = z11Im - workResultIm;

    computing("v1ByZ");  // V1 = E·Zi / (Ze + Zi)
    formQuotient({eRms * ziByZRe, eRms * ziByZIm, zeRe + ziByZRe, zeIm + ziByZIm}, v1ByZRe,
                 v1ByZIm);

    computing("v2ByZNum");  // N = (E·ZL)·z21
    formProduct({eRms * zlRe, eRms * zlIm, z21Re, z21Im}, v2ByZNumRe, v2ByZNumIm);

    computing("v2ByZDen");  // M = (ZL + z22)·(Ze + Zi)
    formProduct({zlRe + z22Re, zlIm + z22Im, zeRe + ziByZRe, zeIm + ziByZIm}, v2ByZDenRe,
                v2ByZDenIm);

    computing("v2ByZ");
    formQuotient({v2ByZNumRe, v2ByZNumIm, v2ByZDenRe, v2ByZDenIm}, v2ByZRe, v2ByZIm);

    computing("i2ByZ");  // I2 = −(V2 / ZL): the load carries −I2
    formQuotient({v2ByZRe, v2ByZIm, zlRe, zlIm});
    i2ByZRe = -workResultRe;
    i2ByZIm = -workResultIm;

    computing("plByZ");
    plByZ = (square(i2ByZRe) + square(i2ByZIm)) * zlRe;

    computing("i1ByZ");
    formQuotient({v1ByZRe, v1ByZIm, ziByZRe, ziByZIm}, i1ByZRe, i1ByZIm);

    computing("pinByZ");  // with the input resistance of this same solution
    pinByZ = (square(i1ByZIm) + square(i1ByZRe)) * ziByZRe;

    computing("zoutByZ");  // Zout = z22 − z12·z21 / (Ze + z11)
    formQuotient({z12z21Re, z12z21Im, zeRe + z11Re, zeIm + z11Im});
    zoutByZRe = z22Re - workResultRe;
    zoutByZIm = z22Im - workResultIm;
}

// y straight from S, not by inverting z; both agree wherever both exist.
void NetworkState::convertSToY() {
    computing("s11s22");
    formProduct({s11Re, s11Im, s22Re, s22Im}, s11s22Re, s11s22Im);

    computing("deltaS");
    formProduct({s12Re, s12Im, s21Re, s21Im});
    deltaSRe = (-workResultRe) + s11s22Re;
    deltaSIm = (-workResultIm) + s11s22Im;

    computing("yDen");
    yDenRe = s11Re + 1.0 + s22Re + deltaSRe;
    yDenIm = s22Im + s11Im + deltaSIm;

    computing("y11");
    formQuotient({1.0 - s11Re + s22Re - deltaSRe, -s11Im + s22Im - deltaSIm, yDenRe, yDenIm});
    y11Re = workResultRe / ro;
    y11Im = workResultIm / ro;

    computing("y12");
    formQuotient({s12Re * (-2.0), s12Im * (-2.0), yDenRe, yDenIm});
    y12Re = workResultRe / ro;
    y12Im = workResultIm / ro;

    computing("y21");
    formQuotient({s21Re * (-2.0), s21Im * (-2.0), yDenRe, yDenIm});
    y21Re = workResultRe / ro;
    y21Im = workResultIm / ro;

    computing("y22");
    formQuotient({s11Re + 1.0 - s22Re - deltaSRe, s11Im - s22Im - deltaSIm, yDenRe, yDenIm});
    y22Re = workResultRe / ro;
    y22Im = workResultIm / ro;
}

}  // namespace quadripolo
