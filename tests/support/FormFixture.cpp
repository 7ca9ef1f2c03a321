#include "support/FormFixture.h"

#include <QFile>
#include <QTest>

namespace zwervel {

FormFixture::FormFixture(const QByteArray* cfg)
{
    platform.pad = map.filePath(QStringLiteral("zwervel"));
    if (cfg) {
        QFile bestand(cfgPad());
        if (bestand.open(QIODevice::WriteOnly))
            bestand.write(*cfg);
    }
    form = std::make_unique<frmZwervel>(platform);
}

FormFixture::~FormFixture() = default;

bool FormFixture::toon()
{
    form->show();
    form->activateWindow();
    return QTest::qWaitForWindowActive(form.get());
}

QString FormFixture::cfgPad() const { return map.filePath(QStringLiteral("zwervel.cfg")); }

} // namespace zwervel
