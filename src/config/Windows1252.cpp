#include "config/Windows1252.h"

#include <algorithm>
#include <iterator>

namespace zwervel {

namespace {

// The characters of the bytes 0x80 to 0x9F; elsewhere a byte is the Latin-1 character.
constexpr char16_t CharsFor80To9F[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool differsFromLatin1(char16_t ch)
{
    return (ch & 0xFFE0) == 0x80;
}

} // namespace

QString fromWindows1252(QByteArrayView bytes)
{
    QString text = QString::fromLatin1(bytes);
    for (QChar& ch : text) {
        if (differsFromLatin1(ch.unicode()))
            ch = QChar(CharsFor80To9F[ch.unicode() - 0x80]);
    }
    return text;
}

bool appendWindows1252(QByteArray& bytes, QStringView text)
{
    const qsizetype start = bytes.size();
    bytes.resize(start + text.size());
    char* out = bytes.data() + start;
    for (const QChar ch : text) {
        const char16_t code = ch.unicode();
        if (code < 0x100 && !differsFromLatin1(code)) {
            *out++ = char(code);
            continue;
        }
        const auto position = std::find(std::begin(CharsFor80To9F), std::end(CharsFor80To9F), code);
        if (position == std::end(CharsFor80To9F)) {
            bytes.truncate(out - bytes.data());
            return false;
        }
        *out++ = char(0x80 + (position - std::begin(CharsFor80To9F)));
    }
    return true;
}

std::optional<QByteArray> toWindows1252(QStringView text)
{
    QByteArray bytes;
    if (!appendWindows1252(bytes, text))
        return std::nullopt;
    return bytes;
}

} // namespace zwervel
