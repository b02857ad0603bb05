// The game's sound events: which file each event name asks the player for, and when nothing is asked.
#include "Factices.h"
#include "Jeu.h"

#include <QtTest>

#include <algorithm>
#include <string>
#include <vector>

using namespace lumio;
using namespace lumio::test;

using Demandes = std::vector<std::string>;
Q_DECLARE_METATYPE(Demandes)

class TestJouerSon : public QObject {
    Q_OBJECT

  private slots:
    void evenement_data();
    void evenement();
    void sonsCoupes_data() { evenement_data(); }
    void sonsCoupes();
    void chaqueDemandeArriveEnOrdre();
    void chiffreDessine_data();
    void chiffreDessine();
};

void TestJouerSon::evenement_data() {
    QTest::addColumn<QString>("cas");
    QTest::addColumn<Demandes>("attendu");

    QTest::newRow("Ok") << "Ok" << Demandes{"Sons/Ok.wav"};
    QTest::newRow("Erreur, file in lower case") << "Erreur" << Demandes{"Sons/erreur.wav"};
    QTest::newRow("Accueil, file in lower case") << "Accueil" << Demandes{"Sons/accueil.wav"};
    QTest::newRow("Recommencer") << "Recommencer" << Demandes{"Sons/Recommencer.wav"};
    QTest::newRow("PlacerLettre") << "PlacerLettre" << Demandes{"Sons/PlacerLettre.wav"};
    QTest::newRow("AffichSolu, file without the u") << "AffichSolu" << Demandes{"Sons/AffichSol.wav"};
    QTest::newRow("Bravo") << "Bravo" << Demandes{"Sons/Bravo.wav"};
    QTest::newRow("Indice") << "Indice" << Demandes{"Sons/Indice.wav"};

    // Names are compared exactly: another case, the file's own name or a stray blank is unknown.
    QTest::newRow("ok") << "ok" << Demandes{};
    QTest::newRow("OK") << "OK" << Demandes{};
    QTest::newRow("erreur") << "erreur" << Demandes{};
    QTest::newRow("accueil") << "accueil" << Demandes{};
    QTest::newRow("BRAVO") << "BRAVO" << Demandes{};
    QTest::newRow("AffichSol") << "AffichSol" << Demandes{};
    QTest::newRow("file name") << "Ok.wav" << Demandes{};
    QTest::newRow("trailing blank") << "Ok " << Demandes{};
    QTest::newRow("leading blank") << " Indice" << Demandes{};
    QTest::newRow("empty") << "" << Demandes{};
    QTest::newRow("unknown") << "Victoire" << Demandes{};
}

void TestJouerSon::evenement() {
    QFETCH(QString, cas);
    QFETCH(Demandes, attendu);
    Monde m;
    Jeu jeu(m.surface, m.fenetre, m.reglages, m.sons, m.hasard);
    jeu.FLAGJOUERLESSONS = true;
    jeu.JouerSon(cas.toStdString());
    QCOMPARE(m.sons.joues, attendu);
}

// With sounds off nothing at all reaches the player, not even a request that would end in
// the alert of a missing file.
void TestJouerSon::sonsCoupes() {
    QFETCH(QString, cas);
    Monde m;
    Jeu jeu(m.surface, m.fenetre, m.reglages, m.sons, m.hasard);
    jeu.FLAGJOUERLESSONS = false;
    jeu.JouerSon(cas.toStdString());
    QVERIFY(m.sons.joues.empty());
}

// The player cuts a sound by the next request, so a burst of ticks must reach it whole,
// repeats included, in the order the game asked for them.
void TestJouerSon::chaqueDemandeArriveEnOrdre() {
    Monde m;
    Jeu jeu(m.surface, m.fenetre, m.reglages, m.sons, m.hasard);
    jeu.FLAGJOUERLESSONS = true;
    for (const char *cas : {"PlacerLettre", "PlacerLettre", "ok", "PlacerLettre", "Bravo"})
        jeu.JouerSon(cas);
    const Demandes attendu{"Sons/PlacerLettre.wav", "Sons/PlacerLettre.wav", "Sons/PlacerLettre.wav",
                           "Sons/Bravo.wav"};
    QCOMPARE(m.sons.joues, attendu);

    jeu.FLAGJOUERLESSONS = false;
    jeu.JouerSon("Bravo");
    QCOMPARE(m.sons.joues, attendu);
}

void TestJouerSon::chiffreDessine_data() {
    QTest::addColumn<int>("genre");
    QTest::addColumn<bool>("tic");
    QTest::newRow("pencil mark") << int(GenreCrayon) << true;
    QTest::newRow("player digit") << int(GenreJoueur) << true;
    QTest::newRow("given") << int(GenreDonnee) << false;
    QTest::newRow("wrong digit") << int(GenreFaux) << true;
}

// Every digit drawn on the board ticks, except the givens laid out by a new grid.
void TestJouerSon::chiffreDessine() {
    QFETCH(int, genre);
    QFETCH(bool, tic);
    Monde m;
    Jeu jeu(m.surface, m.fenetre, m.reglages, m.sons, m.hasard);
    jeu.FLAGJOUERLESSONS = true;
    jeu.ModeJeu = 1;
    // A solution unlike the board, so drawing one digit can never complete the game.
    jeu.GrilleSolution.Remplir(5);
    jeu.DessinerChiffre(7, GenreChiffre(genre), 4, 6);
    const auto tics = std::count(m.sons.joues.begin(), m.sons.joues.end(), "Sons/PlacerLettre.wav");
    QCOMPARE(tics, tic ? 1 : 0);
}

QTEST_APPLESS_MAIN(TestJouerSon)
#include "tst_jouerson.moc"
