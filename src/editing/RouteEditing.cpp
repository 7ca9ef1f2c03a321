#include "editing/RouteEditing.h"

#include "route/RouteRules.h"
#include "text/TextRules.h"

#include <QStringView>

namespace zwervel {

qsizetype validCaret(const QString& text, qsizetype position)
{
    position = qBound(qsizetype(0), position, text.size());
    if (position == 0 || position == text.size())
        return position;
    const QChar before = text.at(position - 1), after = text.at(position);
    const bool betweenCrAndLf = before == u'\r' && after == u'\n';
    const bool inCharacter = before.isHighSurrogate() && after.isLowSurrogate();
    return betweenCrAndLf || inCharacter ? position - 1 : position;
}

RouteWithSelection insertPlace(const QString& text, qsizetype selStart, qsizetype selLength,
                               const QString& place)
{
    const qsizetype begin = validCaret(text, selStart);
    // Bounded before adding, so that a huge length cannot wrap round to a small one.
    const qsizetype start = qBound(qsizetype(0), selStart, text.size());
    const qsizetype length = qBound(qsizetype(0), selLength, text.size());
    const qsizetype end = qMax(begin, validCaret(text, start + length));

    RouteWithSelection out;
    out.text.reserve(text.size() - (end - begin) + place.size());
    out.text.append(QStringView(text).first(begin));
    out.text.append(place);
    out.text.append(QStringView(text).sliced(end));
    if (out.text.endsWith(LineEnd))
        out.text.chop(LineEnd.size());
    out.selStart = begin;
    out.selLength = qMin(place.size(), out.text.size() - begin);
    return out;
}

QString cleanedRoute(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QStringView line : QStringView(text).tokenize(LineEnd)) {
        const QStringView place = trimSpaces(line);
        if (place.isEmpty())
            continue;
        if (!out.isEmpty())
            out.append(LineEnd);
        out.append(place);
    }
    return out;
}

} // namespace zwervel
