#include "USaisieParamEvans.h"

#include <QLineEdit>
#include <QPushButton>
#include <cmath>

#include "coeur/Document.h"
#include "coeur/FermetureBoucle.h"
#include "trace/Graphisme.h"

TEchellesEvans::TEchellesEvans(const TDocument& document, QWidget* parent)
    : TDialogueEchelles(432, 264, QStringLiteral("Lieu d'Evans"), parent), document_(document)
{
    Entete(QStringLiteral("Paramètres du Lieu d'Evans"));
    ReMin = Rangee(QStringLiteral("X minimum"), 52, 176);
    ReMax = Rangee(QStringLiteral("X maximum"), 84, 176);
    ImMin = Rangee(QStringLiteral("Y minimum"), 116, 176);
    ImMax = Rangee(QStringLiteral("Y maximum"), 148, 176);
    Titre = ChampTitre(196, 201);
    BtnAutomatique = AjouteBoutonsEchelles(52, QStringLiteral("Automatique"), 196);
    BtnAutomatique->setToolTip(QStringLiteral("fournit les valeurs calculées par le logiciel"));
    NommeComposants(this, QStringLiteral("EchellesEvans"),
                    {{ReMin, "ReMin"}, {ReMax, "ReMax"}, {ImMin, "ImMin"}, {ImMax, "ImMax"}, {Titre, "Titre"},
                     {BtnAutomatique, "BtnAutomatique"}});
}

void TEchellesEvans::showEvent(QShowEvent* evenement)
{
    RemplitSiNouvelleFonction();
    TDialogueEchelles::showEvent(evenement);
}

void TEchellesEvans::RemplitSiNouvelleFonction()
{
    if (SignatureFonction(document_) != fonctionRemplie_)
        RemplitValeursAutomatiques();
}

void TEchellesEvans::RemplitValeursAutomatiques()
{
    fonctionRemplie_ = SignatureFonction(document_);
    if (!LieuCalculable(document_.Systeme.Numerateur, document_.Systeme.Denominateur))
        return;
    const TCadreLieu c = CadreAutoEvans(document_.Systeme.Numerateur, document_.Systeme.Denominateur,
                                        PointsEvans(document_.Systeme.Numerateur, document_.Systeme.Denominateur));
    ReMin->setText(TexteAutomatique(c.XMin, 3));
    ReMax->setText(TexteAutomatique(c.XMax, 3));
    ImMin->setText(TexteAutomatique(c.YMin, 3));
    ImMax->setText(TexteAutomatique(c.YMax, 3));
}

bool TEchellesEvans::PeutFermer()
{
    Reel xmin = 0, xmax = 0, ymin = 0, ymax = 0;
    return LitChampOuRefuse(ReMin, QStringLiteral("X minimum mal saisi"), xmin)
           && LitChampOuRefuse(ReMax, QStringLiteral("X maximum mal saisi"), xmax)
           && LitChampOuRefuse(ImMin, QStringLiteral("Y minimum mal saisi"), ymin)
           && LitChampOuRefuse(ImMax, QStringLiteral("Y maximum mal saisi"), ymax)
           && VerifieAxe(ReMin, xmin, xmax, QStringLiteral("X")) && VerifieAxe(ImMin, ymin, ymax, QStringLiteral("Y"));
}

// Une étendue positive, aux bornes étiquetables, et que la précision des bornes distingue encore.
bool TEchellesEvans::VerifieAxe(QLineEdit* champMin, Reel min, Reel max, const QString& axe)
{
    if (!(min < max))
        return Refuse(champMin, axe + QStringLiteral("Min>=") + axe + QStringLiteral("Max: c'est incorrect"));
    if (!std::isfinite(max - min) || !PasGraduation(max - min, false) || !BornesEtiquetables(min, max))
        return Refuse(champMin, QStringLiteral("Ecart entre ") + axe + QStringLiteral("Min et ") + axe
                                    + QStringLiteral("Max trop grand"));
    if (max - min < 1e-12L * std::max(std::fabs(min), std::fabs(max)))
        return Refuse(champMin, QStringLiteral("Ecart entre ") + axe + QStringLiteral("Min et ") + axe
                                    + QStringLiteral("Max trop faible"));
    return true;
}

TParamEvans TEchellesEvans::Parametres() const
{
    return {.ReMin = ValeurChamp(ReMin),
            .ReMax = ValeurChamp(ReMax),
            .ImMin = ValeurChamp(ImMin),
            .ImMax = ValeurChamp(ImMax),
            .Titre = Titre->text()};
}
