// The button-to-command table and whole clicks through it: each button runs its command on the
// program's shared state. Refused fields and arithmetic faults through the real windows are in
// commands_test.cpp.

#include <QTest>

#include <variant>

#include "command_table.h"
#include "commands.h"
#include "test_support.h"

namespace quadripolo::ui::test {

namespace {

void verifyEmpty(const QWidget* window, const QStringList& boxes) {
    for (const QString& name : boxes) {
        QCOMPARE(textOf(window, name), QString());
    }
}

}  // namespace

class WiringTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { initApplication(); }
    void cleanup() { restoreStartState(); }

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

    // The first button writes its own block, with the full values behind the texts, and leaves
    // the lower block empty.
    void sAnalysis() {
        MainForm* form1 = openMainForm();
        click(form1, "Command1");
        verifyTexts(form1, kSAnalysisTexts);
        const QString fullValue = control(form1, "Label6")->toolTip();
        QCOMPARE(QString::number(fullValue.toDouble(), 'e', 3), QStringLiteral("1.147e-01"));
        QVERIFY(fullValue.size() > 10);
        verifyEmpty(form1, {"Label41", "Label43", "Label53", "Label84"});
    }

    // Form1's third button, then Form2's copy and conversion. Form2's boxes carry the locale's
    // decimal separator; the copied y fields keep the point.
    void equivalentParametersAndBack_data() {
        QTest::addColumn<bool>("comma");
        QTest::newRow("point locale") << false;
        QTest::newRow("Italian comma locale") << true;
    }

    void equivalentParametersAndBack() {
        QFETCH(bool, comma);
        const QChar separator = chooseLocale(comma);
        MainForm* form1 = openMainForm();
        QWidget* form2 = openForm2(form1);
        verifyTexts(form2, withSeparator(kEquivalentTexts, separator));

        MessageBoxCatcher catcher;
        click(form2, "Command2");
        verifyTexts(form2, kCopiedY);
        QCOMPARE(textOf(form2, "Text9"), QStringLiteral("50"));
        for (const char* box : kForm2SBoxes) {
            QCOMPARE(textOf(form2, box), QString());
        }

        click(form2, "Command1");
        verifyTexts(form2, withSeparator(kSOfCopiedY, separator));
        QCOMPARE(catcher.texts(), QStringList());
    }
};

}  // namespace quadripolo::ui::test

QTEST_MAIN(quadripolo::ui::test::WiringTest)
#include "wiring_test.moc"
