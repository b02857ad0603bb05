// PDF files read back with the poppler tools: pages, placed words, the digits of a grid.
#pragma once

#include "Grille.h"

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <cmath>
#include <vector>

namespace lumio::test {

inline QByteArray Outil(const QString &outil, const QStringList &arguments) {
    QProcess p;
    p.start(outil, arguments);
    if (!p.waitForFinished(60000)) qWarning("%s ne répond pas", qPrintable(outil));
    return p.readAllStandardOutput();
}

// The pages of a PDF, 0 when there is no such file.
inline int Pages(const QString &pdf) {
    if (!QFileInfo::exists(pdf)) return 0;
    const auto m = QRegularExpression("Pages:\\s+(\\d+)").match(QString::fromUtf8(Outil("pdfinfo", {pdf})));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

struct Mot {
    double x, y; // centre, in millimetres from the sheet's top-left corner
    QString texte;
};

inline std::vector<Mot> Mots(const QString &pdf, int page) {
    const QString p = QString::number(page);
    const QString html = QString::fromUtf8(Outil("pdftotext", {"-bbox", "-f", p, "-l", p, pdf, "-"}));
    static const QRegularExpression mot(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    std::vector<Mot> mots;
    const double mm = 25.4 / 72;
    for (auto it = mot.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        mots.push_back({(m.captured(1).toDouble() + m.captured(3).toDouble()) / 2 * mm,
                        (m.captured(2).toDouble() + m.captured(4).toDouble()) / 2 * mm, m.captured(5)});
    }
    return mots;
}

// The digits of the grid whose top edge is `haut` mm from the top of the sheet, 20 mm from its left.
inline GrilleChiffres GrilleLue(const std::vector<Mot> &mots, double haut) {
    GrilleChiffres g;
    for (const Mot &m : mots) {
        const int c = int(std::floor((m.x - 20) / 12)) + 1, r = int(std::floor((m.y - haut) / 12)) + 1;
        if (m.texte.size() == 1 && m.texte[0].isDigit() && c >= 1 && c <= 9 && r >= 1 && r <= 9)
            g(c, r) = Chiffre(m.texte.toInt());
    }
    return g;
}

// The words above the grids of a batch page: its titles.
inline QString Titres(const std::vector<Mot> &mots) {
    QStringList t;
    for (const Mot &m : mots)
        if (m.y < 25 || (m.y > 140 && m.y < 175)) t << m.texte;
    return t.join(' ');
}

} // namespace lumio::test
