// The process ends when no window is left: closing Form1 while Form2 is open keeps the event
// loop running until Form2 is closed too.

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include "test_support.h"

namespace quadripolo::ui::test {

class ProcessLifeTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { initApplication(); }

    void endsWhenTheLastWindowCloses() {
        QPointer<MainForm> form1 = openMainForm();
        QPointer<QWidget> form2 = openForm2(form1);
        QVERIFY(form2 != nullptr);

        QSignalSpy lastWindowClosed(qApp, &QGuiApplication::lastWindowClosed);
        int closedAfterForm1 = -1;
        bool form2OpenAfterForm1 = false;
        // Each step runs from the event loop, after the previous one has been handled.
        QMetaObject::invokeMethod(
            qApp,
            [&] {
                form1->close();
                QMetaObject::invokeMethod(
                    qApp,
                    [&] {
                        closedAfterForm1 = static_cast<int>(lastWindowClosed.count());
                        form2OpenAfterForm1 = !form2.isNull() && form2->isVisible();
                        if (form2OpenAfterForm1) {
                            form2->close();
                        }
                    },
                    Qt::QueuedConnection);
            },
            Qt::QueuedConnection);

        QCOMPARE(QApplication::exec(), 0);  // returns only when the process would end

        QCOMPARE(closedAfterForm1, 0);
        QVERIFY(form2OpenAfterForm1);
        QCOMPARE(lastWindowClosed.count(), 1);
        flushDeletions();
        QVERIFY(form1.isNull());
        QVERIFY(form2.isNull());
    }
};

}  // namespace quadripolo::ui::test

QTEST_MAIN(quadripolo::ui::test::ProcessLifeTest)
#include "process_life_test.moc"
