// Builds the full-text search index of a help collection, beside it, and says whether it did.
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHelpEngineCore>
#include <QHelpSearchEngine>
#include <QTimer>
#include <cstdio>

int main(int argc, char *argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "Utilisation : indexer-aide COLLECTION.qhc\n");
        return 2;
    }
    // The pages are read as rich text, which needs fonts but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString collection = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    QHelpEngineCore moteur(collection);
    if (!moteur.setupData()) {
        std::fprintf(stderr, "%s : %s\n", qPrintable(collection), qPrintable(moteur.error()));
        return 1;
    }
    QHelpSearchEngine recherche(&moteur);
    QObject::connect(&recherche, &QHelpSearchEngine::indexingFinished, &app, &QCoreApplication::quit);
    QTimer::singleShot(0, &recherche, &QHelpSearchEngine::reindexDocumentation);
    // A collection of a few pages is indexed in well under a second; this bounds a stuck run.
    QTimer::singleShot(60000, &app, [] { QCoreApplication::exit(1); });
    if (app.exec() != 0) {
        std::fprintf(stderr, "%s : l'indexation n'a pas abouti\n", qPrintable(collection));
        return 1;
    }
    // Qt keeps the index in ".<name>/fts" beside the collection.
    const QFileInfo fi(collection);
    const QString index = fi.absolutePath() + "/." + fi.completeBaseName() + "/fts";
    if (!QFileInfo(index).isFile()) {
        std::fprintf(stderr, "%s : index absent\n", qPrintable(index));
        return 1;
    }
    return 0;
}
