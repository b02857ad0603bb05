// The interrupted game: its file round trip, what a damaged file gets, what is worth offering,
// and the question at start-up.
#include "EtatsReprise.h"
#include "Factices.h"
#include "Jeu.h"
#include "Reprise.h"

#include <QtTest>

#include <algorithm>
#include <functional>

using namespace lumio;
using namespace lumio::test;

namespace {

// A window set up as start-up leaves it, before the first game.
struct Depart {
    Monde m;
    Jeu jeu{m.surface, m.fenetre, m.reglages, m.sons, m.hasard};
    Depart() {
        jeu.LimiterChiffres = true;
        jeu.FLAGJOUERLESSONS = true;
        jeu.PreparerPlateau();
        jeu.ChiffreChoisi = 0;
        m.surface.appels.clear();
    }
};

EtatReprise Etat(const QString &nom) {
    return nom == "creation" ? EtatCreation() : EtatJeu();
}

// Replaces the line that begins with `cle` by `ligne` ("" drops it).
std::string Remplacer(std::string texte, const std::string &cle, const std::string &ligne) {
    const std::size_t debut = texte.find("\n" + cle + " ") + 1;
    const std::size_t fin = texte.find('\n', debut) + 1;
    return texte.replace(debut, fin - debut, ligne.empty() ? "" : ligne + "\n");
}

std::string Ligne(const std::string &texte, const std::string &cle) {
    const std::size_t debut = texte.find("\n" + cle + " ") + 1;
    return texte.substr(debut, texte.find('\n', debut) - debut);
}

} // namespace

class TestReprise : public QObject {
    Q_OBJECT

  private slots:
    void chaqueChampFaitLAllerRetour_data();
    void chaqueChampFaitLAllerRetour();
    void laPartieRevientCommeElleEtait();
    void unFichierAbimeEstRefuse_data();
    void unFichierAbimeEstRefuse();
    void seulUneVraiePartieEstProposee_data();
    void seulUneVraiePartieEstProposee();
    void laQuestionDuDemarrage_data();
    void laQuestionDuDemarrage();
    void unCrayonPoseDeuxFoisNEstDessineQuUneFois();
};

void TestReprise::chaqueChampFaitLAllerRetour_data() {
    QTest::addColumn<QString>("etat");
    QTest::newRow("mode Jeu") << "jeu";
    QTest::newRow("mode création") << "creation";
}

void TestReprise::chaqueChampFaitLAllerRetour() {
    QFETCH(QString, etat);
    const EtatReprise origine = Etat(etat);
    std::string detail;
    const auto lu = LireReprise(EcrireReprise(origine), detail);
    QVERIFY2(lu, detail.c_str());
    QVERIFY(*lu == origine);

    // And through a game: what the board takes back is what it gives again.
    Depart d;
    d.jeu.AppliquerReprise(*lu);
    QVERIFY(EtatActuel(d.jeu) == origine);
    QCOMPARE(EcrireReprise(EtatActuel(d.jeu)), EcrireReprise(origine));
}

void TestReprise::laPartieRevientCommeElleEtait() {
    Depart d;
    d.jeu.AppliquerReprise(EtatJeu());
    const FenetreFactice &f = d.m.fenetre;
    QCOMPARE(f.libelles.at(1), std::string("Mode Jeu"));
    QCOMPARE(f.libelles.at(2), std::string("Difficile"));
    QCOMPARE(f.libelles.at(3), std::string("12:34"));
    QVERIFY(f.visibles.at(2) && f.visibles.at(3));
    QVERIFY(f.chrono && f.pause);
    QVERIFY(f.modes.at(1) && !f.modes.at(2));
    QCOMPARE(f.palette.at(7), 7 + 9);
    QCOMPARE(f.palette.at(1), 1);
    // Drawn without a sound and without a victory; the store is left alone.
    QVERIFY(d.m.sons.joues.empty());
    QVERIFY(f.messages.empty());
    QVERIFY(d.m.reglages.ecritures.empty());
    // The marked digit keeps its own face, the red one of the immediate check its own.
    const auto ecritures = d.m.surface.Ecritures();
    QVERIFY(std::any_of(ecritures.begin(), ecritures.end(), [](const std::string &e) {
        return e.find("\"9\" Arial 19 rgb(255,0,0)") != std::string::npos;
    }));
    QVERIFY(std::any_of(ecritures.begin(), ecritures.end(), [](const std::string &e) {
        return e.find("\"5\" Comic sans MS 21 rgb(255,0,0)") != std::string::npos;
    }));
}

void TestReprise::unFichierAbimeEstRefuse_data() {
    QTest::addColumn<QString>("cle");   // the line changed ("" for the whole text)
    QTest::addColumn<QString>("ligne"); // what it becomes
    const std::string bon = EcrireReprise(EtatJeu());
    QTest::newRow("vide") << ""
                          << "";
    QTest::newRow("autre chose") << ""
                                 << "[K-Ruon]\nCP=1\n";
    QTest::newRow("ligne manquante") << "secondes"
                                     << "";
    QTest::newRow("mot inconnu") << "secondes"
                                 << "minutes 12";
    QTest::newRow("valeur en trop") << "niveau"
                                    << "niveau 3 4";
    QTest::newRow("niveau hors limites") << "niveau"
                                         << "niveau 5";
    QTest::newRow("sans niveau en mode Jeu") << "niveau"
                                             << "niveau 0";
    QTest::newRow("temps négatif") << "secondes"
                                   << "secondes -1";
    QTest::newRow("temps trop grand") << "secondes"
                                      << "secondes 2147483648";
    QTest::newRow("temps décimal") << "secondes"
                                   << "secondes 754.6";
    QTest::newRow("chiffre zéro") << "chiffre"
                                  << "chiffre 0";
    QTest::newRow("curseur infini") << "curseur"
                                    << "curseur inf 3";
    QTest::newRow("curseur pas un nombre") << "curseur"
                                           << "curseur nan 3";
    QTest::newRow("curseur hors de la fenêtre") << "curseur"
                                                << "curseur 1e30 3";
    QTest::newRow("drapeau 2") << "chrono"
                               << "chrono 2 0";
    QTest::newRow("grille courte") << "jeu"
                                   << "jeu 123";
    QTest::newRow("lettre dans la grille")
        << "jeu" << QString::fromStdString(Ligne(bon, "jeu")).replace(5, 1, "x");
    QTest::newRow("solution fausse") << "solution"
                                     << "solution " + QString(81, '1');
    QTest::newRow("donnée qui contredit la solution") << "donnees"
                                                      << "donnees " + QString(81, '1');
    QTest::newRow("compte faux") << "compte"
                                 << "compte 9 9 9 9 9 9 9 9 9";
    QTest::newRow("crayons en désordre")
        << "affichage" << QString::fromStdString(Ligne(bon, "affichage")).replace("c259", "c952");
    QTest::newRow("crayon zéro") << "affichage"
                                 << QString::fromStdString(Ligne(bon, "affichage")).replace("c259", "c029");
    QTest::newRow("genre inconnu") << "affichage"
                                   << QString::fromStdString(Ligne(bon, "affichage")).replace("1j", "1x");
    QTest::newRow("fin manquante") << "fin"
                                   << "";
    QTest::newRow("ligne inachevée") << "*"
                                     << "";
    QTest::newRow("lignes après la fin") << "+"
                                         << "mode 1";
}

void TestReprise::unFichierAbimeEstRefuse() {
    QFETCH(QString, cle);
    QFETCH(QString, ligne);
    std::string texte = EcrireReprise(EtatJeu());
    if (cle.isEmpty())
        texte = ligne.toStdString();
    else if (cle == "fin")
        texte.erase(texte.size() - 4);
    else if (cle == "*")
        texte.pop_back();
    else if (cle == "+")
        texte += ligne.toStdString() + "\n";
    else
        texte = Remplacer(texte, cle.toStdString(), ligne.toStdString());
    std::string detail;
    QVERIFY(!LireReprise(texte, detail));
    QVERIFY(!detail.empty());
}

void TestReprise::seulUneVraiePartieEstProposee_data() {
    QTest::addColumn<QString>("cas");
    QTest::addColumn<bool>("utile");
    QTest::newRow("avant la première partie") << "avant" << false;
    QTest::newRow("les données seules") << "donnees" << false;
    QTest::newRow("un chiffre posé") << "chiffre" << true;
    QTest::newRow("un crayon seul") << "crayon" << true;
    QTest::newRow("une partie gagnée") << "gagnee" << false;
    QTest::newRow("la solution affichée") << "solution" << false;
    QTest::newRow("une grille de création vide") << "creation-vide" << false;
    QTest::newRow("une grille de création tapée") << "creation" << true;
}

void TestReprise::seulUneVraiePartieEstProposee() {
    QFETCH(QString, cas);
    QFETCH(bool, utile);
    Depart d;
    Jeu &j = d.jeu;
    if (cas == "creation" || cas == "creation-vide") {
        j.ModeJeu = 2;
        j.NouvellePartieCreation();
        if (cas == "creation") j.PlacerChiffreCreation(4, GenreDonnee, 2, 2);
    } else if (cas != "avant") {
        j.Niveau = 1;
        j.NouvellePartieJeu();
        int c = 1, r = 1;
        while (j.CasesDonnees(c, r))
            (c == 9 ? (c = 1, ++r) : ++c);
        if (cas == "chiffre") j.PlacerChiffre(j.GrilleSolution(c, r), GenreJoueur, c, r);
        if (cas == "crayon") j.PlacerChiffre(1, GenreCrayon, c, r);
        if (cas == "gagnee") {
            j.LimiterChiffres = false;
            for (int cc = 1; cc <= 9; ++cc)
                for (int rr = 1; rr <= 9; ++rr)
                    j.PlacerChiffre(j.GrilleSolution(cc, rr), GenreJoueur, cc, rr);
        }
        if (cas == "solution") j.AfficherSolution();
    }
    QCOMPARE(RepriseUtile(j), utile);
}

void TestReprise::laQuestionDuDemarrage_data() {
    QTest::addColumn<QString>("contenu");
    QTest::addColumn<int>("reponse"); // Reponse answered to the question
    QTest::addColumn<int>("issue");
    QTest::addColumn<bool>("question");
    const int oui = int(Reponse::Oui), non = int(Reponse::Non);
    QTest::newRow("oui") << "jeu" << oui << int(IssueReprise::Reprise) << true;
    QTest::newRow("non") << "jeu" << non << int(IssueReprise::Refusee) << true;
    QTest::newRow("rien de posé") << "vide" << oui << int(IssueReprise::Aucune) << false;
    QTest::newRow("fichier abîmé") << "abime" << oui << int(IssueReprise::Aucune) << false;
    QTest::newRow("curseur hors de la grille") << "dehors" << oui << int(IssueReprise::Aucune) << false;
}

void TestReprise::laQuestionDuDemarrage() {
    QFETCH(QString, contenu);
    QFETCH(int, reponse);
    QFETCH(int, issue);
    QFETCH(bool, question);
    EtatReprise etat = EtatJeu();
    if (contenu == "vide") {
        // Givens only: nothing the player did.
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r)
                if (!etat.CasesDonnees(c, r)) {
                    if (etat.GrilleJeu(c, r) != 0) etat.NbChiffre(etat.GrilleJeu(c, r)) -= 1;
                    etat.GrilleJeu(c, r) = 0;
                    etat.Affichage(c, r) = {};
                }
    }
    if (contenu == "dehors") etat.Xcur = 50 + 9 * 45 + 5;
    std::string texte = EcrireReprise(etat);
    if (contenu == "abime") texte.resize(texte.size() / 2);

    Depart d;
    d.m.fenetre.reponses.push_back(Reponse(reponse));
    std::string detail;
    QCOMPARE(int(ProposerReprise(d.jeu, texte, detail)), issue);
    QCOMPARE(detail.empty(), contenu != "abime" && contenu != "dehors");
    QCOMPARE(d.m.fenetre.messages.size(), std::size_t(question ? 1 : 0));
    if (question) {
        const Message &m = d.m.fenetre.messages[0];
        QCOMPARE(m.texte, std::string("Reprendre la partie interrompue ?"));
        QCOMPARE(m.titre, std::string("Sudoku Lumio"));
        QVERIFY(m.boutons == Boutons::OuiNon && m.icone == Icone::Question && !m.nonParDefaut);
    }
    const bool reprise = IssueReprise(issue) == IssueReprise::Reprise;
    QCOMPARE(EtatActuel(d.jeu) == etat, reprise);
    // Declined, the board is left for the usual first game.
    if (!reprise) QVERIFY(d.m.surface.appels.empty());
}

void TestReprise::unCrayonPoseDeuxFoisNEstDessineQuUneFois() {
    Depart d;
    d.jeu.Niveau = 1;
    d.jeu.NouvellePartieJeu();
    int c = 1;
    while (d.jeu.CasesDonnees(c, 1))
        ++c;
    d.m.surface.appels.clear();
    d.m.sons.joues.clear();
    d.jeu.PlacerChiffre(3, GenreCrayon, c, 1);
    const std::size_t une = d.m.surface.Ecritures().size();
    d.jeu.PlacerChiffre(3, GenreCrayon, c, 1);
    QCOMPARE(d.m.surface.Ecritures().size(), une);
    QCOMPARE(d.m.sons.joues.size(), std::size_t(2)); // the sound answers each click
}

QTEST_APPLESS_MAIN(TestReprise)
#include "tst_reprise.moc"
