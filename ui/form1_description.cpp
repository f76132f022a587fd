#include "form1_description.h"

#include <array>

#include "control_builders.h"

namespace quadripolo::ui {

namespace {

using namespace build;
using colours::kSParameterBlock;
using colours::kZParameterBlock;

constexpr std::array kControls{
    // Input area: the S-parameter grid, Ro and E below it, Ze and ZL on the right.
    caption("Label3", "Modulo", {840, 240, 855, 255}, Alignment::Centre),
    caption("Label4", "Fase [°]", {2760, 240, 855, 255}),
    caption("Label5", "Modulo", {5400, 240, 855, 255}, Alignment::Centre),
    caption("Label14", "Fase [°]", {7320, 240, 855, 255}),
    caption("Label1", "S11", {120, 720, 375, 255}),
    caption("Label2", "S21", {120, 1200, 375, 255}),
    caption("Label7", "S12", {4560, 720, 375, 255}),
    caption("Label8", "S22", {4560, 1200, 375, 255}),
    caption("Label9", "Ro", {3240, 1800, 375, 255}),
    ohmSign("Label10", {5640, 1680, 375, 255}),
    caption("Label31", "E", {6600, 1680, 255, 255}),
    caption("Label90", "[Veff]", {8640, 1800, 855, 255}),
    caption("Label27", "Re(Ze)", {8880, 600, 735, 375}),
    caption("Label28", "Im(Ze)", {11400, 600, 615, 375}),
    caption("Label29", "Re(ZL)", {8880, 1080, 735, 375}),
    caption("Label30", "Im(ZL)", {11400, 1080, 615, 375}),

    field("Text1", "0.06", {480, 600, 1575, 375}, "S11 Modulo"),
    field("Text2", "-146.3", {2400, 600, 1575, 375}, "S11 Fase [°]"),
    field("Text3", "6.02", {480, 1080, 1575, 375}, "S21 Modulo"),
    field("Text4", "84", {2400, 1080, 1575, 375}, "S21 Fase [°]"),
    field("Text5", "0.06", {5040, 600, 1575, 375}, "S12 Modulo"),
    field("Text6", "70.7", {6960, 600, 1575, 375}, "S12 Fase [°]"),
    field("Text7", "0.57", {5040, 1080, 1575, 375}, "S22 Modulo"),
    field("Text8", "-19.2", {6960, 1080, 1575, 375}, "S22 Fase [°]"),
    field("Text9", "50", {3720, 1680, 1695, 375}, "Ro"),
    field("Text10", "10", {9720, 600, 1575, 375}, "Re(Ze)"),
    field("Text11", "20", {12120, 600, 1575, 375}, "Im(Ze)"),
    field("Text12", "100", {9720, 1080, 1575, 375}, "Re(ZL)"),
    field("Text13", "200", {12120, 1080, 1575, 375}, "Im(ZL)"),
    field("Text14", "1", {6960, 1680, 1575, 405}, "E"),

    // S-parameter result block.
    caption("Label40", "Calcoli effettuati usando solo i parametri S", {4560, 2160, 3855, 255}),
    caption("Label11", "Re(a1)", {120, 2520, 735, 255}, Alignment::Right),
    resultBox("Label6", {960, 2520, 1575, 375}, kSParameterBlock, "Re(a1)"),
    caption("Label12", "Im(a1)", {2760, 2520, 615, 255}, Alignment::Right),
    resultBox("Label13", {3480, 2520, 1575, 375}, kSParameterBlock, "Im(a1)"),
    caption("Label15", "Re(a2)", {5400, 2520, 615, 255}, Alignment::Right),
    resultBox("Label16", {6120, 2520, 1575, 375}, kSParameterBlock, "Re(a2)"),
    caption("Label17", "Im(a2)", {7920, 2520, 615, 255}, Alignment::Right),
    resultBox("Label18", {8640, 2520, 1575, 375}, kSParameterBlock, "Im(a2)"),
    caption("Label19", "Re(b1)", {120, 3000, 735, 375}, Alignment::Right),
    resultBox("Label20", {960, 3000, 1575, 375}, kSParameterBlock, "Re(b1)"),
    caption("Label21", "Im(b1)", {2760, 3000, 615, 255}, Alignment::Right),
    resultBox("Label22", {3480, 3000, 1575, 375}, kSParameterBlock, "Im(b1)"),
    caption("Label23", "Re(b2)", {5400, 3000, 615, 255}, Alignment::Right),
    resultBox("Label24", {6120, 3000, 1575, 375}, kSParameterBlock, "Re(b2)"),
    caption("Label25", "Im(b2)", {7920, 3000, 615, 255}, Alignment::Right),
    resultBox("Label26", {8640, 3000, 1575, 375}, kSParameterBlock, "Im(b2)"),
    caption("Label33", "PL", {5640, 3840, 255, 255}),
    resultBox("Label32", {6000, 3720, 1575, 375}, kSParameterBlock, "PL"),
    caption("Label35", "Pin", {8160, 3720, 375, 255}),
    resultBox("Label34", {8640, 3720, 1575, 375}, kSParameterBlock, "Pin"),
    caption("Label37", "Re(Zi)", {5400, 4320, 615, 255}),
    resultBox("Label36", {6000, 4200, 1575, 375}, kSParameterBlock, "Re(Zi)"),
    caption("Label38", "Im(Zi)", {8040, 4320, 495, 255}),
    resultBox("Label39", {8640, 4200, 1575, 375}, kSParameterBlock, "Im(Zi)"),
    caption("Label45", "Re(V1)", {240, 3720, 615, 375}),
    resultBox("Label46", {960, 3720, 1575, 375}, kSParameterBlock, "Re(V1)"),
    caption("Label48", "Im(V1)", {2760, 3720, 615, 255}),
    resultBox("Label47", {3480, 3720, 1575, 375}, kSParameterBlock, "Im(V1)"),
    caption("Label51", "Re(V2)", {240, 4200, 615, 375}),
    resultBox("Label49", {960, 4200, 1575, 375}, kSParameterBlock, "Re(V2)"),
    caption("Label52", "Im(V2)", {2760, 4200, 615, 375}),
    resultBox("Label50", {3480, 4200, 1575, 375}, kSParameterBlock, "Im(V2)"),
    caption("Label71", "Re(Zout)", {10320, 2640, 855, 255}),
    resultBox("Label69", {11400, 2520, 1575, 375}, kSParameterBlock, "Re(Zout)"),
    caption("Label72", "Im(Zout)", {13200, 2640, 735, 255}),
    resultBox("Label70", {14040, 2520, 1575, 375}, kSParameterBlock, "Im(Zout)"),
    caption("Label77", "Re(I1)", {240, 4800, 615, 255}),
    resultBox("Label73", {960, 4680, 1575, 375}, kSParameterBlock, "Re(I1)"),
    caption("Label78", "Im(I1)", {2760, 4800, 615, 255}),
    resultBox("Label74", {3480, 4680, 1575, 375}, kSParameterBlock, "Im(I1)"),
    caption("Label79", "Re(I2)", {5400, 4800, 615, 255}, Alignment::Right),
    resultBox("Label75", {6000, 4680, 1575, 375}, kSParameterBlock, "Re(I2)"),
    caption("Label80", "Im(I2)", {8040, 4800, 495, 255}),
    resultBox("Label76", {8640, 4680, 1575, 375}, kSParameterBlock, "Im(I2)"),
    button("Command1", "Calcola a1,a2, b1,b2, I1,I2,V1,V2,PL, Pin, Zi usando i parametri S",
           {11400, 3000, 1695, 1215}, kSParameterBlock),
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
        .background = colours::kWindow,
        .accessibleCaption = "Schema del circuito: generatore E con Ze, quadripolo, carico ZL"},
    button("Command3", "Visualizza parametri z e y equivalenti", {11880, 6240, 1935, 735},
           colours::kEquivalentWindow),

    // z-parameter result block.
    caption("Label89",
            "Calcoli effettuati usando solo i parametri z, ovviamente i risultati coincidono con "
            "quelli ottenuti usando i parametri S",
            {3480, 8400, 9975, 255}),
    caption("Label42", "Re(Zi)", {5280, 9360, 615, 255}),
    resultBox("Label41", {5880, 9360, 1575, 375}, kZParameterBlock, "Re(Zi)"),
    caption("Label44", "Im(Zi)", {7560, 9360, 495, 255}),
    resultBox("Label43", {8160, 9360, 1575, 375}, kZParameterBlock, "Im(Zi)"),
    caption("Label54", "Re(V1)", {240, 8760, 735, 375}),
    resultBox("Label53", {960, 8760, 1575, 375}, kZParameterBlock, "Re(V1)"),
    caption("Label56", "Im(V1)", {2640, 8760, 615, 375}),
    resultBox("Label55", {3360, 8760, 1575, 375}, kZParameterBlock, "Im(V1)"),
    caption("Label58", "Re(V2)", {240, 9360, 615, 255}),
    resultBox("Label57", {960, 9360, 1575, 375}, kZParameterBlock, "Re(V2)"),
    caption("Label60", "Im(V2)", {2640, 9360, 735, 255}),
    resultBox("Label59", {3360, 9360, 1575, 375}, kZParameterBlock, "Im(V2)"),
    caption("Label62", "PL", {5520, 8880, 255, 255}),
    resultBox("Label61", {5880, 8760, 1575, 375}, kZParameterBlock, "PL"),
    caption("Label64", "Pin", {7680, 8880, 375, 255}),
    resultBox("Label63", {8160, 8760, 1575, 375}, kZParameterBlock, "Pin"),
    caption("Label67", "Re(Zout)", {9840, 8880, 855, 255}),
    resultBox("Label65", {10680, 8760, 1575, 375}, kZParameterBlock, "Re(Zout)"),
    caption("Label68", "Im(Zout)", {12360, 8880, 735, 255}),
    resultBox("Label66", {13200, 8760, 1575, 375}, kZParameterBlock, "Im(Zout)"),
    caption("Label85", "Re(I1)", {240, 9840, 615, 255}),
    resultBox("Label81", {960, 9840, 1575, 375}, kZParameterBlock, "Re(I1)"),
    caption("Label86", "Im(I1)", {2640, 9840, 735, 255}),
    resultBox("Label82", {3360, 9840, 1575, 375}, kZParameterBlock, "Im(I1)"),
    caption("Label87", "Re(I2)", {5160, 9840, 615, 375}, Alignment::Right),
    resultBox("Label83", {5880, 9840, 1575, 375}, kZParameterBlock, "Re(I2)"),
    caption("Label88", "Im(I2)", {7440, 9840, 615, 375}, Alignment::Right),
    resultBox("Label84", {8160, 9840, 1575, 375}, kZParameterBlock, "Im(I2)"),
    button("Command2", "Calcola Zi, PL, Pi, V1,V2,I1,I2  usando i parametri z",
           {10680, 9360, 2175, 975}, kZParameterBlock),

    // Contact line.
    ControlDescription{.kind = ControlKind::Caption,
                       .name = "Label92",
                       .text = "Calcolo quadripoli",
                       .twips = {13320, 9960, 1575, 285},
                       .border = Border::FixedSingle,
                       .background = colours::kContactLine,
                       .font = FontStyle::Regular},
};
static_assert(allWholePixels(kControls));

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

}  // namespace

const WindowDescription& form1Description() {
    return kForm1;
}

}  // namespace quadripolo::ui
