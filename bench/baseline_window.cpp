// The baseline: an empty Qt Widgets window of Zwervel's size that shows one line of text, so
// that it loads a font as the program does; started, painted and ended exactly as the
// program's window is in the benchmark. Argument: start|close.
#include "FirstPaint.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(413, 466);
    QLabel line(QStringLiteral("One line of text, in the default font."), &window);
    line.move(16, 16);
    zwervel::bench::FirstPaint paint(window, argc > 1 ? argv[1] : "start");
    window.show();
    return app.exec();
}
