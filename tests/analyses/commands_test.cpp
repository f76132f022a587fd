#include "commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <span>
#include <string>

#include "support/fake_window.h"
#include "support/worked_example.h"

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

// A table of the worked example as texts by control.
Texts textsOf(std::span<const testing::ShownText> table) {
    Texts texts;
    for (const auto& [control, text] : table) {
        texts[control] = text;
    }
    return texts;
}

// The same texts with the decimal point replaced by `separator`.
Texts withSeparator(Texts texts, char separator) {
    for (auto& [control, text] : texts) {
        std::replace(text.begin(), text.end(), '.', separator);
    }
    return texts;
}

const Texts kSAnalysisTexts = textsOf(testing::kSAnalysisTexts);
const Texts kZAnalysisTexts = textsOf(testing::kZAnalysisTexts);
const Texts kCopiedY = textsOf(testing::kCopiedY);
const Texts kY11Only = textsOf(testing::kY11Only);

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
    for (const char separator : {'.', ','}) {
        NetworkState state;
        FakeMainWindow form1;
        form1.separator = std::string(1, separator);
        click(form1::Command3_Click, state, form1);
        ASSERT_NE(form1.form2, nullptr);
        const Texts expected = withSeparator(textsOf(testing::kEquivalentTexts), separator);
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
    EXPECT_EQ(form1.messages,
              std::vector<std::string>{
                  testing::messagesOf(testing::kMainWindowFieldMessages, "Text14").missing});
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
    for (const char separator : {'.', ','}) {
        NetworkState state;
        FakeMainWindow form1;
        form1.separator = std::string(1, separator);
        click(form1::Command3_Click, state, form1);
        FakeWindow& form2 = *form1.form2;
        click(form2::Command2_Click, state, form2);
        click(form2::Command1_Click, state, form2);
        EXPECT_TRUE(form2.messages.empty());
        const Texts expected = withSeparator(textsOf(testing::kSOfCopiedY), separator);
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

Texts withRo(Texts fields, const char* ro) {
    fields["Text9"] = ro;
    return fields;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Form2ConversionTest,
    ::testing::Values(YCase{"realY11", kY11Only, textsOf(testing::kSOfY11Only)},
                      YCase{"roZero", withRo(kY11Only, "0"), textsOf(testing::kSOfY11OnlyRo0)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Form2Command2, AfterAConversionCopiesTheNormalisedValues) {
    NetworkState state;
    FakeWindow form2;
    form2.texts = kY11Only;
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
    EXPECT_EQ(form2.messages,
              std::vector<std::string>{
                  testing::messagesOf(testing::kYWindowFieldMessages, "Text1").missing});
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
    form2.texts = kY11Only;
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
