// Démarrage de Kovra : réglages de l'application, fenêtre principale, boucle d'événements.
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "fenetres/ApplicationKovra.h"
#include "trace/IconeKovra.h"
#include "fenetres/Messages.h"
#include "fenetres/UPrinc.h"
#include "numerique/Polynomes.h"

int main(int argc, char** argv)
{
    TApplicationKovra application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kovra"));
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(IconeKovra(64))));
    // Les boîtes standard de Qt (messages, fichiers, impression) parlent français comme le reste.
    QTranslator traductionQt;
    if (traductionQt.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traductionQt);
    // Les types de fichiers des mêmes boîtes se nomment dans la langue par défaut ; le
    // séparateur décimal, lui, reste celui du système.
    QLocale::setDefault(QLocale(QLocale::French));

    // Le séparateur décimal de la locale sert à tous les nombres affichés ou tapés.
    const QString separateur = QLocale::system().decimalPoint();
    DefinitSeparateurDecimal(separateur == QStringLiteral(",") ? ',' : '.');
    DefinitFonctionMessage([](const std::string& texte) { AfficheMessage(QString::fromStdString(texte)); });

    TEcranPrincipal ecranPrincipal;
    ecranPrincipal.Demarre();
    return application.exec();
}
