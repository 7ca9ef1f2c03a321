// The configuration file as the program leaves it beside itself, written here byte for byte,
// so that the benchmark's files do not depend on the program's own writer.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace zwervel::bench {

struct ConfigFile {
    QString route; // in normal form: places separated by single slashes
    QStringList places;
    QStringList routes;

    // "route=", "plaats=" and "routes=" lines ending in CR LF, each list entry followed by the
    // byte 0x0F, in the Windows-1252 code page.
    QByteArray bytes() const;
};

} // namespace zwervel::bench
