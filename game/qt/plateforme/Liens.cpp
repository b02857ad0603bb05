// The author's web page and the mail to the author.
#include "plateforme/Liens.h"

#include "Courriel.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <iostream>

// The build defines LUMIO_ADRESSE_CONTACT, LUMIO_PAGE_WEB and LUMIO_VERSION (game/qt/CMakeLists.txt).

namespace lumio {

QString AdresseContact() {
    return QStringLiteral(LUMIO_ADRESSE_CONTACT);
}
QString AdressePageWeb() {
    return QStringLiteral(LUMIO_PAGE_WEB);
}
QString VersionProgramme() {
    return QStringLiteral(LUMIO_VERSION);
}

QUrl UrlMail(const std::string &lien) {
    // What a URL may hold as it is (RFC 3986, path and query): anything else is data to encode.
    static const QByteArray permis = "-._~!$&'()*+,;=:@/?";
    const QByteArray code = QByteArray::fromStdString(lien).toPercentEncoding(permis);
    return QUrl::fromEncoded(code, QUrl::StrictMode);
}

void SendMail(const std::string &strAddress, const std::string &strCC_V, const std::string &strBCC_V,
              const std::string &strSubject_V, const std::string &strBodyText_V) {
    QDesktopServices::openUrl(
        UrlMail(LienSendMail(strAddress, strCC_V, strBCC_V, strSubject_V, strBodyText_V)));
}

void ContacterAuteur() {
    SendMail(AdresseContact().toStdString(), "", "", SujetMail, "");
}

void OuvrirPageWeb() {
    QDesktopServices::openUrl(QUrl(AdressePageWeb(), QUrl::TolerantMode));
}

namespace {

// Hands a link to xdg-open as Qt itself would, but keeps what it writes: without a browser or a
// mail program it tries half a dozen in turn and complains of each in the terminal.
class OuvreurLiens : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;
    ~OuvreurLiens() override {
        for (const char *schema : Schemas)
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(schema));
    }
    static constexpr const char *Schemas[] = {"http", "https", "mailto"};

  public slots:
    void Ouvrir(const QUrl &lien) {
        const QString ouvreur = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
        if (ouvreur.isEmpty()) {
            Echec(lien, QStringLiteral(" (xdg-open est absent : paquet xdg-utils)"));
            return;
        }
        auto *p = new QProcess(this);
        p->setProcessChannelMode(QProcess::MergedChannels);
        p->setStandardOutputFile(QProcess::nullDevice());
        connect(p, &QProcess::finished, this, [this, p, lien](int code, QProcess::ExitStatus fin) {
            if (fin != QProcess::NormalExit || code != 0) Echec(lien, QString());
            p->deleteLater();
        });
        connect(p, &QProcess::errorOccurred, this, [this, p, lien](QProcess::ProcessError e) {
            if (e != QProcess::FailedToStart) return;
            Echec(lien, QString());
            p->deleteLater();
        });
        p->start(ouvreur, {QString::fromLatin1(lien.toEncoded())});
    }

  private:
    void Echec(const QUrl &lien, const QString &raison) {
        const bool mail = lien.scheme() == QStringLiteral("mailto");
        if (dejaDit_.contains(mail)) return;
        dejaDit_.insert(mail);
        std::cerr << "sudoku-lumio : "
                  << (mail ? QStringLiteral("aucun programme de courrier n'a pu écrire à « %1 »")
                           : QStringLiteral("aucun navigateur n'a pu ouvrir « %1 »"))
                         .arg(mail ? lien.path() : lien.toString())
                         .toStdString()
                  << raison.toStdString() << ".\n";
    }

    QSet<bool> dejaDit_; // mail or web, once each
};

} // namespace

void InstallerOuvreurLiens() {
    auto *ouvreur = new OuvreurLiens(QCoreApplication::instance());
    for (const char *schema : OuvreurLiens::Schemas)
        QDesktopServices::setUrlHandler(QString::fromLatin1(schema), ouvreur, "Ouvrir");
}

} // namespace lumio

#include "Liens.moc"
