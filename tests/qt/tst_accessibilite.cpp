// The main window through the accessibility API, as a screen reader sees it: the board's cells and
// their names as a game goes, the cursor as the focus, the controls' names and roles, the cell
// actions, the keys a reader's user types, the status bar, the notice, and a name for everything a
// reader can reach in the dialogs.
#include "Annonces.h"
#include "BancFenetre.h"
#include "accessibilite/AccessibilitePlateau.h"
#include "accessibilite/BarreEtat.h"
#include "fenetres/DialogImpression.h"
#include "fenetres/DialogImpressionMult.h"
#include "fenetres/Form1.h"
#include "fenetres/Options1.h"
#include "fenetres/frmAide.h"
#include "fenetres/frmScore.h"
#include "plateforme/Liens.h"

#include <QAccessible>
#include <QTabWidget>
#include <QtTest>

using namespace lumio;
using namespace lumio::test;

namespace {

struct Evenement {
    QAccessible::Event type;
    QObject *objet;
    int enfant;
    QString nom;
};
std::vector<Evenement> recus;

void Noter(QAccessibleEvent *e) {
    QAccessibleInterface *i = e->accessibleInterface();
    recus.push_back({e->type(), e->object(), e->child(), i ? i->text(QAccessible::Name) : QString()});
}

// Events reach the handler only when a bridge listens (on X with the accessibility bus).
bool Ecoute() {
    return QAccessible::isActive();
}
#define SANS_PONT_SAUTER()                                                                                   \
    if (!Ecoute()) QSKIP("no bridge to assistive technology on this platform: no events")

QAccessibleInterface *Interface(QObject *o) {
    return QAccessible::queryAccessibleInterface(o);
}
QAccessibleInterface *Case(BancFenetre &b, int c, int r) {
    return Interface(b.fenetre->CoupN())->child(GrillePlateau::Index(c, r));
}
QString Nom(BancFenetre &b, int c, int r) {
    return Case(b, c, r)->text(QAccessible::Name);
}

QString Attendu(int c, int r, const QString &etat) {
    return QStringLiteral("Ligne %1, colonne %2 : %3").arg(r).arg(c).arg(etat);
}

// The name-change events of cell (c, r) received since the list was last cleared.
QStringList ChangementsDe(BancFenetre &b, int c, int r) {
    QStringList noms;
    for (const Evenement &e : recus)
        if (e.type == QAccessible::NameChanged && e.objet == b.fenetre->CoupN() &&
            e.enfant == GrillePlateau::Index(c, r))
            noms << e.nom;
    return noms;
}

// The cell names of the focus events received since the list was last cleared.
QStringList Focus(BancFenetre &b) {
    QStringList noms;
    for (const Evenement &e : recus)
        if (e.type == QAccessible::Focus && e.objet == b.fenetre->CoupN())
            noms << (e.enfant < 0 ? "Grille" : e.nom);
    return noms;
}

void Agir(QAccessibleInterface *i, const QString &action) {
    QVERIFY2(i->actionInterface()->actionNames().contains(action), qPrintable(action));
    i->actionInterface()->doAction(action);
}

bool CaseVide(Jeu &j, int &c, int &r) {
    for (c = 1; c <= 9; ++c)
        for (r = 1; r <= 9; ++r)
            if (j.GrilleJeu(c, r) == 0) return true;
    return false;
}

// Every interface under `i` that a reader can reach: visible, and focusable or pressable.
void Atteignables(QAccessibleInterface *i, QList<QAccessibleInterface *> &liste) {
    for (int k = 0; k < i->childCount(); ++k) {
        QAccessibleInterface *e = i->child(k);
        if (!e || e->state().invisible) continue;
        const bool pressable = e->actionInterface() && e->actionInterface()->actionNames().contains(
                                                           QAccessibleActionInterface::pressAction());
        if (e->state().focusable || pressable) liste << e;
        if (e->role() != QAccessible::Table) Atteignables(e, liste);
    }
}

} // namespace

class TestAccessibilite : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void init() { recus.clear(); }
    void lesNomsDesCasesSuiventLaPartie();
    void leCurseurEstLaCaseFocalisee();
    void lesControlesOntNomEtRole_data();
    void lesControlesOntNomEtRole();
    void unChiffreEpuiseLeDit();
    void lesActionsDUneCasePassentParLesGestesDuJoueur_data();
    void lesActionsDUneCasePassentParLesGestesDuJoueur();
    void toutCeQuUnLecteurAtteintANom_data();
    void toutCeQuUnLecteurAtteintANom();
    void lesTouchesDUnLecteur_data();
    void lesTouchesDUnLecteur();
    void unLecteurJoueAuClavierPrincipal();
    void lAvisAttendQueLaFenetreRevienne();
    void laBarreDEtatRepeteCeQueMontrentLesLibelles();
    void lesFenetresDisentCeQuEllesNeMontrentPas_data();
    void lesFenetresDisentCeQuEllesNeMontrentPas();
    void uneMarqueEffaceeNeLaissePasDeTrace();
};

void TestAccessibilite::initTestCase() {
    // Events flow only where the platform has a bridge to assistive technology, and then from
    // the start, as with a screen reader listening while the windows are built.
    // (The offscreen platform has none.)
    if (QGuiApplication::platformName() == "offscreen" ||
        !QTest::qWaitFor([] { return QAccessible::isActive(); }, 5000))
        qInfo("no bridge to assistive technology: the tests of events are skipped");
    QAccessible::installUpdateHandler(Noter);
}

void TestAccessibilite::lesNomsDesCasesSuiventLaPartie() {
    BancFenetre b({}, true, {}, true);
    Jeu &j = b.jeu();
    // No table: a reader would read a whole row of it each time the cursor changes rows.
    QVERIFY(!Interface(b.fenetre->CoupN())->tableInterface());
    QCOMPARE(Interface(b.fenetre->CoupN())->childCount(), 81);
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r)
            QCOMPARE(Nom(b, c, r), j.CasesDonnees(c, r)
                                       ? Attendu(c, r, QString("%1, donné").arg(j.GrilleJeu(c, r)))
                                       : Attendu(c, r, "vide"));

    int c = 0, r = 0;
    QVERIFY(CaseVide(j, c, r));
    const int juste = j.GrilleSolution(c, r), faux = juste % 9 + 1;
    AllerA(b, c, r);
    struct Etape {
        std::function<void()> geste;
        QString nom;
        QStringList entendus = {}; // the names heard, when not just the last one
    };
    const Etape etapes[] = {
        // Pencil marks through the palette and the cell actions
        {[&] {
             for (int d : {7, 2, 4}) {
                 Agir(Interface(b.fenetre->imgChiffre(d)), QAccessibleActionInterface::pressAction());
                 QTRY_COMPARE(int(j.ChiffreChoisi), d);
                 Agir(Case(b, c, r), ActionCrayon);
                 QTRY_VERIFY(j.Affichage(c, r).crayons & (1 << d));
             }
         },
         Attendu(c, r, "vide, crayon 2 4 7"),
         {Attendu(c, r, "vide, crayon 7"), Attendu(c, r, "vide, crayon 2 7"),
          Attendu(c, r, "vide, crayon 2 4 7")}},
        // A wrong digit on the keypad wipes the marks
        {[&] { Touche(*b.fenetre, Qt::Key(Qt::Key_0 + faux), Qt::KeypadModifier); },
         Attendu(c, r, QString::number(faux))},
        // The verification shows it in red
        {[&] { j.CommandeVerifier(); }, Attendu(c, r, QString("%1, faux").arg(faux))},
        // Erased with space
        {[&] { Touche(*b.fenetre, Qt::Key_Space); }, Attendu(c, r, "vide")},
        // The right digit placed by the cell action
        {[&] {
             Agir(Interface(b.fenetre->imgChiffre(juste)), QAccessibleActionInterface::pressAction());
             QTRY_COMPARE(int(j.ChiffreChoisi), juste);
             Agir(Case(b, c, r), ActionPlacer);
         },
         Attendu(c, r, QString::number(juste))},
        // Erased by the cell action
        {[&] { Agir(Case(b, c, r), ActionEffacer); }, Attendu(c, r, "vide")},
    };
    for (const Etape &e : etapes) {
        recus.clear();
        e.geste();
        QTRY_COMPARE(Nom(b, c, r), e.nom);
        // One change heard per gesture, even where the cell was cleared before being drawn.
        if (Ecoute())
            QTRY_COMPARE(ChangementsDe(b, c, r), e.entendus.isEmpty() ? QStringList{e.nom} : e.entendus);
    }

    const GrilleChiffres avant = j.GrilleJeu;
    j.CommandeIndice();
    for (int hc = 1; hc <= 9; ++hc)
        for (int hr = 1; hr <= 9; ++hr)
            if (j.GrilleJeu(hc, hr) != avant(hc, hr))
                QCOMPARE(Nom(b, hc, hr), Attendu(hc, hr, QString::number(j.GrilleSolution(hc, hr))));

    j.CommandeSolution();
    for (int cc = 1; cc <= 9; ++cc)
        for (int rr = 1; rr <= 9; ++rr)
            QVERIFY(Nom(b, cc, rr).endsWith(" : " + QString::number(j.GrilleSolution(cc, rr)) +
                                            (j.CasesDonnees(cc, rr) ? ", donné" : "")));
}

void TestAccessibilite::leCurseurEstLaCaseFocalisee() {
    SANS_PONT_SAUTER();
    BancFenetre b({}, true, {}, true);
    QTRY_COMPARE(Focus(b).size(), qsizetype(1)); // the centre cell, once the board has the keys
    QVERIFY(Case(b, 5, 5)->state().focused && Case(b, 5, 5)->state().selected);
    recus.clear();
    Touche(*b.fenetre, Qt::Key_Right);
    QTRY_COMPARE(Focus(b), QStringList{Nom(b, 6, 5)});
    Touche(*b.fenetre, Qt::Key_Down);
    QTRY_COMPARE(Focus(b), (QStringList{Nom(b, 6, 5), Nom(b, 6, 6)}));
    QVERIFY(Case(b, 6, 6)->state().selected && !Case(b, 5, 5)->state().selected);
    QVERIFY(!Case(b, 5, 5)->state().focused);

    // At the edge the key does nothing, and nothing is told.
    AllerA(b, 9, 6);
    QTRY_COMPARE(Focus(b).last(), Nom(b, 9, 6));
    recus.clear();
    Touche(*b.fenetre, Qt::Key_Right);
    QTest::qWait(20);
    QVERIFY(Focus(b).isEmpty());

    // Leaving the board takes the focus from the cell; coming back tells the board, then the cell.
    b.fenetre->TovCommand(3)->setFocus();
    QVERIFY(!Case(b, 9, 6)->state().focused);
    recus.clear();
    b.fenetre->DonnerFocusCoupN();
    QTRY_COMPARE(Focus(b), (QStringList{"Grille", Nom(b, 9, 6)}));
}

void TestAccessibilite::lesControlesOntNomEtRole_data() {
    QTest::addColumn<QString>("objet");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("description");
    const int bouton = QAccessible::Button;
    QTest::newRow("Solution") << "TovCommand1" << bouton << "Solution"
                              << "Afficher la solution";
    QTest::newRow("Vérifier") << "TovCommand6" << bouton << "Vérifier"
                              << "Vérifier les chiffres placés";
    QTest::newRow("Indice") << "TovCommand2" << bouton << "Indice"
                            << "Dévoiler un chiffre";
    QTest::newRow("Imprimer") << "TovCommand4" << bouton << "Imprimer"
                              << "Imprimer la grille";
    QTest::newRow("Impr. grilles") << "TovCommand5" << bouton << "Impr. grilles"
                                   << "Imprimer de 1 à 99 grilles prêtes à jouer";
    QTest::newRow("Nouvelle") << "TovCommand3" << bouton << "Nouvelle"
                              << "Commencer une nouvelle partie";
    QTest::newRow("current digit") << "imgChiffre1" << bouton << "Chiffre 1, choisi"
                                   << "";
    QTest::newRow("other digit") << "imgChiffre9" << bouton << "Chiffre 9"
                                 << "";
    QTest::newRow("gear") << "Image2" << bouton << "Préférences"
                          << "Préférences";
    QTest::newRow("globe") << "Image1" << bouton << "Site Web"
                           << "Site Web";
    QTest::newRow("board") << "CoupN" << int(QAccessible::Table) << "Grille"
                           << "Flèches : changer de case. Chiffres 1 à 9 : placer ce chiffre. "
                              "Contrôle et un chiffre : écrire ou effacer ce crayon. "
                              "Espace ou Suppr : effacer la case.";
    QTest::newRow("mode") << "Label1" << int(QAccessible::StaticText) << "Mode Jeu"
                          << "Mode";
    QTest::newRow("level") << "Label2" << int(QAccessible::StaticText) << "Facile"
                           << "Niveau";
    QTest::newRow("clock") << "Label3" << int(QAccessible::StaticText) << "0:00"
                           << "Chrono";
}

void TestAccessibilite::lesControlesOntNomEtRole() {
    QFETCH(QString, objet);
    QFETCH(int, role);
    QFETCH(QString, nom);
    QFETCH(QString, description);
    BancFenetre b;
    QAccessibleInterface *i = Interface(b.fenetre->findChild<QWidget *>(objet));
    QCOMPARE(int(i->role()), role);
    QCOMPARE(i->text(QAccessible::Name), nom);
    QCOMPARE(i->text(QAccessible::Description), description);
    // Reached from the window, as a reader walks the tree.
    QAccessibleInterface *parent = i;
    while (parent && parent->object() != b.fenetre.get())
        parent = parent->parent();
    QVERIFY(parent);
}

void TestAccessibilite::unChiffreEpuiseLeDit() {
    BancFenetre b({}, true, {}, true);
    Jeu &j = b.jeu();
    const int d = j.GrilleSolution(1, 1) == 1 ? 2 : 1;
    j.ChoisirChiffre(d);
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r)
            if (j.GrilleSolution(c, r) == d && !j.CasesDonnees(c, r)) j.PlacerChiffre(d, GenreJoueur, c, r);
    const QString nom = QString("Chiffre %1, choisi, épuisé").arg(d);
    QCOMPARE(Interface(b.fenetre->imgChiffre(d))->text(QAccessible::Name), nom);
    if (Ecoute())
        QTRY_VERIFY(std::any_of(recus.begin(), recus.end(), [&](const Evenement &e) {
            return e.objet == b.fenetre->imgChiffre(d) && e.nom == nom;
        }));
}

void TestAccessibilite::lesActionsDUneCasePassentParLesGestesDuJoueur_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("genre");
    QTest::newRow("place") << ActionPlacer << int(GenreJoueur);
    QTest::newRow("pencil") << ActionCrayon << int(GenreCrayon);
}

void TestAccessibilite::lesActionsDUneCasePassentParLesGestesDuJoueur() {
    QFETCH(QString, action);
    QFETCH(int, genre);
    BancFenetre b({}, true, {}, true);
    Jeu &j = b.jeu();
    b.fenetre->TovCommand(3)->setFocus();
    int c = 0, r = 0, g = 0, rg = 0;
    QVERIFY(CaseVide(j, c, r) && PremiereDonnee(j, g, rg));
    QVERIFY(Case(b, g, rg)->actionInterface()->actionNames().isEmpty()); // a given takes nothing
    b.sons.joues.clear();
    Agir(Case(b, c, r), action);
    QTRY_COMPARE(b.sons.joues, std::vector<std::string>{"Sons/PlacerLettre.wav"});
    const CaseAffichee v = j.Affichage(c, r);
    QCOMPARE(genre == GenreCrayon ? int(v.crayons) : int(v.chiffre), genre == GenreCrayon ? 1 << 1 : 1);
    // As with the mouse: the cell is now the cursor one, and the board has the keys.
    int cc = 0, rc = 0;
    j.CaseCurseur(cc, rc);
    QCOMPARE(std::pair(cc, rc), std::pair(c, r));
    QVERIFY(b.fenetre->CoupN()->hasFocus());
    QVERIFY(Case(b, c, r)->actionInterface()->actionNames().contains(ActionEffacer));
}

void TestAccessibilite::toutCeQuUnLecteurAtteintANom_data() {
    QTest::addColumn<QString>("fenetre");
    QTest::newRow("main window") << "frmMain";
    QTest::newRow("options") << "Options1";
    QTest::newRow("best times") << "frmScore";
    QTest::newRow("about") << "Form1";
    QTest::newRow("help") << "frmAide";
    QTest::newRow("print") << "DialogImpression";
    QTest::newRow("print a batch") << "DialogImpressionMult";
}

void TestAccessibilite::toutCeQuUnLecteurAtteintANom() {
    QFETCH(QString, fenetre);
    BancFenetre b;
    std::unique_ptr<QWidget> w;
    if (fenetre == "Options1") w = std::make_unique<Options1>(b.jeu(), b.fenetre.get());
    if (fenetre == "frmScore") w = std::make_unique<frmScore>(b.jeu(), b.fenetre.get());
    if (fenetre == "Form1") w = std::make_unique<Form1>(b.fenetre.get());
    if (fenetre == "DialogImpression") w = std::make_unique<DialogImpression>(b.jeu(), b.fenetre.get());
    if (fenetre == "DialogImpressionMult")
        w = std::make_unique<DialogImpressionMult>(b.jeu(), b.fenetre.get());
    if (fenetre == "frmAide") b.fenetre->AfficherAide();
    QWidget *cible = w ? w.get() : b.fenetre.get();
    if (fenetre == "frmAide") cible = b.fenetre->findChild<frmAide *>();
    QVERIFY(cible);
    cible->show();
    QList<QAccessibleInterface *> atteints;
    Atteignables(Interface(cible), atteints);
    // Each page of the help's tabs in turn.
    if (auto *onglets = cible->findChild<QTabWidget *>())
        for (int k = 1; k < onglets->count(); ++k) {
            onglets->setCurrentIndex(k);
            Atteignables(Interface(cible), atteints);
        }
    QVERIFY(atteints.size() >= 2);
    QStringList sansNom;
    for (QAccessibleInterface *i : atteints)
        if (i->text(QAccessible::Name).trimmed().isEmpty())
            sansNom << (i->object() ? i->object()->objectName() + "/" + i->object()->metaObject()->className()
                                    : QString::number(int(i->role())));
    QVERIFY2(sansNom.isEmpty(), qPrintable(sansNom.join(", ")));
    cible->hide();
}

// The key table changes only for a screen reader's user: the keypad is the reader's, the main
// keyboard's digits take its place, with Ctrl for the pencil marks.
void TestAccessibilite::lesTouchesDUnLecteur_data() {
    QTest::addColumn<int>("touche");
    QTest::addColumn<int>("modificateurs");
    QTest::addColumn<int>("natif"); // the key's code on an X or Wayland keyboard
    QTest::addColumn<bool>("lecteur");
    QTest::addColumn<int>("code");
    const int sans = Qt::NoModifier, pave = Qt::KeypadModifier, ctrl = Qt::ControlModifier;
    const bool x = QGuiApplication::platformName() == "xcb";
    QTest::newRow("keypad, alone") << int(Qt::Key_5) << pave << 0 << false << TouchePave1 + 4;
    QTest::newRow("keypad, with a reader") << int(Qt::Key_5) << pave << 0 << true << TouchePave1 + 4;
    QTest::newRow("main keyboard, alone: nothing") << int(Qt::Key_5) << sans << 14 << false << 0;
    QTest::newRow("Ctrl and a digit, alone: nothing") << int(Qt::Key_5) << ctrl << 14 << false << 0;
    QTest::newRow("main keyboard, with a reader") << int(Qt::Key_5) << sans << 14 << true << TouchePave1 + 4;
    QTest::newRow("Shift and 9 where it types 9")
        << int(Qt::Key_9) << int(Qt::ShiftModifier) << 18 << true << int(TouchePave9);
    QTest::newRow("Ctrl and a digit, with a reader")
        << int(Qt::Key_4) << ctrl << 13 << true << ToucheCrayon1 + 3;
    QTest::newRow("the key of 1 on a French keyboard")
        << int(Qt::Key_Ampersand) << sans << 10 << true << (x ? int(TouchePave1) : 0);
    QTest::newRow("Ctrl and the key of 9 on a French keyboard")
        << int(Qt::Key_Ccedilla) << ctrl << 18 << true << (x ? int(ToucheCrayon9) : 0);
    QTest::newRow("0 places nothing") << int(Qt::Key_0) << sans << 19 << true << 0;
    QTest::newRow("arrows stay arrows") << int(Qt::Key_Down) << sans << 116 << true << int(ToucheBas);
}

void TestAccessibilite::lesTouchesDUnLecteur() {
    QFETCH(int, touche);
    QFETCH(int, modificateurs);
    QFETCH(int, natif);
    QFETCH(bool, lecteur);
    QFETCH(int, code);
    const QKeyEvent e(QEvent::KeyPress, touche, Qt::KeyboardModifiers(modificateurs), quint32(natif), 0, 0);
    QCOMPARE(frmMain::CodeTouche(e, lecteur), code);
}

// Typed on the board, with the result in the notice and nothing else said.
void TestAccessibilite::unLecteurJoueAuClavierPrincipal() {
    SANS_PONT_SAUTER();
    BancFenetre b({}, true, {}, true);
    Jeu &j = b.jeu();
    auto *avis = b.fenetre->findChild<Avis *>();
    QVERIFY(avis);
    QTRY_COMPARE(avis->Texte(), QString("Nouvelle partie, niveau facile."));
    int c = 0, r = 0;
    QVERIFY(CaseVide(j, c, r));
    AllerA(b, c, r);
    recus.clear();
    Touche(*b.fenetre, Qt::Key_4, Qt::ControlModifier);
    QTRY_COMPARE(avis->Texte(), QString("Crayon 4 écrit."));
    QCOMPARE(int(j.Affichage(c, r).crayons), 1 << 4);
    Touche(*b.fenetre, Qt::Key_7);
    QTRY_COMPARE(avis->Texte(), QString("7 placé."));
    QCOMPARE(int(j.GrilleJeu(c, r)), 7);
    const auto montres = std::count_if(recus.begin(), recus.end(), [&](const Evenement &e) {
        return e.type == QAccessible::ObjectShow && e.objet == avis;
    });
    QCOMPARE(int(montres), 2);
}

// What an action says waits while a box is open over the board, then comes at once.
void TestAccessibilite::lAvisAttendQueLaFenetreRevienne() {
    BancFenetre b({}, true, {}, true);
    b.dialogues.vraisMessages = true;
    auto *avis = b.fenetre->findChild<Avis *>();
    QTRY_COMPARE(avis->Texte(), QString("Nouvelle partie, niveau facile."));
    bool ditPendant = true;
    QuandModal([&](QWidget *) {
        b.jeu().Annoncer("Pendant la boîte.");
        b.jeu().Annoncer("Et encore.");
        QTest::qWait(20);
        ditPendant = avis->Texte() == "Pendant la boîte.";
    });
    b.fenetre->BoiteMessage(Message{"Une boîte"});
    QVERIFY(!ditPendant);
    b.fenetre->activateWindow();
    b.fenetre->DonnerFocusCoupN();
    // One action, one sentence: the two go together.
    QTRY_COMPARE(avis->Texte(), QString("Pendant la boîte. Et encore."));
}

// The status bar says the captions and the current digit, and shows nothing of itself.
void TestAccessibilite::laBarreDEtatRepeteCeQueMontrentLesLibelles() {
    BancFenetre b({}, true, {}, true);
    auto *barre = b.fenetre->findChild<BarreEtat *>();
    QVERIFY(barre);
    QCOMPARE(int(Interface(barre)->role()), int(QAccessible::StatusBar));
    auto textes = [&] {
        QStringList t;
        for (int k = 0; k < 4; ++k)
            t << (barre->Element(k)->isHidden() ? "-" : barre->Element(k)->text());
        return t;
    };
    QTRY_COMPARE(textes(), (QStringList{"Mode Jeu", "Facile", "0:00", "Chiffre choisi : 1"}));
    b.jeu().SecondesEcoulees = 82;
    b.jeu().tmrSecondes_Timer();
    b.jeu().ChoisirChiffre(4);
    QTRY_COMPARE(textes(), (QStringList{"Mode Jeu", "Facile", "1:23", "Chiffre choisi : 4"}));
    b.fenetre->Action("mnuModeChoix2")->trigger();
    QTRY_COMPARE(textes(), (QStringList{"Mode création", "-", "-", "Chiffre choisi : 1"}));

    // The captions show through it, and the mouse reaches them.
    const QImage avec = b.fenetre->CaptureClient();
    barre->hide();
    QCOMPARE(b.fenetre->CaptureClient(), avec);
    barre->show();
    const QPoint libelle = b.fenetre->findChild<QWidget *>("Label1")->geometry().center();
    QCOMPARE(b.fenetre->zone().childAt(libelle), b.fenetre->findChild<QWidget *>("Label1"));
}

// The boxes and windows say on opening what they only show in short labels, or not at all.
void TestAccessibilite::lesFenetresDisentCeQuEllesNeMontrentPas_data() {
    QTest::addColumn<QString>("fenetre");
    QTest::addColumn<QString>("description");
    QTest::newRow("message box") << "message"
                                 << "1 chiffre faux : ligne 3, colonne 3.";
    QTest::newRow("name box") << "saisie"
                              << "Temps : 2 minutes.";
    QTest::newRow("about") << "apropos"
                           << "Sudoku-Lumio, version " + VersionProgramme() + ".";
    QTest::newRow("best times") << "scores"
                                << "Facile : 1 minute 5 secondes, Pilou. Moyen : aucun temps. "
                                   "Difficile : aucun temps. Expert : aucun temps.";
}

void TestAccessibilite::lesFenetresDisentCeQuEllesNeMontrentPas() {
    QFETCH(QString, fenetre);
    QFETCH(QString, description);
    BancFenetre b({{"1Tp", "65"}, {"1NJT", "Pilou"}});
    QString lue;
    if (fenetre == "message" || fenetre == "saisie") {
        QuandModal([&](QWidget *m) { lue = m->accessibleDescription(); });
        if (fenetre == "message")
            DialoguesQt().BoiteMessage(b.fenetre.get(),
                                       Message{"Attention", Boutons::Ok, Icone::Aucune, TitreDefaut, false,
                                               description.toStdString()});
        else
            DialoguesQt().BoiteSaisie(b.fenetre.get(), "Entrez votre nom", "BRAVO !!!", "", 0, 0,
                                      description.toStdString());
    }
    if (fenetre == "apropos") lue = Form1(b.fenetre.get()).accessibleDescription();
    if (fenetre == "scores") lue = frmScore(b.jeu(), b.fenetre.get()).accessibleDescription();
    QCOMPARE(lue, description);
}

// A pencil mark erased leaves the cell as though the others alone had been written.
void TestAccessibilite::uneMarqueEffaceeNeLaissePasDeTrace() {
    BancFenetre b;
    Jeu &j = b.jeu();
    std::vector<std::pair<int, int>> vides;
    for (int c = 1; c <= 9 && vides.size() < 2; ++c)
        for (int r = 1; r <= 9 && vides.size() < 2; ++r)
            if (j.GrilleJeu(c, r) == 0) vides.push_back({c, r});
    QCOMPARE(vides.size(), std::size_t(2));
    auto [c1, r1] = vides[0];
    auto [c2, r2] = vides[1];
    for (int d = 1; d <= 9; ++d)
        j.BasculerCrayon(d, c1, r1);
    for (int d : {1, 5, 9, 3})
        j.BasculerCrayon(d, c1, r1);
    for (int d : {2, 4, 6, 7, 8})
        j.BasculerCrayon(d, c2, r2);
    QCOMPARE(int(j.Affichage(c1, r1).crayons), int(j.Affichage(c2, r2).crayons));
    const QImage &im = b.fenetre->image();
    const QRect a = Interieur(c1, r1), z = Interieur(c2, r2);
    for (int dx = 0; dx < a.width(); ++dx)
        for (int dy = 0; dy < a.height(); ++dy)
            QCOMPARE(im.pixel(a.x() + dx, a.y() + dy), im.pixel(z.x() + dx, z.y() + dy));
}

QTEST_MAIN(TestAccessibilite)
#include "tst_accessibilite.moc"
