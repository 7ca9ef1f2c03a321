#include "support/ScriptedPlatform.h"

#include <QFileInfo>
#include <QTest>

namespace zwervel {

Vraag::Antwoord ScriptedPlatform::toon(const Vraag& vraag)
{
    vragen << vraag;
    if (vraag.knoppen == Vraag::Knoppen::OK)
        return Vraag::Antwoord::OK;
    if (antwoorden.isEmpty()) {
        QTest::qFail(qPrintable(QStringLiteral("unexpected question: ") + vraag.tekst), __FILE__, __LINE__);
        return vraag.standaard;
    }
    return antwoorden.takeFirst();
}

bool ScriptedPlatform::bestandBestaat(const QString& pad) { return QFileInfo::exists(pad); }

} // namespace zwervel
