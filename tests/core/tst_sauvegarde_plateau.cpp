// Opening a saved game: what the player finds on the board, the palette, the captions and the clock.
#include "Factices.h"
#include "PartiesConnues.h"

#include <QtTest>

#include <algorithm>

using namespace lumio;
using namespace lumio::test;

namespace {

// A game whose window is set up and a play-mode game in progress, as after start-up.
struct Partie {
    Monde m;
    Jeu j{m.surface, m.fenetre, m.reglages, m.sons, m.hasard};
    Partie() {
        j.Niveau = 1;
        j.PreparerPlateau();
        j.NouvellePartieJeu();
        m.surface.appels.clear();
    }
    void Ouvrir(const Octets &o) {
        const auto refus = OuvrirPartie(j, o);
        QVERIFY2(!refus, refus ? refus->detail.c_str() : "");
    }
    // Digits written on the board in a colour, in order.
    QStringList Dessines(const char *couleur) const {
        QStringList l;
        for (const std::string &e : m.surface.Ecritures())
            if (e.find(couleur) != std::string::npos) l << QString::fromStdString(e).section('"', 1, 1);
        return l;
    }
};

const char *const Rouge = "rgb(255,0,0)";
const char *const Bleu = "rgb(0,0,192)";
const char *const Brun = "rgb(128,64,64)";

Octets FichierJeuConnu() {
    Monde m;
    Jeu j(m.surface, m.fenetre, m.reglages, m.sons, m.hasard);
    MettreJeuConnu(j);
    return EcrirePartie(j);
}

} // namespace

class TestSauvegardePlateau : public QObject {
    Q_OBJECT

  private slots:
    void unePartieDeJeuRepartOuElleEnEtait();
    void uneCreationResolueRevientTelleQueTapee();
    void lePaletteRepartDeLaPartieOuverte_data();
    void lePaletteRepartDeLaPartieOuverte();
    void unChiffreFauxRevientEnRougeSelonLaVerification_data();
    void unChiffreFauxRevientEnRougeSelonLaVerification();
    void lesDonneesPassentAvantLesChiffresEnTrop();
    void unFichierDeCreationCourtOuvreSesCases_data();
    void unFichierDeCreationCourtOuvreSesCases();
    void leCadreDuCurseurEstRedessine();
    void unePartieFinieSOuvreSansSecondeVictoire();
};

void TestSauvegardePlateau::unePartieDeJeuRepartOuElleEnEtait() {
    Partie p;
    p.j.BOUTONSOLUTION = true;
    p.j.ModeJeu = 2;
    p.m.fenetre.CocherMode(2, true);
    p.Ouvrir(FichierJeuConnu());

    QCOMPARE(p.j.ModeJeu, 1);
    QCOMPARE(p.m.reglages.valeurs.at("TMD"), std::string("1"));
    QVERIFY(p.m.fenetre.ModeCoche(1) && !p.m.fenetre.ModeCoche(2));
    QCOMPARE(p.m.fenetre.libelles[1], std::string("Mode Jeu"));
    QCOMPARE(p.m.fenetre.libelles[2], std::string("Difficile"));
    QCOMPARE(p.m.fenetre.libelles[3], std::string("12:34"));
    QVERIFY(p.m.fenetre.visibles[2] && p.m.fenetre.visibles[3]);
    QVERIFY(p.m.fenetre.chrono);
    QCOMPARE(p.j.SecondesEcoulees, 754);
    QCOMPARE(p.j.NiveauPartie, 3);
    QVERIFY(!p.j.BOUTONSOLUTION);
    QVERIFY(p.j.GrilleSolution == SolutionConnue());
    QVERIFY(p.j.CasesDonnees == DonneesConnues());
    QVERIFY(p.j.GrilleJeu == MontreConnu());
    for (int d = 1; d <= 9; ++d) {
        const auto &cases = p.j.GrilleJeu.Cases();
        QCOMPARE(int(p.j.NbChiffre(d)), int(std::count(cases.begin(), cases.end(), Chiffre(d))));
    }
    // The clock runs on from the saved time.
    p.j.tmrSecondes_Timer();
    QCOMPARE(p.m.fenetre.libelles[3], std::string("12:35"));
}

void TestSauvegardePlateau::uneCreationResolueRevientTelleQueTapee() {
    Octets fichier;
    {
        Monde m;
        Jeu j(m.surface, m.fenetre, m.reglages, m.sons, m.hasard);
        MettreCreationResolue(j);
        fichier = EcrirePartie(j);
    }
    Partie p;
    // A solve of an older creation grid left its flag and its copy behind.
    p.j.FlagSol = true;
    p.j.GrilleCreationInitiale.Remplir(7);
    p.m.fenetre.chrono = true;
    p.Ouvrir(fichier);

    QCOMPARE(p.j.ModeJeu, 2);
    QCOMPARE(p.m.reglages.valeurs.at("TMD"), std::string("2"));
    QVERIFY(!p.m.fenetre.ModeCoche(1) && p.m.fenetre.ModeCoche(2));
    QCOMPARE(p.m.fenetre.libelles[1], std::string("Mode création"));
    QCOMPARE(p.m.fenetre.libelles[3], std::string("1:01"));
    QVERIFY(!p.m.fenetre.visibles[2] && !p.m.fenetre.visibles[3]);
    QVERIFY(!p.m.fenetre.chrono);
    QCOMPARE(p.j.NiveauPartie, 0);
    QVERIFY(p.j.GrilleCreation == TapeConnu());
    const GrilleChiffres grille = TapeConnu();
    const auto &tape = grille.Cases();
    QCOMPARE(p.Dessines(Brun).size(), 81 - int(std::count(tape.begin(), tape.end(), Chiffre(0))));
    QVERIFY(p.Dessines(Bleu).isEmpty());

    // Saved again at once, the grid on the board is what goes to the file, not the stale copy.
    QVERIFY(!p.j.FlagSol);
    const LecturePartie relue = LirePartie(EcrirePartie(p.j));
    QVERIFY(bool(relue));
    QVERIFY(relue.partie->GrilleCreation == TapeConnu());
}

void TestSauvegardePlateau::lePaletteRepartDeLaPartieOuverte_data() {
    QTest::addColumn<bool>("limite");
    QTest::addColumn<int>("choisi");
    QTest::addColumn<QList<int>>("images"); // palette pictures 1..9 after opening
    // Every 5 of the solution is a given; digit 3 was exhausted in the game left behind.
    QTest::newRow("limite: le 5 épuisé") << true << 1 << QList<int>{10, 2, 3, 4, 0, 6, 7, 8, 9};
    QTest::newRow("limite, le 5 choisi reste épuisé") << true << 5 << QList<int>{1, 2, 3, 4, 0, 6, 7, 8, 9};
    QTest::newRow("sans limite: rien d'épuisé") << false << 2 << QList<int>{1, 11, 3, 4, 5, 6, 7, 8, 9};
}

void TestSauvegardePlateau::lePaletteRepartDeLaPartieOuverte() {
    QFETCH(bool, limite);
    QFETCH(int, choisi);
    QFETCH(QList<int>, images);
    PartieLue lue;
    lue.ModeJeu = 1;
    lue.NiveauPartie = 1;
    lue.GrilleSolution = SolutionConnue();
    lue.CasesDonnees = DonneesConnues();
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r)
            if (lue.GrilleSolution(c, r) == 5) lue.CasesDonnees(c, r) = true;
    Monde m;
    Jeu j(m.surface, m.fenetre, m.reglages, m.sons, m.hasard);
    MettreJeuConnu(j);
    j.LimiterChiffres = limite;
    j.ChiffreChoisi = Chiffre(choisi);
    m.fenetre.palette[3] = 0;
    j.AppliquerPartie(lue);
    QList<int> obtenues;
    for (int d = 1; d <= 9; ++d)
        obtenues << m.fenetre.palette[d];
    QCOMPARE(obtenues, images);
}

void TestSauvegardePlateau::unChiffreFauxRevientEnRougeSelonLaVerification_data() {
    QTest::addColumn<bool>("verification");
    QTest::addColumn<QStringList>("rouges");
    QTest::addColumn<QStringList>("bleus");
    // The player's digits of the known game, in column order; the 9 of (1, 2) and the 1 of (5, 7)
    // are wrong.
    QTest::newRow("vérification immédiate") << true << QStringList{"9", "1"} << QStringList{"5", "2"};
    QTest::newRow("sans vérification") << false << QStringList{} << QStringList{"9", "5", "2", "1"};
}

void TestSauvegardePlateau::unChiffreFauxRevientEnRougeSelonLaVerification() {
    QFETCH(bool, verification);
    QFETCH(QStringList, rouges);
    QFETCH(QStringList, bleus);
    Partie p;
    p.j.VerifImmediate = verification;
    p.Ouvrir(FichierJeuConnu());
    QCOMPARE(p.Dessines(Rouge), rouges);
    QCOMPARE(p.Dessines(Bleu), bleus);
    QCOMPARE(p.j.GrilleJeu(1, 2), Chiffre(9));
}

void TestSauvegardePlateau::lesDonneesPassentAvantLesChiffresEnTrop() {
    // Saved with the limit off: a tenth 1, wrong, stands in column 1 before most given 1s.
    PartieLue lue;
    lue.ModeJeu = 1;
    lue.NiveauPartie = 2;
    lue.GrilleSolution = SolutionConnue();
    lue.CasesDonnees = DonneesConnues();
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r)
            if (lue.GrilleSolution(c, r) == 1) lue.CasesDonnees(c, r) = true;
    lue.CasesDonnees(1, 2) = false;
    lue.GrilleJeu(1, 2) = 1;
    Partie p;
    p.j.LimiterChiffres = true;
    p.j.AppliquerPartie(lue);
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r)
            if (lue.CasesDonnees(c, r)) QCOMPARE(p.j.GrilleJeu(c, r), lue.GrilleSolution(c, r));
    QCOMPARE(p.j.GrilleJeu(1, 2), Chiffre(0));
    QCOMPARE(int(p.j.NbChiffre(1)), 9);
}

void TestSauvegardePlateau::unFichierDeCreationCourtOuvreSesCases_data() {
    QTest::addColumn<QString>("fichier");
    QTest::newRow("fin des données") << "creation_40.sdk";
    QTest::newRow("enregistrement de fin") << "creation_fin.sdk";
}

void TestSauvegardePlateau::unFichierDeCreationCourtOuvreSesCases() {
    QFETCH(QString, fichier);
    Partie p;
    p.j.GrilleCreation.Remplir(4); // an older creation grid must not show through
    p.Ouvrir(LireDonnees(fichier.toStdString()));
    const GrilleChiffres tape = TapeConnu();
    for (int k = 0; k < 81; ++k)
        QCOMPARE(p.j.GrilleCreation.Cases()[k], k < 40 ? tape.Cases()[k] : Chiffre(0));
    QCOMPARE(p.j.SecondesEcoulees, 0);
}

void TestSauvegardePlateau::leCadreDuCurseurEstRedessine() {
    for (const char *fichier : {"jeu_ecrit.sdk", "creation_ecrit.sdk"}) {
        Partie p;
        p.Ouvrir(LireDonnees(fichier));
        const auto &appels = p.m.surface.appels;
        const auto fond = std::find_if(appels.begin(), appels.end(),
                                       [](const std::string &a) { return a.rfind("Remplir", 0) == 0; });
        QVERIFY(fond != appels.end());
        int c = 0, r = 0;
        p.j.CaseCurseur(c, r);
        const std::string cadre = "Encadrer " + SurfaceEnregistreuse::N(p.j.OrigineX + 45 * (c - 1)) + "," +
                                  SurfaceEnregistreuse::N(p.j.OrigineY + 45 * (r - 1));
        QVERIFY2(appels.back().rfind(cadre, 0) == 0, appels.back().c_str());
        QVERIFY(appels.back().find(" w2 rgb(192,0,0)") != std::string::npos);
    }
}

void TestSauvegardePlateau::unePartieFinieSOuvreSansSecondeVictoire() {
    Octets fichier;
    {
        Monde m;
        Jeu j(m.surface, m.fenetre, m.reglages, m.sons, m.hasard);
        MettreJeuConnu(j);
        j.GrilleJeu = j.GrilleSolution;
        j.SecondesEcoulees = 1;
        fichier = EcrirePartie(j);
    }
    Partie p;
    p.m.sons.joues.clear();
    p.Ouvrir(fichier);
    QVERIFY(p.j.GrilleJeu == p.j.GrilleSolution);
    QVERIFY(p.m.fenetre.messages.empty());
    QVERIFY(p.m.fenetre.saisies.empty());
    QVERIFY(std::find(p.m.sons.joues.begin(), p.m.sons.joues.end(), "Sons/Bravo.wav") ==
            p.m.sons.joues.end());
    QVERIFY(!p.m.fenetre.chrono);
    QVERIFY(p.m.reglages.valeurs.count("1Tp") == 0 && p.m.reglages.valeurs.count("3Tp") == 0);
    QVERIFY(!p.j.ChargementEnCours);
}

QTEST_APPLESS_MAIN(TestSauvegardePlateau)
#include "tst_sauvegarde_plateau.moc"
