// The main window's status bar and notice for screen readers, invisible to the eye.
#include "accessibilite/BarreEtat.h"

#include <QAccessibleWidget>
#include <QLabel>

namespace lumio {

namespace {

// A status item: a label a screen reader reads, drawn by the caption it repeats.
class ElementMuet : public QLabel {
  public:
    using QLabel::QLabel;

  protected:
    void paintEvent(QPaintEvent *) override {}
};

// Nothing of it must answer the mouse: presses and tooltips go to what lies beneath.
void Transparent(QWidget *w) {
    w->setAttribute(Qt::WA_TransparentForMouseEvents);
}

class NotificationAvis : public QAccessibleWidget {
  public:
    explicit NotificationAvis(Avis *avis) : QAccessibleWidget(avis, QAccessible::Notification) {}
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? static_cast<Avis *>(widget())->Texte() : QString();
    }
};

} // namespace

BarreEtat::BarreEtat(const std::array<QLabel *, 3> &libelles, QWidget *parent)
    : QStatusBar(parent), libelles_(libelles) {
    setObjectName("BarreEtat");
    setSizeGripEnabled(false);
    Transparent(this);
    QRect place;
    for (QLabel *l : libelles)
        place = place.united(l->geometry());
    setGeometry(place);
    for (std::size_t k = 0; k < elements_.size(); ++k) {
        auto *e = new ElementMuet(this);
        e->setObjectName(QStringLiteral("EtatLecteur%1").arg(k + 1));
        Transparent(e);
        addWidget(e, 1);
        elements_[k] = e;
    }
    // Under the captions, which draw what it says.
    lower();
}

void BarreEtat::Suivre(const QString &chiffreChoisi) {
    for (std::size_t k = 0; k < libelles_.size(); ++k) {
        if (elements_[k]->text() != libelles_[k]->text()) elements_[k]->setText(libelles_[k]->text());
        elements_[k]->setVisible(!libelles_[k]->isHidden());
    }
    if (elements_[3]->text() != chiffreChoisi) elements_[3]->setText(chiffreChoisi);
}

Avis::Avis(QWidget *parent) : QWidget(parent) {
    setObjectName("Avis");
    Transparent(this);
    setGeometry(0, 0, 1, 1);
}

void Avis::Dire(const QString &texte) {
    texte_ = texte;
    if (!QAccessible::isActive()) return;
    // A reader speaks a notification when it is shown; it reads the name then.
    QAccessibleEvent e(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&e);
}

QAccessibleInterface *InterfaceAvis(Avis *avis) {
    return new NotificationAvis(avis);
}

} // namespace lumio
