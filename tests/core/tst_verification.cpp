// The completion check and victory, the player's "Vérifier" and the creation grid's check.
#include "PartieEssai.h"

#include <QtTest>

#include <sstream>

using namespace lumio;
using namespace lumio::test;

namespace {

bool SaufDerniere(int c, int r) {
    return !(c == 9 && r == 9);
}

std::vector<std::string> Liste(const QStringList &l) {
    std::vector<std::string> v;
    for (auto &s : l)
        v.push_back(s.toStdString());
    return v;
}

const char *BravoSimple = "Bravo!! vous avez résolu ce Sudoku!";

} // namespace

class TestVerification : public QObject {
    Q_OBJECT

  private slots:
    void victoire_data();
    void victoire();
    void unRecordQueLesReglagesNeGardentPasEstSignaleUneFois();
    void unAutreProgrammeAEnregistreEntreTemps_data();
    void unAutreProgrammeAEnregistreEntreTemps();
    void victoireRejoueeApresEffacement();
    void grillePleineFausseOuModeCreation();
    void verifierGrille_data();
    void verifierGrille();
    void verifierCreation_data();
    void verifierCreation();
    void controleRegLaisseLignesEtColonnes();
};

void TestVerification::victoire_data() {
    QTest::addColumn<QString>("stocke"); // "-" when the store has no record
    QTest::addColumn<int>("niveau");
    QTest::addColumn<int>("secondes");
    QTest::addColumn<bool>("solutionVue");
    QTest::addColumn<QString>("nom");
    QTest::addColumn<bool>("demande");
    QTest::addColumn<bool>("message");
    QTest::addColumn<QStringList>("ecritures");
    const QStringList record1{"NJ", "1Tp", "1NJT"};
    QTest::addRow("first record") << "-" << 1 << 120 << false << "Zoé" << true << false << record1;
    QTest::addRow("5998 beats no record") << "-" << 1 << 5998 << false << "Zoé" << true << false << record1;
    QTest::addRow("5999 does not") << "-" << 1 << 5999 << false << "Zoé" << false << true << QStringList{};
    QTest::addRow("a stored time past the doubles holds no record")
        << "1e400" << 1 << 120 << false << "Zoé" << true << false << record1;
    QTest::addRow("a tie is no record")
        << "300" << 1 << 300 << false << "Zoé" << false << true << QStringList{};
    QTest::addRow("beaten record, level 3")
        << "300" << 3 << 299 << false << "Zoé" << true << false << QStringList{"NJ", "3Tp", "3NJT"};
    QTest::addRow("empty name records nothing")
        << "-" << 1 << 120 << false << "" << true << false << QStringList{};
    QTest::addRow("after the solution")
        << "-" << 1 << 120 << true << "Zoé" << false << false << QStringList{};
    QTest::addRow("unreadable record")
        << "12.5" << 1 << 6000 << false << "Zoé" << false << true << QStringList{};
    QTest::addRow("past 32767 s") << "-" << 1 << 40000 << false << "Zoé" << false << true << QStringList{};
}

void TestVerification::victoire() {
    QFETCH(QString, stocke);
    QFETCH(int, niveau);
    QFETCH(int, secondes);
    QFETCH(bool, solutionVue);
    QFETCH(QString, nom);
    QFETCH(bool, demande);
    QFETCH(bool, message);
    QFETCH(QStringList, ecritures);
    Partie p(SaufDerniere);
    const std::string cle = std::to_string(niveau) + "Tp";
    if (stocke != "-") p.m.reglages.valeurs[cle] = stocke.toStdString();
    p.jeu.NiveauPartie = niveau;
    p.m.fenetre.DefinirLibelle(2, NomNiveau(niveau));
    p.jeu.SecondesEcoulees = secondes;
    p.jeu.BOUTONSOLUTION = solutionVue;
    p.m.fenetre.reponsesSaisie.push_back(nom.toStdString());

    p.jeu.PlacerChiffre(Solution(9, 9), GenreJoueur, 9, 9);

    QCOMPARE(p.m.sons.joues, (std::vector<std::string>{"Sons/PlacerLettre.wav", "Sons/Bravo.wav"}));
    QVERIFY(!p.m.fenetre.chrono);
    QCOMPARE(p.m.fenetre.saisies.size(), std::size_t(demande));
    if (demande) {
        const auto &s = p.m.fenetre.saisies[0];
        const std::string niveauMin = niveau == 1 ? "facile" : "difficile";
        QCOMPARE(s.invite,
                 "Vous avez fait le meilleurs temps de niveau " + niveauMin + ".\r\n\r\nEntrez votre nom");
        QCOMPARE(s.titre, std::string("BRAVO !!!"));
        QCOMPARE(s.defaut, std::string("Pilou"));
        QCOMPARE(std::make_pair(s.x, s.y), std::make_pair(3000, 2000));
    }
    QCOMPARE(p.Messages(), message ? std::vector<std::string>{BravoSimple} : std::vector<std::string>{});
    if (message) QVERIFY(p.m.fenetre.messages[0].boutons == Boutons::Ok);
    QCOMPARE(p.m.reglages.ecritures, Liste(ecritures));
    QCOMPARE(p.m.fenetre.scoresAffiches, ecritures.isEmpty() ? 0 : 1);
    if (!ecritures.isEmpty()) {
        QCOMPARE(p.m.reglages.valeurs[cle], std::to_string(secondes));
        QCOMPARE(p.m.reglages.valeurs[std::to_string(niveau) + "NJT"], std::string("Zoé"));
        QCOMPARE(p.m.reglages.valeurs["NJ"], std::string("Zoé"));
        QCOMPARE(p.jeu.NJOUEUR, std::string("Zoé"));
    }
}

void TestVerification::unRecordQueLesReglagesNeGardentPasEstSignaleUneFois() {
    Partie p(SaufDerniere);
    p.jeu.SecondesEcoulees = 120;
    p.m.reglages.echec = "Le dossier des réglages « /lecture-seule » est protégé en écriture.";
    p.m.fenetre.reponsesSaisie.push_back("Zoé");
    p.jeu.PlacerChiffre(Solution(9, 9), GenreJoueur, 9, 9);
    QCOMPARE(p.Messages(), std::vector<std::string>{"Le meilleur temps n'a pas pu être enregistré : il sera "
                                                    "perdu à la fermeture du jeu.\n\n" +
                                                    p.m.reglages.echec});
    QVERIFY(p.m.fenetre.messages[0].icone == Icone::Critique);
    QCOMPARE(p.m.fenetre.scoresAffiches, 1);
}

// Two windows of the game share the store: the time stored now is the one to beat, read under
// the lock before the name is asked and again as the record is written.
void TestVerification::unAutreProgrammeAEnregistreEntreTemps_data() {
    QTest::addColumn<int>("quand");     // the reading afresh before which the other writes
    QTest::addColumn<QString>("temps"); // what it writes for level 1
    QTest::addColumn<bool>("demande");
    QTest::addColumn<QString>("reste"); // 1Tp afterwards
    QTest::newRow("avant la comparaison") << 1 << "11" << false << "11";
    QTest::newRow("pendant la saisie du nom") << 2 << "11" << true << "11";
    QTest::newRow("moins bien pendant la saisie") << 2 << "200" << true << "120";
}

void TestVerification::unAutreProgrammeAEnregistreEntreTemps() {
    QFETCH(int, quand);
    QFETCH(QString, temps);
    QFETCH(bool, demande);
    QFETCH(QString, reste);
    Partie p(SaufDerniere);
    p.jeu.SecondesEcoulees = 120;
    p.m.fenetre.reponsesSaisie.push_back("Zoé");
    p.m.reglages.autreProgramme = [&](int n) {
        if (n == quand) p.m.reglages.valeurs["1Tp"] = temps.toStdString();
    };
    p.jeu.PlacerChiffre(Solution(9, 9), GenreJoueur, 9, 9);
    QCOMPARE(p.m.fenetre.saisies.size(), std::size_t(demande));
    QCOMPARE(p.m.reglages.valeurs["1Tp"], reste.toStdString());
    QCOMPARE(p.m.reglages.verrous, 0);
    const bool retenu = reste == "120";
    if (!demande) QCOMPARE(p.Messages(), std::vector<std::string>{BravoSimple});
    if (demande && !retenu)
        QCOMPARE(p.Messages(), std::vector<std::string>{
                                   "Entre-temps, un meilleur temps a été enregistré pour ce niveau dans une "
                                   "autre fenêtre du jeu : le vôtre n'est pas retenu."});
    if (demande) QCOMPARE(p.m.reglages.confirmations, 1);
    QCOMPARE(p.m.reglages.valeurs.count("1NJT"), std::size_t(retenu));
}

void TestVerification::victoireRejoueeApresEffacement() {
    Partie p(SaufDerniere);
    p.jeu.SecondesEcoulees = 100;
    p.m.fenetre.reponsesSaisie = {"", "Zoé"};
    const int d = Solution(9, 9);
    auto rejouer = [&] {
        p.jeu.EffacerChiffre(9, 9);
        p.jeu.PlacerChiffre(d, GenreJoueur, 9, 9);
    };
    p.jeu.PlacerChiffre(d, GenreJoueur, 9, 9); // name left empty
    rejouer();                                 // asked again, recorded
    rejouer();                                 // now a tie
    QCOMPARE(p.m.fenetre.saisies.size(), std::size_t(2));
    QCOMPARE(p.m.reglages.ecritures, (std::vector<std::string>{"NJ", "1Tp", "1NJT"}));
    QCOMPARE(p.Messages(), std::vector<std::string>{BravoSimple});
    QCOMPARE(std::count(p.m.sons.joues.begin(), p.m.sons.joues.end(), "Sons/Bravo.wav"), 3);
}

void TestVerification::grillePleineFausseOuModeCreation() {
    Partie p(SaufDerniere);
    p.jeu.LimiterChiffres = false; // the wrong digit is a tenth copy
    p.jeu.PlacerChiffre(Solution(9, 9) % 9 + 1, GenreJoueur, 9, 9);
    QCOMPARE(p.m.sons.joues, std::vector<std::string>{"Sons/PlacerLettre.wav"});
    QVERIFY(p.m.fenetre.chrono);
    p.jeu.GrilleJeu(9, 9) = Chiffre(Solution(9, 9));
    p.jeu.ModeJeu = 2;
    p.jeu.VerifierFin();
    QCOMPARE(p.m.sons.joues.size(), std::size_t(1));
    QVERIFY(p.m.fenetre.messages.empty());
}

void TestVerification::verifierGrille_data() {
    QTest::addColumn<bool>("immediate");
    QTest::addColumn<bool>("erreurs");
    QTest::addColumn<bool>("complete");
    QTest::addColumn<bool>("oui");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("son");
    const QString attention = "Attention : votre solution contient une ou plusieurs erreurs!";
    const QString question =
        attention + "\r\n\r\nVoulez-vous faire apparaître en rouge les chiffres mals placés ?";
    QTest::addRow("no error yet") << false << false << false << true
                                  << "Votre solution ne contient aucune erreur pour l'instant!"
                                  << "Ok";
    QTest::addRow("solved") << false << false << true << true << "Bravo !! Vous avez résolu ce Sudoku!"
                            << "Ok";
    QTest::addRow("errors already red") << true << true << false << true << attention << "";
    QTest::addRow("errors, show them") << false << true << false << true << question << "Erreur";
    QTest::addRow("errors, full grid, keep them") << false << true << true << false << question << "Erreur";
}

void TestVerification::verifierGrille() {
    QFETCH(bool, immediate);
    QFETCH(bool, erreurs);
    QFETCH(bool, complete);
    QFETCH(bool, oui);
    QFETCH(QString, texte);
    QFETCH(QString, son);
    Partie p([](int c, int) { return c == 1; });
    const std::vector<std::pair<int, int>> fausses = {{3, 3}, {3, 7}, {8, 1}};
    if (erreurs)
        for (auto [c, r] : fausses)
            p.Poser(c, r, Solution(c, r) % 9 + 1);
    if (complete)
        p.RemplirSauf({});
    else
        p.RemplirSauf({{9, 1}, {9, 2}, {9, 3}, {9, 4}, {9, 5}, {9, 6}, {9, 7}, {9, 8}, {9, 9}});
    p.jeu.VerifImmediate = immediate;
    p.m.fenetre.reponses.push_back(oui ? Reponse::Oui : Reponse::Non);
    const GrilleChiffres avant = p.jeu.GrilleJeu;

    p.jeu.VerifierGrille();

    QCOMPARE(p.Messages(), std::vector<std::string>{texte.toStdString()});
    const Message &m = p.m.fenetre.messages[0];
    const bool question = son == "Erreur";
    QVERIFY(m.boutons == (question ? Boutons::OuiNon : Boutons::Ok));
    QVERIFY(m.icone == (question ? Icone::Question : Icone::Aucune));
    QCOMPARE(m.titre, question ? TitreProgramme : TitreDefaut);
    QCOMPARE(p.m.sons.joues, son.isEmpty()
                                 ? std::vector<std::string>{}
                                 : std::vector<std::string>{"Sons/" + Jeu::FichierSon(son.toStdString())});
    QVERIFY(p.jeu.GrilleJeu == avant);
    QVERIFY(p.m.fenetre.chrono);

    // Exactly the wrong player digits are redrawn, as the error mark draws them.
    Partie q;
    if (question && oui)
        for (auto [c, r] : fausses)
            q.jeu.MarquerErreur(c, r, Solution(c, r) % 9 + 1);
    QCOMPARE(p.m.surface.appels, q.m.surface.appels);
}

void TestVerification::verifierCreation_data() {
    QTest::addColumn<QString>("cases"); // "c r d" triples
    QTest::addColumn<bool>("correcte");
    QTest::addRow("empty grid") << "" << true;
    QTest::addRow("no repetition") << "1 1 5  2 4 5  4 2 5  9 9 5  5 5 1" << true;
    QTest::addRow("same first index") << "3 1 7  3 9 7" << false;
    QTest::addRow("same second index") << "1 6 2  8 6 2" << false;
    QTest::addRow("box, other row and column") << "4 4 7  6 6 7" << false;
    QTest::addRow("box, anti-diagonal") << "9 7 3  7 9 3" << false;
    QTest::addRow("diagonal across boxes") << "3 3 4  4 4 4" << true;
}

void TestVerification::verifierCreation() {
    QFETCH(QString, cases);
    QFETCH(bool, correcte);
    Partie p;
    p.jeu.ModeJeu = 2;
    std::istringstream in(cases.toStdString());
    for (int c, r, d; in >> c >> r >> d;)
        p.jeu.GrilleCreation(c, r) = Chiffre(d);
    p.jeu.CommandeVerifier();
    QCOMPARE(p.Messages(),
             std::vector<std::string>{correcte ? "La grille proposée est correcte" : "Grille incorrecte !!"});
    QCOMPARE(p.m.sons.joues,
             correcte ? std::vector<std::string>{} : std::vector<std::string>{"Sons/erreur.wav"});
    QCOMPARE(p.m.fenetre.focusCoupN, 1);
}

void TestVerification::controleRegLaisseLignesEtColonnes() {
    Partie p;
    p.jeu.GrilleCreation(4, 7) = 6;
    p.jeu.GrilleCreation(4, 9) = 6;
    std::int16_t l = 4, C = 7;
    QVERIFY(p.jeu.ControleRegOK(l, C));
    QVERIFY(!p.jeu.ControleLigneOK(l));
    QCOMPARE(std::make_pair(l, C), std::make_pair(std::int16_t(4), std::int16_t(7)));
}

QTEST_APPLESS_MAIN(TestVerification)
#include "tst_verification.moc"
