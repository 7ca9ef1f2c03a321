#include "config/ConfigBestand.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <stdexcept>

namespace zwervel {

namespace {

[[noreturn]] void opslaanMislukt(const QString& pad, const QString& reden)
{
    const QString melding = QStringLiteral("De instellingen konden niet worden opgeslagen in\r\n")
                            + QDir::toNativeSeparators(pad) + QStringLiteral("\r\n\r\n") + reden;
    // The window's failure report reads the description back as UTF-8, whatever the code page.
    throw std::runtime_error(melding.toUtf8().toStdString());
}

} // namespace

QByteArray cfgBytesLezen(const QString& pad)
{
    if (!QFileInfo(pad).isFile())
        return {};
    QFile bestand(pad);
    if (!bestand.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = bestand.readAll();
    if (bestand.error() != QFileDevice::NoError) {
        // A line cut off by the failure might be a list cut short: keep whole lines only.
        const qsizetype laatsteEinde = qMax(bytes.lastIndexOf('\n'), bytes.lastIndexOf('\r'));
        bytes.truncate(laatsteEinde + 1);
    }
    return bytes;
}

void cfgBytesSchrijven(const QString& pad, const QByteArray& bytes)
{
    QSaveFile bestand(pad);
    // Unbuffered: a failing write reports its own reason, which a later flush would lose.
    if (!bestand.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        opslaanMislukt(pad, bestand.errorString());
    // A short write names no reason; the next write of the rest then fails with one.
    for (qsizetype geschreven = 0; geschreven < bytes.size();) {
        const qint64 stuk = bestand.write(bytes.constData() + geschreven, bytes.size() - geschreven);
        if (stuk <= 0) {
            const QString reden = bestand.errorString();
            bestand.cancelWriting();
            opslaanMislukt(pad, reden);
        }
        geschreven += stuk;
    }
    // commit() flushes, syncs and renames; until the rename the old file stands untouched.
    if (!bestand.commit())
        opslaanMislukt(pad, bestand.errorString());
}

void cfgKopieBewaren(const QString& pad)
{
    const QString kopie = pad + QStringLiteral(".bak");
    if (!QFileInfo(pad).isFile())
        return;
    QFile::remove(kopie);
    QFile bestand(pad);
    if (!bestand.copy(kopie))
        opslaanMislukt(kopie, bestand.errorString());
}

} // namespace zwervel
