// The real window on a scripted platform, its program path in a fresh temporary folder.
#pragma once

#include "support/ScriptedPlatform.h"
#include "window/frmZwervel.h"

#include <QByteArray>
#include <QTemporaryDir>

#include <memory>

namespace zwervel {

class FormFixture {
public:
    // Writes `cfg` as the configuration file first, when given.
    explicit FormFixture(const QByteArray* cfg = nullptr);
    ~FormFixture();

    // Shows the window and waits until it is active, as a user would find it.
    bool show();
    QString configPath() const;
    frmZwervel& f() { return *form; }

    QTemporaryDir dir;
    ScriptedPlatform platform;
    std::unique_ptr<frmZwervel> form;
};

} // namespace zwervel
