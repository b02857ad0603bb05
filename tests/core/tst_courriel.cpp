// The mail link: which parts go in, in which order, and that values stay as given.
#include "Courriel.h"

#include <QtTest>

using namespace lumio;

class TestCourriel : public QObject {
    Q_OBJECT
  private slots:
    void leLienDuMail_data();
    void leLienDuMail();
};

void TestCourriel::leLienDuMail_data() {
    QTest::addColumn<QString>("cc");
    QTest::addColumn<QString>("bcc");
    QTest::addColumn<QString>("sujet");
    QTest::addColumn<QString>("corps");
    QTest::addColumn<QString>("lien");
    QTest::newRow("rien") << ""
                          << ""
                          << ""
                          << ""
                          << "mailto:a@b.example";
    QTest::newRow("sujet seul") << ""
                                << ""
                                << "Sudoku-Lumio"
                                << ""
                                << "mailto:a@b.example?Subject=Sudoku-Lumio";
    QTest::newRow("copie et sujet") << "c@d.example"
                                    << ""
                                    << "Salut"
                                    << ""
                                    << "mailto:a@b.example?CC=c@d.example&Subject=Salut";
    QTest::newRow("sujet de blancs omis") << ""
                                          << ""
                                          << "   "
                                          << "Texte"
                                          << "mailto:a@b.example?Body=Texte";
    QTest::newRow("copie de blancs omise") << " \t "
                                           << ""
                                           << "S"
                                           << ""
                                           << "mailto:a@b.example?Subject=S";
    QTest::newRow("espaces et & tels quels") << ""
                                             << ""
                                             << " Une & deux "
                                             << "a b&c=d"
                                             << "mailto:a@b.example?Subject= Une & deux &Body=a b&c=d";
    QTest::newRow("les quatre, dans l'ordre") << "c"
                                              << "d"
                                              << "e"
                                              << "f"
                                              << "mailto:a@b.example?CC=c&BCC=d&Subject=e&Body=f";
    QTest::newRow("copie cachée seule") << ""
                                        << "x"
                                        << ""
                                        << ""
                                        << "mailto:a@b.example?BCC=x";
    QTest::newRow("accents et % non codés") << ""
                                            << ""
                                            << "Grille é 100%"
                                            << ""
                                            << "mailto:a@b.example?Subject=Grille é 100%";
}

void TestCourriel::leLienDuMail() {
    QFETCH(QString, cc);
    QFETCH(QString, bcc);
    QFETCH(QString, sujet);
    QFETCH(QString, corps);
    QFETCH(QString, lien);
    QCOMPARE(QString::fromStdString(LienSendMail("a@b.example", cc.toStdString(), bcc.toStdString(),
                                                 sujet.toStdString(), corps.toStdString())),
             lien);
}

QTEST_APPLESS_MAIN(TestCourriel)
#include "tst_courriel.moc"
