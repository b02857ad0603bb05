// Asynchronous sound playback; a missing or unplayable file gives the platform's alert.
#include "plateforme/LecteurSonsQt.h"
#include "plateforme/FichierOrdinaire.h"
#include "plateforme/Ressources.h"

#include <QApplication>
#include <QFile>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <QtEndian>
#include <iostream>

namespace lumio {

namespace {

// The WAV decoder behind QSoundEffect waits for ever for the rest of a truncated or empty
// file, and an effect stuck loading blocks the program when it is destroyed. Such a file is
// refused here, before it reaches the decoder: the chunks must be whole, up to a format
// chunk followed by some data. What the decoder then rejects is reported by its status.
bool WavComplet(const QString &chemin) {
    // A pipe or a device is refused as it is opened, without waiting on it. A sound of the game
    // is a few hundred kilobytes; a file past 16 MB is no sound of ours.
    const LectureOrdinaire lecture = LireFichierOrdinaire(QFile::encodeName(chemin), 16 << 20);
    if (!lecture.lu) return false;
    const QByteArray &o = lecture.octets;
    if (o.size() < 12 || !o.startsWith("RIFF") || o.mid(8, 4) != "WAVE") return false;
    bool format = false;
    for (qint64 i = 12; i + 8 <= o.size();) {
        const qint64 taille = qFromLittleEndian<quint32>(o.constData() + i + 4);
        if (i + 8 + taille > o.size()) return false;
        const QByteArray id = o.mid(i, 4);
        if (id == "fmt ") format = taille >= 16;
        if (id == "data") return format && taille > 0;
        i += 8 + taille + (taille & 1);
    }
    return false;
}

} // namespace

LecteurSonsQt::LecteurSonsQt(QObject *parent)
    : QObject(parent), Alerte([] { QApplication::beep(); }),
      Signaler([](const std::string &texte) { std::cerr << "sudoku-lumio : " << texte << "\n"; }) {}

QSoundEffect *LecteurSonsQt::Effet(const QString &chemin) {
    QSoundEffect *&effet = effets_[chemin];
    if (!effet) {
        effet = new QSoundEffect(this);
        QSoundEffect *e = effet;
        // Loading runs in the background: a file that turns out not to be playable is only
        // known here. A sound already cut by a newer request has nothing left to replace.
        connect(e, &QSoundEffect::statusChanged, this, [this, e] {
            if (e->status() == QSoundEffect::Error && e == enCours_) {
                enCours_ = nullptr;
                if (Alerte) Alerte();
            }
        });
        e->setSource(QUrl::fromLocalFile(chemin));
    }
    return effet;
}

void LecteurSonsQt::Jouer(const std::string &fichier) {
    // Said once, where Qt would complain of every sound.
    if (!sortieVerifiee_) {
        sortieVerifiee_ = true;
        if (QMediaDevices::audioOutputs().isEmpty() && Signaler)
            Signaler("aucune sortie son n'est disponible : le jeu reste muet.");
    }
    if (enCours_) enCours_->stop();
    enCours_ = nullptr;
    const QString chemin = CheminRessource(QString::fromStdString(fichier));
    if (!effets_.contains(chemin) && !WavComplet(chemin)) {
        if (Alerte) Alerte();
        return;
    }
    QSoundEffect *effet = Effet(chemin);
    if (effet->status() == QSoundEffect::Error) {
        if (Alerte) Alerte();
        return;
    }
    enCours_ = effet;
    // While the file is still loading, the effect starts as soon as it is ready.
    effet->play();
}

} // namespace lumio
