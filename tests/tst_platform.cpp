// The real message boxes: the program's title, Dutch buttons, the icon, and the default button
// that Enter chooses.
#include "platform/QtPlatform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>


using namespace zwervel;

Q_DECLARE_METATYPE(Question::Buttons)
Q_DECLARE_METATYPE(Question::Answer)
Q_DECLARE_METATYPE(Question::Icon)

class TestPlatform : public QObject {
    Q_OBJECT
private slots:
    void berichtvenster_data();
    void berichtvenster();
};

void TestPlatform::berichtvenster_data()
{
    QTest::addColumn<Question::Buttons>("buttons");
    QTest::addColumn<Question::Answer>("defaultAnswer");
    QTest::addColumn<Question::Icon>("icon");
    QTest::addColumn<int>("toets");
    QTest::addColumn<QStringList>("opschriften");
    QTest::addColumn<int>("verwachtIcoon");
    QTest::addColumn<Question::Answer>("verwacht");

    const QStringList jaNee{QStringLiteral("Ja"), QStringLiteral("Nee")};
    QTest::newRow("Enter kiest Ja") << Question::Buttons::YesNo << Question::Answer::Yes << Question::Icon::Question
                                    << int(Qt::Key_Return) << jaNee << int(QMessageBox::Question)
                                    << Question::Answer::Yes;
    QTest::newRow("Enter kiest Nee") << Question::Buttons::YesNo << Question::Answer::No << Question::Icon::Question
                                     << int(Qt::Key_Return) << jaNee << int(QMessageBox::Question)
                                     << Question::Answer::No;
    QTest::newRow("Escape is Nee") << Question::Buttons::YesNo << Question::Answer::Yes << Question::Icon::Question
                                   << int(Qt::Key_Escape) << jaNee << int(QMessageBox::Question)
                                   << Question::Answer::No;
    QTest::newRow("OK met informatie") << Question::Buttons::OK << Question::Answer::OK << Question::Icon::Information
                                       << int(Qt::Key_Return) << QStringList{QStringLiteral("OK")}
                                       << int(QMessageBox::Information) << Question::Answer::OK;
    QTest::newRow("fout") << Question::Buttons::OK << Question::Answer::OK << Question::Icon::Error
                          << int(Qt::Key_Escape) << QStringList{QStringLiteral("OK")}
                          << int(QMessageBox::Critical) << Question::Answer::OK;
}

void TestPlatform::berichtvenster()
{
    QFETCH(Question::Buttons, buttons);
    QFETCH(Question::Answer, defaultAnswer);
    QFETCH(Question::Icon, icon);
    QFETCH(int, toets);
    QFETCH(QStringList, opschriften);
    QFETCH(int, verwachtIcoon);
    QFETCH(Question::Answer, verwacht);

    QtPlatform platform;
    QString titel, text;
    QStringList gezien;
    int gezienIcoon = -1;
    // The box is modal: look at it, then answer it with a key, from inside its own event loop.
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        titel = box->windowTitle();
        text = box->text();
        gezienIcoon = int(box->icon());
        for (QAbstractButton* button : box->buttons())
            gezien << button->text();
        QTest::keyClick(box, Qt::Key(toets));
    });
    const Question::Answer answer = platform.ask({QStringLiteral("Route\r\n Utrecht"), icon, buttons, defaultAnswer});

    QCOMPARE(titel, QStringLiteral("Zwervel"));
    QCOMPARE(text, QStringLiteral("Route\r\n Utrecht"));
    gezien.sort();
    opschriften.sort();
    QCOMPARE(gezien, opschriften);
    QCOMPARE(gezienIcoon, verwachtIcoon);
    QCOMPARE(answer, verwacht);
}

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
