// A platform for tests: it counts beeps, records every box and address, answers questions
// from a script and reports a test failure when the script runs out instead of hanging.
#pragma once

#include "platform/Platform.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace zwervel {

class ScriptedPlatform : public Platform {
public:
    // Answers for the coming boxes, used first to last.
    QList<Question::Answer> answers;
    // Answers a box once `answers` has run out; without it, running out fails the test.
    std::function<Question::Answer(const Question&)> answerWhenOut;
    // Shift/Ctrl/Alt as the handlers will see them (1 Shift, 2 Ctrl, 4 Alt).
    int modifiers = 0;
    // The program's own path; the configuration file lies beside it.
    QString path;
    // The user's own settings folder, and paths that act as closed to this user (root may
    // write everywhere).
    QString userFolder;
    QStringList closed;
    // Whether the program runs from where it was installed; what a start finds of another
    // window on the same settings file.
    bool installed = false;
    SettingsClaim claim = SettingsClaim::Taken;

    int beeps = 0;
    QList<Question> questions;
    QStringList addresses;
    QList<int> terminated;

    void beep() override { ++beeps; }
    Question::Answer ask(const Question& question) override;
    void openAddress(const QString& address) override { addresses << address; }
    int modifiersHeld() override { return modifiers; }
    bool fileExists(const QString& path) override;
    bool canWrite(const QString& path) override;
    QString executablePath() override { return path; }
    bool isInstalledCopy() override { return installed; }
    SettingsClaim claimSettingsFile(const QString&) override { return claim; }
    QString userSettingsFolder() override { return userFolder; }
    void terminate(int code) override { terminated << code; }
};

} // namespace zwervel
