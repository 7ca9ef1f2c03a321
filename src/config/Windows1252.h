// Windows-1252, the code page the program's files were written in, converted by Qt's Latin-1
// routines and a table for the 32 bytes where the two differ. The system's general converter
// takes several times longer over a file of tens of thousands of entries; the result is the
// same (its five unassigned bytes stand for the control characters of the same number).
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

namespace zwervel {

QString windows1252NaarTekst(QByteArrayView bytes);
// Nothing when a character has no byte in the code page.
std::optional<QByteArray> tekstNaarWindows1252(QStringView tekst);

} // namespace zwervel
