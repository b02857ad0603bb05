// What "OK" of the options applies: the order of the eight keys, levels, modes and themes the
// dialog could not show, the sound of the new game, and a board held by a search.
#include "Factices.h"
#include "Jeu.h"

#include <QtTest>

using namespace lumio;
using namespace lumio::test;

class TestChoixOptions : public QObject {
    Q_OBJECT
  private slots:
    void okAppliqueCeQueLeDialogueTient_data();
    void okAppliqueCeQueLeDialogueTient();
    void pendantUneRechercheLesOptionsAttendent();
};

void TestChoixOptions::okAppliqueCeQueLeDialogueTient_data() {
    QTest::addColumn<QString>("niveau");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("couleur");
    QTest::addColumn<bool>("sons");
    QTest::addColumn<int>("niveauJeu");
    QTest::addColumn<int>("modeJeu");
    QTest::addColumn<bool>("theme"); // a theme was applied
    QTest::newRow("valeurs des options") << "4"
                                         << "1"
                                         << "2" << true << 4 << 1 << true;
    QTest::newRow("création, sans son") << "2"
                                        << "2"
                                        << "0" << false << 2 << 2 << true;
    QTest::newRow("niveau 7: la partie est facile") << "7"
                                                    << "1"
                                                    << "3" << true << 1 << 1 << true;
    QTest::newRow("couleur ' 2': aucun thème") << "1"
                                               << "1"
                                               << " 2" << true << 1 << 1 << false;
    QTest::newRow("mode 5: on joue") << "3"
                                     << "5"
                                     << "1" << false << 3 << 1 << true;
}

void TestChoixOptions::okAppliqueCeQueLeDialogueTient() {
    QFETCH(QString, niveau);
    QFETCH(QString, mode);
    QFETCH(QString, couleur);
    QFETCH(bool, sons);
    QFETCH(int, niveauJeu);
    QFETCH(int, modeJeu);
    QFETCH(bool, theme);
    Monde m;
    Jeu j(m.surface, m.fenetre, m.reglages, m.sons, m.hasard);
    j.Form_Load();
    m.reglages.ecritures.clear();
    m.reglages.confirmations = 0;
    m.sons.joues.clear();
    const int themes = m.fenetre.themesAppliques;
    ChoixOptions o{niveau.toStdString(), mode.toStdString(), couleur.toStdString(), sons, true, true, "Zoé"};
    QVERIFY(j.ValiderOptions(o));

    const std::vector<std::string> ordre{"JMD", "CP", "TMD", "NJ", "JLS", "VF", "CDE", "CC"};
    QCOMPARE(m.reglages.ecritures, ordre);
    QCOMPARE(m.reglages.confirmations, 1); // one write of the file for the eight keys
    // The store keeps what the dialog held; the game plays what it can.
    QCOMPARE(m.reglages.valeurs["CP"] + m.reglages.valeurs["TMD"] + m.reglages.valeurs["CC"],
             o.ChoixDifficulte + o.TypeJeu + o.ChoixCouleur);
    QCOMPARE(j.Niveau, niveauJeu);
    QCOMPARE(j.ModeJeu, modeJeu);
    QCOMPARE(m.fenetre.libelles[1], std::string(modeJeu == 2 ? "Mode création" : "Mode Jeu"));
    QVERIFY(m.fenetre.ModeCoche(modeJeu) && !m.fenetre.ModeCoche(3 - modeJeu));
    if (modeJeu == 1) QCOMPARE(m.fenetre.libelles[2], NomNiveau(niveauJeu));
    QCOMPARE(m.fenetre.themesAppliques, themes + (theme ? 1 : 0));
    // The new game already follows the sound setting just chosen.
    QCOMPARE(m.sons.joues.size() == 1 && m.sons.joues[0] == "Sons/accueil.wav", sons && modeJeu == 1);
}

void TestChoixOptions::pendantUneRechercheLesOptionsAttendent() {
    Monde m;
    Jeu j(m.surface, m.fenetre, m.reglages, m.sons, m.hasard);
    j.Form_Load();
    j.PlacerChiffre(1, GenreJoueur, 5, 5);
    j.RechercheEnCours = true;
    j.OuvrirOptions();
    QVERIFY(m.fenetre.messages.empty());
    QCOMPARE(m.fenetre.optionsAffichees, 0);
    QVERIFY(!j.ValiderOptions(ChoixOptions{}));
    QVERIFY(m.reglages.ecritures.empty());
}

QTEST_APPLESS_MAIN(TestChoixOptions)
#include "tst_choixoptions.moc"
