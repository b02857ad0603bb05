// What a listening player hears after each action: the result of a key at the cursor, of a hint,
// of a check, of the solution, of a new game, and what the boxes of a victory add for a reader.
#include "Annonces.h"
#include "PartieEssai.h"

#include <QtTest>

using namespace lumio;
using namespace lumio::test;

namespace {

struct Oreille : ObservateurPlateau {
    std::vector<std::string> phrases;
    void CaseChangee(int, int) override {}
    void CurseurPlace(int, int) override {}
    void Annonce(const std::string &phrase) override { phrases.push_back(phrase); }
};

// Column 1 is given. The cursor of a test game is on (5, 5), whose solution is 9.
bool PremiereColonne(int c, int) {
    return c == 1;
}

using Preparation = std::function<void(Partie &)>;

// A game ready for a key: the cursor moved to (c, r) without a word, then `prepare` applied.
Preparation Sur(
    int c, int r, Preparation prepare = [](Partie &) {}) {
    return [=](Partie &p) {
        p.jeu.Xcur = float(CentreX(c));
        p.jeu.Ycur = float(CentreY(r));
        prepare(p);
    };
}

} // namespace

Q_DECLARE_METATYPE(Preparation)

class TestAnnonces : public QObject {
    Q_OBJECT

  private slots:
    void chaqueToucheDitSonResultat_data();
    void chaqueToucheDitSonResultat();
    void lesCommandesDisentLeurResultat_data();
    void lesCommandesDisentLeurResultat();
    void laVictoireDitSonTemps_data();
    void laVictoireDitSonTemps();
    void lesDureesEnMots_data();
    void lesDureesEnMots();
    void lesMeilleursTempsEnMots();
    void leChiffreChoisi_data();
    void leChiffreChoisi();
};

void TestAnnonces::chaqueToucheDitSonResultat_data() {
    QTest::addColumn<Preparation>("prepare");
    QTest::addColumn<int>("touche");
    QTest::addColumn<QStringList>("entendu");
    QTest::addColumn<int>("crayons"); // the pencil marks of the cursor cell afterwards
    const int pave9 = TouchePave9, pave3 = TouchePave1 + 2, crayon4 = ToucheCrayon1 + 3;
    auto crayons = [](std::vector<int> ds) {
        return [ds](Partie &p) {
            for (int d : ds)
                p.jeu.PlacerChiffre(d, GenreCrayon, 5, 5);
        };
    };
    QTest::newRow("digit placed") << Sur(5, 5) << pave9 << QStringList{"9 placé."} << 0;
    QTest::newRow("wrong digit shown red at once")
        << Sur(5, 5, [](Partie &p) { p.jeu.VerifImmediate = true; }) << pave3 << QStringList{"3 placé, faux."}
        << 0;
    QTest::newRow("digit replacing another")
        << Sur(5, 5, [](Partie &p) { p.jeu.PlacerChiffre(7, GenreJoueur, 5, 5); }) << pave9
        << QStringList{"7 effacé, 9 placé."} << 0;
    QTest::newRow("same digit typed again")
        << Sur(5, 5, [](Partie &p) { p.jeu.PlacerChiffre(9, GenreJoueur, 5, 5); }) << pave9
        << QStringList{"9 placé."} << 0;
    QTest::newRow("digit on a given") << Sur(1, 4) << pave9 << QStringList{"Refusé : case donnée."} << 0;
    QTest::newRow("spent digit: the current one goes in its place")
        << Sur(5, 5,
               [](Partie &p) {
                   p.jeu.NbChiffre(3) = 9;
                   p.jeu.ChoisirChiffre(2);
               })
        << pave3 << QStringList{"Refusé : le 3 est déjà placé 9 fois. 2 placé."} << 0;
    QTest::newRow("digit erased") << Sur(5, 5, [](Partie &p) { p.jeu.PlacerChiffre(9, GenreJoueur, 5, 5); })
                                  << int(ToucheSuppr) << QStringList{"9 effacé."} << 0;
    QTest::newRow("marks erased") << Sur(5, 5, crayons({2, 5})) << int(ToucheEspace)
                                  << QStringList{"Crayons 2 5 effacés."} << 0;
    QTest::newRow("empty cell erased")
        << Sur(5, 5) << int(ToucheSuppr) << QStringList{"Case déjà vide."} << 0;
    QTest::newRow("given erased") << Sur(1, 4) << int(ToucheSuppr) << QStringList{"Refusé : case donnée."}
                                  << 0;
    QTest::newRow("mark written") << Sur(5, 5, crayons({2})) << crayon4 << QStringList{"Crayon 4 écrit."}
                                  << (1 << 2 | 1 << 4);
    QTest::newRow("mark erased, the others stay")
        << Sur(5, 5, crayons({2, 4, 7})) << crayon4 << QStringList{"Crayon 4 effacé."} << (1 << 2 | 1 << 7);
    QTest::newRow("mark on a digit") << Sur(5, 5,
                                            [](Partie &p) { p.jeu.PlacerChiffre(9, GenreJoueur, 5, 5); })
                                     << crayon4 << QStringList{"Refusé : case occupée."} << 0;
    QTest::newRow("mark on a given") << Sur(1, 5) << crayon4 << QStringList{"Refusé : case donnée."} << 0;
    QTest::newRow("mark of a spent digit") << Sur(5, 5, [](Partie &p) { p.jeu.NbChiffre(4) = 9; }) << crayon4
                                           << QStringList{"Refusé : le 4 est déjà placé 9 fois."} << 0;
    QTest::newRow("spent mark still erased") << Sur(5, 5,
                                                    [](Partie &p) {
                                                        p.jeu.PlacerChiffre(4, GenreCrayon, 5, 5);
                                                        p.jeu.NbChiffre(4) = 9;
                                                    })
                                             << crayon4 << QStringList{"Crayon 4 effacé."} << 0;
    QTest::newRow("mark in creation mode")
        << Sur(5, 5, [](Partie &p) { p.jeu.ModeJeu = ModeCreation; }) << crayon4
        << QStringList{"Refusé : pas de crayon en mode création."} << 0;
    QTest::newRow("digit in creation mode, even on a cell given in play")
        << Sur(1, 5, [](Partie &p) { p.jeu.ModeJeu = ModeCreation; }) << pave3 << QStringList{"3 placé."}
        << 0;
    QTest::newRow("a key resumes the paused clock first")
        << Sur(5, 5, [](Partie &p) { p.jeu.SPause(); }) << pave9 << QStringList{"Chrono relancé.", "9 placé."}
        << 0;
    QTest::newRow("an arrow says nothing: the cell is the focus")
        << Sur(5, 5) << int(ToucheBas) << QStringList{} << 0;
}

void TestAnnonces::chaqueToucheDitSonResultat() {
    QFETCH(Preparation, prepare);
    QFETCH(int, touche);
    QFETCH(QStringList, entendu);
    QFETCH(int, crayons);
    Partie p(PremiereColonne);
    Oreille o;
    p.jeu.observateur = &o;
    prepare(p);
    o.phrases.clear();
    int c = 0, r = 0;
    p.jeu.CaseCurseur(c, r);
    p.jeu.Form_KeyDown(touche);
    QStringList phrases;
    for (const std::string &s : o.phrases)
        phrases << QString::fromStdString(s);
    QCOMPARE(phrases, entendu);
    if (touche != ToucheBas) QCOMPARE(int(p.jeu.Affichage(c, r).crayons), crayons);
    p.jeu.observateur = nullptr;
}

void TestAnnonces::lesCommandesDisentLeurResultat_data() {
    QTest::addColumn<QString>("commande");
    QTest::addColumn<QString>("vides"); // cells left empty, the others filled right
    QTest::addColumn<QString>("faux");  // cells then given a wrong digit
    QTest::addColumn<QString>("entendu");
    QTest::addColumn<QString>("pourLecteur"); // what the command's box adds for a reader
    // The hint's random start is (4, 4): it scans down column 4, then on.
    QTest::newRow("hint") << "indice"
                          << "4 6  8 8"
                          << ""
                          << "Indice : 2 en ligne 6, colonne 4."
                          << "";
    QTest::newRow("hint with no empty cell") << "indice"
                                             << ""
                                             << "3 3"
                                             << "Pas d'indice : aucune case vide."
                                             << "";
    QTest::newRow("check, one wrong digit") << "verifier"
                                            << "2 2  3 3"
                                            << "3 3"
                                            << ""
                                            << "1 chiffre faux : ligne 3, colonne 3.";
    QTest::newRow("check, wrong digits in reading order") << "verifier"
                                                          << "8 2  2 7  3 3"
                                                          << "2 7  8 2"
                                                          << ""
                                                          << "2 chiffres faux : ligne 2, colonne 8 ; "
                                                             "ligne 7, colonne 2.";
    QTest::newRow("check, nothing wrong: the box says it") << "verifier"
                                                           << "2 2"
                                                           << ""
                                                           << ""
                                                           << "";
    QTest::newRow("solution") << "solution"
                              << "2 2  3 3"
                              << "3 3"
                              << "Solution affichée."
                              << "";
    QTest::newRow("restart") << "recommencer"
                             << "2 2"
                             << ""
                             << "Partie recommencée."
                             << "";
    QTest::newRow("new game") << "nouvelle"
                              << ""
                              << ""
                              << "Nouvelle partie, niveau difficile."
                              << "";
    QTest::newRow("new creation grid") << "creation"
                                       << ""
                                       << ""
                                       << "Nouvelle grille vide, mode création."
                                       << "";
    QTest::newRow("pause") << "pause"
                           << ""
                           << ""
                           << "Chrono en pause."
                           << "";
}

void TestAnnonces::lesCommandesDisentLeurResultat() {
    QFETCH(QString, commande);
    QFETCH(QString, vides);
    QFETCH(QString, faux);
    QFETCH(QString, entendu);
    QFETCH(QString, pourLecteur);
    Partie p(PremiereColonne);
    auto cases = [](const QString &t) {
        std::vector<std::pair<int, int>> v;
        const QStringList n = t.split(' ', Qt::SkipEmptyParts);
        for (int k = 0; k + 1 < n.size(); k += 2)
            v.push_back({n[k].toInt(), n[k + 1].toInt()});
        return v;
    };
    p.RemplirSauf(cases(vides));
    for (auto [c, r] : cases(faux))
        p.Poser(c, r, Solution(c, r) % 9 + 1);
    Oreille o;
    p.jeu.observateur = &o;
    p.jeu.Niveau = 3;
    if (commande == "indice") p.jeu.CommandeIndice();
    if (commande == "verifier") p.jeu.CommandeVerifier();
    if (commande == "solution") p.jeu.CommandeSolution();
    if (commande == "recommencer") p.jeu.mnuRecommencer_Click();
    if (commande == "nouvelle") p.jeu.NouvellePartieJeu();
    if (commande == "creation") p.jeu.NouvellePartieCreation();
    if (commande == "pause") p.jeu.SPause();
    QCOMPARE(QString::fromStdString(o.phrases.empty() ? "" : o.phrases.back()), entendu);
    QVERIFY(o.phrases.size() <= 1);
    const auto &boites = p.m.fenetre.messages;
    QCOMPARE(QString::fromStdString(boites.empty() ? "" : boites.back().pourLecteur), pourLecteur);
    p.jeu.observateur = nullptr;
}

// The victory speaks its time in the box that opens, whichever it is.
void TestAnnonces::laVictoireDitSonTemps_data() {
    QTest::addColumn<QString>("record"); // the level's best time in the store
    QTest::addColumn<bool>("saisie");    // the name box opens, not the plain box
    QTest::newRow("no record: plain box") << "100" << false;
    QTest::newRow("record: name box") << "5999" << true;
}

void TestAnnonces::laVictoireDitSonTemps() {
    QFETCH(QString, record);
    QFETCH(bool, saisie);
    Partie p;
    p.m.reglages.valeurs["1Tp"] = record.toStdString();
    p.RemplirSauf({{5, 5}});
    p.jeu.SecondesEcoulees = 205;
    p.jeu.PlacerChiffre(9, GenreJoueur, 5, 5);
    const std::string temps = "Temps : 3 minutes 25 secondes.";
    QCOMPARE(p.m.fenetre.saisies.size(), std::size_t(saisie));
    QCOMPARE(p.m.fenetre.messages.size(), std::size_t(!saisie));
    QCOMPARE(saisie ? p.m.fenetre.saisies[0].pourLecteur : p.m.fenetre.messages[0].pourLecteur, temps);
}

void TestAnnonces::lesDureesEnMots_data() {
    QTest::addColumn<int>("secondes");
    QTest::addColumn<QString>("mots");
    QTest::newRow("none") << 0 << "0 seconde";
    QTest::newRow("one second") << 1 << "1 seconde";
    QTest::newRow("seconds") << 59 << "59 secondes";
    QTest::newRow("one minute exactly") << 60 << "1 minute";
    QTest::newRow("one and one") << 61 << "1 minute 1 seconde";
    QTest::newRow("the empty record") << 5999 << "99 minutes 59 secondes";
}

void TestAnnonces::lesDureesEnMots() {
    QFETCH(int, secondes);
    QFETCH(QString, mots);
    QCOMPARE(QString::fromStdString(DureeEnMots(secondes)), mots);
}

void TestAnnonces::lesMeilleursTempsEnMots() {
    const MeilleursTemps records{{{65, "Pilou"}, {5999, "Ordinateur"}, {600, "Zoé"}, {5999, "Ordinateur"}}};
    QCOMPARE(QString::fromStdString(PhraseMeilleursTemps(records)),
             "Facile : 1 minute 5 secondes, Pilou. Moyen : aucun temps. "
             "Difficile : 10 minutes, Zoé. Expert : aucun temps.");
}

void TestAnnonces::leChiffreChoisi_data() {
    QTest::addColumn<int>("copies");
    QTest::addColumn<bool>("limite");
    QTest::addColumn<QString>("phrase");
    QTest::newRow("plain") << 3 << true << "Chiffre choisi : 4";
    QTest::newRow("spent") << 9 << true << "Chiffre choisi : 4, épuisé";
    QTest::newRow("no limit") << 9 << false << "Chiffre choisi : 4";
}

void TestAnnonces::leChiffreChoisi() {
    QFETCH(int, copies);
    QFETCH(bool, limite);
    QFETCH(QString, phrase);
    Partie p;
    p.jeu.ChoisirChiffre(4);
    p.jeu.LimiterChiffres = limite;
    p.jeu.NbChiffre(4) = std::int16_t(copies);
    QCOMPARE(QString::fromStdString(PhraseChiffreChoisi(p.jeu)), phrase);
}

QTEST_APPLESS_MAIN(TestAnnonces)
#include "tst_annonces.moc"
