// Saving games through the real main window: the question before replacing a file, failed saves
// that keep the old file, cancelled dialogs, and the real file dialog, in French.
#include "BancSauvegarde.h"
#include "plateforme/Traductions.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLabel>
#include <QListView>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTreeView>
#include <QWindow>
#include <QtTest>

#include <atomic>
#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace lumio;
using namespace lumio::test;

class TestSauvegardeEnregistrement : public QObject {
    Q_OBJECT

    QTemporaryDir dossier_;
    QString Chemin(const QString &nom) const { return dossier_.filePath(nom); }

  private slots:
    void lEcrasementDemandeConfirmation_data();
    void lEcrasementDemandeConfirmation();
    void unEnregistrementRateGardeLAncienFichier_data();
    void unEnregistrementRateGardeLAncienFichier();
    void annulerOuChercherNeFaitRien_data();
    void annulerOuChercherNeFaitRien();
    void lesDialoguesPartentDuDossierDesParties();
    void leVraiDialogueMontreTousLesFichiers_data();
    void leVraiDialogueMontreTousLesFichiers();
    void leVraiDialogueParleFrancais_data();
    void leVraiDialogueParleFrancais();
};

void TestSauvegardeEnregistrement::lEcrasementDemandeConfirmation_data() {
    QTest::addColumn<bool>("remplace");
    QTest::newRow("non") << false;
    QTest::newRow("oui") << true;
}

void TestSauvegardeEnregistrement::lEcrasementDemandeConfirmation() {
    QFETCH(bool, remplace);
    const QString fichier = Chemin("ancien.sdk");
    const QByteArray ancien = "une ancienne partie";
    Ecrire(fichier, ancien);
    BancFenetre b;
    b.dialogues.reponsesFichier = {fichier};
    b.dialogues.reponses = {remplace ? Reponse::Oui : Reponse::Non};
    Declencher(b, "Enregistrer");
    QCOMPARE(b.dialogues.messages.size(), std::size_t(1));
    const Message &m = b.dialogues.messages[0];
    QCOMPARE(m.texte, std::string("Ecraser le fichier existant ?"));
    QCOMPARE(m.boutons, Boutons::OuiNon);
    QCOMPARE(m.icone, Icone::Question);
    QCOMPARE(m.titre, std::string("Sudoku"));
    QVERIFY(m.nonParDefaut);
    QCOMPARE(Lire(fichier), remplace ? VersTableau(EcrirePartie(b.jeu())) : ancien);
    QCOMPARE(Contenu(dossier_.path()).filter("ancien"), QStringList{"ancien.sdk"});
    QVERIFY(FocusSurCoupN(b));
}

void TestSauvegardeEnregistrement::unEnregistrementRateGardeLAncienFichier_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<bool>("ancien");
    QTest::addColumn<int>("limiteOctets"); // 0: no limit on the size of written files
    QTest::addColumn<bool>("interdit");
    QTest::newRow("dossier absent") << "absent/partie.sdk" << false << 0 << false;
    QTest::newRow("sous un fichier ordinaire") << "ordinaire.txt/partie.sdk" << false << 0 << false;
    QTest::newRow("un dossier à la place du fichier") << "partie.sdk" << false << 0 << false;
    QTest::newRow("écriture interrompue") << "partie.sdk" << true << 1000 << false;
    QTest::newRow("dossier en lecture seule") << "partie.sdk" << true << 0 << true;
}

void TestSauvegardeEnregistrement::unEnregistrementRateGardeLAncienFichier() {
    QFETCH(QString, nom);
    QFETCH(bool, ancien);
    QFETCH(int, limiteOctets);
    QFETCH(bool, interdit);
    if (interdit && geteuid() == 0) QSKIP("permission bits do not stop root");
    QTemporaryDir ici;
    const QString fichier = ici.filePath(nom);
    const QByteArray contenuAncien = "la partie d'hier";
    Ecrire(ici.filePath("ordinaire.txt"), "texte");
    if (ancien)
        Ecrire(fichier, contenuAncien);
    else if (nom == "partie.sdk")
        QVERIFY(QDir(ici.path()).mkdir(nom));
    if (interdit) QFile::setPermissions(ici.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const QStringList avant = Contenu(ici.path());

    BancFenetre b;
    PreparerPartieEnCours(b, 1);
    const Etat etatAvant = Etat::De(b);
    rlimit ancienneLimite{};
    getrlimit(RLIMIT_FSIZE, &ancienneLimite);
    auto ancienSignal = std::signal(SIGXFSZ, SIG_IGN);
    if (limiteOctets) {
        rlimit l = ancienneLimite;
        l.rlim_cur = rlim_t(limiteOctets);
        setrlimit(RLIMIT_FSIZE, &l);
    }
    const bool reussi = b.fenetre->EnregistrerFichier(fichier);
    setrlimit(RLIMIT_FSIZE, &ancienneLimite);
    std::signal(SIGXFSZ, ancienSignal);
    if (interdit) QFile::setPermissions(ici.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QVERIFY(!reussi);
    // Replacing is asked only of a file: a folder is refused before any question.
    QCOMPARE(b.dialogues.messages.size(), std::size_t(ancien ? 2 : 1));
    VerifierMessage(b.dialogues.messages.back(), "Impossible d'enregistrer la partie.");
    if (ancien) QCOMPARE(Lire(fichier), contenuAncien);
    // No half-written file is left behind, beside the old one or in its place.
    QCOMPARE(Contenu(ici.path()), avant);
    ComparerEtats(Etat::De(b), etatAvant);
}

void TestSauvegardeEnregistrement::annulerOuChercherNeFaitRien_data() {
    QTest::addColumn<QString>("commande");
    QTest::addColumn<bool>("recherche");
    QTest::newRow("ouvrir annulé") << "Ouvrir" << false;
    QTest::newRow("enregistrer annulé") << "Enregistrer" << false;
    QTest::newRow("ouvrir pendant une recherche") << "Ouvrir" << true;
    QTest::newRow("enregistrer pendant une recherche") << "Enregistrer" << true;
}

void TestSauvegardeEnregistrement::annulerOuChercherNeFaitRien() {
    QFETCH(QString, commande);
    QFETCH(bool, recherche);
    BancFenetre b;
    PreparerPartieEnCours(b, 1);
    const Etat avant = Etat::De(b);
    b.jeu().RechercheEnCours = recherche;
    if (recherche) b.dialogues.reponsesFichier = {LUMIO_TEST_DATA "/jeu_ecrit.sdk"};
    Declencher(b, commande);
    b.jeu().RechercheEnCours = false;
    QCOMPARE(b.dialogues.fichiersDemandes.size(), std::size_t(recherche ? 0 : 1));
    QVERIFY(b.dialogues.messages.empty());
    ComparerEtats(Etat::De(b), avant);
}

void TestSauvegardeEnregistrement::lesDialoguesPartentDuDossierDesParties() {
    const QString parties = QCoreApplication::applicationDirPath() + "/Parties";
    const bool existait = QFileInfo(parties).isDir();
    if (!existait) {
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QCOMPARE(frmMain::DossierParties(), QFileInfo(documents).isDir() ? documents : QDir::homePath());
        QVERIFY(QDir().mkdir(parties));
    }
    const QString trouve = frmMain::DossierParties();
    if (!existait) QDir().rmdir(parties);
    QCOMPARE(QFileInfo(trouve).canonicalFilePath(), QFileInfo(parties).canonicalFilePath());
}

void TestSauvegardeEnregistrement::leVraiDialogueMontreTousLesFichiers_data() {
    QTest::addColumn<bool>("enregistrer");
    QTest::addColumn<QString>("titre");
    QTest::newRow("ouvrir") << false << "Ouvrir une partie";
    QTest::newRow("enregistrer") << true << "Enregistrer la partie";
}

void TestSauvegardeEnregistrement::leVraiDialogueMontreTousLesFichiers() {
    QFETCH(bool, enregistrer);
    QFETCH(QString, titre);
    QTemporaryDir ici;
    for (const char *nom : {"sans-point", "une.sdk", "AUTRE.SDK", "notes.txt"})
        Ecrire(ici.filePath(nom), "x");
    const QString choisi = ici.filePath(enregistrer ? "nouvelle" : "une.sdk");
    QStringList tous, parties, filtres;
    QString titreVu, filtreChoisi, dossierVu;
    bool confirmeEcrasement = true, suffixe = true, enregistrement = !enregistrer;
    QuandModal([&](QWidget *w) {
        auto *d = qobject_cast<QFileDialog *>(w);
        if (!d) return;
        titreVu = d->windowTitle();
        dossierVu = d->directory().absolutePath();
        confirmeEcrasement = !d->testOption(QFileDialog::DontConfirmOverwrite);
        suffixe = !d->defaultSuffix().isEmpty();
        enregistrement = d->acceptMode() == QFileDialog::AcceptSave;
        auto *types = d->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
        for (int i = 0; types && i < types->count(); ++i)
            filtres << types->itemText(i);
        filtreChoisi = types ? types->currentText() : QString();
        Attendre([&] { return FichiersVisibles(*d).size() == 2; });
        parties = FichiersVisibles(*d);
        types->setCurrentIndex(0);
        types->activated(0);
        Attendre([&] { return FichiersVisibles(*d).size() == 4; });
        tous = FichiersVisibles(*d);
        // As the player types it: the dialog ignores selectFile while its name field has the focus.
        auto *nom = d->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        if (nom) nom->setText(QFileInfo(choisi).fileName());
        QMetaObject::invokeMethod(d, "accept");
    });
    DialoguesQt vrais;
    const QString rendu = vrais.ChoisirFichier(nullptr, enregistrer, ici.path());
    QCOMPARE(titreVu, titre);
    QCOMPARE(enregistrement, enregistrer);
    QCOMPARE(dossierVu, QDir(ici.path()).absolutePath());
    QCOMPARE(filtres, (QStringList{"Tous les fichiers (*.*)", "Partie Sudoku (*.sdk)"}));
    QCOMPARE(filtreChoisi, QString("Partie Sudoku (*.sdk)"));
    QCOMPARE(parties, (QStringList{"AUTRE.SDK", "une.sdk"}));
    QCOMPARE(tous, (QStringList{"AUTRE.SDK", "notes.txt", "sans-point", "une.sdk"}));
    QVERIFY(!confirmeEcrasement);
    QVERIFY(!suffixe);
    QCOMPARE(rendu, choisi);
}

// Qt's own dialog in French down to the kind of each entry, and the accept button with its
// access key (a desktop's native dialog gets none: see tst_bureaux).
void TestSauvegardeEnregistrement::leVraiDialogueParleFrancais_data() {
    QTest::addColumn<bool>("enregistrer");
    QTest::addColumn<QString>("bouton");
    QTest::newRow("ouvrir") << false << "&Ouvrir";
    QTest::newRow("enregistrer") << true << "&Enregistrer";
}

void TestSauvegardeEnregistrement::leVraiDialogueParleFrancais() {
    QFETCH(bool, enregistrer);
    QFETCH(QString, bouton);
    InstallerTraductions();
    QTemporaryDir ici;
    QVERIFY(QDir(ici.path()).mkdir("dossier"));
    QString genre, texteBouton;
    QStringList colonnes;
    QuandModal([&](QWidget *w) {
        auto *d = qobject_cast<QFileDialog *>(w);
        if (!d) return;
        auto *vue = d->findChild<QTreeView *>(QStringLiteral("treeView"));
        if (!vue || !vue->model()) return;
        Attendre([&] { return vue->model()->rowCount(vue->rootIndex()) == 1; });
        genre = vue->model()->index(0, 2, vue->rootIndex()).data().toString();
        for (int i = 0; i < vue->model()->columnCount(vue->rootIndex()); ++i)
            colonnes << vue->model()->headerData(i, Qt::Horizontal).toString();
        if (auto *boutons = d->findChild<QDialogButtonBox *>())
            texteBouton = boutons->buttons().value(0)->text();
    });
    DialoguesQt().ChoisirFichier(nullptr, enregistrer, ici.path());
    QCOMPARE(genre, QString("Dossier"));
    QCOMPARE(colonnes, (QStringList{"Nom", "Taille", "Type", "Dernière modification"}));
    QCOMPARE(texteBouton, bouton);
}

QTEST_MAIN(TestSauvegardeEnregistrement)
#include "tst_sauvegarde_enregistrement.moc"
