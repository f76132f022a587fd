// The button-to-command table and whole clicks through it: each button runs its command on the
// program's shared state, a bad field gives its one message, an arithmetic fault one message.

#include <QTest>

#include <map>
#include <variant>

#include "command_table.h"
#include "commands.h"
#include "test_support.h"

namespace quadripolo::ui::test {

namespace {

using Texts = QList<std::pair<QString, QString>>;  // control, text

// The main window's result boxes with the default inputs, after its first button.
const Texts kSAnalysisTexts{
    {"Label6", "11.47E-02"},  {"Label13", "-10.08E-02"}, {"Label16", "51.70E-02"},
    {"Label18", "13.28E-01"}, {"Label20", "-74.04E-03"}, {"Label22", "56.83E-03"},
    {"Label24", "12.03E-01"}, {"Label26", "12.41E-01"},  {"Label32", "95.60E-02"},
    {"Label34", "14.60E-03"}, {"Label36", "12.07E+00"},  {"Label39", "-15.64E-01"},
    {"Label46", "28.73E-02"}, {"Label47", "-31.08E-02"}, {"Label49", "12.16E+00"},
    {"Label50", "18.17E+00"}, {"Label69", "62.42E+00"},  {"Label70", "-13.20E+01"},
    {"Label73", "26.69E-03"}, {"Label74", "-22.29E-03"}, {"Label75", "-97.00E-03"},
    {"Label76", "12.31E-03"},
};

// The lower block with the default inputs, after the second button.
const Texts kZAnalysisTexts{
    {"Label41", "12.07E+00"},  {"Label43", "-15.64E-01"}, {"Label53", "28.73E-02"},
    {"Label55", "-31.08E-02"}, {"Label57", "12.16E+00"},  {"Label59", "18.17E+00"},
    {"Label61", "95.60E-02"},  {"Label63", "14.60E-03"},  {"Label65", "62.42E+00"},
    {"Label66", "-13.20E+01"}, {"Label81", "26.69E-03"},  {"Label82", "-22.29E-03"},
    {"Label83", "-97.00E-03"}, {"Label84", "12.31E-03"},
};

// Form2 after the third button with the default inputs (a point as decimal separator).
const Texts kEquivalentTexts{
    {"Label1", "87.19E-01"},   {"Label2", "19.07E+00"},  {"Label11", "80.04E+00"},
    {"Label12", "-52.04E-01"}, {"Label32", "30.85E-04"}, {"Label33", "-13.07E-04"},
    {"Label25", "-13.14E-02"}, {"Label23", "36.75E-04"},
};

// Form2's y fields after its copy button.
const Texts kCopiedY{
    {"Text1", "13.87E-03"},  {"Text2", "30.85E-04"}, {"Text5", "-16.39E-05"},
    {"Text6", "-13.07E-04"}, {"Text3", "14.16E-03"}, {"Text4", "-13.14E-02"},
    {"Text7", "53.71E-05"},  {"Text8", "36.75E-04"},
};

// Form2's S boxes after converting the copied y values back.
const Texts kConvertedS{
    {"Label35", "60.11E-03"}, {"Label37", "21.36E+01"},  {"Label38", "60.01E-03"},
    {"Label36", "70.70E+00"}, {"Label43", "60.21E-01"},  {"Label44", "84.00E+00"},
    {"Label45", "56.98E-02"}, {"Label46", "-19.20E+00"},
};

QString textOf(const QWidget* window, const QString& name) {
    QWidget* widget = control(window, qPrintable(name));
    if (auto* field = qobject_cast<QLineEdit*>(widget)) {
        return field->text();
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        return label->text();
    }
    return QStringLiteral("(no control %1)").arg(name);
}

void verifyTexts(const QWidget* window, const Texts& expected) {
    QVERIFY(window != nullptr);
    for (const auto& [name, text] : expected) {
        QCOMPARE(textOf(window, name), text);
    }
}

QStringList allResultBoxes(const char* window) {
    QStringList names;
    for (const ExpectedResultBox& box : kExpectedResultBoxes) {
        if (qstrcmp(box.window, window) == 0) {
            names << QString::fromLatin1(box.name);
        }
    }
    return names;
}

void verifyEmpty(const QWidget* window, const QStringList& boxes) {
    for (const QString& name : boxes) {
        QCOMPARE(textOf(window, name), QString());
    }
}

// A window of plain texts that records its messages: the command's own behaviour, without
// widgets, to compare the real window's with.
class RecordingWindow final : public MainWindow {
public:
    std::map<std::string, std::string, std::less<>> texts;
    std::vector<std::string> messages;

    std::string text(std::string_view control) const override {
        const auto found = texts.find(control);
        return found == texts.end() ? std::string() : found->second;
    }
    void setText(std::string_view control, const std::string& text) override {
        texts.insert_or_assign(std::string(control), text);
    }
    std::string decimalSeparator() const override { return "."; }
    void showMessage(std::string_view message) override { messages.emplace_back(message); }
    Window& loadAndShowEquivalentWindow() override { return *this; }
};

}  // namespace

class WiringTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { initApplication(); }
    void cleanup() {
        closeAllWindows();
        QLocale::setDefault(QLocale::c());
    }

    // First of all, while the shared state is fresh: the z analysis alone re-shows PL and Pin of
    // an S analysis that never ran.
    void zAnalysisBeforeAnyOther() {
        MainForm* form1 = openMainForm();
        click(form1, "Command2");
        verifyTexts(form1, kZAnalysisTexts);
        QCOMPARE(textOf(form1, "Label32"), QStringLiteral("00.00E+00"));
        QCOMPARE(textOf(form1, "Label34"), QStringLiteral("00.00E+00"));
        verifyEmpty(form1, {"Label6", "Label13", "Label36", "Label76"});
    }

    void table_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("button");
        QTest::addColumn<void*>("command");
        QTest::newRow("Form1/Command1")
            << "Form1"
            << "Command1" << reinterpret_cast<void*>(&form1::Command1_Click);
        QTest::newRow("Form1/Command2")
            << "Form1"
            << "Command2" << reinterpret_cast<void*>(&form1::Command2_Click);
        QTest::newRow("Form1/Command3")
            << "Form1"
            << "Command3" << reinterpret_cast<void*>(&form1::Command3_Click);
        QTest::newRow("Form2/Command1")
            << "Form2"
            << "Command1" << reinterpret_cast<void*>(&form2::Command1_Click);
        QTest::newRow("Form2/Command2")
            << "Form2"
            << "Command2" << reinterpret_cast<void*>(&form2::Command2_Click);
    }

    // The table binds exactly the five buttons, each to its command.
    void table() {
        QFETCH(QString, window);
        QFETCH(QString, button);
        QFETCH(void*, command);
        QCOMPARE(commandTable().size(), std::size_t{5});
        int found = 0;
        for (const CommandBinding& binding : commandTable()) {
            if (QLatin1String(binding.window.data(), qsizetype(binding.window.size())) == window &&
                QLatin1String(binding.button.data(), qsizetype(binding.button.size())) == button) {
                ++found;
                const void* bound = std::visit(
                    [](auto run) { return reinterpret_cast<const void*>(run); }, binding.command);
                QCOMPARE(bound, command);
            }
        }
        QCOMPARE(found, 1);
    }

    void sAnalysis() {
        MainForm* form1 = openMainForm();
        click(form1, "Command1");
        verifyTexts(form1, kSAnalysisTexts);
        const QString fullValue = control(form1, "Label6")->toolTip();
        QCOMPARE(QString::number(fullValue.toDouble(), 'e', 3), QStringLiteral("1.147e-01"));
        QVERIFY(fullValue.size() > 10);
        verifyEmpty(form1, {"Label41", "Label43", "Label53", "Label84"});

        click(form1, "Command1");  // the same inputs write the same texts again
        verifyTexts(form1, kSAnalysisTexts);
    }

    void zAnalysis() {
        MainForm* form1 = openMainForm();
        click(form1, "Command2");
        verifyTexts(form1, kZAnalysisTexts);
    }

    // Form1's third button, then Form2's copy and conversion.
    void equivalentParametersAndBack() {
        MainForm* form1 = openMainForm();
        click(form1, "Command3");
        QWidget* form2 = openWindow(QStringLiteral("Form2"));
        verifyTexts(form2, kEquivalentTexts);

        MessageBoxCatcher catcher;
        click(form2, "Command2");
        verifyTexts(form2, kCopiedY);
        QCOMPARE(textOf(form2, "Text9"), QStringLiteral("50"));
        verifyEmpty(form2, {"Label35", "Label37", "Label38", "Label36", "Label43", "Label44",
                            "Label45", "Label46"});

        click(form2, "Command1");
        verifyTexts(form2, kConvertedS);
        QCOMPARE(catcher.texts(), QStringList());
    }

    // Form2's boxes carry the locale's decimal separator; Form1's results keep the point.
    void commaLocale() {
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        MainForm* form1 = openMainForm();
        click(form1, "Command3");
        QWidget* form2 = openWindow(QStringLiteral("Form2"));
        QCOMPARE(textOf(form2, "Label1"), QStringLiteral("87,19E-01"));
        QCOMPARE(textOf(form2, "Label12"), QStringLiteral("-52,04E-01"));
        click(form1, "Command1");
        verifyTexts(form1, kSAnalysisTexts);
        click(form2, "Command2");
        verifyTexts(form2, kCopiedY);
    }

    // A bad field stops its command with one message, verbatim, and writes nothing.
    void badField_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("copyYFirst");
        const QString badSuffix = QStringLiteral(
            ". Puoi scrivere soltanto numeri razionali con il punto come separatore decimale, "
            "anche in forma esponenziale. Ad es: 1.23 , 1E-5 , 5E3");
        QTest::newRow("Form1/Command1, empty S11 modulus")
            << "Form1"
            << "Text1"
            << ""
            << "Command1"
            << "Hai dimenticato di scrivere il valore del modulo di S11" << false;
        QTest::newRow("Form1/Command1, comma")
            << "Form1"
            << "Text1"
            << "1,5"
            << "Command1"
            << "Errore di inserimento dati per il valore del modulo di S11" + badSuffix << false;
        QTest::newRow("Form1/Command2, empty Ro")
            << "Form1"
            << "Text9"
            << ""
            << "Command2"
            << "Hai dimenticato di scrivere il valore di Ro=Zo impedenza di riferimento" << false;
        QTest::newRow("Form1/Command3, empty E")
            << "Form1"
            << "Text14"
            << ""
            << "Command3"
            << "Hai dimenticato di scrivere il valore della tensione a vuoto in Volt efficaci E"
            << false;
        QTest::newRow("Form2/Command1, empty y fields")
            << "Form2"
            << "Text2"
            << ""
            << "Command1"
            << "Hai dimenticato di scrivere il valore della parte reale di y11" << false;
        QTest::newRow("Form2/Command1, letter in Ro")
            << "Form2"
            << "Text9"
            << "5O"
            << "Command1"
            << "Errore di inserimento dati per il valore di Ro=Zo impedenza di riferimento" +
                   badSuffix
            << true;
        QTest::newRow("Form2/Command1, empty imaginary part of y21")
            << "Form2"
            << "Text4"
            << ""
            << "Command1"
            << "Hai dimenticato di scrivere il valore della della parte immaginaria di y21" << true;
    }

    void badField() {
        QFETCH(QString, window);
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, button);
        QFETCH(QString, message);
        QFETCH(bool, copyYFirst);
        MainForm* form1 = openMainForm();
        QWidget* target = form1;
        if (window == QLatin1String("Form2")) {
            click(form1, "Command3");
            target = openWindow(QStringLiteral("Form2"));
            QVERIFY(target != nullptr);
            if (copyYFirst) {
                click(target, "Command2");
            }
        }
        control<QLineEdit>(target, qPrintable(field))->setText(typed);
        const bool form2WasOpen = openWindow(QStringLiteral("Form2")) != nullptr;
        const QStringList boxes = allResultBoxes(qPrintable(window));
        QStringList before;
        for (const QString& box : boxes) {
            before << textOf(target, box);
        }

        MessageBoxCatcher catcher;
        click(target, qPrintable(button));
        QCOMPARE(catcher.texts(), QStringList{message});
        QCOMPARE(catcher.seen().front().title, QStringLiteral("Quadripolo"));
        QStringList after;
        for (const QString& box : boxes) {
            after << textOf(target, box);
        }
        QCOMPARE(after, before);
        QCOMPARE(openWindow(QStringLiteral("Form2")) != nullptr, form2WasOpen);
    }

    // Ro = 0 makes the z analysis divide 0 by 0: the command ends with the one message that
    // it gives for that fault, and writes no box.
    void arithmeticFault() {
        RecordingWindow recording;
        const char* const defaults[][2] = {
            {"Text1", "0.06"}, {"Text2", "-146.3"}, {"Text3", "6.02"}, {"Text4", "84"},
            {"Text5", "0.06"}, {"Text6", "70.7"},   {"Text7", "0.57"}, {"Text8", "-19.2"},
            {"Text9", "0"},    {"Text10", "10"},    {"Text11", "20"},  {"Text12", "100"},
            {"Text13", "200"}, {"Text14", "1"},
        };
        for (const auto& [name, text] : defaults) {
            recording.texts[name] = text;
        }
        NetworkState fresh;
        runCommand(recording, [&] { form1::Command2_Click(fresh, recording); });
        QCOMPARE(recording.messages.size(), std::size_t{1});
        const QString expected = QString::fromStdString(recording.messages.front());
        QVERIFY(!expected.isEmpty());

        MainForm* form1 = openMainForm();
        control<QLineEdit>(form1, "Text9")->setText(QStringLiteral("0"));
        MessageBoxCatcher catcher;
        click(form1, "Command2");
        QCOMPARE(catcher.texts(), QStringList{expected});
        verifyEmpty(form1, allResultBoxes("Form1"));

        // The program goes on: the next press with good inputs works.
        control<QLineEdit>(form1, "Text9")->setText(QStringLiteral("50"));
        click(form1, "Command2");
        verifyTexts(form1, kZAnalysisTexts);
        QCOMPARE(catcher.texts(), QStringList{expected});
    }
};

}  // namespace quadripolo::ui::test

QTEST_MAIN(quadripolo::ui::test::WiringTest)
#include "wiring_test.moc"
