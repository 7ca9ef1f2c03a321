#include "support/FormFixture.h"

#include <QFile>
#include <QTest>

namespace zwervel {

FormFixture::FormFixture(const QByteArray* cfg)
{
    platform.path = dir.filePath(QStringLiteral("zwervel"));
    platform.userFolder = dir.filePath(QStringLiteral("user/zwervel"));
    if (cfg) {
        QFile file(configPath());
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

QString FormFixture::configPath() const
{
    return dir.filePath(QStringLiteral("zwervel.cfg"));
}

} // namespace zwervel
