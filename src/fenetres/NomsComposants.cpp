#include "NomsComposants.h"

#include <QObject>
#include <QString>

void NommeComposants(QObject* fenetre, const QString& nom,
                     std::initializer_list<std::pair<QObject*, const char*>> composants)
{
    fenetre->setObjectName(nom);
    for (const auto& [composant, nomComposant] : composants)
        composant->setObjectName(QString::fromLatin1(nomComposant));
}
