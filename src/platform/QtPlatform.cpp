#include "platform/QtPlatform.h"

#include "platform/Control.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QUrl>

namespace zwervel {

void QtPlatform::beep()
{
    QApplication::beep();
}

void QtPlatform::returnToWindow()
{
    // A window manager hands the activation back only later; the handler that asked goes on
    // at once and moves the focus, whose events must be raised right then.
    if (m_window)
        QApplication::setActiveWindow(m_window);
}

Question::Answer QtPlatform::ask(const Question& question)
{
    QMessageBox box(m_window);
    box.setWindowTitle(QString::fromLatin1(ApplicationTitle));
    box.setText(question.text);
    switch (question.icon) {
    case Question::Icon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case Question::Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Question::Icon::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    // Dutch captions whatever the system language is: the whole program speaks Dutch.
    if (question.buttons == Question::Buttons::YesNo) {
        QPushButton* yes = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(QStringLiteral("Nee"), QMessageBox::NoRole);
        box.setDefaultButton(question.defaultAnswer == Question::Answer::Yes ? yes : no);
        box.setEscapeButton(no);
        box.exec();
        returnToWindow();
        return box.clickedButton() == yes ? Question::Answer::Yes : Question::Answer::No;
    }
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
    returnToWindow();
    return Question::Answer::OK;
}

void QtPlatform::openAddress(const QString& address)
{
    // The address is already percent-encoded; StrictMode keeps Qt from re-reading it.
    QDesktopServices::openUrl(QUrl(address, QUrl::StrictMode));
}

int QtPlatform::modifiersHeld()
{
    return modifierState(QGuiApplication::queryKeyboardModifiers());
}

bool QtPlatform::fileExists(const QString& path)
{
    return QFileInfo::exists(path);
}

bool QtPlatform::canWrite(const QString& path)
{
    return QFileInfo(path).isWritable();
}

QString QtPlatform::userSettingsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
}

QString QtPlatform::executablePath()
{
    return QCoreApplication::applicationFilePath();
}

bool QtPlatform::isInstalledCopy()
{
    const QString folder = QFileInfo(executablePath()).canonicalPath();
    // The install prefix's and the package's folder, both known when the program was built.
    for (const char* installed : {ZWERVEL_INSTALL_BINDIR, ZWERVEL_PACKAGE_BINDIR}) {
        if (!folder.isEmpty() &&
            QFileInfo(QString::fromUtf8(installed)).canonicalFilePath() == folder)
            return true;
    }
    return false;
}

Platform::SettingsClaim QtPlatform::claimSettingsFile(const QString& path)
{
    // A window made again in the same process lets go of the file first.
    m_instance.reset();
    m_instance = std::make_unique<SingleInstance>(path);
    if (!m_instance->isFirst()) {
        if (m_instance->askFirstToShow())
            return SettingsClaim::ShownElsewhere;
        // A copy that was saving and ending when asked has let go of the file by now.
        m_instance.reset();
        m_instance = std::make_unique<SingleInstance>(path);
        if (!m_instance->isFirst())
            return SettingsClaim::HeldElsewhere;
    }
    QObject::connect(m_instance.get(), &SingleInstance::showRequested, m_instance.get(), [this] {
        if (!m_window)
            return;
        m_window->showNormal();
        m_window->raise();
        m_window->activateWindow();
    });
    return SettingsClaim::Taken;
}

void QtPlatform::terminate(int code)
{
    if (m_window)
        m_window->hide();
    QCoreApplication::exit(code);
}

} // namespace zwervel
