#pragma once
// Commande « Aide » de la barre de menus et sous-menu « Exemples » de « Fichier », branchés sur
// la fenêtre principale sans toucher à ses autres commandes.
#include <QObject>
#include <QString>

#include "LiensPrincipal.h"

class QAction;
class QMenu;
struct TExemple;

// Guide du programme qui tourne, trouvable avant toute application Qt.
QString CheminGuideDuProgramme();

class TCommandesAide : public QObject {
    Q_OBJECT
public:
    TCommandesAide(const TLiensPrincipal& principal, const QString& cheminGuide = CheminGuideDuProgramme());

    QAction* Aide1 = nullptr;
    QMenu* Exemples1 = nullptr;
    // Le guide ouvert par « Aide » ; les tests en posent un autre.
    QString CheminGuide;

    // Ouvre le guide dans le navigateur du bureau ; sinon dit où se trouve le fichier.
    void AideClick();
    // L'exemple s'ouvre en lecture seule : le document n'a pas de nom, l'enregistrement en
    // demande un neuf, et la fenêtre porte le titre de l'exemple.
    bool OuvreExemple(const TExemple& exemple);

private:
    TLiensPrincipal principal_;
};
