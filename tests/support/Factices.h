// Stand-ins for the game's outside world in tests: a scripted window, a recording surface, an
// in-memory settings store, a recording sound player and a scripted random source.
#pragma once

#include "interfaces/Fenetre.h"
#include "interfaces/LecteurSons.h"
#include "interfaces/MagasinReglages.h"
#include "interfaces/SourceAleatoire.h"
#include "interfaces/Surface.h"

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace lumio::test {

// Draws from a script, then from a fallback value once the script is exhausted.
class SourceScriptee : public SourceAleatoire {
  public:
    explicit SourceScriptee(std::vector<double> tirages = {}, double ensuite = 0.0)
        : tirages_(tirages.begin(), tirages.end()), ensuite_(ensuite) {}
    double Tirer() override {
        ++nombre;
        if (tirages_.empty()) return ensuite_;
        double u = tirages_.front();
        tirages_.pop_front();
        return u;
    }
    void Ajouter(std::vector<double> t) { tirages_.insert(tirages_.end(), t.begin(), t.end()); }
    int nombre = 0;

  private:
    std::deque<double> tirages_;
    double ensuite_;
};

class MagasinMemoire : public MagasinReglages {
  public:
    std::string Lire(const std::string &cle, const std::string &defaut) override {
        auto it = valeurs.find(cle);
        return it == valeurs.end() ? defaut : it->second;
    }
    void Ecrire(const std::string &cle, const std::string &texte) override {
        valeurs[cle] = texte;
        ecritures.push_back(cle);
    }
    std::string Confirmer() override {
        ++confirmations;
        return echec;
    }
    bool Verrouiller() override {
        ++verrous;
        return true;
    }
    void Deverrouiller() override { --verrous; }
    // Another program writes its values now (the n-th reading afresh, from 1).
    void Relire() override {
        if (autreProgramme) autreProgramme(++relectures);
    }
    std::map<std::string, std::string> valeurs;
    std::vector<std::string> ecritures; // keys in the order they were written
    std::string echec;                  // what Confirmer answers: why the texts are not kept
    int confirmations = 0;              // writes to the file, one per action
    int verrous = 0;                    // held now
    int relectures = 0;
    std::function<void(int)> autreProgramme;
};

class LecteurEnregistreur : public LecteurSons {
  public:
    void Jouer(const std::string &fichier) override { joues.push_back(fichier); }
    std::vector<std::string> joues;
};

// Keeps every drawing call as one line of text, and answers measures with fixed sizes.
class SurfaceEnregistreuse : public Surface {
  public:
    void Remplir(double x1, double y1, double x2, double y2, Couleur c) override {
        appels.push_back("Remplir " + P(x1, y1, x2, y2) + C(c));
    }
    void Encadrer(double x1, double y1, double x2, double y2, double plume, Couleur c) override {
        appels.push_back("Encadrer " + P(x1, y1, x2, y2) + " w" + N(plume) + C(c));
    }
    void Ligne(double x1, double y1, double x2, double y2, double plume, Couleur c) override {
        appels.push_back("Ligne " + P(x1, y1, x2, y2) + " w" + N(plume) + C(c));
    }
    double LargeurTexte(const std::string &t, const Police &p) override {
        return double(t.size()) * p.taille / 2;
    }
    double HauteurTexte(const std::string &, const Police &p) override { return p.taille * 1.5; }
    void Ecrire(double x, double y, const std::string &t, const Police &p, Couleur c) override {
        appels.push_back("Ecrire " + N(x) + "," + N(y) + " \"" + t + "\" " + p.nom + " " + N(p.taille) +
                         (p.gras ? " gras" : "") + C(c));
    }
    void Decouper(double x1, double y1, double x2, double y2) override {
        appels.push_back("Decouper " + P(x1, y1, x2, y2));
    }
    void SansDecoupe() override { appels.push_back("SansDecoupe"); }

    std::vector<std::string> appels;

    // Calls that write text, in order.
    std::vector<std::string> Ecritures() const {
        std::vector<std::string> v;
        for (auto &a : appels)
            if (a.rfind("Ecrire", 0) == 0) v.push_back(a);
        return v;
    }

    static std::string N(double v) {
        std::string s = std::to_string(v);
        s.erase(s.find_last_not_of('0') + 1);
        if (!s.empty() && s.back() == '.') s.pop_back();
        return s;
    }

  private:
    static std::string P(double x1, double y1, double x2, double y2) {
        return N(x1) + "," + N(y1) + "-" + N(x2) + "," + N(y2);
    }
    static std::string C(Couleur c) { return " rgb(" + N(c.r) + "," + N(c.g) + "," + N(c.b) + ")"; }
};

// A main window that records what the game shows and answers its boxes from a script.
class FenetreFactice : public Fenetre {
  public:
    FenetreFactice() {
        libelles[1] = "Type de Jeu";
        libelles[2] = "";
        libelles[3] = "Chrono";
        for (int i = 1; i <= 9; ++i)
            palette[i] = i;
    }
    void Montrer() override { montree = true; }
    TailleClient Taille() const override { return taille; }
    void MontrerImagePalette(int i, int k) override { palette[i] = k; }
    void DefinirLibelle(int n, const std::string &t) override { libelles[n] = t; }
    std::string TexteLibelle(int n) const override { return libelles.at(n); }
    void MontrerLibelle(int n, bool v) override { visibles[n] = v; }
    void ActiverChrono(bool a) override { chrono = a; }
    bool ChronoActif() const override { return chrono; }
    void CocherMode(int i, bool c) override { modes[i] = c; }
    bool ModeCoche(int i) const override { return modes.count(i) && modes.at(i); }
    void CocherPause(bool c) override { pause = c; }
    bool PauseCochee() const override { return pause; }
    void DonnerFocusCoupN() override { ++focusCoupN; }
    Reponse BoiteMessage(const Message &m) override {
        messages.push_back(m);
        if (reponses.empty()) return m.boutons == Boutons::OuiNon ? Reponse::Oui : Reponse::Ok;
        Reponse r = reponses.front();
        reponses.pop_front();
        return r;
    }
    std::string BoiteSaisie(const std::string &invite, const std::string &titre, const std::string &defaut,
                            int x, int y, const std::string &pourLecteur) override {
        saisies.push_back({invite, titre, defaut, x, y, pourLecteur});
        if (reponsesSaisie.empty()) return defaut;
        std::string r = reponsesSaisie.front();
        reponsesSaisie.pop_front();
        return r;
    }
    void AfficherMeilleursTemps() override { ++scoresAffiches; }
    void AfficherOptions() override { ++optionsAffichees; }
    void AppliquerTheme(const Theme &t) override { theme = t, ++themesAppliques; }
    Couleur CouleurFondSysteme() const override { return fondSysteme; }
    bool TraiterEvenements() override {
        ++evenementsTraites;
        return pendantRecherche ? pendantRecherche() : false;
    }

    struct Saisie {
        std::string invite, titre, defaut;
        int x, y;
        std::string pourLecteur;
    };

    TailleClient taille;
    bool montree = false;
    std::map<int, int> palette;
    std::map<int, std::string> libelles;
    std::map<int, bool> visibles;
    bool chrono = false;
    std::map<int, bool> modes;
    bool pause = false;
    int focusCoupN = 0;
    std::vector<Message> messages;
    std::deque<Reponse> reponses;
    std::vector<Saisie> saisies;
    std::deque<std::string> reponsesSaisie;
    int scoresAffiches = 0;
    int optionsAffichees = 0;
    Theme theme{};
    int themesAppliques = 0;
    Couleur fondSysteme = RGB(255, 255, 255);
    int evenementsTraites = 0;
    std::function<bool()> pendantRecherche;
};

// Everything a core test needs to build a Jeu.
struct Monde {
    SurfaceEnregistreuse surface;
    FenetreFactice fenetre;
    MagasinMemoire reglages;
    LecteurEnregistreur sons;
    SourceScriptee hasard{{}, 0.37};
};

} // namespace lumio::test
