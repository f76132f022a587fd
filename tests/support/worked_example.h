// SPDX-License-Identifier: MIT
#pragma once

// The worked example that every layer's tests share: the main window's default inputs, the
// values and texts that the commands give for them, and every message of the field check.

#include <string>

#include "core/network_state.h"

namespace quadripolo::test_support {

// A control and the text it shows.
struct ShownText {
    const char* control;
    const char* text;
};

// The main window's fourteen fields with their initial texts, in the order its commands read them.
inline constexpr ShownText kMainWindowDefaults[] = {
    {"Text1", "0.06"}, {"Text2", "-146.3"}, {"Text5", "0.06"}, {"Text6", "70.7"},
    {"Text3", "6.02"}, {"Text4", "84"},     {"Text7", "0.57"}, {"Text8", "-19.2"},
    {"Text10", "10"},  {"Text11", "20"},    {"Text12", "100"}, {"Text13", "200"},
    {"Text9", "50"},   {"Text14", "1"},
};

// Form2's S boxes after its copy and conversion with the default inputs (Ro 50), in the order the
// conversion writes them: modulus and phase of S11, S12, S21, S22. The third-quadrant S11 gets a
// phase above 180 degrees.
inline constexpr ShownText kSOfCopiedY[] = {
    {"Label35", "60.11E-03"}, {"Label37", "21.36E+01"},  {"Label38", "60.01E-03"},
    {"Label36", "70.70E+00"}, {"Label43", "60.21E-01"},  {"Label44", "84.00E+00"},
    {"Label45", "56.98E-02"}, {"Label46", "-19.20E+00"},
};

// Form2's fields with Re(y11) 0.04 alone and Ro 50, in reading order: y11 normalises to 2.
inline constexpr ShownText kY11Only[] = {
    {"Text1", "0.04"}, {"Text2", "0"}, {"Text5", "0"}, {"Text6", "0"},  {"Text3", "0"},
    {"Text4", "0"},    {"Text7", "0"}, {"Text8", "0"}, {"Text9", "50"},
};

// Form2's S boxes after converting kY11Only.
inline constexpr ShownText kSOfY11Only[] = {
    {"Label35", "33.33E-02"}, {"Label37", "18.00E+01"}, {"Label38", "00.00E+00"},
    {"Label36", "00.00E+00"}, {"Label43", "00.00E+00"}, {"Label44", "00.00E+00"},
    {"Label45", "10.00E-01"}, {"Label46", "00.00E+00"},
};

// Form2's S boxes after converting kY11Only with Ro 0 instead: every normalised y is 0.
inline constexpr ShownText kSOfY11OnlyRo0[] = {
    {"Label35", "10.00E-01"}, {"Label37", "00.00E+00"}, {"Label38", "00.00E+00"},
    {"Label36", "00.00E+00"}, {"Label43", "00.00E+00"}, {"Label44", "00.00E+00"},
    {"Label45", "10.00E-01"}, {"Label46", "00.00E+00"},
};

// A field and what its two messages say it lacks: when it is empty, and when it holds a
// character that no number has (the same words unless told otherwise).
struct FieldMessages {
    const char* field;
    const char* missingSubject;
    const char* badSubject = missingSubject;

    std::string missing() const {
        return "Hai dimenticato di scrivere il valore " + std::string(missingSubject);
    }
    std::string bad() const {
        return "Errore di inserimento dati per il valore " + std::string(badSubject) +
               ". Puoi scrivere soltanto numeri razionali con il punto come separatore decimale, "
               "anche in forma esponenziale. Ad es: 1.23 , 1E-5 , 5E3";
    }
};

// The main window's fields in reading order.
inline const FieldMessages kMainWindowMessages[] = {
    {"Text1", "del modulo di S11"},
    {"Text2", "della fase di S11 in gradi"},
    {"Text5", "del modulo di S12"},
    {"Text6", "della fase di S12 in gradi"},
    {"Text3", "del modulo di S21"},
    {"Text4", "della fase di S21 in gradi"},
    {"Text7", "del modulo di S22"},
    {"Text8", "della fase di S22 in gradi"},
    {"Text10", "della parte reale di Ze"},
    {"Text11", "della parte immaginaria di Ze"},
    {"Text12", "della parte reale di ZL"},
    {"Text13", "della parte immaginaria di ZL"},
    {"Text9", "di Ro=Zo impedenza di riferimento"},
    {"Text14", "della tensione a vuoto in Volt efficaci E"},
};

// The equivalent-parameter window's fields in reading order ("della della" as the window says).
inline const FieldMessages kYWindowMessages[] = {
    {"Text1", "della parte reale di y11"},
    {"Text2", "della della parte immaginaria di y11", "della parte immaginaria di y11"},
    {"Text5", "della parte reale di y12"},
    {"Text6", "della della parte immaginaria di y12", "della parte immaginaria di y12"},
    {"Text3", "della parte reale di y21"},
    {"Text4", "della della parte immaginaria di y21", "della parte immaginaria di y21"},
    {"Text7", "della parte reale di y22"},
    {"Text8", "della della parte immaginaria di y22", "della parte immaginaria di y22"},
    {"Text9", "di Ro=Zo impedenza di riferimento"},
};

// A complex quantity of the record and its stated value.
struct StatedValue {
    const char* name;
    CheckedDouble NetworkState::* re;
    CheckedDouble NetworkState::* im;
    double expectedRe;
    double expectedIm;
};

using N = NetworkState;

// The conversion to z and y of the default inputs, stated to 16-17 digits.
// clang-format off
inline constexpr StatedValue kSToZYValues[] = {
    {"S11", &N::s11Re, &N::s11Im, -0.04991724732782888, -0.03329066564688007},
    {"S12", &N::s12Re, &N::s12Im, 0.019830863562793455, 0.05662805709499374},
    {"S21", &N::s21Re, &N::s21Im, 0.629261348871283, 5.987021810117004},
    {"S22", &N::s22Re, &N::s22Im, 0.5382945310353643, -0.18745398864099225},
    {"z11", &N::z11Re, &N::z11Im, 8.719363916119423, 19.067048323540096},
    {"z12", &N::z12Re, &N::z12Im, 2.953204101510599, 6.821859063608341},
    {"z21", &N::z21Re, &N::z21Im, 130.89777170509439, 734.2667184319146},
    {"z22", &N::z22Re, &N::z22Im, 80.03992320034257, -5.204340962679078},
    {"y11", &N::y11Re, &N::y11Im, 0.013868883515791734, 0.0030846481611366476},
    {"y12", &N::y12Re, &N::y12Im, -0.00016385600795431436, -0.0013065220788373792},
    {"y21", &N::y21Re, &N::y21Im, 0.014157420193408883, -0.13135386312262803},
    {"y22", &N::y22Re, &N::y22Im, 0.000537079995599761, 0.003674791000791029},
};
// clang-format on

// The terminated two-port of the default inputs, stated to six digits and solved from S (both
// passes run). The real quantities PL and Pin repeat the field as imaginary part.
// clang-format off
inline constexpr StatedValue kSolutionValues[] = {
    {"gammaL", &N::gammaLRe, &N::gammaLIm, 0.76, 0.32},
    {"a2OverA1", &N::a2OverA1Re, &N::a2OverA1Im, -3.19991, 8.77017},
    {"zi", &N::ziRe, &N::ziIm, 12.0719, -1.56432},
    {"gammaIn", &N::gammaInRe, &N::gammaInIm, -0.610012, -0.0405751},
    {"v1", &N::v1Re, &N::v1Im, 0.287302, -0.310844},
    {"a1", &N::a1Re, &N::a1Im, 0.114671, -0.100791},
    {"a2", &N::a2Re, &N::a2Im, 0.517016, 1.32820},
    {"b1", &N::b1Re, &N::b1Im, -0.0740400, 0.0568308},
    {"b2", &N::b2Re, &N::b2Im, 1.20288, 1.24116},
    {"pl", &N::pl, &N::pl, 0.955965, 0.955965},
    {"pin", &N::pin, &N::pin, 0.0145965, 0.0145965},
    {"v2", &N::v2Re, &N::v2Im, 12.1615, 18.1681},
    {"zout", &N::zoutRe, &N::zoutIm, 62.4181, -131.970},
    {"i1", &N::i1Re, &N::i1Im, 0.0266877, -0.0222910},
    {"i2", &N::i2Re, &N::i2Im, -0.0969955, 0.0123097},
    {"v2Open", &N::v2OpenRe, &N::v2OpenIm, 16.5913, 4.59927},
};
// clang-format on

// The boxes of the upper block after the first button with the default inputs.
inline constexpr ShownText kSAnalysisShown[] = {
    {"Label6", "11.47E-02"},  {"Label13", "-10.08E-02"}, {"Label16", "51.70E-02"},
    {"Label18", "13.28E-01"}, {"Label20", "-74.04E-03"}, {"Label22", "56.83E-03"},
    {"Label24", "12.03E-01"}, {"Label26", "12.41E-01"},  {"Label32", "95.60E-02"},
    {"Label34", "14.60E-03"}, {"Label36", "12.07E+00"},  {"Label39", "-15.64E-01"},
    {"Label46", "28.73E-02"}, {"Label47", "-31.08E-02"}, {"Label49", "12.16E+00"},
    {"Label50", "18.17E+00"}, {"Label69", "62.42E+00"},  {"Label70", "-13.20E+01"},
    {"Label73", "26.69E-03"}, {"Label74", "-22.29E-03"}, {"Label75", "-97.00E-03"},
    {"Label76", "12.31E-03"},
};

// The boxes of the lower block after the second button with the default inputs: the same
// digits by the other road.
inline constexpr ShownText kZAnalysisShown[] = {
    {"Label41", "12.07E+00"},  {"Label43", "-15.64E-01"}, {"Label53", "28.73E-02"},
    {"Label55", "-31.08E-02"}, {"Label57", "12.16E+00"},  {"Label59", "18.17E+00"},
    {"Label61", "95.60E-02"},  {"Label63", "14.60E-03"},  {"Label65", "62.42E+00"},
    {"Label66", "-13.20E+01"}, {"Label81", "26.69E-03"},  {"Label82", "-22.29E-03"},
    {"Label83", "-97.00E-03"}, {"Label84", "12.31E-03"},
};

// The equivalent-parameter window's z and y boxes after the third button with the default
// inputs, in a point locale: z11, z12, z21, z22, then y11, y12, y21, y22, Re then Im.
inline constexpr ShownText kEquivalentShown[] = {
    {"Label1", "87.19E-01"},  {"Label2", "19.07E+00"},   {"Label3", "29.53E-01"},
    {"Label4", "68.22E-01"},  {"Label9", "13.09E+01"},   {"Label10", "73.43E+01"},
    {"Label11", "80.04E+00"}, {"Label12", "-52.04E-01"}, {"Label34", "13.87E-03"},
    {"Label32", "30.85E-04"}, {"Label31", "-16.39E-05"}, {"Label33", "-13.07E-04"},
    {"Label26", "14.16E-03"}, {"Label25", "-13.14E-02"}, {"Label24", "53.71E-05"},
    {"Label23", "36.75E-04"},
};

// The y fields after the copy of those y values.
inline constexpr ShownText kCopiedY[] = {
    {"Text1", "13.87E-03"},  {"Text2", "30.85E-04"}, {"Text5", "-16.39E-05"},
    {"Text6", "-13.07E-04"}, {"Text3", "14.16E-03"}, {"Text4", "-13.14E-02"},
    {"Text7", "53.71E-05"},  {"Text8", "36.75E-04"},
};

}  // namespace quadripolo::test_support
