// The command line's table: every command written as the help shows it is read back as that
// command, the manual's synopsis is the help's, and a faulty line is told what is wrong.
#include "commande/LigneCommande.h"

#include <QFile>
#include <QRegularExpression>
#include <QtTest>

using namespace lumio;

class TestLigneCommande : public QObject {
    Q_OBJECT
  private slots:
    void chaqueCommandeSeLitCommeLAideLEcrit();
    void leManuelEtLAideOntLeMemeSynopsis();
    void lesLignesFautivesDisentPourquoi_data();
    void lesLignesFautivesDisentPourquoi();
    void lesOptionsDeQtLuiRestent_data();
    void lesOptionsDeQtLuiRestent();
};

namespace {

std::vector<std::string> Mots(const QString &ligne) {
    std::vector<std::string> v;
    for (const QString &m : ligne.split(' ', Qt::SkipEmptyParts))
        v.push_back(m.toStdString());
    return v;
}

// The synopsis lines of a manual page's source, as a terminal shows them: fonts dropped,
// alternating-font macros joined without blanks, escapes resolved.
QStringList SynopsisDuManuel(const QString &source) {
    QStringList lignes;
    QString courante;
    bool dedans = false;
    for (const QString &l : source.split('\n')) {
        if (l.startsWith(".SH")) {
            if (dedans) break;
            dedans = l.contains("SYNOPSIS");
            continue;
        }
        if (!dedans) continue;
        if (l == ".br") {
            lignes << courante.simplified();
            courante.clear();
            continue;
        }
        const QString macro = l.section(' ', 0, 0);
        QString reste = l.section(' ', 1);
        reste.replace("\\-", "-");
        // Arguments, a quoted one kept whole.
        QStringList args;
        for (const QRegularExpressionMatch &m :
             QRegularExpression(R"re("([^"]*)"|(\S+))re").globalMatch(reste))
            args << (m.captured(1).isNull() ? m.captured(2) : m.captured(1));
        const bool alterne = macro.size() == 3;
        courante += ' ' + args.join(alterne ? QString() : QStringLiteral(" "));
    }
    if (!courante.trimmed().isEmpty()) lignes << courante.simplified();
    return lignes;
}

} // namespace

void TestLigneCommande::chaqueCommandeSeLitCommeLAideLEcrit() {
    for (const CommandeLigne &c : Commandes()) {
        // The synopsis itself, each placeholder taken as a value and every option given.
        std::vector<std::string> mots = Mots(QString::fromStdString(Synopsis(c)).remove('[').remove(']'));
        mots.erase(mots.begin());
        if (c.noms.size() > 1) mots.erase(mots.begin() + 1, mots.begin() + 3); // "-h | --help"
        const AppelLigne appel = LireLigne(mots);
        QVERIFY2(appel.erreur.empty(), appel.erreur.c_str());
        QCOMPARE(appel.commande, &c);
        for (const OptionLigne &o : c.options)
            QVERIFY2(appel.A(o.nom), o.nom);
        QCOMPARE(int(appel.arguments.size()), c.argumentsMax);
        QVERIFY2(TexteAide().find(Synopsis(c) + "\n") != std::string::npos, Synopsis(c).c_str());
    }
}

void TestLigneCommande::leManuelEtLAideOntLeMemeSynopsis() {
    QFile manuel(LUMIO_TEST_DATA "/../../resources/bureau/sudoku-lumio.6.in");
    QVERIFY(manuel.open(QIODevice::ReadOnly));
    QStringList aide;
    for (const CommandeLigne &c : Commandes())
        aide << QString::fromStdString(Synopsis(c));
    const QStringList synopsis = SynopsisDuManuel(QString::fromUtf8(manuel.readAll()));
    // The manual writes placeholders in italics, the help in capitals.
    QCOMPARE(synopsis.join('\n').toLower(), aide.join('\n').toLower());
}

void TestLigneCommande::lesLignesFautivesDisentPourquoi_data() {
    QTest::addColumn<QString>("ligne");
    QTest::addColumn<QString>("erreur");
    QTest::newRow("option d'une autre commande")
        << "--imprimer x.pdf --sans-solutions"
        << "--sans-solutions ne s'emploie qu'avec --imprimer-grilles.";
    QTest::newRow("option d'impression sans commande") << "--niveau 2"
                                                       << "--niveau ne s'emploie qu'avec --imprimer-grilles.";
    QTest::newRow("option inconnue") << "--resoudre - --solution"
                                     << "option inconnue « --solution ».";
    QTest::newRow("tiret seul inconnu") << "-x"
                                        << "option inconnue « -x ».";
    QTest::newRow("valeur manquante") << "--imprimer-grilles 3 x.pdf --niveau"
                                      << "--niveau attend 1-4.";
    QTest::newRow("valeur d'une commande manquante") << "--capture"
                                                     << "--capture attend IMAGE.png.";
    QTest::newRow("valeur collée à un interrupteur") << "--version=2"
                                                     << "--version ne prend pas de valeur.";
    QTest::newRow("deux commandes") << "--capture x.png --resoudre -"
                                    << "--capture et --resoudre ne s'emploient pas ensemble.";
    QTest::newRow("arguments manquants") << "--imprimer-grilles 3"
                                         << "--imprimer-grilles attend N FICHIER.pdf.";
    QTest::newRow("argument de trop")
        << "--imprimer x.pdf a.sdk b.sdk"
        << "« b.sdk » est de trop : sudoku-lumio --imprimer FICHIER.pdf [--avec-solution] [PARTIE.sdk].";
    QTest::newRow("l'aide l'emporte") << "--capture x.png --resoudre - --help"
                                      << "";
    QTest::newRow("après --, des fichiers") << "-- --niveau"
                                            << "";
    QTest::newRow("un nombre négatif est un argument") << "--imprimer-grilles -3 x.pdf"
                                                       << "";
    QTest::newRow("valeur collée") << "--capture=x.png jeu.sdk"
                                   << "";
}

void TestLigneCommande::lesLignesFautivesDisentPourquoi() {
    QFETCH(QString, ligne);
    QFETCH(QString, erreur);
    QCOMPARE(QString::fromStdString(LireLigne(Mots(ligne)).erreur), erreur);
}

void TestLigneCommande::lesOptionsDeQtLuiRestent_data() {
    QTest::addColumn<QString>("ligne");
    QTest::addColumn<QString>("commande");
    QTest::addColumn<int>("arguments");
    QTest::newRow("-platform") << "-platform offscreen jeu.sdk"
                               << "" << 1;
    QTest::newRow("--platform") << "--platform xcb --capture x.png"
                                << "--capture" << 0;
    QTest::newRow("-style=") << "-style=fusion -reverse"
                             << "" << 0;
    QTest::newRow("--session") << "--session 1234_5 jeu.sdk"
                               << "" << 1;
}

void TestLigneCommande::lesOptionsDeQtLuiRestent() {
    QFETCH(QString, ligne);
    QFETCH(QString, commande);
    QFETCH(int, arguments);
    const AppelLigne appel = LireLigne(Mots(ligne));
    QVERIFY2(appel.erreur.empty(), appel.erreur.c_str());
    QCOMPARE(QString(appel.commande->noms.empty() ? "" : appel.commande->noms.front()), commande);
    QCOMPARE(int(appel.arguments.size()), arguments);
}

QTEST_APPLESS_MAIN(TestLigneCommande)
#include "tst_lignecommande.moc"
