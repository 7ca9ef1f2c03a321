// The platform seam as the real program uses it: Qt's beep, message boxes and browser.
#pragma once

#include "platform/Platform.h"

class QWidget;

namespace zwervel {

class QtPlatform : public Platform {
public:
    // Boxes are shown modal to this window (it may be set later, once the window exists).
    void setVenster(QWidget* venster) { m_venster = venster; }

    void beep() override;
    Vraag::Antwoord toon(const Vraag& vraag) override;
    void openAdres(const QString& adres) override;
    int toetsenIngedrukt() override;
    bool bestandBestaat(const QString& pad) override;
    QString programmaPad() override;
    void beeindig(int code) override;

private:
    void terugNaarVenster();

    QWidget* m_venster = nullptr;
};

// The application's short name, which every message box shows as its title.
inline constexpr char ToepassingsTitel[] = "Zwervel";

} // namespace zwervel
