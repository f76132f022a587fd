// SPDX-License-Identifier: MIT
#include <array>

#include "window_description.h"

namespace quadripolo::ui {

namespace {

using namespace rows;
using enum Unit;

constexpr std::string_view kInputs = "dati del circuito";
constexpr std::string_view kSAnalysis = "calcolo con i parametri S";
constexpr std::string_view kZAnalysis = "calcolo con i parametri z";

constexpr ControlDescription input(std::string_view name, std::string_view text, TwipRect twips,
                                   Described quantity) {
    return field(name, text, twips, colours::kWindow, quantity, kInputs);
}

// The result boxes of the two blocks: 1575 by 375, each block in its button's colour.
constexpr ControlDescription sBox(std::string_view name, int left, int top, Described quantity) {
    return resultBox(name, {left, top, 1575, 375}, colours::kSParameterBlock, quantity, kSAnalysis);
}
constexpr ControlDescription zBox(std::string_view name, int left, int top, Described quantity) {
    return resultBox(name, {left, top, 1575, 375}, colours::kZParameterBlock, quantity, kZAnalysis);
}

constexpr std::array kControls{
    // Input area: the S-parameter grid, Ro and E below it, Ze and ZL on the right.
    caption("Label3", "Modulo", {840, 240, 855, 255}, Alignment::Centre),
    caption("Label4", "Fase [°]", {2760, 240, 855, 255}),
    caption("Label5", "Modulo", {5400, 240, 855, 255}, Alignment::Centre),
    caption("Label14", "Fase [°]", {7320, 240, 855, 255}),
    caption("Label1", "S11", {120, 720, 375, 255}, Alignment::Left, "Text1"),
    caption("Label2", "S21", {120, 1200, 375, 255}, Alignment::Left, "Text3"),
    caption("Label7", "S12", {4560, 720, 375, 255}, Alignment::Left, "Text5"),
    caption("Label8", "S22", {4560, 1200, 375, 255}, Alignment::Left, "Text7"),
    caption("Label9", "Ro", {3240, 1800, 375, 255}, Alignment::Left, "Text9"),
    ohmSign("Label10", {5640, 1680, 375, 255}),
    caption("Label31", "E", {6600, 1680, 255, 255}, Alignment::Left, "Text14"),
    caption("Label90", "[Veff]", {8640, 1800, 855, 255}),
    caption("Label27", "Re(Ze)", {8880, 600, 735, 375}, Alignment::Left, "Text10"),
    caption("Label28", "Im(Ze)", {11400, 600, 615, 375}, Alignment::Left, "Text11"),
    caption("Label29", "Re(ZL)", {8880, 1080, 735, 375}, Alignment::Left, "Text12"),
    caption("Label30", "Im(ZL)", {11400, 1080, 615, 375}, Alignment::Left, "Text13"),

    input("Text1", "0.06", {480, 600, 1575, 375}, {"S11 modulo"}),
    input("Text2", "-146.3", {2400, 600, 1575, 375}, {"S11 fase", Degree}),
    input("Text3", "6.02", {480, 1080, 1575, 375}, {"S21 modulo"}),
    input("Text4", "84", {2400, 1080, 1575, 375}, {"S21 fase", Degree}),
    input("Text5", "0.06", {5040, 600, 1575, 375}, {"S12 modulo"}),
    input("Text6", "70.7", {6960, 600, 1575, 375}, {"S12 fase", Degree}),
    input("Text7", "0.57", {5040, 1080, 1575, 375}, {"S22 modulo"}),
    input("Text8", "-19.2", {6960, 1080, 1575, 375}, {"S22 fase", Degree}),
    input("Text9", "50", {3720, 1680, 1695, 375}, {"Ro", Ohm}),
    input("Text10", "10", {9720, 600, 1575, 375}, {"Re(Ze)", Ohm}),
    input("Text11", "20", {12120, 600, 1575, 375}, {"Im(Ze)", Ohm}),
    input("Text12", "100", {9720, 1080, 1575, 375}, {"Re(ZL)", Ohm}),
    input("Text13", "200", {12120, 1080, 1575, 375}, {"Im(ZL)", Ohm}),
    input("Text14", "1", {6960, 1680, 1575, 405}, {"E", Volt}),

    // S-parameter result block.
    caption("Label40", "Calcoli effettuati usando solo i parametri S", {4560, 2160, 3855, 255}),
    caption("Label11", "Re(a1)", {120, 2520, 735, 255}, Alignment::Right, "Label6"),
    sBox("Label6", 960, 2520, {"Re(a1)"}),
    caption("Label12", "Im(a1)", {2760, 2520, 615, 255}, Alignment::Right, "Label13"),
    sBox("Label13", 3480, 2520, {"Im(a1)"}),
    caption("Label15", "Re(a2)", {5400, 2520, 615, 255}, Alignment::Right, "Label16"),
    sBox("Label16", 6120, 2520, {"Re(a2)"}),
    caption("Label17", "Im(a2)", {7920, 2520, 615, 255}, Alignment::Right, "Label18"),
    sBox("Label18", 8640, 2520, {"Im(a2)"}),
    caption("Label19", "Re(b1)", {120, 3000, 735, 375}, Alignment::Right, "Label20"),
    sBox("Label20", 960, 3000, {"Re(b1)"}),
    caption("Label21", "Im(b1)", {2760, 3000, 615, 255}, Alignment::Right, "Label22"),
    sBox("Label22", 3480, 3000, {"Im(b1)"}),
    caption("Label23", "Re(b2)", {5400, 3000, 615, 255}, Alignment::Right, "Label24"),
    sBox("Label24", 6120, 3000, {"Re(b2)"}),
    caption("Label25", "Im(b2)", {7920, 3000, 615, 255}, Alignment::Right, "Label26"),
    sBox("Label26", 8640, 3000, {"Im(b2)"}),
    caption("Label33", "PL", {5640, 3840, 255, 255}, Alignment::Left, "Label32"),
    sBox("Label32", 6000, 3720, {"PL", Watt}),
    caption("Label35", "Pin", {8160, 3720, 375, 255}, Alignment::Left, "Label34"),
    sBox("Label34", 8640, 3720, {"Pin", Watt}),
    caption("Label37", "Re(Zi)", {5400, 4320, 615, 255}, Alignment::Left, "Label36"),
    sBox("Label36", 6000, 4200, {"Re(Zi)", Ohm}),
    caption("Label38", "Im(Zi)", {8040, 4320, 495, 255}, Alignment::Left, "Label39"),
    sBox("Label39", 8640, 4200, {"Im(Zi)", Ohm}),
    caption("Label45", "Re(V1)", {240, 3720, 615, 375}, Alignment::Left, "Label46"),
    sBox("Label46", 960, 3720, {"Re(V1)", Volt}),
    caption("Label48", "Im(V1)", {2760, 3720, 615, 255}, Alignment::Left, "Label47"),
    sBox("Label47", 3480, 3720, {"Im(V1)", Volt}),
    caption("Label51", "Re(V2)", {240, 4200, 615, 375}, Alignment::Left, "Label49"),
    sBox("Label49", 960, 4200, {"Re(V2)", Volt}),
    caption("Label52", "Im(V2)", {2760, 4200, 615, 375}, Alignment::Left, "Label50"),
    sBox("Label50", 3480, 4200, {"Im(V2)", Volt}),
    caption("Label71", "Re(Zout)", {10320, 2640, 855, 255}, Alignment::Left, "Label69"),
    sBox("Label69", 11400, 2520, {"Re(Zout)", Ohm}),
    caption("Label72", "Im(Zout)", {13200, 2640, 735, 255}, Alignment::Left, "Label70"),
    sBox("Label70", 14040, 2520, {"Im(Zout)", Ohm}),
    caption("Label77", "Re(I1)", {240, 4800, 615, 255}, Alignment::Left, "Label73"),
    sBox("Label73", 960, 4680, {"Re(I1)", Ampere}),
    caption("Label78", "Im(I1)", {2760, 4800, 615, 255}, Alignment::Left, "Label74"),
    sBox("Label74", 3480, 4680, {"Im(I1)", Ampere}),
    caption("Label79", "Re(I2)", {5400, 4800, 615, 255}, Alignment::Right, "Label75"),
    sBox("Label75", 6000, 4680, {"Re(I2)", Ampere}),
    caption("Label80", "Im(I2)", {8040, 4800, 495, 255}, Alignment::Left, "Label76"),
    sBox("Label76", 8640, 4680, {"Im(I2)", Ampere}),
    button("Command1", "Calcola a1,a2, b1,b2, I1,I2,V1,V2,PL, Pin, Zi usando i parametri S",
           {11400, 3000, 1695, 1215}, colours::kSParameterBlock),
    caption("Label91",
            "Tensioni in Volt efficaci,correnti in Amper efficaci, a, b in valori efficaci, "
            "Potenze PL e Pin  in Watt , impedenze Zi e Zout in ohm",
            {11160, 4320, 4815, 615}),

    // The schematic, and the button that opens the equivalent-parameter window.
    ControlDescription{
        .kind = ControlKind::Picture,
        .name = "Picture1",
        .text = {},
        .twips = {240, 5160, 10815, 3135},
        .border = Border::FixedSingle,
        .background = &colours::kWindow,
        .quantity = {"Schema del circuito: generatore E con Ze, quadripolo, carico ZL"}},
    button("Command3", "Visualizza parametri z e y equivalenti", {11880, 6240, 1935, 735},
           colours::kEquivalentWindow),

    // z-parameter result block.
    caption("Label89",
            "Calcoli effettuati usando solo i parametri z, ovviamente i risultati coincidono con "
            "quelli ottenuti usando i parametri S",
            {3480, 8400, 9975, 255}),
    caption("Label42", "Re(Zi)", {5280, 9360, 615, 255}, Alignment::Left, "Label41"),
    zBox("Label41", 5880, 9360, {"Re(Zi)", Ohm}),
    caption("Label44", "Im(Zi)", {7560, 9360, 495, 255}, Alignment::Left, "Label43"),
    zBox("Label43", 8160, 9360, {"Im(Zi)", Ohm}),
    caption("Label54", "Re(V1)", {240, 8760, 735, 375}, Alignment::Left, "Label53"),
    zBox("Label53", 960, 8760, {"Re(V1)", Volt}),
    caption("Label56", "Im(V1)", {2640, 8760, 615, 375}, Alignment::Left, "Label55"),
    zBox("Label55", 3360, 8760, {"Im(V1)", Volt}),
    caption("Label58", "Re(V2)", {240, 9360, 615, 255}, Alignment::Left, "Label57"),
    zBox("Label57", 960, 9360, {"Re(V2)", Volt}),
    caption("Label60", "Im(V2)", {2640, 9360, 735, 255}, Alignment::Left, "Label59"),
    zBox("Label59", 3360, 9360, {"Im(V2)", Volt}),
    caption("Label62", "PL", {5520, 8880, 255, 255}, Alignment::Left, "Label61"),
    zBox("Label61", 5880, 8760, {"PL", Watt}),
    caption("Label64", "Pin", {7680, 8880, 375, 255}, Alignment::Left, "Label63"),
    zBox("Label63", 8160, 8760, {"Pin", Watt}),
    caption("Label67", "Re(Zout)", {9840, 8880, 855, 255}, Alignment::Left, "Label65"),
    zBox("Label65", 10680, 8760, {"Re(Zout)", Ohm}),
    caption("Label68", "Im(Zout)", {12360, 8880, 735, 255}, Alignment::Left, "Label66"),
    zBox("Label66", 13200, 8760, {"Im(Zout)", Ohm}),
    caption("Label85", "Re(I1)", {240, 9840, 615, 255}, Alignment::Left, "Label81"),
    zBox("Label81", 960, 9840, {"Re(I1)", Ampere}),
    caption("Label86", "Im(I1)", {2640, 9840, 735, 255}, Alignment::Left, "Label82"),
    zBox("Label82", 3360, 9840, {"Im(I1)", Ampere}),
    caption("Label87", "Re(I2)", {5160, 9840, 615, 375}, Alignment::Right, "Label83"),
    zBox("Label83", 5880, 9840, {"Re(I2)", Ampere}),
    caption("Label88", "Im(I2)", {7440, 9840, 615, 375}, Alignment::Right, "Label84"),
    zBox("Label84", 8160, 9840, {"Im(I2)", Ampere}),
    button("Command2", "Calcola Zi, PL, Pi, V1,V2,I1,I2  usando i parametri z",
           {10680, 9360, 2175, 975}, colours::kZParameterBlock),

    // Contact line.
    ControlDescription{.kind = ControlKind::Label,
                       .name = "Label92",
                       .text = "Calcolo quadripoli",
                       .twips = {13320, 9960, 1575, 285},
                       .border = Border::FixedSingle,
                       .background = &colours::kContactLine,
                       .font = FontStyle::Regular},
};
static_assert(allWholePixels(kControls));
static_assert(obeysEveryColumn(kControls));

constexpr std::array<std::string_view, 18> kFocusOrder{
    "Text9",  "Text8",  "Text7",  "Text6",    "Text5",    "Text4",
    "Text3",  "Text2",  "Text1",  "Command1", "Text10",   "Text11",
    "Text12", "Text13", "Text14", "Command2", "Picture1", "Command3",
};

constexpr WindowDescription kForm1{
    .name = "Form1",
    .caption = "Quadripolo visto con i parametri S e confronto risultati con i parametri z",
    .clientWidthTwips = 16155,
    .clientHeightTwips = 10575,
    .background = colours::kActiveBorder,
    .controls = kControls,
    .focusOrder = kFocusOrder,
};
static_assert(namesPointOneWay(kControls, kFocusOrder));

}  // namespace

const WindowDescription& form1Description() {
    return kForm1;
}

}  // namespace quadripolo::ui
