#include "config/ConfigBestand.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <stdexcept>

namespace zwervel {

namespace {

[[noreturn]] void saveFailed(const QString& path, const QString& reason)
{
    const QString message = QStringLiteral("De instellingen konden niet worden opgeslagen in\r\n") +
                            QDir::toNativeSeparators(path) + QStringLiteral("\r\n\r\n") + reason;
    // The window's failure report reads the description back as UTF-8, whatever the code page.
    throw std::runtime_error(message.toUtf8().toStdString());
}

} // namespace

QByteArray readConfigBytes(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        // A line cut off by the failure might be a list cut short: keep whole lines only. Where
        // lines end in CR, an LF may stand inside one.
        const qsizetype lastEnd =
            bytes.contains('\r') ? bytes.lastIndexOf('\r') : bytes.lastIndexOf('\n');
        bytes.truncate(lastEnd + 1);
    }
    return bytes;
}

void writeConfigBytes(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    // Where the folder is closed to new files but the file itself may be written (settings an
    // administrator opened for the user), the file is written in place.
    file.setDirectWriteFallback(true);
    // Unbuffered: a failing write reports its own reason, which a later flush would lose.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        saveFailed(path, file.errorString());
    // A short write names no reason; the next write of the rest then fails with one.
    for (qsizetype written = 0; written < bytes.size();) {
        const qint64 piece = file.write(bytes.constData() + written, bytes.size() - written);
        if (piece <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            saveFailed(path, reason);
        }
        written += piece;
    }
    // commit() flushes, syncs and renames; until the rename the old file stands untouched.
    if (!file.commit())
        saveFailed(path, file.errorString());
}

namespace {
constexpr int MostCopies = 1000;
}

QString configCopyName(const QString& path)
{
    // "zwervel.cfg.bak", "zwervel.cfg.bak2", ...: a copy kept before is never replaced.
    for (int n = 1; n <= MostCopies; ++n) {
        const QString copy =
            path + QStringLiteral(".bak") + (n > 1 ? QString::number(n) : QString());
        if (!QFileInfo::exists(copy))
            return copy;
    }
    return {};
}

QString keepConfigCopy(const QString& path)
{
    QFile file(path);
    // Copying does not replace a file, so two windows cannot take one name: the one that
    // finds it taken tries the next.
    for (QString copy; !(copy = configCopyName(path)).isEmpty();) {
        if (file.copy(copy))
            return copy;
        if (!QFileInfo::exists(copy))
            saveFailed(copy, file.errorString());
    }
    saveFailed(path + QStringLiteral(".bak"),
               QStringLiteral("Er zijn al %1 kopieën.").arg(MostCopies));
}

} // namespace zwervel
