// Solving grids given as text lines: what is written for each line, what is reported for a
// malformed one, and the exit status.
#include "GrillesTexte.h"
#include "ResolutionTexte.h"

#include <QtTest>

#include <new>
#include <sstream>
#include <string>

using namespace lumio;

namespace {

// A puzzle with one completion, and that completion, both row after row.
const std::string Enonce =
    "..3.2.6..9..3.5..1..18.64....81.29..7.......8..67.82....26.95..8..2.3..9..5.1.3..";
const std::string Reponse =
    "483921657967345821251876493548132976729564138136798245372689514814253769695417382";
const std::string Vide(81, '.');

} // namespace

class TestSolveurTexte : public QObject {
    Q_OBJECT

  private slots:
    void lignesEtReponses_data();
    void lignesEtReponses();
    void fichierIllisible_data();
    void fichierIllisible();
    void lectureDuFichier();
};

void TestSolveurTexte::lignesEtReponses_data() {
    QTest::addColumn<QString>("entree");
    QTest::addColumn<QString>("sortie");
    QTest::addColumn<QString>("erreurs");
    QTest::addColumn<int>("code");

    auto q = [](const std::string &s) { return QString::fromStdString(s); };
    std::string zeros = Enonce;
    for (char &x : zeros)
        if (x == '.') x = '0';
    std::string dupliquee = Enonce;
    dupliquee[1] = '3'; // a second 3 on the first row

    QTest::newRow("une grille") << q(Enonce + "\n") << q(Reponse + "\n") << "" << 0;
    QTest::newRow("des zéros pour les cases vides") << q(zeros + "\n") << q(Reponse + "\n") << "" << 0;
    QTest::newRow("sans fin de ligne finale") << q(Enonce) << q(Reponse + "\n") << "" << 0;
    QTest::newRow("fins de ligne \\r\\n, blancs en fin de ligne, lignes blanches")
        << q(Enonce + "\r\n\r\n  \n" + Enonce + "  \t\r\n") << q(Reponse + "\n" + Reponse + "\n") << "" << 0;
    QTest::newRow("grille vide") << q(Vide + "\n") << "La grille est vide !\n"
                                 << "" << 0;
    QTest::newRow("chiffre répété") << q(dupliquee + "\n") << "Aucune solution possible!\n"
                                    << "" << 0;
    QTest::newRow("une case sans chiffre possible")
        << q("12345678.........9" + std::string(63, '.') + "\n") << "Aucune solution possible!\n"
        << "" << 0;
    QTest::newRow("ligne trop courte, les autres résolues")
        << q(Enonce + "\n" + Enonce.substr(1) + "\n" + Enonce + "\n") << q(Reponse + "\n" + Reponse + "\n")
        << "Ligne 2 : 80 caractères au lieu de 81.\n"
        << 1;
    QTest::newRow("ligne trop longue") << q(Enonce + "5\n") << ""
                                       << "Ligne 1 : 82 caractères au lieu de 81.\n"
                                       << 1;
    QTest::newRow("un seul caractère") << q("\n5\n") << ""
                                       << "Ligne 2 : 1 caractère au lieu de 81.\n"
                                       << 1;
    QTest::newRow("caractère inattendu")
        << q(Vide + "\n" + Vide + "\n" + Vide + "\n" + Enonce.substr(0, 11) + "x" + Enonce.substr(12) + "\n")
        << "La grille est vide !\nLa grille est vide !\nLa grille est vide !\n"
        << "Ligne 4 : caractère « x » inattendu en colonne 12.\n"
        << 1;
    QTest::newRow("lettre accentuée comptée pour un caractère")
        << q("1234é" + std::string(76, '.') + "\n") << ""
        << "Ligne 1 : caractère « é » inattendu en colonne 5.\n"
        << 1;
    const std::string borne(LongueurMaxLigne, '1');
    QTest::newRow("ligne à la borne") << q(borne + "\n") << ""
                                      << "Ligne 1 : 512 caractères au lieu de 81.\n"
                                      << 1;
    QTest::newRow("ligne au-delà de la borne, la suivante résolue")
        << q(borne + "1\n" + Enonce + "\n") << q(Reponse + "\n") << "Ligne 1 : trop longue.\n"
        << 1;
    QTest::newRow("sans fin de ligne au-delà de la borne")
        << q(Enonce + "\n" + std::string(100000, '.')) << q(Reponse + "\n") << "Ligne 2 : trop longue.\n"
        << 1;
    QTest::newRow("octet nul") << q(Enonce.substr(0, 80) + '\0' + "\n") << ""
                               << q("Ligne 1 : caractère « " + std::string(1, '\0') +
                                    " » inattendu en colonne 81.\n")
                               << 1;
    QTest::newRow("espace au milieu") << q(Enonce.substr(0, 40) + " " + Enonce.substr(41) + "\n") << ""
                                      << "Ligne 1 : caractère «   » inattendu en colonne 41.\n"
                                      << 1;
}

void TestSolveurTexte::lignesEtReponses() {
    QFETCH(QString, entree);
    QFETCH(QString, sortie);
    QFETCH(QString, erreurs);
    QFETCH(int, code);
    std::istringstream in(entree.toStdString());
    std::ostringstream out, err;
    QCOMPARE(ResoudreFlux(in, out, err), code);
    QCOMPARE(QString::fromStdString(out.str()), sortie);
    QCOMPARE(QString::fromStdString(err.str()), erreurs);
}

namespace {

// An output that fails on its first write: as a full disk does, or by running out of memory.
class SortieRatee : public std::streambuf {
  public:
    explicit SortieRatee(bool memoire) : memoire_(memoire) {}

  protected:
    int_type overflow(int_type) override {
        if (memoire_) throw std::bad_alloc();
        return traits_type::eof();
    }

  private:
    bool memoire_;
};

} // namespace

void TestSolveurTexte::fichierIllisible_data() {
    QTest::addColumn<QString>("chemin");
    QTest::addColumn<int>("sortie"); // 0 a working output, 1 a failing one, 2 one out of memory
    QTest::addColumn<QString>("erreur");
    QTest::newRow("introuvable") << "/nulle/part/grilles.txt" << 0
                                 << "Impossible d'ouvrir le fichier « /nulle/part/grilles.txt ».\n";
    QTest::newRow("dossier") << LUMIO_TEST_DATA << 0
                             << "« " LUMIO_TEST_DATA " » est un dossier, pas un fichier de grilles.\n";
    // Opened, then every read fails (EIO).
    QTest::newRow("erreur de lecture")
        << "/proc/self/mem" << 0
        << "Erreur de lecture dans « /proc/self/mem » : les grilles suivantes n'ont pas été lues.\n";
    QTest::newRow("réponses impossibles à écrire") << "-" << 1 << "Impossible d'écrire les réponses.\n";
    QTest::newRow("mémoire épuisée")
        << "-" << 2
        << "Mémoire insuffisante : les grilles de l'entrée standard n'ont pas toutes été résolues.\n";
}

void TestSolveurTexte::fichierIllisible() {
    QFETCH(QString, chemin);
    QFETCH(int, sortie);
    QFETCH(QString, erreur);
    std::istringstream in(Enonce + "\n");
    SortieRatee ratee(sortie == 2);
    std::ostringstream bonne;
    std::ostream out(sortie ? static_cast<std::streambuf *>(&ratee) : bonne.rdbuf());
    if (sortie == 2) out.exceptions(std::ios::badbit); // lets the allocation failure through
    std::ostringstream err;
    QCOMPARE(ResoudreFichier(chemin.toStdString(), in, out, err), 2);
    QCOMPARE(bonne.str(), std::string());
    QCOMPARE(QString::fromStdString(err.str()), erreur);
}

void TestSolveurTexte::lectureDuFichier() {
    // "-" reads the given stream; a path reads the file, here the test grids.
    std::istringstream in(Enonce + "\n");
    std::ostringstream out, err;
    QCOMPARE(ResoudreFichier("-", in, out, err), 0);
    QCOMPARE(out.str(), Reponse + "\n");

    std::ostringstream sortie, erreurs;
    QCOMPARE(ResoudreFichier(LUMIO_TEST_DATA "/grilles-serg.txt", in, sortie, erreurs), 0);
    QVERIFY(erreurs.str().empty());
    std::istringstream lignes(sortie.str());
    std::string ligne;
    int n = 0;
    const auto grilles = test::LireGrilles(LUMIO_TEST_DATA "/grilles-serg.txt");
    while (std::getline(lignes, ligne)) {
        QVERIFY(test::Complete(grilles.at(std::size_t(n)), test::GrilleDeTexte(ligne)));
        ++n;
    }
    QCOMPARE(n, int(grilles.size()));
}

QTEST_APPLESS_MAIN(TestSolveurTexte)
#include "tst_solveur_texte.moc"
