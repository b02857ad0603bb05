// The options dialog on the real main window: when opening asks first, what it loads, its
// mode, width and default buttons, and what "OK" and "Annuler" leave behind.
#include "BancFenetre.h"
#include "Themes.h"
#include "fenetres/Options1.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

using namespace lumio;
using namespace lumio::test;

namespace {

// A click near the left end, where an option's own circle or box is.
void Cliquer(QWidget *w) {
    QVERIFY(w);
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, QPoint(8, w->height() / 2));
}

QWidget *Enfant(Options1 *o, const char *nom) {
    return o->findChild<QWidget *>(nom);
}

bool Coche(Options1 *o, const char *nom) {
    return o->findChild<QCheckBox *>(nom)->isChecked();
}

// The first cell without a given.
void CaseLibre(Jeu &j, int &c, int &r) {
    for (c = 1; c <= 9; ++c)
        for (r = 1; r <= 9; ++r)
            if (!j.CasesDonnees(c, r)) return;
}

QByteArray Contenu(const QString &fichier) {
    QFile f(fichier);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestOptions : public QObject {
    Q_OBJECT
  private slots:
    void lOuvertureDemandeSiUnePartieSeraitPerdue_data();
    void lOuvertureDemandeSiUnePartieSeraitPerdue();
    void chaqueControlePorteSaLegende();
    void leModeDecideDeLaColonneDuMilieu();
    void lesValeursParDefautNeSEcriventQuAvecOK();
    void okEcritLesHuitClesEtCommenceUnePartie_data();
    void okEcritLesHuitClesEtCommenceUnePartie();
    void laLargeurBasculeEtUneSecondeOuvertureNeRechargeRien();
};

void TestOptions::lOuvertureDemandeSiUnePartieSeraitPerdue_data() {
    QTest::addColumn<QString>("mode");
    QTest::addColumn<bool>("chiffre"); // a digit typed before opening
    QTest::addColumn<bool>("parF2");   // F2, or a click on the gear
    QTest::addColumn<bool>("annuler");
    QTest::newRow("grille de création vide") << "2" << false << false << false;
    QTest::newRow("données seules") << "1" << false << true << false;
    QTest::newRow("un chiffre, Annuler") << "1" << true << true << true;
    QTest::newRow("un chiffre, OK") << "1" << true << false << false;
    QTest::newRow("création, un chiffre, Annuler") << "2" << true << false << true;
}

void TestOptions::lOuvertureDemandeSiUnePartieSeraitPerdue() {
    QFETCH(QString, mode);
    QFETCH(bool, chiffre);
    QFETCH(bool, parF2);
    QFETCH(bool, annuler);
    BancFenetre b({{"TMD", mode.toStdString()}}, true, {}, true);
    Jeu &j = b.jeu();
    if (chiffre) {
        int c = 0, r = 0;
        CaseLibre(j, c, r);
        AllerA(b, c, r);
        Touche(*b.fenetre, Qt::Key_4, Qt::KeypadModifier);
    }
    const GrilleChiffres jeu = j.GrilleJeu, creation = j.GrilleCreation;
    const QImage avant = b.fenetre->CaptureClient();
    const bool chrono = b.fenetre->tmrSecondes().isActive();
    b.dialogues.reponses = {annuler ? Reponse::Annuler : Reponse::Ok};

    QVERIFY(b.fenetre->Action("LancerOptions")->isEnabled());
    if (parF2)
        Touche(*b.fenetre, Qt::Key_F2);
    else
        Cliquer(b.fenetre->findChild<QWidget *>("Image2"));

    QCOMPARE(b.dialogues.messages.size(), std::size_t(chiffre));
    if (chiffre) {
        const Message &m = b.dialogues.messages[0];
        QCOMPARE(m.texte, std::string("Attention le changement d'options terminera la partie en cours "));
        QCOMPARE(int(m.boutons), int(Boutons::OkAnnuler));
        QCOMPARE(m.titre, std::string("Sudoku Lumio"));
    }
    Options1 *o = b.fenetre->Options();
    QCOMPARE(o != nullptr, !annuler);
    if (o) {
        QVERIFY(o->isVisible());
        QCOMPARE(o->windowTitle(), QString("Parametres du jeu"));
        QVERIFY(!o->isModal());
    } else {
        QVERIFY(j.GrilleJeu == jeu && j.GrilleCreation == creation);
        QCOMPARE(b.fenetre->CaptureClient(), avant);
        QCOMPARE(b.fenetre->tmrSecondes().isActive(), chrono);
        QVERIFY(!QFile::exists(b.magasin->Fichier()) || !Contenu(b.magasin->Fichier()).contains("CC"));
    }
}

void TestOptions::chaqueControlePorteSaLegende() {
    BancFenetre b;
    b.jeu().OuvrirOptions();
    Options1 *o = b.fenetre->Options();
    const QStringList niveaux{"Facile", "Moyen", "Difficile", "Expert"};
    const QStringList couleurs{"Jaune", "Saumon", "Vert", "Gris", "Brun", "Bleu ciel"};
    for (int i = 1; i <= 4; ++i)
        QCOMPARE(o->Option1(i)->text(), niveaux[i - 1]);
    for (int i = 0; i < NombreThemes; ++i)
        QCOMPARE(o->Option4(i)->text(), couleurs[i]);
    QCOMPARE(o->Option2(1)->text(), QString("Jeu"));
    QCOMPARE(o->Option2(2)->text(), QString("Création"));
    QCOMPARE(o->findChild<QCheckBox *>("Veri")->text(), QString("Faire apparaître  les erreurs en rouge"));
    QCOMPARE(o->findChild<QCheckBox *>("Check2")->text(),
             QString("Contrôler le nombre d'apparition des chiffres"));
    QCOMPARE(o->findChild<QCheckBox *>("Check1")->text(), QString("Actifs"));
    QCOMPARE(o->findChild<QLabel *>("Label1")->text(), QString("Joueur"));
    const std::pair<const char *, const char *> boutons[] = {{"TovCommand1", "OK"},
                                                             {"TovCommand2", "Annuler"},
                                                             {"TovCommand3", "<<"},
                                                             {"TovCommand4", "Valeurs par défaut"}};
    for (auto [nom, texte] : boutons)
        QCOMPARE(Enfant(o, nom)->property("Caption").toString(), QString(texte));
}

void TestOptions::leModeDecideDeLaColonneDuMilieu() {
    BancFenetre b;
    b.jeu().OuvrirOptions();
    Options1 *o = b.fenetre->Options();
    auto *label5 = o->findChild<QLabel *>("Label5");
    const QString jeu(
        "L'ordinateur propose une grille correspondant au niveau choisi (de facile à expert). Le "
        "joueur tente de résoudre cette grille.");
    QCOMPARE(label5->text(), jeu);
    o->Option1(2)->setChecked(true);
    Cliquer(o->Option2(2));
    QCOMPARE(label5->text(), QString("L'ordinateur calcule la solution d'une grille soumise par le joueur."));
    for (int i = 1; i <= 4; ++i)
        QVERIFY(!o->Option1(i)->isEnabled());
    QVERIFY(!Enfant(o, "Veri")->isEnabled() && !Enfant(o, "Check2")->isEnabled());
    // The level is kept and still saved.
    QCOMPARE(o->Choix().ChoixDifficulte, std::string("2"));
    Cliquer(o->Option2(1));
    QCOMPARE(label5->text(), jeu);
    for (int i = 1; i <= 4; ++i)
        QVERIFY(o->Option1(i)->isEnabled());
    QVERIFY(Enfant(o, "Veri")->isEnabled() && Enfant(o, "Check2")->isEnabled());
}

void TestOptions::lesValeursParDefautNeSEcriventQuAvecOK() {
    {
        BancFenetre b;
        b.jeu().OuvrirOptions();
        QVERIFY(b.fenetre->Options()->Option4(3)->isChecked()); // a first run is grey
    }
    BancFenetre b(
        {{"CP", "3"}, {"TMD", "2"}, {"CC", "1"}, {"VF", "1"}, {"CDE", "0"}, {"JLS", "0"}, {"NJ", "Léa"}});
    b.jeu().OuvrirOptions();
    Options1 *o = b.fenetre->Options();
    QVERIFY(o->Option1(3)->isChecked() && o->Option2(2)->isChecked() && o->Option4(1)->isChecked());
    QVERIFY(Coche(o, "Veri") && !Coche(o, "Check2") && !Coche(o, "Check1"));
    const QByteArray fichier = Contenu(b.magasin->Fichier());
    Cliquer(Enfant(o, "TovCommand4"));
    QVERIFY(o->Option2(1)->isChecked() && o->Option1(1)->isChecked() && o->Option4(0)->isChecked());
    QVERIFY(!Coche(o, "Veri") && Coche(o, "Check2") && Coche(o, "Check1"));
    QVERIFY(o->Option1(1)->isEnabled());
    QCOMPARE(o->findChild<QLineEdit *>("NomJoueur")->text(), QString("Léa"));
    QCOMPARE(Contenu(b.magasin->Fichier()), fichier);
    QCOMPARE(b.jeu().ModeJeu, 2);
}

void TestOptions::okEcritLesHuitClesEtCommenceUnePartie_data() {
    QTest::addColumn<QStringList>("stockes"); // key=value before the start
    QTest::addColumn<QStringList>("clics");   // Option1:3, Veri ...
    QTest::addColumn<QString>("nom");         // typed in NomJoueur, or null to leave it
    QTest::addColumn<QStringList>("ecrits");  // what the file holds afterwards
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("theme"); // -1: the window keeps its colour
    QTest::newRow("rien de changé") << QStringList{} << QStringList{} << QString()
                                    << QStringList{"JMD=1", "CP=1", "TMD=1", "NJ=Pilou",
                                                   "JLS=1", "VF=0", "CDE=1", "CC=3"}
                                    << 1 << 3;
    // The middle column is set before "Création" disables it.
    QTest::newRow("tout changé") << QStringList{} << QStringList{"Option1:3", "Veri",      "Check2",
                                                                 "Option2:2", "Option4:5", "Check1"}
                                 << QString("  Zoé = ; \"x\", y  ")
                                 << QStringList{"JMD=3", "CP=3", "TMD=2", "NJ=  Zoé = ; \"x\", y  ",
                                                "JLS=0", "VF=1", "CDE=0", "CC=5"}
                                 << 2 << 5;
    QTest::newRow("valeurs qu'aucune option ne montre")
        << QStringList{"CP=7", "CC=7", "NJ=Ana"} << QStringList{"Check1"} << QString()
        << QStringList{"JMD=7", "CP=7", "TMD=1", "NJ=Ana", "JLS=0", "VF=0", "CDE=1", "CC=7"} << 1 << -1;
}

void TestOptions::okEcritLesHuitClesEtCommenceUnePartie() {
    QFETCH(QStringList, stockes);
    QFETCH(QStringList, clics);
    QFETCH(QString, nom);
    QFETCH(QStringList, ecrits);
    QFETCH(int, mode);
    QFETCH(int, theme);
    BancFenetre b({}, false);
    for (const QString &s : stockes)
        b.magasin->Ecrire(s.section('=', 0, 0).toStdString(), s.section('=', 1).toStdString());
    b.fenetre->Form_Load();
    Jeu &j = b.jeu();
    int c = 0, r = 0;
    CaseLibre(j, c, r);
    j.PlacerChiffre(j.GrilleSolution(c, r), GenreJoueur, c, r);
    const QRgb fond = b.fenetre->CaptureClient().pixel(10, 10);
    j.OuvrirOptions(); // the question is answered OK
    Options1 *o = b.fenetre->Options();
    QVERIFY(o);
    if (stockes.contains("CP=7")) {
        for (int i = 1; i <= 4; ++i)
            QVERIFY(!o->Option1(i)->isChecked());
        for (int i = 0; i < NombreThemes; ++i)
            QVERIFY(!o->Option4(i)->isChecked());
    }
    for (const QString &clic : clics) {
        const QStringList p = clic.split(':');
        const int i = p.value(1).toInt();
        QWidget *w = p[0] == "Option1"   ? o->Option1(i)
                     : p[0] == "Option2" ? o->Option2(i)
                     : p[0] == "Option4" ? o->Option4(i)
                                         : Enfant(o, qPrintable(p[0]));
        Cliquer(w);
    }
    if (!nom.isNull()) {
        auto *champ = o->findChild<QLineEdit *>("NomJoueur");
        champ->selectAll();
        champ->insert(nom); // as pasted: keyClicks knows no accents
    }
    Cliquer(Enfant(o, "TovCommand1"));

    QTRY_VERIFY(!b.fenetre->Options());
    MagasinQSettings relu(b.magasin->Fichier());
    for (const QString &e : ecrits) {
        const std::string cle = e.section('=', 0, 0).toStdString();
        QCOMPARE(QString::fromStdString(relu.Lire(cle, "(absent)")), e.section('=', 1));
    }
    QCOMPARE(QString::fromStdString(j.NJOUEUR), ecrits[3].mid(3));
    QCOMPARE(j.ModeJeu, mode);
    QVERIFY(!j.PartieEnCours()); // the digit placed before is gone with the old game
    QCOMPARE(b.fenetre->tmrSecondes().isActive(), mode == 1);
    const QImage apres = b.fenetre->CaptureClient();
    QCOMPARE(apres.pixel(10, 10), theme < 0 ? fond : Rgb(TableThemes[std::size_t(theme)].fenetre));
    QCOMPARE(apres.pixel(277, 73), Rgb(j.CFONDGRILLE));
}

void TestOptions::laLargeurBasculeEtUneSecondeOuvertureNeRechargeRien() {
    BancFenetre b({}, true, {}, true);
    Touche(*b.fenetre, Qt::Key_F2);
    Options1 *o = b.fenetre->Options();
    QVERIFY(o);
    QCOMPARE(o->frameGeometry().left(), b.fenetre->frameGeometry().left());
    QWidget *bascule = Enfant(o, "TovCommand3");
    auto largeur = [&](int twips, const char *legende) {
        QCOMPARE(o->LargeurTwips(), twips);
        QCOMPARE(bascule->property("Caption").toString(), QString(legende));
        const bool complete = twips == 9810;
        QCOMPARE(Enfant(o, "Frame2")->isVisible(), complete);
        QCOMPARE(Enfant(o, "TovCommand4")->isVisible(), complete);
        // The left column is whole at either width.
        for (const char *nom :
             {"Frame1", "Label5", "NomJoueur", "TovCommand1", "TovCommand2", "TovCommand3"}) {
            QWidget *w = Enfant(o, nom);
            QVERIFY2(w->isVisible() && o->rect().contains(w->geometry()), nom);
        }
    };
    largeur(9810, "<<");
    Cliquer(bascule);
    largeur(3735, ">>");
    Cliquer(bascule);
    largeur(9810, "<<");
    Cliquer(bascule);

    // Opened again: wider, restored and in front, with what the player changed still there.
    auto *champ = o->findChild<QLineEdit *>("NomJoueur");
    champ->setText("Autre");
    b.magasin->Ecrire("CP", "4");
    o->showMinimized();
    b.fenetre->activateWindow();
    Cliquer(b.fenetre->findChild<QWidget *>("Image2"));
    QCOMPARE(b.fenetre->Options(), o);
    QVERIFY(o->isVisible() && !o->isMinimized());
    largeur(9810, "<<");
    QCOMPARE(champ->text(), QString("Autre"));
    QVERIFY(o->Option1(1)->isChecked());

    Cliquer(Enfant(o, "TovCommand2"));
    QTRY_VERIFY(!b.fenetre->Options());
    QCOMPARE(b.magasin->Lire("NJ", "(absent)"), std::string("(absent)"));
    b.jeu().OuvrirOptions();
    QVERIFY(b.fenetre->Options()->Option1(4)->isChecked());
    QCOMPARE(b.fenetre->Options()->findChild<QLineEdit *>("NomJoueur")->text(), QString("Pilou"));
}

QTEST_MAIN(TestOptions)
#include "tst_options.moc"
