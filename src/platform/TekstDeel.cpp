#include "platform/TekstDeel.h"

#include <QByteArrayView>
#include <QStringDecoder>

#include <algorithm>
#include <type_traits>

namespace zwervel {

namespace {

QStringDecoder utf8Decoder()
{
    return QStringDecoder(QStringConverter::Utf8,
                          QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
}

template <class View>
constexpr bool isUtf16 = std::is_same_v<View, QStringView>;
template <class View>
constexpr bool isLatin1 = std::is_same_v<View, QLatin1StringView>;

} // namespace

QStringView alsUtf16(QAnyStringView deel, Utf16Buffer& buffer)
{
    return deel.visit([&buffer](auto stuk) -> QStringView {
        using View = decltype(stuk);
        if constexpr (isUtf16<View>) {
            return stuk;
        } else {
            // Neither Latin-1 nor UTF-8 needs more UTF-16 units than it has bytes.
            buffer.resize(stuk.size());
            if constexpr (isLatin1<View>) {
                const auto* const in = reinterpret_cast<const uchar*>(stuk.data());
                std::copy(in, in + stuk.size(), reinterpret_cast<char16_t*>(buffer.data()));
                return QStringView(buffer.constData(), stuk.size());
            } else {
                const QChar* const eind = utf8Decoder().appendToBuffer(
                    buffer.data(), QByteArrayView(stuk.data(), stuk.size()));
                return QStringView(buffer.constData(), eind - buffer.constData());
            }
        }
    });
}

QString alsTekst(QAnyStringView deel)
{
    return deel.visit([](auto stuk) -> QString {
        using View = decltype(stuk);
        if constexpr (isUtf16<View> || isLatin1<View>)
            return stuk.toString();
        else
            return utf8Decoder().decode(QByteArrayView(stuk.data(), stuk.size()));
    });
}

void voegToe(QString& uit, QAnyStringView deel)
{
    deel.visit([&uit](auto stuk) {
        using View = decltype(stuk);
        if constexpr (isUtf16<View> || isLatin1<View>) {
            uit += stuk;
        } else {
            const qsizetype voor = uit.size();
            uit.resize(voor + stuk.size());
            const QChar* const eind = utf8Decoder().appendToBuffer(
                uit.data() + voor, QByteArrayView(stuk.data(), stuk.size()));
            uit.truncate(eind - uit.constData());
        }
    });
}

} // namespace zwervel
