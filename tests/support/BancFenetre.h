// A real main window for tests: offscreen, settings in a temporary folder, sounds recorded,
// boxes answered from a script.
#pragma once

#include "Factices.h"
#include "apparence/Polices.h"
#include "fenetres/Dialogues.h"
#include "fenetres/frmMain.h"
#include "plateforme/MagasinQSettings.h"

#include <QApplication>
#include <QImage>
#include <QPrinter>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>

namespace lumio::test {

class DialoguesScriptes : public Dialogues {
  public:
    Reponse BoiteMessage(QWidget *parent, const Message &m) override {
        messages.push_back(m);
        parentsVisibles.push_back(parent && parent->isVisible());
        if (vraisMessages) return DialoguesQt().BoiteMessage(parent, m);
        if (reponses.empty()) return m.boutons == Boutons::OuiNon ? Reponse::Oui : Reponse::Ok;
        Reponse r = reponses.front();
        reponses.pop_front();
        return r;
    }
    std::string BoiteSaisie(QWidget *parent, const std::string &invite, const std::string &titre,
                            const std::string &defaut, int x, int y, const std::string &pourLecteur) override {
        saisies.push_back({invite, titre, defaut, x, y, pourLecteur});
        if (vraieSaisie) return DialoguesQt().BoiteSaisie(parent, invite, titre, defaut, x, y, pourLecteur);
        if (reponsesSaisie.empty()) return defaut;
        std::string r = reponsesSaisie.front();
        reponsesSaisie.pop_front();
        return r;
    }
    QString ChoisirFichier(QWidget *, bool enregistrer, const QString &dossier) override {
        fichiersDemandes.push_back({enregistrer, dossier});
        if (reponsesFichier.empty()) return QString();
        QString r = reponsesFichier.front();
        reponsesFichier.pop_front();
        return r;
    }
    // The print dialog: each scripted answer is a result and, for 1, the PDF file chosen.
    int ChoisirImprimante(QWidget *parent, QPrinter &imprimante) override {
        imprimantesDemandees.push_back(parent ? parent->objectName() : QString());
        if (reponsesImprimante.empty()) return 0;
        auto [resultat, pdf] = reponsesImprimante.front();
        reponsesImprimante.pop_front();
        if (resultat == 1) {
            imprimante.setOutputFormat(QPrinter::PdfFormat);
            imprimante.setOutputFileName(pdf);
        }
        return resultat;
    }
    std::vector<QString> imprimantesDemandees; // the window under each print dialog
    std::deque<std::pair<int, QString>> reponsesImprimante;
    std::vector<Message> messages;
    std::vector<bool> parentsVisibles; // whether the window under each box was on screen
    std::deque<Reponse> reponses;
    std::vector<std::pair<bool, QString>> fichiersDemandes; // (save, folder) of each file dialog
    std::deque<QString> reponsesFichier;
    std::vector<FenetreFactice::Saisie> saisies;
    std::deque<std::string> reponsesSaisie;
    // The real boxes, for a test that types into them or measures them.
    bool vraieSaisie = false;
    bool vraisMessages = false;
};

class BancFenetre {
  public:
    // `reglages` are written to the store before the window starts.
    explicit BancFenetre(std::initializer_list<std::pair<std::string, std::string>> reglagesInitiaux = {},
                         bool demarrer = true, std::vector<double> tirages = {}, bool montrer = false) {
        InstallerSubstitutionsPolices();
        magasin = std::make_unique<MagasinQSettings>(dossier.filePath("Darvel.ini"));
        for (const auto &[cle, valeur] : reglagesInitiaux)
            magasin->Ecrire(cle, valeur);
        hasard.Ajouter(tirages);
        fenetre = std::make_unique<frmMain>(*magasin, sons, hasard, dialogues, montrer);
        if (demarrer) fenetre->Form_Load();
        // Without a start the window is not shown yet: the test starts it and waits itself.
        if (montrer && demarrer) {
            fenetre->activateWindow();
            if (!QTest::qWaitForWindowActive(fenetre.get())) qWarning("la fenêtre ne devient pas active");
            fenetre->DonnerFocusCoupN();
        }
    }
    BancFenetre(const BancFenetre &) = delete;
    ~BancFenetre() { fenetre->Fermer(); }

    Jeu &jeu() { return fenetre->jeu(); }
    QRgb Pixel(int x, int y) { return fenetre->image().pixel(x, y); }

    QTemporaryDir dossier;
    std::unique_ptr<MagasinQSettings> magasin;
    LecteurEnregistreur sons;
    SourceScriptee hasard{{}, 0.37};
    DialoguesScriptes dialogues;
    std::unique_ptr<frmMain> fenetre;
};

inline QRgb Rgb(Couleur c) {
    return qRgb(c.r, c.g, c.b);
}

// Runs `action` on the next modal window that opens, then closes it (the call that opened it
// returns once it is closed).
inline void QuandModal(std::function<void(QWidget *)> action) {
    auto *minuterie = new QTimer;
    QObject::connect(minuterie, &QTimer::timeout, minuterie, [minuterie, action] {
        if (QWidget *m = QApplication::activeModalWidget()) {
            minuterie->stop();
            minuterie->deleteLater();
            action(m);
            m->close();
        }
    });
    minuterie->start(5);
}

// The centre of cell (c, r) at the design size.
inline QPoint CentreCase(int c, int r) {
    return QPoint(50 + 45 * c - 22, 26 + 45 * r - 22);
}

// The 38 x 38 pixels inside cell (c, r) that a digit may cover.
inline QRect Interieur(int c, int r) {
    return QRect(50 + 45 * (c - 1) + 4, 26 + 45 * (r - 1) + 4, 38, 38);
}

// A pixel of the board is "near" a colour when antialiasing kept it close.
inline bool Proche(QRgb p, Couleur c, int tolerance = 60) {
    return std::abs(qRed(p) - c.r) + std::abs(qGreen(p) - c.g) + std::abs(qBlue(p) - c.b) <= tolerance;
}

// How many pixels of a box are close to a colour.
inline int Compter(const QImage &im, QRect box, Couleur c, int tolerance = 60) {
    int n = 0;
    for (int x = box.left(); x <= box.right(); ++x)
        for (int y = box.top(); y <= box.bottom(); ++y)
            n += Proche(im.pixel(x, y), c, tolerance);
    return n;
}

// The first given of the game, column by column.
inline bool PremiereDonnee(Jeu &j, int &c, int &r) {
    for (c = 1; c <= 9; ++c)
        for (r = 1; r <= 9; ++r)
            if (j.CasesDonnees(c, r)) return true;
    return false;
}

// A key pressed as the player would: it goes to whatever holds the focus.
inline void Touche(frmMain &f, Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &f, k, m);
}

// Moves the cursor to (c, r) with the arrow keys.
inline void AllerA(BancFenetre &b, int c, int r) {
    int c0 = 0, r0 = 0;
    b.jeu().CaseCurseur(c0, r0);
    for (; c0 < c; ++c0)
        Touche(*b.fenetre, Qt::Key_Right);
    for (; c0 > c; --c0)
        Touche(*b.fenetre, Qt::Key_Left);
    for (; r0 < r; ++r0)
        Touche(*b.fenetre, Qt::Key_Down);
    for (; r0 > r; --r0)
        Touche(*b.fenetre, Qt::Key_Up);
    int c1 = 0, r1 = 0;
    b.jeu().CaseCurseur(c1, r1);
    QCOMPARE(c1, c);
    QCOMPARE(r1, r);
}

// The built program, beside the test executables.
inline QString Programme() {
    return QCoreApplication::applicationDirPath() + "/sudoku-lumio";
}

// Runs the program offscreen with its settings in `config`, never the user's.
inline void HorsEcran(QProcess &p, const QString &config) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", config);
    env.insert("QT_QPA_PLATFORM", "offscreen");
    p.setProcessEnvironment(env);
}

// Runs the program through the shell: `avant` (an ulimit, say) first, then the program with
// `arguments` as "$@".
inline void ParLeShell(QProcess &p, const QString &avant, const QStringList &arguments) {
    p.start("/bin/sh", QStringList{"-c", avant + "\nexec \"$0\" \"$@\"", Programme()} + arguments);
}

// AddressSanitizer reserves terabytes of address space, so no limit on virtual memory lets it
// start.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool SousAsan = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool SousAsan = true;
#else
inline constexpr bool SousAsan = false;
#endif
#else
inline constexpr bool SousAsan = false;
#endif

} // namespace lumio::test
