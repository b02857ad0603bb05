// The best-times window: what it shows for each record, and clearing the records.
#include "BancFenetre.h"
#include "fenetres/frmScore.h"

#include <QLabel>
#include <QtTest>

using namespace lumio;
using namespace lumio::test;

class TestScores : public QObject {
    Q_OBJECT
  private slots:
    void chaqueRecordSAfficheSelonSaValeur_data();
    void chaqueRecordSAfficheSelonSaValeur();
    void effacerLesScoresDemandeAvantDeToutRemettreAZero_data();
    void effacerLesScoresDemandeAvantDeToutRemettreAZero();
    void leMenuOuvreLaFenetreEnModal();
};

void TestScores::chaqueRecordSAfficheSelonSaValeur_data() {
    QTest::addColumn<QString>("stocke");
    QTest::addColumn<QString>("affiche");
    QTest::newRow("absent") << ""
                            << "-";
    QTest::newRow("5999 vaut absent") << "5999"
                                      << "-";
    QTest::newRow("5940") << "5940"
                          << "99:00";
    QTest::newRow("754") << "754"
                         << "12:34";
    QTest::newRow("59") << "59"
                        << "0:59";
    QTest::newRow("pas entier") << "12.5"
                                << "-";
    QTest::newRow("texte") << "vite"
                           << "-";
}

void TestScores::chaqueRecordSAfficheSelonSaValeur() {
    QFETCH(QString, stocke);
    QFETCH(QString, affiche);
    BancFenetre b;
    if (!stocke.isEmpty()) b.magasin->Ecrire("3Tp", stocke.toStdString());
    b.magasin->Ecrire("3NJT", "Zoé");
    frmScore s(b.jeu(), b.fenetre.get());
    QCOMPARE(s.windowTitle(), QString("Meilleurs temps"));
    QCOMPARE(s.Lb2(3)->text(), affiche);
    QCOMPARE(s.LbNom(3)->text(), QString("Zoé"));
    for (int n : {1, 2, 4}) {
        QCOMPARE(s.Lb2(n)->text(), QString("-"));
        QCOMPARE(s.LbNom(n)->text(), QString("Ordinateur"));
    }
    QCOMPARE(s.findChild<QLabel *>("Lab")->text(), QString("Facile :"));
    QCOMPARE(s.findChild<QLabel *>("Label3")->text(), QString("Expert :"));
}

void TestScores::effacerLesScoresDemandeAvantDeToutRemettreAZero_data() {
    QTest::addColumn<bool>("oui");
    QTest::newRow("oui") << true;
    QTest::newRow("non") << false;
}

void TestScores::effacerLesScoresDemandeAvantDeToutRemettreAZero() {
    QFETCH(bool, oui);
    BancFenetre b;
    b.magasin->Ecrire("1Tp", "100");
    b.magasin->Ecrire("1NJT", "Alice");
    frmScore s(b.jeu(), b.fenetre.get());
    b.dialogues.reponses = {oui ? Reponse::Oui : Reponse::Non};
    s.EffacerScores();
    QCOMPARE(b.dialogues.messages.size(), std::size_t(1));
    const Message &m = b.dialogues.messages[0];
    QCOMPARE(m.texte, std::string("Etes vous sûr de vouloir effacer les scores ?"));
    QCOMPARE(int(m.boutons), int(Boutons::OuiNon));
    QCOMPARE(int(m.icone), int(Icone::Aucune));
    QCOMPARE(m.titre, std::string("Sudoku"));
    QCOMPARE(s.Lb2(1)->text(), oui ? QString("-") : QString("1:40"));
    QCOMPARE(s.LbNom(1)->text(), oui ? QString("Ordinateur") : QString("Alice"));
    QCOMPARE(b.magasin->Lire("4Tp", ""), oui ? std::string("5999") : std::string(""));
    QCOMPARE(b.magasin->Lire("4NJT", ""), oui ? std::string("Ordinateur") : std::string(""));
}

void TestScores::leMenuOuvreLaFenetreEnModal() {
    BancFenetre b;
    QString titre;
    QuandModal([&](QWidget *w) { titre = w->windowTitle(); });
    b.fenetre->Action("mnuJeuScore")->trigger();
    QCOMPARE(titre, QString("Meilleurs temps"));
}

QTEST_MAIN(TestScores)
#include "tst_scores.moc"
