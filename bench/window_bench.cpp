// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// Presses ASK in the real window on the offscreen platform, with every message box dismissed
// by the harness, and prints: the time from a click to the message box being painted (median
// of many presses), the same for a pasted 1 MiB question that is echoed, and the resident
// memory over a long soak of presses.
//   window_bench [presses for the soak, 100000 by default]
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "oracle_fakes.h"
#include "platform/process_random_source.h"
#include "window/qt/font_substitutions.h"
#include "window/qt/form1.h"
#include "window/qt/message_box.h"

namespace {

using zefra::qt::Form1;

// Notes when the first message box of a press has been painted, and dismisses it.
class BoxWatcher final : public QObject {
  public:
    qint64 paintedAt = -1;
    QElapsedTimer clock;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = qobject_cast<zefra::qt::MessageBox*>(watched);
        if (box != nullptr && event->type() == QEvent::Paint && paintedAt < 0) {
            paintedAt = clock.nsecsElapsed();
            QTimer::singleShot(0, box, [box] { box->OkButton()->click(); });
        }
        return false;
    }
};

double ResidentMiB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    }
    return 0;
}

// One press of ASK; returns the milliseconds from the click to the box's first paint.
double Press(Form1& form, BoxWatcher& watcher) {
    auto* ask = form.findChild<QPushButton*>(QStringLiteral("Command1"));
    watcher.paintedAt = -1;
    watcher.clock.start();
    QTest::mouseClick(ask, Qt::LeftButton);
    return static_cast<double>(watcher.paintedAt) / 1e6;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform warns on every message box; the figures are what is printed here.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    const long soakPresses = argc > 1 ? std::stol(argv[1]) : 100000;
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    zefra::qt::InstallFontSubstitutions();
    BoxWatcher watcher;
    app.installEventFilter(&watcher);

    zefra::ProcessRandomSource source;
    Form1 form(source);
    form.show();
    QTest::qWaitForWindowExposed(&form);

    std::vector<double> clicks;
    for (int i = 0; i < 201; ++i) {
        form.SetQuestionText(u"Will it rain?");
        clicks.push_back(Press(form, watcher));
    }
    std::printf("click to message box: median %.2f ms over %zu presses\n", Median(clicks),
                clicks.size());

    {
        // The echo, for a question of 1 MiB pasted into the box.
        zefra::testing::ScriptedSource echoes(std::vector<float>(5, 21.5f / 30));
        Form1 echoing(echoes);
        echoing.show();
        QTest::qWaitForWindowExposed(&echoing);
        std::vector<double> echoTimes;
        for (int i = 0; i < 5; ++i) {
            QApplication::clipboard()->setText(QString(1 << 20, u'x'));
            auto* box = echoing.findChild<QWidget*>(QStringLiteral("Text1"));
            box->setFocus();
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            echoTimes.push_back(Press(echoing, watcher));
        }
        std::printf("1 MiB echo, click to message box: median %.0f ms over %zu presses\n",
                    Median(echoTimes), echoTimes.size());
    }

    const long warmUp = std::min(soakPresses / 10, 2000L);
    double afterWarmUp = 0;
    double highest = 0;
    double lowest = 1e9;
    QElapsedTimer soakClock;
    soakClock.start();
    for (long i = 0; i < soakPresses; ++i) {
        form.SetQuestionText(i % 2 ? u"Will it rain?" : u"");
        Press(form, watcher);
        if (i == warmUp) afterWarmUp = ResidentMiB();
        if (i >= warmUp && i % 1000 == 0) {
            const double resident = ResidentMiB();
            highest = std::max(highest, resident);
            lowest = std::min(lowest, resident);
        }
    }
    const double atEnd = ResidentMiB();
    std::printf(
        "soak: %ld presses in %.0f s; resident after warm-up %.2f MiB, at the end "
        "%.2f MiB, range %.2f MiB\n",
        soakPresses, static_cast<double>(soakClock.elapsed()) / 1000.0, afterWarmUp, atEnd,
        std::max(highest, atEnd) - std::min(lowest, atEnd));
    return 0;
}
