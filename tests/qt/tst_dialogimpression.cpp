// The two print dialogs on the real main window, with the printer chosen from a script: what
// they show, their choices, the count rules and the direct print in creation mode.
#include "BancFenetre.h"
#include "LecturePdf.h"
#include "fenetres/DialogImpression.h"
#include "fenetres/DialogImpressionMult.h"

#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

using namespace lumio;
using namespace lumio::test;

namespace {

template <typename F> void Attendre(F condition) {
    QElapsedTimer t;
    t.start();
    while (!condition() && t.elapsed() < 5000)
        QTest::qWait(10);
}

void Cliquer(QWidget *dialogue, const char *bouton) {
    QWidget *b = dialogue->findChild<QWidget *>(bouton);
    QVERIFY(b);
    QTest::mouseClick(b, Qt::LeftButton);
}

} // namespace

class TestDialogImpression : public QObject {
    Q_OBJECT
  private slots:
    void laGrilleCouranteSelonLOptionEtLAnnulation();
    void enCreationLaGrilleTapeeSImprimeSansLeDialogue();
    void leNiveauEnregistreAuPremierAffichage_data();
    void leNiveauEnregistreAuPremierAffichage();
    void lesReglesDuNombre_data();
    void lesReglesDuNombre();
    void chaqueAffichageAuMemeEndroit_data();
    void chaqueAffichageAuMemeEndroit();
};

void TestDialogImpression::laGrilleCouranteSelonLOptionEtLAnnulation() {
    BancFenetre b;
    const QString pdf = b.dossier.filePath("grille.pdf");
    b.jeu().ImpressionAvecSolution = true;
    b.fenetre->Action("Imprimer")->trigger();
    DialogImpression *d = b.fenetre->dialogImpression();
    QVERIFY(d->isVisible() && d->isModal());
    QCOMPARE(d->windowTitle(), QString("Imprimer la grille courante..."));
    QCOMPARE(d->size(), QSize(394, 98)); // 5910 x 1470 twips
    // The first showing shows the option as it stands.
    QVERIFY(d->OptImpression(1)->isChecked());

    // Cancelled in the print dialog: nothing, and the dialog is hidden all the same.
    Cliquer(d, "TovCommand1");
    QCOMPARE(b.dialogues.imprimantesDemandees, std::vector<QString>{"DialogImpression"});
    QVERIFY(!d->isVisible() && Pages(pdf) == 0);

    b.fenetre->TovCommand(4)->setFocus();
    QTest::mouseClick(b.fenetre->TovCommand(4), Qt::LeftButton);
    QCOMPARE(b.fenetre->dialogImpression(), d); // hidden, never destroyed
    QTest::mouseClick(d->OptImpression(0), Qt::LeftButton);
    QVERIFY(!b.jeu().ImpressionAvecSolution);
    b.dialogues.reponsesImprimante = {{1, pdf}};
    Cliquer(d, "TovCommand1");
    QCOMPARE(Pages(pdf), 1);
    QVERIFY(!d->isVisible());
    QCOMPARE(b.fenetre->focusWidget(), qobject_cast<QWidget *>(b.fenetre->CoupN()));

    // "Annuler" prints nothing and keeps the choice.
    QTest::mouseClick(d->OptImpression(1), Qt::LeftButton);
    b.fenetre->CommandeImprimer();
    Cliquer(d, "TovCommand2");
    QVERIFY(!d->isVisible() && b.jeu().ImpressionAvecSolution);
    QCOMPARE(b.dialogues.imprimantesDemandees.size(), std::size_t(2));

    // A batch resets the option; the dialog still shows the player's last click.
    b.dialogues.reponsesImprimante = {{1, b.dossier.filePath("lot.pdf")}};
    b.fenetre->OuvrirImpressionMult();
    Cliquer(b.fenetre->dialogImpressionMult(), "TovCommand1");
    QVERIFY(!b.jeu().ImpressionAvecSolution);
    b.fenetre->CommandeImprimer();
    QVERIFY(d->isVisible() && d->OptImpression(1)->isChecked());
    // A click on the option shown selected chooses it again: the page has every digit.
    QTest::mouseClick(d->OptImpression(1), Qt::LeftButton);
    QVERIFY(b.jeu().ImpressionAvecSolution);
    const QString complete = b.dossier.filePath("complete.pdf");
    b.dialogues.reponsesImprimante = {{1, complete}};
    Cliquer(d, "TovCommand1");
    const GrilleChiffres lue = GrilleLue(Mots(complete, 1), 15);
    int chiffres = 0;
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r)
            chiffres += lue(c, r) != 0;
    QCOMPARE(chiffres, 81);
}

void TestDialogImpression::enCreationLaGrilleTapeeSImprimeSansLeDialogue() {
    BancFenetre b({{"TMD", "2"}});
    const QString pdf = b.dossier.filePath("creation.pdf");
    b.dialogues.reponsesImprimante = {{1, pdf}};
    QCOMPARE(b.fenetre->Action("Imprimer")->shortcut(), QKeySequence("Ctrl+I"));
    b.fenetre->Action("Imprimer")->trigger();
    QVERIFY(!b.fenetre->dialogImpression());
    QCOMPARE(b.dialogues.imprimantesDemandees, std::vector<QString>{"frmMain"});
    QCOMPARE(Pages(pdf), 1);
    // Once a solution is shown, the dialog asks what to print.
    b.jeu().FlagSol = true;
    b.fenetre->CommandeImprimer();
    QVERIFY(b.fenetre->dialogImpression() && b.fenetre->dialogImpression()->isVisible());
}

void TestDialogImpression::leNiveauEnregistreAuPremierAffichage_data() {
    QTest::addColumn<QString>("cp");
    QTest::addColumn<int>("niveau");
    QTest::newRow("absent") << "" << 1;
    QTest::newRow("3") << "3" << 3;
    QTest::newRow("hors table") << "7" << 0;
    QTest::newRow("avec un blanc") << " 2" << 0;
}

void TestDialogImpression::leNiveauEnregistreAuPremierAffichage() {
    QFETCH(QString, cp);
    QFETCH(int, niveau);
    BancFenetre b;
    if (!cp.isEmpty()) b.magasin->Ecrire("CP", cp.toStdString());
    QTest::mouseClick(b.fenetre->TovCommand(5), Qt::LeftButton);
    DialogImpressionMult *d = b.fenetre->dialogImpressionMult();
    QVERIFY(d && d->isVisible() && d->isModal());
    QCOMPARE(d->windowTitle(), QString("Générer et imprimer des grilles"));
    QCOMPARE(d->size(), QSize(384, 192)); // 5760 x 2880 twips
    QCOMPARE(d->NiveauChoisi(), niveau);
    for (int i = 1; i <= 4; ++i)
        QCOMPARE(d->Option1(i)->isChecked(), i == niveau);
    QCOMPARE(d->AvecSolutions(), 1);
    QCOMPARE(d->Combo1()->currentText(), QString("4"));
    QCOMPARE(d->Combo1()->count(), 99);
    // Later showings keep the dialog's own choices, whatever the store says.
    QTest::mouseClick(d->Option1(4), Qt::LeftButton);
    QTest::mouseClick(d->Option2(0), Qt::LeftButton);
    Cliquer(d, "TovCommand2");
    b.magasin->Ecrire("CP", "2");
    b.fenetre->OuvrirImpressionMult();
    QCOMPARE(d->NiveauChoisi(), 4);
    QCOMPARE(d->AvecSolutions(), 0);
}

void TestDialogImpression::lesReglesDuNombre_data() {
    QTest::addColumn<QString>("texte");
    QTest::addColumn<bool>("solutions");
    QTest::addColumn<int>("pages");
    QTest::addColumn<bool>("refuse");
    QTest::newRow("4 et solutions") << "4" << true << 4 << false;
    QTest::newRow("3 seules, par Entrée") << "3 grilles" << false << 2 << false;
    QTest::newRow("fraction") << "2.7" << true << 2 << false;
    QTest::newRow("pas un nombre") << "abc" << true << 0 << false;
    QTest::newRow("zéro") << "0" << true << 0 << false;
    QTest::newRow("au-delà de 99") << "150" << true << 0 << true;
    QTest::newRow("exposant") << "1e3" << true << 0 << true;
}

void TestDialogImpression::lesReglesDuNombre() {
    QFETCH(QString, texte);
    QFETCH(bool, solutions);
    QFETCH(int, pages);
    QFETCH(bool, refuse);
    BancFenetre b;
    const QString pdf = b.dossier.filePath("lot.pdf");
    b.dialogues.reponsesImprimante = {{1, pdf}};
    b.jeu().ImpressionAvecSolution = true;
    b.fenetre->OuvrirImpressionMult();
    DialogImpressionMult *d = b.fenetre->dialogImpressionMult();
    QTest::mouseClick(d->Option2(solutions ? 1 : 0), Qt::LeftButton);
    d->Combo1()->setEditText(texte);
    if (QTest::currentDataTag() == QByteArray("3 seules, par Entrée"))
        QTest::keyClick(d->Combo1()->lineEdit(), Qt::Key_Return);
    else
        Cliquer(d, "TovCommand1");
    QCOMPARE(Pages(pdf), pages);
    QCOMPARE(d->isVisible(), refuse);
    QCOMPARE(b.dialogues.imprimantesDemandees.size(), std::size_t(refuse ? 0 : 1));
    QCOMPARE(b.jeu().ImpressionAvecSolution, refuse);
    QCOMPARE(b.dialogues.messages.size(), std::size_t(refuse ? 1 : 0));
    if (refuse)
        QCOMPARE(QString::fromStdString(b.dialogues.messages[0].texte),
                 QString("Vous pouvez imprimer de 1 à 99 grilles."));
}

// Centred on the main window, frame on frame, from the first showing on: a dialog is hidden
// and shown again, and the player sees it where it was.
void TestDialogImpression::chaqueAffichageAuMemeEndroit_data() {
    QTest::addColumn<bool>("lot");
    QTest::newRow("grille courante") << false;
    QTest::newRow("lot") << true;
}

void TestDialogImpression::chaqueAffichageAuMemeEndroit() {
    QFETCH(bool, lot);
    BancFenetre b({}, true, {}, true);
    auto ouvrir = [&]() -> QDialog * {
        if (lot)
            b.fenetre->OuvrirImpressionMult();
        else
            b.fenetre->CommandeImprimer();
        QDialog *d = lot ? static_cast<QDialog *>(b.fenetre->dialogImpressionMult())
                         : static_cast<QDialog *>(b.fenetre->dialogImpression());
        // Under a window manager, once it has framed the dialog.
        if (d && QTest::qWaitForWindowExposed(d) && QGuiApplication::platformName() == "xcb")
            Attendre([d] { return d->frameGeometry() != d->geometry(); });
        return d;
    };
    QDialog *d = ouvrir();
    QVERIFY(d);
    const QRect premiere = d->frameGeometry();
    const QPoint centre = b.fenetre->frameGeometry().center();
    QVERIFY2((premiere.center() - centre).manhattanLength() <= 2, qPrintable(QStringLiteral("%1,%2 / %3,%4")
                                                                                 .arg(premiere.center().x())
                                                                                 .arg(premiere.center().y())
                                                                                 .arg(centre.x())
                                                                                 .arg(centre.y())));
    for (int fois = 0; fois < 2; ++fois) {
        d->reject();
        QTRY_VERIFY(!d->isVisible());
        QCOMPARE(ouvrir(), d);
        QCOMPARE(d->frameGeometry(), premiere);
    }
}

QTEST_MAIN(TestDialogImpression)
#include "tst_dialogimpression.moc"
