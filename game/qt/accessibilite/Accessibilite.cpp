// The interfaces of the palette pictures, the clickable pictures and the links, and the factory
// that gives them, the board and the notice to Qt's accessibility.
#include "accessibilite/Accessibilite.h"

#include "accessibilite/AccessibilitePlateau.h"
#include "accessibilite/BarreEtat.h"
#include "fenetres/ClicImage.h"
#include "fenetres/Form1.h"
#include "fenetres/frmMain.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QPointer>

namespace lumio {

namespace {

// A widget that a screen reader can press, the press going, once the request has returned, to
// what a click on it does (a click may open a modal window the reader must not wait for).
class Pressable : public QAccessibleWidget {
  public:
    Pressable(QWidget *w, QAccessible::Role role, std::function<void(QWidget *)> clic)
        : QAccessibleWidget(w, role), clic_(std::move(clic)) {}

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &action) override {
        if (action != pressAction()) return QAccessibleWidget::doAction(action);
        QMetaObject::invokeMethod(
            widget(), [w = widget(), clic = clic_] { clic(w); }, Qt::QueuedConnection);
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

  private:
    std::function<void(QWidget *)> clic_;
};

// A digit of the palette: "Chiffre 4", and whether it is the current digit or spent.
class ChiffrePalette : public Pressable {
  public:
    explicit ChiffrePalette(ImageChiffre *image)
        : Pressable(image, QAccessible::Button, [](QWidget *w) {
              emit static_cast<ImageChiffre *>(w)->Clique(static_cast<ImageChiffre *>(w)->Index());
          }) {}

    QString text(QAccessible::Text t) const override {
        auto *image = static_cast<ImageChiffre *>(widget());
        auto *f = qobject_cast<frmMain *>(image->window());
        if (t != QAccessible::Name || !f) return Pressable::text(t);
        return QString::fromStdString(f->jeu().NomPalette(image->Index()));
    }
};

// A link of the about window, named by its text.
class Lien : public Pressable {
  public:
    explicit Lien(LibelleLien *l)
        : Pressable(l, QAccessible::Link, [](QWidget *w) { emit static_cast<LibelleLien *>(w)->Active(); }) {}

    QString text(QAccessible::Text t) const override {
        const QString nom = Pressable::text(t);
        if (t != QAccessible::Name || !nom.isEmpty()) return nom;
        return static_cast<QLabel *>(widget())->text();
    }
};

QAccessibleInterface *Fabrique(const QString &classe, QObject *objet) {
    if (!objet || !objet->isWidgetType()) return nullptr;
    auto *w = static_cast<QWidget *>(objet);
    if (classe == QLatin1String("QLineEdit") && objet->objectName() == QLatin1String("CoupN") &&
        qobject_cast<ZoneClient *>(w->parentWidget()))
        return new GrillePlateau(w);
    if (classe == QLatin1String("lumio::ImageChiffre"))
        return new ChiffrePalette(static_cast<ImageChiffre *>(w));
    if (classe == QLatin1String("QLabel") || classe == QLatin1String("lumio::ImageAnimee"))
        if (auto *clic = objet->findChild<ClicImage *>(QString(), Qt::FindDirectChildrenOnly))
            return new Pressable(w, QAccessible::Button, [clic = QPointer<ClicImage>(clic)](QWidget *) {
                if (clic) clic->Activer();
            });
    if (classe == QLatin1String("lumio::LibelleLien")) return new Lien(static_cast<LibelleLien *>(w));
    if (classe == QLatin1String("lumio::Avis")) return InterfaceAvis(static_cast<Avis *>(w));
    return nullptr;
}

} // namespace

void InstallerAccessibilite() {
    QAccessible::installFactory(Fabrique);
}

void RenouvelerInterface(QObject *objet) {
    if (!QAccessible::isActive() || !objet) return;
    if (QAccessibleInterface *faite = QAccessible::queryAccessibleInterface(objet))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(faite));
}

} // namespace lumio
