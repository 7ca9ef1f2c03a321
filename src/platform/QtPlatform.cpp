#include "platform/QtPlatform.h"

#include "platform/Control.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

#include <chrono>
#include <functional>

namespace zwervel {

namespace {

// Runs `work` once, a moment after the widget's first drawing: late enough not to hold up the
// drawing that follows it as the window is activated, early enough to precede most clicks.
class AfterFirstPaint : public QObject {
public:
    AfterFirstPaint(QWidget* widget, std::function<void()> work)
        : QObject(widget), m_work(std::move(work))
    {
        widget->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(SettleTime, this, [this] {
                m_work();
                deleteLater();
            });
        }
        return false;
    }

private:
    static constexpr std::chrono::milliseconds SettleTime{500};
    std::function<void()> m_work;
};

} // namespace

void QtPlatform::setWindow(QWidget* window)
{
    m_window = window;
    // The remove questions are the boxes a user meets most; their icon is found while the user
    // takes in the new window, so that the first question opens as quickly as the next.
    if (window)
        new AfterFirstPaint(window, [this] { boxIcon(QStyle::SP_MessageBoxQuestion); });
}

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
    QStyle::StandardPixmap icon = QStyle::SP_MessageBoxInformation;
    switch (question.icon) {
    case Question::Icon::Question:
        icon = QStyle::SP_MessageBoxQuestion;
        break;
    case Question::Icon::Information:
        break;
    case Question::Icon::Error:
        icon = QStyle::SP_MessageBoxCritical;
        break;
    }
    const int size = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box);
    box.setIconPixmap(boxIcon(icon).pixmap(QSize(size, size), box.devicePixelRatio()));
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

QIcon QtPlatform::boxIcon(QStyle::StandardPixmap which)
{
    // The style looks for its icon in the desktop's icon theme first; Qt remembers only icons
    // the theme has, so where it has none every box searched again, thousands of file lookups.
    auto icon = m_boxIcons.find(which);
    if (icon == m_boxIcons.end())
        icon = m_boxIcons.insert(which, QApplication::style()->standardIcon(which));
    return *icon;
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
