// Colours, fonts and borders of both windows, and no caption clipped in its box.

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QTest>

#include "test_support.h"
#include "wrapping_button.h"

namespace quadripolo::ui::test {

namespace {

constexpr QRgb kActiveBorder = qRgb(212, 208, 200);
constexpr QRgb kOrange = qRgb(255, 128, 0);
constexpr QRgb kBlack = qRgb(0, 0, 0);

QRgb colourOf(const QWidget& widget, QPalette::ColorRole role) {
    return widget.palette().color(QPalette::Active, role).rgb();
}

// What a label's box shows as its background once drawn: its own colour, or the window's.
QRgb paintedBackground(QWidget& window, const QWidget& widget, QPoint inside) {
    const QImage image = window.grab().toImage();
    return image.pixel(widget.geometry().topLeft() + inside);
}

bool isUnitLabel(const QString& window, const QString& name) {
    return (window == QLatin1String("Form1") && name == QLatin1String("Label10")) ||
           (window == QLatin1String("Form2") && name == QLatin1String("Label65"));
}

}  // namespace

class LookTest : public QObject {
    Q_OBJECT

private:
    BothWindows windows_;

private Q_SLOTS:
    void initTestCase() {
        initApplication();
        windows_.build();
        windows_.show();
    }

    void cleanupTestCase() { closeAllWindows(); }

    void windowBackgrounds_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QRgb>("background");
        QTest::newRow("Form1") << "Form1" << kActiveBorder;
        QTest::newRow("Form2") << "Form2" << kOrange;
    }

    void windowBackgrounds() {
        QFETCH(QString, window);
        QFETCH(QRgb, background);
        QWidget* form = windows_.window(window);
        QVERIFY(form->autoFillBackground());
        QCOMPARE(colourOf(*form, QPalette::Window), background);
        QCOMPARE(form->grab().toImage().pixel(form->width() - 2, form->height() - 2), background);
    }

    // Captions stand on the window's background in black letters.
    void captionColours_data() { addRowPerEntry(kExpectedCaptions); }

    void captionColours() {
        QFETCH(int, row);
        const ExpectedCaption& e = kExpectedCaptions[row];
        QWidget* form = windows_.window(e.window);
        auto* label = control<QLabel>(form, e.name);
        QVERIFY(label != nullptr);
        QVERIFY(!label->autoFillBackground());
        QCOMPARE(colourOf(*label, QPalette::WindowText), kBlack);
        // The bottom row of a caption's box lies below its letters.
        const QPoint belowText(label->width() / 2, label->height() - 1);
        QCOMPARE(paintedBackground(*form, *label, belowText), colourOf(*form, QPalette::Window));
    }

    void fieldColours_data() { addRowPerEntry(kExpectedFields); }

    void fieldColours() {
        QFETCH(int, row);
        const ExpectedField& e = kExpectedFields[row];
        QWidget* form = windows_.window(e.window);
        auto* field = control<QLineEdit>(form, e.name);
        QVERIFY(field != nullptr);
        QCOMPARE(colourOf(*field, QPalette::Base), e.background);
        QCOMPARE(colourOf(*field, QPalette::Text), kBlack);
        QCOMPARE(paintedBackground(*form, *field, QPoint(field->width() - 5, 4)), e.background);
    }

    void resultBoxColours_data() { addRowPerEntry(kExpectedResultBoxes); }

    void resultBoxColours() {
        QFETCH(int, row);
        const ExpectedResultBox& e = kExpectedResultBoxes[row];
        QWidget* form = windows_.window(e.window);
        auto* box = control<QLabel>(form, e.name);
        QVERIFY(box != nullptr);
        QVERIFY(box->autoFillBackground());
        QCOMPARE(colourOf(*box, QPalette::Window), e.background);
        QCOMPARE(colourOf(*box, QPalette::WindowText), kBlack);
        QCOMPARE(paintedBackground(*form, *box, QPoint(4, 4)), e.background);
        QCOMPARE(paintedBackground(*form, *box, QPoint(0, 0)), kBlack);  // the single border
    }

    // A button's own colour shows around its caption.
    void buttonColours_data() { addRowPerEntry(kExpectedButtons); }

    void buttonColours() {
        QFETCH(int, row);
        const ExpectedButton& e = kExpectedButtons[row];
        auto* button = control<QPushButton>(windows_.window(e.window), e.name);
        QVERIFY(button != nullptr);
        QCOMPARE(colourOf(*button, QPalette::Button), e.background);
        QCOMPARE(colourOf(*button, QPalette::ButtonText), kBlack);
        const QImage image = button->grab().toImage();
        QCOMPARE(image.pixel(5, button->height() / 2), e.background);
        QCOMPARE(image.pixel(button->width() / 2, 4), e.background);
    }

    void contactLineColour() {
        auto* contact = control<QLabel>(windows_.form1(), "Label92");
        QVERIFY(contact != nullptr);
        QCOMPARE(paintedBackground(*windows_.form1(), *contact, QPoint(2, 2)), qRgb(192, 255, 255));
    }

    void pictureShowsTheSchematic() {
        auto* picture = control<QLabel>(windows_.form1(), "Picture1");
        QVERIFY(picture != nullptr);
        const QImage shown = picture->grab().toImage();
        const QImage schematic = picture->pixmap().toImage();
        const QPoint origin = picture->contentsRect().topLeft();
        // The picture's own black frame starts at the box's top-left inner corner.
        QCOMPARE(shown.pixel(origin), schematic.pixel(0, 0));
        QCOMPARE(schematic.pixel(0, 0), kBlack);
        QCOMPARE(schematic.pixel(5, 5), qRgb(255, 255, 255));
    }

    // MS Sans Serif 8.25 pt bold (11 px at 96 dpi), drawn in Liberation Sans where it is missing;
    // the contact line in the regular weight; the ohm signs 9 pt (12 px) bold.
    void fonts_data() {
        addControlRows(kExpectedCaptions, kExpectedFields, kExpectedResultBoxes, kExpectedButtons);
        QTest::newRow("Form1/Picture1") << "Form1"
                                        << "Picture1";
        QTest::newRow("Form1/Label92") << "Form1"
                                       << "Label92";
    }

    void fonts() {
        QFETCH(QString, window);
        QFETCH(QString, name);
        QWidget* widget = control(windows_.window(window), qPrintable(name));
        QVERIFY(widget != nullptr);
        const QFont font = widget->font();
        const bool contact = name == QLatin1String("Label92");
        QCOMPARE(font.family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(font.weight(), contact ? QFont::Normal : QFont::Bold);
        QCOMPARE(font.pixelSize(), isUnitLabel(window, name) ? 12 : 11);
        QCOMPARE(QFontInfo(font).family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(QFontInfo(font).bold(), !contact);
    }

    void ohmSign_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("name");
        QTest::newRow("Form1/Label10") << "Form1"
                                       << "Label10";
        QTest::newRow("Form2/Label65") << "Form2"
                                       << "Label65";
    }

    void ohmSign() {
        QFETCH(QString, window);
        QFETCH(QString, name);
        auto* label = control<QLabel>(windows_.window(window), qPrintable(name));
        QVERIFY(label != nullptr);
        QCOMPARE(label->text(), QStringLiteral("[\u03A9]"));
        QVERIFY(!label->text().contains(QLatin1Char('W')));
        QVERIFY(QFontMetrics(label->font()).inFontUcs4(0x03A9));
    }

    // Every caption and button text fits in its box with the font actually used.
    void noClippedText_data() {
        addControlRows(kExpectedCaptions, kExpectedButtons);
        QTest::newRow("Form1/Label92") << "Form1"
                                       << "Label92";
    }

    void noClippedText() {
        QFETCH(QString, window);
        QFETCH(QString, name);
        QWidget* widget = control(windows_.window(window), qPrintable(name));
        QVERIFY(widget != nullptr);
        const QFontMetrics metrics(widget->font());
        QRect box;
        QString text;
        int flags = 0;
        if (auto* button = qobject_cast<WrappingButton*>(widget)) {
            box = button->captionRect();
            text = button->text();
            flags = WrappingButton::kCaptionFlags;
        } else {
            auto* label = qobject_cast<QLabel*>(widget);
            QVERIFY(label != nullptr);
            box = label->contentsRect();
            const int margin = label->margin() + qMax(label->indent(), 0);
            box.adjust(margin, 0, -margin, 0);
            if (label->frameWidth() > 0 && label->indent() < 0) {
                const int indent = metrics.horizontalAdvance(QLatin1Char('x')) / 2;
                box.adjust(indent, 0, -indent, 0);
            }
            text = label->text();
            flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        }
        const QRect needed = metrics.boundingRect(box, flags, text);
        QVERIFY2(needed.width() <= box.width() && needed.height() <= box.height(),
                 qPrintable(QStringLiteral("\"%1\" needs %2 x %3 px, its box has %4 x %5")
                                .arg(text)
                                .arg(needed.width())
                                .arg(needed.height())
                                .arg(box.width())
                                .arg(box.height())));
    }
};

}  // namespace quadripolo::ui::test

QTEST_MAIN(quadripolo::ui::test::LookTest)
#include "look_test.moc"
