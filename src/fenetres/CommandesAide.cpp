#include "CommandesAide.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QUrl>

#include "Messages.h"
#include "coeur/Document.h"
#include "coeur/DossierFichiers.h"
#include "coeur/Exemples.h"

QString CheminGuideDuProgramme()
{
    // /proc/self/exe plutôt que l'application : « kovra --help » le demande avant d'en créer une.
    return CheminGuideDe(QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath()).absolutePath());
}

TCommandesAide::TCommandesAide(const TLiensPrincipal& principal, const QString& cheminGuide)
    : QObject(principal.Fenetre), CheminGuide(cheminGuide), principal_(principal)
{
    Exemples1 = new QMenu(QStringLiteral("Exemples"), principal.Fichier);
    Exemples1->setObjectName(QStringLiteral("Exemples1"));
    Exemples1->menuAction()->setObjectName(QStringLiteral("Exemples1"));
    principal.Fichier->insertMenu(principal.EnregistrerDonnees, Exemples1);
    for (const TExemple& exemple : ExemplesKovra())
        connect(Exemples1->addAction(exemple.Titre), &QAction::triggered, this,
                [this, &exemple] { OuvreExemple(exemple); });

    Aide1 = principal.Fenetre->menuBar()->addAction(QStringLiteral("Aide"));
    Aide1->setObjectName(QStringLiteral("Aide1"));
    connect(Aide1, &QAction::triggered, this, &TCommandesAide::AideClick);
}

void TCommandesAide::AideClick()
{
    const QString lieu = QDir::toNativeSeparators(CheminGuide);
    if (!QFileInfo(CheminGuide).isFile()) {
        AfficheMessage(QStringLiteral("Le guide de l'utilisateur est introuvable : il devrait se trouver dans « %1 ».")
                           .arg(lieu));
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(CheminGuide)))
        AfficheMessage(QStringLiteral("Aucun navigateur n'a ouvert le guide de l'utilisateur ; il se trouve dans « %1 ».")
                           .arg(lieu));
}

bool TCommandesAide::OuvreExemple(const TExemple& exemple)
{
    if (!principal_.ModificationsTraitees())
        return false;
    if (!principal_.LitFichier(principal_.Document->DossierFichiers + QStringLiteral("exemples/") + exemple.Fichier))
        return false;
    principal_.Document->NomFichierDonnees.clear();
    principal_.Fenetre->setWindowTitle(QStringLiteral("Kovra  Exemple : ") + exemple.Titre);
    return true;
}
