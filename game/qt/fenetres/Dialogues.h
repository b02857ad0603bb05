// The modal questions of the game's windows: real Qt boxes, or a script in tests.
#pragma once

#include "interfaces/Fenetre.h"

#include <QString>
#include <string>

class QPrinter;
class QWidget;

namespace lumio {

class Dialogues {
  public:
    virtual ~Dialogues() = default;
    virtual Reponse BoiteMessage(QWidget *parent, const Message &m) = 0;
    // "" when cancelled. (x, y) in pixels from the parent's top-left corner.
    virtual std::string BoiteSaisie(QWidget *parent, const std::string &invite, const std::string &titre,
                                    const std::string &defaut, int x, int y,
                                    const std::string &pourLecteur) = 0;
    // An open or save file dialog on the saved games; "" when cancelled.
    virtual QString ChoisirFichier(QWidget *parent, bool enregistrer, const QString &dossier) = 0;
    // The system print dialog on `imprimante`: 0 cancelled, 1 confirmed, anything else failed.
    virtual int ChoisirImprimante(QWidget *parent, QPrinter &imprimante) = 0;
};

// QMessageBox and QInputDialog with French button texts, at least as wide as their title.
class DialoguesQt : public Dialogues {
  public:
    Reponse BoiteMessage(QWidget *parent, const Message &m) override;
    std::string BoiteSaisie(QWidget *parent, const std::string &invite, const std::string &titre,
                            const std::string &defaut, int x, int y, const std::string &pourLecteur) override;
    QString ChoisirFichier(QWidget *parent, bool enregistrer, const QString &dossier) override;
    int ChoisirImprimante(QWidget *parent, QPrinter &imprimante) override;
};

} // namespace lumio
