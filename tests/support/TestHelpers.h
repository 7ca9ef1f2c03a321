// Small helpers the test programs share: texts written in UTF-8, files as bytes, a list's
// entries, numbered entries.
#pragma once

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
inline QString s(const char* utf8) { return QString::fromUtf8(utf8); }

inline QStringList lijst(std::initializer_list<const char*> teksten)
{
    QStringList uit;
    for (const char* tekst : teksten)
        uit << s(tekst);
    return uit;
}

inline QByteArray leesBestand(const QString& pad)
{
    QFile bestand(pad);
    return bestand.open(QIODevice::ReadOnly) ? bestand.readAll() : QByteArray();
}

inline bool schrijfBestand(const QString& pad, const QByteArray& inhoud)
{
    QFile bestand(pad);
    return bestand.open(QIODevice::WriteOnly) && bestand.write(inhoud) == inhoud.size();
}

// The entries of a list, index 0 first.
inline QStringList items(const ComboBox& lijst)
{
    QStringList uit;
    for (int i = 0; i < lijst.ListCount(); ++i)
        uit << lijst.List(i);
    return uit;
}

inline QStringList gesorteerd(QStringList lijst)
{
    std::sort(lijst.begin(), lijst.end());
    return lijst;
}

// "Plaats 00001" ...: the same order by any collation, so a sorted list keeps this order.
inline QStringList genummerd(const QString& voor, int aantal)
{
    QStringList uit;
    uit.reserve(aantal);
    for (int i = 1; i <= aantal; ++i)
        uit << voor + QStringLiteral(" %1").arg(i, 5, 10, QChar(u'0'));
    return uit;
}

} // namespace zwervel
