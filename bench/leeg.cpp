// The baseline: an empty Qt Widgets window of Zwervel's size, started, painted and ended
// exactly as the program's window is in the benchmark.
#include "EersteVerf.h"

#include <QApplication>
#include <QWidget>

#include <cstring>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const bool sluiten = argc > 1 && std::strcmp(argv[1], "sluit") == 0;
    QWidget venster;
    venster.resize(413, 466);
    zwervel::bench::EersteVerf verf(venster, sluiten);
    venster.show();
    return app.exec();
}
