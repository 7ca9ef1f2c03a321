// The real message boxes: the program's title, Dutch buttons, the icon, and the default button
// that Enter chooses.
#include "platform/QtPlatform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>


using namespace zwervel;

Q_DECLARE_METATYPE(Vraag::Knoppen)
Q_DECLARE_METATYPE(Vraag::Antwoord)
Q_DECLARE_METATYPE(Vraag::Icoon)

class TestPlatform : public QObject {
    Q_OBJECT
private slots:
    void berichtvenster_data();
    void berichtvenster();
};

void TestPlatform::berichtvenster_data()
{
    QTest::addColumn<Vraag::Knoppen>("knoppen");
    QTest::addColumn<Vraag::Antwoord>("standaard");
    QTest::addColumn<Vraag::Icoon>("icoon");
    QTest::addColumn<int>("toets");
    QTest::addColumn<QStringList>("opschriften");
    QTest::addColumn<int>("verwachtIcoon");
    QTest::addColumn<Vraag::Antwoord>("verwacht");

    const QStringList jaNee{QStringLiteral("Ja"), QStringLiteral("Nee")};
    QTest::newRow("Enter kiest Ja") << Vraag::Knoppen::JaNee << Vraag::Antwoord::Ja << Vraag::Icoon::Vraag
                                    << int(Qt::Key_Return) << jaNee << int(QMessageBox::Question)
                                    << Vraag::Antwoord::Ja;
    QTest::newRow("Enter kiest Nee") << Vraag::Knoppen::JaNee << Vraag::Antwoord::Nee << Vraag::Icoon::Vraag
                                     << int(Qt::Key_Return) << jaNee << int(QMessageBox::Question)
                                     << Vraag::Antwoord::Nee;
    QTest::newRow("Escape is Nee") << Vraag::Knoppen::JaNee << Vraag::Antwoord::Ja << Vraag::Icoon::Vraag
                                   << int(Qt::Key_Escape) << jaNee << int(QMessageBox::Question)
                                   << Vraag::Antwoord::Nee;
    QTest::newRow("OK met informatie") << Vraag::Knoppen::OK << Vraag::Antwoord::OK << Vraag::Icoon::Informatie
                                       << int(Qt::Key_Return) << QStringList{QStringLiteral("OK")}
                                       << int(QMessageBox::Information) << Vraag::Antwoord::OK;
    QTest::newRow("fout") << Vraag::Knoppen::OK << Vraag::Antwoord::OK << Vraag::Icoon::Fout
                          << int(Qt::Key_Escape) << QStringList{QStringLiteral("OK")}
                          << int(QMessageBox::Critical) << Vraag::Antwoord::OK;
}

void TestPlatform::berichtvenster()
{
    QFETCH(Vraag::Knoppen, knoppen);
    QFETCH(Vraag::Antwoord, standaard);
    QFETCH(Vraag::Icoon, icoon);
    QFETCH(int, toets);
    QFETCH(QStringList, opschriften);
    QFETCH(int, verwachtIcoon);
    QFETCH(Vraag::Antwoord, verwacht);

    QtPlatform platform;
    QString titel, tekst;
    QStringList gezien;
    int gezienIcoon = -1;
    // The box is modal: look at it, then answer it with a key, from inside its own event loop.
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        titel = box->windowTitle();
        tekst = box->text();
        gezienIcoon = int(box->icon());
        for (QAbstractButton* knop : box->buttons())
            gezien << knop->text();
        QTest::keyClick(box, Qt::Key(toets));
    });
    const Vraag::Antwoord antwoord = platform.toon({QStringLiteral("Route\r\n Utrecht"), icoon, knoppen, standaard});

    QCOMPARE(titel, QStringLiteral("Zwervel"));
    QCOMPARE(tekst, QStringLiteral("Route\r\n Utrecht"));
    gezien.sort();
    opschriften.sort();
    QCOMPARE(gezien, opschriften);
    QCOMPARE(gezienIcoon, verwachtIcoon);
    QCOMPARE(antwoord, verwacht);
}

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
