// Tooltips: the keyed collection and its errors, the colours drawn, and the hover that shows the tip.
#include "Palette.h"

#include <tovxp/TovToolTip.h>
#include <tovxp/TovToolTips.h>

#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>

using namespace tovxp;

namespace {

int visibleTips() {
    int n = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        n += w->isVisible() && w->windowType() == Qt::ToolTip;
    return n;
}

int allTips() {
    int n = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        n += w->windowType() == Qt::ToolTip;
    return n;
}

void hover(QWidget *target, QPoint pos) {
    QEnterEvent enter{QPointF(pos), QPointF(pos), QPointF(target->mapToGlobal(pos))};
    QApplication::sendEvent(target, &enter);
    QMouseEvent move{QEvent::MouseMove, QPointF(pos), QPointF(target->mapToGlobal(pos)),
                     Qt::NoButton,      Qt::NoButton, Qt::NoModifier};
    QApplication::sendEvent(target, &move);
}

struct Scene {
    QWidget host;
    QLabel *target;
    QLineEdit *edit;
    Scene() {
        host.setGeometry(100, 100, 400, 200);
        target = new QLabel(QStringLiteral("cible"), &host);
        target->setGeometry(50, 40, 100, 30);
        edit = new QLineEdit(&host);
        edit->setGeometry(50, 120, 200, 24);
        host.show();
    }
};

} // namespace

class tst_TovToolTip : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { tovxptest::useFixedPalette(); }
    void cleanup() { QTRY_COMPARE(allTips(), 0); }
    void collectionByKeyAndPosition();
    void collectionErrors_data();
    void collectionErrors();
    void duplicateKeyAddsAndAttachesNothing();
    void removeKeepsTheWindowClearKeepsTheEntries();
    void shownOverTheCapturedRectangleAfterTheDelay();
    void uncentredBalloonPointsAtThePointer();
    void resizedTargetKeepsTheOldRectangle();
    void coloursAreDrawnResolved_data();
    void coloursAreDrawnResolved();
    void showPopsABalloonOnlyOnAnEditBox();
    void windowOutlivesTheObjectButNotTheTarget();
};

void tst_TovToolTip::collectionByKeyAndPosition() {
    Scene s;
    TovToolTips tips;
    auto a = tips.Add(QStringLiteral("a"), s.target, QStringLiteral("un"));
    auto unkeyed = tips.Add(QString(), s.target, QStringLiteral("deux"));
    auto c = tips.Add(QStringLiteral("c"), s.edit, QStringLiteral("trois"), QStringLiteral("T"), TTI_Warning);
    QCOMPARE(tips.Count(), 3);
    QCOMPARE(tips.Item(QStringLiteral("a")), a);
    QCOMPARE(tips.Item(2), unkeyed);
    QCOMPARE(tips.Item(QStringLiteral("c")), c);
    QCOMPARE(c->Title(), QStringLiteral("T"));
    QCOMPARE(c->Icon(), TTI_Warning);
    QCOMPARE(c->ToolTipText(), QStringLiteral("trois"));
    QVERIFY(c->hwnd() != 0);

    QList<TovToolTip *> seen;
    for (const auto &tip : tips)
        seen << tip.get();
    QCOMPARE(seen, (QList<TovToolTip *>{a.get(), unkeyed.get(), c.get()}));
    QCOMPARE(tips.NewEnum().size(), std::size_t(3));
}

void tst_TovToolTip::collectionErrors_data() {
    QTest::addColumn<int>("action");
    QTest::newRow("item by empty key") << 0;
    QTest::newRow("item by unknown key") << 1;
    QTest::newRow("item at 0") << 2;
    QTest::newRow("item past the end") << 3;
    QTest::newRow("remove unknown key") << 4;
    QTest::newRow("remove past the end") << 5;
}

void tst_TovToolTip::collectionErrors() {
    QFETCH(int, action);
    Scene s;
    TovToolTips tips;
    tips.Add(QStringLiteral("a"), s.target, QStringLiteral("un"));
    tips.Add(QString(), s.target, QStringLiteral("deux"));
    switch (action) {
    case 0:
        QVERIFY_THROWS_EXCEPTION(NotFoundError, tips.Item(QString()));
        break;
    case 1:
        QVERIFY_THROWS_EXCEPTION(NotFoundError, tips.Item(QStringLiteral("b")));
        break;
    case 2:
        QVERIFY_THROWS_EXCEPTION(NotFoundError, tips.Item(0));
        break;
    case 3:
        QVERIFY_THROWS_EXCEPTION(NotFoundError, tips.Item(3));
        break;
    case 4:
        QVERIFY_THROWS_EXCEPTION(NotFoundError, tips.Remove(QStringLiteral("b")));
        break;
    case 5:
        QVERIFY_THROWS_EXCEPTION(NotFoundError, tips.Remove(3));
        break;
    }
    QCOMPARE(tips.Count(), 2);
}

void tst_TovToolTip::duplicateKeyAddsAndAttachesNothing() {
    Scene s;
    TovToolTips tips;
    tips.Add(QStringLiteral("a"), s.target, QStringLiteral("un"));
    const int windows = allTips();
    QVERIFY_THROWS_EXCEPTION(DuplicateKeyError, tips.Add(QStringLiteral("a"), s.edit, QStringLiteral("x")));
    QCOMPARE(tips.Count(), 1);
    QCOMPARE(allTips(), windows);
    // Several unkeyed entries are fine.
    tips.Add(QString(), s.target, QStringLiteral("deux"));
    tips.Add(QString(), s.target, QStringLiteral("trois"));
    QCOMPARE(tips.Count(), 3);
}

void tst_TovToolTip::removeKeepsTheWindowClearKeepsTheEntries() {
    Scene s;
    TovToolTips tips;
    auto a = tips.Add(QStringLiteral("a"), s.target, QStringLiteral("un"));
    auto b = tips.Add(QStringLiteral("b"), s.target, QStringLiteral("deux"));
    tips.Remove(QStringLiteral("a"));
    QCOMPARE(tips.Count(), 1);
    QCOMPARE(tips.Item(1), b);
    QVERIFY(a->window() != nullptr);
    QVERIFY(a->hwnd() != 0);
    tips.Clear();
    QCOMPARE(tips.Count(), 1);
    QCOMPARE(b->hwnd(), 0u);
    QVERIFY(a->window() != nullptr);
    a->Remove();
    QCOMPARE(a->hwnd(), 0u);
}

void tst_TovToolTip::shownOverTheCapturedRectangleAfterTheDelay() {
    Scene s;
    TovToolTip tip;
    tip.Attach(s.target, QStringLiteral("Bonjour"), QStringLiteral("Titre"), TTI_Info, true, true);
    QWidget *window = tip.window();
    QVERIFY(window);
    hover(s.target, QPoint(10, 10));
    QVERIFY(!window->isVisible()); // not at once
    QTRY_VERIFY(window->isVisible());
    const QPoint bottomCentre = s.target->mapToGlobal(QPoint(50, 30));
    QCOMPARE(window->geometry().top(), bottomCentre.y());
    QCOMPARE(window->geometry().left() + window->width() / 2, bottomCentre.x());
    // Leaving hides it.
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(s.target, &leave);
    QVERIFY(!window->isVisible());
}

void tst_TovToolTip::uncentredBalloonPointsAtThePointer() {
    Scene s;
    TovToolTip tip;
    tip.Attach(s.target, QStringLiteral("Bonjour"));
    hover(s.target, QPoint(30, 12));
    QTRY_VERIFY(tip.window()->isVisible());
    const QPoint pointer = s.target->mapToGlobal(QPoint(30, 12));
    QCOMPARE(tip.window()->geometry().top(), pointer.y());
    QVERIFY(tip.window()->geometry().left() < pointer.x());
    QVERIFY(tip.window()->geometry().right() > pointer.x());
}

void tst_TovToolTip::resizedTargetKeepsTheOldRectangle() {
    Scene s;
    TovToolTip tip;
    tip.Attach(s.target, QStringLiteral("Bonjour"));
    s.target->resize(250, 30);
    hover(s.target, QPoint(180, 10));
    QTest::qWait(TovToolTip::HoverDelay + 300);
    QVERIFY(!tip.window()->isVisible());
    hover(s.target, QPoint(80, 10));
    QTRY_VERIFY(tip.window()->isVisible());
}

void tst_TovToolTip::coloursAreDrawnResolved_data() {
    QTest::addColumn<quint32>("back");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("system tooltip background") << 0x80000018u << tovxptest::kTipBack;
    QTest::newRow("system highlight") << 0x8000000Du << tovxptest::kHighlight;
    QTest::newRow("plain value") << 0x00336699u << QColor(0x99, 0x66, 0x33);
}

void tst_TovToolTip::coloursAreDrawnResolved() {
    QFETCH(quint32, back);
    QFETCH(QColor, expected);
    Scene s;
    TovToolTip tip;
    QCOMPARE(tip.BackColor(), 0x80000018u);
    QCOMPARE(tip.ForeColor(), 0x80000017u);
    tip.Attach(s.target, QStringLiteral("Bonjour"), QString(), TTI_None, false);
    tip.setBackColor(back);
    tip.setForeColor(0x000000FFu);
    hover(s.target, QPoint(10, 10));
    QTRY_VERIFY(tip.window()->isVisible());
    const QImage img = tip.window()->grab().toImage();
    QCOMPARE(QColor(img.pixel(img.width() / 2, 2)), expected);
    QCOMPARE(QColor(img.pixel(img.width() / 2, 0)), QColor(255, 0, 0)); // the frame in the text colour
}

void tst_TovToolTip::showPopsABalloonOnlyOnAnEditBox() {
    Scene s;
    TovToolTip onLabel;
    onLabel.Attach(s.target, QStringLiteral("x"));
    onLabel.Show();
    QCOMPARE(visibleTips(), 0);
    TovToolTip onEdit;
    onEdit.Attach(s.edit, QStringLiteral("Chiffres seulement"), QStringLiteral("Saisie"), TTI_Error);
    onEdit.Show();
    QCOMPARE(visibleTips(), 1);
    QTest::keyClick(s.edit, Qt::Key_A);
    QCOMPARE(visibleTips(), 0);
}

void tst_TovToolTip::windowOutlivesTheObjectButNotTheTarget() {
    Scene s;
    QWidget *window = nullptr;
    {
        TovToolTip tip;
        tip.Attach(s.target, QStringLiteral("x"));
        window = tip.window();
    }
    QVERIFY(allTips() >= 1);
    hover(s.target, QPoint(5, 5));
    QTRY_VERIFY(window->isVisible());
    delete s.target;
    QTRY_COMPARE(allTips(), 0);
}

QTEST_MAIN(tst_TovToolTip)
#include "tst_TovToolTip.moc"
