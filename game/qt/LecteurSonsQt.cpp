// Asynchronous sound playback; a missing or unplayable file gives the platform's alert.
#include "LecteurSonsQt.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace lumio {

QString CheminRessource(const QString &relatif) {
    const QString aCote = QDir(QCoreApplication::applicationDirPath()).filePath(relatif);
    if (QFileInfo::exists(aCote)) return aCote;
    const QString installe =
        QDir(QCoreApplication::applicationDirPath()).filePath("../share/sudoku-lumio/" + relatif);
    if (QFileInfo::exists(installe)) return QDir::cleanPath(installe);
    return aCote;
}

LecteurSonsQt::LecteurSonsQt(QObject *parent) : QObject(parent) {}

void LecteurSonsQt::Jouer(const std::string &fichier) {
    const QString chemin = CheminRessource(QString::fromStdString(fichier));
    if (!QFileInfo::exists(chemin)) {
        QApplication::beep();
        return;
    }
    if (!effet_) {
        effet_ = new QSoundEffect(this);
        connect(effet_, &QSoundEffect::statusChanged, this, [this] {
            if (effet_->status() == QSoundEffect::Error) QApplication::beep();
        });
    }
    effet_->stop();
    const QUrl url = QUrl::fromLocalFile(chemin);
    if (effet_->source() == url && effet_->status() == QSoundEffect::Ready) {
        effet_->play();
        return;
    }
    effet_->setSource(url);
    effet_->play();
}

} // namespace lumio
