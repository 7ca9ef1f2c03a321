#include "support/FormFixture.h"

#include <QFile>
#include <QTest>

namespace zwervel {

FormFixture::FormFixture(const QByteArray* cfg)
{
    platform.path = map.filePath(QStringLiteral("zwervel"));
    if (cfg) {
        QFile file(cfgPad());
        if (file.open(QIODevice::WriteOnly))
            file.write(*cfg);
    }
    form = std::make_unique<frmZwervel>(platform);
}

FormFixture::~FormFixture() = default;

bool FormFixture::show()
{
    form->show();
    form->activateWindow();
    return QTest::qWaitForWindowActive(form.get());
}

QString FormFixture::cfgPad() const { return map.filePath(QStringLiteral("zwervel.cfg")); }

} // namespace zwervel
