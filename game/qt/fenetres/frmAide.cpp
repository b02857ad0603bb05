// The help window: contents, index and search beside the page, over Qt's compiled help.
#include "fenetres/frmAide.h"
#include "plateforme/FichierOrdinaire.h"

#include <QAction>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTextDocument>
#include <QToolBar>
#include <QVBoxLayout>
#include <utility>

namespace lumio {

namespace {

// Pictures of the main window are shown no wider than this, and narrower where the window is,
// so that they fit beside the contents.
constexpr int LargeurImages = 520;
constexpr int LargeurOnglets = 280;

} // namespace

// ---------------------------------------------------------------- NavigateurAide

NavigateurAide::NavigateurAide(QHelpEngine &moteur, QWidget *parent) : QTextBrowser(parent), moteur_(moteur) {
    setObjectName("NavigateurAide");
    setOpenExternalLinks(true);
    // Pages are read at length: a little larger than the labels of the windows.
    QFont f = font();
    f.setPointSizeF(f.pointSizeF() * 1.15);
    setFont(f);
}

QVariant NavigateurAide::loadResource(int type, const QUrl &nom) {
    if (nom.scheme() != QStringLiteral("qthelp")) return QTextBrowser::loadResource(type, nom);
    if (type != QTextDocument::ImageResource) return moteur_.fileData(nom);

    // A picture comes at two densities, "x.png" and "x@2x.png"; the finer one serves any screen
    // denser than 1, scaled smoothly to the screen's own pixels.
    const qreal ratio = devicePixelRatioF();
    QImage image;
    qreal densite = 1;
    if (ratio > 1) {
        QUrl fin = nom;
        QString chemin = nom.path();
        const int point = chemin.lastIndexOf('.');
        fin.setPath(chemin.insert(point < 0 ? chemin.size() : point, QStringLiteral("@2x")));
        if (image.loadFromData(moteur_.fileData(fin))) densite = 2;
    }
    if (image.isNull() && !image.loadFromData(moteur_.fileData(nom))) return {};
    const int largeur = qMin(largeurImages_, qRound(image.width() / densite));
    const int pixels = qRound(largeur * ratio);
    if (pixels != image.width()) image = image.scaledToWidth(pixels, Qt::SmoothTransformation);
    image.setDevicePixelRatio(ratio);
    return image;
}

// ---------------------------------------------------------------- frmAide

std::unique_ptr<QHelpEngine> frmAide::ChargerCollection(const QString &chemin, QString &raison) {
    // A pipe or a device under that name would block the database reader for ever.
    if (!QFileInfo(chemin).isFile()) {
        raison = QStringLiteral("ce n'est pas un fichier.");
        return nullptr;
    }
    auto moteur = std::make_unique<QHelpEngine>(chemin);
    moteur->setReadOnly(true);
    if (!moteur->setupData()) {
        raison = moteur->error();
        return nullptr;
    }
    if (moteur->registeredDocumentations().isEmpty()) {
        raison = QStringLiteral("il ne contient aucune page.");
        return nullptr;
    }
    // The pages and the search index are read by the same database engine, which would wait for
    // ever on a pipe or read a device to its end: each must be a regular file, or, for the index,
    // nothing yet.
    const QFileInfo collection(chemin);
    const QString index = collection.absolutePath() + QStringLiteral("/.") + collection.completeBaseName() +
                          QStringLiteral("/fts");
    QStringList fichiers{index};
    for (const QString &espace : moteur->registeredDocumentations())
        fichiers.prepend(moteur->documentationFileName(espace));
    for (const QString &f : fichiers) {
        const std::string nature = NatureNonOrdinaire(QFile::encodeName(f));
        if (nature.empty() && (f == index || QFileInfo(f).isFile())) continue;
        raison = QStringLiteral("Le fichier de %1, « %2 », est %3.")
                     .arg(f == index ? QStringLiteral("son index de recherche") : QStringLiteral("ses pages"),
                          QFileInfo(f).fileName(),
                          nature.empty() ? QStringLiteral("introuvable") : QString::fromStdString(nature));
        return nullptr;
    }
    const QString espace = moteur->registeredDocumentations().constFirst();
    if (moteur->fileData(QUrl(QStringLiteral("qthelp://%1/aide/index.html").arg(espace))).isEmpty()) {
        raison = QStringLiteral("sa page d'accueil manque (le fichier %1 est-il à côté ?).")
                     .arg(QFileInfo(moteur->documentationFileName(espace)).fileName());
        return nullptr;
    }
    return moteur;
}

frmAide::frmAide(std::unique_ptr<QHelpEngine> moteur, QWidget *parent)
    : QMainWindow(parent, Qt::Window), moteur_(std::move(moteur)) {
    setObjectName("frmAide");
    setWindowTitle(QStringLiteral("Aide de Sudoku Lumio"));
    setAttribute(Qt::WA_DeleteOnClose, false);

    separateur_ = new QSplitter(Qt::Horizontal, this);
    auto *separateur = separateur_;
    onglets_ = new QTabWidget(separateur);
    onglets_->setObjectName("Onglets");
    onglets_->setAccessibleName(QStringLiteral("Sommaire, index et recherche"));
    navigateur_ = new NavigateurAide(*moteur_, separateur);
    navigateur_->setAccessibleName(QStringLiteral("Page d'aide"));
    separateur->addWidget(onglets_);
    separateur->addWidget(navigateur_);
    separateur->setStretchFactor(1, 1);
    setCentralWidget(separateur);

    CreerOnglets();
    CreerActions();

    // Wide enough for a picture beside the contents, on the middle of the game's screen.
    const QScreen *ecran = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QSize voulu(LargeurOnglets + LargeurImages + 300, 760);
    if (ecran) {
        const QRect travail = ecran->availableGeometry();
        resize(voulu.boundedTo(travail.size() * 0.9));
        move(travail.center() - QPoint(width() / 2, height() / 2));
    } else {
        resize(voulu);
    }
    Repartir();

    QHelpSearchEngine *recherche = moteur_->searchEngine();
    connect(recherche, &QHelpSearchEngine::indexingStarted, this, [this] { indexation_ = true; });
    connect(recherche, &QHelpSearchEngine::indexingFinished, this, [this] {
        indexation_ = false;
        if (!rechercheEnAttente_.isEmpty()) Rechercher(std::exchange(rechercheEnAttente_, QString()));
    });
    connect(recherche, &QHelpSearchEngine::searchingFinished, this, &frmAide::AfficherResultats);
    // The index is built with the help; this only brings it up to date where the folder allows.
    recherche->reindexDocumentation();
    MontrerAccueil();
}

frmAide::~frmAide() = default;

QUrl frmAide::PageAccueil() const {
    return QUrl(
        QStringLiteral("qthelp://%1/aide/index.html").arg(moteur_->registeredDocumentations().value(0)));
}

void frmAide::Repartir() {
    // The three tabs need about 250 pixels to show their names, the contents their longest title.
    const int minimum = qMax(250, onglets_->minimumSizeHint().width());
    const int onglets = qBound(minimum, width() * 3 / 10, qMax(minimum, LargeurOnglets));
    separateur_->setSizes({onglets, width() - onglets});
    // What is left for a picture once the contents, the margins and a scroll bar have their share.
    const int images = qBound(240, width() - onglets - 60, LargeurImages);
    if (images == navigateur_->largeurImages_) return;
    navigateur_->largeurImages_ = images;
    if (navigateur_->source().isValid()) navigateur_->reload();
}

void frmAide::ElargirSommaire() {
    // Every title whole, at the side of its branch, beside a scroll bar should the list outgrow
    // the window: the window grows for it where the screen has room, else the page gives way.
    QHelpContentWidget *sommaire = moteur_->contentWidget();
    const int titres = static_cast<QAbstractItemView *>(sommaire)->sizeHintForColumn(0) +
                       2 * sommaire->frameWidth() +
                       sommaire->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, sommaire);
    if (titres <= sommaire->minimumWidth()) return;
    const int avant = onglets_->minimumSizeHint().width();
    sommaire->setMinimumWidth(titres);
    const int manque = onglets_->minimumSizeHint().width() - qMax(avant, LargeurOnglets);
    const QScreen *ecran = screen() ? screen() : QGuiApplication::primaryScreen();
    if (manque > 0 && ecran)
        resize(qMin(width() + manque, int(ecran->availableGeometry().width() * 0.9)), height());
    Repartir();
}

void frmAide::MontrerAccueil() {
    navigateur_->setSource(PageAccueil());
}

void frmAide::CreerOnglets() {
    QHelpContentWidget *sommaire = moteur_->contentWidget();
    sommaire->setObjectName("Sommaire");
    sommaire->setHeaderHidden(true);
    sommaire->setAccessibleName(QStringLiteral("Sommaire"));
    connect(sommaire, &QHelpContentWidget::linkActivated, navigateur_,
            [this](const QUrl &u) { navigateur_->setSource(u); });
    // The contents follow the page shown, whichever way it was reached.
    auto suivre = [this, sommaire] {
        const QModelIndex i = sommaire->indexOf(navigateur_->source());
        if (i.isValid()) sommaire->setCurrentIndex(i);
    };
    connect(navigateur_, &QTextBrowser::sourceChanged, sommaire, suivre);
    connect(moteur_->contentModel(), &QHelpContentModel::contentsCreated, sommaire, [this, sommaire, suivre] {
        sommaire->expandAll();
        ElargirSommaire();
        suivre();
    });
    onglets_->addTab(sommaire, QStringLiteral("&Sommaire"));

    auto *pageIndex = new QWidget;
    auto *colonneIndex = new QVBoxLayout(pageIndex);
    motIndex_ = new QLineEdit;
    motIndex_->setObjectName("MotIndex");
    motIndex_->setPlaceholderText(QStringLiteral("Mot de l'index"));
    motIndex_->setAccessibleName(motIndex_->placeholderText());
    motIndex_->setClearButtonEnabled(true);
    QHelpIndexWidget *index = moteur_->indexWidget();
    index->setObjectName("Index");
    index->setAccessibleName(QStringLiteral("Index"));
    colonneIndex->addWidget(motIndex_);
    colonneIndex->addWidget(index);
    connect(motIndex_, &QLineEdit::textChanged, index,
            [index](const QString &t) { index->filterIndices(t); });
    connect(motIndex_, &QLineEdit::returnPressed, index, &QHelpIndexWidget::activateCurrentItem);
    connect(index, &QHelpIndexWidget::documentActivated, navigateur_,
            [this](const QHelpLink &l) { navigateur_->setSource(l.url); });
    connect(index, &QHelpIndexWidget::documentsActivated, navigateur_, [this](const QList<QHelpLink> &l) {
        if (!l.isEmpty()) navigateur_->setSource(l.constFirst().url);
    });
    onglets_->addTab(pageIndex, QStringLiteral("&Index"));

    auto *pageRecherche = new QWidget;
    auto *colonne = new QVBoxLayout(pageRecherche);
    auto *ligne = new QHBoxLayout;
    motRecherche_ = new QLineEdit;
    motRecherche_->setObjectName("MotRecherche");
    motRecherche_->setPlaceholderText(QStringLiteral("Mot à chercher"));
    motRecherche_->setAccessibleName(motRecherche_->placeholderText());
    motRecherche_->setClearButtonEnabled(true);
    auto *chercher = new QPushButton(QStringLiteral("Chercher"));
    chercher->setObjectName("Rechercher");
    ligne->addWidget(motRecherche_, 1);
    ligne->addWidget(chercher);
    etatRecherche_ = new QLabel;
    etatRecherche_->setObjectName("EtatRecherche");
    etatRecherche_->setWordWrap(true);
    resultats_ = new QListWidget;
    resultats_->setObjectName("Resultats");
    resultats_->setAccessibleName(QStringLiteral("Résultats"));
    resultats_->setWordWrap(true);
    colonne->addLayout(ligne);
    colonne->addWidget(etatRecherche_);
    colonne->addWidget(resultats_, 1);
    auto lancer = [this] { Rechercher(motRecherche_->text()); };
    connect(chercher, &QPushButton::clicked, this, lancer);
    connect(motRecherche_, &QLineEdit::returnPressed, this, lancer);
    connect(resultats_, &QListWidget::itemActivated, this, [this](QListWidgetItem *item) {
        navigateur_->setSource(item->data(Qt::UserRole).toUrl());
        // The first word sought is shown selected on the page.
        const QString mot = motRecherche_->text().simplified().section(' ', 0, 0);
        if (!mot.isEmpty()) navigateur_->find(mot);
    });
    connect(resultats_, &QListWidget::itemClicked, resultats_, &QListWidget::itemActivated);
    onglets_->addTab(pageRecherche, QStringLiteral("&Recherche"));
    // Choosing the index or the search is to type a word: the box takes the keys at once.
    connect(onglets_, &QTabWidget::currentChanged, this, [this](int i) {
        if (i == 1) motIndex_->setFocus(Qt::TabFocusReason);
        if (i == 2) motRecherche_->setFocus(Qt::TabFocusReason);
    });
}

void frmAide::CreerActions() {
    auto *barre = addToolBar(QStringLiteral("Navigation"));
    barre->setObjectName("BarreNavigation");
    barre->setMovable(false);
    barre->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto action = [this, barre](const char *nom, const QString &texte, const QKeySequence &touche) {
        auto *a = barre->addAction(texte);
        a->setObjectName(nom);
        a->setShortcut(touche);
        a->setToolTip(texte + QStringLiteral(" (") + touche.toString(QKeySequence::NativeText) + ')');
        return a;
    };
    QAction *precedent = action("Precedent", QStringLiteral("Précédent"), QKeySequence::Back);
    QAction *suivant = action("Suivant", QStringLiteral("Suivant"), QKeySequence::Forward);
    QAction *accueil = action("Accueil", QStringLiteral("Accueil"), QKeySequence(Qt::ALT | Qt::Key_Home));
    barre->addSeparator();
    QAction *plus = action("Agrandir", QStringLiteral("Agrandir le texte"), QKeySequence::ZoomIn);
    QAction *moins = action("Reduire", QStringLiteral("Réduire le texte"), QKeySequence::ZoomOut);
    barre->addSeparator();
    QAction *fermer = action("Fermer", QStringLiteral("Fermer"), QKeySequence(Qt::Key_Escape));
    precedent->setEnabled(false);
    suivant->setEnabled(false);
    connect(precedent, &QAction::triggered, navigateur_, &QTextBrowser::backward);
    connect(suivant, &QAction::triggered, navigateur_, &QTextBrowser::forward);
    connect(navigateur_, &QTextBrowser::backwardAvailable, precedent, &QAction::setEnabled);
    connect(navigateur_, &QTextBrowser::forwardAvailable, suivant, &QAction::setEnabled);
    connect(accueil, &QAction::triggered, this, &frmAide::MontrerAccueil);
    connect(plus, &QAction::triggered, navigateur_, [this] { navigateur_->zoomIn(1); });
    connect(moins, &QAction::triggered, navigateur_, [this] { navigateur_->zoomOut(1); });
    connect(fermer, &QAction::triggered, this, &QWidget::close);
}

void frmAide::Rechercher(const QString &texte) {
    const QString mots = texte.simplified();
    resultats_->clear();
    if (mots.isEmpty()) {
        etatRecherche_->setText(QString());
        return;
    }
    motRecherche_->setText(mots);
    onglets_->setCurrentIndex(2);
    if (indexation_) {
        rechercheEnAttente_ = mots;
        etatRecherche_->setText(QStringLiteral("Préparation de la recherche…"));
        return;
    }
    moteur_->searchEngine()->search(mots);
}

void frmAide::AfficherResultats(int nombre) {
    resultats_->clear();
    const QList<QHelpSearchResult> trouves = moteur_->searchEngine()->searchResults(0, nombre);
    for (const QHelpSearchResult &r : trouves) {
        auto *item = new QListWidgetItem(r.title(), resultats_);
        item->setData(Qt::UserRole, r.url());
        QTextDocument extrait;
        extrait.setHtml(r.snippet());
        item->setToolTip(extrait.toPlainText());
    }
    if (trouves.isEmpty())
        etatRecherche_->setText(QStringLiteral("Aucune page ne contient « %1 ».").arg(motRecherche_->text()));
    else
        etatRecherche_->setText(trouves.size() == 1
                                    ? QStringLiteral("Une page trouvée :")
                                    : QStringLiteral("%1 pages trouvées :").arg(trouves.size()));
}

} // namespace lumio
