// TovCommand for assistive technology: its caption as name, its tooltip as description, a push
// button (checkable in check-box mode) that a screen reader can press.
#include "tovxp/TovCommand.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QKeySequence>
#include <QPointer>

namespace tovxp {

namespace {

class TovCommandAccessible : public QAccessibleWidget {
  public:
    explicit TovCommandAccessible(TovCommand *button) : QAccessibleWidget(button, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override {
        const TovCommand *b = button();
        switch (t) {
        case QAccessible::Name:
            if (!b->accessibleName().isEmpty()) return b->accessibleName();
            return TovCommand::DisplayedCaption(b->Caption());
        case QAccessible::Description:
            if (!b->accessibleDescription().isEmpty()) return b->accessibleDescription();
            return b->toolTip();
        case QAccessible::Accelerator:
            if (b->AccessKey().isNull()) return {};
            return QKeySequence(QKeyCombination(Qt::AltModifier, Qt::Key(b->AccessKey().unicode())))
                .toString(QKeySequence::NativeText);
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        const TovCommand *b = button();
        if (b->CheckBox()) {
            s.checkable = true;
            s.checked = b->Value();
        } else {
            s.pressed = b->Value();
        }
        s.defaultButton = b->Default();
        return s;
    }

    QStringList actionNames() const override {
        QStringList names;
        if (button()->isEnabled()) {
            names << pressAction();
            if (button()->CheckBox()) names << toggleAction();
        }
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override {
        if (action != pressAction() && action != toggleAction()) return QAccessibleWidget::doAction(action);
        TovCommand *b = button();
        if (!b->isEnabled()) return;
        // After the request has returned: a click may open a modal window, and the reader that
        // asked must not wait for it to close.
        QMetaObject::invokeMethod(
            b,
            [b] {
                if (!b->isEnabled()) return;
                if (b->CheckBox()) b->setValue(!b->Value());
                emit b->Click();
            },
            Qt::QueuedConnection);
    }

    QStringList keyBindingsForAction(const QString &action) const override {
        if (action != pressAction() || button()->AccessKey().isNull()) return {};
        return {text(QAccessible::Accelerator)};
    }

  private:
    TovCommand *button() const { return static_cast<TovCommand *>(widget()); }
};

QAccessibleInterface *factory(const QString &className, QObject *object) {
    if (className == QLatin1String("tovxp::TovCommand") && object && object->isWidgetType())
        return new TovCommandAccessible(static_cast<TovCommand *>(object));
    return nullptr;
}

} // namespace

} // namespace tovxp

namespace {

// Every application that loads the library gets it, whatever window its buttons are on.
void installTovCommandAccessible() {
    QAccessible::installFactory(tovxp::factory);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installTovCommandAccessible)
