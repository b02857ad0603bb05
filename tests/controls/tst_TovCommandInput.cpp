// What a user does to a TovCommand: mouse, keyboard, access key, focus and hover, and the events it raises.
#include "Palette.h"

#include <tovxp/TovCommand.h>

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

using namespace tovxp;

namespace {

// Mouse events sent straight to the button, so that a drag goes where the test says.
void mouse(TovCommand *b, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent e(type, QPointF(pos), QPointF(b->mapToGlobal(pos)), button, held, Qt::NoModifier);
    QApplication::sendEvent(b, &e);
}

void press(TovCommand *b, QPoint pos) {
    mouse(b, QEvent::MouseButtonPress, pos, Qt::LeftButton, Qt::LeftButton);
}
void drag(TovCommand *b, QPoint pos) {
    mouse(b, QEvent::MouseMove, pos, Qt::NoButton, Qt::LeftButton);
}
void release(TovCommand *b, QPoint pos) {
    mouse(b, QEvent::MouseButtonRelease, pos, Qt::LeftButton, Qt::NoButton);
}

struct Window {
    QWidget host;
    TovCommand *first, *middle, *last;
    Window() {
        first = new TovCommand(QStringLiteral("TovCommand1"), &host);
        middle = new TovCommand(QStringLiteral("TovCommand2"), &host);
        last = new TovCommand(QStringLiteral("TovCommand3"), &host);
        first->setGeometry(10, 10, 80, 25);
        middle->setGeometry(10, 40, 80, 25);
        last->setGeometry(10, 70, 80, 25);
        host.resize(200, 120);
    }
    bool showActive() {
        host.show();
        return QTest::qWaitForWindowActive(&host);
    }
};

} // namespace

class tst_TovCommandInput : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { tovxptest::useFixedPalette(); }
    void clickInsideRaisesClick();
    void dragOutAndReleaseGivesNoClick();
    void otherButtonsDoNothing();
    void checkBoxFlips_data();
    void checkBoxFlips();
    void spaceClicksOnceOnRelease();
    void keysThatClick_data();
    void keysThatClick();
    void releaseWithoutItsPressGivesNoClick_data();
    void releaseWithoutItsPressGivesNoClick();
    void disabledControlIsInert();
    void accessKeyOfCaption_data();
    void accessKeyOfCaption();
    void displayedCaption();
    void altAccessKeyClicks();
    void arrowsMoveTheFocus_data();
    void arrowsMoveTheFocus();
    void losingFocusLiftsAPushButtonButNotACheckBox();
    void hoverSignals();
    void realPointerMovesRaiseHover();
    void doubleClickReportsAndStillClicksOnEachRelease();
};

void tst_TovCommandInput::clickInsideRaisesClick() {
    Window w;
    QSignalSpy clicks(w.middle, &TovCommand::Click);
    press(w.middle, {20, 10});
    QVERIFY(w.middle->Value());
    release(w.middle, {20, 10});
    QVERIFY(!w.middle->Value());
    QCOMPARE(clicks.count(), 1);
}

void tst_TovCommandInput::dragOutAndReleaseGivesNoClick() {
    Window w;
    QSignalSpy clicks(w.middle, &TovCommand::Click);
    press(w.middle, {20, 10});
    drag(w.middle, {200, 10});
    QVERIFY(!w.middle->Value()); // the pressed look ends when the pointer leaves
    drag(w.middle, {30, 12});
    QVERIFY(w.middle->Value()); // and comes back with it
    drag(w.middle, {30, -5});
    release(w.middle, {30, -5});
    QVERIFY(!w.middle->Value());
    QCOMPARE(clicks.count(), 0);
}

void tst_TovCommandInput::otherButtonsDoNothing() {
    Window w;
    QSignalSpy clicks(w.middle, &TovCommand::Click);
    mouse(w.middle, QEvent::MouseButtonPress, {20, 10}, Qt::RightButton, Qt::RightButton);
    QVERIFY(!w.middle->Value());
    mouse(w.middle, QEvent::MouseButtonRelease, {20, 10}, Qt::RightButton, Qt::NoButton);
    QCOMPARE(clicks.count(), 0);
}

void tst_TovCommandInput::checkBoxFlips_data() {
    QTest::addColumn<QList<QPoint>>("releases");
    QTest::addColumn<bool>("expected");
    QTest::addColumn<int>("clicks");
    QTest::newRow("one click checks") << QList<QPoint>{{20, 10}} << true << 1;
    QTest::newRow("two clicks uncheck") << QList<QPoint>{{20, 10}, {5, 5}} << false << 2;
    QTest::newRow("release outside leaves it") << QList<QPoint>{{300, 10}} << false << 0;
    QTest::newRow("inside then outside") << QList<QPoint>{{20, 10}, {20, 40}} << true << 1;
}

void tst_TovCommandInput::checkBoxFlips() {
    QFETCH(QList<QPoint>, releases);
    QFETCH(bool, expected);
    QFETCH(int, clicks);
    Window w;
    w.middle->setCheckBox(true);
    QSignalSpy spy(w.middle, &TovCommand::Click);
    for (const QPoint &p : releases) {
        press(w.middle, {20, 10});
        drag(w.middle, p);
        release(w.middle, p);
    }
    QCOMPARE(w.middle->Value(), expected);
    QCOMPARE(spy.count(), clicks);
}

void tst_TovCommandInput::spaceClicksOnceOnRelease() {
    Window w;
    QSignalSpy clicks(w.middle, &TovCommand::Click);
    QTest::keyPress(w.middle, Qt::Key_Space);
    QVERIFY(w.middle->Value());
    QCOMPARE(clicks.count(), 0);
    QTest::keyRelease(w.middle, Qt::Key_Space);
    QVERIFY(!w.middle->Value());
    QCOMPARE(clicks.count(), 1);
}

void tst_TovCommandInput::keysThatClick_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("checkBox");
    QTest::addColumn<bool>("value");
    QTest::addColumn<int>("clicks");
    QTest::newRow("space") << int(Qt::Key_Space) << false << false << 1;
    QTest::newRow("return") << int(Qt::Key_Return) << false << false << 1;
    QTest::newRow("keypad enter") << int(Qt::Key_Enter) << false << false << 1;
    QTest::newRow("space checks") << int(Qt::Key_Space) << true << true << 1;
    QTest::newRow("return does not check") << int(Qt::Key_Return) << true << false << 1;
    QTest::newRow("a letter does nothing") << int(Qt::Key_A) << false << false << 0;
}

void tst_TovCommandInput::keysThatClick() {
    QFETCH(int, key);
    QFETCH(bool, checkBox);
    QFETCH(bool, value);
    QFETCH(int, clicks);
    Window w;
    w.middle->setCheckBox(checkBox);
    QSignalSpy spy(w.middle, &TovCommand::Click);
    QTest::keyClick(w.middle, Qt::Key(key));
    QCOMPARE(w.middle->Value(), value);
    QCOMPARE(spy.count(), clicks);
}

// The press went to another control (or window), and only the release reaches this one.
void tst_TovCommandInput::releaseWithoutItsPressGivesNoClick_data() {
    QTest::addColumn<int>("key"); // 0: the left mouse button
    QTest::addColumn<bool>("checkBox");
    QTest::newRow("space") << int(Qt::Key_Space) << false;
    QTest::newRow("return") << int(Qt::Key_Return) << false;
    QTest::newRow("keypad enter") << int(Qt::Key_Enter) << false;
    QTest::newRow("mouse") << 0 << false;
    QTest::newRow("mouse, check box") << 0 << true;
    QTest::newRow("space, check box") << int(Qt::Key_Space) << true;
}

void tst_TovCommandInput::releaseWithoutItsPressGivesNoClick() {
    QFETCH(int, key);
    QFETCH(bool, checkBox);
    Window w;
    w.middle->setCheckBox(checkBox);
    QVERIFY(w.showActive());
    w.first->setFocus();
    QTRY_VERIFY(w.first->HasFocus());
    QSignalSpy first(w.first, &TovCommand::Click);
    QSignalSpy middle(w.middle, &TovCommand::Click);
    if (key)
        QTest::keyPress(w.first, Qt::Key(key));
    else
        press(w.first, {20, 10});
    w.middle->setFocus();
    QTRY_VERIFY(w.middle->HasFocus());
    if (key)
        QTest::keyRelease(w.middle, Qt::Key(key));
    else
        release(w.middle, {20, 10});
    QCOMPARE(middle.count(), 0);
    QVERIFY(!w.middle->Value());
    // Nor does the control that lost the focus in the middle of its press click later.
    if (key)
        QTest::keyRelease(w.first, Qt::Key(key));
    else
        release(w.first, {20, 10});
    QCOMPARE(first.count(), 0);
    // A whole press and release still clicks.
    if (key)
        QTest::keyClick(w.middle, Qt::Key(key));
    else
        QTest::mouseClick(w.middle, Qt::LeftButton, {}, {20, 10});
    QCOMPARE(middle.count(), 1);
}

void tst_TovCommandInput::disabledControlIsInert() {
    Window w;
    w.middle->setHandPointer(true);
    QCOMPARE(w.middle->cursor().shape(), Qt::PointingHandCursor);
    w.middle->setEnabled(false);
    QCOMPARE(w.middle->cursor().shape(), Qt::ArrowCursor);
    QSignalSpy clicks(w.middle, &TovCommand::Click);
    QVERIFY(w.showActive());
    QTest::mouseClick(w.middle, Qt::LeftButton, {}, {20, 10});
    QTest::keyClick(w.middle, Qt::Key_Space);
    QTest::keyClick(&w.host, Qt::Key_T, Qt::AltModifier); // caption "TovCommand2": Alt+T
    QVERIFY(!w.middle->Value());
    QCOMPARE(clicks.count(), 0);
    w.middle->setCheckBox(true);
    QTest::mouseClick(w.middle, Qt::LeftButton, {}, {20, 10});
    QVERIFY(!w.middle->Value());
}

void tst_TovCommandInput::accessKeyOfCaption_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QChar>("key");
    QTest::newRow("first letter") << "&Imprimer" << QChar('I');
    QTest::newRow("inside") << "Nou&veau" << QChar('v');
    QTest::newRow("none") << "Quitter" << QChar();
    QTest::newRow("empty") << "" << QChar();
    QTest::newRow("trailing ampersand") << "Fin&" << QChar();
    QTest::newRow("only doubled") << "Pile && Face" << QChar();
    QTest::newRow("just a pair") << "&&" << QChar();
    QTest::newRow("after a pair") << "R&&D &Equipe" << QChar('E');
    QTest::newRow("pair then single") << "a&&&b" << QChar('b');
    QTest::newRow("first single wins") << "&Un &Deux" << QChar('U');
}

void tst_TovCommandInput::accessKeyOfCaption() {
    QFETCH(QString, caption);
    QFETCH(QChar, key);
    QCOMPARE(TovCommand::AccessKeyOf(caption), key);
    TovCommand b;
    b.setCaption(caption);
    QCOMPARE(b.AccessKey(), key);
}

void tst_TovCommandInput::displayedCaption() {
    QCOMPARE(TovCommand::DisplayedCaption(QStringLiteral("R&&D &Equipe")), QStringLiteral("R&D Equipe"));
    QCOMPARE(TovCommand::DisplayedCaption(QStringLiteral("Fin&")), QStringLiteral("Fin"));
}

void tst_TovCommandInput::altAccessKeyClicks() {
    Window w;
    w.middle->setCaption(QStringLiteral("&Imprimer"));
    w.last->setCaption(QStringLiteral("R&&D &Zone"));
    QSignalSpy middle(w.middle, &TovCommand::Click);
    QSignalSpy last(w.last, &TovCommand::Click);
    QVERIFY(w.showActive());
    QTest::keyClick(&w.host, Qt::Key_I, Qt::AltModifier);
    QCOMPARE(middle.count(), 1);
    QTest::keyClick(&w.host, Qt::Key_Z, Qt::AltModifier);
    QCOMPARE(last.count(), 1);
    QTest::keyClick(&w.host, Qt::Key_D, Qt::AltModifier);
    QCOMPARE(last.count(), 1);
    // A new caption drops the old key.
    w.middle->setCaption(QStringLiteral("Sans"));
    QTest::keyClick(&w.host, Qt::Key_I, Qt::AltModifier);
    QCOMPARE(middle.count(), 1);
}

void tst_TovCommandInput::arrowsMoveTheFocus_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("expected"); // 0 first, 2 last
    QTest::newRow("left") << int(Qt::Key_Left) << 0;
    QTest::newRow("up") << int(Qt::Key_Up) << 0;
    QTest::newRow("right") << int(Qt::Key_Right) << 2;
    QTest::newRow("down") << int(Qt::Key_Down) << 2;
}

void tst_TovCommandInput::arrowsMoveTheFocus() {
    QFETCH(int, key);
    QFETCH(int, expected);
    Window w;
    QVERIFY(w.showActive());
    w.middle->setFocus();
    QTRY_VERIFY(w.middle->HasFocus());
    QTest::keyClick(w.middle, Qt::Key(key));
    TovCommand *target = expected == 0 ? w.first : w.last;
    QTRY_VERIFY(target->hasFocus());
    QVERIFY(target->HasFocus());
    QVERIFY(!w.middle->HasFocus());
}

void tst_TovCommandInput::losingFocusLiftsAPushButtonButNotACheckBox() {
    Window w;
    QVERIFY(w.showActive());
    w.middle->setFocus();
    QTRY_VERIFY(w.middle->HasFocus());
    QTest::keyPress(w.middle, Qt::Key_Space);
    QVERIFY(w.middle->Value());
    w.last->setFocus();
    QTRY_VERIFY(!w.middle->HasFocus());
    QVERIFY(!w.middle->Value());

    w.first->setCheckBox(true);
    w.first->setFocus();
    QTRY_VERIFY(w.first->HasFocus());
    QTest::keyClick(w.first, Qt::Key_Space);
    QVERIFY(w.first->Value());
    w.last->setFocus();
    QTRY_VERIFY(!w.first->HasFocus());
    QVERIFY(w.first->Value());
}

void tst_TovCommandInput::hoverSignals() {
    Window w;
    QSignalSpy over(w.middle, &TovCommand::MouseOver);
    QSignalSpy leave(w.middle, &TovCommand::MouseLeave);
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(w.middle->mapToGlobal(QPoint(5, 5))));
    QApplication::sendEvent(w.middle, &enter);
    QVERIFY(w.middle->MouseIsOver());
    QCOMPARE(over.count(), 1);
    QCOMPARE(leave.count(), 0);
    QEvent out(QEvent::Leave);
    QApplication::sendEvent(w.middle, &out);
    QVERIFY(!w.middle->MouseIsOver());
    QCOMPARE(leave.count(), 1);
}

void tst_TovCommandInput::realPointerMovesRaiseHover() {
    Window w;
    QVERIFY(w.showActive());
    QSignalSpy over(w.middle, &TovCommand::MouseOver);
    QSignalSpy leave(w.middle, &TovCommand::MouseLeave);
    QTest::mouseMove(&w.host, QPoint(150, 100));
    QTest::mouseMove(&w.host, QPoint(30, 50));
    QTRY_COMPARE(over.count(), 1);
    QTest::mouseMove(&w.host, QPoint(150, 100));
    QTRY_COMPARE(leave.count(), 1);
}

void tst_TovCommandInput::doubleClickReportsAndStillClicksOnEachRelease() {
    Window w;
    QSignalSpy dbl(w.middle, &TovCommand::DblClick);
    QSignalSpy clicks(w.middle, &TovCommand::Click);
    press(w.middle, {20, 10});
    release(w.middle, {20, 10});
    mouse(w.middle, QEvent::MouseButtonDblClick, {20, 10}, Qt::LeftButton, Qt::LeftButton);
    release(w.middle, {20, 10});
    QCOMPARE(dbl.count(), 1);
    QCOMPARE(clicks.count(), 2);
}

QTEST_MAIN(tst_TovCommandInput)
#include "tst_TovCommandInput.moc"
