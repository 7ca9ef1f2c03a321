#include "config/Windows1252.h"

#include <algorithm>
#include <iterator>

namespace zwervel {

namespace {

// The characters of the bytes 0x80 to 0x9F; elsewhere a byte is the Latin-1 character.
constexpr char16_t Tekens80Tot9F[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool inAfwijkendBlok(char16_t teken) { return (teken & 0xFFE0) == 0x80; }

} // namespace

QString windows1252NaarTekst(QByteArrayView bytes)
{
    QString tekst = QString::fromLatin1(bytes);
    for (QChar& teken : tekst) {
        if (inAfwijkendBlok(teken.unicode()))
            teken = QChar(Tekens80Tot9F[teken.unicode() - 0x80]);
    }
    return tekst;
}

std::optional<QByteArray> tekstNaarWindows1252(QStringView tekst)
{
    QByteArray bytes(tekst.size(), Qt::Uninitialized);
    char* uit = bytes.data();
    for (const QChar teken : tekst) {
        const char16_t code = teken.unicode();
        if (code < 0x100 && !inAfwijkendBlok(code)) {
            *uit++ = char(code);
            continue;
        }
        const auto plek = std::find(std::begin(Tekens80Tot9F), std::end(Tekens80Tot9F), code);
        if (plek == std::end(Tekens80Tot9F))
            return std::nullopt;
        *uit++ = char(0x80 + (plek - std::begin(Tekens80Tot9F)));
    }
    return bytes;
}

} // namespace zwervel
