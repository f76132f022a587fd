// SPDX-License-Identifier: MIT
#pragma once

// The worked example that every layer's tests share: the main window's default inputs and the
// values and texts that the commands give for them: S in rectangular form, z and y to 16-17
// digits, and the boxes' texts.

#include "core/result_display.h"

namespace quadripolo::test_support {

// A control and the text it shows.
struct ShownText {
    const char* control;
    const char* text;
};

// The main window's fourteen fields with their initial texts.
inline constexpr ShownText kMainWindowDefaults[] = {
    {"Text1", "0.06"}, {"Text2", "-146.3"}, {"Text5", "0.06"}, {"Text6", "70.7"},
    {"Text3", "6.02"}, {"Text4", "84"},     {"Text7", "0.57"}, {"Text8", "-19.2"},
    {"Text10", "10"},  {"Text11", "20"},    {"Text12", "100"}, {"Text13", "200"},
    {"Text9", "50"},   {"Text14", "1"},
};

// A complex quantity of the record and its stated value.
struct StatedValue {
    const char* name;
    double (*re)(const NetworkState&);
    double (*im)(const NetworkState&);
    double expectedRe;
    double expectedIm;
};

using N = NetworkState;

// The conversion to z and y of the default inputs.
// clang-format off
inline constexpr StatedValue kSToZYValues[] = {
    {"S11", valueOf<&N::s11Re>, valueOf<&N::s11Im>, -0.04991724732782888, -0.03329066564688007},
    {"S12", valueOf<&N::s12Re>, valueOf<&N::s12Im>, 0.019830863562793455, 0.05662805709499374},
    {"S21", valueOf<&N::s21Re>, valueOf<&N::s21Im>, 0.629261348871283, 5.987021810117004},
    {"S22", valueOf<&N::s22Re>, valueOf<&N::s22Im>, 0.5382945310353643, -0.18745398864099225},
    {"z11", valueOf<&N::z11Re>, valueOf<&N::z11Im>, 8.719363916119423, 19.067048323540096},
    {"z12", valueOf<&N::z12Re>, valueOf<&N::z12Im>, 2.953204101510599, 6.821859063608341},
    {"z21", valueOf<&N::z21Re>, valueOf<&N::z21Im>, 130.89777170509439, 734.2667184319146},
    {"z22", valueOf<&N::z22Re>, valueOf<&N::z22Im>, 80.03992320034257, -5.204340962679078},
    {"y11", valueOf<&N::y11Re>, valueOf<&N::y11Im>, 0.013868883515791734, 0.0030846481611366476},
    {"y12", valueOf<&N::y12Re>, valueOf<&N::y12Im>, -0.00016385600795431436, -0.0013065220788373792},
    {"y21", valueOf<&N::y21Re>, valueOf<&N::y21Im>, 0.014157420193408883, -0.13135386312262803},
    {"y22", valueOf<&N::y22Re>, valueOf<&N::y22Im>, 0.000537079995599761, 0.003674791000791029},
};
// clang-format on

// The boxes of the upper block after the first button.
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

// The boxes of the lower block after the second button: the same digits by the other road.
inline constexpr ShownText kZAnalysisShown[] = {
    {"Label41", "12.07E+00"},  {"Label43", "-15.64E-01"}, {"Label53", "28.73E-02"},
    {"Label55", "-31.08E-02"}, {"Label57", "12.16E+00"},  {"Label59", "18.17E+00"},
    {"Label61", "95.60E-02"},  {"Label63", "14.60E-03"},  {"Label65", "62.42E+00"},
    {"Label66", "-13.20E+01"}, {"Label81", "26.69E-03"},  {"Label82", "-22.29E-03"},
    {"Label83", "-97.00E-03"}, {"Label84", "12.31E-03"},
};

// The equivalent-parameter window's z and y boxes after the third button, in a point locale.
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

// The S boxes after converting the copied y with Ro 50; the third-quadrant S11 gets a phase
// above 180 degrees.
inline constexpr ShownText kSOfCopiedY[] = {
    {"Label35", "60.11E-03"}, {"Label37", "21.36E+01"},  {"Label38", "60.01E-03"},
    {"Label36", "70.70E+00"}, {"Label43", "60.21E-01"},  {"Label44", "84.00E+00"},
    {"Label45", "56.98E-02"}, {"Label46", "-19.20E+00"},
};

}  // namespace quadripolo::test_support
