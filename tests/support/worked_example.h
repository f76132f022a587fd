// SPDX-License-Identifier: MIT
#pragma once

// The worked example that every layer's tests share: the main window's default inputs and the
// full value behind each box that the commands write for them, as the box offers it on hover
// (the shortest decimal that reads back as the same double). A box's text follows from it.

namespace quadripolo::test_support {

// A control and the text it shows.
struct ShownText {
    const char* control;
    const char* text;
};

// A result box and the full value its text was formed from, which it shows on hover.
using FullValue = ShownText;

// The main window's fourteen fields with their initial texts.
inline constexpr ShownText kMainWindowDefaults[] = {
    {"Text1", "0.06"}, {"Text2", "-146.3"}, {"Text5", "0.06"}, {"Text6", "70.7"},
    {"Text3", "6.02"}, {"Text4", "84"},     {"Text7", "0.57"}, {"Text8", "-19.2"},
    {"Text10", "10"},  {"Text11", "20"},    {"Text12", "100"}, {"Text13", "200"},
    {"Text9", "50"},   {"Text14", "1"},
};

// clang-format off
// The upper block after the first button: real part, then imaginary part.
inline constexpr FullValue kSAnalysis[] = {
    {"Label6", "0.11467066036058542"}, {"Label13", "-0.10079073651357133"},   // a1
    {"Label16", "0.5170163634497291"}, {"Label18", "1.3282017966807274"},     // a2
    {"Label20", "-0.07404004063684719"}, {"Label22", "0.05683075427164071"},  // b1
    {"Label24", "1.2028779575876865"}, {"Label26", "1.241159013490352"},      // b2
    {"Label32", "0.9559651448379736"}, {"Label34", "0.014596470665891304"},   // PL, Pin
    {"Label36", "12.071925996368467"}, {"Label39", "-1.5643211452232033"},    // Zi
    {"Label46", "0.28730186730467183"}, {"Label47", "-0.3108440154410934"},   // V1
    {"Label49", "12.161489373297895"}, {"Label50", "18.16812452186932"},      // V2
    {"Label69", "62.41814345033425"}, {"Label70", "-131.97011806820615"},     // Zout
    {"Label73", "0.026687723271550313"}, {"Label74", "-0.022291044998991268"},  // I1
    {"Label75", "-0.09699547683407306"}, {"Label76", "0.012309708449452958"},   // I2
};

// The equivalent-parameter window's z and y boxes after the third button.
inline constexpr FullValue kEquivalentParameters[] = {
    {"Label1", "8.719363916119423"}, {"Label2", "19.067048323540096"},        // z11
    {"Label3", "2.953204101510599"}, {"Label4", "6.821859063608341"},         // z12
    {"Label9", "130.89777170509439"}, {"Label10", "734.2667184319146"},       // z21
    {"Label11", "80.03992320034257"}, {"Label12", "-5.204340962679078"},      // z22
    {"Label34", "0.013868883515791734"}, {"Label32", "0.0030846481611366476"},       // y11
    {"Label31", "-0.00016385600795431436"}, {"Label33", "-0.0013065220788373792"},   // y12
    {"Label26", "0.014157420193408883"}, {"Label25", "-0.13135386312262803"},        // y21
    {"Label24", "0.000537079995599761"}, {"Label23", "0.003674791000791029"},        // y22
};

// The S boxes, modulus then phase in degrees, after converting with Ro 50 the y values copied
// at four digits; the third-quadrant S11 gets a phase above 180 degrees.
inline constexpr FullValue kSOfCopiedY[] = {
    {"Label35", "0.060110815972068514"}, {"Label37", "213.59330453706713"},  // S11
    {"Label38", "0.06001189413253217"}, {"Label36", "70.70171698287528"},    // S12
    {"Label43", "6.021103157992849"}, {"Label44", "83.99999736974884"},      // S21
    {"Label45", "0.56979123315477"}, {"Label46", "-19.200528134327666"},     // S22
};

// The same after converting the y values at full precision: the main window's S again.
inline constexpr FullValue kSOfFullY[] = {
    {"Label35", "0.0599999999999999"}, {"Label37", "213.70000000000022"},    // S11
    {"Label38", "0.059999999999999984"}, {"Label36", "70.69999999999999"},   // S12
    {"Label43", "6.019999999999999"}, {"Label44", "84"},                     // S21
    {"Label45", "0.5700000000000001"}, {"Label46", "-19.199999999999992"},   // S22
};
// clang-format on

}  // namespace quadripolo::test_support
