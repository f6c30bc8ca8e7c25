#include "USaisieTau.h"

#include <QLineEdit>
#include <QPushButton>

#include "NomsComposants.h"
#include "coeur/SaisieNombres.h"

TBoiteSaisieTau::TBoiteSaisieTau(QWidget* parent)
    : TDialogueVerifie(452, 136, QStringLiteral("Valeur du temps mort T"), parent)
{
    AjouteCadreBiseaute(QRect(24, 24, 281, 84));
    AjouteLabel(QStringLiteral("Valeur de T"), 42, 42, PoliceTimes(19, true));
    AjouteLabel(QStringLiteral("(en secondes)"), 42, 68, PoliceTimes(16, true));
    editTau_ = AjouteChamp(172, 49, 98, 21);
    editTau_->setToolTip(QStringLiteral("nombre réel positif ou nul"));

    AjouteAnnulerValider(QRect(332, 26, 85, 31), QRect(332, 72, 85, 32));
    NommeComposants(this, QStringLiteral("BoiteSaisieTau"), {{editTau_, "EditTau"}, {CancelBtn(), "CancelBtn"}});
}

void TBoiteSaisieTau::Active()
{
    editTau_->setText(QStringLiteral("0"));
    editTau_->setFocus();
}

bool TBoiteSaisieTau::PeutFermer()
{
    editTau_->setText(NormaliseSeparateur(editTau_->text()));
    Reel tau = 0;
    if (!LitReel(editTau_->text(), tau))
        return Refuse(editTau_, QStringLiteral("Tau est mal saisi"));
    if (tau < 0)
        return Refuse(editTau_, QStringLiteral("Tau doit être positif"));
    return true;
}

Reel TBoiteSaisieTau::Tau() const
{
    Reel tau = 0;
    LitReel(editTau_->text(), tau);
    return tau;
}
