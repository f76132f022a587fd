#pragma once

#include <QColor>
#include <QtGlobal>

namespace quadripolo::ui::test {

// Left, Top, Width, Height in twips.
struct Twips {
    int left;
    int top;
    int width;
    int height;
};

struct ExpectedCaption {
    const char* window;
    const char* name;
    const char* text;  // UTF-8
    Twips twips;
    Qt::AlignmentFlag alignment;
};

struct ExpectedField {
    const char* window;
    const char* name;
    const char* initialText;
    const char* accessibleName;  // UTF-8
    Twips twips;
    QRgb background;
};

struct ExpectedResultBox {
    const char* window;
    const char* name;
    const char* description;  // the caption beside it, UTF-8
    Twips twips;
    QRgb background;
};

struct ExpectedButton {
    const char* window;
    const char* name;
    const char* caption;
    Twips twips;
    QRgb background;
};

// The two windows as a person sees them: every control with its name, text and place in twips.
// Transcribed independently of the program's own window tables, to check them.

inline constexpr ExpectedCaption kExpectedCaptions[] = {
    {"Form1", "Label3", "Modulo", {840, 240, 855, 255}, Qt::AlignHCenter},
    {"Form1", "Label4", "Fase [°]", {2760, 240, 855, 255}, Qt::AlignLeft},
    {"Form1", "Label5", "Modulo", {5400, 240, 855, 255}, Qt::AlignHCenter},
    {"Form1", "Label14", "Fase [°]", {7320, 240, 855, 255}, Qt::AlignLeft},
    {"Form1", "Label1", "S11", {120, 720, 375, 255}, Qt::AlignLeft},
    {"Form1", "Label2", "S21", {120, 1200, 375, 255}, Qt::AlignLeft},
    {"Form1", "Label7", "S12", {4560, 720, 375, 255}, Qt::AlignLeft},
    {"Form1", "Label8", "S22", {4560, 1200, 375, 255}, Qt::AlignLeft},
    {"Form1", "Label9", "Ro", {3240, 1800, 375, 255}, Qt::AlignLeft},
    {"Form1", "Label10", "[Ω]", {5640, 1680, 375, 255}, Qt::AlignLeft},
    {"Form1", "Label31", "E", {6600, 1680, 255, 255}, Qt::AlignLeft},
    {"Form1", "Label90", "[Veff]", {8640, 1800, 855, 255}, Qt::AlignLeft},
    {"Form1", "Label27", "Re(Ze)", {8880, 600, 735, 375}, Qt::AlignLeft},
    {"Form1", "Label28", "Im(Ze)", {11400, 600, 615, 375}, Qt::AlignLeft},
    {"Form1", "Label29", "Re(ZL)", {8880, 1080, 735, 375}, Qt::AlignLeft},
    {"Form1", "Label30", "Im(ZL)", {11400, 1080, 615, 375}, Qt::AlignLeft},
    {"Form1", "Label11", "Re(a1)", {120, 2520, 735, 255}, Qt::AlignRight},
    {"Form1", "Label12", "Im(a1)", {2760, 2520, 615, 255}, Qt::AlignRight},
    {"Form1", "Label15", "Re(a2)", {5400, 2520, 615, 255}, Qt::AlignRight},
    {"Form1", "Label17", "Im(a2)", {7920, 2520, 615, 255}, Qt::AlignRight},
    {"Form1", "Label19", "Re(b1)", {120, 3000, 735, 375}, Qt::AlignRight},
    {"Form1", "Label21", "Im(b1)", {2760, 3000, 615, 255}, Qt::AlignRight},
    {"Form1", "Label23", "Re(b2)", {5400, 3000, 615, 255}, Qt::AlignRight},
    {"Form1", "Label25", "Im(b2)", {7920, 3000, 615, 255}, Qt::AlignRight},
    {"Form1", "Label33", "PL", {5640, 3840, 255, 255}, Qt::AlignLeft},
    {"Form1", "Label35", "Pin", {8160, 3720, 375, 255}, Qt::AlignLeft},
    {"Form1", "Label37", "Re(Zi)", {5400, 4320, 615, 255}, Qt::AlignLeft},
    {"Form1", "Label38", "Im(Zi)", {8040, 4320, 495, 255}, Qt::AlignLeft},
    {"Form1", "Label45", "Re(V1)", {240, 3720, 615, 375}, Qt::AlignLeft},
    {"Form1", "Label48", "Im(V1)", {2760, 3720, 615, 255}, Qt::AlignLeft},
    {"Form1", "Label51", "Re(V2)", {240, 4200, 615, 375}, Qt::AlignLeft},
    {"Form1", "Label52", "Im(V2)", {2760, 4200, 615, 375}, Qt::AlignLeft},
    {"Form1", "Label71", "Re(Zout)", {10320, 2640, 855, 255}, Qt::AlignLeft},
    {"Form1", "Label72", "Im(Zout)", {13200, 2640, 735, 255}, Qt::AlignLeft},
    {"Form1", "Label77", "Re(I1)", {240, 4800, 615, 255}, Qt::AlignLeft},
    {"Form1", "Label78", "Im(I1)", {2760, 4800, 615, 255}, Qt::AlignLeft},
    {"Form1", "Label79", "Re(I2)", {5400, 4800, 615, 255}, Qt::AlignRight},
    {"Form1", "Label80", "Im(I2)", {8040, 4800, 495, 255}, Qt::AlignLeft},
    {"Form1", "Label42", "Re(Zi)", {5280, 9360, 615, 255}, Qt::AlignLeft},
    {"Form1", "Label44", "Im(Zi)", {7560, 9360, 495, 255}, Qt::AlignLeft},
    {"Form1", "Label54", "Re(V1)", {240, 8760, 735, 375}, Qt::AlignLeft},
    {"Form1", "Label56", "Im(V1)", {2640, 8760, 615, 375}, Qt::AlignLeft},
    {"Form1", "Label58", "Re(V2)", {240, 9360, 615, 255}, Qt::AlignLeft},
    {"Form1", "Label60", "Im(V2)", {2640, 9360, 735, 255}, Qt::AlignLeft},
    {"Form1", "Label62", "PL", {5520, 8880, 255, 255}, Qt::AlignLeft},
    {"Form1", "Label64", "Pin", {7680, 8880, 375, 255}, Qt::AlignLeft},
    {"Form1", "Label67", "Re(Zout)", {9840, 8880, 855, 255}, Qt::AlignLeft},
    {"Form1", "Label68", "Im(Zout)", {12360, 8880, 735, 255}, Qt::AlignLeft},
    {"Form1", "Label85", "Re(I1)", {240, 9840, 615, 255}, Qt::AlignLeft},
    {"Form1", "Label86", "Im(I1)", {2640, 9840, 735, 255}, Qt::AlignLeft},
    {"Form1", "Label87", "Re(I2)", {5160, 9840, 615, 375}, Qt::AlignRight},
    {"Form1", "Label88", "Im(I2)", {7440, 9840, 615, 375}, Qt::AlignRight},
    {"Form1",
     "Label40",
     "Calcoli effettuati usando solo i parametri S",
     {4560, 2160, 3855, 255},
     Qt::AlignLeft},
    {"Form1",
     "Label91",
     "Tensioni in Volt efficaci,correnti in Amper efficaci, a, b in valori efficaci, Potenze PL e "
     "Pin  in Watt , impedenze Zi e Zout in ohm",
     {11160, 4320, 4815, 615},
     Qt::AlignLeft},
    {"Form1",
     "Label89",
     "Calcoli effettuati usando solo i parametri z, ovviamente i risultati coincidono con quelli "
     "ottenuti usando i parametri S",
     {3480, 8400, 9975, 255},
     Qt::AlignLeft},
    {"Form2",
     "Label17",
     "Parametri z equivalenti agli S.  Tutti i valori in ohm.",
     {960, 120, 7455, 255},
     Qt::AlignLeft},
    {"Form2", "Label5", "Re(z11)", {120, 480, 735, 375}, Qt::AlignRight},
    {"Form2", "Label6", "Im(z11)", {3240, 480, 735, 375}, Qt::AlignRight},
    {"Form2", "Label7", "Re(z12)", {6360, 480, 735, 375}, Qt::AlignRight},
    {"Form2", "Label8", "Im(z12)", {9600, 480, 735, 375}, Qt::AlignRight},
    {"Form2", "Label13", "Re(z21)", {120, 1080, 735, 375}, Qt::AlignRight},
    {"Form2", "Label14", "Im(z21)", {3240, 1080, 735, 375}, Qt::AlignRight},
    {"Form2", "Label15", "Re(z22)", {6360, 1080, 735, 375}, Qt::AlignRight},
    {"Form2", "Label16", "Im(z22)", {9600, 1080, 735, 375}, Qt::AlignRight},
    {"Form2", "Label30", "Re(y11)", {240, 2040, 735, 375}, Qt::AlignRight},
    {"Form2", "Label29", "Im(y11)", {3360, 2040, 735, 375}, Qt::AlignRight},
    {"Form2", "Label28", "Re(y12)", {6480, 2040, 735, 375}, Qt::AlignRight},
    {"Form2", "Label27", "Im(y12)", {9720, 2040, 735, 375}, Qt::AlignRight},
    {"Form2", "Label22", "Re(y21)", {240, 2640, 735, 375}, Qt::AlignRight},
    {"Form2", "Label21", "Im(y21)", {3360, 2640, 735, 375}, Qt::AlignRight},
    {"Form2", "Label20", "Re(y22)", {6480, 2640, 735, 375}, Qt::AlignRight},
    {"Form2", "Label19", "Im(y22)", {9720, 2640, 735, 375}, Qt::AlignRight},
    {"Form2", "Label39", "Re(y11)", {240, 4800, 735, 375}, Qt::AlignRight},
    {"Form2", "Label40", "Im(y11)", {3360, 4800, 735, 375}, Qt::AlignRight},
    {"Form2", "Label41", "Re(y12)", {6480, 4800, 735, 375}, Qt::AlignRight},
    {"Form2", "Label42", "Im(y12)", {9720, 4800, 735, 375}, Qt::AlignRight},
    {"Form2", "Label47", "Re(y21)", {240, 5400, 735, 375}, Qt::AlignRight},
    {"Form2", "Label48", "Im(y21)", {3360, 5400, 735, 375}, Qt::AlignRight},
    {"Form2", "Label49", "Re(y22)", {6480, 5400, 735, 375}, Qt::AlignRight},
    {"Form2", "Label50", "Im(y22)", {9720, 5400, 735, 375}, Qt::AlignRight},
    {"Form2", "Label59", "Modulo", {1665, 6000, 645, 195}, Qt::AlignHCenter},
    {"Form2", "Label60", "Fase [°]", {3840, 6000, 855, 255}, Qt::AlignLeft},
    {"Form2", "Label61", "Modulo", {7920, 6000, 855, 255}, Qt::AlignHCenter},
    {"Form2", "Label66", "Fase [°]", {10200, 6000, 855, 255}, Qt::AlignLeft},
    {"Form2", "Label57", "S11", {600, 6480, 375, 255}, Qt::AlignLeft},
    {"Form2", "Label62", "S12", {6840, 6480, 375, 255}, Qt::AlignLeft},
    {"Form2", "Label58", "S21", {600, 6960, 375, 255}, Qt::AlignLeft},
    {"Form2", "Label63", "S22", {6840, 6960, 375, 255}, Qt::AlignLeft},
    {"Form2",
     "Label18",
     "Parametri y equivalenti agli S.  Tutti i valori in Siemens.",
     {960, 1680, 7455, 255},
     Qt::AlignLeft},
    {"Form2",
     "Label51",
     "Parametri y, tutti i valori in Siemens.",
     {1080, 4440, 7455, 255},
     Qt::AlignLeft},
    {"Form2", "Label64", "Ro", {5160, 7800, 375, 255}, Qt::AlignLeft},
    {"Form2", "Label65", "[Ω]", {7560, 7800, 375, 255}, Qt::AlignLeft},
};

inline constexpr ExpectedField kExpectedFields[] = {
    {"Form1", "Text1", "0.06", "S11 Modulo", {480, 600, 1575, 375}, qRgb(255, 255, 255)},
    {"Form1", "Text2", "-146.3", "S11 Fase [°]", {2400, 600, 1575, 375}, qRgb(255, 255, 255)},
    {"Form1", "Text3", "6.02", "S21 Modulo", {480, 1080, 1575, 375}, qRgb(255, 255, 255)},
    {"Form1", "Text4", "84", "S21 Fase [°]", {2400, 1080, 1575, 375}, qRgb(255, 255, 255)},
    {"Form1", "Text5", "0.06", "S12 Modulo", {5040, 600, 1575, 375}, qRgb(255, 255, 255)},
    {"Form1", "Text6", "70.7", "S12 Fase [°]", {6960, 600, 1575, 375}, qRgb(255, 255, 255)},
    {"Form1", "Text7", "0.57", "S22 Modulo", {5040, 1080, 1575, 375}, qRgb(255, 255, 255)},
    {"Form1", "Text8", "-19.2", "S22 Fase [°]", {6960, 1080, 1575, 375}, qRgb(255, 255, 255)},
    {"Form1", "Text9", "50", "Ro", {3720, 1680, 1695, 375}, qRgb(255, 255, 255)},
    {"Form1", "Text10", "10", "Re(Ze)", {9720, 600, 1575, 375}, qRgb(255, 255, 255)},
    {"Form1", "Text11", "20", "Im(Ze)", {12120, 600, 1575, 375}, qRgb(255, 255, 255)},
    {"Form1", "Text12", "100", "Re(ZL)", {9720, 1080, 1575, 375}, qRgb(255, 255, 255)},
    {"Form1", "Text13", "200", "Im(ZL)", {12120, 1080, 1575, 375}, qRgb(255, 255, 255)},
    {"Form1", "Text14", "1", "E", {6960, 1680, 1575, 405}, qRgb(255, 255, 255)},
    {"Form2", "Text1", "", "Re(y11)", {1080, 4800, 2175, 375}, qRgb(255, 255, 192)},
    {"Form2", "Text2", "", "Im(y11)", {4200, 4800, 2175, 375}, qRgb(255, 255, 192)},
    {"Form2", "Text3", "", "Re(y21)", {1080, 5280, 2175, 375}, qRgb(255, 255, 192)},
    {"Form2", "Text4", "", "Im(y21)", {4200, 5280, 2175, 375}, qRgb(255, 255, 192)},
    {"Form2", "Text5", "", "Re(y12)", {7440, 4800, 2055, 375}, qRgb(255, 255, 192)},
    {"Form2", "Text6", "", "Im(y12)", {10680, 4800, 2055, 375}, qRgb(255, 255, 192)},
    {"Form2", "Text7", "", "Re(y22)", {7440, 5280, 2055, 375}, qRgb(255, 255, 192)},
    {"Form2", "Text8", "", "Im(y22)", {10680, 5280, 2055, 375}, qRgb(255, 255, 192)},
    {"Form2", "Text9", "50", "Ro", {5640, 7680, 1815, 375}, qRgb(255, 255, 192)},
};

inline constexpr ExpectedResultBox kExpectedResultBoxes[] = {
    {"Form1", "Label6", "Re(a1)", {960, 2520, 1575, 375}, qRgb(192, 192, 255)},
    {"Form1", "Label13", "Im(a1)", {3480, 2520, 1575, 375}, qRgb(192, 192, 255)},
    {"Form1", "Label16", "Re(a2)", {6120, 2520, 1575, 375}, qRgb(192, 192, 255)},
    {"Form1", "Label18", "Im(a2)", {8640, 2520, 1575, 375}, qRgb(192, 192, 255)},
    {"Form1", "Label20", "Re(b1)", {960, 3000, 1575, 375}, qRgb(192, 192, 255)},
    {"Form1", "Label22", "Im(b1)", {3480, 3000, 1575, 375}, qRgb(192, 192, 255)},
    {"Form1", "Label24", "Re(b2)", {6120, 3000, 1575, 375}, qRgb(192, 192, 255)},
    {"Form1", "Label26", "Im(b2)", {8640, 3000, 1575, 375}, qRgb(192, 192, 255)},
    {"Form1", "Label32", "PL", {6000, 3720, 1575, 375}, qRgb(192, 192, 255)},
    {"Form1", "Label34", "Pin", {8640, 3720, 1575, 375}, qRgb(192, 192, 255)},
    {"Form1", "Label36", "Re(Zi)", {6000, 4200, 1575, 375}, qRgb(192, 192, 255)},
    {"Form1", "Label39", "Im(Zi)", {8640, 4200, 1575, 375}, qRgb(192, 192, 255)},
    {"Form1", "Label46", "Re(V1)", {960, 3720, 1575, 375}, qRgb(192, 192, 255)},
    {"Form1", "Label47", "Im(V1)", {3480, 3720, 1575, 375}, qRgb(192, 192, 255)},
    {"Form1", "Label49", "Re(V2)", {960, 4200, 1575, 375}, qRgb(192, 192, 255)},
    {"Form1", "Label50", "Im(V2)", {3480, 4200, 1575, 375}, qRgb(192, 192, 255)},
    {"Form1", "Label69", "Re(Zout)", {11400, 2520, 1575, 375}, qRgb(192, 192, 255)},
    {"Form1", "Label70", "Im(Zout)", {14040, 2520, 1575, 375}, qRgb(192, 192, 255)},
    {"Form1", "Label73", "Re(I1)", {960, 4680, 1575, 375}, qRgb(192, 192, 255)},
    {"Form1", "Label74", "Im(I1)", {3480, 4680, 1575, 375}, qRgb(192, 192, 255)},
    {"Form1", "Label75", "Re(I2)", {6000, 4680, 1575, 375}, qRgb(192, 192, 255)},
    {"Form1", "Label76", "Im(I2)", {8640, 4680, 1575, 375}, qRgb(192, 192, 255)},
    {"Form1", "Label41", "Re(Zi)", {5880, 9360, 1575, 375}, qRgb(255, 192, 192)},
    {"Form1", "Label43", "Im(Zi)", {8160, 9360, 1575, 375}, qRgb(255, 192, 192)},
    {"Form1", "Label53", "Re(V1)", {960, 8760, 1575, 375}, qRgb(255, 192, 192)},
    {"Form1", "Label55", "Im(V1)", {3360, 8760, 1575, 375}, qRgb(255, 192, 192)},
    {"Form1", "Label57", "Re(V2)", {960, 9360, 1575, 375}, qRgb(255, 192, 192)},
    {"Form1", "Label59", "Im(V2)", {3360, 9360, 1575, 375}, qRgb(255, 192, 192)},
    {"Form1", "Label61", "PL", {5880, 8760, 1575, 375}, qRgb(255, 192, 192)},
    {"Form1", "Label63", "Pin", {8160, 8760, 1575, 375}, qRgb(255, 192, 192)},
    {"Form1", "Label65", "Re(Zout)", {10680, 8760, 1575, 375}, qRgb(255, 192, 192)},
    {"Form1", "Label66", "Im(Zout)", {13200, 8760, 1575, 375}, qRgb(255, 192, 192)},
    {"Form1", "Label81", "Re(I1)", {960, 9840, 1575, 375}, qRgb(255, 192, 192)},
    {"Form1", "Label82", "Im(I1)", {3360, 9840, 1575, 375}, qRgb(255, 192, 192)},
    {"Form1", "Label83", "Re(I2)", {5880, 9840, 1575, 375}, qRgb(255, 192, 192)},
    {"Form1", "Label84", "Im(I2)", {8160, 9840, 1575, 375}, qRgb(255, 192, 192)},
    {"Form2", "Label1", "Re(z11)", {960, 480, 2175, 375}, qRgb(212, 208, 200)},
    {"Form2", "Label2", "Im(z11)", {4080, 480, 2175, 375}, qRgb(212, 208, 200)},
    {"Form2", "Label3", "Re(z12)", {7200, 480, 2175, 375}, qRgb(212, 208, 200)},
    {"Form2", "Label4", "Im(z12)", {10440, 480, 2175, 375}, qRgb(212, 208, 200)},
    {"Form2", "Label9", "Re(z21)", {960, 1080, 2175, 375}, qRgb(255, 255, 255)},
    {"Form2", "Label10", "Im(z21)", {4080, 1080, 2175, 375}, qRgb(255, 255, 255)},
    {"Form2", "Label11", "Re(z22)", {7200, 1080, 2175, 375}, qRgb(255, 255, 255)},
    {"Form2", "Label12", "Im(z22)", {10440, 1080, 2175, 375}, qRgb(255, 255, 255)},
    {"Form2", "Label34", "Re(y11)", {1080, 2040, 2175, 375}, qRgb(212, 208, 200)},
    {"Form2", "Label32", "Im(y11)", {4200, 2040, 2175, 375}, qRgb(212, 208, 200)},
    {"Form2", "Label31", "Re(y12)", {7320, 2040, 2175, 375}, qRgb(212, 208, 200)},
    {"Form2", "Label33", "Im(y12)", {10560, 2040, 2175, 375}, qRgb(212, 208, 200)},
    {"Form2", "Label26", "Re(y21)", {1080, 2640, 2175, 375}, qRgb(255, 255, 255)},
    {"Form2", "Label25", "Im(y21)", {4200, 2640, 2175, 375}, qRgb(255, 255, 255)},
    {"Form2", "Label24", "Re(y22)", {7320, 2640, 2175, 375}, qRgb(255, 255, 255)},
    {"Form2", "Label23", "Im(y22)", {10560, 2640, 2175, 375}, qRgb(255, 255, 255)},
    {"Form2", "Label35", "S11 Modulo", {1080, 6480, 2175, 375}, qRgb(255, 255, 192)},
    {"Form2", "Label37", "S11 Fase [°]", {3480, 6480, 2175, 375}, qRgb(255, 255, 192)},
    {"Form2", "Label38", "S12 Modulo", {7440, 6480, 2175, 375}, qRgb(255, 255, 192)},
    {"Form2", "Label36", "S12 Fase [°]", {9840, 6480, 2055, 375}, qRgb(255, 255, 192)},
    {"Form2", "Label43", "S21 Modulo", {1080, 6960, 2175, 375}, qRgb(255, 255, 192)},
    {"Form2", "Label44", "S21 Fase [°]", {3480, 6960, 2175, 375}, qRgb(255, 255, 192)},
    {"Form2", "Label45", "S22 Modulo", {7440, 6960, 2175, 375}, qRgb(255, 255, 192)},
    {"Form2", "Label46", "S22 Fase [°]", {9840, 6960, 2055, 375}, qRgb(255, 255, 192)},
};

inline constexpr ExpectedButton kExpectedButtons[] = {
    {"Form1",
     "Command1",
     "Calcola a1,a2, b1,b2, I1,I2,V1,V2,PL, Pin, Zi usando i parametri S",
     {11400, 3000, 1695, 1215},
     qRgb(192, 192, 255)},
    {"Form1",
     "Command2",
     "Calcola Zi, PL, Pi, V1,V2,I1,I2  usando i parametri z",
     {10680, 9360, 2175, 975},
     qRgb(255, 192, 192)},
    {"Form1",
     "Command3",
     "Visualizza parametri z e y equivalenti",
     {11880, 6240, 1935, 735},
     qRgb(255, 128, 0)},
    {"Form2",
     "Command2",
     "Copia valori di y trovati",
     {1080, 3720, 1815, 495},
     qRgb(255, 255, 192)},
    {"Form2", "Command1", "Converti da y a S", {5640, 3840, 1815, 495}, qRgb(255, 255, 192)},
};

}  // namespace quadripolo::ui::test
