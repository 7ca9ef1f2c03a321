// The configuration file's route lines and lists as the window takes them at start-up: the
// entries are views into the file as it was read, so that a file of tens of thousands of entries
// costs the window little more than its own size. Where the bytes read as Latin-1 or UTF-8 as
// they stand, the entries point into the bytes themselves; otherwise into the decoded text.
// Either way the result is the one cfgInhoud(cfgDecoderen(bytes)) gives.
#pragma once

#include <QAnyStringView>
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace zwervel {

struct CfgLijsten {
    QStringList routeWaarden;
    QList<QAnyStringView> plaatsen;
    QList<QAnyStringView> routes;
    // What the entries point into; whoever keeps the entries keeps these.
    QByteArray bytes;
    QString tekst;
};

CfgLijsten cfgLijsten(QByteArray bytes);

// pastInVenster for an entry in any of those forms; a short one fits without looking.
bool itemPastInVenster(QAnyStringView item);

} // namespace zwervel
