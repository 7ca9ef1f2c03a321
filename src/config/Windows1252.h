// Windows-1252, the code page the program's files were written in: Latin-1 but for the 32
// bytes 0x80 to 0x9F, whose characters come from a table. Qt's own converters know no code
// page but the system's; the five unassigned bytes stand for the control characters of the
// same number, so that every byte reads as a character and writes back unchanged.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

namespace zwervel {

QString fromWindows1252(QByteArrayView bytes);
// Nothing when a character has no byte in the code page.
std::optional<QByteArray> toWindows1252(QStringView text);
// The bytes of `text` after `bytes`; false, with `bytes` cut short, when a character has none.
bool appendWindows1252(QByteArray& bytes, QStringView text);

} // namespace zwervel
