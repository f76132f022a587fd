// The drawn resources: the schematic at its natural size and the sun icon of both windows and
// of the program.

#include <QApplication>
#include <QImage>
#include <QSvgRenderer>
#include <QTest>

#include <functional>

#include "equivalent_form.h"
#include "resources.h"
#include "test_support.h"

namespace quadripolo::ui::test {

namespace {

constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kBlack = qRgb(0, 0, 0);

int countPixels(const QImage& image, const std::function<bool(QColor)>& matches) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += matches(image.pixelColor(x, y)) ? 1 : 0;
        }
    }
    return count;
}

bool isGreen(QColor c) {
    return c.green() > 100 && c.red() < 60 && c.blue() < 60;
}
bool isBlue(QColor c) {
    return c.blue() > 200 && c.red() < 60 && c.green() < 60;
}

}  // namespace

class ResourcesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { initApplication(); }
    void cleanup() { closeAllWindows(); }

    void schematicSource() {
        QSvgRenderer renderer(QStringLiteral(":/pictures/schematic.svg"));
        QVERIFY(renderer.isValid());
        QCOMPARE(renderer.defaultSize(), QSize(717, 208));
    }

    // White ground in a thin black frame, green wires, blue drawing and text.
    void schematicPicture() {
        const QImage image = quadripolo::ui::schematicPicture(1.0).toImage();
        QCOMPARE(image.size(), QSize(717, 208));
        for (const QPoint corner : {QPoint(0, 0), QPoint(716, 0), QPoint(0, 207), QPoint(716, 207),
                                    QPoint(358, 0), QPoint(358, 207)}) {
            QCOMPARE(image.pixel(corner), kBlack);
        }
        QCOMPARE(image.pixel(3, 3), kWhite);
        QCOMPARE(image.pixel(713, 204), kWhite);
        QVERIFY(countPixels(image, isGreen) > 1000);
        QVERIFY(countPixels(image, isBlue) > 1000);
        QVERIFY(countPixels(image, [](QColor c) { return c.rgb() == kWhite; }) >
                image.width() * image.height() / 2);
    }

    void schematicAtHigherPixelRatio() {
        const QPixmap picture = quadripolo::ui::schematicPicture(2.0);
        QCOMPARE(picture.size(), QSize(1434, 416));
        QCOMPARE(picture.deviceIndependentSize().toSize(), QSize(717, 208));
    }

    // A yellow sun on a transparent ground, at the two classic icon sizes.
    void icon_data() {
        QTest::addColumn<int>("size");
        QTest::newRow("16") << 16;
        QTest::newRow("32") << 32;
    }

    void icon() {
        QFETCH(int, size);
        const QImage image = applicationIcon().pixmap(size, size).toImage();
        QCOMPARE(image.size(), QSize(size, size));
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(size - 1, size - 1)), 0);
        const QColor centre = image.pixelColor(size / 2, size / 2);
        QCOMPARE(centre.alpha(), 255);
        QVERIFY(centre.red() > 200 && centre.green() > 200 && centre.blue() < 80);
    }

    void windowIcons() {
        QVERIFY(!QApplication::windowIcon().isNull());
        MainForm* form1 = openMainForm();
        auto* form2 = new EquivalentForm();
        for (const QWidget* window : {static_cast<QWidget*>(form1), static_cast<QWidget*>(form2)}) {
            const QImage shown = window->windowIcon().pixmap(32, 32).toImage();
            QCOMPARE(shown, applicationIcon().pixmap(32, 32).toImage());
        }
        delete form2;
    }
};

}  // namespace quadripolo::ui::test

QTEST_MAIN(quadripolo::ui::test::ResourcesTest)
#include "resources_test.moc"
