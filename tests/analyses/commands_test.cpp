#include "commands.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "support/fake_window.h"

namespace quadripolo {
namespace {

using testing::FakeMainWindow;
using testing::FakeWindow;
using Texts = std::map<std::string, std::string, std::less<>>;

// Runs a command the way a click does.
template <class Command, class W>
void click(Command command, NetworkState& state, W& window) {
    runCommand(window, [&] { command(state, window); });
}

// Only the texts of the named controls, to compare with a table.
template <class W>
Texts pick(const W& window, const Texts& expected) {
    Texts found;
    for (const auto& [control, text] : expected) {
        found[control] = window.text(control);
    }
    return found;
}

const Texts kSAnalysisTexts = {
    {"Label6", "11.47E-02"},  {"Label13", "-10.08E-02"}, {"Label16", "51.70E-02"},
    {"Label18", "13.28E-01"}, {"Label20", "-74.04E-03"}, {"Label22", "56.83E-03"},
    {"Label24", "12.03E-01"}, {"Label26", "12.41E-01"},  {"Label32", "95.60E-02"},
    {"Label34", "14.60E-03"}, {"Label36", "12.07E+00"},  {"Label39", "-15.64E-01"},
    {"Label46", "28.73E-02"}, {"Label47", "-31.08E-02"}, {"Label49", "12.16E+00"},
    {"Label50", "18.17E+00"}, {"Label69", "62.42E+00"},  {"Label70", "-13.20E+01"},
    {"Label73", "26.69E-03"}, {"Label74", "-22.29E-03"}, {"Label75", "-97.00E-03"},
    {"Label76", "12.31E-03"},
};

const Texts kZAnalysisTexts = {
    {"Label41", "12.07E+00"},  {"Label43", "-15.64E-01"}, {"Label53", "28.73E-02"},
    {"Label55", "-31.08E-02"}, {"Label57", "12.16E+00"},  {"Label59", "18.17E+00"},
    {"Label61", "95.60E-02"},  {"Label63", "14.60E-03"},  {"Label65", "62.42E+00"},
    {"Label66", "-13.20E+01"}, {"Label81", "26.69E-03"},  {"Label82", "-22.29E-03"},
    {"Label83", "-97.00E-03"}, {"Label84", "12.31E-03"},
};

const Texts kCopiedY = {
    {"Text1", "13.87E-03"},  {"Text2", "30.85E-04"}, {"Text5", "-16.39E-05"},
    {"Text6", "-13.07E-04"}, {"Text3", "14.16E-03"}, {"Text4", "-13.14E-02"},
    {"Text7", "53.71E-05"},  {"Text8", "36.75E-04"},
};

TEST(Form1Command1, ShowsTheTwentyTwoResultsOfTheDefaults) {
    NetworkState state;
    FakeMainWindow form1;
    form1.separator = ",";  // the main window's results keep the point in any locale
    click(form1::Command1_Click, state, form1);
    EXPECT_TRUE(form1.messages.empty());
    EXPECT_EQ(pick(form1, kSAnalysisTexts), kSAnalysisTexts);
    EXPECT_EQ(form1.fullValues.size(), 22U);
    EXPECT_EQ(form1.fullValues["Label32"], state.pl);
}

TEST(Form1Command1, GivesTheSameTextsOnASecondClick) {
    NetworkState state;
    FakeMainWindow form1;
    click(form1::Command1_Click, state, form1);
    const Texts first = form1.texts;
    click(form1::Command1_Click, state, form1);
    EXPECT_EQ(form1.texts, first);
}

TEST(Form1Command2, FirstAfterStartShowsZeroPowersOfTheSAnalysis) {
    NetworkState state;
    FakeMainWindow form1;
    click(form1::Command2_Click, state, form1);
    EXPECT_EQ(pick(form1, kZAnalysisTexts), kZAnalysisTexts);
    EXPECT_EQ(form1.text("Label32"), "00.00E+00");
    EXPECT_EQ(form1.text("Label34"), "00.00E+00");
    EXPECT_EQ(form1.text("Label6"), "");  // the S block's other boxes stay empty
}

TEST(Form1Command2, KeepsThePowersOfTheLastSAnalysis) {
    NetworkState state;
    FakeMainWindow form1;
    click(form1::Command1_Click, state, form1);
    form1.texts["Text14"] = "2";  // other inputs for the z analysis
    click(form1::Command2_Click, state, form1);
    EXPECT_EQ(form1.text("Label32"), "95.60E-02");
    EXPECT_EQ(form1.text("Label34"), "14.60E-03");
    EXPECT_EQ(form1.text("Label61"), "38.24E-01");  // PL grows with E²
}

TEST(Form1Command3, OpensTheSecondWindowWithZAndYInTheLocalesSeparator) {
    for (const char* separator : {".", ","}) {
        NetworkState state;
        FakeMainWindow form1;
        form1.separator = separator;
        click(form1::Command3_Click, state, form1);
        ASSERT_NE(form1.form2, nullptr);
        const bool comma = std::string(separator) == ",";
        const Texts expected = {
            {"Label1", comma ? "87,19E-01" : "87.19E-01"},
            {"Label2", comma ? "19,07E+00" : "19.07E+00"},
            {"Label11", comma ? "80,04E+00" : "80.04E+00"},
            {"Label12", comma ? "-52,04E-01" : "-52.04E-01"},
            {"Label32", comma ? "30,85E-04" : "30.85E-04"},
            {"Label33", comma ? "-13,07E-04" : "-13.07E-04"},
            {"Label25", comma ? "-13,14E-02" : "-13.14E-02"},
            {"Label23", comma ? "36,75E-04" : "36.75E-04"},
        };
        EXPECT_EQ(pick(*form1.form2, expected), expected);
        EXPECT_EQ(form1.form2->writes, 16);
        EXPECT_EQ(form1.writes, 0);  // nothing changes in the main window
    }
}

TEST(Form1Command3, ABadFieldOpensNothing) {
    NetworkState state;
    FakeMainWindow form1;
    form1.texts["Text14"] = "";
    click(form1::Command3_Click, state, form1);
    EXPECT_EQ(
        form1.messages,
        std::vector<std::string>{
            "Hai dimenticato di scrivere il valore della tensione a vuoto in Volt efficaci E"});
    EXPECT_EQ(form1.opens, 0);
}

TEST(Form2Command2, CopiesTheFoundYWithThePointForced) {
    NetworkState state;
    FakeMainWindow form1;
    form1.separator = ",";
    click(form1::Command3_Click, state, form1);
    FakeWindow& form2 = *form1.form2;
    click(form2::Command2_Click, state, form2);
    EXPECT_EQ(pick(form2, kCopiedY), kCopiedY);
    EXPECT_EQ(form2.text("Text9"), "50");
}

TEST(Form2Command1, ConvertsTheCopiedYBackToS) {
    for (const char* separator : {".", ","}) {
        NetworkState state;
        FakeMainWindow form1;
        form1.separator = separator;
        click(form1::Command3_Click, state, form1);
        FakeWindow& form2 = *form1.form2;
        click(form2::Command2_Click, state, form2);
        click(form2::Command1_Click, state, form2);
        EXPECT_TRUE(form2.messages.empty());
        const bool comma = std::string(separator) == ",";
        const Texts expected = {
            {"Label35", comma ? "60,11E-03" : "60.11E-03"},
            {"Label37", comma ? "21,36E+01" : "21.36E+01"},
            {"Label38", comma ? "60,01E-03" : "60.01E-03"},
            {"Label36", comma ? "70,70E+00" : "70.70E+00"},
            {"Label43", comma ? "60,21E-01" : "60.21E-01"},
            {"Label44", comma ? "84,00E+00" : "84.00E+00"},
            {"Label45", comma ? "56,98E-02" : "56.98E-02"},
            {"Label46", comma ? "-19,20E+00" : "-19.20E+00"},
        };
        EXPECT_EQ(pick(form2, expected), expected);
    }
}

struct YCase {
    const char* name;
    Texts fields;
    Texts expected;
};

class Form2ConversionTest : public ::testing::TestWithParam<YCase> {};

TEST_P(Form2ConversionTest, ShowsTheSParameters) {
    NetworkState state;
    FakeWindow form2;
    form2.texts = GetParam().fields;
    click(form2::Command1_Click, state, form2);
    EXPECT_TRUE(form2.messages.empty());
    EXPECT_EQ(pick(form2, GetParam().expected), GetParam().expected);
}

const Texts kYZeroButY11 = {{"Text1", "0.04"}, {"Text2", "0"}, {"Text3", "0"},
                            {"Text4", "0"},    {"Text5", "0"}, {"Text6", "0"},
                            {"Text7", "0"},    {"Text8", "0"}, {"Text9", "50"}};

Texts withRo(Texts fields, const char* ro) {
    fields["Text9"] = ro;
    return fields;
}

INSTANTIATE_TEST_SUITE_P(Cases, Form2ConversionTest,
                         ::testing::Values(YCase{"realY11",
                                                 kYZeroButY11,
                                                 {{"Label35", "33.33E-02"},
                                                  {"Label37", "18.00E+01"},
                                                  {"Label45", "10.00E-01"},
                                                  {"Label46", "00.00E+00"},
                                                  {"Label38", "00.00E+00"},
                                                  {"Label36", "00.00E+00"},
                                                  {"Label43", "00.00E+00"},
                                                  {"Label44", "00.00E+00"}}},
                                           YCase{"roZero",
                                                 withRo(kYZeroButY11, "0"),
                                                 {{"Label35", "10.00E-01"},
                                                  {"Label37", "00.00E+00"},
                                                  {"Label45", "10.00E-01"},
                                                  {"Label46", "00.00E+00"},
                                                  {"Label38", "00.00E+00"},
                                                  {"Label36", "00.00E+00"},
                                                  {"Label43", "00.00E+00"},
                                                  {"Label44", "00.00E+00"}}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Form2Command2, AfterAConversionCopiesTheNormalisedValues) {
    NetworkState state;
    FakeWindow form2;
    form2.texts = kYZeroButY11;
    form2.texts["Text1"] = "0.01387";
    click(form2::Command1_Click, state, form2);
    click(form2::Command2_Click, state, form2);
    EXPECT_EQ(form2.text("Text1"), "69.35E-02");
    EXPECT_EQ(form2.text("Text2"), "00.00E+00");
}

TEST(Form2Command1, AnEmptyFirstFieldStopsWithItsMessage) {
    NetworkState state;
    FakeWindow form2;
    form2.texts["Text9"] = "50";
    click(form2::Command1_Click, state, form2);
    EXPECT_EQ(
        form2.messages,
        std::vector<std::string>{"Hai dimenticato di scrivere il valore della parte reale di y11"});
    EXPECT_EQ(form2.writes, 0);
}

struct FaultingInput {
    const char* name;
    Texts changes;
};

class Form1FaultTest : public ::testing::TestWithParam<FaultingInput> {};

// A fault shows one message, writes no box and leaves every typed text.
TEST_P(Form1FaultTest, LeavesEveryBoxAsItWas) {
    using Command = void (*)(NetworkState&, MainWindow&);
    for (Command command : {Command(form1::Command1_Click), Command(form1::Command2_Click),
                            Command(form1::Command3_Click)}) {
        NetworkState state;
        FakeMainWindow form1;
        click(form1::Command1_Click, state, form1);
        click(form1::Command2_Click, state, form1);
        for (const auto& [control, text] : GetParam().changes) {
            form1.texts[control] = text;
        }
        const Texts before = form1.texts;
        const int writesBefore = form1.writes;
        click(command, state, form1);
        if (command == Command(form1::Command1_Click) && GetParam().changes.count("Text12")) {
            continue;  // a shorted load is no fault for the S analysis
        }
        ASSERT_EQ(form1.messages.size(), 1U) << GetParam().name;
        EXPECT_EQ(form1.messages[0].rfind("Calcolo interrotto: ", 0), 0U) << form1.messages[0];
        EXPECT_EQ(form1.texts, before);
        EXPECT_EQ(form1.writes, writesBefore);
        EXPECT_EQ(form1.opens, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Inputs, Form1FaultTest,
                         ::testing::Values(FaultingInput{"roZero", {{"Text9", "0"}}},
                                           FaultingInput{"shortedLoad",
                                                         {{"Text12", "0"}, {"Text13", "0"}}},
                                           FaultingInput{"hugeModulus", {{"Text1", "1e300"}}}),
                         [](const auto& info) { return std::string(info.param.name); });

class Form1SFaultTest : public ::testing::TestWithParam<FaultingInput> {};

TEST_P(Form1SFaultTest, LeavesEveryBoxAsItWas) {
    NetworkState state;
    FakeMainWindow form1;
    click(form1::Command1_Click, state, form1);
    for (const auto& [control, text] : GetParam().changes) {
        form1.texts[control] = text;
    }
    const Texts before = form1.texts;
    click(form1::Command1_Click, state, form1);
    ASSERT_EQ(form1.messages.size(), 1U);
    EXPECT_EQ(form1.texts, before);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, Form1SFaultTest,
    ::testing::Values(FaultingInput{"roZero", {{"Text9", "0"}}},
                      FaultingInput{"roNegative", {{"Text9", "-50"}}},
                      FaultingInput{"eZero", {{"Text14", "0"}}},
                      FaultingInput{"loadMinusRo", {{"Text12", "-50"}, {"Text13", "0"}}},
                      FaultingInput{"s22One", {{"Text7", "1"}, {"Text8", "0"}}},
                      FaultingInput{"phaseOverflows", {{"Text8", "1e308"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Form2Command1, AFaultWritesNoLabel) {
    NetworkState state;
    FakeWindow form2;
    form2.texts = kYZeroButY11;
    form2.texts["Text1"] = "-0.02";  // normalised y11 = −1: the denominator vanishes
    click(form2::Command1_Click, state, form2);
    ASSERT_EQ(form2.messages.size(), 1U);
    EXPECT_EQ(form2.messages[0],
              "Calcolo interrotto: divisione per zero durante il calcolo di S11. Nessun "
              "risultato è stato scritto: controlla i dati inseriti.");
    EXPECT_EQ(form2.writes, 0);
}

}  // namespace
}  // namespace quadripolo
