// The yardsticks of bench/startup.sh: the least a Qt Widgets program does to show a
// window; and, with --label, to show a window with one word in it, the first text
// of which makes Qt read the system's fonts.
#include <QApplication>
#include <QLabel>
#include <memory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const bool label = QApplication::arguments().contains(QStringLiteral("--label"));
    const auto window = label ? std::make_unique<QLabel>(QStringLiteral("Quarnix")) : std::make_unique<QWidget>();
    window->show();
    return app.exec();
}
