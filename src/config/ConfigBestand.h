// The configuration file on disk: read whole and quietly, written whole or not at all.
#pragma once

#include <QByteArray>
#include <QString>

namespace zwervel {

// The file's bytes. Anything that is not a plain file (a folder, a pipe, a device) reads as
// nothing rather than making the program wait; a failure halfway ends the reading, and the
// complete lines read before it are kept. Never fails.
QByteArray readConfigBytes(const QString& path);

// Replaces the file with these bytes through a temporary file beside it, so that a failure at
// any point leaves the previous file whole. Throws std::runtime_error naming the path and the
// reason when the save fails.
void writeConfigBytes(const QString& path, const QByteArray& bytes);

// The name the copy below would have now: the first free one, or none past a thousand.
QString configCopyName(const QString& path);

// Keeps the file as it is under its name + ".bak" (or ".bak2", ".bak3", ... where that is
// taken; an older copy is never replaced), before a save that would replace a file the window
// could make nothing of. Returns the copy's path; throws like writeConfigBytes.
QString keepConfigCopy(const QString& path);

} // namespace zwervel
