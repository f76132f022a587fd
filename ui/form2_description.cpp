#include "form2_description.h"

#include <array>

#include "control_builders.h"

namespace quadripolo::ui {

namespace {

using namespace build;
using colours::kCaptionText;
using colours::kConverter;
using colours::kMenu;

// Captions of the z, y and y-field grids: 735 by 375, aligned right.
constexpr ControlDescription gridCaption(std::string_view name, std::string_view text, int left,
                                         int top) {
    return caption(name, text, {left, top, 735, 375}, Alignment::Right);
}

// Boxes of the z and y grids: 2175 by 375.
constexpr ControlDescription gridBox(std::string_view name, int left, int top, Rgb background,
                                     std::string_view description) {
    return resultBox(name, {left, top, 2175, 375}, background, description);
}

constexpr std::array kControls{
    // Equivalent z parameters.
    caption("Label17", "Parametri z equivalenti agli S.  Tutti i valori in ohm.",
            {960, 120, 7455, 255}),
    gridCaption("Label5", "Re(z11)", 120, 480),
    gridBox("Label1", 960, 480, kMenu, "Re(z11)"),
    gridCaption("Label6", "Im(z11)", 3240, 480),
    gridBox("Label2", 4080, 480, kMenu, "Im(z11)"),
    gridCaption("Label7", "Re(z12)", 6360, 480),
    gridBox("Label3", 7200, 480, kMenu, "Re(z12)"),
    gridCaption("Label8", "Im(z12)", 9600, 480),
    gridBox("Label4", 10440, 480, kMenu, "Im(z12)"),
    gridCaption("Label13", "Re(z21)", 120, 1080),
    gridBox("Label9", 960, 1080, kCaptionText, "Re(z21)"),
    gridCaption("Label14", "Im(z21)", 3240, 1080),
    gridBox("Label10", 4080, 1080, kCaptionText, "Im(z21)"),
    gridCaption("Label15", "Re(z22)", 6360, 1080),
    gridBox("Label11", 7200, 1080, kCaptionText, "Re(z22)"),
    gridCaption("Label16", "Im(z22)", 9600, 1080),
    gridBox("Label12", 10440, 1080, kCaptionText, "Im(z22)"),

    // Equivalent y parameters.
    caption("Label18", "Parametri y equivalenti agli S.  Tutti i valori in Siemens.",
            {960, 1680, 7455, 255}),
    gridCaption("Label30", "Re(y11)", 240, 2040),
    gridBox("Label34", 1080, 2040, kMenu, "Re(y11)"),
    gridCaption("Label29", "Im(y11)", 3360, 2040),
    gridBox("Label32", 4200, 2040, kMenu, "Im(y11)"),
    gridCaption("Label28", "Re(y12)", 6480, 2040),
    gridBox("Label31", 7320, 2040, kMenu, "Re(y12)"),
    gridCaption("Label27", "Im(y12)", 9720, 2040),
    gridBox("Label33", 10560, 2040, kMenu, "Im(y12)"),
    gridCaption("Label22", "Re(y21)", 240, 2640),
    gridBox("Label26", 1080, 2640, kCaptionText, "Re(y21)"),
    gridCaption("Label21", "Im(y21)", 3360, 2640),
    gridBox("Label25", 4200, 2640, kCaptionText, "Im(y21)"),
    gridCaption("Label20", "Re(y22)", 6480, 2640),
    gridBox("Label24", 7320, 2640, kCaptionText, "Re(y22)"),
    gridCaption("Label19", "Im(y22)", 9720, 2640),
    gridBox("Label23", 10560, 2640, kCaptionText, "Im(y22)"),

    button("Command2", "Copia valori di y trovati", {1080, 3720, 1815, 495}, kConverter),
    button("Command1", "Converti da y a S", {5640, 3840, 1815, 495}, kConverter),

    // y parameters to convert.
    caption("Label51", "Parametri y, tutti i valori in Siemens.", {1080, 4440, 7455, 255}),
    gridCaption("Label39", "Re(y11)", 240, 4800),
    field("Text1", "", {1080, 4800, 2175, 375}, "Re(y11)", kConverter),
    gridCaption("Label40", "Im(y11)", 3360, 4800),
    field("Text2", "", {4200, 4800, 2175, 375}, "Im(y11)", kConverter),
    gridCaption("Label41", "Re(y12)", 6480, 4800),
    field("Text5", "", {7440, 4800, 2055, 375}, "Re(y12)", kConverter),
    gridCaption("Label42", "Im(y12)", 9720, 4800),
    field("Text6", "", {10680, 4800, 2055, 375}, "Im(y12)", kConverter),
    gridCaption("Label47", "Re(y21)", 240, 5400),
    field("Text3", "", {1080, 5280, 2175, 375}, "Re(y21)", kConverter),
    gridCaption("Label48", "Im(y21)", 3360, 5400),
    field("Text4", "", {4200, 5280, 2175, 375}, "Im(y21)", kConverter),
    gridCaption("Label49", "Re(y22)", 6480, 5400),
    field("Text7", "", {7440, 5280, 2055, 375}, "Re(y22)", kConverter),
    gridCaption("Label50", "Im(y22)", 9720, 5400),
    field("Text8", "", {10680, 5280, 2055, 375}, "Im(y22)", kConverter),

    // Resulting S parameters.
    ControlDescription{.kind = ControlKind::Caption,
                       .name = "Label59",
                       .text = "Modulo",
                       .twips = {1665, 6000, 645, 195},
                       .alignment = Alignment::Centre,
                       .autoSize = true},
    caption("Label60", "Fase [°]", {3840, 6000, 855, 255}),
    caption("Label61", "Modulo", {7920, 6000, 855, 255}, Alignment::Centre),
    caption("Label66", "Fase [°]", {10200, 6000, 855, 255}),
    caption("Label57", "S11", {600, 6480, 375, 255}),
    caption("Label62", "S12", {6840, 6480, 375, 255}),
    caption("Label58", "S21", {600, 6960, 375, 255}),
    caption("Label63", "S22", {6840, 6960, 375, 255}),
    resultBox("Label35", {1080, 6480, 2175, 375}, kConverter, "S11 Modulo"),
    resultBox("Label37", {3480, 6480, 2175, 375}, kConverter, "S11 Fase [°]"),
    resultBox("Label38", {7440, 6480, 2175, 375}, kConverter, "S12 Modulo"),
    resultBox("Label36", {9840, 6480, 2055, 375}, kConverter, "S12 Fase [°]"),
    resultBox("Label43", {1080, 6960, 2175, 375}, kConverter, "S21 Modulo"),
    resultBox("Label44", {3480, 6960, 2175, 375}, kConverter, "S21 Fase [°]"),
    resultBox("Label45", {7440, 6960, 2175, 375}, kConverter, "S22 Modulo"),
    resultBox("Label46", {9840, 6960, 2055, 375}, kConverter, "S22 Fase [°]"),

    // Reference impedance.
    caption("Label64", "Ro", {5160, 7800, 375, 255}),
    field("Text9", "50", {5640, 7680, 1815, 375}, "Ro", kConverter),
    ohmSign("Label65", {7560, 7800, 375, 255}),
};
static_assert(allWholePixels(kControls));

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

}  // namespace

const WindowDescription& form2Description() {
    return kForm2;
}

}  // namespace quadripolo::ui
