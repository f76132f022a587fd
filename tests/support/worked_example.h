#pragma once

// The worked example that the tests share: the main window's default inputs, the texts that each
// command shows for them, and every message that the commands give, written out in full.

#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace quadripolo::testing {

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

// The main window's upper block with the default inputs, after its first button.
inline constexpr ShownText kSAnalysisTexts[] = {
    {"Label6", "11.47E-02"},  {"Label13", "-10.08E-02"}, {"Label16", "51.70E-02"},
    {"Label18", "13.28E-01"}, {"Label20", "-74.04E-03"}, {"Label22", "56.83E-03"},
    {"Label24", "12.03E-01"}, {"Label26", "12.41E-01"},  {"Label32", "95.60E-02"},
    {"Label34", "14.60E-03"}, {"Label36", "12.07E+00"},  {"Label39", "-15.64E-01"},
    {"Label46", "28.73E-02"}, {"Label47", "-31.08E-02"}, {"Label49", "12.16E+00"},
    {"Label50", "18.17E+00"}, {"Label69", "62.42E+00"},  {"Label70", "-13.20E+01"},
    {"Label73", "26.69E-03"}, {"Label74", "-22.29E-03"}, {"Label75", "-97.00E-03"},
    {"Label76", "12.31E-03"},
};

// The main window's lower block with the default inputs, after its second button.
inline constexpr ShownText kZAnalysisTexts[] = {
    {"Label41", "12.07E+00"},  {"Label43", "-15.64E-01"}, {"Label53", "28.73E-02"},
    {"Label55", "-31.08E-02"}, {"Label57", "12.16E+00"},  {"Label59", "18.17E+00"},
    {"Label61", "95.60E-02"},  {"Label63", "14.60E-03"},  {"Label65", "62.42E+00"},
    {"Label66", "-13.20E+01"}, {"Label81", "26.69E-03"},  {"Label82", "-22.29E-03"},
    {"Label83", "-97.00E-03"}, {"Label84", "12.31E-03"},
};

// Form2's sixteen z and y boxes with the default inputs, after the main window's third button,
// with a point as decimal separator: Re and Im of z11, z12, z21, z22, then of y11, y12, y21, y22.
inline constexpr ShownText kEquivalentTexts[] = {
    {"Label1", "87.19E-01"},  {"Label2", "19.07E+00"},   {"Label3", "29.53E-01"},
    {"Label4", "68.22E-01"},  {"Label9", "13.09E+01"},   {"Label10", "73.43E+01"},
    {"Label11", "80.04E+00"}, {"Label12", "-52.04E-01"}, {"Label34", "13.87E-03"},
    {"Label32", "30.85E-04"}, {"Label31", "-16.39E-05"}, {"Label33", "-13.07E-04"},
    {"Label26", "14.16E-03"}, {"Label25", "-13.14E-02"}, {"Label24", "53.71E-05"},
    {"Label23", "36.75E-04"},
};

// Form2's y fields after its copy button, with the default inputs of the main window.
inline constexpr ShownText kCopiedY[] = {
    {"Text1", "13.87E-03"},  {"Text2", "30.85E-04"}, {"Text5", "-16.39E-05"},
    {"Text6", "-13.07E-04"}, {"Text3", "14.16E-03"}, {"Text4", "-13.14E-02"},
    {"Text7", "53.71E-05"},  {"Text8", "36.75E-04"},
};

// Form2's S boxes after converting the copied y texts (with Ro 50) back, in the order the
// conversion writes them: modulus and phase of S11, S12, S21, S22. The third-quadrant S11 gets a
// phase above 180 degrees.
inline constexpr ShownText kSOfCopiedY[] = {
    {"Label35", "60.11E-03"}, {"Label37", "21.36E+01"},  {"Label38", "60.01E-03"},
    {"Label36", "70.70E+00"}, {"Label43", "60.21E-01"},  {"Label44", "84.00E+00"},
    {"Label45", "56.98E-02"}, {"Label46", "-19.20E+00"},
};

// Form2's S boxes after converting the y of the default inputs at full precision: the main
// window's S parameters back, S11 at 213.7 degrees.
inline constexpr ShownText kSOfFullPrecisionY[] = {
    {"Label35", "60.00E-03"}, {"Label37", "21.37E+01"},  {"Label38", "60.00E-03"},
    {"Label36", "70.70E+00"}, {"Label43", "60.20E-01"},  {"Label44", "84.00E+00"},
    {"Label45", "57.00E-02"}, {"Label46", "-19.20E+00"},
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

// A field and the two messages with which the field check refuses it.
struct FieldMessages {
    const char* field;
    const char* missing;  // the field is empty
    const char* bad;      // the field holds a character that no number has
};

// The main window's fields in reading order, with their two messages.
inline constexpr FieldMessages kMainWindowFieldMessages[] = {
    {"Text1", "Hai dimenticato di scrivere il valore del modulo di S11",
     "Errore di inserimento dati per il valore del modulo di S11. Puoi scrivere soltanto numeri "
     "razionali con il punto come separatore decimale, anche in forma esponenziale. Ad es: 1.23 "
     ", 1E-5 , 5E3"},
    {"Text2", "Hai dimenticato di scrivere il valore della fase di S11 in gradi",
     "Errore di inserimento dati per il valore della fase di S11 in gradi. Puoi scrivere soltanto "
     "numeri razionali con il punto come separatore decimale, anche in forma esponenziale. Ad es: "
     "1.23 , 1E-5 , 5E3"},
    {"Text5", "Hai dimenticato di scrivere il valore del modulo di S12",
     "Errore di inserimento dati per il valore del modulo di S12. Puoi scrivere soltanto numeri "
     "razionali con il punto come separatore decimale, anche in forma esponenziale. Ad es: 1.23 "
     ", 1E-5 , 5E3"},
    {"Text6", "Hai dimenticato di scrivere il valore della fase di S12 in gradi",
     "Errore di inserimento dati per il valore della fase di S12 in gradi. Puoi scrivere soltanto "
     "numeri razionali con il punto come separatore decimale, anche in forma esponenziale. Ad es: "
     "1.23 , 1E-5 , 5E3"},
    {"Text3", "Hai dimenticato di scrivere il valore del modulo di S21",
     "Errore di inserimento dati per il valore del modulo di S21. Puoi scrivere soltanto numeri "
     "razionali con il punto come separatore decimale, anche in forma esponenziale. Ad es: 1.23 "
     ", 1E-5 , 5E3"},
    {"Text4", "Hai dimenticato di scrivere il valore della fase di S21 in gradi",
     "Errore di inserimento dati per il valore della fase di S21 in gradi. Puoi scrivere soltanto "
     "numeri razionali con il punto come separatore decimale, anche in forma esponenziale. Ad es: "
     "1.23 , 1E-5 , 5E3"},
    {"Text7", "Hai dimenticato di scrivere il valore del modulo di S22",
     "Errore di inserimento dati per il valore del modulo di S22. Puoi scrivere soltanto numeri "
     "razionali con il punto come separatore decimale, anche in forma esponenziale. Ad es: 1.23 "
     ", 1E-5 , 5E3"},
    {"Text8", "Hai dimenticato di scrivere il valore della fase di S22 in gradi",
     "Errore di inserimento dati per il valore della fase di S22 in gradi. Puoi scrivere soltanto "
     "numeri razionali con il punto come separatore decimale, anche in forma esponenziale. Ad es: "
     "1.23 , 1E-5 , 5E3"},
    {"Text10", "Hai dimenticato di scrivere il valore della parte reale di Ze",
     "Errore di inserimento dati per il valore della parte reale di Ze. Puoi scrivere soltanto "
     "numeri razionali con il punto come separatore decimale, anche in forma esponenziale. Ad es: "
     "1.23 , 1E-5 , 5E3"},
    {"Text11", "Hai dimenticato di scrivere il valore della parte immaginaria di Ze",
     "Errore di inserimento dati per il valore della parte immaginaria di Ze. Puoi scrivere "
     "soltanto numeri razionali con il punto come separatore decimale, anche in forma "
     "esponenziale. Ad es: 1.23 , 1E-5 , 5E3"},
    {"Text12", "Hai dimenticato di scrivere il valore della parte reale di ZL",
     "Errore di inserimento dati per il valore della parte reale di ZL. Puoi scrivere soltanto "
     "numeri razionali con il punto come separatore decimale, anche in forma esponenziale. Ad es: "
     "1.23 , 1E-5 , 5E3"},
    {"Text13", "Hai dimenticato di scrivere il valore della parte immaginaria di ZL",
     "Errore di inserimento dati per il valore della parte immaginaria di ZL. Puoi scrivere "
     "soltanto numeri razionali con il punto come separatore decimale, anche in forma "
     "esponenziale. Ad es: 1.23 , 1E-5 , 5E3"},
    {"Text9", "Hai dimenticato di scrivere il valore di Ro=Zo impedenza di riferimento",
     "Errore di inserimento dati per il valore di Ro=Zo impedenza di riferimento. Puoi scrivere "
     "soltanto numeri razionali con il punto come separatore decimale, anche in forma "
     "esponenziale. Ad es: 1.23 , 1E-5 , 5E3"},
    {"Text14", "Hai dimenticato di scrivere il valore della tensione a vuoto in Volt efficaci E",
     "Errore di inserimento dati per il valore della tensione a vuoto in Volt efficaci E. Puoi "
     "scrivere soltanto numeri razionali con il punto come separatore decimale, anche in forma "
     "esponenziale. Ad es: 1.23 , 1E-5 , 5E3"},
};

// Form2's fields in reading order, with their two messages ("della della" as the window says).
inline constexpr FieldMessages kYWindowFieldMessages[] = {
    {"Text1", "Hai dimenticato di scrivere il valore della parte reale di y11",
     "Errore di inserimento dati per il valore della parte reale di y11. Puoi scrivere soltanto "
     "numeri razionali con il punto come separatore decimale, anche in forma esponenziale. Ad es: "
     "1.23 , 1E-5 , 5E3"},
    {"Text2", "Hai dimenticato di scrivere il valore della della parte immaginaria di y11",
     "Errore di inserimento dati per il valore della parte immaginaria di y11. Puoi scrivere "
     "soltanto numeri razionali con il punto come separatore decimale, anche in forma "
     "esponenziale. Ad es: 1.23 , 1E-5 , 5E3"},
    {"Text5", "Hai dimenticato di scrivere il valore della parte reale di y12",
     "Errore di inserimento dati per il valore della parte reale di y12. Puoi scrivere soltanto "
     "numeri razionali con il punto come separatore decimale, anche in forma esponenziale. Ad es: "
     "1.23 , 1E-5 , 5E3"},
    {"Text6", "Hai dimenticato di scrivere il valore della della parte immaginaria di y12",
     "Errore di inserimento dati per il valore della parte immaginaria di y12. Puoi scrivere "
     "soltanto numeri razionali con il punto come separatore decimale, anche in forma "
     "esponenziale. Ad es: 1.23 , 1E-5 , 5E3"},
    {"Text3", "Hai dimenticato di scrivere il valore della parte reale di y21",
     "Errore di inserimento dati per il valore della parte reale di y21. Puoi scrivere soltanto "
     "numeri razionali con il punto come separatore decimale, anche in forma esponenziale. Ad es: "
     "1.23 , 1E-5 , 5E3"},
    {"Text4", "Hai dimenticato di scrivere il valore della della parte immaginaria di y21",
     "Errore di inserimento dati per il valore della parte immaginaria di y21. Puoi scrivere "
     "soltanto numeri razionali con il punto come separatore decimale, anche in forma "
     "esponenziale. Ad es: 1.23 , 1E-5 , 5E3"},
    {"Text7", "Hai dimenticato di scrivere il valore della parte reale di y22",
     "Errore di inserimento dati per il valore della parte reale di y22. Puoi scrivere soltanto "
     "numeri razionali con il punto come separatore decimale, anche in forma esponenziale. Ad es: "
     "1.23 , 1E-5 , 5E3"},
    {"Text8", "Hai dimenticato di scrivere il valore della della parte immaginaria di y22",
     "Errore di inserimento dati per il valore della parte immaginaria di y22. Puoi scrivere "
     "soltanto numeri razionali con il punto come separatore decimale, anche in forma "
     "esponenziale. Ad es: 1.23 , 1E-5 , 5E3"},
    {"Text9", "Hai dimenticato di scrivere il valore di Ro=Zo impedenza di riferimento",
     "Errore di inserimento dati per il valore di Ro=Zo impedenza di riferimento. Puoi scrivere "
     "soltanto numeri razionali con il punto come separatore decimale, anche in forma "
     "esponenziale. Ad es: 1.23 , 1E-5 , 5E3"},
};

// The two messages of `field` in `table`.
inline const FieldMessages& messagesOf(std::span<const FieldMessages> table,
                                       std::string_view field) {
    for (const FieldMessages& entry : table) {
        if (field == entry.field) {
            return entry;
        }
    }
    throw std::invalid_argument("no messages for field " + std::string(field));
}

// The messages that end a command at an arithmetic fault, one per faulting step.
inline constexpr char kFaultGammaIn[] =
    "Calcolo interrotto: divisione per zero durante il calcolo del coefficiente di riflessione "
    "d'ingresso. Nessun risultato è stato scritto: controlla i dati inseriti.";
inline constexpr char kFaultA1[] =
    "Calcolo interrotto: operazione non valida (ad esempio la radice quadrata di un numero "
    "negativo) durante il calcolo dell'onda a1. Nessun risultato è stato scritto: controlla i "
    "dati inseriti.";
inline constexpr char kFaultZoutPerZl[] =
    "Calcolo interrotto: divisione per zero durante il calcolo del rapporto Zout/ZL. Nessun "
    "risultato è stato scritto: controlla i dati inseriti.";
inline constexpr char kFaultGammaL[] =
    "Calcolo interrotto: divisione per zero durante il calcolo del coefficiente di riflessione "
    "del carico. Nessun risultato è stato scritto: controlla i dati inseriti.";
inline constexpr char kFaultA2OverA1[] =
    "Calcolo interrotto: divisione per zero durante il calcolo del rapporto a2/a1. Nessun "
    "risultato è stato scritto: controlla i dati inseriti.";
inline constexpr char kFaultI1ByZ[] =
    "Calcolo interrotto: divisione per zero durante il calcolo di I1 con i parametri z. Nessun "
    "risultato è stato scritto: controlla i dati inseriti.";
inline constexpr char kFaultI2ByZ[] =
    "Calcolo interrotto: divisione per zero durante il calcolo di I2 con i parametri z. Nessun "
    "risultato è stato scritto: controlla i dati inseriti.";

}  // namespace quadripolo::testing
