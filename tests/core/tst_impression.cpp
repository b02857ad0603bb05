// Printed pages on a recording printer: the page plans of batches, what each cell shows, the
// printer choice, the counts and a job that fails part-way.
#include "ChoixImprimante.h"
#include "Factices.h"
#include "Jeu.h"
#include "SourceHorloge.h"
#include "modCreation.h"

#include <QtTest>
#include <cmath>

using namespace lumio;
using namespace lumio::test;

namespace {

// A printer that keeps its calls, and every text with the page it went on.
class Papier : public SurfaceEnregistreuse {
  public:
    struct Texte {
        int page;
        double x, y;
        std::string texte;
        bool gras;
    };
    void MettreEnPage(double &l, double &h) override {
        appels.push_back("MettreEnPage");
        l = largeur, h = hauteur;
        page = 1;
    }
    bool NouvellePage() override {
        appels.push_back("NouvellePage");
        return ++page != pageEnEchec;
    }
    bool FinImpression() override {
        appels.push_back("FinImpression");
        return finReussie;
    }
    void AbandonnerImpression() override { appels.push_back("AbandonnerImpression"); }
    void Ecrire(double x, double y, const std::string &t, const Police &p, Couleur c) override {
        SurfaceEnregistreuse::Ecrire(x, y, t, p, c);
        textes.push_back({page, x, y, t, p.gras});
    }

    // One line per title: "page@top-of-text title".
    std::string Plan() const {
        std::string plan;
        for (const Texte &t : textes)
            if (t.texte.size() > 1) plan += std::to_string(t.page) + "@" + N(t.y) + " " + t.texte + "|";
        return plan;
    }
    // The grid of a page whose top edge is `haut`, from where its texts were centred (the
    // recorder measures a digit 8 wide and 24 high).
    GrilleImprimee Lue(int p, double x0, double haut) const {
        GrilleImprimee g;
        for (const Texte &t : textes) {
            if (t.page != p || t.texte.size() != 1) continue;
            const double c = (t.x + 4 - 6 - x0) / 12 + 1, r = (t.y + 12 - 6 - haut) / 12 + 1;
            if (c != std::floor(c) || r < 1 || r > 9 || r != std::floor(r)) continue;
            g(int(c), int(r)) = {Chiffre(t.texte == " " ? 0 : t.texte[0] - '0'), t.gras};
        }
        return g;
    }

    double largeur = 210, hauteur = 297;
    int page = 0, pageEnEchec = 0;
    bool finReussie = true;
    std::vector<Texte> textes;
};

class FenetrePapier : public FenetreFactice {
  public:
    int ChoisirImprimante() override { return ++choix, resultat; }
    Surface *PageImprimante() override { return &papier; }
    Papier papier;
    int resultat = 1, choix = 0;
};

struct Imprimerie {
    SurfaceEnregistreuse ecran;
    FenetrePapier fenetre;
    MagasinMemoire reglages;
    LecteurEnregistreur sons;
    SourceHorloge hasard{20261208};
    Jeu jeu{ecran, fenetre, reglages, sons, hasard};
    Papier &papier = fenetre.papier;
};

GrilleImprimee Attendue(const GrilleChiffres &s, const GrilleBooleens &d, bool solution) {
    GrilleImprimee g;
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r)
            g(c, r) = {Chiffre(solution || d(c, r) ? s(c, r) : 0), d(c, r)};
    return g;
}

int Nombre(const std::vector<std::string> &appels, const std::string &debut) {
    return int(std::count_if(appels.begin(), appels.end(), [&](auto &a) { return a.rfind(debut, 0) == 0; }));
}

} // namespace

class TestImpression : public QObject {
    Q_OBJECT
  private slots:
    void lePlanDesPagesDUnLot_data();
    void lePlanDesPagesDUnLot();
    void lesCasesDuLotMontrentLesDonneesPuisLesSolutions();
    void laGrilleCouranteSelonLeModeEtLOption_data();
    void laGrilleCouranteSelonLeModeEtLOption();
    void unLotNeToucheNiALaPartieNiAuxLotsPrecedents();
    void leChoixDeLImprimante_data();
    void leChoixDeLImprimante();
    void lesNombresDeGrilles_data();
    void lesNombresDeGrilles();
    void unTravailQuiEchoueEstAbandonne_data();
    void unTravailQuiEchoueEstAbandonne();
    void lImprimanteEstTrouveeParSonDebut_data();
    void lImprimanteEstTrouveeParSonDebut();
};

void TestImpression::lePlanDesPagesDUnLot_data() {
    QTest::addColumn<int>("nombre");
    QTest::addColumn<bool>("solutions");
    QTest::addColumn<QString>("plan");
    const QString g = "Grille  %1  -  Niveau facile|", s = "Solution grille  %1  -  Niveau facile|";
    QTest::newRow("0") << 0 << true << "";
    QTest::newRow("1") << 1 << false << "1@15 " + g.arg(1);
    QTest::newRow("1 + solution") << 1 << true << "1@15 " + g.arg(1) + "2@15 " + s.arg(1);
    QTest::newRow("2 + solutions") << 2 << true
                                   << "1@15 " + g.arg(1) + "1@165 " + g.arg(2) + "2@15 " + s.arg(1) +
                                          "2@165 " + s.arg(2);
    QTest::newRow("3") << 3 << false << "1@15 " + g.arg(1) + "1@165 " + g.arg(2) + "2@15 " + g.arg(3);
    QTest::newRow("3 + solutions") << 3 << true
                                   << "1@15 " + g.arg(1) + "1@165 " + g.arg(2) + "2@15 " + g.arg(3) +
                                          "3@15 " + s.arg(1) + "3@165 " + s.arg(2) + "4@15 " + s.arg(3);
}

void TestImpression::lePlanDesPagesDUnLot() {
    QFETCH(int, nombre);
    QFETCH(bool, solutions);
    QFETCH(QString, plan);
    Imprimerie p;
    p.jeu.Niveau = 2; // the batch's own level wins
    p.jeu.ImprimerLot(nombre, 1, solutions);
    QCOMPARE(QString::fromStdString(p.papier.Plan()), plan);
    // Every new sheet gets a grid: none is blank, not even the last one.
    const auto &a = p.papier.appels;
    QCOMPARE(a.front(), std::string("MettreEnPage"));
    QCOMPARE(a.back(), std::string("FinImpression"));
    for (std::size_t i = 0; i + 1 < a.size(); ++i)
        if (a[i] == "NouvellePage") QVERIFY(a[i + 1].rfind("Ecrire", 0) == 0);
    const int grilles = nombre * (solutions ? 2 : 1);
    QCOMPARE(Nombre(a, "Encadrer"), grilles * 90);
    QCOMPARE(Nombre(a, "Ecrire"), grilles * 82);
}

void TestImpression::lesCasesDuLotMontrentLesDonneesPuisLesSolutions() {
    Imprimerie p;
    p.jeu.ImprimerLot(2.9, 4, 1); // a fractional count prints its whole part
    const LotGrilles &lot = p.jeu.LotImpression;
    for (int n = 1; n <= 2; ++n) {
        const GrilleChiffres &s = lot.Solutions[std::size_t(n - 1)];
        const GrilleBooleens &d = lot.Donnees[std::size_t(n - 1)];
        QVERIFY(GrilleValide(s));
        const double haut = n == 1 ? 25 : 175;
        QVERIFY(p.papier.Lue(1, 20, haut) == Attendue(s, d, false));
        QVERIFY(p.papier.Lue(2, 20, haut) == Attendue(s, d, true));
    }
    // Cell boxes are hairlines, block squares bold rules, every one of them black.
    const auto &a = p.papier.appels;
    QVERIFY(std::find(a.begin(), a.end(), "Encadrer 20,25-32,37 w1 rgb(0,0,0)") != a.end());
    QVERIFY(std::find(a.begin(), a.end(), "Encadrer 92,247-128,283 w10 rgb(0,0,0)") != a.end());
    QCOMPARE(p.papier.textes.front().x, 20.0);
    QCOMPARE(p.papier.textes.front().gras, false);
}

void TestImpression::laGrilleCouranteSelonLeModeEtLOption_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("avecSolution");
    QTest::addColumn<bool>("flagSol");
    QTest::addColumn<QString>("cases"); // cells (1,1) given or typed, (2,1) found, (3,1) empty
    QTest::newRow("jeu sans solution") << 1 << false << false << "5g 0 0";
    QTest::newRow("jeu avec solution") << 1 << true << false << "5g 7 9";
    QTest::newRow("création avec solution") << 2 << true << true << "5g 7 0g";
    QTest::newRow("création avant résolution") << 2 << false << false << "5 7 0";
    QTest::newRow("création après résolution") << 2 << false << true << "5 0 0";
}

void TestImpression::laGrilleCouranteSelonLeModeEtLOption() {
    QFETCH(int, mode);
    QFETCH(bool, avecSolution);
    QFETCH(bool, flagSol);
    QFETCH(QString, cases);
    Imprimerie p;
    Jeu &j = p.jeu;
    j.ModeJeu = mode;
    j.ImpressionAvecSolution = avecSolution;
    j.FlagSol = flagSol;
    j.GrilleSolution(1, 1) = 5, j.GrilleSolution(2, 1) = 7, j.GrilleSolution(3, 1) = 9;
    j.CasesDonnees(1, 1) = true;
    j.GrilleJeu(2, 1) = 7; // the player's own digits never reach the paper
    j.GrilleJeu(3, 1) = 4;
    j.GrilleCreationInitiale(1, 1) = 5;
    j.GrilleCreation(1, 1) = 5, j.GrilleCreation(2, 1) = 7;
    // A printable area narrower than the sheet moves the origin so the grid keeps its place.
    p.papier.largeur = 200, p.papier.hauteur = 287;
    j.ImprimerGrilleCourante();
    const GrilleImprimee g = p.papier.Lue(1, 15, 10);
    QStringList lues;
    for (int c = 1; c <= 3; ++c)
        lues << QString::number(g(c, 1).chiffre) + (g(c, 1).gras ? "g" : "");
    QCOMPARE(lues.join(' '), cases);
    QCOMPARE(p.papier.textes.size(), std::size_t(81));
    QCOMPARE(p.papier.appels.back(), std::string("FinImpression"));
}

void TestImpression::unLotNeToucheNiALaPartieNiAuxLotsPrecedents() {
    Imprimerie p;
    Jeu &j = p.jeu;
    j.Niveau = 3;
    GenererGrille(p.hasard, j.GrilleSolution, j.CasesDonnees, 1, 1);
    j.GrilleJeu(4, 4) = 2;
    const GrilleChiffres solution = j.GrilleSolution, jeu = j.GrilleJeu;
    const GrilleBooleens donnees = j.CasesDonnees;
    j.ImpressionAvecSolution = true;
    j.ImprimerLot(3, 2, 1);
    QVERIFY(!j.ImpressionAvecSolution);
    QVERIFY(j.GrilleSolution == solution && j.CasesDonnees == donnees && j.GrilleJeu == jeu);

    // A second, shorter batch prints only its own grids; level 0 takes the game's level.
    p.papier = Papier();
    SourceScriptee zero({}, 0.0);
    Jeu autre{p.ecran, p.fenetre, p.reglages, p.sons, zero};
    autre.Niveau = 3;
    autre.LotImpression = j.LotImpression;
    autre.ImprimerLot(1, 0, 1);
    QCOMPARE(QString::fromStdString(p.papier.Plan()),
             QString("1@15 Grille  1  -  Niveau |2@15 Solution grille  1  -  Niveau |"));
    SourceScriptee zero2({}, 0.0);
    GrilleChiffres s;
    GrilleBooleens d;
    GenererGrille(zero2, s, d, 3, 1);
    QVERIFY(autre.LotImpression.Solutions[0] == s && autre.LotImpression.Donnees[0] == d);
    QVERIFY(p.papier.Lue(2, 20, 25) == Attendue(s, d, true));
    QVERIFY(autre.LotImpression.Solutions[1] == j.LotImpression.Solutions[1]); // never read again
}

void TestImpression::leChoixDeLImprimante_data() {
    QTest::addColumn<bool>("lot");
    QTest::addColumn<int>("resultat");
    QTest::addColumn<QString>("message");
    const QString grille = "Une erreur est survenue",
                  lot = "Une erreur inattendue est survenue. Veuillez nous excuser pour la géne occasionnée";
    QTest::newRow("grille annulée") << false << 0 << "";
    QTest::newRow("grille imprimée") << false << 1 << "";
    QTest::newRow("grille en erreur") << false << 7 << grille;
    QTest::newRow("lot annulé") << true << 0 << "";
    QTest::newRow("lot imprimé") << true << 1 << "";
    QTest::newRow("lot en erreur") << true << -1 << lot;
}

void TestImpression::leChoixDeLImprimante() {
    QFETCH(bool, lot);
    QFETCH(int, resultat);
    QFETCH(QString, message);
    Imprimerie p;
    p.jeu.ModeJeu = 1;
    p.jeu.ImpressionAvecSolution = true;
    p.fenetre.resultat = resultat;
    if (lot)
        p.jeu.ImprimerLot(1, 1, 0);
    else
        p.jeu.ImprimerGrilleCourante();
    QCOMPARE(p.papier.appels.empty(), resultat != 1);
    QCOMPARE(p.jeu.ImpressionAvecSolution, !lot || resultat != 1);
    QCOMPARE(p.fenetre.messages.size(), std::size_t(message.isEmpty() ? 0 : 1));
    if (!message.isEmpty()) {
        QCOMPARE(QString::fromStdString(p.fenetre.messages[0].texte), message);
        QCOMPARE(p.fenetre.messages[0].boutons, Boutons::Ok);
        QCOMPARE(p.fenetre.messages[0].titre, TitreDefaut);
    }
}

void TestImpression::lesNombresDeGrilles_data() {
    QTest::addColumn<double>("nombre");
    QTest::addColumn<int>("grilles");
    QTest::newRow("0") << 0.0 << 0;
    QTest::newRow("négatif") << -3.0 << 0;
    QTest::newRow("2,7") << 2.7 << 2;
    QTest::newRow("99") << 99.0 << 99;
    QTest::newRow("99,5") << 99.5 << -1;
    QTest::newRow("énorme") << 1e308 << -1;
    QTest::newRow("pas un nombre") << std::nan("") << 0;
}

void TestImpression::lesNombresDeGrilles() {
    QFETCH(double, nombre);
    QFETCH(int, grilles);
    QCOMPARE(NombreDeGrilles(nombre), grilles);
    Imprimerie p;
    p.jeu.ImprimerLot(nombre, 1, 0);
    // Above 99 nothing is asked, generated or printed.
    QCOMPARE(p.fenetre.choix, grilles < 0 ? 0 : 1);
    QCOMPARE(int(p.papier.textes.size()), std::max(grilles, 0) * 82);
}

void TestImpression::unTravailQuiEchoueEstAbandonne_data() {
    QTest::addColumn<int>("pageEnEchec");
    QTest::addColumn<bool>("finReussie");
    QTest::addColumn<int>("titres");
    QTest::newRow("deuxième feuille") << 2 << true << 2;
    QTest::newRow("fin du travail") << 0 << false << 6;
}

void TestImpression::unTravailQuiEchoueEstAbandonne() {
    QFETCH(int, pageEnEchec);
    QFETCH(bool, finReussie);
    QFETCH(int, titres);
    Imprimerie p;
    p.papier.pageEnEchec = pageEnEchec;
    p.papier.finReussie = finReussie;
    LotGrilles lot;
    QVERIFY(!ComposerLot(p.papier, p.hasard, lot, 3, 1, 1, true));
    QCOMPARE(p.papier.appels.back(), std::string("AbandonnerImpression"));
    QCOMPARE(Nombre(p.papier.appels, "FinImpression"), finReussie ? 0 : 1);
    QCOMPARE(int(std::count_if(p.papier.textes.begin(), p.papier.textes.end(),
                               [](auto &t) { return t.texte.size() > 1; })),
             titres);
    QVERIFY(p.fenetre.messages.empty());
}

void TestImpression::lImprimanteEstTrouveeParSonDebut_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("trouvee");
    QTest::newRow("contenue") << "aser"
                              << "Laser";
    QTest::newRow("la première") << "Jet"
                                 << "Jet-Bureau";
    QTest::newRow("longue, coupée à 31") << "Imprimante-du-premier-etage-salle-12"
                                         << "Imprimante-du-premier-etage-sal-B";
    QTest::newRow("absente") << "Traceur"
                             << "";
}

void TestImpression::lImprimanteEstTrouveeParSonDebut() {
    QFETCH(QString, nom);
    QFETCH(QString, trouvee);
    const std::vector<std::string> installees{"Jet-Bureau", "Laser", "Jet-Atelier",
                                              "Imprimante-du-premier-etage-sal-B"};
    QCOMPARE(QString::fromStdString(ImprimanteChoisie(nom.toStdString(), installees).value_or("")), trouvee);
}

QTEST_APPLESS_MAIN(TestImpression)
#include "tst_impression.moc"
