// A window showing every look and state of the TovXp button, with and without pictures, and a few tooltips.
#include <tovxp/Module_API.h>
#include <tovxp/TovCommand.h>
#include <tovxp/TovToolTips.h>

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QStyle>

using namespace tovxp;

namespace {

enum Preview { Plain, Hover, Focus, Pressed, Checked, Disabled };

// A small bitmap on a magenta background, magenta being the mask colour.
QPixmap sampleBitmap() {
    QImage img(16, 16, QImage::Format_RGB32);
    img.fill(QColor(255, 0, 255));
    QPainter p(&img);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 120, 40));
    p.drawEllipse(1, 1, 14, 14);
    p.setBrush(QColor(250, 220, 40));
    p.drawRect(6, 4, 4, 8);
    return QPixmap::fromImage(img);
}

// The face of a button in a given state, as a still picture: live buttons can't all hover at once.
QLabel *still(QWidget *host, TovButtonTypes type, Preview state, const QVariant &picture) {
    TovCommand b(QStringLiteral("apercu"), host);
    b.setReady(false);
    b.setFont(host->font());
    b.setButtonType(type);
    b.setCaption(QStringLiteral("&Valider"));
    b.setMaskColor(RgbColor(255, 0, 255));
    b.setPicture(picture);
    switch (state) {
    case Hover:
        b.setMouseIsOver(true);
        break;
    case Focus:
        b.setDefault(true);
        break;
    case Pressed:
        b.setValue(true);
        break;
    case Checked:
        b.setCheckBox(true);
        b.setValue(true);
        break;
    case Disabled:
        b.setEnabled(false);
        break;
    case Plain:
        break;
    }
    b.setReady(true);
    const QSize size(110, 30);
    const qreal ratio = host->devicePixelRatioF();
    QImage face = b.renderImage(size, ratio);
    // Outside the window shape the host shows through, as on screen.
    QImage shown(face.size(), QImage::Format_RGB32);
    shown.setDevicePixelRatio(ratio);
    shown.fill(host->palette().color(QPalette::Window));
    QPainter p(&shown);
    p.setClipRegion(b.visibleRegion(face));
    p.drawImage(0, 0, face);
    p.end();
    auto *label = new QLabel(host);
    label->setPixmap(QPixmap::fromImage(shown));
    return label;
}

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("TovXp"));
    auto *grid = new QGridLayout(&window);

    const QStringList states = {"plain", "hover", "focus", "pressed", "checked", "disabled"};
    for (int c = 0; c < states.size(); ++c)
        grid->addWidget(new QLabel(states[c], &window), 0, c + 1, Qt::AlignCenter);

    const QIcon icon = window.style()->standardIcon(QStyle::SP_DialogApplyButton);
    const QList<QPair<QString, QVariant>> pictures = {{"", QVariant()},
                                                      {"bitmap", QVariant::fromValue(sampleBitmap())},
                                                      {"icon", QVariant::fromValue(icon)}};
    int row = 1;
    for (TovButtonTypes type : {WindowsXp, OfficeXp}) {
        for (const auto &pic : pictures) {
            const QString name =
                (type == WindowsXp ? QStringLiteral("Windows Xp ") : QStringLiteral("Office Xp ")) +
                pic.first;
            grid->addWidget(new QLabel(name, &window), row, 0);
            for (int c = 0; c < states.size(); ++c)
                grid->addWidget(still(&window, type, Preview(c), pic.second), row, c + 1);
            ++row;
        }
    }

    // A row of live buttons to try by hand, with tooltips.
    TovToolTips tips;
    auto *live = new QWidget(&window);
    auto *liveRow = new QHBoxLayout(live);
    const QList<TovButtonTypes> looks = {WindowsXp, OfficeXp, WindowsXp, OfficeXp};
    for (int i = 0; i < looks.size(); ++i) {
        auto *b = new TovCommand(QStringLiteral("TovCommand%1").arg(i + 1), live);
        b->setButtonType(looks[i]);
        b->setFixedSize(120, 30);
        b->setHandPointer(true);
        if (i == 1) b->setBackStyle(Transparent);
        if (i == 2) {
            b->setCheckBox(true);
            b->setCaption(QStringLiteral("&Bascule"));
        }
        if (i == 3) {
            b->setPicture(sampleBitmap());
            b->setMaskColor(RgbColor(255, 0, 255));
            b->setCaption(QStringLiteral("R&&D &Aide"));
        }
        liveRow->addWidget(b);
    }
    auto *edit = new QLineEdit(live);
    liveRow->addWidget(edit);
    grid->addWidget(live, row, 0, 1, states.size() + 1);

    const auto buttons = live->findChildren<TovCommand *>();
    tips.Add(QStringLiteral("un"), buttons.value(0), QStringLiteral("Une bulle avec un titre"),
             QStringLiteral("Information"), TTI_Info);
    tips.Add(QStringLiteral("deux"), buttons.value(1), QStringLiteral("Centrée sous le bouton"), QString(),
             TTI_None, true, true);
    tips.Add(QStringLiteral("trois"), buttons.value(2), QStringLiteral("Un rectangle simple"), QString(),
             TTI_None, false);
    auto editTip = tips.Add(QStringLiteral("saisie"), edit, QStringLiteral("Chiffres seulement"),
                            QStringLiteral("Attention"), TTI_Warning);
    editTip->setBackColor(RgbColor(255, 240, 200));
    QObject::connect(buttons.value(3), &TovCommand::Click, edit, [editTip] { editTip->Show(); });

    window.show();
    // Shows one tooltip straight away, so that a screenshot of the gallery includes one.
    if (app.arguments().contains(QStringLiteral("--show-tip"))) editTip->Show();
    return app.exec();
}
