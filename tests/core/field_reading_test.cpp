#include <gtest/gtest.h>

#include <map>
#include <span>
#include <string>
#include <vector>

#include "network_state.h"
#include "support/ulp.h"
#include "support/worked_example.h"

namespace quadripolo {
namespace {

using testing::FieldMessages;
using testing::kMainWindowFieldMessages;
using testing::kYWindowFieldMessages;
using testing::withinUlps;

// Field texts by control name; messages recorded in order.
class Fields : public FieldSource, public MessageSink {
public:
    std::map<std::string, std::string, std::less<>> texts;
    std::vector<std::string> shown;

    std::string fieldText(std::string_view control) const override {
        const auto found = texts.find(control);
        return found == texts.end() ? std::string() : found->second;
    }
    void showMessage(std::string_view message) override { shown.emplace_back(message); }
};

Fields mainWindowDefaults() {
    Fields fields;
    for (const auto& [control, text] : testing::kMainWindowDefaults) {
        fields.texts[control] = text;
    }
    return fields;
}

// A record whose inputs hold values no reading would store, to see what a reading changes.
NetworkState markedState() {
    NetworkState state;
    for (CheckedDouble* field :
         {&state.s11Mag, &state.s11Phase, &state.s12Mag, &state.s12Phase, &state.s21Mag,
          &state.s21Phase, &state.s22Mag, &state.s22Phase, &state.zeRe, &state.zeIm, &state.zlRe,
          &state.zlIm, &state.ro, &state.eRms, &state.y11Re, &state.y22Im}) {
        *field = -777.0;
    }
    return state;
}

void expectInputsUntouched(const NetworkState& state) {
    for (double field :
         {state.s11Mag.value(), state.s11Phase.value(), state.s12Mag.value(),
          state.s12Phase.value(), state.s21Mag.value(), state.s21Phase.value(),
          state.s22Mag.value(), state.s22Phase.value(), state.zeRe.value(), state.zeIm.value(),
          state.zlRe.value(), state.zlIm.value(), state.ro.value(), state.eRms.value(),
          state.y11Re.value(), state.y22Im.value()}) {
        EXPECT_EQ(field, -777.0);
    }
}

TEST(MainWindowReading, StoresTheFourteenDefaultsWithPhasesInRadians) {
    Fields fields = mainWindowDefaults();
    NetworkState state;
    ASSERT_TRUE(state.readMainWindowFields(fields, fields));
    EXPECT_TRUE(fields.shown.empty());
    EXPECT_EQ(state.inputError, 0);
    // Moduli and network values are the nearest doubles of their texts: exact. The phases are
    // one multiplication and one division, both correctly rounded: exact too.
    EXPECT_EQ(state.s11Mag, 0.06);
    EXPECT_EQ(state.s11Phase, -2.553416695667702);
    EXPECT_EQ(state.s12Mag, 0.06);
    EXPECT_EQ(state.s12Phase, 1.2339477811599897);
    EXPECT_EQ(state.s21Mag, 6.02);
    EXPECT_EQ(state.s21Phase, 1.4660765716752353);
    EXPECT_EQ(state.s22Mag, 0.57);
    EXPECT_EQ(state.s22Phase, -0.3351032163829109);
    EXPECT_EQ(state.zeRe, 10.0);
    EXPECT_EQ(state.zeIm, 20.0);
    EXPECT_EQ(state.zlRe, 100.0);
    EXPECT_EQ(state.zlIm, 200.0);
    EXPECT_EQ(state.ro, 50.0);
    EXPECT_EQ(state.eRms, 1.0);
}

Fields yWindowWithValues() {
    Fields fields;
    for (const FieldMessages& field : kYWindowFieldMessages) {
        fields.texts[field.field] = "0.01";
    }
    fields.texts["Text9"] = "50";
    return fields;
}

struct BadText {
    const char* text;
    bool missing;
};

// An empty text, a comma, a leading blank, a letter O, a tab and a value beyond the doubles.
const BadText kBadTexts[] = {{"", true},     {"0,5", false},   {" 50", false}, {"5O", false},
                             {"5\t", false}, {"1e400", false}, {"5°", false}};

// Each field of `table` in turn holding each bad text, the others as `good` fills them: the
// field's own message and no input stored.
template <class Read>
void expectEachFieldRefused(std::span<const FieldMessages> table, Fields (*good)(), Read read) {
    for (const FieldMessages& field : table) {
        for (const BadText& bad : kBadTexts) {
            Fields fields = good();
            fields.texts[field.field] = bad.text;
            NetworkState state = markedState();
            EXPECT_FALSE(read(state, fields));
            const std::string expected = bad.missing ? field.missing : field.bad;
            EXPECT_EQ(fields.shown, std::vector<std::string>{expected})
                << field.field << " holding '" << bad.text << "'";
            expectInputsUntouched(state);
        }
    }
}

TEST(MainWindowReading, ShowsEachFieldsOwnMessageAndStoresNothing) {
    expectEachFieldRefused(kMainWindowFieldMessages, mainWindowDefaults,
                           [](NetworkState& state, Fields& fields) {
                               const bool read = state.readMainWindowFields(fields, fields);
                               EXPECT_EQ(state.inputError, 1);
                               return read;
                           });
}

TEST(YWindowReading, ShowsEachFieldsOwnMessageAndStoresNothing) {
    expectEachFieldRefused(
        kYWindowFieldMessages, yWindowWithValues,
        [](NetworkState& state, Fields& fields) { return state.readYFields(fields, fields); });
}

struct OrderCase {
    std::vector<const char*> emptied;
    const char* onlyMessage;

    friend void PrintTo(const OrderCase& c, std::ostream* out) { *out << c.onlyMessage; }
};

class MainWindowOrderTest : public ::testing::TestWithParam<OrderCase> {};

// The first failing field in reading order is the only one reported.
TEST_P(MainWindowOrderTest, ReportsOnlyTheFirstFailingField) {
    Fields fields = mainWindowDefaults();
    for (const char* control : GetParam().emptied) {
        fields.texts[control] = "";
    }
    NetworkState state;
    EXPECT_FALSE(state.readMainWindowFields(fields, fields));
    EXPECT_EQ(fields.shown, std::vector<std::string>{GetParam().onlyMessage});
}

const char* missingMessageOf(const char* field) {
    return testing::messagesOf(kMainWindowFieldMessages, field).missing;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MainWindowOrderTest,
    ::testing::Values(OrderCase{{"Text1", "Text14"}, missingMessageOf("Text1")},
                      OrderCase{{"Text3", "Text5"}, missingMessageOf("Text5")},
                      OrderCase{{"Text14", "Text9"}, missingMessageOf("Text9")},
                      OrderCase{{"Text9", "Text13"}, missingMessageOf("Text13")}));

TEST(MainWindowReading, LeavesTheSlotsOfTheLastFieldTested) {
    Fields fields = mainWindowDefaults();
    fields.texts["Text6"] = "x";
    NetworkState state;
    state.readMainWindowFields(fields, fields);
    EXPECT_EQ(state.fieldText, "x");
    const FieldMessages& s12Phase = testing::messagesOf(kMainWindowFieldMessages, "Text6");
    EXPECT_EQ(state.missingValueMessage, s12Phase.missing);
    EXPECT_EQ(state.badValueMessage, s12Phase.bad);
}

struct StoredCase {
    const char* text;
    double value;

    friend void PrintTo(const StoredCase& c, std::ostream* out) { *out << c.text; }
};

class LenientTextTest : public ::testing::TestWithParam<StoredCase> {};

// The check looks only at which characters occur; the conversion takes the longest prefix.
TEST_P(LenientTextTest, PassesAndStoresThePrefixValue) {
    Fields fields = mainWindowDefaults();
    fields.texts["Text1"] = GetParam().text;
    NetworkState state;
    ASSERT_TRUE(state.readMainWindowFields(fields, fields));
    EXPECT_TRUE(fields.shown.empty());
    EXPECT_EQ(state.s11Mag, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Texts, LenientTextTest,
                         ::testing::Values(StoredCase{"1.2.3", 1.2}, StoredCase{"-", 0.0},
                                           StoredCase{"1e", 1.0}, StoredCase{"+-e", 0.0},
                                           StoredCase{"..", 0.0}, StoredCase{"e5", 0.0},
                                           StoredCase{"1e-400", 0.0}));

TEST(MainWindowReading, AcceptsATextLongerThanA16BitCounter) {
    Fields fields = mainWindowDefaults();
    fields.texts["Text14"] = "0." + std::string(40000, '0') + "1";
    NetworkState state;
    ASSERT_TRUE(state.readMainWindowFields(fields, fields));
    EXPECT_EQ(state.eRms, 0.0);
}

TEST(MainWindowReading, APhaseThatOverflowsInRadiansFaultsAfterTheEarlierFields) {
    Fields fields = mainWindowDefaults();
    fields.texts["Text6"] = "1e308";  // S12's phase: 1e308 × 3.14159265358979 overflows
    NetworkState state = markedState();
    try {
        state.readMainWindowFields(fields, fields);
        FAIL() << "no fault";
    } catch (const FloatingPointFault& fault) {
        EXPECT_EQ(fault.kind(), FaultKind::Overflow);
        EXPECT_EQ(fault.quantity(), "s12Phase");
    }
    EXPECT_EQ(state.s11Mag, 0.06);      // stored before the fault
    EXPECT_EQ(state.s12Mag, 0.06);      // stored before the fault
    EXPECT_EQ(state.s12Phase, -777.0);  // the faulting step stores nothing
    EXPECT_EQ(state.s21Mag, -777.0);    // nothing after it
}

TEST(YWindowReading, StoresRoFirstThenEachYTimesRo) {
    Fields fields = yWindowWithValues();
    fields.texts["Text1"] = "0.01387";
    fields.texts["Text8"] = "-2";
    NetworkState state;
    ASSERT_TRUE(state.readYFields(fields, fields));
    EXPECT_EQ(state.ro, 50.0);
    EXPECT_EQ(state.y11Re, 0.01387 * 50.0);
    EXPECT_EQ(state.y11Im, 0.01 * 50.0);
    EXPECT_EQ(state.y22Im, -100.0);
}

TEST(YWindowReading, AZeroRoMakesEveryYZero) {
    Fields fields = yWindowWithValues();
    fields.texts["Text9"] = "0";
    NetworkState state = markedState();
    ASSERT_TRUE(state.readYFields(fields, fields));
    EXPECT_EQ(state.y11Re, 0.0);
    EXPECT_EQ(state.y22Im, 0.0);
}

TEST(YWindowReading, AnOverflowingProductFaultsAtItsField) {
    Fields fields = yWindowWithValues();
    fields.texts["Text5"] = "1e300";
    fields.texts["Text9"] = "1e10";
    NetworkState state = markedState();
    try {
        state.readYFields(fields, fields);
        FAIL() << "no fault";
    } catch (const FloatingPointFault& fault) {
        EXPECT_EQ(fault.kind(), FaultKind::Overflow);
        EXPECT_EQ(fault.quantity(), "y12Re");
    }
    EXPECT_EQ(state.ro, 1e10);
    EXPECT_TRUE(withinUlps(state.y11Re, 0.01 * 1e10, 0));
    EXPECT_EQ(state.y22Im, -777.0);
}

}  // namespace
}  // namespace quadripolo
