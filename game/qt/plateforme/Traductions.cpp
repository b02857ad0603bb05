// Qt's French translation, completed.
#include "plateforme/Traductions.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace lumio {

namespace {

// Words Qt shows that its French translation names under an older context, or not at all: the
// kinds of entries in the type column of its file dialogs.
class Complements : public QTranslator {
  public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char *contexte, const char *texte, const char *, int) const override {
        if (qstrcmp(contexte, "QAbstractFileIconProvider") != 0) return {};
        static const struct {
            const char *anglais, *francais;
        } Mots[] = {{"Folder", "Dossier"},     {"Drive", "Lecteur"}, {"File", "Fichier"},
                    {"Shortcut", "Raccourci"}, {"Alias", "Alias"},   {"Unknown", "Inconnu"}};
        for (const auto &m : Mots)
            if (qstrcmp(texte, m.anglais) == 0) return QString::fromUtf8(m.francais);
        return {};
    }
};

} // namespace

void InstallerTraductions() {
    const QLocale francais(QLocale::French, QLocale::France);
    QLocale::setDefault(francais);
    auto *qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(francais, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    QCoreApplication::installTranslator(new Complements(QCoreApplication::instance()));
}

} // namespace lumio
