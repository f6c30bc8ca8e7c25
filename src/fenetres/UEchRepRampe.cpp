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
    connect(BtnValiderParam, &QPushButton::clicked, this, &TEchellesRepRampe::BtnValiderParamClick);
    connect(BtnEchAuto, &QPushButton::clicked, this, &TEchellesRepRampe::BtnEchAutoClick);
    connect(BtnValiderEch, &QPushButton::clicked, this, &TEchellesRepRampe::BtnValiderEchClick);
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

TTextesEchellesReponse TEchellesRepRampe::EchellesAutomatiques(Reel u0, Reel second) const
{
    return EchellesAutoRampe(Document, u0, second);
}

void TEchellesRepRampe::BtnEchAutoClick()
{
    Reel u0 = 0, a = 0;
    if (!Valeur(EditConsI, u0) || !Valeur(EditPente, a)) {
        Refuse(EditConsI, QStringLiteral("il y a eu un problème"));
        return;
    }
    EcritEchelles(EchellesAutomatiques(u0, a));
}

bool TEchellesRepRampe::LitParametres()
{
    Reel u0 = 0, a = 0;
    return LitChampOuRefuse(EditConsI, QStringLiteral("Consigne initiale mal saisie"), u0)
           && LitChampOuRefuse(EditPente, QStringLiteral("Pente mal saisie"), a);
}

bool TEchellesRepRampe::LitEchelles()
{
    Reel tmax = 0, ymin = 0, ymax = 0;
    if (!LitChampOuRefuse(EditTmax, QStringLiteral("Tmax mal saisi"), tmax)
        || !LitChampOuRefuse(EditYmin, QStringLiteral("Ymin mal saisi"), ymin)
        || !LitChampOuRefuse(EditYmax, QStringLiteral("Ymax mal saisi"), ymax))
        return false;
    if (!(tmax > 0))
        return Refuse(EditTmax, QStringLiteral("T max doit être positif"));
    if (!(ymax > ymin))
        return Refuse(EditYmax, QStringLiteral("Ymax doit être supérieur à Ymin"));
    return !RefuseEchellesIntracables(tmax, ymin, ymax);
}

void TEchellesRepRampe::BtnValiderParamClick()
{
    ParametresOK = LitParametres();
    BtnEchAuto->setEnabled(ParametresOK);
    ActiveValider();
}

// Un refus garde le drapeau tel qu'il était, comme dans le dialogue de l'échelon.
void TEchellesRepRampe::BtnValiderEchClick()
{
    if (!LitEchelles())
        return;
    EchellesOK = true;
    ActiveValider();
}

bool TEchellesRepRampe::PeutFermer()
{
    if (!LitParametres() || !LitEchelles())
        return false;
    ParametresOK = EchellesOK = true;
    return true;
}
