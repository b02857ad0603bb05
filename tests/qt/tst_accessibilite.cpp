// The main window through the accessibility API, as a screen reader sees it: the board's table and
// the names of its cells as a game goes, the cursor as the focus, the controls' names and roles,
// the cell actions, and a name for everything a reader can reach in the dialogs.
#include "BancFenetre.h"
#include "accessibilite/AccessibilitePlateau.h"
#include "fenetres/DialogImpression.h"
#include "fenetres/DialogImpressionMult.h"
#include "fenetres/Form1.h"
#include "fenetres/Options1.h"
#include "fenetres/frmAide.h"
#include "fenetres/frmScore.h"

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
QAccessibleTableInterface *Table(BancFenetre &b) {
    return Interface(b.fenetre->CoupN())->tableInterface();
}
QAccessibleInterface *Case(BancFenetre &b, int c, int r) {
    return Table(b)->cellAt(r - 1, c - 1);
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
            e.enfant == TableauPlateau::Index(c, r))
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
    void initTestCase() {
        // Events flow only where the platform has a bridge to assistive technology, and then from
        // the start, as with a screen reader listening while the windows are built.
        // (The offscreen platform has none.)
        if (QGuiApplication::platformName() == "offscreen" ||
            !QTest::qWaitFor([] { return QAccessible::isActive(); }, 5000))
            qInfo("no bridge to assistive technology: the tests of events are skipped");
        QAccessible::installUpdateHandler(Noter);
    }
    void init() { recus.clear(); }

    void lesNomsDesCasesSuiventLaPartie() {
        BancFenetre b({}, true, {}, true);
        Jeu &j = b.jeu();
        QAccessibleTableInterface *t = Table(b);
        QVERIFY(t);
        QCOMPARE(t->rowCount(), 9);
        QCOMPARE(t->columnCount(), 9);
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

    void leCurseurEstLaCaseFocalisee() {
        SANS_PONT_SAUTER();
        BancFenetre b({}, true, {}, true);
        QTRY_COMPARE(Focus(b).size(), qsizetype(1)); // the centre cell, once the board has the keys
        QVERIFY(Case(b, 5, 5)->state().focused && Case(b, 5, 5)->state().selected);
        recus.clear();
        Touche(*b.fenetre, Qt::Key_Right);
        QTRY_COMPARE(Focus(b), QStringList{Nom(b, 6, 5)});
        Touche(*b.fenetre, Qt::Key_Down);
        QTRY_COMPARE(Focus(b), (QStringList{Nom(b, 6, 5), Nom(b, 6, 6)}));
        QCOMPARE(Table(b)->selectedCells(), QList<QAccessibleInterface *>{Case(b, 6, 6)});
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

    void lesControlesOntNomEtRole_data() {
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
                               << "Flèches : changer de case. Pavé numérique 1 à 9 : placer ce chiffre. "
                                  "Espace ou Suppr : effacer la case. Crayon : par les actions de la case.";
        QTest::newRow("mode") << "Label1" << int(QAccessible::StaticText) << "Mode Jeu"
                              << "Mode";
        QTest::newRow("level") << "Label2" << int(QAccessible::StaticText) << "Facile"
                               << "Niveau";
        QTest::newRow("clock") << "Label3" << int(QAccessible::StaticText) << "0:00"
                               << "Chrono";
    }
    void lesControlesOntNomEtRole() {
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

    void unChiffreEpuiseLeDit() {
        BancFenetre b({}, true, {}, true);
        Jeu &j = b.jeu();
        const int d = j.GrilleSolution(1, 1) == 1 ? 2 : 1;
        j.ChoisirChiffre(d);
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r)
                if (j.GrilleSolution(c, r) == d && !j.CasesDonnees(c, r))
                    j.PlacerChiffre(d, GenreJoueur, c, r);
        const QString nom = QString("Chiffre %1, choisi, épuisé").arg(d);
        QCOMPARE(Interface(b.fenetre->imgChiffre(d))->text(QAccessible::Name), nom);
        if (Ecoute())
            QTRY_VERIFY(std::any_of(recus.begin(), recus.end(), [&](const Evenement &e) {
                return e.objet == b.fenetre->imgChiffre(d) && e.nom == nom;
            }));
    }

    void lesActionsDUneCasePassentParLesGestesDuJoueur_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("genre");
        QTest::newRow("place") << ActionPlacer << int(GenreJoueur);
        QTest::newRow("pencil") << ActionCrayon << int(GenreCrayon);
    }
    void lesActionsDUneCasePassentParLesGestesDuJoueur() {
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

    void toutCeQuUnLecteurAtteintANom_data() {
        QTest::addColumn<QString>("fenetre");
        QTest::newRow("main window") << "frmMain";
        QTest::newRow("options") << "Options1";
        QTest::newRow("best times") << "frmScore";
        QTest::newRow("about") << "Form1";
        QTest::newRow("help") << "frmAide";
        QTest::newRow("print") << "DialogImpression";
        QTest::newRow("print a batch") << "DialogImpressionMult";
    }
    void toutCeQuUnLecteurAtteintANom() {
        QFETCH(QString, fenetre);
        BancFenetre b;
        std::unique_ptr<QWidget> w;
        if (fenetre == "Options1") w = std::make_unique<Options1>(b.jeu(), b.fenetre.get());
        if (fenetre == "frmScore") w = std::make_unique<frmScore>(b.jeu(), b.fenetre.get());
        if (fenetre == "Form1") w = std::make_unique<Form1>(b.fenetre.get());
        if (fenetre == "DialogImpression") w = std::make_unique<DialogImpression>(b.jeu(), b.fenetre.get());
        if (fenetre == "DialogImpressionMult") w = std::make_unique<DialogImpressionMult>(b.jeu(), b.fenetre.get());
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
                sansNom << (i->object()
                                ? i->object()->objectName() + "/" + i->object()->metaObject()->className()
                                : QString::number(int(i->role())));
        QVERIFY2(sansNom.isEmpty(), qPrintable(sansNom.join(", ")));
        cible->hide();
    }
};

QTEST_MAIN(TestAccessibilite)
#include "tst_accessibilite.moc"
