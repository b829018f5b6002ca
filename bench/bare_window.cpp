// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The yardsticks for Zefra's start-up: the barest Qt Widgets window of the same size, painted
// black so that an observer sees its first frame the way it sees Zefra's ball; with --text it
// also draws one line of text, and so pays for the font system as every window with text does.
#include <QApplication>
#include <QPainter>
#include <QWidget>

namespace {

class BareWindow final : public QWidget {
  public:
    explicit BareWindow(bool withText) : withText_(withText) {}

  protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
        if (withText_) {
            painter.setPen(Qt::white);
            painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("Bare"));
        }
    }

  private:
    bool withText_;
};

}  // namespace

int main(int argc, char* argv[]) {
    const bool withText = argc > 1 && QString::fromLocal8Bit(argv[1]) == QStringLiteral("--text");
    QApplication app(argc, argv);
    BareWindow window(withText);
    window.setWindowTitle(QStringLiteral("Bare"));
    window.resize(432, 431);
    window.show();
    return QApplication::exec();
}
