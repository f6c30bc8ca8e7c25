#include "UEchRepRampe.h"

#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "NomsComposants.h"
#include "coeur/Document.h"
#include "coeur/SaisieNombres.h"
#include "coeur/TextesValeurs.h"

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

// La pente fait monter l'entrée de 1 sur la durée automatique.
void TEchellesRepRampe::BtnConsAutoClick()
{
    EditConsI->setText(QStringLiteral("0"));
    EditPente->setText(TexteFixe(1 / Document.TMaxAuto, 15, 6).trimmed());
    EditNomUnite->setText(QStringLiteral("unités S.I."));
    ParametresOK = VerifieParametres();
    BtnEchAuto->setEnabled(ParametresOK);
    ActiveValider();
}

// Les extrêmes de la réponse, tirés de ceux de la rampe unité, et ceux de l'entrée.
void TEchellesRepRampe::BtnEchAutoClick()
{
    Reel u0 = 0, a = 0;
    if (!Valeur(EditConsI, u0) || !Valeur(EditPente, a)) {
        Refuse(EditConsI, QStringLiteral("il y a eu un problème"));
        return;
    }
    const Reel depart = Document.GainStat * u0;
    const Reel tmax = Document.TMaxAuto;
    const Reel ya = Document.RampeMax * a + depart;
    const Reel yb = Document.RampeMin * a + depart;
    const Reel fin = a * tmax + u0;
    EcritEchelles(tmax, std::min({fin, u0, yb, ya}), std::max({fin, u0, yb, ya}));
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
