// The "&?" menu: the about window, what the links hand to the platform, and the help window.
#include "BancFenetre.h"
#include "Courriel.h"
#include "fenetres/Form1.h"
#include "fenetres/frmAide.h"
#include "plateforme/Liens.h"

#include <QAction>
#include <QDesktopServices>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QListWidget>
#include <QRegularExpression>
#include <QScreen>
#include <QStandardPaths>
#include <QtTest>
#include <sys/stat.h>
#include <sys/sysmacros.h>

using namespace lumio;
using namespace lumio::test;

// Stands for the mail program and the browser: keeps every URL the game asks the platform to open.
class Plateforme : public QObject {
    Q_OBJECT
  public:
    Plateforme() {
        for (const char *s : {"mailto", "http", "https"})
            QDesktopServices::setUrlHandler(s, this, "Ouvrir");
    }
    ~Plateforme() override {
        for (const char *s : {"mailto", "http", "https"})
            QDesktopServices::unsetUrlHandler(s);
    }
    QStringList recus; // as encoded, the text the platform would pass on
  public slots:
    void Ouvrir(const QUrl &u) { recus << QString::fromLatin1(u.toEncoded()); }
};

namespace {

QString LienMenu() {
    return "mailto:" + AdresseContact() + "?Subject=Sudoku-Lumio";
}

frmAide *FenetreAide(frmMain &f) {
    return f.findChild<frmAide *>(QString(), Qt::FindDirectChildrenOnly);
}

} // namespace

class TestAide : public QObject {
    Q_OBJECT
  private slots:
    void aProposOuvreForm1EnModalEtFermerLeReferme();
    void chaqueLienDonneAuSystemeSonAdresseExacte_data();
    void chaqueLienDonneAuSystemeSonAdresseExacte();
    void leMailArriveCaractereACaractere_data();
    void leMailArriveCaractereACaractere();
    void sousXLeProgrammePasseLesLiensAXdgOpen();
    void lAideEtF1OuvrentLaFenetreDAideSurSonAccueil_data();
    void lAideEtF1OuvrentLaFenetreDAideSurSonAccueil();
    void chercherCrayonTrouveLaPageDesMarquesAuCrayon();
    void lesLiensDesPagesMenentTousQuelquePart();
    void uneAideAbsenteOuIllisibleLeDit_data();
    void uneAideAbsenteOuIllisibleLeDit();
};

void TestAide::aProposOuvreForm1EnModalEtFermerLeReferme() {
    BancFenetre b;
    QWidget *vu = nullptr;
    bool visibleApres = true;
    QuandModal([&](QWidget *w) {
        vu = w;
        QCOMPARE(w->objectName(), QString("Form1"));
        QCOMPARE(w->windowTitle(), QString("A propos"));
        QCOMPARE(w->minimumSize(), w->maximumSize());
        const QStringList noms{"Label1", "Label10", "Label6", "Label5", "Label7", "Label4"};
        const QStringList textes{" Sudoku-Lumio",  "V 3.3", "Site",
                                 AdressePageWeb(), "Email", AdresseContact()};
        for (int i = 0; i < noms.size(); ++i)
            QCOMPARE(w->findChild<QLabel *>(noms[i])->text(), textes[i]);
        QVERIFY(!w->findChild<QLabel *>("Image3")->pixmap().isNull());
        const QRect ecran = w->screen()->geometry();
        QCOMPARE(w->frameGeometry().left(), ecran.left() + (ecran.width() - w->frameGeometry().width()) / 2);
        QWidget *fermer = w->findChild<QWidget *>("TovCommand2");
        QCOMPARE(fermer->geometry(), QRect(168, 163, 113, 17));
        QTest::mouseClick(fermer, Qt::LeftButton, {}, fermer->rect().center());
        visibleApres = w->isVisible();
    });
    b.fenetre->Action("Apropos")->trigger();
    QVERIFY(vu);
    QVERIFY(!visibleApres);
}

void TestAide::chaqueLienDonneAuSystemeSonAdresseExacte_data() {
    QTest::addColumn<QString>("geste");
    QTest::addColumn<bool>("mail");
    QTest::newRow("clic sur Label4") << "Label4" << true;
    QTest::newRow("Entrée sur Label4") << "Label4 Entrée" << true;
    QTest::newRow("Contacter l'auteur") << "mnuContactAuteur" << true;
    QTest::newRow("clic sur Label5") << "Label5" << false;
    QTest::newRow("clic sur Label6") << "Label6" << false;
    QTest::newRow("clic sur Image1") << "Image1" << false;
}

void TestAide::chaqueLienDonneAuSystemeSonAdresseExacte() {
    QFETCH(QString, geste);
    QFETCH(bool, mail);
    Plateforme plateforme;
    BancFenetre b;
    Form1 apropos(b.fenetre.get());
    apropos.show();
    const QString nom = geste.section(' ', 0, 0);
    if (nom == "mnuContactAuteur") {
        b.fenetre->Action(nom)->trigger();
    } else if (nom == "Image1") {
        auto *image = b.fenetre->findChild<QWidget *>(nom);
        QTest::mouseClick(image, Qt::LeftButton, {}, image->rect().center());
    } else if (geste.endsWith("Entrée")) {
        QTest::keyClick(apropos.findChild<QWidget *>(nom), Qt::Key_Return);
    } else {
        auto *lien = apropos.findChild<QWidget *>(nom);
        QTest::mouseClick(lien, Qt::LeftButton, {}, lien->rect().center());
    }
    QCOMPARE(plateforme.recus, QStringList{mail ? LienMenu() : AdressePageWeb()});
}

// Whatever the parts hold, the mail program decodes exactly the link that was built.
void TestAide::leMailArriveCaractereACaractere_data() {
    QTest::addColumn<QString>("cc");
    QTest::addColumn<QString>("sujet");
    QTest::addColumn<QString>("corps");
    QTest::newRow("sujet seul") << ""
                                << "Sudoku-Lumio"
                                << "";
    QTest::newRow("espaces et &") << "a b"
                                  << "Une & deux"
                                  << "x=1&y=2";
    QTest::newRow("accents, %, #, guillemets") << ""
                                               << "Grille é à 100 % #3"
                                               << "\"Bonjour\" <moi>";
    QTest::newRow("%41 reste %41") << ""
                                   << "%41%2"
                                   << "";
}

void TestAide::leMailArriveCaractereACaractere() {
    QFETCH(QString, cc);
    QFETCH(QString, sujet);
    QFETCH(QString, corps);
    Plateforme plateforme;
    SendMail("a@b.example", cc.toStdString(), "", sujet.toStdString(), corps.toStdString());
    QCOMPARE(plateforme.recus.size(), 1);
    const QString recu = plateforme.recus.first();
    // No blank (the launcher would split the command) and no "#" (the rest would be lost).
    QVERIFY2(!recu.contains(' ') && !recu.contains('#'), qPrintable(recu));
    const std::string lien =
        LienSendMail("a@b.example", cc.toStdString(), "", sujet.toStdString(), corps.toStdString());
    QCOMPARE(QUrl::fromPercentEncoding(recu.toLatin1()), QString::fromStdString(lien));
}

// The real route, on a real X display: the program hands the desktop's opener the exact texts.
void TestAide::sousXLeProgrammePasseLesLiensAXdgOpen() {
    if (QStandardPaths::findExecutable("Xvfb").isEmpty() ||
        QStandardPaths::findExecutable("xdotool").isEmpty())
        QSKIP("Xvfb ou xdotool absent");
    QTemporaryDir dossier;
    const QString recus = dossier.filePath("recus.txt");
    QFile ouvreur(dossier.filePath("xdg-open"));
    QVERIFY(ouvreur.open(QIODevice::WriteOnly));
    ouvreur.write(QString("#!/bin/sh\nprintf '%s\\n' \"$*\" >> '%1'\n").arg(recus).toUtf8());
    ouvreur.close();
    ouvreur.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QProcess x;
    x.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
    QTRY_VERIFY_WITH_TIMEOUT(x.canReadLine() || x.state() == QProcess::NotRunning, 15000);
    const QString ecran = ":" + QString::fromLatin1(x.readLine()).trimmed();
    QVERIFY2(ecran.size() > 1, "Xvfb ne donne pas son écran");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("QT_QPA_PLATFORM");
    env.insert("DISPLAY", ecran);
    env.insert("PATH", dossier.path() + ":" + env.value("PATH"));
    env.insert("XDG_CONFIG_HOME", dossier.filePath("config"));
    JeuPilote pilote(env);
    auto xdotool = [&](const QStringList &args) { return pilote.Xdotool(args); };
    const QString fenetre = pilote.fenetre;
    QVERIFY(!fenetre.isEmpty());
    auto lus = [&] {
        QFile f(recus);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts)
                                           : QStringList();
    };
    // "Contacter l'auteur" from the menu, then "Site" of the about window, with the keyboard.
    xdotool({"windowfocus", "--sync", fenetre});
    xdotool({"key", "--delay", "150", "alt+question", "c"});
    QTRY_COMPARE_WITH_TIMEOUT(lus().size(), 1, 10000);
    xdotool({"key", "--delay", "150", "alt+question", "p"});
    xdotool({"search", "--sync", "--onlyvisible", "--name", "^A propos$"});
    xdotool({"key", "--delay", "150", "Tab", "Return", "Escape"});
    QTRY_COMPARE_WITH_TIMEOUT(lus().size(), 2, 10000);
    QCOMPARE(lus(), (QStringList{LienMenu(), AdressePageWeb()}));
    pilote.jeu.kill();
    pilote.jeu.waitForFinished(5000);
    x.terminate();
    x.waitForFinished(5000);
}

void TestAide::lAideEtF1OuvrentLaFenetreDAideSurSonAccueil_data() {
    QTest::addColumn<bool>("parF1");
    QTest::newRow("menu Aide") << false;
    QTest::newRow("touche F1") << true;
}

void TestAide::lAideEtF1OuvrentLaFenetreDAideSurSonAccueil() {
    QFETCH(bool, parF1);
    BancFenetre b({}, true, {}, true);
    if (parF1)
        QTest::keyClick(b.fenetre->CoupN(), Qt::Key_F1);
    else
        b.fenetre->Action("Aide")->trigger();
    QVERIFY(b.dialogues.messages.empty());
    frmAide *aide = FenetreAide(*b.fenetre);
    QVERIFY(aide);
    QTRY_VERIFY(aide->isVisible());
    QCOMPARE(aide->Navigateur()->source(), aide->PageAccueil());
    QCOMPARE(aide->Navigateur()->documentTitle(), QString("Bienvenue dans Sudoku Lumio"));
    // The picture of the page comes from the compiled help, as wide as the page allows.
    const QVariant image = aide->Navigateur()->loadResource(
        QTextDocument::ImageResource, aide->PageAccueil().resolved(QUrl("images/fenetre-jeu.png")));
    const qreal largeur = image.value<QImage>().deviceIndependentSize().width();
    QVERIFY2(largeur >= 240 && largeur < aide->Navigateur()->viewport()->width(),
             qPrintable(QString::number(largeur)));
    auto *sommaire = aide->findChild<QHelpContentWidget *>("Sommaire");
    QTRY_COMPARE(sommaire->model()->rowCount(sommaire->model()->index(0, 0)), 16);
    // Every title of the contents whole, even on this small screen (the window takes 90 % of
    // it); the page's picture still fits the page that is left.
    QTRY_VERIFY(sommaire->isExpanded(sommaire->model()->index(0, 0)));
    QApplication::processEvents();
    const QModelIndex racine = sommaire->model()->index(0, 0);
    for (int i = -1; i < sommaire->model()->rowCount(racine); ++i) {
        const QModelIndex titre = i < 0 ? racine : sommaire->model()->index(i, 0, racine);
        const int texte = sommaire->fontMetrics().horizontalAdvance(titre.data().toString());
        QVERIFY2(sommaire->visualRect(titre).width() >= texte + 6, qPrintable(titre.data().toString()));
    }
    const QVariant reduite = aide->Navigateur()->loadResource(
        QTextDocument::ImageResource, aide->PageAccueil().resolved(QUrl("images/fenetre-jeu.png")));
    QVERIFY(reduite.value<QImage>().deviceIndependentSize().width() <
            aide->Navigateur()->viewport()->width());
    // A second request brings the same window back to its first page.
    aide->Navigateur()->setSource(aide->PageAccueil().resolved(QUrl("options.html")));
    b.fenetre->Action("Aide")->trigger();
    QCOMPARE(b.fenetre->findChildren<frmAide *>().size(), 1);
    QCOMPARE(aide->Navigateur()->source(), aide->PageAccueil());
}

void TestAide::chercherCrayonTrouveLaPageDesMarquesAuCrayon() {
    BancFenetre b;
    b.fenetre->AfficherAide();
    frmAide *aide = FenetreAide(*b.fenetre);
    QVERIFY(aide);
    aide->Rechercher("crayon");
    QTRY_VERIFY(aide->Resultats()->count() > 0);
    QListWidgetItem *page = nullptr;
    for (int i = 0; i < aide->Resultats()->count(); ++i)
        if (aide->Resultats()->item(i)->text() == "La palette et les marques au crayon")
            page = aide->Resultats()->item(i);
    QVERIFY(page);
    emit aide->Resultats()->itemActivated(page);
    QVERIFY(aide->Navigateur()->source().path().endsWith("/crayon.html"));
    QVERIFY(aide->Navigateur()->textCursor().selectedText().compare("crayon", Qt::CaseInsensitive) == 0);
    // The index has the word too.
    auto *index = aide->findChild<QHelpIndexWidget *>("Index");
    index->filterIndices("crayon");
    QTRY_VERIFY(index->model()->rowCount() >= 1);
}

// Every link and picture of every page leads to a file of the help.
void TestAide::lesLiensDesPagesMenentTousQuelquePart() {
    QString raison;
    auto moteur =
        frmAide::ChargerCollection(QCoreApplication::applicationDirPath() + "/Aide/Aide-Sudoku.qhc", raison);
    QVERIFY2(moteur, qPrintable(raison));
    const QString espace = moteur->registeredDocumentations().value(0);
    const QList<QUrl> pages = moteur->files(espace, QString(), "html");
    QCOMPARE(pages.size(), 17);
    const QRegularExpression cible("(?:href|src)=\"([^\"#:]+)\"");
    for (const QUrl &page : pages) {
        const QString html = QString::fromUtf8(moteur->fileData(page));
        for (auto m = cible.globalMatch(html); m.hasNext();) {
            const QUrl u = page.resolved(QUrl(m.next().captured(1)));
            QVERIFY2(!moteur->fileData(u).isEmpty(), qPrintable(page.fileName() + " → " + u.toString()));
        }
    }
}

void TestAide::uneAideAbsenteOuIllisibleLeDit_data() {
    QTest::addColumn<QString>("contenu");
    QTest::addColumn<QString>("attendu");
    QTest::newRow("absente") << ""
                             << "L'aide est introuvable : le fichier Aide-Sudoku.qhc n'est dans aucun";
    QTest::newRow("abîmée") << "pas une aide"
                            << "L'aide ne peut pas être ouverte : le fichier ";
    QTest::newRow("un dossier") << "/"
                                << "ce n'est pas un fichier.";
    // The help read by its database engine, which would wait for ever on a pipe or read a
    // device to its end: the collection, its pages and its search index are each refused.
    QTest::newRow("collection, un tube") << "tube:Aide-Sudoku.qhc"
                                         << "ce n'est pas un fichier.";
    QTest::newRow("pages, un tube") << "tube:Aide-Sudoku.qch"
                                    << "ses pages, « Aide-Sudoku.qch », est un tube.";
    QTest::newRow("pages, un périphérique") << "périphérique:Aide-Sudoku.qch"
                                            << "ses pages, « Aide-Sudoku.qch », est un périphérique.";
    QTest::newRow("pages, un dossier") << "dossier:Aide-Sudoku.qch"
                                       << "ses pages, « Aide-Sudoku.qch », est un dossier.";
    QTest::newRow("index, un tube") << "tube:.Aide-Sudoku/fts"
                                    << "son index de recherche, « fts », est un tube.";
}

void TestAide::uneAideAbsenteOuIllisibleLeDit() {
    QFETCH(QString, contenu);
    QFETCH(QString, attendu);
    BancFenetre b;
    const QString chemin = b.dossier.filePath("Aide-Sudoku.qhc");
    if (contenu.contains(':')) {
        // The help built with the game, copied, one of its files replaced.
        const QString source = QCoreApplication::applicationDirPath() + "/Aide/";
        for (const char *f : {"Aide-Sudoku.qhc", "Aide-Sudoku.qch", ".Aide-Sudoku/fts"}) {
            QDir().mkpath(QFileInfo(b.dossier.filePath(f)).path());
            QVERIFY(QFile::copy(source + f, b.dossier.filePath(f)));
        }
        const QString genre = contenu.section(':', 0, 0);
        const QByteArray f = QFile::encodeName(b.dossier.filePath(contenu.section(':', 1)));
        QVERIFY(QFile::remove(QFile::decodeName(f)));
        if (genre == "dossier") {
            QVERIFY(QDir().mkdir(QFile::decodeName(f)));
        } else if (genre == "tube") {
            QCOMPARE(::mkfifo(f.constData(), 0600), 0);
        } else if (::mknod(f.constData(), S_IFCHR | 0600, makedev(1, 5)) != 0) {
            // A device node of its own, made in the test's folder; only root may.
            QSKIP("no device node can be made here (mknod needs root)");
        }
    } else if (contenu == "/") {
        QDir().mkpath(chemin);
    } else if (!contenu.isEmpty()) {
        QFile f(chemin);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(contenu.toUtf8()) > 0);
    }
    b.fenetre->AfficherAide(chemin);
    QVERIFY(!FenetreAide(*b.fenetre));
    QCOMPARE(b.dialogues.messages.size(), std::size_t(1));
    const Message &m = b.dialogues.messages[0];
    QVERIFY2(QString::fromStdString(m.texte).contains(attendu), m.texte.c_str());
    QCOMPARE(int(m.icone), int(Icone::Critique));
}

QTEST_MAIN(TestAide)
#include "tst_aide.moc"
