#include "platform/QtPlatform.h"

#include "platform/Control.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace zwervel {

void QtPlatform::beep() { QApplication::beep(); }

void QtPlatform::terugNaarVenster()
{
    // A window manager hands the activation back only later; the handler that asked goes on
    // at once and moves the focus, whose events must be raised right then.
    if (m_venster)
        QApplication::setActiveWindow(m_venster);
}

Vraag::Antwoord QtPlatform::toon(const Vraag& vraag)
{
    QMessageBox box(m_venster);
    box.setWindowTitle(QString::fromLatin1(ToepassingsTitel));
    box.setText(vraag.tekst);
    switch (vraag.icoon) {
    case Vraag::Icoon::Vraag: box.setIcon(QMessageBox::Question); break;
    case Vraag::Icoon::Informatie: box.setIcon(QMessageBox::Information); break;
    case Vraag::Icoon::Fout: box.setIcon(QMessageBox::Critical); break;
    }
    // Dutch captions whatever the system language is: the whole program speaks Dutch.
    if (vraag.knoppen == Vraag::Knoppen::JaNee) {
        QPushButton* ja = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
        QPushButton* nee = box.addButton(QStringLiteral("Nee"), QMessageBox::NoRole);
        box.setDefaultButton(vraag.standaard == Vraag::Antwoord::Ja ? ja : nee);
        box.setEscapeButton(nee);
        box.exec();
        terugNaarVenster();
        return box.clickedButton() == ja ? Vraag::Antwoord::Ja : Vraag::Antwoord::Nee;
    }
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
    terugNaarVenster();
    return Vraag::Antwoord::OK;
}

void QtPlatform::openAdres(const QString& adres)
{
    // The address is already percent-encoded; StrictMode keeps Qt from re-reading it.
    QDesktopServices::openUrl(QUrl(adres, QUrl::StrictMode));
}

int QtPlatform::toetsenIngedrukt()
{
    return toetsStand(QGuiApplication::queryKeyboardModifiers());
}

bool QtPlatform::bestandBestaat(const QString& pad) { return QFileInfo::exists(pad); }

QString QtPlatform::programmaPad() { return QCoreApplication::applicationFilePath(); }

void QtPlatform::beeindig(int code)
{
    if (m_venster)
        m_venster->hide();
    QCoreApplication::exit(code);
}

} // namespace zwervel
