// The real message boxes: the program's title, Dutch buttons, the icon, and the default button
// that Enter chooses. The requests to end that come from outside the window.
#include "platform/QtPlatform.h"
#include "platform/SignalWatcher.h"
#include "platform/SingleInstance.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cerrno>
#include <csignal>
#include <memory>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#endif

using namespace zwervel;

Q_DECLARE_METATYPE(Question::Buttons)
Q_DECLARE_METATYPE(Question::Answer)
Q_DECLARE_METATYPE(Question::Icon)

class TestPlatform : public QObject {
    Q_OBJECT
private slots:
    void messageBox_data();
    void messageBox();
    void endRequests_data();
    void endRequests();
    void oneWindowPerSettingsFile();
};

void TestPlatform::messageBox_data()
{
    QTest::addColumn<Question::Buttons>("buttons");
    QTest::addColumn<Question::Answer>("defaultAnswer");
    QTest::addColumn<Question::Icon>("icon");
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<int>("expectedIcon");
    QTest::addColumn<Question::Answer>("expected");

    const QStringList yesNo{QStringLiteral("Ja"), QStringLiteral("Nee")};
    QTest::newRow("Enter chooses Ja")
        << Question::Buttons::YesNo << Question::Answer::Yes << Question::Icon::Question
        << int(Qt::Key_Return) << yesNo << int(QMessageBox::Question) << Question::Answer::Yes;
    QTest::newRow("Enter chooses Nee")
        << Question::Buttons::YesNo << Question::Answer::No << Question::Icon::Question
        << int(Qt::Key_Return) << yesNo << int(QMessageBox::Question) << Question::Answer::No;
    QTest::newRow("Escape answers Nee")
        << Question::Buttons::YesNo << Question::Answer::Yes << Question::Icon::Question
        << int(Qt::Key_Escape) << yesNo << int(QMessageBox::Question) << Question::Answer::No;
    QTest::newRow("OK with information")
        << Question::Buttons::OK << Question::Answer::OK << Question::Icon::Information
        << int(Qt::Key_Return) << QStringList{QStringLiteral("OK")} << int(QMessageBox::Information)
        << Question::Answer::OK;
    QTest::newRow("error") << Question::Buttons::OK << Question::Answer::OK << Question::Icon::Error
                           << int(Qt::Key_Escape) << QStringList{QStringLiteral("OK")}
                           << int(QMessageBox::Critical) << Question::Answer::OK;
}

void TestPlatform::messageBox()
{
    QFETCH(Question::Buttons, buttons);
    QFETCH(Question::Answer, defaultAnswer);
    QFETCH(Question::Icon, icon);
    QFETCH(int, key);
    QFETCH(QStringList, captions);
    QFETCH(int, expectedIcon);
    QFETCH(Question::Answer, expected);

    QtPlatform platform;
    QString title, text;
    QStringList seenCaptions;
    QImage seenIcon;
    // The box is modal: look at it, then answer it with a key, from inside its own event loop.
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        title = box->windowTitle();
        text = box->text();
        seenIcon = box->iconPixmap().toImage();
        for (QAbstractButton* button : box->buttons())
            seenCaptions << button->text();
        QTest::keyClick(box, Qt::Key(key));
    });
    const Question::Answer answer =
        platform.ask({QStringLiteral("Route\r\n Utrecht"), icon, buttons, defaultAnswer});

    QCOMPARE(title, QStringLiteral("Zwervel"));
    QCOMPARE(text, QStringLiteral("Route\r\n Utrecht"));
    seenCaptions.sort();
    captions.sort();
    QCOMPARE(seenCaptions, captions);
    QMessageBox standard; // the icon Qt itself gives a box of this kind
    standard.setIcon(QMessageBox::Icon(expectedIcon));
    QCOMPARE(seenIcon, standard.iconPixmap().toImage());
    QCOMPARE(answer, expected);
}

void TestPlatform::endRequests_data()
{
    QTest::addColumn<int>("signal");
#ifdef Q_OS_UNIX
    QTest::newRow("Ctrl+C in a terminal") << SIGINT;
    QTest::newRow("kill") << SIGTERM;
    QTest::newRow("the terminal closed") << SIGHUP;
#endif
}

void TestPlatform::endRequests()
{
#ifndef Q_OS_UNIX
    QSKIP("POSIX signals: on Windows a session's end comes through Qt's session manager");
#else
    // Each arrives as one request on the window's thread, however often it comes, instead of
    // ending the program on the spot without the shut-down save.
    QFETCH(int, signal);
    SignalWatcher watcher;
    QSignalSpy requests(&watcher, &SignalWatcher::endRequested);
    // A storm of them neither blocks in the handler nor changes errno under the code it
    // interrupts.
    for (int i = 0; i < 10000; ++i) {
        errno = 0;
        QCOMPARE(std::raise(signal), 0);
        QCOMPARE(errno, 0);
    }
    QVERIFY(requests.wait(5000));
    QCOMPARE(requests.count(), 1);
    // Nor does the browser the program starts inherit its sockets.
    for (const QFileInfo& fd : QDir(QStringLiteral("/proc/self/fd")).entryInfoList(QDir::Files)) {
        const int number = fd.fileName().toInt();
        struct stat status = {};
        if (::fstat(number, &status) == 0 && S_ISSOCK(status.st_mode))
            QVERIFY(::fcntl(number, F_GETFD) & FD_CLOEXEC);
    }
#endif
}

void TestPlatform::oneWindowPerSettingsFile()
{
    // The second start on a file finds the first and asks it to come to the front; a start on
    // another file runs beside them; once the first is gone, its file is free again.
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("zwervel.cfg"));
    auto first = std::make_unique<SingleInstance>(file);
    QVERIFY(first->isFirst());
    QSignalSpy shown(first.get(), &SingleInstance::showRequested);
    SingleInstance second(file);
    QVERIFY(!second.isFirst());
    // The first answers from its event loop, which does not run while the second waits.
    QVERIFY(!second.askFirstToShow());
    QVERIFY(shown.wait(5000));
    QCOMPARE(shown.count(), 1);
    SingleInstance elsewhere(dir.filePath(QStringLiteral("other/zwervel.cfg")));
    QVERIFY(elsewhere.isFirst());
    first.reset();
    QVERIFY(SingleInstance(file).isFirst());
}

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
