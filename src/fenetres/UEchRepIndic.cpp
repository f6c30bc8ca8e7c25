#include "UEchRepIndic.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include "NomsComposants.h"
#include "coeur/Document.h"
#include "coeur/SaisieNombres.h"
#include "trace/ValeursAutomatiques.h"

namespace {
const TTextesReponse Textes{QStringLiteral("Saisie de l'échelon d'entrée et des échelles"),
                            QStringLiteral("Echelon d'entrée:"),
                            QStringLiteral("Valeur finale"),
                            QStringLiteral("nombre réel, en unités"),
                            QStringLiteral("unité utilisée, juste pour l'affichage"),
                            QStringLiteral("Echelles de la réponse indicielle"),
                            QStringLiteral("Valeurs Auto."),
                            QStringLiteral("Valider valeurs"),
                            QStringLiteral("Echelles Auto."),
                            &TParamReponse::ConsF};
}

TEchellesRepIndic::TEchellesRepIndic(const TDocument& document, QWidget* parent)
    : TDialogueReponse(document, Textes, parent)
{
    EditConsf = EditSecond;
    BtnValiderCons = BtnValiderValeurs;
    DeuxPourCent = new QCheckBox(QStringLiteral("Temps de réponse à 2 %"), this);
    DeuxPourCent->setGeometry(16, 280, 180, 24);
    setTabOrder(BtnConsAuto, DeuxPourCent);
    NommeComposants(this, QStringLiteral("EchellesRepIndic"),
                    {{EditConsI, "EditConsI"}, {EditConsf, "EditConsf"}, {EditNomUnite, "EditNomUnite"},
                     {EditTmax, "EditTmax"}, {EditYmin, "EditYmin"}, {EditYmax, "EditYmax"},
                     {BtnConsAuto, "BtnConsAuto"}, {BtnValiderCons, "BtnValiderCons"}, {BtnEchAuto, "BtnEchAuto"},
                     {BtnValiderEch, "BtnValiderEch"}, {DeuxPourCent, "DeuxPourCent"}, {BtnValider(), "BtnValider"}, {CancelBtn, "CancelBtn"}});
    connect(BtnConsAuto, &QPushButton::clicked, this, &TEchellesRepIndic::BtnConsAutoClick);
    connect(BtnValiderCons, &QPushButton::clicked, this, &TEchellesRepIndic::BtnValiderConsClick);
    connect(BtnEchAuto, &QPushButton::clicked, this, &TEchellesRepIndic::BtnEchAutoClick);
    connect(BtnValiderEch, &QPushButton::clicked, this, &TEchellesRepIndic::BtnValiderEchClick);
}

bool TEchellesRepIndic::VerifieParametres() const
{
    Reel u0 = 0, u1 = 0;
    return Valeur(EditConsI, u0) && Valeur(EditConsf, u1) && u0 != u1;
}

void TEchellesRepIndic::BtnConsAutoClick()
{
    const TTextesEntree entree = EntreeAutoEchelon();
    EditConsI->setText(entree.ConsI);
    EditConsf->setText(entree.Second);
    EditNomUnite->setText(entree.Unite);
    EditTmax->setFocus(Qt::OtherFocusReason);
    ParametresOK = true;
    BtnEchAuto->setEnabled(true);
    ActiveValider();
}

void TEchellesRepIndic::BtnValiderConsClick()
{
    Reel u0 = 0, u1 = 0;
    if (!Valeur(EditConsI, u0) || !Valeur(EditConsf, u1)) {
        ParametresOK = false;
        BtnEchAuto->setEnabled(false);
        Refuse(EditConsI, QStringLiteral("consignes mal saisies"));
        return;
    }
    if (u0 == u1) {
        ParametresOK = false;
        BtnEchAuto->setEnabled(false);
        Refuse(EditConsI, QStringLiteral("les deux consignes doivent être différentes"));
        return;
    }
    ParametresOK = true;
    BtnEchAuto->setEnabled(true);
    BtnValiderEch->setEnabled(true);
    ActiveValider();
}

TTextesEchellesReponse TEchellesRepIndic::EchellesAutomatiques(Reel u0, Reel second) const
{
    return EchellesAutoEchelon(Document, u0, second);
}

void TEchellesRepIndic::BtnEchAutoClick()
{
    EditConsI->setText(NormaliseSeparateur(EditConsI->text()));
    EditConsf->setText(NormaliseSeparateur(EditConsf->text()));
    Reel u0 = 0, u1 = 0;
    if (!Valeur(EditConsI, u0) || !Valeur(EditConsf, u1)) {
        Refuse(EditTmax, QStringLiteral("il y a un problème"));
        return;
    }
    EcritEchelles(EchellesAutomatiques(u0, u1));
    BtnValider()->setFocus(Qt::OtherFocusReason);
}

void TEchellesRepIndic::BtnValiderEchClick()
{
    Reel tmax = 0, ymin = 0, ymax = 0;
    if (!LitChampOuRefuse(EditTmax, QStringLiteral("erreur dans tMax"), tmax))
        return;
    if (!(tmax > 0)) {
        Refuse(EditTmax, QStringLiteral("tmax doit être positif"));
        return;
    }
    if (!LitChampOuRefuse(EditYmin, QStringLiteral("erreur dans YMin"), ymin)
        || !LitChampOuRefuse(EditYmax, QStringLiteral("erreur dans YMax"), ymax))
        return;
    if (!(ymax > ymin)) {
        Refuse(EditYmin, QStringLiteral("Ymin doit être inférieur à YMax"));
        return;
    }
    if (RefuseEchellesIntracables(tmax, ymin, ymax))
        return;
    EchellesOK = true;
    ActiveValider();
}

bool TEchellesRepIndic::PeutFermer()
{
    ParametresOK = VerifieParametres();
    EchellesOK = VerifieEchelles();
    BtnEchAuto->setEnabled(ParametresOK);
    ActiveValider();
    if (ParametresOK && EchellesOK)
        return true;
    Refuse(ParametresOK ? EditTmax : EditConsI,
                QStringLiteral("des erreurs interdisent la fermeture de la fenêtre"));
    return false;
}
