// A piece of text that is a view into a text or into bytes as they were read (Latin-1 or
// UTF-8), such as a list entry pointing into the configuration file: its characters in UTF-16,
// as the text rules take them.
#pragma once

#include <QAnyStringView>
#include <QString>
#include <QStringView>
#include <QVarLengthArray>

namespace zwervel {

// The piece itself when it is UTF-16 already, else its characters converted into `buffer`;
// valid until the buffer is used again.
using Utf16Buffer = QVarLengthArray<QChar, 256>;
QStringView alsUtf16(QAnyStringView deel, Utf16Buffer& buffer);
// The piece as a string of its own. Every character is kept: a byte order mark at the start of
// a piece of UTF-8 is a character of the piece, as it was in the file's text.
QString alsTekst(QAnyStringView deel);
// Appends the piece to `uit` without a string of its own in between.
void voegToe(QString& uit, QAnyStringView deel);

} // namespace zwervel
