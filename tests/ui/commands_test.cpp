// The five commands end to end through the real windows: every button pressed with the mouse,
// every field typed with the keyboard, every text read back from the widgets and compared
// verbatim with the texts that the system shows.
//
// The program's shared state lives as long as this process, so the first test function is the
// one that needs it fresh (the z analysis before any S analysis); every later function sets up
// the state it relies on by its own clicks.

#include <QMap>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <span>

#include "commands.h"
#include "support/fake_window.h"
#include "support/worked_example.h"
#include "test_support.h"

namespace quadripolo::ui::test {

namespace {

using testing::FieldMessages;
using testing::kMainWindowFieldMessages;
using testing::kYWindowFieldMessages;
using testing::messagesOf;

// The main window's fields with their initial texts, in the order its commands read them.
const Texts kForm1Defaults = texts(testing::kMainWindowDefaults);

// Inputs other than the defaults, with which the windows are filled before a command that must
// not change them: a command that wrongly ran on would write the default results instead.
const Texts kOtherInputs{{"Text1", "0.1"}, {"Text14", "2"}};

// The upper block with E = 2 and the other inputs at their defaults: the waves, voltages and
// currents twice, the powers four times those of E = 1; Zi and Zout as for E = 1.
const Texts kSAnalysisTextsE2{
    {"Label6", "22.93E-02"},  {"Label13", "-20.16E-02"}, {"Label16", "10.34E-01"},
    {"Label18", "26.56E-01"}, {"Label20", "-14.81E-02"}, {"Label22", "11.37E-02"},
    {"Label24", "24.06E-01"}, {"Label26", "24.82E-01"},  {"Label32", "38.24E-01"},
    {"Label34", "58.39E-03"}, {"Label36", "12.07E+00"},  {"Label39", "-15.64E-01"},
    {"Label46", "57.46E-02"}, {"Label47", "-62.17E-02"}, {"Label49", "24.32E+00"},
    {"Label50", "36.34E+00"}, {"Label69", "62.42E+00"},  {"Label70", "-13.20E+01"},
    {"Label73", "53.38E-03"}, {"Label74", "-44.58E-03"}, {"Label75", "-19.40E-02"},
    {"Label76", "24.62E-03"},
};

// A two-port without reflection or transmission: S11, S12, S21 and S22 of modulus 0.
const Texts kNoReflectionNorTransmission{
    {"Text1", "0"}, {"Text5", "0"}, {"Text3", "0"}, {"Text7", "0"}};

// The y fields of Form2 in the order its conversion reads them, then Ro.
const char* const kForm2Fields[] = {"Text1", "Text2", "Text5", "Text6", "Text3",
                                    "Text4", "Text7", "Text8", "Text9"};

// Texts that the field check refuses; the first is the empty text.
struct BadText {
    const char* tag;
    const char* text;
};
const BadText kBadTexts[] = {
    {"empty", ""},
    {"comma", "0,5"},
    {"leading blank", " 50"},
    {"letter O", "5O"},
};

// For each field of `table` and each bad text: that field refused and every later field refused
// too, since only the first in reading order speaks; `addRow` gets the field, the bad text, what
// is typed and the one message expected.
template <class AddRow>
void forEachRefusedField(std::span<const FieldMessages> table, AddRow addRow) {
    const int fieldCount = int(table.size());
    for (int i = 0; i < fieldCount; ++i) {
        for (int kind = 0; kind < int(std::size(kBadTexts)); ++kind) {
            const BadText& bad = kBadTexts[kind];
            Texts typed{{table[i].field, bad.text}};
            for (int j = i + 1; j < fieldCount; ++j) {
                typed.emplaceBack(table[j].field, kBadTexts[(j + kind) % 4].text);
            }
            addRow(table[i].field, bad, typed,
                   QString::fromUtf8(kind == 0 ? table[i].missing : table[i].bad));
        }
    }
}

// `typed` with Ro, its last field, replaced by `ro`.
Texts withRo(Texts typed, const QString& ro) {
    typed.last().second = ro;
    return typed;
}

// Every caption and field text of a window, and every tooltip, by control name.
using Snapshot = QMap<QString, QString>;

Snapshot snapshot(const QWidget* window) {
    Snapshot result;
    if (window == nullptr) {
        return result;
    }
    for (const QLabel* label : window->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        result.insert(label->objectName(), label->text());
        result.insert(label->objectName() + QStringLiteral(".toolTip"), label->toolTip());
    }
    for (const QLineEdit* field : window->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly)) {
        result.insert(field->objectName(), field->text());
    }
    return result;
}

// Every text as before, except those of the controls named in `written`.
void verifySame(const Snapshot& after, const Snapshot& before, const Texts& written = {}) {
    QCOMPARE(after.keys(), before.keys());
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        const QString name = it.key().section(QLatin1Char('.'), 0, 0);
        if (std::any_of(written.cbegin(), written.cend(),
                        [&](const auto& entry) { return entry.first == name; })) {
            continue;
        }
        QVERIFY2(after.value(it.key()) == it.value(),
                 qPrintable(QStringLiteral("%1: \"%2\", before \"%3\"")
                                .arg(it.key(), after.value(it.key()), it.value())));
    }
}

// Types `text` into a field as the user does: the old text selected and typed over.
void type(QWidget* window, const QString& field, const QString& text) {
    auto* edit = control<QLineEdit>(window, qPrintable(field));
    QVERIFY2(edit != nullptr, qPrintable(QStringLiteral("no field %1").arg(field)));
    edit->setFocus();
    edit->selectAll();
    if (text.isEmpty()) {
        QTest::keyClick(edit, Qt::Key_Backspace);
    } else {
        QTest::keyClicks(edit, text);
    }
    QCOMPARE(edit->text(), text);
}

void typeAll(QWidget* window, const Texts& texts) {
    for (const auto& [field, text] : texts) {
        type(window, field, text);
        if (QTest::currentTestFailed()) {
            return;
        }
    }
}

// The main window's fields back at their initial texts.
void typeDefaults(QWidget* form1) {
    typeAll(form1, kForm1Defaults);
}

// Runs the command of the main window's `button` on a window of plain texts that holds the
// defaults overwritten by `typed`, with a fresh shared state: what the command itself does.
void runOnAFakeWindow(testing::FakeMainWindow& window, const QString& button, const Texts& typed) {
    for (const auto& [field, text] : typed) {
        window.texts[field.toStdString()] = text.toStdString();
    }
    NetworkState state;
    runCommand(window, [&] {
        if (button == QLatin1String("Command1")) {
            form1::Command1_Click(state, window);
        } else if (button == QLatin1String("Command2")) {
            form1::Command2_Click(state, window);
        } else {
            form1::Command3_Click(state, window);
        }
    });
}

// Checks that one message box showed `message` verbatim, titled with the program's name, with
// only an OK button, modal for the whole program.
void verifyOneMessage(const MessageBoxCatcher& catcher, const QString& message) {
    QCOMPARE(catcher.texts(), QStringList{message});
    const MessageBoxCatcher::Seen& seen = catcher.seen().front();
    QCOMPARE(seen.title, QStringLiteral("Quadripolo"));
    QVERIFY(seen.onlyOk);
    QVERIFY(seen.applicationModal);
}

// Presses the main window's `button` on the defaults overwritten by `typed`, after both analyses
// ran on other inputs and, if `form2Open`, Form2 was opened: the one message `message`, every text
// of both windows as before, Form2 neither opened nor closed.
void verifyRefused(MainForm* form1, const MessageBoxCatcher& catcher, const QString& button,
                   const Texts& typed, const QString& message, bool form2Open) {
    typeAll(form1, kOtherInputs);
    click(form1, "Command1");
    click(form1, "Command2");
    if (form2Open) {
        QVERIFY(openForm2(form1) != nullptr);
    }
    QCOMPARE(catcher.texts(), QStringList());
    typeDefaults(form1);
    typeAll(form1, typed);
    const Snapshot before = snapshot(form1);
    const Snapshot form2Before = snapshot(form2());

    click(form1, qPrintable(button));
    verifyOneMessage(catcher, message);
    verifySame(snapshot(form1), before);
    QCOMPARE(form2() != nullptr, form2Open);
    QCOMPARE(form2Count(), form2Open ? 1 : 0);
    verifySame(snapshot(form2()), form2Before);
}

}  // namespace

class CommandsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { initApplication(); }
    void cleanup() { restoreStartState(); }

    // Must stay the first function: the shared state is still as at start-up, so PL and Pin of
    // the S analysis, which the second button shows again, are 0.
    void zAnalysisFirstAfterStart() {
        MainForm* form1 = openMainForm();
        const Snapshot before = snapshot(form1);
        MessageBoxCatcher catcher;
        click(form1, "Command2");
        QCOMPARE(catcher.texts(), QStringList());
        verifyTexts(form1, kZAnalysisTexts);
        QCOMPARE(textOf(form1, "Label32"), QStringLiteral("00.00E+00"));
        QCOMPARE(textOf(form1, "Label34"), QStringLiteral("00.00E+00"));
        QCOMPARE(control(form1, "Label32")->toolTip(), QStringLiteral("0"));
        QCOMPARE(control(form1, "Label34")->toolTip(), QStringLiteral("0"));
        // Every other box of the S block is as at start: empty.
        for (const auto& [name, text] : kSAnalysisTexts) {
            if (name != QLatin1String("Label32") && name != QLatin1String("Label34")) {
                QCOMPARE(textOf(form1, name), QString());
                QCOMPARE(control(form1, qPrintable(name))->toolTip(), QString());
            }
        }
        // Nothing else is written: the fields keep their initial texts.
        Texts written = kZAnalysisTexts;
        written << std::pair<QString, QString>("Label32", "00.00E+00")
                << std::pair<QString, QString>("Label34", "00.00E+00");
        verifySame(snapshot(form1), before, written);
        QCOMPARE(form2Count(), 0);
    }

    // PL and Pin of the S block keep the texts of the last S analysis, made on other inputs,
    // while the lower panel shows the results of the inputs that stand now.
    void zAnalysisAfterSAnalysisOnOtherInputs() {
        MainForm* form1 = openMainForm();
        MessageBoxCatcher catcher;
        type(form1, "Text14", "2");
        click(form1, "Command1");
        verifyTexts(form1, kSAnalysisTextsE2);

        type(form1, "Text14", "1");
        click(form1, "Command2");
        verifyTexts(form1, kZAnalysisTexts);
        verifyTexts(form1, kSAnalysisTextsE2);  // Label32 "38.24E-01", Label34 "58.39E-03"
        QCOMPARE(catcher.texts(), QStringList());
    }

    // Each box of the upper block: its text as the system shows it, and as tooltip the value
    // behind it with 17 significant digits.
    void sAnalysisFullValues_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("approximately");  // six significant digits
        const double values[] = {
            0.114671, -0.100791, 0.517016,  1.32820,    -0.0740400, 0.0568308, 1.20288, 1.24116,
            0.955965, 0.0145965, 12.0719,   -1.56432,   0.287302,   -0.310844, 12.1615, 18.1681,
            62.4181,  -131.970,  0.0266877, -0.0222910, -0.0969955, 0.0123097,
        };
        static_assert(std::size(values) == 22);
        for (qsizetype i = 0; i < kSAnalysisTexts.size(); ++i) {
            const auto& [box, text] = kSAnalysisTexts[i];
            QTest::newRow(qPrintable(box)) << box << text << values[i];
        }
    }

    void sAnalysisFullValues() {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(double, approximately);
        MainForm* form1 = openMainForm();
        click(form1, "Command1");
        QCOMPARE(textOf(form1, box), text);

        const QString toolTip = control(form1, qPrintable(box))->toolTip();
        bool isNumber = false;
        const double value = toolTip.toDouble(&isNumber);
        QVERIFY2(isNumber, qPrintable(toolTip));
        QCOMPARE(toolTip, QString::number(value, 'g', 17));
        QVERIFY2(std::abs(value - approximately) <= 6e-6 * std::abs(approximately),
                 qPrintable(toolTip));
        // The value that the command computes for the box, as it offers it to a window.
        testing::FakeMainWindow computed;
        runOnAFakeWindow(computed, QStringLiteral("Command1"), {});
        const auto found = computed.fullValues.find(box.toStdString());
        QVERIFY(found != computed.fullValues.end());
        QCOMPARE(toolTip, QString::number(found->second, 'g', 17));
    }

    // Form2's sixteen boxes carry the locale's decimal separator; the main window's results keep
    // the point in the same locale.
    void equivalentParameters_data() {
        QTest::addColumn<bool>("comma");
        QTest::newRow("point locale") << false;
        QTest::newRow("Italian comma locale") << true;
    }

    void equivalentParameters() {
        QFETCH(bool, comma);
        const QChar separator = chooseLocale(comma);
        MainForm* form1 = openMainForm();
        MessageBoxCatcher catcher;
        QWidget* window = openForm2(form1);
        QVERIFY(window != nullptr);
        verifyTexts(window, withSeparator(kEquivalentTexts, separator));

        click(form1, "Command1");
        click(form1, "Command2");
        verifyTexts(form1, kSAnalysisTexts);
        verifyTexts(form1, kZAnalysisTexts);
        verifyTexts(window, withSeparator(kEquivalentTexts, separator));
        QCOMPARE(catcher.texts(), QStringList());
    }

    // The copy writes the y values held in the shared state with the point whatever the locale,
    // and leaves Ro and every box as they are. After a conversion those values are the typed
    // ones multiplied by Ro.
    void copyAfterConversion_data() {
        QTest::addColumn<bool>("comma");
        QTest::addColumn<Texts>("typed");
        QTest::addColumn<Texts>("copied");
        const Texts typed{
            {"Text1", "0.01387"},   {"Text2", "0.003"},   {"Text5", "-0.0001639"},
            {"Text6", "-0.001307"}, {"Text3", "0.01416"}, {"Text4", "-0.1314"},
            {"Text7", "0.0005"},    {"Text8", "0.004"},   {"Text9", "50"},
        };
        const Texts copied{
            {"Text1", "69.35E-02"},  {"Text2", "15.00E-02"}, {"Text5", "-81.95E-04"},
            {"Text6", "-65.35E-03"}, {"Text3", "70.80E-02"}, {"Text4", "-65.70E-01"},
            {"Text7", "25.00E-03"},  {"Text8", "20.00E-02"},
        };
        QTest::newRow("Ro 50, point locale") << false << typed << copied;
        QTest::newRow("Ro 50, Italian comma locale") << true << typed << copied;
        const Texts typedRo75{
            {"Text1", "0.02"}, {"Text2", "-0.02"}, {"Text5", "0.004"},
            {"Text6", "1"},    {"Text3", "-1"},    {"Text4", "0"},
            {"Text7", "1E-3"}, {"Text8", "-4E-5"}, {"Text9", "75"},
        };
        const Texts copiedRo75{
            {"Text1", "15.00E-01"}, {"Text2", "-15.00E-01"}, {"Text5", "30.00E-02"},
            {"Text6", "75.00E+00"}, {"Text3", "-75.00E+00"}, {"Text4", "00.00E+00"},
            {"Text7", "75.00E-03"}, {"Text8", "-30.00E-04"},
        };
        QTest::newRow("Ro 75, Italian comma locale") << true << typedRo75 << copiedRo75;
        // Ro 0 makes every normalised value 0, negative ones included.
        Texts zeros;
        for (const auto& [field, text] : copied) {
            zeros.emplaceBack(field, QStringLiteral("00.00E+00"));
        }
        QTest::newRow("Ro 0") << false << withRo(typed, QStringLiteral("0")) << zeros;
    }

    void copyAfterConversion() {
        QFETCH(bool, comma);
        QFETCH(Texts, typed);
        QFETCH(Texts, copied);
        chooseLocale(comma);
        MainForm* form1 = openMainForm();
        MessageBoxCatcher catcher;
        QWidget* window = openForm2(form1);
        QVERIFY(window != nullptr);
        typeAll(window, typed);
        click(window, "Command1");

        const Snapshot before = snapshot(window);
        click(window, "Command2");
        verifyTexts(window, copied);
        verifyTexts(window, {typed.last()});  // Ro as typed
        verifySame(snapshot(window), before, copied);
        QCOMPARE(catcher.texts(), QStringList());

        // The copied texts pass the field check as they are.
        click(window, "Command1");
        QCOMPARE(catcher.texts(), QStringList());
    }

    // The copy takes the y values of the shared state, which the second button of the main
    // window refreshes, not the texts of Form2's y boxes.
    void copyTakesTheSharedValuesNotTheBoxes() {
        MainForm* form1 = openMainForm();
        MessageBoxCatcher catcher;
        QWidget* window = openForm2(form1);
        QVERIFY(window != nullptr);

        // A matched two-port without transmission: y11 = y22 = 1/Ro, y12 = y21 = 0.
        typeAll(form1, kNoReflectionNorTransmission);
        click(form1, "Command2");
        verifyTexts(window, kEquivalentTexts);  // the boxes still show the earlier values
        click(window, "Command2");
        verifyTexts(window, {{"Text1", "20.00E-03"},
                             {"Text2", "00.00E+00"},
                             {"Text5", "00.00E+00"},
                             {"Text6", "00.00E+00"},
                             {"Text3", "00.00E+00"},
                             {"Text4", "00.00E+00"},
                             {"Text7", "20.00E-03"},
                             {"Text8", "00.00E+00"},
                             {"Text9", "50"}});
        verifyTexts(window, kEquivalentTexts);
        QCOMPARE(catcher.texts(), QStringList());
    }

    // The conversion from y to S of typed y values, shown with the locale's separator.
    void yToS_data() {
        QTest::addColumn<bool>("comma");
        QTest::addColumn<Texts>("typed");
        QTest::addColumn<Texts>("shown");

        Texts copies = kCopiedY;
        copies.emplaceBack("Text9", "50");

        // The y values of the default inputs at full precision, typed with 17 significant
        // digits, give the main window's S parameters back, S11 at 213.7 degrees.
        const double fullY[] = {
            0.013868883515791734,   0.0030846481611366476, -0.00016385600795431436,
            -0.0013065220788373792, 0.014157420193408883,  -0.13135386312262803,
            0.000537079995599761,   0.003674791000791029,
        };
        Texts full;
        for (int i = 0; i < 8; ++i) {
            full.emplaceBack(kForm2Fields[i], QString::number(fullY[i], 'g', 17));
        }
        full.emplaceBack("Text9", "50");

        // Re(y11) 0.04 alone: y11 normalises to 2.
        const Texts y11Only = texts(testing::kY11Only);

        const struct {
            const char* tag;
            Texts typed;
            Texts shown;
        } cases[] = {
            {"copied texts of the defaults", copies, kSOfCopiedY},
            {"full precision y", full, texts(testing::kSOfFullPrecisionY)},
            {"Re(y11) 0.04, Ro 50", y11Only, texts(testing::kSOfY11Only)},
            {"Re(y11) 0.04, Ro 0", withRo(y11Only, QStringLiteral("0")),
             texts(testing::kSOfY11OnlyRo0)},
        };
        for (const auto& c : cases) {
            QTest::addRow("%s, point locale", c.tag) << false << c.typed << c.shown;
            QTest::addRow("%s, Italian comma locale", c.tag)
                << true << c.typed << withSeparator(c.shown, QLatin1Char(','));
        }
    }

    void yToS() {
        QFETCH(bool, comma);
        QFETCH(Texts, typed);
        QFETCH(Texts, shown);
        chooseLocale(comma);
        MainForm* form1 = openMainForm();
        MessageBoxCatcher catcher;
        QWidget* window = openForm2(form1);
        QVERIFY(window != nullptr);
        typeAll(window, typed);
        const Snapshot before = snapshot(window);
        const Snapshot form1Before = snapshot(form1);

        click(window, "Command1");
        QCOMPARE(catcher.texts(), QStringList());
        verifyTexts(window, shown);
        // Nothing else changes: the fields as typed, the z and y boxes as shown before.
        verifySame(snapshot(window), before, shown);
        verifySame(snapshot(form1), form1Before);
    }

    // A refused field in the main window: its one message, the fields after it untested, no box
    // changed, no field changed, Form2 neither opened nor changed.
    void badInputForm1_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<Texts>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("form2Open");
        for (const char* button : {"Command1", "Command2", "Command3"}) {
            forEachRefusedField(
                kMainWindowFieldMessages, [&](const char* field, const BadText& bad,
                                              const Texts& typed, const QString& message) {
                    QTest::addRow("%s, %s %s", button, field, bad.tag)
                        << button << typed << message << false;
                    if (qstrcmp(button, "Command3") == 0 && *bad.text == '\0') {
                        QTest::addRow("%s, %s %s, Form2 open", button, field, bad.tag)
                            << button << typed << message << true;
                    }
                });
        }
        // One field refused, every other one good.
        const auto missing = [](const char* field) {
            return QString::fromUtf8(messagesOf(kMainWindowFieldMessages, field).missing);
        };
        QTest::newRow("Command1, Text1 empty alone")
            << "Command1" << Texts{{"Text1", ""}} << missing("Text1") << false;
        QTest::newRow("Command1, Text1 1,5 alone")
            << "Command1" << Texts{{"Text1", "1,5"}}
            << QString::fromUtf8(messagesOf(kMainWindowFieldMessages, "Text1").bad) << false;
        QTest::newRow("Command2, Text9 empty alone")
            << "Command2" << Texts{{"Text9", ""}} << missing("Text9") << false;
        // Both S12 and S21 empty: S12 is read first.
        QTest::newRow("Command1, Text5 and Text3 empty")
            << "Command1" << Texts{{"Text3", ""}, {"Text5", ""}} << missing("Text5") << false;
        QTest::newRow("Command2, Text1 and Text14 empty")
            << "Command2" << Texts{{"Text14", ""}, {"Text1", ""}} << missing("Text1") << false;
    }

    void badInputForm1() {
        QFETCH(QString, button);
        QFETCH(Texts, typed);
        QFETCH(QString, message);
        QFETCH(bool, form2Open);
        MainForm* form1 = openMainForm();
        MessageBoxCatcher catcher;
        verifyRefused(form1, catcher, button, typed, message, form2Open);
    }

    // A refused field in Form2: its one message and nothing changed in either window.
    void badInputForm2_data() {
        QTest::addColumn<Texts>("typed");
        QTest::addColumn<QString>("message");
        forEachRefusedField(kYWindowFieldMessages, [](const char* field, const BadText& bad,
                                                      const Texts& typed, const QString& message) {
            QTest::addRow("%s %s", field, bad.tag) << typed << message;
        });
        // A comma in a y field, although the window's boxes may show commas.
        QTest::newRow("Text7 1,5")
            << Texts{{"Text7", "1,5"}}
            << QString::fromUtf8(messagesOf(kYWindowFieldMessages, "Text7").bad);
        // One field refused, every other one good.
        QTest::newRow("Text4 empty alone")
            << Texts{{"Text4", ""}}
            << QString::fromUtf8(messagesOf(kYWindowFieldMessages, "Text4").missing);
    }

    void badInputForm2() {
        QFETCH(Texts, typed);
        QFETCH(QString, message);
        MainForm* form1 = openMainForm();
        MessageBoxCatcher catcher;
        QWidget* window = openForm2(form1);
        QVERIFY(window != nullptr);
        // S boxes filled by a conversion with other inputs than those left standing.
        typeAll(window, kCopiedY);
        type(window, "Text9", "75");
        click(window, "Command1");
        type(window, "Text9", "50");
        QCOMPARE(catcher.texts(), QStringList());
        typeAll(window, typed);
        const Snapshot before = snapshot(window);
        const Snapshot form1Before = snapshot(form1);

        click(window, "Command1");
        verifyOneMessage(catcher, message);
        verifySame(snapshot(window), before);
        verifySame(snapshot(form1), form1Before);
    }

    // The fresh Form2: its y fields are empty, so the conversion names the first of them.
    void emptyYFieldsOfAFreshForm2() {
        MainForm* form1 = openMainForm();
        QWidget* window = openForm2(form1);
        QVERIFY(window != nullptr);
        const Snapshot before = snapshot(window);
        MessageBoxCatcher catcher;
        click(window, "Command1");
        verifyOneMessage(catcher, QString::fromUtf8(kYWindowFieldMessages[0].missing));
        verifySame(snapshot(window), before);
    }

    // An input on which a command's arithmetic faults: one message naming the fault, the very one
    // that the command gives on a window of plain texts, every box and every typed text as before,
    // Form2 neither opened nor changed; the program goes on.
    void arithmeticFault_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<Texts>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("form2Open");
        using namespace testing;
        const Texts ro0{{"Text9", "0"}};
        const Texts roNegative{{"Text9", "-50"}};
        const Texts e0{{"Text14", "0"}};
        const Texts zlMinusRo{{"Text12", "-50"}, {"Text13", "0"}};
        const Texts zl0{{"Text12", "0"}, {"Text13", "0"}};
        const Texts s22One{{"Text7", "1"}, {"Text8", "0"}};
        QTest::newRow("Command1, Ro 0") << "Command1" << ro0 << kFaultGammaIn << false;
        QTest::newRow("Command1, Ro -50") << "Command1" << roNegative << kFaultA1 << false;
        QTest::newRow("Command1, E 0") << "Command1" << e0 << kFaultZoutPerZl << false;
        QTest::newRow("Command1, ZL = -Ro") << "Command1" << zlMinusRo << kFaultGammaL << false;
        QTest::newRow("Command1, S22 = 1") << "Command1" << s22One << kFaultA2OverA1 << false;
        QTest::newRow("Command2, Ro 0") << "Command2" << ro0 << kFaultI1ByZ << false;
        QTest::newRow("Command2, ZL 0") << "Command2" << zl0 << kFaultI2ByZ << false;
        QTest::newRow("Command3, Ro 0") << "Command3" << ro0 << kFaultI1ByZ << false;
        QTest::newRow("Command3, ZL 0") << "Command3" << zl0 << kFaultI2ByZ << false;
        QTest::newRow("Command3, Ro 0, Form2 open") << "Command3" << ro0 << kFaultI1ByZ << true;
        QTest::newRow("Command3, ZL 0, Form2 open") << "Command3" << zl0 << kFaultI2ByZ << true;
    }

    void arithmeticFault() {
        QFETCH(QString, button);
        QFETCH(Texts, typed);
        QFETCH(QString, message);
        QFETCH(bool, form2Open);
        testing::FakeMainWindow plain;
        runOnAFakeWindow(plain, button, typed);
        QCOMPARE(plain.messages.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(plain.messages.front()), message);

        MainForm* form1 = openMainForm();
        MessageBoxCatcher catcher;
        verifyRefused(form1, catcher, button, typed, message, form2Open);
        if (QTest::currentTestFailed()) {
            return;
        }
        QVERIFY(catcher.texts().front().startsWith(QStringLiteral("Calcolo interrotto: ")));

        // The program goes on: the same button with good inputs works.
        typeDefaults(form1);
        click(form1, qPrintable(button));
        QCOMPARE(catcher.texts(), QStringList{message});
        if (button == QLatin1String("Command1")) {
            verifyTexts(form1, kSAnalysisTexts);
        } else if (button == QLatin1String("Command2")) {
            verifyTexts(form1, kZAnalysisTexts);
        } else {
            verifyTexts(form2(), kEquivalentTexts);
        }
    }

    // Inputs that fault one command are no fault for another, which then shows its results.
    void noFault_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<Texts>("typed");
        QTest::addColumn<Texts>("shown");
        // A short-circuit load: Zout 0, Zi = z11 - z12 z21 / z22.
        QTest::newRow("Command1, ZL 0")
            << "Command1" << Texts{{"Text12", "0"}, {"Text13", "0"}}
            << Texts{
                   {"Label34", "11.05E-03"}, {"Label36", "68.71E+00"},  {"Label39", "-15.28E+00"},
                   {"Label46", "85.82E-02"}, {"Label47", "-24.56E-02"}, {"Label69", "00.00E+00"},
                   {"Label70", "00.00E+00"}, {"Label73", "12.66E-03"},  {"Label74", "-75.91E-05"}};
        // No source: every voltage, current and power 0; Zi and Zout as with E = 1.
        QTest::newRow("Command2, E 0")
            << "Command2" << Texts{{"Text14", "0"}}
            << Texts{{"Label41", "12.07E+00"},  {"Label43", "-15.64E-01"}, {"Label53", "00.00E+00"},
                     {"Label55", "00.00E+00"},  {"Label57", "00.00E+00"},  {"Label59", "00.00E+00"},
                     {"Label61", "00.00E+00"},  {"Label63", "00.00E+00"},  {"Label65", "62.42E+00"},
                     {"Label66", "-13.20E+01"}, {"Label81", "00.00E+00"},  {"Label82", "00.00E+00"},
                     {"Label83", "00.00E+00"},  {"Label84", "00.00E+00"}};
    }

    void noFault() {
        QFETCH(QString, button);
        QFETCH(Texts, typed);
        QFETCH(Texts, shown);
        MainForm* form1 = openMainForm();
        MessageBoxCatcher catcher;
        typeAll(form1, typed);
        click(form1, qPrintable(button));
        QCOMPARE(catcher.texts(), QStringList());
        verifyTexts(form1, shown);
        if (button == QLatin1String("Command1")) {
            // Every box of the upper block is written; V2 and PL are 0 up to rounding.
            for (const auto& [box, text] : kSAnalysisTexts) {
                QVERIFY2(!textOf(form1, box).isEmpty(), qPrintable(box));
            }
            for (const char* box : {"Label32", "Label49", "Label50"}) {
                QVERIFY2(std::abs(control(form1, box)->toolTip().toDouble()) < 1e-12, box);
            }
        }
    }

    // Closing Form2 discards it; the next press builds it afresh with empty y fields, Ro "50",
    // empty S boxes and the z and y values of the inputs that stand now.
    void reopenedForm2IsFresh() {
        MainForm* form1 = openMainForm();
        MessageBoxCatcher catcher;
        QPointer<QWidget> first = openForm2(form1);
        QVERIFY(first != nullptr);
        typeAll(first, kCopiedY);
        type(first, "Text9", "75");
        click(first, "Command1");
        QVERIFY(!textOf(first, "Label35").isEmpty());
        QVERIFY(first->close());
        flushDeletions();
        QVERIFY(first.isNull());

        // z11 = z22 = Ro, y11 = y22 = 1/Ro.
        typeAll(form1, kNoReflectionNorTransmission);
        QWidget* second = openForm2(form1);
        QVERIFY(second != nullptr);
        for (const char* field : kForm2Fields) {
            QCOMPARE(textOf(second, field),
                     qstrcmp(field, "Text9") == 0 ? QStringLiteral("50") : QString());
        }
        for (const char* box : kForm2SBoxes) {
            QCOMPARE(textOf(second, box), QString());
        }
        verifyTexts(second, {{"Label1", "50.00E+00"},
                             {"Label2", "00.00E+00"},
                             {"Label3", "00.00E+00"},
                             {"Label4", "00.00E+00"},
                             {"Label9", "00.00E+00"},
                             {"Label10", "00.00E+00"},
                             {"Label11", "50.00E+00"},
                             {"Label12", "00.00E+00"},
                             {"Label34", "20.00E-03"},
                             {"Label32", "00.00E+00"},
                             {"Label31", "00.00E+00"},
                             {"Label33", "00.00E+00"},
                             {"Label26", "00.00E+00"},
                             {"Label25", "00.00E+00"},
                             {"Label24", "20.00E-03"},
                             {"Label23", "00.00E+00"}});
        QCOMPARE(catcher.texts(), QStringList());
    }

    // Every button pressed twice with the same inputs writes the same texts again; the third
    // button leaves one Form2.
    void twice_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("button");
        QTest::addColumn<Texts>("shown");
        QTest::newRow("Form1/Command1") << "Form1"
                                        << "Command1" << kSAnalysisTexts;
        QTest::newRow("Form1/Command2") << "Form1"
                                        << "Command2" << kZAnalysisTexts;
        QTest::newRow("Form1/Command3") << "Form2"
                                        << "Command3" << kEquivalentTexts;
        QTest::newRow("Form2/Command1") << "Form2"
                                        << "Command1" << kSOfCopiedY;
        QTest::newRow("Form2/Command2") << "Form2"
                                        << "Command2" << kCopiedY;
    }

    void twice() {
        QFETCH(QString, window);
        QFETCH(QString, button);
        QFETCH(Texts, shown);
        MainForm* form1 = openMainForm();
        MessageBoxCatcher catcher;
        QWidget* target = form1;
        if (window == QLatin1String("Form2") && button != QLatin1String("Command3")) {
            target = openForm2(form1);
            QVERIFY(target != nullptr);
            typeAll(target, kCopiedY);  // the y fields filled, for the conversion
        }
        click(target, qPrintable(button));
        QWidget* const secondWindow = form2();
        verifyTexts(window == QLatin1String("Form1") ? form1 : secondWindow, shown);
        const Snapshot once = snapshot(form1);
        const Snapshot onceForm2 = snapshot(secondWindow);

        click(target, qPrintable(button));
        QCOMPARE(form2(), secondWindow);
        verifySame(snapshot(form1), once);
        verifySame(snapshot(form2()), onceForm2);
        QCOMPARE(catcher.texts(), QStringList());
        QCOMPARE(form2Count(), window == QLatin1String("Form2") ? 1 : 0);
    }
};

}  // namespace quadripolo::ui::test

QTEST_MAIN(quadripolo::ui::test::CommandsTest)
#include "commands_test.moc"
