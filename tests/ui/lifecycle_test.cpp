// The life of the two windows: Form2 built on first use, brought to the front, discarded when
// closed and built afresh; closing Form1 first keeps Form2 working.

#include <QApplication>
#include <QTest>

#include "test_support.h"

namespace quadripolo::ui::test {

namespace {

// Form2's z and y boxes, which opening it fills (its S boxes, kForm2SBoxes, it leaves empty).
const char* const kZyBoxes[] = {"Label1",  "Label2",  "Label3",  "Label4",  "Label9",  "Label10",
                                "Label11", "Label12", "Label34", "Label32", "Label31", "Label33",
                                "Label26", "Label25", "Label24", "Label23"};
const char* const kYFields[] = {"Text1", "Text2", "Text3", "Text4",
                                "Text5", "Text6", "Text7", "Text8"};

QList<QWidget*> visibleWindows() {
    QList<QWidget*> windows;
    const QWidgetList all = QApplication::topLevelWidgets();
    for (QWidget* window : all) {
        if (window->isVisible()) {
            windows << window;
        }
    }
    return windows;
}

// Checks that Form2 is as when just built and filled by Form1's third button.
void verifyFresh(const QWidget* form2) {
    QVERIFY(form2 != nullptr);
    for (const char* name : kYFields) {
        QCOMPARE(control<QLineEdit>(form2, name)->text(), QString());
    }
    QCOMPARE(control<QLineEdit>(form2, "Text9")->text(), QStringLiteral("50"));
    for (const char* name : kForm2SBoxes) {
        QCOMPARE(control<QLabel>(form2, name)->text(), QString());
    }
    QCOMPARE(control<QLabel>(form2, "Label1")->text(), QStringLiteral("87.19E-01"));
    for (const char* name : kZyBoxes) {
        QVERIFY(!control<QLabel>(form2, name)->text().isEmpty());
    }
}

}  // namespace

class LifecycleTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { initApplication(); }
    void cleanup() { closeAllWindows(); }

    void atStartOnlyForm1IsOpen() {
        MainForm* form1 = openMainForm();
        QCOMPARE(visibleWindows(), QList<QWidget*>{form1});
        QCOMPARE(openWindow(QStringLiteral("Form2")), nullptr);
        QCOMPARE(form2Count(), 0);
        QVERIFY(qApp->quitOnLastWindowClosed());
    }

    // Shown modeless, without owner, in front and active, with the new z and y values.
    void command3OpensForm2() {
        MainForm* form1 = openMainForm();
        QWidget* form2 = openForm2(form1);
        verifyFresh(form2);
        QVERIFY(form2->isWindow());
        QCOMPARE(form2->parentWidget(), nullptr);
        QVERIFY(!form2->isModal());
        QVERIFY(form2->testAttribute(Qt::WA_DeleteOnClose));
        QVERIFY(QTest::qWaitForWindowActive(form2));
        QCOMPARE(QApplication::activeWindow(), form2);
        QVERIFY(form1->isVisible());
    }

    // A second press while Form2 is open brings that same window to the front; what the user
    // typed there stays.
    void command3AgainBringsForm2ToFront() {
        MainForm* form1 = openMainForm();
        QPointer<QWidget> form2 = openForm2(form1);
        QVERIFY(form2 != nullptr);
        control<QLineEdit>(form2, "Text1")->setText(QStringLiteral("0.5"));
        control<QLineEdit>(form2, "Text9")->setText(QStringLiteral("75"));

        form1->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form1));
        control<QLineEdit>(form1, "Text1")->setText(QStringLiteral("0.1"));
        QWidget* again = openForm2(form1);

        QCOMPARE(again, form2.data());
        QVERIFY(QTest::qWaitForWindowActive(form2));
        QCOMPARE(QApplication::activeWindow(), form2.data());
        QCOMPARE(control<QLineEdit>(form2, "Text1")->text(), QStringLiteral("0.5"));
        QCOMPARE(control<QLineEdit>(form2, "Text9")->text(), QStringLiteral("75"));
        QVERIFY(control<QLabel>(form2, "Label1")->text() != QLatin1String("87.19E-01"));
        QCOMPARE(form2Count(), 1);
    }

    // Closing Form2 discards it; the next press builds it afresh and leaves Form1 as it was.
    void closedForm2IsBuiltAfresh() {
        MainForm* form1 = openMainForm();
        QPointer<QWidget> first = openForm2(form1);
        QVERIFY(first != nullptr);
        click(first, "Command2");  // copies the y values into the y fields
        control<QLineEdit>(first, "Text9")->setText(QStringLiteral("75"));
        QVERIFY(!control<QLineEdit>(first, "Text1")->text().isEmpty());

        QVERIFY(first->close());
        flushDeletions();
        QVERIFY(first.isNull());
        QCOMPARE(visibleWindows(), QList<QWidget*>{form1});
        QCOMPARE(control<QLineEdit>(form1, "Text1")->text(), QStringLiteral("0.06"));

        verifyFresh(openForm2(form1));
    }

    // Closing Form1 first leaves Form2 open and working; the windows have no owner.
    void closingForm1FirstKeepsForm2() {
        QPointer<MainForm> form1 = openMainForm();
        QPointer<QWidget> form2 = openForm2(form1);
        QVERIFY(form2 != nullptr);

        QVERIFY(form1->close());
        flushDeletions();
        QVERIFY(form1.isNull());
        QVERIFY(!form2.isNull());
        QCOMPARE(visibleWindows(), QList<QWidget*>{form2.data()});

        click(form2, "Command2");
        QCOMPARE(control<QLineEdit>(form2, "Text1")->text(), QStringLiteral("13.87E-03"));

        QVERIFY(form2->close());
        flushDeletions();
        QVERIFY(form2.isNull());
        QVERIFY(visibleWindows().isEmpty());
    }

    void closingForm2KeepsForm1() {
        MainForm* form1 = openMainForm();
        control<QLineEdit>(form1, "Text14")->setText(QStringLiteral("2"));
        QPointer<QWidget> form2 = openForm2(form1);
        QVERIFY(form2->close());
        flushDeletions();
        QCOMPARE(visibleWindows(), QList<QWidget*>{form1});
        QCOMPARE(control<QLineEdit>(form1, "Text14")->text(), QStringLiteral("2"));
    }
};

}  // namespace quadripolo::ui::test

QTEST_MAIN(quadripolo::ui::test::LifecycleTest)
#include "lifecycle_test.moc"
