// Names, kinds, places and texts of every control of both windows.

#include <QMenuBar>
#include <QSet>
#include <QTest>

#include "test_support.h"

namespace quadripolo::ui::test {

class LayoutTest : public QObject {
    Q_OBJECT

private:
    BothWindows windows_;

private Q_SLOTS:
    void initTestCase() {
        initApplication();
        windows_.build();
    }

    void cleanupTestCase() { windows_.destroy(); }

    void windows_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("widthTwips");
        QTest::addColumn<int>("heightTwips");
        QTest::newRow("Form1") << "Form1"
                               << "Quadripolo visto con i parametri S e confronto risultati con "
                                  "i parametri z"
                               << 16155 << 10575;
        QTest::newRow("Form2") << "Form2"
                               << "Parametri z" << 13020 << 8535;
    }

    void windows() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(int, widthTwips);
        QFETCH(int, heightTwips);
        QWidget* form = windows_.window(name);
        QCOMPARE(form->objectName(), name);
        QCOMPARE(form->windowTitle(), caption);
        QVERIFY(form->isWindow());
        QCOMPARE(form->parentWidget(), nullptr);
        QCOMPARE(form->width() * 15, widthTwips);
        QCOMPARE(form->height() * 15, heightTwips);
        QVERIFY(form->testAttribute(Qt::WA_DeleteOnClose));
        QVERIFY(form->findChild<QMenuBar*>() == nullptr);
        QVERIFY(!form->windowIcon().isNull());
        // A sizable frame: no fixed size.
        QVERIFY(form->minimumSize() != form->maximumSize());
    }

    // Every control is there under its name, and nothing else.
    void controlNames_data() {
        QTest::addColumn<QString>("window");
        QTest::newRow("Form1") << "Form1";
        QTest::newRow("Form2") << "Form2";
    }

    void controlNames() {
        QFETCH(QString, window);
        QSet<QString> expected;
        auto collect = [&](const auto& table) {
            for (const auto& e : table) {
                if (window == QLatin1String(e.window)) {
                    expected.insert(QLatin1String(e.name));
                }
            }
        };
        collect(kExpectedCaptions);
        collect(kExpectedFields);
        collect(kExpectedResultBoxes);
        collect(kExpectedButtons);
        if (window == QLatin1String("Form1")) {
            expected << QStringLiteral("Picture1") << QStringLiteral("Label92");
        }
        QSet<QString> actual;
        const QList<QWidget*> children =
            windows_.window(window)->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (const QWidget* child : children) {
            actual.insert(child->objectName());
        }
        QCOMPARE(actual.size(), children.size());  // no name twice
        QCOMPARE(actual, expected);
    }

    void captions_data() { addRowPerEntry(kExpectedCaptions); }

    void captions() {
        QFETCH(int, row);
        const ExpectedCaption& e = kExpectedCaptions[row];
        auto* label = control<QLabel>(windows_.window(e.window), e.name);
        QVERIFY(label != nullptr);
        QCOMPARE(label->text(), QString::fromUtf8(e.text));
        QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, e.alignment);
        QCOMPARE(label->frameShape(), QFrame::NoFrame);
        if (qstrcmp(e.name, "Label59") == 0 && qstrcmp(e.window, "Form2") == 0) {
            // Its size follows its text, from its top-left corner.
            QCOMPARE(twipsOf(*label).left, e.twips.left);
            QCOMPARE(twipsOf(*label).top, e.twips.top);
            QCOMPARE(label->size(), label->sizeHint());
        } else {
            QCOMPARE(twipsOf(*label), e.twips);
        }
    }

    void fields_data() { addRowPerEntry(kExpectedFields); }

    void fields() {
        QFETCH(int, row);
        const ExpectedField& e = kExpectedFields[row];
        auto* field = control<QLineEdit>(windows_.window(e.window), e.name);
        QVERIFY(field != nullptr);
        QCOMPARE(field->text(), QString::fromUtf8(e.initialText));
        QCOMPARE(twipsOf(*field), e.twips);
        QVERIFY(field->hasFrame());
        QVERIFY(!field->isReadOnly());
    }

    void resultBoxes_data() { addRowPerEntry(kExpectedResultBoxes); }

    void resultBoxes() {
        QFETCH(int, row);
        const ExpectedResultBox& e = kExpectedResultBoxes[row];
        auto* box = control<QLabel>(windows_.window(e.window), e.name);
        QVERIFY(box != nullptr);
        QVERIFY(box->text().isEmpty());
        QCOMPARE(twipsOf(*box), e.twips);
        QCOMPARE(box->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
        QCOMPARE(box->frameShape(), QFrame::Box);
        QCOMPARE(box->frameShadow(), QFrame::Plain);
        QCOMPARE(box->lineWidth(), 1);
        QCOMPARE(box->textFormat(), Qt::PlainText);
        QCOMPARE(box->textInteractionFlags(),
                 Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    }

    void buttons_data() { addRowPerEntry(kExpectedButtons); }

    void buttons() {
        QFETCH(int, row);
        const ExpectedButton& e = kExpectedButtons[row];
        auto* button = control<QPushButton>(windows_.window(e.window), e.name);
        QVERIFY(button != nullptr);
        QCOMPARE(button->text(), QString::fromUtf8(e.caption));
        QCOMPARE(twipsOf(*button), e.twips);
    }

    void picture() {
        auto* picture = control<QLabel>(windows_.form1(), "Picture1");
        QVERIFY(picture != nullptr);
        QCOMPARE(twipsOf(*picture), (Twips{240, 5160, 10815, 3135}));
        QCOMPARE(picture->pixmap().deviceIndependentSize().toSize(), QSize(717, 208));
        QCOMPARE(picture->alignment(), Qt::AlignLeft | Qt::AlignTop);
        QVERIFY(!picture->hasScaledContents());
        QVERIFY(picture->frameShape() != QFrame::NoFrame);
        QCOMPARE(picture->frameWidth(), 1);
    }

    void contactLine() {
        auto* contact = control<QLabel>(windows_.form1(), "Label92");
        QVERIFY(contact != nullptr);
        QCOMPARE(twipsOf(*contact), (Twips{13320, 9960, 1575, 285}));
        QCOMPARE(contact->text(), QStringLiteral("Calcolo quadripoli"));
        QVERIFY(!contact->wordWrap());
        QCOMPARE(contact->frameShape(), QFrame::Box);
        QCOMPARE(contact->lineWidth(), 1);
    }

    // Enlarging or shrinking a window moves and resizes nothing.
    void nothingMovesOnResize_data() { controlNames_data(); }

    void nothingMovesOnResize() {
        QFETCH(QString, window);
        QWidget* form = windows_.window(window);
        const QList<QWidget*> children = form->findChildren<QWidget*>();
        QList<QRect> before;
        for (const QWidget* child : children) {
            before << child->geometry();
        }
        const QSize original = form->size();
        for (const QSize size : {QSize(300, 200), QSize(1500, 1100)}) {
            form->resize(size);
            QCoreApplication::processEvents();
            for (qsizetype i = 0; i < children.size(); ++i) {
                QCOMPARE(children[i]->geometry(), before[i]);
            }
        }
        form->resize(original);
    }
};

}  // namespace quadripolo::ui::test

QTEST_MAIN(quadripolo::ui::test::LayoutTest)
#include "layout_test.moc"
