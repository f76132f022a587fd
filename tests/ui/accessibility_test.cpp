// What assistive technology reads: fields by their captions, result boxes by their text with the
// caption as description, buttons by their captions.

#include <QAccessible>
#include <QTest>

#include "test_support.h"

namespace quadripolo::ui::test {

class AccessibilityTest : public QObject {
    Q_OBJECT

private:
    BothWindows windows_;

    static QAccessibleInterface* accessible(QWidget* widget) {
        return widget == nullptr ? nullptr : QAccessible::queryAccessibleInterface(widget);
    }

private Q_SLOTS:
    void initTestCase() {
        initApplication();
        windows_.build();
        windows_.show();
    }

    void cleanupTestCase() { closeAllWindows(); }

    void fields_data() { addRowPerEntry(kExpectedFields); }

    void fields() {
        QFETCH(int, row);
        const ExpectedField& e = kExpectedFields[row];
        QAccessibleInterface* field = accessible(control(windows_.window(e.window), e.name));
        QVERIFY(field != nullptr);
        QCOMPARE(field->role(), QAccessible::EditableText);
        QCOMPARE(field->text(QAccessible::Name), QString::fromUtf8(e.accessibleName));
        QCOMPARE(field->text(QAccessible::Value), QString::fromUtf8(e.initialText));
        QVERIFY(field->state().focusable);
    }

    // A box is read by its text, which changes with every command; its caption describes it.
    void resultBoxes_data() { addRowPerEntry(kExpectedResultBoxes); }

    void resultBoxes() {
        QFETCH(int, row);
        const ExpectedResultBox& e = kExpectedResultBoxes[row];
        auto* box = control<QLabel>(windows_.window(e.window), e.name);
        QVERIFY(box != nullptr);
        QVERIFY(box->accessibleName().isEmpty());
        QAccessibleInterface* boxInterface = accessible(box);
        QVERIFY(boxInterface != nullptr);
        QCOMPARE(boxInterface->text(QAccessible::Description), QString::fromUtf8(e.description));
        box->setText(QStringLiteral("-12.34E-05"));
        QCOMPARE(boxInterface->text(QAccessible::Name), QStringLiteral("-12.34E-05"));
        box->clear();
    }

    void buttons_data() { addRowPerEntry(kExpectedButtons); }

    void buttons() {
        QFETCH(int, row);
        const ExpectedButton& e = kExpectedButtons[row];
        QAccessibleInterface* button = accessible(control(windows_.window(e.window), e.name));
        QVERIFY(button != nullptr);
        QCOMPARE(button->role(), QAccessible::Button);
        QCOMPARE(button->text(QAccessible::Name), QString::fromUtf8(e.caption));
        QVERIFY(button->actionInterface() != nullptr);
        QVERIFY(button->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));
    }

    // The schematic is in the Tab order, so it has a name to be read by.
    void picture() {
        QAccessibleInterface* picture = accessible(control(windows_.form1(), "Picture1"));
        QVERIFY(picture != nullptr);
        QCOMPARE(picture->text(QAccessible::Name),
                 QStringLiteral("Schema del circuito: generatore E con Ze, quadripolo, carico ZL"));
        QVERIFY(picture->state().focusable);
    }

    void windows_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("name");
        QTest::newRow("Form1")
            << "Form1"
            << "Quadripolo visto con i parametri S e confronto risultati con i parametri z";
        QTest::newRow("Form2") << "Form2"
                               << "Parametri z";
    }

    void windows() {
        QFETCH(QString, window);
        QFETCH(QString, name);
        QAccessibleInterface* form = accessible(windows_.window(window));
        QVERIFY(form != nullptr);
        QCOMPARE(form->role(), QAccessible::Window);
        QCOMPARE(form->text(QAccessible::Name), name);
    }
};

}  // namespace quadripolo::ui::test

QTEST_MAIN(quadripolo::ui::test::AccessibilityTest)
#include "accessibility_test.moc"
