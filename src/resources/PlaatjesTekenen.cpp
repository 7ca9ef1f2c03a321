// Build step: draws each picture of the window, drawn once as SVG, into raw pixels of every
// size the window may show it in: <size> x <size> premultiplied ARGB, one 32-bit word a pixel
// in this machine's byte order, rows top to bottom. That is the layout the window draws with,
// so the program shows them as they stand, without the SVG library, its plugin, a parse of
// every picture, a decoder or even a conversion at start-up.
//
// Usage: plaatjes_tekenen <output folder> <size>[,<size>...] <file.svg>...
// Writes <output folder>/<name>-<size>.argb for every file and size.
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s <output folder> <sizes> <file.svg>...\n", argv[0]);
        return 2;
    }
    const QString map = QString::fromLocal8Bit(argv[1]);
    const QStringList maten = QString::fromLocal8Bit(argv[2]).split(QLatin1Char(','));
    for (int i = 3; i < argc; ++i) {
        const QString bron = QString::fromLocal8Bit(argv[i]);
        QSvgRenderer tekening(bron);
        if (!tekening.isValid()) {
            std::fprintf(stderr, "cannot read %s\n", argv[i]);
            return 1;
        }
        for (const QString& maat : maten) {
            const int pixels = maat.toInt();
            QImage beeld(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
            beeld.fill(Qt::transparent);
            QPainter schilder(&beeld);
            schilder.setRenderHint(QPainter::Antialiasing);
            tekening.render(&schilder);
            schilder.end();
            const QString doel = map + QLatin1Char('/') + QFileInfo(bron).completeBaseName()
                                 + QLatin1Char('-') + maat + QStringLiteral(".argb");
            QFile uit(doel);
            const qsizetype rij = qsizetype(pixels) * 4;
            bool goed = uit.open(QIODevice::WriteOnly);
            for (int y = 0; goed && y < pixels; ++y)
                goed = uit.write(reinterpret_cast<const char*>(beeld.constScanLine(y)), rij) == rij;
            if (!goed || !uit.flush()) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(doel));
                return 1;
            }
        }
    }
    return 0;
}
