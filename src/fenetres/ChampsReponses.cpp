#include "ChampsReponses.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "coeur/Document.h"
#include "coeur/SaisieNombres.h"
#include "trace/EchellesReponses.h"

namespace {
constexpr int XLibelle = 28;
constexpr int XChamp = 150;
constexpr int LargeurChamp = 100;
constexpr int HauteurChamp = 21;
constexpr int XBoutons = 282;
constexpr int LargeurBouton = 122;
constexpr int HauteurBouton = 25;
constexpr int HautEntree = 12;
constexpr int HautEchelles = 144;

QGroupBox* Groupe(QWidget* parent, const QString& titre, int y)
{
    auto* groupe = new QGroupBox(titre, parent);
    groupe->setGeometry(16, y, 256, 120);
    return groupe;
}
}

TDialogueReponse::TDialogueReponse(const TDocument& document, const TTextesReponse& textes, QWidget* parent)
    : TDialogueVerifie(416, 320, textes.Titre, parent), Document(document), second_(textes.Second)
{
    Groupe(this, textes.GroupeEntree, HautEntree);
    EditConsI = Rangee(QStringLiteral("Valeur initiale"), HautEntree + 24, QStringLiteral("nombre réel, en unités"));
    EditSecond = Rangee(textes.LibelleSecond, HautEntree + 54, textes.BulleSecond);
    EditNomUnite = Rangee(QStringLiteral("Unité"), HautEntree + 84, textes.BulleUnite);
    EditNomUnite->setText(QStringLiteral("unités S.I."));
    Groupe(this, textes.GroupeEchelles, HautEchelles);
    EditTmax = Rangee(QStringLiteral("t max"), HautEchelles + 24, QString());
    EditYmin = Rangee(QStringLiteral("Y min"), HautEchelles + 54, QString());
    EditYmax = Rangee(QStringLiteral("Y max"), HautEchelles + 84, QString());
    for (QLineEdit* champ : {EditConsI, EditSecond, EditTmax, EditYmin, EditYmax})
        SurveilleSortie(champ);

    BtnConsAuto = AjouteBouton(textes.ValeursAuto, XBoutons, HautEntree + 24, LargeurBouton, HauteurBouton);
    BtnValiderValeurs = AjouteBouton(textes.ValiderValeurs, XBoutons, HautEntree + 64, LargeurBouton, HauteurBouton);
    BtnEchAuto = AjouteBouton(textes.EchellesAuto, XBoutons, HautEchelles + 24, LargeurBouton, HauteurBouton);
    BtnValiderEch =
        AjouteBouton(QStringLiteral("Valider échelles"), XBoutons, HautEchelles + 64, LargeurBouton, HauteurBouton);
    AjouteBoutons({.Valider = QRect(208, 280, 88, HauteurBouton), .Annuler = QRect(312, 280, 88, HauteurBouton)});
    CancelBtn = BtnAnnuler();
    BtnEchAuto->setEnabled(false);
    BtnValider()->setEnabled(false);

    setTabOrder(BtnValider(), EditConsI);
    setTabOrder(EditConsI, EditSecond);
    setTabOrder(EditSecond, EditNomUnite);
    setTabOrder(EditNomUnite, BtnValiderValeurs);
    setTabOrder(BtnValiderValeurs, EditTmax);
    setTabOrder(EditTmax, EditYmin);
    setTabOrder(EditYmin, EditYmax);
    setTabOrder(EditYmax, BtnValiderEch);
    setTabOrder(BtnValiderEch, BtnEchAuto);
    setTabOrder(BtnEchAuto, CancelBtn);
    setTabOrder(CancelBtn, BtnConsAuto);
}

QLineEdit* TDialogueReponse::Rangee(const QString& libelle, int y, const QString& bulle)
{
    AjouteLabel(libelle, XLibelle, y + 3, font());
    QLineEdit* champ = AjouteChamp(XChamp, y, LargeurChamp, HauteurChamp);
    champ->setToolTip(bulle);
    return champ;
}

bool TDialogueReponse::Valeur(const QLineEdit* champ, Reel& valeur)
{
    return LitReel(NormaliseSeparateur(champ->text()), valeur);
}

TParamReponse TDialogueReponse::Parametres() const
{
    TParamReponse param;
    Valeur(EditConsI, param.ConsI);
    Valeur(EditSecond, param.*second_);
    Valeur(EditTmax, param.TMax);
    Valeur(EditYmin, param.YMin);
    Valeur(EditYmax, param.YMax);
    param.Unite = EditNomUnite->text();
    return param;
}

bool TDialogueReponse::VerifieEchelles() const
{
    Reel tmax = 0, ymin = 0, ymax = 0;
    return Valeur(EditTmax, tmax) && Valeur(EditYmin, ymin) && Valeur(EditYmax, ymax) && tmax > 0 && ymax > ymin
           && RefusEchellesReponse(tmax, ymin, ymax) == TRefusEchelles::Aucun;
}

void TDialogueReponse::PrendEchellesAutomatiques()
{
    Reel u0 = 0, second = 0;
    if (Document.Systeme.SystemeStable && VerifieParametres() && Valeur(EditConsI, u0) && Valeur(EditSecond, second))
        EcritEchelles(EchellesAutomatiques(u0, second));
    else
        EcritEchelles({});
}

void TDialogueReponse::ActiveValider()
{
    BtnValider()->setEnabled(ParametresOK && EchellesOK);
}

void TDialogueReponse::EcritEchelles(const TTextesEchellesReponse& textes)
{
    EditTmax->setText(textes.TMax);
    EditYmin->setText(textes.YMin);
    EditYmax->setText(textes.YMax);
    EchellesOK = VerifieEchelles();
    ActiveValider();
}

bool TDialogueReponse::RefuseEchellesIntracables(Reel tmax, Reel ymin, Reel ymax)
{
    switch (RefusEchellesReponse(tmax, ymin, ymax)) {
    case TRefusEchelles::TMaxTropPetit:
        Refuse(EditTmax, QStringLiteral("tmax trop petit"));
        return true;
    case TRefusEchelles::TMaxTropGrand:
        Refuse(EditTmax, QStringLiteral("tmax trop grand"));
        return true;
    case TRefusEchelles::EcartTropFaible:
        Refuse(EditYmin, QStringLiteral("Ecart entre Ymin et Ymax trop faible"));
        return true;
    case TRefusEchelles::EcartTropGrand:
        Refuse(EditYmin, QStringLiteral("Ecart entre Ymin et Ymax trop grand"));
        return true;
    case TRefusEchelles::Aucun:
        break;
    }
    return false;
}

void TDialogueReponse::Active()
{
    EditConsI->setFocus(Qt::OtherFocusReason);
    ParametresOK = VerifieParametres();
    EchellesOK = VerifieEchelles();
    BtnConsAuto->setEnabled(true);
    BtnValiderValeurs->setEnabled(true);
    BtnValiderEch->setEnabled(true);
    BtnEchAuto->setEnabled(ParametresOK);
    ActiveValider();
}

void TDialogueReponse::ChampQuitte(QLineEdit* champ)
{
    champ->setText(NormaliseSeparateur(champ->text()));
    if (champ == EditConsI || champ == EditSecond) {
        ParametresOK = VerifieParametres();
        BtnEchAuto->setEnabled(ParametresOK);
    } else {
        EchellesOK = VerifieEchelles();
    }
    ActiveValider();
}

void TDialogueReponse::showEvent(QShowEvent* evenement)
{
    memoire_.Retient(this);
    TDialogueVerifie::showEvent(evenement);
}

void TDialogueReponse::done(int resultat)
{
    if (resultat != Accepted) {
        memoire_.Restaure();
        ParametresOK = VerifieParametres();
        EchellesOK = VerifieEchelles();
    }
    TDialogueVerifie::done(resultat);
}
