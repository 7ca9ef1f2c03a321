#include "platform/ListOrder.h"

#include "platform/TekstDeel.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <QLocale>

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <type_traits>
#include <numeric>
#include <vector>

namespace zwervel {

namespace {

QCollator maakCollator()
{
    QCollator collator(QLocale(QLocale::Dutch, QLocale::Netherlands));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    return collator;
}

// Opening a collator is costly; the lists share one for the program's life.
const QCollator& collator()
{
    static const QCollator gedeeld = maakCollator();
    return gedeeld;
}

// Most entries are plain ASCII, and the collator is the slow part of reading a long list. The
// printable ASCII characters (space to tilde, capitals as small letters) get a rank in the
// list's order, taken from the collator itself; 0 means the collator must decide. Characters
// of one rank count as the same.
struct AsciiRangen {
    std::array<quint8, 128> rang{};
    AsciiRangen()
    {
        std::vector<char16_t> tekens;
        for (char16_t c = u' '; c <= u'~'; ++c) {
            if (!(c >= u'A' && c <= u'Z'))
                tekens.push_back(c);
        }
        std::sort(tekens.begin(), tekens.end(), [](char16_t x, char16_t y) {
            return collator().compare(QStringView(&x, 1), QStringView(&y, 1)) < 0;
        });
        // A new rank only where the character itself weighs more, not just an accent or the
        // like that a later letter would outweigh: "xz" must still come before "ya".
        const auto zwaarder = [](char16_t x, char16_t y) {
            const char16_t xz[] = {x, u'z'};
            const char16_t ya[] = {y, u'a'};
            return collator().compare(QStringView(xz, 2), QStringView(ya, 2)) < 0;
        };
        // A character weighs when it makes a text longer in the order even after a difference
        // in case only; a collation that skips punctuation would fail this for those marks.
        const auto weegt = [](char16_t c) {
            const char16_t langer[] = {u'b', c};
            return collator().compare(u"B", QStringView(langer, 2)) < 0;
        };
        // Numbers by their value, or the digits are left to the collator.
        const bool getallen = collator().compare(u"9", u"10") < 0;
        quint8 stand = 0;
        for (size_t i = 0; i < tekens.size(); ++i) {
            if (i == 0 || zwaarder(tekens[i - 1], tekens[i]))
                ++stand;
            const bool cijfer = tekens[i] >= u'0' && tekens[i] <= u'9';
            rang[tekens[i]] = weegt(tekens[i]) && (getallen || !cijfer) ? stand : 0;
        }
        for (char16_t c = u'A'; c <= u'Z'; ++c)
            rang[c] = rang[c + 0x20];
    }
};

const AsciiRangen& asciiRangen()
{
    static const AsciiRangen rangen;
    return rangen;
}

constexpr bool isCijfer(unsigned c) { return c >= '0' && c <= '9'; }

// Which code units outside ASCII two texts may share before their first difference: those of
// Latin letters with accents (U+00C0 to U+024F), which are no digits, form no contractions and
// weigh the same in both texts. Anything else stops the shortcut.
struct GedeeldUtf16 {
    static bool magDelen(unsigned c) { return c >= 0xC0 && c <= 0x24F; }
};
struct GedeeldLatin1 {
    static bool magDelen(unsigned c) { return c >= 0xC0; }
};
struct GedeeldUtf8 {
    // The lead bytes of U+00C0 to U+027F, and the continuation bytes that follow them.
    static bool magDelen(unsigned c) { return (c >= 0xC3 && c <= 0xC9) || (c >= 0x80 && c <= 0xBF); }
};
struct AlleenAscii {
    static bool magDelen(unsigned) { return false; }
};

template <class Teken>
unsigned eenheid(const Teken* tekst, qsizetype i)
{
    return static_cast<std::make_unsigned_t<Teken>>(tekst[i]);
}

// Compares the numbers that start at `begin` in both texts (ASCII digits; none is an empty
// number), by value as the collation does. Returns 0 where the collator must decide: equal
// values ("7" and "007"), a number that may go on in another script's digits, or numbers too
// long for the collation to read whole.
template <class Teken>
int getalVolgorde(const Teken* a, qsizetype na, const Teken* b, qsizetype nb, qsizetype begin)
{
    constexpr qsizetype LangsteGetal = 200;
    qsizetype ea = begin, eb = begin;
    while (ea < na && isCijfer(eenheid(a, ea)))
        ++ea;
    while (eb < nb && isCijfer(eenheid(b, eb)))
        ++eb;
    if ((ea < na && eenheid(a, ea) >= 0x80) || (eb < nb && eenheid(b, eb) >= 0x80))
        return 0;
    if (ea - begin > LangsteGetal || eb - begin > LangsteGetal)
        return 0;
    qsizetype za = begin, zb = begin;
    while (za < ea && eenheid(a, za) == '0')
        ++za;
    while (zb < eb && eenheid(b, zb) == '0')
        ++zb;
    if (ea - za != eb - zb)
        return ea - za < eb - zb ? -1 : 1;
    for (; za < ea; ++za, ++zb) {
        if (eenheid(a, za) != eenheid(b, zb))
            return eenheid(a, za) < eenheid(b, zb) ? -1 : 1;
    }
    return 0;
}

// Decides the order of two texts from where they first differ when both are plain up to there
// (ASCII, or accented Latin letters they share), and returns 0 when the collator must decide.
// That place decides the collation too: whatever came before is the same in both and forms no
// contraction with it. Where digits meet the place, the numbers there decide, by value. A text
// that is the start of the other comes first when the rest begins with a character that
// weighs (not a control character, not more digits of an equal number).
template <class Gedeeld, class Teken>
int asciiVolgorde(const Teken* a, qsizetype na, const Teken* b, qsizetype nb)
{
    const auto& rang = asciiRangen().rang;
    const qsizetype n = std::min(na, nb);
    qsizetype i = 0;
    // Neighbours in a list share long starts: skip the identical ASCII start a word at a time,
    // and within the first word that differs, go straight to the first unit that does.
    constexpr qsizetype PerWoord = qsizetype(sizeof(quint64) / sizeof(Teken));
    constexpr quint64 NietAscii = sizeof(Teken) == 1 ? 0x8080808080808080ULL : 0xFF80FF80FF80FF80ULL;
    for (quint64 wa, wb; i + PerWoord <= n; i += PerWoord) {
        std::memcpy(&wa, a + i, sizeof wa);
        std::memcpy(&wb, b + i, sizeof wb);
        if ((wa | wb) & NietAscii)
            break;
        if (wa != wb) {
            if constexpr (std::endian::native == std::endian::little)
                i += std::countr_zero(wa ^ wb) / int(8 * sizeof(Teken));
            break;
        }
    }
    for (; i < n; ++i) {
        const unsigned x = eenheid(a, i);
        const unsigned y = eenheid(b, i);
        if (x == y) {
            if (x >= 0x80 && !Gedeeld::magDelen(x))
                return 0;
            continue;
        }
        if (x >= 0x80 || y >= 0x80)
            return 0;
        if (rang[x] != rang[y] || !rang[x])
            break;
    }
    qsizetype getal = i;
    while (getal > 0 && isCijfer(eenheid(a, getal - 1)))
        --getal;
    const bool inGetal = getal < i;
    if (i == n) {
        if (na == nb)
            return 0;
        const unsigned c = na > nb ? eenheid(a, n) : eenheid(b, n);
        if (c >= 0x80 || !rang[c])
            return 0;
        if (inGetal && isCijfer(c))
            return getalVolgorde(a, na, b, nb, getal);
        return na < nb ? -1 : 1;
    }
    const unsigned x = eenheid(a, i);
    const unsigned y = eenheid(b, i);
    if (!rang[x] || !rang[y])
        return 0;
    if ((isCijfer(x) && isCijfer(y)) || (inGetal && (isCijfer(x) || isCijfer(y))))
        return getalVolgorde(a, na, b, nb, getal);
    return rang[x] < rang[y] ? -1 : 1;
}

int asciiVolgorde(QStringView a, QStringView b)
{
    return asciiVolgorde<GedeeldUtf16>(a.utf16(), a.size(), b.utf16(), b.size());
}

// The same on entries as they are kept: Latin-1 and UTF-8 agree on ASCII, so two entries that
// point into the file's bytes need no conversion to be ordered.
template <class X, class Y>
int asciiVolgordeVan(X x, Y y)
{
    constexpr bool xUtf16 = std::is_same_v<X, QStringView>;
    constexpr bool yUtf16 = std::is_same_v<Y, QStringView>;
    if constexpr (xUtf16 && yUtf16) {
        return asciiVolgorde<GedeeldUtf16>(x.utf16(), x.size(), y.utf16(), y.size());
    } else if constexpr (!xUtf16 && !yUtf16) {
        // Bytes of one reading may share letters; Latin-1 and UTF-8 share only ASCII.
        using Gedeeld = std::conditional_t<
            !std::is_same_v<X, Y>, AlleenAscii,
            std::conditional_t<std::is_same_v<X, QLatin1StringView>, GedeeldLatin1, GedeeldUtf8>>;
        return asciiVolgorde<Gedeeld>(reinterpret_cast<const char*>(x.data()), x.size(),
                                      reinterpret_cast<const char*>(y.data()), y.size());
    } else {
        return 0;
    }
}

int asciiVolgorde(QAnyStringView a, QAnyStringView b)
{
    return a.visit([&b](auto x) { return b.visit([&x](auto y) { return asciiVolgordeVan(x, y); }); });
}

int asciiVolgorde(const QString& a, const QString& b) { return asciiVolgorde(QStringView(a), QStringView(b)); }

int exacteVolgorde(QStringView a, QStringView b)
{
    const int volgorde = a.compare(b, Qt::CaseSensitive);
    return (volgorde > 0) - (volgorde < 0);
}

QStringView alsUtf16(const QString& item, Utf16Buffer&) { return item; }
using zwervel::alsUtf16;

template <class Item>
bool gesorteerd(const QList<Item>& items)
{
    // Most neighbours are ordered by their ASCII start alone; the others are made UTF-16 into
    // two buffers and compared in full.
    Utf16Buffer a, b;
    for (qsizetype i = 1; i < items.size(); ++i) {
        const Item& vorige = items.at(i - 1);
        const Item& huidige = items.at(i);
        const int snel = asciiVolgorde(vorige, huidige);
        if (snel > 0)
            return false;
        if (snel == 0 && lijstVergelijking(alsUtf16(huidige, a), alsUtf16(vorige, b)) < 0)
            return false;
    }
    return true;
}

template <class Item>
void sorteer(QList<Item>& items)
{
    if (gesorteerd(items))
        return;
    // A sort key per entry makes each comparison a plain byte comparison.
    std::vector<QCollatorSortKey> sleutels;
    sleutels.reserve(size_t(items.size()));
    Utf16Buffer buffer;
    for (const Item& item : std::as_const(items))
        sleutels.push_back(collator().sortKey(alsUtf16(item, buffer).toString()));
    Utf16Buffer a, b;
    std::vector<qsizetype> volgorde(size_t(items.size()));
    std::iota(volgorde.begin(), volgorde.end(), qsizetype(0));
    std::sort(volgorde.begin(), volgorde.end(), [&](qsizetype x, qsizetype y) {
        const int sleutel = sleutels[size_t(x)].compare(sleutels[size_t(y)]);
        if (sleutel != 0)
            return sleutel < 0;
        return exacteVolgorde(alsUtf16(items.at(x), a), alsUtf16(items.at(y), b)) < 0;
    });
    QList<Item> gesorteerd;
    gesorteerd.reserve(items.size());
    for (const qsizetype i : volgorde)
        gesorteerd.append(items.at(i));
    items = std::move(gesorteerd);
}

} // namespace

int lijstVergelijking(QStringView a, QStringView b)
{
    if (const int snel = asciiVolgorde(a, b))
        return snel;
    const int volgorde = collator().compare(a, b);
    return volgorde != 0 ? volgorde : exacteVolgorde(a, b);
}

bool lijstGesorteerd(const QStringList& items) { return gesorteerd(items); }
bool lijstGesorteerd(const QList<QAnyStringView>& items) { return gesorteerd(items); }
void sorteerLijst(QStringList& items) { sorteer(items); }
void sorteerLijst(QList<QAnyStringView>& items) { sorteer(items); }

} // namespace zwervel
