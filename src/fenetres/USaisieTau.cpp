#include "USaisieTau.h"

#include <QLineEdit>
#include <QPushButton>

#include "NomsComposants.h"

TBoiteSaisieTau::TBoiteSaisieTau(QWidget* parent)
    : TDialogueVerifie(452, 136, QStringLiteral("Valeur du temps mort T"), parent)
{
    AjouteCadreBiseaute(QRect(24, 24, 281, 84));
    AjouteLabel(QStringLiteral("Valeur de T"), 42, 42, PoliceTimes(19, true));
    AjouteLabel(QStringLiteral("(en secondes)"), 42, 68, PoliceTimes(16, true));
    editTau_ = AjouteChamp(172, 49, 98, 21);
    editTau_->setToolTip(QStringLiteral("nombre réel positif ou nul"));

    AjouteBoutons({.Valider = QRect(332, 72, 85, 32), .Annuler = QRect(332, 26, 85, 31)});
    NommeComposants(this, QStringLiteral("BoiteSaisieTau"), {{editTau_, "EditTau"}, {CancelBtn(), "CancelBtn"}});
}

void TBoiteSaisieTau::Active()
{
    editTau_->setText(QStringLiteral("0"));
    editTau_->setFocus();
}

bool TBoiteSaisieTau::PeutFermer()
{
    Reel tau = 0;
    if (!LitChampOuRefuse(editTau_, QStringLiteral("Tau est mal saisi"), tau))
        return false;
    if (tau < 0)
        return Refuse(editTau_, QStringLiteral("Tau doit être positif"));
    return true;
}

Reel TBoiteSaisieTau::Tau() const
{
    return ValeurChamp(editTau_);
}
