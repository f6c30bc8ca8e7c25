#include "UEchRepRampe.h"

#include <QLineEdit>
#include <QPushButton>

#include "NomsComposants.h"
#include "coeur/Document.h"
#include "coeur/SaisieNombres.h"
#include "trace/ValeursAutomatiques.h"

namespace {
const TTextesReponse Textes{QStringLiteral("Saisie de la rampe d'entrée et des échelles"),
                            QStringLiteral("Rampe d'entrée"),
                            QStringLiteral("Pente de la rampe"),
                            QStringLiteral("nombre réel, en unités par seconde"),
                            QStringLiteral("unité de la consigne, juste pour l'affichage"),
                            QStringLiteral("Echelles de la réponse"),
                            QStringLiteral("Paramètres auto."),
                            QStringLiteral("Valider paramètres"),
                            QStringLiteral("Echelles auto."),
                            &TParamReponse::Pente};
}

TEchellesRepRampe::TEchellesRepRampe(const TDocument& document, QWidget* parent)
    : TDialogueReponse(document, Textes, parent)
{
    EditPente = EditSecond;
    BtnValiderParam = BtnValiderValeurs;
    NommeComposants(this, QStringLiteral("EchellesRepRampe"),
                    {{EditConsI, "EditConsI"}, {EditPente, "EditPente"}, {EditNomUnite, "EditNomUnite"},
                     {EditTmax, "EditTmax"}, {EditYmin, "EditYmin"}, {EditYmax, "EditYmax"},
                     {BtnConsAuto, "BtnConsAuto"}, {BtnValiderParam, "BtnValiderParam"}, {BtnEchAuto, "BtnEchAuto"},
                     {BtnValiderEch, "BtnValiderEch"}, {BtnValider(), "BtnValider"}, {CancelBtn, "CancelBtn"}});
    connect(BtnConsAuto, &QPushButton::clicked, this, &TEchellesRepRampe::BtnConsAutoClick);
    connect(BtnEchAuto, &QPushButton::clicked, this, &TEchellesRepRampe::BtnEchAutoClick);
}

bool TEchellesRepRampe::VerifieParametres() const
{
    Reel u0 = 0, a = 0;
    return Valeur(EditConsI, u0) && Valeur(EditPente, a);
}

void TEchellesRepRampe::BtnConsAutoClick()
{
    const TTextesEntree entree = EntreeAutoRampe(Document);
    EditConsI->setText(entree.ConsI);
    EditPente->setText(entree.Second);
    EditNomUnite->setText(entree.Unite);
    ParametresOK = VerifieParametres();
    BtnEchAuto->setEnabled(ParametresOK);
    ActiveValider();
}

void TEchellesRepRampe::BtnEchAutoClick()
{
    Reel u0 = 0, a = 0;
    if (!Valeur(EditConsI, u0) || !Valeur(EditPente, a)) {
        Refuse(EditConsI, QStringLiteral("il y a eu un problème"));
        return;
    }
    EcritEchelles(EchellesAutoRampe(Document, u0, a));
}

bool TEchellesRepRampe::PeutFermer()
{
    Reel u0 = 0, a = 0, tmax = 0, ymin = 0, ymax = 0;
    if (!LitChampOuRefuse(EditConsI, QStringLiteral("Consigne initiale mal saisie"), u0)
        || !LitChampOuRefuse(EditPente, QStringLiteral("Pente mal saisie"), a)
        || !LitChampOuRefuse(EditTmax, QStringLiteral("Tmax mal saisi"), tmax)
        || !LitChampOuRefuse(EditYmin, QStringLiteral("Ymin mal saisi"), ymin)
        || !LitChampOuRefuse(EditYmax, QStringLiteral("Ymax mal saisi"), ymax))
        return false;
    if (!(tmax > 0)) {
        Refuse(EditTmax, QStringLiteral("T max doit être positif"));
        return false;
    }
    if (!(ymax > ymin)) {
        Refuse(EditYmax, QStringLiteral("Ymax doit être supérieur à Ymin"));
        return false;
    }
    if (RefuseEchellesIntracables(tmax, ymin, ymax))
        return false;
    ParametresOK = EchellesOK = true;
    return true;
}
