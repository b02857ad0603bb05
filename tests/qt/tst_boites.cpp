// The game's message and input boxes are wide enough for the window manager to show their whole
// title beside the frame's icon and buttons, however short their text.
#include "BancFenetre.h"

#include <QElapsedTimer>
#include <QFontMetrics>
#include <QInputDialog>
#include <QMessageBox>
#include <QWindow>
#include <QtTest>

using namespace lumio;
using namespace lumio::test;

class TestBoites : public QObject {
    Q_OBJECT
  private slots:
    void chaqueBoiteEstAussiLargeQueSonTitre_data();
    void chaqueBoiteEstAussiLargeQueSonTitre();
};

void TestBoites::chaqueBoiteEstAussiLargeQueSonTitre_data() {
    QTest::addColumn<bool>("saisie");
    QTest::addColumn<QString>("titre");
    QTest::addColumn<QString>("texte");
    QTest::newRow("message court") << false << "Sudoku"
                                   << "La grille est vide !";
    QTest::newRow("titre long") << false << "Sudoku Lumio"
                                << "Oui ?";
    QTest::newRow("saisie") << true << "Sudoku Lumio - Nouveau record"
                            << "Nom :";
}

void TestBoites::chaqueBoiteEstAussiLargeQueSonTitre() {
    QFETCH(bool, saisie);
    QFETCH(QString, titre);
    QFETCH(QString, texte);
    BancFenetre b({}, true, {}, true);
    b.dialogues.vraisMessages = b.dialogues.vraieSaisie = true;
    QRect cadre;
    QuandModal([&](QWidget *boite) {
        // Framed by the window manager some moments after it shows. The frame is read from the
        // native window: the widget's own copy of it may lag behind for a moment (once seen as
        // 1 x 1 pixels under a loaded machine while the window stood framed, 358 pixels wide).
        const QWindow *natif = boite->windowHandle();
        QElapsedTimer t;
        t.start();
        while (QGuiApplication::platformName() == "xcb" && (!natif || natif->frameMargins().isNull()) &&
               t.elapsed() < 5000)
            QTest::qWait(10);
        QTest::qWait(50);
        cadre = natif ? natif->frameGeometry() : boite->frameGeometry();
    });
    if (saisie)
        b.fenetre->BoiteSaisie(texte.toStdString(), titre.toStdString(), "", 0, 0, "");
    else
        b.fenetre->BoiteMessage(
            Message{texte.toStdString(), Boutons::Ok, Icone::Aucune, titre.toStdString()});
    QFont gras = QApplication::font();
    gras.setBold(true);
    // The frame's icon, its three buttons and their margins take about six times the title bar's
    // height (openbox cut "Sudoku" to "Su…ku" in a box 155 pixels wide, its bar 20 high).
    const int barre = b.fenetre->geometry().top() - b.fenetre->frameGeometry().top();
    const int boutons = 6 * (barre > 0 ? barre : QFontMetrics(gras).height());
    QVERIFY2(cadre.width() >= QFontMetrics(gras).horizontalAdvance(titre) + boutons,
             qPrintable(QStringLiteral("%1 < %2 + %3")
                            .arg(cadre.width())
                            .arg(QFontMetrics(gras).horizontalAdvance(titre))
                            .arg(boutons)));
}

QTEST_MAIN(TestBoites)
#include "tst_boites.moc"
