// A platform for tests: it counts beeps, records every box and address, answers questions
// from a script and reports a test failure when the script runs out instead of hanging.
#pragma once

#include "platform/Platform.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace zwervel {

class ScriptedPlatform : public Platform {
public:
    // Answers for the coming boxes, used first to last.
    QList<Vraag::Antwoord> antwoorden;
    // Shift/Ctrl/Alt as the handlers will see them (1 Shift, 2 Ctrl, 4 Alt).
    int toetsen = 0;
    // The program's own path; the configuration file lies beside it.
    QString pad;

    int beeps = 0;
    QList<Vraag> vragen;
    QStringList adressen;
    QList<int> beeindigd;

    void beep() override { ++beeps; }
    Vraag::Antwoord toon(const Vraag& vraag) override;
    void openAdres(const QString& adres) override { adressen << adres; }
    int toetsenIngedrukt() override { return toetsen; }
    bool bestandBestaat(const QString& pad) override;
    QString programmaPad() override { return pad; }
    void beeindig(int code) override { beeindigd << code; }
};

} // namespace zwervel
