// The one seam between the window and the world outside it: sound, modal boxes, the browser,
// the keyboard state, the file system and the program's own place on disk.
#pragma once

#include <QString>

namespace zwervel {

// A modal message box as the window asks for it; the platform adds the application's title.
struct Vraag {
    enum class Icoon { Vraag, Informatie, Fout };
    enum class Knoppen { JaNee, OK };
    enum class Antwoord { Ja, Nee, OK };

    QString tekst;
    Icoon icoon = Icoon::Informatie;
    Knoppen knoppen = Knoppen::OK;
    Antwoord standaard = Antwoord::OK;
};

// Shift, Ctrl and Alt as the bit set the handlers test: 1 Shift, 2 Ctrl, 4 Alt.
enum Toets : int { ShiftToets = 1, CtrlToets = 2, AltToets = 4 };

class Platform {
public:
    virtual ~Platform() = default;

    virtual void beep() = 0;
    virtual Vraag::Antwoord toon(const Vraag& vraag) = 0;
    // Hands one address to the default browser as a single argument; never through a shell.
    virtual void openAdres(const QString& adres) = 0;
    // Shift/Ctrl/Alt held at this very moment, as the bit set above.
    virtual int toetsenIngedrukt() = 0;
    virtual bool bestandBestaat(const QString& pad) = 0;
    virtual QString programmaPad() = 0;
    // Ends the program at once, without the shut-down save (after an unexpected failure).
    virtual void beeindig(int code) = 0;
};

} // namespace zwervel
