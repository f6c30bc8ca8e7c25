#include "UBoucleFermee.h"

#include <QLineEdit>
#include <cmath>

#include "NomsComposants.h"
#include "coeur/TextesValeurs.h"

TBoiteBoucleFermee::TBoiteBoucleFermee(QWidget* parent)
    : TDialogueVerifie(452, 136, QStringLiteral("Boucle fermée"), parent)
{
    AjouteCadreBiseaute(QRect(24, 24, 281, 84));
    AjouteLabel(QStringLiteral("Gain K"), 42, 42, PoliceTimes(19, true));
    AjouteLabel(QStringLiteral("(retour unitaire)"), 42, 68, PoliceTimes(16, true));
    editK_ = AjouteChamp(172, 49, 98, 21);
    editK_->setToolTip(QStringLiteral("nombre réel strictement positif"));
    AjouteBoutons({.Valider = QRect(332, 72, 85, 32), .Annuler = QRect(332, 26, 85, 31)});
    NommeComposants(this, QStringLiteral("BoiteBoucleFermee"), {{editK_, "EditK"}});
}

void TBoiteBoucleFermee::Propose(Reel k)
{
    propose_ = k;
}

void TBoiteBoucleFermee::Active()
{
    editK_->setText(TexteGeneral(propose_, ChiffresRelisibles));
    editK_->selectAll();
    editK_->setFocus();
}

bool TBoiteBoucleFermee::PeutFermer()
{
    Reel k = 0;
    if (!LitChampOuRefuse(editK_, QStringLiteral("K est mal saisi"), k))
        return false;
    if (!std::isfinite(k) || !(k > 0))
        return Refuse(editK_, QStringLiteral("K doit être un nombre fini strictement positif"));
    return true;
}

Reel TBoiteBoucleFermee::K() const
{
    return ValeurChamp(editK_);
}
