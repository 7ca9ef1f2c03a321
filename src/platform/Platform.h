// The one seam between the window and the world outside it: sound, modal boxes, the browser,
// the keyboard state, the file system and the program's own place on disk.
#pragma once

#include <QString>

namespace zwervel {

// A modal message box as the window asks for it; the platform adds the application's title.
struct Question {
    enum class Icon { Question, Information, Error };
    enum class Buttons { YesNo, OK };
    enum class Answer { Yes, No, OK };

    QString text;
    Icon icon = Icon::Information;
    Buttons buttons = Buttons::OK;
    Answer defaultAnswer = Answer::OK;
};

// Shift, Ctrl and Alt as the bit set the handlers test: 1 Shift, 2 Ctrl, 4 Alt.
enum ModifierKey : int { ShiftKey = 1, CtrlKey = 2, AltKey = 4 };

class Platform {
public:
    virtual ~Platform() = default;

    virtual void beep() = 0;
    virtual Question::Answer ask(const Question& question) = 0;
    // Hands one address to the default browser as a single argument; never through a shell.
    virtual void openAddress(const QString& address) = 0;
    // Shift/Ctrl/Alt held at this very moment, as the bit set above.
    virtual int modifiersHeld() = 0;
    virtual bool fileExists(const QString& path) = 0;
    // Whether this user may write the file, or make files in the folder, at `path`.
    virtual bool canWrite(const QString& path) = 0;
    virtual QString executablePath() = 0;
    // Whether the program runs from the folder it was installed to: such a copy belongs to
    // the system, so even a user who may write there (root) keeps settings of their own.
    virtual bool isInstalledCopy() = 0;
    // The user's own folder for the program's settings; it need not exist yet.
    virtual QString userSettingsFolder() = 0;
    // One window per settings file: takes the file for this window, or hands the start over to
    // the window that has it (brought to the front), or finds that window not answering.
    enum class SettingsClaim { Taken, ShownElsewhere, HeldElsewhere };
    virtual SettingsClaim claimSettingsFile(const QString& path) = 0;
    // Ends the program at once, without the shut-down save (after an unexpected failure).
    virtual void terminate(int code) = 0;
};

} // namespace zwervel
