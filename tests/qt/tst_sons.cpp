// The sound files delivered beside the program, and the player that falls back to the alert.
#include "plateforme/LecteurSonsQt.h"
#include "plateforme/Ressources.h"

#include <QDir>
#include <QFile>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

using namespace lumio;

namespace {

const QStringList NomsSons = {"Ok.wav",           "erreur.wav",    "accueil.wav", "Recommencer.wav",
                              "PlacerLettre.wav", "AffichSol.wav", "Bravo.wav",   "Indice.wav"};

QString DossierSons() {
    return QDir(QCoreApplication::applicationDirPath()).filePath("Sons");
}

// The format and samples of a WAV file, read chunk by chunk as a decoder would.
struct Wav {
    QString defaut; // empty when the file is a well-formed PCM WAV
    int format = 0, canaux = 0, taux = 0, bits = 0;
    std::vector<std::int16_t> echantillons;
    double Duree() const { return taux ? double(echantillons.size()) / taux : 0; }
};

Wav LireWav(const QString &chemin) {
    Wav w;
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) return w.defaut = "cannot be opened", w;
    const QByteArray o = f.readAll();
    auto u16 = [&](qsizetype i) { return qFromLittleEndian<quint16>(o.constData() + i); };
    auto u32 = [&](qsizetype i) { return qFromLittleEndian<quint32>(o.constData() + i); };
    if (o.size() < 12 || o.left(4) != "RIFF" || o.mid(8, 4) != "WAVE") return w.defaut = "not RIFF/WAVE", w;
    if (u32(4) != quint32(o.size() - 8)) return w.defaut = "RIFF size does not match the file", w;
    bool fmt = false;
    for (qsizetype i = 12; i + 8 <= o.size();) {
        const QByteArray id = o.mid(i, 4);
        const quint32 taille = u32(i + 4);
        if (i + 8 + qsizetype(taille) > o.size())
            return w.defaut = "chunk " + QString(id) + " overruns the file", w;
        if (id == "fmt " && taille >= 16) {
            fmt = true;
            w.format = u16(i + 8), w.canaux = u16(i + 10), w.taux = int(u32(i + 12)), w.bits = u16(i + 22);
            if (u32(i + 16) != quint32(w.taux * w.canaux * w.bits / 8))
                return w.defaut = "wrong byte rate", w;
            if (u16(i + 20) != w.canaux * w.bits / 8) return w.defaut = "wrong block align", w;
        } else if (id == "data") {
            if (!fmt) return w.defaut = "data before fmt", w;
            for (quint32 k = 0; k + 1 < taille; k += 2)
                w.echantillons.push_back(qint16(u16(i + 8 + k)));
            return w;
        }
        i += 8 + taille + (taille & 1);
    }
    return w.defaut = "no data chunk", w;
}

int Crete(const std::vector<std::int16_t> &e) {
    int m = 0;
    for (std::int16_t s : e)
        m = std::max(m, std::abs(int(s)));
    return m;
}

// A complete WAV file of the given format around the given sample bytes.
QByteArray FaireWav(quint16 format, quint16 canaux, quint32 taux, quint16 bits, const QByteArray &donnees) {
    QByteArray o;
    auto u16 = [&](quint16 v) { o.append(char(v & 0xFF)).append(char(v >> 8)); };
    auto u32 = [&](quint32 v) { u16(quint16(v & 0xFFFF)), u16(quint16(v >> 16)); };
    o += "RIFF";
    u32(quint32(36 + donnees.size()));
    o += "WAVEfmt ";
    u32(16), u16(format), u16(canaux), u32(taux), u32(taux * canaux * bits / 8),
        u16(quint16(canaux * bits / 8));
    u16(bits);
    o += "data";
    u32(quint32(donnees.size()));
    return o + donnees;
}

QString Ecrire(const QTemporaryDir &dossier, const QString &nom, const QByteArray &contenu) {
    const QString chemin = dossier.filePath(nom);
    QFile f(chemin);
    if (!f.open(QIODevice::WriteOnly) || f.write(contenu) != contenu.size()) return {};
    return chemin;
}

QSoundEffect *EffetDe(LecteurSonsQt &lecteur, const QString &nom) {
    for (QSoundEffect *e : lecteur.findChildren<QSoundEffect *>())
        if (e->source().toLocalFile().endsWith("/" + nom)) return e;
    return nullptr;
}

// True once no file the player was asked for is still being decoded, so that any late
// failure has already been reported.
bool ChargementsFinis(LecteurSonsQt &lecteur) {
    for (QSoundEffect *e : lecteur.findChildren<QSoundEffect *>())
        if (e->status() == QSoundEffect::Loading) return false;
    return true;
}

} // namespace

class TestSons : public QObject {
    Q_OBJECT

  private slots:
    void fichier_data();
    void fichier();
    void tousDifferents();

    void introuvable_data();
    void introuvable();
    void abime_data();
    void abime();
    void pasUnFichier_data();
    void pasUnFichier();
    void lisible_data();
    void lisible();
    void illisible();
    void nouvelleDemandeCoupeLaPrecedente();
    void ressourceInstallee();

  private:
    // A player whose alert is counted instead of heard.
    struct Lecteur {
        LecteurSonsQt sons;
        int bips = 0;
        Lecteur() {
            sons.Alerte = [this] { ++bips; };
        }
    };
};

void TestSons::fichier_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<double>("dureeMax");
    for (const QString &nom : NomsSons)
        // The tick plays on every digit placed, so it has to be over before the next one.
        QTest::newRow(qPrintable(nom)) << nom << (nom == "PlacerLettre.wav" ? 0.15 : 1.5);
}

void TestSons::fichier() {
    QFETCH(QString, nom);
    QFETCH(double, dureeMax);
    const QString chemin = QDir(DossierSons()).filePath(nom);
    QVERIFY2(QFileInfo(chemin).isFile(), qPrintable(chemin + " is missing"));
    const Wav w = LireWav(chemin);
    QVERIFY2(w.defaut.isEmpty(), qPrintable(w.defaut));
    QCOMPARE(w.format, 1);
    QCOMPARE(w.canaux, 1);
    QCOMPARE(w.bits, 16);
    QVERIFY2(w.taux == 44100 || w.taux == 22050, qPrintable(QString::number(w.taux)));
    QVERIFY2(w.Duree() > 0.03 && w.Duree() < dureeMax, qPrintable(QString::number(w.Duree())));

    // Heard, yet never clipped nor loud enough to startle.
    const int crete = Crete(w.echantillons);
    QVERIFY2(crete > 3000 && crete < 24000, qPrintable(QString::number(crete)));
    // Starting and stopping away from zero would click.
    QVERIFY(std::abs(int(w.echantillons.front())) < 100);
    QVERIFY(std::abs(int(w.echantillons.back())) < 100);
    long long somme = 0;
    for (std::int16_t s : w.echantillons)
        somme += s;
    QVERIFY2(std::llabs(somme) / qsizetype(w.echantillons.size()) < 200, "offset from zero");
}

void TestSons::tousDifferents() {
    std::vector<std::vector<std::int16_t>> sons;
    for (const QString &nom : NomsSons)
        sons.push_back(LireWav(QDir(DossierSons()).filePath(nom)).echantillons);
    for (std::size_t i = 0; i < sons.size(); ++i)
        for (std::size_t j = i + 1; j < sons.size(); ++j)
            QVERIFY2(sons[i] != sons[j], qPrintable(NomsSons[int(i)] + " sounds like " + NomsSons[int(j)]));
}

void TestSons::introuvable_data() {
    QTest::addColumn<QString>("fichier");
    QTest::newRow("no such file") << "Sons/Absent.wav";
    QTest::newRow("case differs") << "Sons/ok.wav";
    QTest::newRow("no such folder") << "Bruits/Ok.wav";
    QTest::newRow("a folder") << "Sons";
    QTest::newRow("empty") << "";
}

// The alert comes at once and only once, and nothing else is left pending.
void TestSons::introuvable() {
    QFETCH(QString, fichier);
    Lecteur l;
    l.sons.Jouer(fichier.toStdString());
    QCOMPARE(l.bips, 1);
    QCoreApplication::processEvents();
    QVERIFY(ChargementsFinis(l.sons));
    QCOMPARE(l.bips, 1);
}

void TestSons::abime_data() {
    QTest::addColumn<QByteArray>("contenu");
    const QByteArray bon = FaireWav(1, 1, 22050, 16, QByteArray(200, '\x10'));
    QByteArray donneesAvantFormat = bon.left(12) + bon.mid(36) + bon.mid(12, 24);
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("not a WAV") << QByteArray("Bonjour, ceci n'est pas un son.");
    QTest::newRow("cut in the RIFF header") << bon.left(6);
    QTest::newRow("cut in the format chunk") << bon.left(22);
    QTest::newRow("no data chunk") << bon.left(36);
    QTest::newRow("data cut short") << bon.chopped(10);
    QTest::newRow("no sample") << FaireWav(1, 1, 22050, 16, {});
    QTest::newRow("data before the format") << donneesAvantFormat;
}

// Files the decoder would wait on for ever: refused at once, with one alert.
void TestSons::abime() {
    QFETCH(QByteArray, contenu);
    QTemporaryDir dossier;
    const QString chemin = Ecrire(dossier, "Abime.wav", contenu);
    Lecteur l;
    l.sons.Jouer(chemin.toStdString());
    QCOMPARE(l.bips, 1);
    QCoreApplication::processEvents();
    QVERIFY(ChargementsFinis(l.sons));
    QCOMPARE(l.bips, 1);
}

void TestSons::pasUnFichier_data() {
    QTest::addColumn<QString>("genre");
    QTest::newRow("a pipe") << "tube";
    QTest::newRow("a device") << "périphérique";
    QTest::newRow("a link to a pipe") << "lien";
}

// A pipe would make the decoder wait for a writer, a device read for ever: one alert, at once.
void TestSons::pasUnFichier() {
    QFETCH(QString, genre);
    QTemporaryDir dossier;
    const QByteArray chemin = QFile::encodeName(dossier.filePath("Ok.wav"));
    const QByteArray tube = QFile::encodeName(dossier.filePath("tube"));
    if (genre == "périphérique") {
        // A device node of the test's own, in its folder.
        if (::mknod(chemin.constData(), S_IFCHR | 0600, makedev(1, 5)) != 0) QSKIP("mknod needs root");
    } else {
        QCOMPARE(::mkfifo(genre == "lien" ? tube.constData() : chemin.constData(), 0600), 0);
        if (genre == "lien") QCOMPARE(::symlink(tube.constData(), chemin.constData()), 0);
    }
    Lecteur l;
    l.sons.Jouer(chemin.toStdString());
    QCOMPARE(l.bips, 1);
    QCoreApplication::processEvents();
    QVERIFY(ChargementsFinis(l.sons));
}

void TestSons::lisible_data() {
    QTest::addColumn<QString>("fichier");
    QTest::addColumn<QByteArray>("contenu"); // written to a temporary file when not empty
    for (const QString &nom : NomsSons)
        QTest::newRow(qPrintable(nom)) << "Sons/" + nom << QByteArray();
    const QByteArray donnees(300, '\x20');
    const QByteArray bon = FaireWav(1, 1, 22050, 16, donnees);
    QByteArray avecListe = bon;
    avecListe.insert(36, QByteArray("LIST\x04\0\0\0INFO", 12));
    QTest::newRow("extra chunk before the data") << "Liste.wav" << avecListe;
    QTest::newRow("8-bit") << "Huit.wav" << FaireWav(1, 1, 11025, 8, donnees);
    QTest::newRow("stereo") << "Stereo.wav" << FaireWav(1, 2, 44100, 16, donnees);
}

// Without an audio device the effect cannot be heard, but a file that decodes must never
// fall back to the alert, neither on its first request nor on the next one.
void TestSons::lisible() {
    QFETCH(QString, fichier);
    QFETCH(QByteArray, contenu);
    QTemporaryDir dossier;
    if (!contenu.isEmpty()) fichier = Ecrire(dossier, fichier, contenu);
    Lecteur l;
    l.sons.Jouer(fichier.toStdString());
    QCOMPARE(l.bips, 0);
    QTRY_VERIFY(ChargementsFinis(l.sons));
    QCOMPARE(l.bips, 0);
    l.sons.Jouer(fichier.toStdString());
    QCOMPARE(l.bips, 0);
    QCOMPARE(l.sons.findChildren<QSoundEffect *>().size(), 1);
}

// A whole file in a form the decoder does not know is found out in the background, or already
// while the effect is made when the decoder's thread is quicker; the alert comes once either
// way, and at once on the next request for it.
void TestSons::illisible() {
    QTemporaryDir dossier;
    const QString chemin = Ecrire(dossier, "Adpcm.wav", FaireWav(2, 1, 22050, 4, QByteArray(100, '\x33')));
    Lecteur l;
    l.sons.Jouer(chemin.toStdString());
    QVERIFY(l.bips <= 1);
    QTRY_COMPARE(l.bips, 1);
    QVERIFY(ChargementsFinis(l.sons));
    QCOMPARE(l.bips, 1);
    l.sons.Jouer(chemin.toStdString());
    QCOMPARE(l.bips, 2);
}

void TestSons::nouvelleDemandeCoupeLaPrecedente() {
    QTemporaryDir dossier;
    const QString adpcm = Ecrire(dossier, "Adpcm.wav", FaireWav(2, 1, 22050, 4, QByteArray(100, '\x33')));
    Lecteur l;
    l.sons.Jouer("Sons/Ok.wav");
    QSoundEffect *ok = EffetDe(l.sons, "Ok.wav");
    QVERIFY(ok);
    l.sons.Jouer("Sons/Bravo.wav");
    QVERIFY(!ok->isPlaying());
    QVERIFY(EffetDe(l.sons, "Bravo.wav"));

    // A file cut short by a newer request has nothing left to be replaced by the alert (unless
    // the decoder had already refused it before the cut).
    l.sons.Jouer(adpcm.toStdString());
    const int avantCoupure = l.bips;
    l.sons.Jouer("Sons/PlacerLettre.wav");
    QTRY_VERIFY(ChargementsFinis(l.sons));
    QCOMPARE(l.bips, avantCoupure);
}

// Installed, the sounds live under the prefix's share folder; a copy beside the program wins.
void TestSons::ressourceInstallee() {
    const QDir bin(QCoreApplication::applicationDirPath());
    const QString relatif = "Sons/tst_sons-installe.wav";
    const QString aCote = bin.filePath(relatif);
    const QString installe = QDir::cleanPath(bin.filePath("../share/sudoku-lumio/" + relatif));
    QVERIFY(QDir().mkpath(QFileInfo(installe).path()));
    auto ecrire = [](const QString &chemin) {
        QFile f(chemin);
        return f.open(QIODevice::WriteOnly) && f.write("x") == 1;
    };

    QCOMPARE(CheminRessource(relatif), aCote);
    QVERIFY(ecrire(installe));
    QCOMPARE(CheminRessource(relatif), installe);
    QVERIFY(ecrire(aCote));
    QCOMPARE(CheminRessource(relatif), aCote);

    QFile::remove(aCote);
    QFile::remove(installe);
    QDir().rmpath(QFileInfo(installe).path());
}

QTEST_MAIN(TestSons)
#include "tst_sons.moc"
