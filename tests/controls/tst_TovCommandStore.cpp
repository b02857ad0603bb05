// A TovCommand's defaults and its stored entries: names, order, types, and what is left unwritten.
#include "Palette.h"

#include <tovxp/PropertyBag.h>
#include <tovxp/TovCommand.h>

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace tovxp;

namespace {

// Remembers in which order entries are asked for and handed over.
class RecordingBag : public VariantMapBag {
  public:
    using VariantMapBag::VariantMapBag;
    mutable QStringList asked;
    QStringList given;

  protected:
    bool has(const QString &name) const override {
        asked << name;
        return VariantMapBag::has(name);
    }
    void put(const QString &name, const QVariant &value) override {
        given << name;
        VariantMapBag::put(name, value);
    }
    void erase(const QString &name) override {
        given << name;
        VariantMapBag::erase(name);
    }
};

const QStringList kLoadOrder = {
    "Enabled",     "CenterPicture", "CenterText",      "MustDrawFocus", "UseMask",   "Checkbox",
    "HandPointer", "Caption",       "BackColor",       "MaskColor",     "ForeColor", "ButtonType",
    "Font",        "Picture",       "OfficeOverColor", "BackStyle",     "Value"};
const QStringList kSaveOrder = {
    "Enabled",   "OfficeOverColor", "CenterPicture", "CenterText", "MustDrawFocus", "UseMask",
    "Checkbox",  "HandPointer",     "BackStyle",     "Caption",    "Font",          "Picture",
    "BackColor", "MaskColor",       "ForeColor",     "ButtonType", "Value"};

} // namespace

class tst_TovCommandStore : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { tovxptest::useFixedPalette(); }
    void newControlTakesTheDefaults_data();
    void newControlTakesTheDefaults();
    void newControlUsesTheHostFont();
    void defaultsAreNotWritten();
    void entriesAreReadAndWrittenInOrder();
    void checkBoxIsStoredWithALowerCaseB();
    void storedControlWithoutCheckboxEntryIsAPushButton();
    void storedControlWithoutCaptionTakesItsName();
    void roundTrip_data();
    void roundTrip();
    void returningToADefaultErasesTheStaleEntry();
    void hostIsToldOfSomeChanges();
    void identifiersAreDistinct();
};

void tst_TovCommandStore::newControlTakesTheDefaults_data() {
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("expected");
    QTest::newRow("Enabled") << QByteArray("Enabled") << QVariant(true);
    QTest::newRow("Caption is its name") << QByteArray("Caption") << QVariant(QStringLiteral("TovCommand1"));
    QTest::newRow("BackColor") << QByteArray("BackColor") << QVariant(0x8000000Fu);
    QTest::newRow("ForeColor") << QByteArray("ForeColor") << QVariant(0x80000012u);
    QTest::newRow("MaskColor") << QByteArray("MaskColor") << QVariant(0x8000000Fu);
    QTest::newRow("OfficeOverColor") << QByteArray("OfficeOverColor") << QVariant(0x8000000Du);
    QTest::newRow("CheckBox") << QByteArray("CheckBox") << QVariant(false);
    QTest::newRow("ButtonType") << QByteArray("ButtonType") << QVariant::fromValue(WindowsXp);
    QTest::newRow("BackStyle") << QByteArray("BackStyle") << QVariant::fromValue(Opaque);
    QTest::newRow("HandPointer") << QByteArray("HandPointer") << QVariant(false);
    QTest::newRow("Picture") << QByteArray("Picture") << QVariant();
    QTest::newRow("UseMask") << QByteArray("UseMask") << QVariant(true);
    QTest::newRow("MustDrawFocus") << QByteArray("MustDrawFocus") << QVariant(true);
    QTest::newRow("CenterPicture") << QByteArray("CenterPicture") << QVariant(true);
    QTest::newRow("CenterText") << QByteArray("CenterText") << QVariant(true);
    QTest::newRow("Value") << QByteArray("Value") << QVariant(false);
    QTest::newRow("Ready") << QByteArray("Ready") << QVariant(true);
}

void tst_TovCommandStore::newControlTakesTheDefaults() {
    QFETCH(QByteArray, property);
    QFETCH(QVariant, expected);
    QWidget host;
    TovCommand b(QStringLiteral("TovCommand1"), &host);
    QCOMPARE(b.property(property.constData()), expected);
}

void tst_TovCommandStore::newControlUsesTheHostFont() {
    QWidget host;
    QFont f = host.font();
    f.setPointSize(17);
    host.setFont(f);
    TovCommand b(QStringLiteral("x"), &host);
    QCOMPARE(b.font().pointSize(), 17);
}

void tst_TovCommandStore::defaultsAreNotWritten() {
    QWidget host;
    TovCommand b(QStringLiteral("TovCommand1"), &host);
    VariantMapBag bag;
    b.WriteProperties(bag);
    QVERIFY2(bag.values().isEmpty(), qPrintable(bag.values().keys().join(',')));
}

void tst_TovCommandStore::entriesAreReadAndWrittenInOrder() {
    QWidget host;
    TovCommand b(QStringLiteral("TovCommand1"), &host);
    RecordingBag bag;
    b.WriteProperties(bag);
    QCOMPARE(bag.given, kSaveOrder);
    b.ReadProperties(bag);
    QCOMPARE(bag.asked, kLoadOrder);
}

void tst_TovCommandStore::checkBoxIsStoredWithALowerCaseB() {
    QWidget host;
    TovCommand b(QStringLiteral("TovCommand1"), &host);
    b.setCheckBox(true);
    VariantMapBag bag;
    b.WriteProperties(bag);
    QCOMPARE(bag.values().keys(), QStringList{"Checkbox"});
}

void tst_TovCommandStore::storedControlWithoutCheckboxEntryIsAPushButton() {
    QWidget host;
    TovCommand b(QStringLiteral("TovCommand4"), &host);
    b.setCheckBox(true);
    b.ReadProperties(VariantMapBag({{"Caption", "&Quitter"}, {"CheckBox", true}}));
    QVERIFY(!b.CheckBox());
    QCOMPARE(b.Caption(), QStringLiteral("&Quitter"));
    QCOMPARE(b.AccessKey(), QChar('Q'));
}

void tst_TovCommandStore::storedControlWithoutCaptionTakesItsName() {
    QWidget host;
    TovCommand b(QStringLiteral("TovCommand6"), &host);
    b.setCaption(QStringLiteral("autre"));
    b.ReadProperties(VariantMapBag());
    QCOMPARE(b.Caption(), QStringLiteral("TovCommand6"));
}

void tst_TovCommandStore::roundTrip_data() {
    QTest::addColumn<bool>("settings");
    QTest::newRow("in memory") << false;
    QTest::newRow("settings file") << true;
}

void tst_TovCommandStore::roundTrip() {
    QFETCH(bool, settings);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    auto ini = std::make_unique<QSettings>(dir.filePath("c.ini"), QSettings::IniFormat);
    VariantMapBag memory;
    SettingsBag file(*ini, QStringLiteral("frmMain/TovCommand1"));
    PropertyBag &bag = settings ? static_cast<PropertyBag &>(file) : memory;

    QWidget host;
    TovCommand a(QStringLiteral("TovCommand1"), &host);
    QFont font = a.font();
    font.setFamily(QStringLiteral("DejaVu Serif"));
    font.setPointSize(13);
    font.setBold(true);
    QImage pic(5, 4, QImage::Format_RGB32);
    pic.fill(Qt::green);
    a.setReady(false);
    a.setEnabled(false);
    a.setCenterPicture(false);
    a.setCenterText(false);
    a.setMustDrawFocus(false);
    a.setUseMask(false);
    a.setCheckBox(true);
    a.setHandPointer(true);
    a.setCaption(QStringLiteral("&Nouvelle partie"));
    a.setBackColor(0x00102030);
    a.setMaskColor(0x00FF00FF);
    a.setForeColor(0x80000008);
    a.setButtonType(OfficeXp);
    a.setFont(font);
    a.setPicture(QPixmap::fromImage(pic));
    a.setOfficeOverColor(0x00FFFFFF);
    a.setBackStyle(Transparent);
    a.setValue(true);
    a.setReady(true);
    a.WriteProperties(bag);
    QVERIFY(bag.contains(QStringLiteral("Checkbox")));

    if (settings) {
        ini->sync();
        ini = std::make_unique<QSettings>(dir.filePath("c.ini"), QSettings::IniFormat);
    }
    SettingsBag reread(*ini, QStringLiteral("frmMain/TovCommand1"));
    const PropertyBag &source = settings ? static_cast<const PropertyBag &>(reread) : memory;
    TovCommand b(QStringLiteral("TovCommand1"), &host);
    b.ReadProperties(source);
    QCOMPARE(b.isEnabled(), false);
    QCOMPARE(b.CenterPicture(), false);
    QCOMPARE(b.CenterText(), false);
    QCOMPARE(b.MustDrawFocus(), false);
    QCOMPARE(b.UseMask(), false);
    QCOMPARE(b.CheckBox(), true);
    QCOMPARE(b.HandPointer(), true);
    QCOMPARE(b.Caption(), QStringLiteral("&Nouvelle partie"));
    QCOMPARE(b.BackColor(), 0x00102030u);
    QCOMPARE(b.MaskColor(), 0x00FF00FFu);
    QCOMPARE(b.ForeColor(), 0x80000008u);
    QCOMPARE(b.ButtonType(), OfficeXp);
    QCOMPARE(b.font().family(), font.family());
    QCOMPARE(b.font().pointSize(), 13);
    QVERIFY(b.font().bold());
    QCOMPARE(b.Picture().value<QPixmap>().toImage().convertToFormat(QImage::Format_RGB32), pic);
    QCOMPARE(b.OfficeOverColor(), 0x00FFFFFFu);
    QCOMPARE(b.BackStyle(), Transparent);
    QCOMPARE(b.Value(), true);
    QVERIFY(b.Ready());
}

void tst_TovCommandStore::returningToADefaultErasesTheStaleEntry() {
    QTemporaryDir dir;
    QSettings ini(dir.filePath("c.ini"), QSettings::IniFormat);
    SettingsBag bag(ini, QStringLiteral("Options1/TovCommand2"));
    QWidget host;
    TovCommand b(QStringLiteral("TovCommand2"), &host);
    b.setButtonType(OfficeXp);
    b.WriteProperties(bag);
    QCOMPARE(ini.value("Options1/TovCommand2/ButtonType").toInt(), 1);
    b.setButtonType(WindowsXp);
    b.WriteProperties(bag);
    QVERIFY(!ini.contains("Options1/TovCommand2/ButtonType"));
    TovCommand c(QStringLiteral("TovCommand2"), &host);
    c.setButtonType(OfficeXp);
    c.ReadProperties(bag);
    QCOMPARE(c.ButtonType(), WindowsXp);
}

void tst_TovCommandStore::hostIsToldOfSomeChanges() {
    TovCommand b(QStringLiteral("x"));
    QStringList told;
    connect(&b, &TovCommand::PropertyChanged, this, [&told](const QString &n) { told << n; });
    b.setCenterPicture(false);
    b.setUseMask(false);
    b.setPicture(QPixmap(4, 4));
    b.setCaption(QStringLiteral("y"));
    QCOMPARE(told, (QStringList{"CenterPicture", "UseMask", "Picture"}));
}

void tst_TovCommandStore::identifiersAreDistinct() {
    TovCommand a, b;
    QVERIFY(a.hwnd() != 0);
    QVERIFY(a.hwnd() != b.hwnd());
}

QTEST_MAIN(tst_TovCommandStore)
#include "tst_TovCommandStore.moc"
