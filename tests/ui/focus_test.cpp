// The Tab order of both windows and the control that has the focus when each opens.

#include <QApplication>
#include <QTest>

#include "test_support.h"

namespace quadripolo::ui::test {

namespace {

const QStringList kForm1Order{
    "Text9",  "Text8",  "Text7",  "Text6",    "Text5",    "Text4",
    "Text3",  "Text2",  "Text1",  "Command1", "Text10",   "Text11",
    "Text12", "Text13", "Text14", "Command2", "Picture1", "Command3",
};

const QStringList kForm2Order{
    "Text1", "Text2", "Text3", "Text4",    "Text5",    "Text6",
    "Text7", "Text8", "Text9", "Command1", "Command2",
};

QString focusName() {
    QWidget* focus = QApplication::focusWidget();
    return focus == nullptr ? QStringLiteral("(none)") : focus->objectName();
}

// The names the focus visits, starting where it stands, pressing `key` `count` times.
QStringList walk(Qt::Key key, Qt::KeyboardModifiers modifiers, qsizetype count) {
    QStringList visited{focusName()};
    for (qsizetype i = 0; i < count; ++i) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        visited << focusName();
    }
    return visited;
}

// Opens the window, as the program does, and makes it the active one.
QWidget* open(const QString& window) {
    MainForm* form1 = openMainForm();
    if (window == QLatin1String("Form1")) {
        return form1;
    }
    QWidget* form2 = openForm2(form1);  // with the default inputs it opens Form2
    if (form2 != nullptr && !QTest::qWaitForWindowActive(form2)) {
        qWarning("Form2 did not become active");
    }
    return form2;
}

}  // namespace

class FocusTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { initApplication(); }
    void cleanup() { closeAllWindows(); }

    void initialFocus_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("first");
        QTest::newRow("Form1") << "Form1"
                               << "Text9";
        QTest::newRow("Form2") << "Form2"
                               << "Text1";
    }

    void initialFocus() {
        QFETCH(QString, window);
        QFETCH(QString, first);
        QWidget* form = open(window);
        QVERIFY(form != nullptr);
        QCOMPARE(QApplication::activeWindow(), form);
        QCOMPARE(focusName(), first);
    }

    void tabOrder_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("Form1") << "Form1" << kForm1Order;
        QTest::newRow("Form2") << "Form2" << kForm2Order;
    }

    // Tab runs through the order and back to its first control; no label takes the focus.
    void tabOrder() {
        QFETCH(QString, window);
        QFETCH(QStringList, order);
        QVERIFY(open(window) != nullptr);
        QStringList expected = order;
        expected << order.front();
        QCOMPARE(walk(Qt::Key_Tab, Qt::NoModifier, order.size()), expected);
    }

    void backTabOrder_data() { tabOrder_data(); }

    void backTabOrder() {
        QFETCH(QString, window);
        QFETCH(QStringList, order);
        QVERIFY(open(window) != nullptr);
        QStringList expected{order.front()};
        for (qsizetype i = order.size() - 1; i >= 0; --i) {
            expected << order[i];
        }
        QCOMPARE(walk(Qt::Key_Backtab, Qt::ShiftModifier, order.size()), expected);
    }
};

}  // namespace quadripolo::ui::test

QTEST_MAIN(quadripolo::ui::test::FocusTest)
#include "focus_test.moc"
