// Printing from the command line, read back from the PDF files with the poppler tools: pages,
// paper, titles, where the grids stand on the sheet, and the digits of puzzles and solutions.
#include "BancFenetre.h"
#include "ChoixImprimante.h"

#include <QtTest>
#include <cmath>
#include <sys/stat.h>

using namespace lumio;
using namespace lumio::test;

namespace {

struct Resultat {
    int code = -1;
    QString erreurs;
};

QByteArray Outil(const QString &outil, const QStringList &arguments) {
    QProcess p;
    p.start(outil, arguments);
    if (!p.waitForFinished(60000)) qWarning("%s ne répond pas", qPrintable(outil));
    return p.readAllStandardOutput();
}

struct Mot {
    double x, y; // centre, in millimetres from the sheet's top-left corner
    QString texte;
};

// The words of one page, placed.
std::vector<Mot> Mots(const QString &pdf, int page) {
    const QString html = QString::fromUtf8(
        Outil("pdftotext", {"-bbox", "-f", QString::number(page), "-l", QString::number(page), pdf, "-"}));
    static const QRegularExpression mot(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    std::vector<Mot> mots;
    for (auto it = mot.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        const double mm = 25.4 / 72;
        mots.push_back({(m.captured(1).toDouble() + m.captured(3).toDouble()) / 2 * mm,
                        (m.captured(2).toDouble() + m.captured(4).toDouble()) / 2 * mm, m.captured(5)});
    }
    return mots;
}

// The digits of the grid whose top edge is `haut` mm from the top of the sheet.
GrilleChiffres Grille(const std::vector<Mot> &mots, double haut) {
    GrilleChiffres g;
    for (const Mot &m : mots) {
        const int c = int(std::floor((m.x - 20) / 12)) + 1, r = int(std::floor((m.y - haut) / 12)) + 1;
        if (m.texte.size() == 1 && m.texte[0].isDigit() && c >= 1 && c <= 9 && r >= 1 && r <= 9)
            g(c, r) = Chiffre(m.texte.toInt());
    }
    return g;
}

QString Titres(const std::vector<Mot> &mots) {
    QStringList t;
    for (const Mot &m : mots)
        if (m.texte.size() > 1 || !m.texte[0].isDigit() || m.y < 25 || (m.y > 140 && m.y < 175)) t << m.texte;
    return t.join(' ');
}

} // namespace

class TestImpressionPdf : public QObject {
    Q_OBJECT

    QTemporaryDir dossier_;
    QString Chemin(const QString &nom) const { return dossier_.filePath(nom); }

    Resultat Lancer(const QStringList &arguments, bool sansAffichage = false) {
        QProcess p;
        HorsEcran(p, dossier_.path());
        if (sansAffichage) {
            // No display and no platform named: the program must find its own way.
            QProcessEnvironment env = p.processEnvironment();
            env.remove("QT_QPA_PLATFORM");
            env.remove("DISPLAY");
            env.remove("WAYLAND_DISPLAY");
            p.setProcessEnvironment(env);
        }
        p.start(Programme(), arguments);
        if (!p.waitForFinished(60000)) p.kill();
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                QString::fromUtf8(p.readAllStandardError())};
    }

  private slots:
    void unLotDeTroisGrillesEtSesSolutions() {
        const QString pdf = Chemin("lot.pdf");
        const Resultat r = Lancer({"--imprimer-grilles", "3", pdf, "--graine", "7", "--niveau", "2"}, true);
        QCOMPARE(r.code, 0);
        const QString info = QString::fromUtf8(Outil("pdfinfo", {pdf}));
        QVERIFY2(info.contains(QRegularExpression("Pages:\\s+4\\n")), qPrintable(info));
        QVERIFY2(info.contains("(A4)"), qPrintable(info));

        // Puzzles on pages 1 and 2, their solutions on pages 3 and 4; every solution is a valid
        // grid that agrees with each digit of its puzzle.
        const double hauts[] = {25, 175};
        for (int n = 1; n <= 3; ++n) {
            const int page = (n + 1) / 2;
            const auto grilles = Mots(pdf, page), solutions = Mots(pdf, page + 2);
            const double haut = hauts[(n - 1) % 2];
            QVERIFY(Titres(grilles).contains(QString("Grille %1 - Niveau moyen").arg(n)));
            QVERIFY(Titres(solutions).contains(QString("Solution grille %1 - Niveau moyen").arg(n)));
            const GrilleChiffres g = Grille(grilles, haut), s = Grille(solutions, haut);
            QVERIFY(GrilleValide(s));
            int donnees = 0;
            for (int c = 1; c <= 9; ++c)
                for (int k = 1; k <= 9; ++k)
                    if (g(c, k)) {
                        QCOMPARE(g(c, k), s(c, k));
                        ++donnees;
                    }
            QVERIFY(donnees >= 28 && donnees <= 32);
        }
        QVERIFY(Titres(Mots(pdf, 2)).contains("Grille 3") && !Titres(Mots(pdf, 2)).contains("Grille 4"));

        // The same seed gives the same grids again.
        QCOMPARE(
            Lancer({"--imprimer-grilles", "3", Chemin("encore.pdf"), "--graine", "7", "--niveau", "2"}).code,
            0);
        QCOMPARE(Outil("pdftotext", {Chemin("encore.pdf"), "-"}), Outil("pdftotext", {pdf, "-"}));
    }

    void lesGrillesSontPlaceesDepuisLesBordsDeLaFeuille() {
        const QString pdf = Chemin("place.pdf");
        QCOMPARE(Lancer({"--imprimer-grilles", "2", pdf, "--sans-solutions"}).code, 0);
        QVERIFY(QString::fromUtf8(Outil("pdfinfo", {pdf})).contains(QRegularExpression("Pages:\\s+1\\n")));
        // Ten pixels a millimetre: the bold block rules are the dark columns and rows.
        Outil("pdftoppm", {"-gray", "-r", "254", "-png", "-singlefile", pdf, Chemin("page")});
        const QImage page(Chemin("page.png"));
        QVERIFY(page.width() == 2100 && std::abs(page.height() - 2970) <= 1);
        auto Sombre = [&](int x, int y) { return qGray(page.pixel(x, y)) < 100; };
        auto Colonnes = [&](int y) {
            std::vector<int> v;
            for (int x = 0; x < page.width(); ++x)
                if (Sombre(x, y) && (v.empty() || x > v.back() + 30)) v.push_back(x);
            return v;
        };
        auto Lignes = [&](int x) {
            std::vector<int> v;
            for (int y = 0; y < page.height(); ++y)
                if (Sombre(x, y) && (v.empty() || y > v.back() + 30)) v.push_back(y);
            return v;
        };
        // Across the top row of cells above its digits, then down the last column right of them.
        const std::vector<int> colonnes = Colonnes(260), lignes = Lignes(1270);
        QVERIFY(colonnes.size() >= 4 && lignes.size() >= 8);
        auto Pres = [](int px, double mm) { return std::abs(px / 10.0 - mm) <= 0.5; };
        QVERIFY2(Pres(colonnes.front(), 20), qPrintable(QString::number(colonnes.front())));
        QVERIFY2(Pres(colonnes.back(), 128), qPrintable(QString::number(colonnes.back())));
        QVERIFY2(Pres(lignes.front(), 25), qPrintable(QString::number(lignes.front())));
        const auto bas = std::find_if(lignes.begin(), lignes.end(), [](int y) { return y > 1500; });
        QVERIFY(bas != lignes.end());
        QVERIFY2(Pres(*bas, 175), qPrintable(QString::number(*bas)));
        QVERIFY2(Pres(lignes.back(), 283), qPrintable(QString::number(lignes.back())));
    }

    void laGrilleDUnePartieEnregistree() {
        BancFenetre b;
        QVERIFY(b.fenetre->OuvrirFichier(LUMIO_TEST_DATA "/jeu_ecrit.sdk"));
        for (bool solution : {false, true}) {
            const QString pdf = Chemin(solution ? "solution.pdf" : "donnees.pdf");
            QStringList arguments{"--imprimer", pdf, LUMIO_TEST_DATA "/jeu_ecrit.sdk"};
            if (solution) arguments << "--avec-solution";
            QCOMPARE(Lancer(arguments).code, 0);
            const GrilleChiffres g = Grille(Mots(pdf, 1), 15);
            for (int c = 1; c <= 9; ++c)
                for (int r = 1; r <= 9; ++r)
                    QCOMPARE(g(c, r),
                             solution || b.jeu().CasesDonnees(c, r) ? b.jeu().GrilleSolution(c, r) : 0);
        }
        // The start-up game, when no game is named.
        QCOMPARE(Lancer({"--imprimer", Chemin("demarrage.pdf")}).code, 0);
        QVERIFY(QString::fromUtf8(Outil("pdfinfo", {Chemin("demarrage.pdf")}))
                    .contains(QRegularExpression("Pages:\\s+1\\n")));
    }

    void lesDemandesRefuseesNeChangentRien_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        const QString cible = "@cible";
        QTest::newRow("zéro") << QStringList{"--imprimer-grilles", "0", cible}
                              << "Vous pouvez imprimer de 1 à 99 grilles.";
        QTest::newRow("cent") << QStringList{"--imprimer-grilles", "100", cible} << "de 1 à 99 grilles";
        QTest::newRow("négatif") << QStringList{"--imprimer-grilles", "-3", cible} << "de 1 à 99 grilles";
        QTest::newRow("fraction") << QStringList{"--imprimer-grilles", "2.5", cible} << "de 1 à 99 grilles";
        QTest::newRow("niveau 5") << QStringList{"--imprimer-grilles", "2", cible, "--niveau", "5"}
                                  << "Le niveau doit être 1, 2, 3 ou 4.";
        QTest::newRow("niveau absent")
            << QStringList{"--imprimer-grilles", "2", cible, "--niveau"} << "attend une valeur";
        QTest::newRow("graine") << QStringList{"--imprimer-grilles", "2", cible, "--graine", "x"}
                                << "nombre entier";
        QTest::newRow("sans fichier")
            << QStringList{"--imprimer-grilles", "2"} << "un nombre de grilles et un fichier";
        QTest::newRow("option inconnue")
            << QStringList{"--imprimer", cible, "--sans-solutions"} << "Option inconnue";
        QTest::newRow("partie absente")
            << QStringList{"--imprimer", cible, "@absent.sdk"} << "elle n'existe pas";
        QTest::newRow("partie tube") << QStringList{"--imprimer", cible, "@tube"}
                                     << "ce n'est pas un fichier";
        QTest::newRow("partie abîmée")
            << QStringList{"--imprimer", cible, "@abime.sdk"} << "n'est pas une partie de Sudoku valide";
        QTest::newRow("pas un PDF") << QStringList{"--imprimer-grilles", "1", "@texte.txt"}
                                    << "n'est pas un PDF";
        QTest::newRow("dossier") << QStringList{"--imprimer-grilles", "1", "@dossier"} << "c'est un dossier";
        QTest::newRow("tube") << QStringList{"--imprimer-grilles", "1", "@tube"}
                              << "pas un fichier ordinaire";
        QTest::newRow("dossier absent")
            << QStringList{"--imprimer-grilles", "1", "@nulle-part/x.pdf"} << "Impossible d'écrire";
    }
    void lesDemandesRefuseesNeChangentRien() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        QTemporaryDir ici;
        const QByteArray ancien = "%PDF-1.4 le PDF d'avant\n", texte = "des notes à garder\n";
        auto Ecrire = [&](const QString &nom, const QByteArray &octets) {
            QFile f(ici.filePath(nom));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(octets);
        };
        Ecrire("cible", ancien);
        Ecrire("texte.txt", texte);
        Ecrire("abime.sdk", QByteArray(100, 'x'));
        QDir(ici.path()).mkdir("dossier");
        QCOMPARE(::mkfifo(QFile::encodeName(ici.filePath("tube")).constData(), 0600), 0);
        for (QString &a : arguments)
            if (a.startsWith('@')) a = ici.filePath(a.mid(1));
        const Resultat r = Lancer(arguments);
        QCOMPARE(r.code, 1);
        QVERIFY2(r.erreurs.contains(message), qPrintable(r.erreurs));
        // Whatever was there is left as it was, with no stray file beside it.
        QFile cible(ici.filePath("cible")), notes(ici.filePath("texte.txt"));
        QVERIFY(cible.open(QIODevice::ReadOnly) && cible.readAll() == ancien);
        QVERIFY(notes.open(QIODevice::ReadOnly) && notes.readAll() == texte);
        QCOMPARE(QDir(ici.path())
                     .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)
                     .size(),
                 5);
    }

    void unPdfRemplaceGardeSesDroits() {
        const QString pdf = Chemin("droits.pdf");
        QCOMPARE(Lancer({"--imprimer-grilles", "1", pdf}).code, 0);
        QVERIFY(QFile::setPermissions(pdf, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        QCOMPARE(Lancer({"--imprimer-grilles", "1", pdf, "--niveau", "4"}).code, 0);
        QCOMPARE(QFileInfo(pdf).permissions() & 0x7077, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QVERIFY(Titres(Mots(pdf, 1)).contains("Niveau expert"));
    }
};

QTEST_MAIN(TestImpressionPdf)
#include "tst_impressionpdf.moc"
