// The yardstick for Zefra's start-up: the barest Qt Widgets window of the same size, painted
// black so that an observer sees its first frame the way it sees Zefra's ball.
#include <QApplication>
#include <QPainter>
#include <QWidget>

namespace {

class BareWindow final : public QWidget {
protected:
    void paintEvent(QPaintEvent* /*event*/) override { QPainter(this).fillRect(rect(), Qt::black); }
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    BareWindow window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.resize(432, 431);
    window.show();
    return QApplication::exec();
}
