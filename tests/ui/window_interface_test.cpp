// The widgets behind the interface through which the commands reach a window: texts in and out
// as UTF-8, the full value as a tooltip, the locale's decimal separator, the modal message, and
// the opening of Form2.

#include <QLocale>
#include <QTest>

#include "equivalent_form.h"
#include "test_support.h"

namespace quadripolo::ui::test {

class WindowInterfaceTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { initApplication(); }
    void cleanup() { restoreStartState(); }

    // A field's text exactly as the user left it, a label's caption, both as UTF-8.
    void text_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("shown");
        QTest::newRow("field with spaces") << "Text1"
                                           << " 1.5 ";
        QTest::newRow("field with comma") << "Text9"
                                          << "1,5";
        QTest::newRow("field, not Latin-1") << "Text14"
                                            << "5\u00B0\u03A9";
        QTest::newRow("empty field") << "Text2" << QString();
        QTest::newRow("result box") << "Label6"
                                    << "-12.34E-05";
        QTest::newRow("caption") << "Label40"
                                 << "Calcoli effettuati usando solo i parametri S";
    }

    void text() {
        QFETCH(QString, control);
        QFETCH(QString, shown);
        MainForm* form = openMainForm();
        QWidget* widget = test::control(form, qPrintable(control));
        if (auto* field = qobject_cast<QLineEdit*>(widget)) {
            field->setText(shown);
        } else if (auto* label = qobject_cast<QLabel*>(widget)) {
            label->setText(shown);
        }
        const MainWindow& window = *form;
        QCOMPARE(window.text(control.toStdString()), shown.toStdString());
        QCOMPARE(window.fieldText(control.toStdString()), shown.toStdString());
    }

    void setText_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("written");
        QTest::newRow("result box") << "Label32"
                                    << "95.60E-02";
        QTest::newRow("result box, comma") << "Label34"
                                           << "14,60E-03";
        QTest::newRow("field") << "Text3"
                               << "13.87E-03";
        QTest::newRow("not Latin-1") << "Label70"
                                     << "\u03A9 \u00E8";
    }

    void setText() {
        QFETCH(QString, control);
        QFETCH(QString, written);
        MainForm* form = openMainForm();
        MainWindow& window = *form;
        window.setText(control.toStdString(), written.toStdString());
        QWidget* widget = test::control(form, qPrintable(control));
        if (auto* field = qobject_cast<QLineEdit*>(widget)) {
            QCOMPARE(field->text(), written);
        } else {
            QCOMPARE(qobject_cast<QLabel*>(widget)->text(), written);
        }
        QCOMPARE(window.text(control.toStdString()), written.toStdString());
    }

    void decimalSeparator_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("separator");
        QTest::newRow("C") << QLocale::c() << ".";
        QTest::newRow("Italian") << QLocale(QLocale::Italian, QLocale::Italy) << ",";
        QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates) << ".";
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << ",";
    }

    void decimalSeparator() {
        QFETCH(QLocale, locale);
        QFETCH(QString, separator);
        QLocale::setDefault(locale);
        MainForm* form = openMainForm();
        QCOMPARE(static_cast<MainWindow&>(*form).decimalSeparator(), separator.toStdString());
    }

    // The full value, with 17 significant digits, is the tooltip of a result box only.
    void fullValue_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("toolTip");
        QTest::newRow("tenth") << "Label6" << 0.1 << "0.10000000000000001";
        QTest::newRow("negative") << "Label13" << -1.5 << "-1.5";
        QTest::newRow("third") << "Label70" << 1.0 / 3.0 << "0.33333333333333331";
        QTest::newRow("short") << "Label84" << 1.2309706e-2 << "0.012309706";
        QTest::newRow("tiny") << "Label32" << 2e-300 << "2.0000000000000001e-300";
        QTest::newRow("field") << "Text1" << 0.1 << "";
    }

    void fullValue() {
        QFETCH(QString, control);
        QFETCH(double, value);
        QFETCH(QString, toolTip);
        MainForm* form = openMainForm();
        static_cast<MainWindow&>(*form).setFullValue(control.toStdString(), value);
        QCOMPARE(test::control(form, qPrintable(control))->toolTip(), toolTip);
    }

    // One modal box: the text verbatim, the program's name as title, an OK button, no icon.
    void showMessage_data() {
        QTest::addColumn<QString>("message");
        QTest::newRow("missing value") << "Hai dimenticato di scrivere il valore del modulo di S11";
        QTest::newRow("markup shown as typed") << "<b>Ro</b> & <i>E</i>";
        QTest::newRow("accents") << "Nessun risultato è stato scritto: controlla i dati inseriti.";
    }

    void showMessage() {
        QFETCH(QString, message);
        MainForm* form = openMainForm();
        MessageBoxCatcher catcher;
        static_cast<MainWindow&>(*form).showMessage(message.toStdString());
        QCOMPARE(catcher.seen().size(), 1);
        const MessageBoxCatcher::Seen& seen = catcher.seen().front();
        QCOMPARE(seen.text, message);
        QCOMPARE(seen.title, QStringLiteral("Quadripolo"));
        QVERIFY(seen.onlyOk);
        QVERIFY(seen.noIcon);
        QVERIFY(seen.applicationModal);
        QVERIFY(seen.plainText);
    }

    void showMessageFromForm2() {
        EquivalentForm* form2 = new EquivalentForm();
        form2->show();
        MessageBoxCatcher catcher;
        static_cast<Window&>(*form2).showMessage(
            "Hai dimenticato di scrivere il valore della "
            "parte reale di y11");
        QCOMPARE(catcher.texts(),
                 QStringList{"Hai dimenticato di scrivere il valore della parte reale di y11"});
        QCOMPARE(catcher.seen().front().title, QStringLiteral("Quadripolo"));
    }

    // Builds Form2 when it is not open, shows it, and hands back the same window while it is.
    void loadAndShowEquivalentWindow() {
        MainForm* form1 = openMainForm();
        MainWindow& main = *form1;
        QCOMPARE(openWindow(QStringLiteral("Form2")), nullptr);

        Window& first = main.loadAndShowEquivalentWindow();
        QWidget* form2 = openWindow(QStringLiteral("Form2"));
        QVERIFY(form2 != nullptr);
        QCOMPARE(dynamic_cast<QWidget*>(&first), form2);
        QCOMPARE(first.text("Text9"), std::string("50"));
        QCOMPARE(first.text("Text1"), std::string());
        first.setText("Label1", "87.19E-01");
        QCOMPARE(control<QLabel>(form2, "Label1")->text(), QStringLiteral("87.19E-01"));

        Window& again = main.loadAndShowEquivalentWindow();
        QCOMPARE(&again, &first);
        QCOMPARE(control<QLabel>(form2, "Label1")->text(), QStringLiteral("87.19E-01"));
    }
};

}  // namespace quadripolo::ui::test

QTEST_MAIN(quadripolo::ui::test::WindowInterfaceTest)
#include "window_interface_test.moc"
