// TovCommand as a screen reader sees it: name, description, shortcut, role, state and the press.
#include <tovxp/TovCommand.h>

#include <QAccessible>
#include <QSignalSpy>
#include <QtTest>

using tovxp::TovCommand;

namespace {

std::vector<QAccessible::Event> recus;
void Noter(QAccessibleEvent *e) {
    recus.push_back(e->type());
}

} // namespace

class TestTovCommandAccessible : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void unBoutonSePresente_data();
    void unBoutonSePresente();
    void unNouveauTitreSEntend();
};

void TestTovCommandAccessible::initTestCase() {
    if (QGuiApplication::platformName() != "offscreen")
        (void)QTest::qWaitFor([] { return QAccessible::isActive(); }, 5000);
    QAccessible::installUpdateHandler(Noter);
}

void TestTovCommandAccessible::unBoutonSePresente_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("caseACocher");
    QTest::addColumn<bool>("actif");
    QTest::addColumn<QString>("nomDonne"); // the host's own name for it, if any
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("raccourci");
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<int>("clics"); // after a press through the interface
    const QString appuyer = QAccessibleActionInterface::pressAction();
    const QString basculer = QAccessibleActionInterface::toggleAction();
    QTest::newRow("push") << "&Imprimer" << false << true << ""
                          << "Imprimer"
                          << "Alt+I" << QStringList{appuyer} << 1;
    QTest::newRow("literal ampersand") << "Sons && images" << false << true << ""
                                       << "Sons & images"
                                       << "" << QStringList{appuyer} << 1;
    QTest::newRow("host's name") << "<<" << false << true << "Moins d'options"
                                 << "Moins d'options"
                                 << "" << QStringList{appuyer} << 1;
    QTest::newRow("check box") << "Actif" << true << true << ""
                               << "Actif"
                               << "" << QStringList{appuyer, basculer} << 1;
    QTest::newRow("disabled") << "Solution" << false << false << ""
                              << "Solution"
                              << "" << QStringList{} << 0;
}

void TestTovCommandAccessible::unBoutonSePresente() {
    QFETCH(QString, caption);
    QFETCH(bool, caseACocher);
    QFETCH(bool, actif);
    QFETCH(QString, nomDonne);
    QFETCH(QString, nom);
    QFETCH(QString, raccourci);
    QFETCH(QStringList, actions);
    QFETCH(int, clics);
    QWidget hote;
    auto *b = new TovCommand("TovCommand1", &hote);
    b->setCaption(caption);
    b->setCheckBox(caseACocher);
    b->setEnabled(actif);
    b->setToolTip("Ce que fait le bouton");
    if (!nomDonne.isEmpty()) b->setAccessibleName(nomDonne);
    QAccessibleInterface *i = QAccessible::queryAccessibleInterface(b);
    QCOMPARE(i->role(), QAccessible::Button);
    QCOMPARE(i->text(QAccessible::Name), nom);
    QCOMPARE(i->text(QAccessible::Description), QString("Ce que fait le bouton"));
    QCOMPARE(i->text(QAccessible::Accelerator), raccourci);
    QCOMPARE(i->state().checkable, caseACocher);
    QCOMPARE(i->state().disabled, !actif);
    QCOMPARE(i->actionInterface()->actionNames().mid(0, actions.size()), actions);

    QSignalSpy clic(b, &TovCommand::Click);
    recus.clear();
    i->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(clic.size(), 0); // not while the reader's request is being answered
    QTRY_COMPARE(clic.size(), clics);
    QCOMPARE(b->Value(), caseACocher && clics == 1);
    QCOMPARE(i->state().checked, b->Value());
    if (QAccessible::isActive() && caseACocher)
        QVERIFY(std::count(recus.begin(), recus.end(), QAccessible::StateChanged) == 1);
}

void TestTovCommandAccessible::unNouveauTitreSEntend() {
    if (!QAccessible::isActive()) QSKIP("no bridge to assistive technology on this platform: no events");
    TovCommand b("TovCommand1");
    recus.clear();
    b.setCaption("Nouvelle");
    QCOMPARE(std::count(recus.begin(), recus.end(), QAccessible::NameChanged), 1);
}

QTEST_MAIN(TestTovCommandAccessible)
#include "tst_TovCommandAccessible.moc"
