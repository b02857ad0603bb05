// A real main window for tests: offscreen, settings in a temporary folder, sounds recorded,
// boxes answered from a script.
#pragma once

#include "Dialogues.h"
#include "Factices.h"
#include "MagasinQSettings.h"
#include "Polices.h"
#include "frmMain.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QTemporaryDir>
#include <deque>
#include <memory>

namespace lumio::test {

class DialoguesScriptes : public Dialogues {
  public:
    Reponse BoiteMessage(QWidget *, const Message &m) override {
        messages.push_back(m);
        if (reponses.empty()) return m.boutons == Boutons::OuiNon ? Reponse::Oui : Reponse::Ok;
        Reponse r = reponses.front();
        reponses.pop_front();
        return r;
    }
    std::string BoiteSaisie(QWidget *, const std::string &invite, const std::string &titre,
                            const std::string &defaut, int x, int y) override {
        saisies.push_back({invite, titre, defaut, x, y});
        if (reponsesSaisie.empty()) return defaut;
        std::string r = reponsesSaisie.front();
        reponsesSaisie.pop_front();
        return r;
    }
    std::vector<Message> messages;
    std::deque<Reponse> reponses;
    std::vector<FenetreFactice::Saisie> saisies;
    std::deque<std::string> reponsesSaisie;
};

class BancFenetre {
  public:
    // `reglages` are written to the store before the window starts.
    explicit BancFenetre(std::initializer_list<std::pair<std::string, std::string>> reglagesInitiaux = {},
                         bool demarrer = true, std::vector<double> tirages = {}) {
        InstallerSubstitutionsPolices();
        magasin = std::make_unique<MagasinQSettings>(dossier.filePath("Darvel.ini"));
        for (const auto &[cle, valeur] : reglagesInitiaux) magasin->Ecrire(cle, valeur);
        hasard.Ajouter(tirages);
        fenetre = std::make_unique<frmMain>(*magasin, sons, hasard, dialogues, false);
        if (demarrer) fenetre->Form_Load();
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

inline QRgb Rgb(Couleur c) { return qRgb(c.r, c.g, c.b); }

} // namespace lumio::test
