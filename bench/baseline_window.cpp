// The baseline: an empty Qt Widgets window of Zwervel's size, started, painted and ended
// exactly as the program's window is in the benchmark. Argument: start|close.
#include "FirstPaint.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(413, 466);
    zwervel::bench::FirstPaint paint(window, argc > 1 ? argv[1] : "start");
    window.show();
    return app.exec();
}
