#pragma once
// Commandes « Boucle fermée… » et « Lieu d'Evans » du menu principal, branchées sur la
// fenêtre principale sans toucher à ses autres commandes.
#include <QObject>

#include "LiensPrincipal.h"

class QAction;
class TEchellesEvans;
class TBoiteBoucleFermee;

class TCommandesEvans : public QObject {
    Q_OBJECT
public:
    TCommandesEvans(const TLiensPrincipal& principal, TEchellesEvans& echelles, TBoiteBoucleFermee& boite);

    QAction* BoucleFermee1 = nullptr;
    QAction* LieuEvans1 = nullptr;

    // Après chaque analyse : la boucle se ferme sur toute fonction décomposée, le lieu se trace
    // pour une fonction non constante de degré 10 au plus.
    void MetAJour(bool decomposee);
    void BoucleFermeeClick();
    void LieuEvansClick();

private:
    TLiensPrincipal principal_;
    TEchellesEvans& echelles_;
    TBoiteBoucleFermee& boite_;
};
