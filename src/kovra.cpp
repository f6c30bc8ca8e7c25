// Démarrage de Kovra : réglages de l'application, fenêtre principale, boucle d'événements.
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>
#include <cstdio>

#include "coeur/ArgumentsKovra.h"
#include "coeur/TextesValeurs.h"
#include "fenetres/ApplicationKovra.h"
#include "fenetres/CommandesAide.h"
#include "trace/IconeKovra.h"
#include "fenetres/Messages.h"
#include "fenetres/UPrinc.h"
#include "numerique/Polynomes.h"

namespace {

// L'aide, la version ou la faute, écrites avant de sortir ; rien pour un lancement.
bool TermineSansFenetre(const TDemarrage& demarrage, int& sortie)
{
    if (demarrage.Action == TActionDemarrage::Lancer)
        return false;
    const bool faute = demarrage.Action == TActionDemarrage::Erreur;
    QString texte = demarrage.Texte;
    if (demarrage.Action == TActionDemarrage::Aide)
        texte += QStringLiteral("Guide de l'utilisateur : ") + CheminGuideDuProgramme() + QStringLiteral("\n");
    std::fputs(texte.toUtf8().constData(), faute ? stderr : stdout);
    sortie = faute ? SortieArgumentsKovra : 0;
    return true;
}

QStringList ArgumentsBruts(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

}

int main(int argc, char** argv)
{
    // L'aide et la version ne demandent pas d'écran : lues avant l'application, qui en exige un.
    const TDemarrage avant = LitArgumentsKovra(ArgumentsBruts(argc, argv));
    int sortie = 0;
    if (avant.Action != TActionDemarrage::Erreur && TermineSansFenetre(avant, sortie))
        return sortie;

    TApplicationKovra application(argc, argv);
    // Les options propres à Qt (-platform…) sont retirées des arguments par l'application.
    const TDemarrage demarrage = LitArgumentsKovra(QApplication::arguments().mid(1));
    if (TermineSansFenetre(demarrage, sortie))
        return sortie;
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
    // L'étude donnée est lue une fois les fenêtres à l'écran, pour que son message éventuel
    // vienne devant elles.
    if (!demarrage.Fichier.isEmpty())
        QTimer::singleShot(0, &ecranPrincipal, [&ecranPrincipal, &demarrage] {
            ecranPrincipal.LitFichier(QFileInfo(demarrage.Fichier).absoluteFilePath());
        });
    return application.exec();
}
