// Small helpers the test programs share: texts written in UTF-8, files as bytes, a list's
// entries, numbered entries.
#pragma once

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include "platform/ComboBox.h"
#include "platform/CommandButton.h"
#include "platform/Label.h"
#include "platform/PictureButton.h"
#include "platform/RouteBox.h"
#include "platform/TextBox.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <initializer_list>

namespace zwervel {

// A text as the test source writes it: UTF-8.
inline QString s(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

inline QStringList list(std::initializer_list<const char*> texts)
{
    QStringList out;
    for (const char* text : texts)
        out << s(text);
    return out;
}

inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// The entries of a list, index 0 first.
inline QStringList items(const ComboBox& list)
{
    QStringList out;
    for (int i = 0; i < list.ListCount(); ++i)
        out << list.List(i);
    return out;
}

inline QStringList sorted(QStringList list)
{
    std::sort(list.begin(), list.end());
    return list;
}

// "Plaats 00001" ...: the same order by any collation, so a sorted list keeps this order.
inline QStringList numbered(const QString& prefix, int count)
{
    QStringList out;
    out.reserve(count);
    for (int i = 1; i <= count; ++i)
        out << prefix + QStringLiteral(" %1").arg(i, 5, 10, QChar(u'0'));
    return out;
}

// Runs test functions of this very test program again in a child process with QT_SCALE_FACTOR
// set: Qt reads the scale once, when the application starts. Returns the child's output; the
// caller checks `passed`.
inline QByteArray runAtScale(const QByteArray& scale, const QStringList& functions, bool& passed)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::fromLatin1(scale));
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    // A test program with no console of its own (on Windows) writes its log to a file only.
    QTemporaryDir folder;
    const QString log = folder.filePath(QStringLiteral("log.txt"));
    child.start(
        QCoreApplication::applicationFilePath(),
        QStringList{QStringLiteral("-silent"), QStringLiteral("-o"), log + QStringLiteral(",txt")} +
            functions);
    passed = child.waitForFinished(120000) && child.exitStatus() == QProcess::NormalExit &&
             child.exitCode() == 0;
    QFile file(log);
    const QByteArray output =
        child.readAll() + (file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
    passed = passed && output.contains("Totals: ");
    return output;
}

} // namespace zwervel
