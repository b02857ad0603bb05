// The saved-game format: the bytes written, the files read back, and every damaged file refused.
#include "Factices.h"
#include "PartiesConnues.h"

#include <QtTest>

#include <algorithm>
#include <random>

using namespace lumio;
using namespace lumio::test;

namespace {

// A game set up for writing, by name.
void Preparer(Jeu &j, const QString &partie) {
    if (partie.startsWith("jeu")) MettreJeuConnu(j);
    if (partie == "jeu au temps maximal") j.SecondesEcoulees = 2147483647;
    if (partie.startsWith("création")) MettreCreationResolue(j);
    if (partie == "création non résolue") j.FlagSol = false;
}

// Everything a refused file must leave as it was, as one comparable text.
std::string Resume(const Monde &m, const Jeu &j) {
    std::string s = std::to_string(j.ModeJeu) + " " + std::to_string(j.SecondesEcoulees) + " " +
                    std::to_string(j.NiveauPartie) + " " + std::to_string(j.ChiffreChoisi) + " " +
                    std::to_string(j.FlagSol) + std::to_string(j.BOUTONSOLUTION) + "\n";
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r)
            s += std::to_string(j.GrilleJeu(c, r)) + std::to_string(j.GrilleSolution(c, r)) +
                 std::to_string(j.CasesDonnees(c, r)) + std::to_string(j.GrilleCreation(c, r)) + " ";
    for (int d = 1; d <= 9; ++d)
        s += std::to_string(j.NbChiffre(d)) + "/" + std::to_string(m.fenetre.palette.at(d)) + " ";
    for (const auto &[n, t] : m.fenetre.libelles)
        s += "\n" + std::to_string(n) + "=" + t;
    for (const auto &[n, v] : m.fenetre.visibles)
        s += " v" + std::to_string(n) + std::to_string(v);
    for (const auto &[n, v] : m.fenetre.modes)
        s += " m" + std::to_string(n) + std::to_string(v);
    s += " chrono" + std::to_string(m.fenetre.chrono);
    s += " dessins" + std::to_string(m.surface.appels.size()) + " reglages" +
         std::to_string(m.reglages.ecritures.size()) + " sons" + std::to_string(m.sons.joues.size());
    return s;
}

// What any accepted game must satisfy, whatever bytes it came from.
void VerifierSaine(const PartieLue &p) {
    QVERIFY(p.ModeJeu == 1 || p.ModeJeu == 2);
    QVERIFY(p.SecondesEcoulees >= 0);
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r)
            QVERIFY(p.GrilleCreation(c, r) <= 9 && p.GrilleJeu(c, r) <= 9);
    if (p.ModeJeu == 1) {
        QVERIFY(p.NiveauPartie >= 1 && p.NiveauPartie <= 4);
        QCOMPARE(p.NombreCases, 81);
        QVERIFY(GrilleValide(p.GrilleSolution));
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r)
                if (p.CasesDonnees(c, r))
                    QVERIFY(p.GrilleJeu(c, r) == 0 || p.GrilleJeu(c, r) == p.GrilleSolution(c, r));
    } else {
        QCOMPARE(p.NiveauPartie, 0);
    }
}

} // namespace

class TestSauvegardeOctets : public QObject {
    Q_OBJECT

  private slots:
    void ecritOctetPourOctet_data();
    void ecritOctetPourOctet();
    void ecritLesEnregistrementsDesExemples_data();
    void ecritLesEnregistrementsDesExemples();
    void litLesFichiersDuFormat_data();
    void litLesFichiersDuFormat();
    void relitCeQuIlEcrit_data();
    void relitCeQuIlEcrit();
    void refuseUnFichierAbimeSansToucherLaPartie_data();
    void refuseUnFichierAbimeSansToucherLaPartie();
    void chaqueRefusSeDitSimplement_data();
    void chaqueRefusSeDitSimplement();
    void resisteAuxOctetsQuelconques();
};

void TestSauvegardeOctets::ecritOctetPourOctet_data() {
    QTest::addColumn<QString>("partie");
    QTest::addColumn<QString>("fichier");
    QTest::newRow("jeu après 754 s") << "jeu"
                                     << "jeu_ecrit.sdk";
    QTest::newRow("création résolue, écrite telle que tapée") << "création"
                                                              << "creation_ecrit.sdk";
}

void TestSauvegardeOctets::ecritOctetPourOctet() {
    QFETCH(QString, partie);
    QFETCH(QString, fichier);
    Monde m;
    Jeu j(m.surface, m.fenetre, m.reglages, m.sons, m.hasard);
    Preparer(j, partie);
    const Octets attendu = LireDonnees(fichier.toStdString());
    QCOMPARE(attendu.size(), std::size_t(3810));
    const Octets ecrit = EcrirePartie(j);
    QCOMPARE(ecrit.size(), attendu.size());
    for (int n = 1; n <= NombreEnregistrements; ++n)
        QVERIFY2(Enregistrement(ecrit, n) == Enregistrement(attendu, n),
                 qPrintable(QString("enregistrement %1").arg(n)));
}

void TestSauvegardeOctets::ecritLesEnregistrementsDesExemples_data() {
    QTest::addColumn<QString>("partie");
    QTest::addColumn<int>("enregistrement");
    QTest::addColumn<QString>("octets");
    QTest::newRow("mode Jeu") << "jeu" << 1 << "08 00 02 00 20 31";
    QTest::newRow("secondes avec la place du signe") << "jeu" << 2 << "08 00 04 00 20 37 35 34";
    QTest::newRow("niveau") << "jeu" << 3 << "08 00 02 00 20 33";
    QTest::newRow("temps maximal sur onze caractères")
        << "jeu au temps maximal" << 2 << "08 00 0B 00 20 32 31 34 37 34 38 33 36 34 37";
    QTest::newRow("enregistrements 4 à 10 nuls") << "jeu" << 7 << "";
    QTest::newRow("solution d'une donnée") << "jeu" << 11 << "01 00 31";
    QTest::newRow("donnée True") << "jeu" << 12 << "04 00 54 72 75 65";
    QTest::newRow("donnée montrée") << "jeu" << 13 << "01 00 31";
    QTest::newRow("case du joueur False") << "jeu" << 15 << "05 00 46 61 6C 73 65";
    QTest::newRow("chiffre faux du joueur tel quel") << "jeu" << 16 << "01 00 39";
    QTest::newRow("case vide montrée 0") << "jeu" << 19 << "01 00 30";
    QTest::newRow("fin") << "jeu" << 254 << "08 00 01 00 23";
    QTest::newRow("mode création") << "création" << 1 << "08 00 02 00 20 32";
    QTest::newRow("niveau tel qu'il est en création") << "création" << 3 << "08 00 02 00 20 32";
    QTest::newRow("chiffre tapé 5") << "création" << 170 << "01 00 35";
    QTest::newRow("chiffre tapé Vrai") << "création" << 171 << "04 00 56 72 61 69";
    QTest::newRow("troisième toujours 0") << "création" << 172 << "01 00 30";
    QTest::newRow("case résolue écrite vide") << "création" << 38 << "01 00 30";
    QTest::newRow("case vide Faux") << "création" << 39 << "04 00 46 61 75 78";
    QTest::newRow("sans solution affichée, la grille en cours") << "création non résolue" << 38 << "01 00 32";
    QTest::newRow("sans solution affichée, Vrai") << "création non résolue" << 39 << "04 00 56 72 61 69";
    QTest::newRow("fin en création") << "création" << 254 << "08 00 01 00 23";
}

void TestSauvegardeOctets::ecritLesEnregistrementsDesExemples() {
    QFETCH(QString, partie);
    QFETCH(int, enregistrement);
    QFETCH(QString, octets);
    Monde m;
    Jeu j(m.surface, m.fenetre, m.reglages, m.sons, m.hasard);
    Preparer(j, partie);
    Octets attendu = Hexa(octets);
    attendu.resize(TailleEnregistrement, 0);
    QCOMPARE(VersTableau(Enregistrement(EcrirePartie(j), enregistrement)).toHex(' '),
             VersTableau(attendu).toHex(' '));
}

void TestSauvegardeOctets::litLesFichiersDuFormat_data() {
    QTest::addColumn<QString>("fichier");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("secondes");
    QTest::addColumn<int>("niveau");
    QTest::addColumn<int>("cases");
    QTest::newRow("écrit par le jeu") << "jeu_ecrit.sdk" << 1 << 754 << 3 << 81;
    QTest::newRow("d'un autre programme, fin coupée") << "jeu_etranger.sdk" << 1 << 754 << 3 << 81;
    QTest::newRow("toutes les cases sans la fin") << "jeu_sans_fin.sdk" << 1 << 754 << 3 << 81;
    QTest::newRow("création") << "creation_ecrit.sdk" << 2 << 61 << 0 << 81;
    QTest::newRow("création arrêtée après 40 cases") << "creation_40.sdk" << 2 << 0 << 0 << 40;
    QTest::newRow("création arrêtée par la fin") << "creation_fin.sdk" << 2 << 0 << 0 << 40;
}

void TestSauvegardeOctets::litLesFichiersDuFormat() {
    QFETCH(QString, fichier);
    QFETCH(int, mode);
    QFETCH(int, secondes);
    QFETCH(int, niveau);
    QFETCH(int, cases);
    const LecturePartie lue = LirePartie(LireDonnees(fichier.toStdString()));
    QVERIFY2(bool(lue), lue.raison.c_str());
    const PartieLue &p = *lue.partie;
    QCOMPARE(p.ModeJeu, mode);
    QCOMPARE(p.SecondesEcoulees, secondes);
    QCOMPARE(p.NiveauPartie, niveau);
    QCOMPARE(p.NombreCases, cases);
    if (mode == 1) {
        QVERIFY(p.GrilleSolution == SolutionConnue());
        QVERIFY(p.CasesDonnees == DonneesConnues());
        const GrilleChiffres montre = MontreConnu();
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r)
                if (!p.CasesDonnees(c, r) || p.GrilleJeu(c, r) != 0)
                    QCOMPARE(p.GrilleJeu(c, r), montre(c, r));
    } else {
        const GrilleChiffres tape = TapeConnu();
        for (int k = 0; k < 81; ++k)
            QCOMPARE(p.GrilleCreation.Cases()[k], k < cases ? tape.Cases()[k] : Chiffre(0));
    }
}

void TestSauvegardeOctets::relitCeQuIlEcrit_data() {
    QTest::addColumn<QString>("partie");
    QTest::newRow("jeu") << "jeu";
    QTest::newRow("jeu au temps maximal") << "jeu au temps maximal";
    QTest::newRow("création résolue") << "création";
    QTest::newRow("création non résolue") << "création non résolue";
}

void TestSauvegardeOctets::relitCeQuIlEcrit() {
    QFETCH(QString, partie);
    Monde m;
    Jeu j(m.surface, m.fenetre, m.reglages, m.sons, m.hasard);
    Preparer(j, partie);
    const LecturePartie lue = LirePartie(EcrirePartie(j));
    QVERIFY2(bool(lue), lue.raison.c_str());
    QCOMPARE(lue.partie->ModeJeu, j.ModeJeu);
    QCOMPARE(lue.partie->SecondesEcoulees, j.SecondesEcoulees);
    if (j.ModeJeu == 1) {
        QCOMPARE(lue.partie->NiveauPartie, j.NiveauPartie);
        QVERIFY(lue.partie->GrilleSolution == j.GrilleSolution);
        QVERIFY(lue.partie->CasesDonnees == j.CasesDonnees);
        QVERIFY(lue.partie->GrilleJeu == j.GrilleJeu);
    } else {
        QVERIFY(lue.partie->GrilleCreation == (j.FlagSol ? j.GrilleCreationInitiale : j.GrilleCreation));
    }
}

void TestSauvegardeOctets::refuseUnFichierAbimeSansToucherLaPartie_data() {
    QTest::addColumn<QByteArray>("fichier");
    QTest::addColumn<QString>("detail"); // "" when any will do

    const Octets jeu = LireDonnees("jeu_ecrit.sdk");
    const Octets creation = LireDonnees("creation_40.sdk");
    const int case41 = EnregistrementDeCase(41);
    const auto ligne = [](const char *nom, const Octets &o, const QString &raison) {
        QTest::newRow(nom) << VersTableau(o) << raison;
    };

    ligne("vide", {}, "Le fichier est vide.");
    ligne("un seul octet", {8}, "Le fichier s'arrête au milieu de l'enregistrement 1.");
    ligne("coupé dans un en-tête", Couper(jeu, 20), "Le fichier s'arrête au milieu de l'enregistrement 2.");
    ligne("sans niveau", Couper(jeu, 30), "Le fichier s'arrête avant l'enregistrement 3.");
    ligne("partie coupée au milieu de la grille", Couper(jeu, DebutEnregistrement(case41)),
          "La grille est incomplète : le fichier s'arrête à la case 41.");
    ligne("partie coupée dans une case", Couper(jeu, DebutEnregistrement(case41 + 1)),
          "La grille est incomplète : le fichier s'arrête à la case 41.");
    ligne("partie finie au milieu de la grille", Remplacer(jeu, case41, "08 00 01 00 23"),
          "La grille est incomplète : le fichier s'arrête à la case 41.");
    ligne("texte coupé par la fin du fichier", Couper(creation, DebutEnregistrement(128) + 2),
          "Le fichier s'arrête au milieu de l'enregistrement 128.");
    ligne("mauvaise étiquette", Remplacer(jeu, 2, "02 00 04 00 20 37 35 34"),
          "L'enregistrement 2 n'est pas un texte (type 2).");
    ligne("en-tête plus long que son enregistrement", Remplacer(jeu, 3, "08 00 0C 00 20 33"),
          "L'enregistrement 3 annonce 12 caractères, plus que sa place.");
    ligne("case plus longue que son enregistrement", Remplacer(jeu, 11, "0E 00 31"),
          "L'enregistrement 11 annonce 14 caractères, plus que sa place.");
    ligne("longueur énorme", Remplacer(jeu, 13, "FF FF 31"),
          "L'enregistrement 13 annonce 65535 caractères, plus que sa place.");
    ligne("chiffre 12", Remplacer(jeu, EnregistrementDeCase(23), "02 00 31 32"),
          "Chiffre 12 hors limites (case 3, 5).");
    ligne("solution 0", Remplacer(jeu, 11, "01 00 30"), "Chiffre 0 hors limites (case 1, 1).");
    ligne("chiffre montré 10", Remplacer(jeu, 13, "02 00 31 30"), "Chiffre 10 hors limites (case 1, 1).");
    ligne("chiffre négatif", Remplacer(jeu, 16, "02 00 2D 31"), "Chiffre -1 hors limites (case 1, 2).");
    ligne("chiffre fractionnaire", Remplacer(jeu, 13, "03 00 32 2E 35"),
          "Chiffre « 2.5 » illisible (case 1, 1).");
    ligne("chiffre vide", Remplacer(jeu, 13, "00 00"), "Chiffre «  » illisible (case 1, 1).");
    ligne("chiffre en lettres en création", Remplacer(creation, 11, "01 00 41"),
          "Chiffre « A » illisible (case 1, 1).");
    ligne("chiffre 10 en création", Remplacer(creation, 14, "02 00 31 30"),
          "Chiffre 10 hors limites (case 1, 2).");
    ligne("Booléen Peut-être", Remplacer(jeu, 12, "09 00 50 65 75 74 2D EA 74 72 65"),
          "« Peut-être » n'est ni vrai ni faux (case 1, 1).");
    ligne("octet de commande dans un Booléen", Remplacer(jeu, 15, "02 00 4F 07"),
          "« O? » n'est ni vrai ni faux (case 1, 2).");
    ligne("solution invalide", Remplacer(Remplacer(jeu, 11, "01 00 34"), 14, "01 00 31"),
          "La grille solution n'est pas valide.");
    ligne("donnée contredite", Remplacer(jeu, 13, "01 00 35"),
          "La case donnée (1, 1) montre 5 au lieu de 1.");
    ligne("mode 3", Remplacer(jeu, 1, "08 00 02 00 20 33"),
          "Le fichier n'indique ni le mode Jeu ni le mode création.");
    ligne("mode sans la place du signe", Remplacer(jeu, 1, "08 00 01 00 31"),
          "Le fichier n'indique ni le mode Jeu ni le mode création.");
    ligne("mode vide", Remplacer(jeu, 1, "08 00 00 00"),
          "Le fichier n'indique ni le mode Jeu ni le mode création.");
    ligne("niveau 5", Remplacer(jeu, 3, "08 00 02 00 20 35"), "Le niveau « 5 » n'est pas entre 1 et 4.");
    ligne("niveau absent", Remplacer(jeu, 3, "08 00 00 00"), "Le niveau «  » n'est pas entre 1 et 4.");
    ligne("secondes négatives", Remplacer(jeu, 2, "08 00 02 00 2D 31"),
          "Le temps « -1 » n'est pas un nombre de secondes valide.");
    ligne("secondes fractionnaires", Remplacer(jeu, 2, "08 00 05 00 20 31 32 2E 35"),
          "Le temps « 12.5 » n'est pas un nombre de secondes valide.");
    ligne("secondes au-delà des doubles", Remplacer(jeu, 2, "08 00 06 00 20 31 65 34 30 30"),
          "Le temps « 1e400 » n'est pas un nombre de secondes valide.");
    ligne("chiffre montré au-delà des doubles", Remplacer(jeu, 13, "05 00 31 65 34 30 30"),
          "Chiffre 1e400 hors limites (case 1, 1).");
    ligne("secondes au-delà de 32 bits", Remplacer(jeu, 2, "08 00 0B 00 20 32 31 34 37 34 38 33 36 34 38"),
          "Le temps « 2147483648 » n'est pas un nombre de secondes valide.");

    std::mt19937 hasard(20261208);
    for (std::size_t taille : {std::size_t(1), std::size_t(14), std::size_t(3810), std::size_t(5000)}) {
        Octets o(taille);
        for (auto &b : o)
            b = std::uint8_t(hasard());
        QTest::addRow("%d octets au hasard", int(taille)) << VersTableau(o) << QString();
    }
}

void TestSauvegardeOctets::refuseUnFichierAbimeSansToucherLaPartie() {
    QFETCH(QByteArray, fichier);
    QFETCH(QString, detail);
    Monde m;
    Jeu j(m.surface, m.fenetre, m.reglages, m.sons, m.hasard);
    j.Niveau = 2;
    j.PreparerPlateau();
    j.NouvellePartieJeu();
    j.SecondesEcoulees = 99;
    const std::string avant = Resume(m, j);

    const auto refus = OuvrirPartie(j, VersOctets(fichier));
    QVERIFY(refus);
    if (!detail.isEmpty()) QCOMPARE(QString::fromStdString(refus->detail), detail);
    // The player reads one of the plain reasons, never the detail.
    const std::string simples[] = {RaisonVide,        RaisonTronque, RaisonEtranger, RaisonValeur,
                                   RaisonIncoherente, RaisonTemps,   RaisonNiveau};
    QVERIFY2(std::find(std::begin(simples), std::end(simples), refus->raison) != std::end(simples),
             refus->raison.c_str());
    QCOMPARE(Resume(m, j), avant);
}

// What the player is told for each kind of damage.
void TestSauvegardeOctets::chaqueRefusSeDitSimplement_data() {
    QTest::addColumn<QByteArray>("fichier");
    QTest::addColumn<QString>("raison");
    const Octets jeu = LireDonnees("jeu_ecrit.sdk");
    const auto ligne = [](const char *nom, const Octets &o, const std::string &raison) {
        QTest::newRow(nom) << VersTableau(o) << QString::fromStdString(raison);
    };
    ligne("vide", {}, RaisonVide);
    ligne("coupé dans un en-tête", Couper(jeu, 20), RaisonTronque);
    ligne("coupé dans la grille", Couper(jeu, DebutEnregistrement(EnregistrementDeCase(41))), RaisonTronque);
    ligne("mauvaise étiquette", Remplacer(jeu, 2, "02 00 04 00 20 37 35 34"), RaisonEtranger);
    ligne("mode 3", Remplacer(jeu, 1, "08 00 02 00 20 33"), RaisonEtranger);
    ligne("chiffre 12", Remplacer(jeu, EnregistrementDeCase(23), "02 00 31 32"), RaisonValeur);
    ligne("Booléen Peut-être", Remplacer(jeu, 12, "09 00 50 65 75 74 2D EA 74 72 65"), RaisonValeur);
    ligne("solution invalide", Remplacer(Remplacer(jeu, 11, "01 00 34"), 14, "01 00 31"), RaisonIncoherente);
    ligne("donnée contredite", Remplacer(jeu, 13, "01 00 35"), RaisonIncoherente);
    ligne("secondes négatives", Remplacer(jeu, 2, "08 00 02 00 2D 31"), RaisonTemps);
    ligne("niveau 5", Remplacer(jeu, 3, "08 00 02 00 20 35"), RaisonNiveau);
}

void TestSauvegardeOctets::chaqueRefusSeDitSimplement() {
    QFETCH(QByteArray, fichier);
    QFETCH(QString, raison);
    QCOMPARE(QString::fromStdString(LirePartie(VersOctets(fichier)).raison), raison);
}

void TestSauvegardeOctets::resisteAuxOctetsQuelconques() {
    std::mt19937 hasard(4242);
    const Octets modeles[] = {LireDonnees("jeu_ecrit.sdk"), LireDonnees("creation_ecrit.sdk"),
                              LireDonnees("jeu_etranger.sdk")};
    int acceptes = 0;
    for (int essai = 0; essai < 6000; ++essai) {
        Octets o;
        if (essai % 3 == 0) {
            o.resize(hasard() % 4000);
            for (auto &b : o)
                b = std::uint8_t(hasard());
        } else {
            // A sound file with a few bytes changed and maybe cut: these reach the cells.
            o = modeles[hasard() % 3];
            for (unsigned k = 0, n = 1 + hasard() % 4; k < n; ++k)
                o[hasard() % o.size()] = std::uint8_t(hasard());
            if (hasard() % 2) o.resize(hasard() % (o.size() + 1));
            o.shrink_to_fit(); // so that a memory checker sees any read past the end
        }
        const LecturePartie lue = LirePartie(o);
        QCOMPARE(lue.raison.empty(), bool(lue));
        QCOMPARE(lue.detail.empty(), bool(lue));
        if (lue) {
            ++acceptes;
            VerifierSaine(*lue.partie);
        }
    }
    QVERIFY(acceptes > 0); // the mutations must also reach files that load
}

QTEST_APPLESS_MAIN(TestSauvegardeOctets)
#include "tst_sauvegarde_octets.moc"
