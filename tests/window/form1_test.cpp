// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The Qt window, driven through real widgets on the offscreen platform. Every message box that
// comes up is read and dismissed by the test itself.
#include "window/qt/form1.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextDocument>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

#include "first_replies.h"
#include "oracle_fakes.h"
#include "platform/process_random_source.h"
#include "window/qt/fatal_failure_box.h"
#include "window/qt/font_substitutions.h"
#include "window/qt/layout_to_qt.h"

namespace zefra::qt {
namespace {

// What a message box showed while it was up, and what the question box held meanwhile.
struct SeenBox {
    QString title;
    QString text;
    int buttons = 0;
    bool okIsDefault = false;
    bool hasIcon = true;
    bool fitsOnScreen = false;
    QString questionMeanwhile;
};

// The program's message box or the fatal-failure box: what it shows, and its OK button.
QString BoxText(const QDialog& box) {
    if (const auto* area = box.findChild<QPlainTextEdit*>(QStringLiteral("zefra_message_text"));
        area != nullptr && area->isVisible()) {
        return area->document()->toRawText().replace(QChar::ParagraphSeparator, u'\n');
    }
    if (const auto* message = qobject_cast<const QMessageBox*>(&box)) return message->text();
    return box.findChild<QLabel*>()->text();
}

QPushButton* OkButtonOf(const QDialog& box) {
    for (QPushButton* button : box.findChildren<QPushButton*>()) {
        if (button->text().remove(u'&') == QStringLiteral("OK")) return button;
    }
    return nullptr;
}

bool ShowsAnIcon(const QDialog& box) {
    const auto labels = box.findChildren<QLabel*>();
    return std::any_of(labels.begin(), labels.end(), [](const QLabel* label) {
        return label->isVisible() && !label->pixmap().isNull();
    });
}

// Runs the action; each message box that comes up meanwhile is described and then dismissed,
// by turns with Enter (the default button), Escape and a click on OK.
std::vector<SeenBox> DismissingBoxes(QWidget& form, const std::function<void()>& action) {
    std::vector<SeenBox> seen;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) return;
        QPushButton* ok = OkButtonOf(*box);
        const QRect screen = box->screen()->availableGeometry();
        seen.push_back({box->windowTitle(), BoxText(*box),
                        static_cast<int>(box->findChildren<QPushButton*>().size()),
                        ok != nullptr && ok->isDefault() && box->focusWidget() == ok,
                        ShowsAnIcon(*box),
                        screen.contains(box->frameGeometry()) && ok != nullptr && ok->isVisible(),
                        form.findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->toPlainText()});
        switch (seen.size() % 3) {
            case 0:
                QTest::keyClick(box, Qt::Key_Return);
                break;
            case 1:
                QTest::keyClick(box, Qt::Key_Escape);
                break;
            default:
                ok->click();
                break;
        }
    });
    poll.start(5);
    action();
    QTest::qWait(20);  // a box that should not come up gets the chance to
    return seen;
}

QColor Pixel(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

bool IsDark(QColor colour) {
    return colour.lightness() < 64;
}

// How many pixels of the "8"'s box have the given colour.
int PixelsOfTheEight(const QImage& image, const QColor& colour) {
    int count = 0;
    for (int y = 160; y < 289; ++y) {
        for (int x = 184; x < 241; ++x) count += Pixel(image, x, y) == colour;
    }
    return count;
}

QPalette PaletteOf(QColor buttonFace, QColor buttonText, QColor windowBackground,
                   QColor windowText) {
    QPalette palette;
    palette.setColor(QPalette::Button, buttonFace);
    palette.setColor(QPalette::ButtonText, buttonText);
    palette.setColor(QPalette::Base, windowBackground);
    palette.setColor(QPalette::Text, windowText);
    return palette;
}

class Form1Test : public QObject {
    Q_OBJECT

  private:
    struct Shown {
        std::unique_ptr<Form1> form;
        QPlainTextEdit* text1;
        QPushButton* command1;
    };

    Shown Show(RandomSource& source) {
        auto form = std::make_unique<Form1>(source);
        form->show();
        form->activateWindow();
        [&] { QVERIFY(QTest::qWaitForWindowActive(form.get())); }();
        auto* text1 = form->findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
        auto* command1 = form->findChild<QPushButton*>(QStringLiteral("Command1"));
        return {std::move(form), text1, command1};
    }

    std::vector<SeenBox> Click(const Shown& shown) {
        return DismissingBoxes(*shown.form,
                               [&] { QTest::mouseClick(shown.command1, Qt::LeftButton); });
    }

    ProcessRandomSource realSource_;

  private slots:
    void initTestCase() { InstallFontSubstitutions(); }

    void geometryAndOrder() {
        const Shown shown = Show(realSource_);
        QCOMPARE(shown.form->windowTitle(), QStringLiteral("Form1"));
        QCOMPARE(shown.form->objectName(), QStringLiteral("Form1"));
        QCOMPARE(shown.form->size(), QSize(432, 431));
        QCOMPARE(shown.text1->geometry(), QRect(88, 72, 265, 49));
        QCOMPARE(shown.command1->geometry(), QRect(160, 320, 121, 49));
        QCOMPARE(shown.command1->text(), QStringLiteral("ASK"));
        QCOMPARE(shown.text1->toPlainText(), QStringLiteral("What do you want to know? \n"));
        QCOMPARE(shown.text1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(shown.text1->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        // Only the two input controls are widgets; the question box lies below the button.
        const auto children = shown.form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        QCOMPARE(children, (QList<QWidget*>{shown.text1, shown.command1}));

        for (const auto& [widget, points] : {std::pair<QWidget*, int>{shown.text1, 12},
                                             std::pair<QWidget*, int>{shown.command1, 24}}) {
            QCOMPARE(widget->font().family(), QStringLiteral("MS Sans Serif"));
            QCOMPARE(widget->font().pointSize(), points);
            QCOMPARE(widget->font().weight(), QFont::Bold);
            QVERIFY(!widget->font().italic() && !widget->font().underline());
            // Without the substitution fontconfig would pick some other sans face.
            QCOMPARE(QFontInfo(widget->font()).family(), QStringLiteral("Liberation Sans"));
            QCOMPARE(QFontInfo(widget->font()).pointSize(), points);
        }
        // The painted "8" asks for Comic Sans MS and gets its free look-alike.
        const QFont eight = FontOf(*layout::kForm1Controls[layout::IndexOfControl("Label1")].font);
        QCOMPARE(eight.family(), QStringLiteral("Comic Sans MS"));
        QCOMPARE(QFontInfo(eight).family(), QStringLiteral("Comic Neue"));
        QCOMPARE(QFontInfo(eight).pointSize(), 72);
        QVERIFY(QFontInfo(eight).bold());
    }

    void paintsTheBallFromThePalette() {
        // Distinct colours for every role, so that each pixel says which one it took.
        const QColor face(200, 100, 0), labelText(0, 0, 255), disc(0, 255, 0), outline(255, 0, 0);
        const Shown shown = Show(realSource_);
        shown.form->setPalette(PaletteOf(face, labelText, disc, outline));
        const QImage before = shown.form->grab().toImage();

        QCOMPARE(Pixel(before, 0, 0), face);
        QCOMPARE(Pixel(before, 431, 430), face);
        QCOMPARE(Pixel(before, 30, 216), QColor(Qt::black));
        QCOMPARE(Pixel(before, 216, 400), QColor(Qt::black));
        // The ball is clipped: it still touches the right and bottom edges.
        QVERIFY(Pixel(before, 431, 216) == Qt::black || Pixel(before, 431, 216) == outline);
        QVERIFY(Pixel(before, 216, 430) == Qt::black || Pixel(before, 216, 430) == outline);
        QVERIFY(Pixel(before, 0, 216).red() > 150);  // its outline at the left edge
        // The inner disc: 161 pixels across, centred in its 209-pixel box, outlined.
        QCOMPARE(Pixel(before, 150, 224), disc);
        QCOMPARE(Pixel(before, 290, 224), disc);
        QCOMPARE(Pixel(before, 132, 224), QColor(Qt::black));
        QVERIFY(Pixel(before, 136, 224).red() > 100);
        QCOMPARE(Pixel(before, 216, 140), QColor(Qt::black));
        // The "8" in button-text colour inside its box, and nothing of it outside the box.
        QVERIFY(PixelsOfTheEight(before, labelText) > 300);
        for (int y = 150; y < 300; ++y) {
            for (const int x : {182, 243, 260}) QVERIFY(Pixel(before, x, y).blue() < 128);
        }

        // Enlarging the window moves nothing and uncovers button face.
        shown.form->resize(600, 560);
        const QImage after = shown.form->grab().toImage();
        QCOMPARE(after.copy(0, 0, 432, 431), before);
        QCOMPARE(Pixel(after, 500, 216), face);
        QCOMPARE(Pixel(after, 216, 500), face);
        QCOMPARE(shown.text1->geometry(), QRect(88, 72, 265, 49));
        QCOMPARE(shown.command1->geometry(), QRect(160, 320, 121, 49));
    }

    void keyboard() {
        const Shown shown = Show(realSource_);
        QCOMPARE(QApplication::focusWidget(), shown.text1);
        const QString initial = shown.text1->toPlainText();
        const auto seen = DismissingBoxes(*shown.form, [&] {
            QTest::keyClick(shown.text1, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), shown.command1);
            QTest::keyClick(shown.command1, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), shown.text1);
            QTest::keyClick(shown.text1, Qt::Key_Backtab);
            QCOMPARE(QApplication::focusWidget(), shown.command1);
            QTest::keyClick(shown.command1, Qt::Key_Backtab);
            QCOMPARE(shown.text1->toPlainText(), initial);  // no tab was typed
            shown.text1->moveCursor(QTextCursor::End);
            QTest::keyClick(shown.text1, Qt::Key_Escape);
            QTest::keyClick(shown.text1, Qt::Key_Return);
            QTest::keyClick(shown.text1, Qt::Key_Enter);
        });
        QVERIFY2(seen.empty(), "only the button asks");
        QCOMPARE(shown.text1->toPlainText(), initial + QStringLiteral("\n\n"));
        QVERIFY(shown.form->isVisible());

        // The keys that press a focused button do ask: Space, Return and Enter on the keypad.
        const std::pair<Qt::Key, Qt::KeyboardModifier> pressingKeys[] = {
            {Qt::Key_Space, Qt::NoModifier},
            {Qt::Key_Return, Qt::NoModifier},
            {Qt::Key_Enter, Qt::KeypadModifier}};
        for (const auto& [key, modifier] : pressingKeys) {
            shown.command1->setFocus();
            const auto pressed = DismissingBoxes(
                *shown.form, [&] { QTest::keyClick(shown.command1, key, modifier); });
            QCOMPARE(pressed.size(), std::size_t{1});
        }
    }

    void askingWithTheRealGenerator() {
        ProcessRandomSource fresh;
        const Shown shown = Show(fresh);
        // The initial text counts as a question: a reply, and only then the box is emptied.
        auto seen = Click(shown);
        QCOMPARE(seen.size(), std::size_t{1});
        QCOMPARE(seen[0].title, QStringLiteral("Zefra"));
        QCOMPARE(seen[0].text, ToQString(zefra::testing::kFirstReplies[0]));
        QCOMPARE(seen[0].buttons, 1);
        QVERIFY(seen[0].okIsDefault);
        QVERIFY(!seen[0].hasIcon);
        QCOMPARE(seen[0].questionMeanwhile, QStringLiteral("What do you want to know? \n"));
        QCOMPARE(shown.text1->toPlainText(), QString());
        QCOMPARE(shown.form->focusWidget(), shown.command1);

        // An empty box brings the prompt.
        seen = Click(shown);
        QCOMPARE(seen.size(), std::size_t{1});
        QCOMPARE(seen[0].text, QStringLiteral("Enter in a question, please."));
        QTest::keyClicks(shown.text1, QStringLiteral("Will it rain?"));
        seen = Click(shown);
        QCOMPARE(seen[0].text, ToQString(zefra::testing::kFirstReplies[1]));
        QCOMPARE(seen[0].questionMeanwhile, QStringLiteral("Will it rain?"));
    }

    void echoesAnyQuestionUnchanged() {
        testing::ScriptedSource echoes(std::vector<float>(5, 21.5f / 30));
        const Shown shown = Show(echoes);
        shown.text1->moveCursor(QTextCursor::End);
        QTest::keyClicks(shown.text1, QStringLiteral(" Will it rain?"));
        QTest::keyClick(shown.text1, Qt::Key_Return);
        QTest::keyClicks(shown.text1, QStringLiteral("Or snow?"));
        auto seen = Click(shown);
        QCOMPARE(seen[0].text,
                 QStringLiteral("What do you want to know? \n Will it rain?\nOr snow?"));

        // Characters that text accessors like to rewrite: a no-break space, a line separator, a
        // lone surrogate, NUL, and a character outside the BMP, with HTML and a mnemonic.
        QString odd = QStringLiteral("<b>&amp;</b>\t&Yes\u00a0no\u2028?");
        odd += QChar(0xD800);
        odd += QChar(0);
        odd += QString::fromUcs4(U"\U0001F600");
        shown.text1->setPlainText(odd);
        seen = Click(shown);
        QCOMPARE(seen[0].text, odd);
        QCOMPARE(shown.form->GetQuestionText(), Text());
        // A question that starts with a byte-order mark, or its byte-swapped twin.
        for (const char16_t mark : {u'\uFEFF', u'\uFFFE'}) {
            const QString marked = QChar(mark) + QStringLiteral("abc");
            shown.text1->setPlainText(marked);
            seen = Click(shown);
            QCOMPARE(seen[0].text, marked);
        }

        // A pasted megabyte without a break still fits on the screen with its OK button
        // reachable.
        const QString huge = QString(1 << 20, u'x');
        QApplication::clipboard()->setText(huge);
        QTest::keyClick(shown.text1, Qt::Key_V, Qt::ControlModifier);
        seen = Click(shown);
        QCOMPARE(seen.size(), std::size_t{1});
        QVERIFY(seen[0].text == huge);
        QVERIFY(seen[0].fitsOnScreen);
        QVERIFY(seen[0].okIsDefault);
        QCOMPARE(shown.text1->toPlainText(), QString());
    }

    void fatalFailureIsShownInAnErrorBox() {
        const Shown shown = Show(realSource_);
        const auto seen =
            DismissingBoxes(*shown.form, [] { ShowFatalFailureBox("the question box is gone"); });
        QCOMPARE(seen.size(), std::size_t{1});
        QCOMPARE(seen[0].title, QStringLiteral("Zefra"));
        QCOMPARE(seen[0].text, QStringLiteral("the question box is gone"));
        QVERIFY(seen[0].hasIcon);
    }

    // Run by a CTest entry of its own, with QT_SCALE_FACTOR=2: everything in the window scaled
    // alike, drawn sharp at the device resolution rather than stretched.
    void drawsTheBallAtTwiceTheResolution() {
        if (qgetenv("QT_SCALE_FACTOR") != "2") QSKIP("runs only with QT_SCALE_FACTOR=2");
        const Shown shown = Show(realSource_);
        QCOMPARE(shown.form->devicePixelRatio(), 2.0);
        const QImage image = shown.form->grab().toImage();
        QCOMPARE(image.size(), QSize(864, 862));

        const QColor face = shown.form->palette().color(QPalette::Button);
        QCOMPARE(image.pixelColor(0, 0), face);
        QCOMPARE(image.pixelColor(863, 861), face);
        // The ball, 866 device pixels across, is clipped at the right and bottom edges.
        QVERIFY(IsDark(image.pixelColor(863, 433)));
        QVERIFY(IsDark(image.pixelColor(433, 861)));
        QVERIFY(IsDark(image.pixelColor(60, 433)));
        // The inner disc: centred at (433, 449), 322 device pixels across.
        const QColor disc = shown.form->palette().color(QPalette::Base);
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
        QCOMPARE(shown.text1->geometry(), QRect(88, 72, 265, 49));
        int eightPixels = 0;
        for (int y = 320; y < 578; ++y) {
            for (int x = 368; x < 482; ++x) eightPixels += IsDark(image.pixelColor(x, y));
        }
        QVERIFY2(eightPixels > 4 * 300, qPrintable(QString::number(eightPixels)));
    }

    void cleanupTestCase() {
        for (const QWidget* window : QApplication::topLevelWidgets()) {
            QVERIFY2(!window->isVisible(), qPrintable(window->objectName() + " was left open"));
        }
    }
};

}  // namespace
}  // namespace zefra::qt

QTEST_MAIN(zefra::qt::Form1Test)
#include "form1_test.moc"
