#include "ConfigFile.h"

namespace zwervel::bench {

namespace {

// The generated names use Latin-1 letters only, which Windows-1252 codes the same way.
QByteArray entries(const QStringList& list)
{
    QByteArray line;
    for (const QString& entry : list)
        line += entry.toLatin1() + '\x0F';
    return line;
}

} // namespace

QByteArray ConfigFile::bytes() const
{
    return "route=" + route.toLatin1() + "\r\nplaats=" + entries(places) +
           "\r\nroutes=" + entries(routes) + "\r\n";
}

} // namespace zwervel::bench
