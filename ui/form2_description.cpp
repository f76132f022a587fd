// SPDX-License-Identifier: MIT
#include <array>

#include "window_description.h"

namespace quadripolo::ui {

namespace {

using namespace rows;
using enum Unit;
using colours::kCaptionText;
using colours::kMenu;

constexpr std::string_view kEquivalentZ = "parametri z equivalenti";
constexpr std::string_view kEquivalentY = "parametri y equivalenti";
constexpr std::string_view kYToConvert = "parametri y da convertire";
constexpr std::string_view kSFromY = "parametri S ottenuti dai parametri y";

// Captions of the z, y and y-field grids: 735 by 375, aligned right.
constexpr ControlDescription gridCaption(std::string_view name, std::string_view text, int left,
                                         int top, std::string_view buddy) {
    return caption(name, text, {left, top, 735, 375}, Alignment::Right, buddy);
}

// Boxes of the z and y grids: 2175 by 375.
constexpr ControlDescription zBox(std::string_view name, int left, int top, const Rgb& background,
                                  Described quantity) {
    return resultBox(name, {left, top, 2175, 375}, background, quantity, kEquivalentZ);
}
constexpr ControlDescription yBox(std::string_view name, int left, int top, const Rgb& background,
                                  Described quantity) {
    return resultBox(name, {left, top, 2175, 375}, background, quantity, kEquivalentY);
}

// The y fields to convert, empty at start.
constexpr ControlDescription yField(std::string_view name, TwipRect twips, Described quantity) {
    return field(name, "", twips, colours::kConverter, quantity, kYToConvert);
}

// The S boxes that the conversion fills.
constexpr ControlDescription sBox(std::string_view name, TwipRect twips, Described quantity) {
    return resultBox(name, twips, colours::kConverter, quantity, kSFromY);
}

constexpr std::array kControls{
    // Equivalent z parameters.
    caption("Label17", "Parametri z equivalenti agli S.  Tutti i valori in ohm.",
            {960, 120, 7455, 255}),
    gridCaption("Label5", "Re(z11)", 120, 480, "Label1"),
    zBox("Label1", 960, 480, kMenu, {"Re(z11)", Ohm}),
    gridCaption("Label6", "Im(z11)", 3240, 480, "Label2"),
    zBox("Label2", 4080, 480, kMenu, {"Im(z11)", Ohm}),
    gridCaption("Label7", "Re(z12)", 6360, 480, "Label3"),
    zBox("Label3", 7200, 480, kMenu, {"Re(z12)", Ohm}),
    gridCaption("Label8", "Im(z12)", 9600, 480, "Label4"),
    zBox("Label4", 10440, 480, kMenu, {"Im(z12)", Ohm}),
    gridCaption("Label13", "Re(z21)", 120, 1080, "Label9"),
    zBox("Label9", 960, 1080, kCaptionText, {"Re(z21)", Ohm}),
    gridCaption("Label14", "Im(z21)", 3240, 1080, "Label10"),
    zBox("Label10", 4080, 1080, kCaptionText, {"Im(z21)", Ohm}),
    gridCaption("Label15", "Re(z22)", 6360, 1080, "Label11"),
    zBox("Label11", 7200, 1080, kCaptionText, {"Re(z22)", Ohm}),
    gridCaption("Label16", "Im(z22)", 9600, 1080, "Label12"),
    zBox("Label12", 10440, 1080, kCaptionText, {"Im(z22)", Ohm}),

    // Equivalent y parameters.
    caption("Label18", "Parametri y equivalenti agli S.  Tutti i valori in Siemens.",
            {960, 1680, 7455, 255}),
    gridCaption("Label30", "Re(y11)", 240, 2040, "Label34"),
    yBox("Label34", 1080, 2040, kMenu, {"Re(y11)", Siemens}),
    gridCaption("Label29", "Im(y11)", 3360, 2040, "Label32"),
    yBox("Label32", 4200, 2040, kMenu, {"Im(y11)", Siemens}),
    gridCaption("Label28", "Re(y12)", 6480, 2040, "Label31"),
    yBox("Label31", 7320, 2040, kMenu, {"Re(y12)", Siemens}),
    gridCaption("Label27", "Im(y12)", 9720, 2040, "Label33"),
    yBox("Label33", 10560, 2040, kMenu, {"Im(y12)", Siemens}),
    gridCaption("Label22", "Re(y21)", 240, 2640, "Label26"),
    yBox("Label26", 1080, 2640, kCaptionText, {"Re(y21)", Siemens}),
    gridCaption("Label21", "Im(y21)", 3360, 2640, "Label25"),
    yBox("Label25", 4200, 2640, kCaptionText, {"Im(y21)", Siemens}),
    gridCaption("Label20", "Re(y22)", 6480, 2640, "Label24"),
    yBox("Label24", 7320, 2640, kCaptionText, {"Re(y22)", Siemens}),
    gridCaption("Label19", "Im(y22)", 9720, 2640, "Label23"),
    yBox("Label23", 10560, 2640, kCaptionText, {"Im(y22)", Siemens}),

    button("Command2", "Copia valori di y trovati", {1080, 3720, 1815, 495}, colours::kConverter),
    button("Command1", "Converti da y a S", {5640, 3840, 1815, 495}, colours::kConverter),

    // y parameters to convert.
    caption("Label51", "Parametri y, tutti i valori in Siemens.", {1080, 4440, 7455, 255}),
    gridCaption("Label39", "Re(y11)", 240, 4800, "Text1"),
    yField("Text1", {1080, 4800, 2175, 375}, {"Re(y11)", Siemens}),
    gridCaption("Label40", "Im(y11)", 3360, 4800, "Text2"),
    yField("Text2", {4200, 4800, 2175, 375}, {"Im(y11)", Siemens}),
    gridCaption("Label41", "Re(y12)", 6480, 4800, "Text5"),
    yField("Text5", {7440, 4800, 2055, 375}, {"Re(y12)", Siemens}),
    gridCaption("Label42", "Im(y12)", 9720, 4800, "Text6"),
    yField("Text6", {10680, 4800, 2055, 375}, {"Im(y12)", Siemens}),
    gridCaption("Label47", "Re(y21)", 240, 5400, "Text3"),
    yField("Text3", {1080, 5280, 2175, 375}, {"Re(y21)", Siemens}),
    gridCaption("Label48", "Im(y21)", 3360, 5400, "Text4"),
    yField("Text4", {4200, 5280, 2175, 375}, {"Im(y21)", Siemens}),
    gridCaption("Label49", "Re(y22)", 6480, 5400, "Text7"),
    yField("Text7", {7440, 5280, 2055, 375}, {"Re(y22)", Siemens}),
    gridCaption("Label50", "Im(y22)", 9720, 5400, "Text8"),
    yField("Text8", {10680, 5280, 2055, 375}, {"Im(y22)", Siemens}),

    // Resulting S parameters.
    ControlDescription{.kind = ControlKind::Label,
                       .name = "Label59",
                       .text = "Modulo",
                       .twips = {1665, 6000, 645, 195},
                       .alignment = Alignment::Centre,
                       .autoSize = true},
    caption("Label60", "Fase [°]", {3840, 6000, 855, 255}),
    caption("Label61", "Modulo", {7920, 6000, 855, 255}, Alignment::Centre),
    caption("Label66", "Fase [°]", {10200, 6000, 855, 255}),
    caption("Label57", "S11", {600, 6480, 375, 255}, Alignment::Left, "Label35"),
    caption("Label62", "S12", {6840, 6480, 375, 255}, Alignment::Left, "Label38"),
    caption("Label58", "S21", {600, 6960, 375, 255}, Alignment::Left, "Label43"),
    caption("Label63", "S22", {6840, 6960, 375, 255}, Alignment::Left, "Label45"),
    sBox("Label35", {1080, 6480, 2175, 375}, {"S11 modulo"}),
    sBox("Label37", {3480, 6480, 2175, 375}, {"S11 fase", Degree}),
    sBox("Label38", {7440, 6480, 2175, 375}, {"S12 modulo"}),
    sBox("Label36", {9840, 6480, 2055, 375}, {"S12 fase", Degree}),
    sBox("Label43", {1080, 6960, 2175, 375}, {"S21 modulo"}),
    sBox("Label44", {3480, 6960, 2175, 375}, {"S21 fase", Degree}),
    sBox("Label45", {7440, 6960, 2175, 375}, {"S22 modulo"}),
    sBox("Label46", {9840, 6960, 2055, 375}, {"S22 fase", Degree}),

    // Reference impedance.
    caption("Label64", "Ro", {5160, 7800, 375, 255}, Alignment::Left, "Text9"),
    field("Text9", "50", {5640, 7680, 1815, 375}, colours::kConverter, {"Ro", Ohm}, kYToConvert),
    ohmSign("Label65", {7560, 7800, 375, 255}),
};
static_assert(allWholePixels(kControls));
static_assert(obeysEveryColumn(kControls));

constexpr std::array<std::string_view, 11> kFocusOrder{
    "Text1", "Text2", "Text3", "Text4",    "Text5",    "Text6",
    "Text7", "Text8", "Text9", "Command1", "Command2",
};

constexpr WindowDescription kForm2{
    .name = "Form2",
    .caption = "Parametri z",
    .clientWidthTwips = 13020,
    .clientHeightTwips = 8535,
    .background = colours::kEquivalentWindow,
    .controls = kControls,
    .focusOrder = kFocusOrder,
};
static_assert(namesPointOneWay(kControls, kFocusOrder));

}  // namespace

const WindowDescription& form2Description() {
    return kForm2;
}

}  // namespace quadripolo::ui
