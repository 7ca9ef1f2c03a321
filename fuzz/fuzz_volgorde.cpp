// Any two texts: the list order gives what Dutch collation itself gives (exact order for
// ties), whether the entries are compared as text or checked as the bytes a file brought.
#include "platform/ListOrder.h"

#include <QByteArray>
#include <QCollator>
#include <QLocale>
#include <QString>

#include <cstdint>

#include "Eis.h"

using namespace zwervel;

namespace {

int teken(int v) { return (v > 0) - (v < 0); }

int verwacht(const QString& a, const QString& b)
{
    static const QCollator collator = [] {
        QCollator c(QLocale(QLocale::Dutch, QLocale::Netherlands));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        c.setNumericMode(true);
        return c;
    }();
    const int volgorde = collator.compare(a, b);
    return teken(volgorde != 0 ? volgorde : a.compare(b));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The first 0x00 parts the two texts; without one, the bytes are halved.
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    qsizetype deel = bytes.indexOf('\0');
    const QByteArray ba = deel >= 0 ? bytes.left(deel) : bytes.left(bytes.size() / 2);
    const QByteArray bb = deel >= 0 ? bytes.mid(deel + 1) : bytes.mid(bytes.size() / 2);

    // As UTF-8 (where the bytes are valid UTF-8, so that the views and the texts agree).
    const QString a = QString::fromUtf8(ba);
    const QString b = QString::fromUtf8(bb);
    const int v = verwacht(a, b);
    EIS(teken(lijstVergelijking(a, b)) == v);
    EIS(teken(lijstVergelijking(b, a)) == -v);
    if (a.toUtf8() == ba && b.toUtf8() == bb && !ba.startsWith("\xEF\xBB\xBF") && !bb.startsWith("\xEF\xBB\xBF"))
        EIS(lijstGesorteerd(QList<QAnyStringView>{QUtf8StringView(ba), QUtf8StringView(bb)}) == (v <= 0));

    // As Latin-1, the other way a file's bytes are kept.
    const QString la = QString::fromLatin1(ba);
    const QString lb = QString::fromLatin1(bb);
    const int w = verwacht(la, lb);
    EIS(lijstGesorteerd(QList<QAnyStringView>{QLatin1StringView(ba), QLatin1StringView(bb)}) == (w <= 0));
    EIS(lijstGesorteerd(QStringList{la, lb}) == (w <= 0));
    return 0;
}
