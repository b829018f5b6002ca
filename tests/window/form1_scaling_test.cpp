// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The window at twice the logical resolution: everything in it scaled alike, drawn sharp at
// the device resolution rather than stretched.
#include <QApplication>
#include <QPlainTextEdit>
#include <QtTest>

#include "platform/process_random_source.h"
#include "window/qt/font_substitutions.h"
#include "window/qt/form1.h"

namespace zefra::qt {
namespace {

bool IsDark(QColor colour) {
    return colour.lightness() < 64;
}

class Form1ScalingTest : public QObject {
    Q_OBJECT

  private slots:
    void drawsTheBallAtTwiceTheResolution() {
        ProcessRandomSource source;
        Form1 form(source);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.devicePixelRatio(), 2.0);
        const QImage image = form.grab().toImage();
        QCOMPARE(image.size(), QSize(864, 862));

        const QColor face = form.palette().color(QPalette::Button);
        QCOMPARE(image.pixelColor(0, 0), face);
        QCOMPARE(image.pixelColor(863, 861), face);
        // The ball, 866 device pixels across, is clipped at the right and bottom edges.
        QVERIFY(IsDark(image.pixelColor(863, 433)));
        QVERIFY(IsDark(image.pixelColor(433, 861)));
        QVERIFY(IsDark(image.pixelColor(60, 433)));
        // The inner disc: centred at (433, 449), 322 device pixels across.
        const QColor disc = form.palette().color(QPalette::Base);
        QCOMPARE(image.pixelColor(290, 449), disc);
        QCOMPARE(image.pixelColor(590, 449), disc);
        QCOMPARE(image.pixelColor(433, 300), disc);
        QVERIFY(IsDark(image.pixelColor(266, 449)));
        // Sharp: from the dark edge to the disc's colour within three device pixels.
        int blended = 0;
        for (int x = 262; x < 282; ++x) {
            const QColor pixel = image.pixelColor(x, 449);
            blended += !IsDark(pixel) && pixel != disc;
        }
        QVERIFY2(blended <= 3, qPrintable(QString::number(blended)));

        // The controls keep their logical boxes; the "8" is drawn inside its own, doubled.
        QCOMPARE(form.findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->geometry(),
                 QRect(88, 72, 265, 49));
        int eightPixels = 0;
        for (int y = 320; y < 578; ++y) {
            for (int x = 368; x < 482; ++x) eightPixels += IsDark(image.pixelColor(x, y));
        }
        QVERIFY2(eightPixels > 4 * 300, qPrintable(QString::number(eightPixels)));
        form.close();
    }
};

}  // namespace
}  // namespace zefra::qt

int main(int argc, char* argv[]) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    zefra::qt::InstallFontSubstitutions();
    zefra::qt::Form1ScalingTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "form1_scaling_test.moc"
