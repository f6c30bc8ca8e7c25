#include "ChampsEchelles.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

#include "coeur/EchantillonsFrequentiels.h"
#include "coeur/SaisieNombres.h"
#include "coeur/TextesValeurs.h"
#include "trace/Graphisme.h"
#include "trace/ValeursAutomatiques.h"

namespace {

constexpr int LargeurChamp = 105;
constexpr int HauteurChamp = 21;
constexpr int XBoutons = 320;
constexpr int LargeurBouton = 97;
constexpr int HauteurBouton = 25;
// Le tracé de Bode prend 2000 intervalles, Nyquist et Black au moins un point par décade.
constexpr int DecadesMax = 2000;

}

QString TexteAutomatique(Reel valeur, int chiffres)
{
    return QString::fromStdString(NombreEnTexte(valeur, chiffres));
}

bool VerifieFrequencesTracables(QLineEdit* champMin, QLineEdit* champMax, Reel fmin, Reel fmax)
{
    if (fmin <= 0)
        return Refuse(champMin, QStringLiteral("Fréquence minimum nulle: l'échelle des fréquences est logarithmique"));
    if (!std::isfinite(DecadeSuperieure(fmax)))
        return Refuse(champMax, QStringLiteral("Fréquence maximum trop grande"));
    const std::optional<TDecades> decades = ArrondiDecades(fmin, fmax);
    if (!decades)
        return Refuse(champMax, QStringLiteral("Fréquences minimum et maximum égales: aucune décade à tracer"));
    if (decades->Nombre > DecadesMax)
        return Refuse(champMin, QStringLiteral("Plus de 2000 décades entre fréquence minimum et maximum: c'est trop"));
    return true;
}

bool VerifieGainsTracables(QLineEdit* champMin, Reel gmin, Reel gmax, bool grilleFine)
{
    switch (EcartGains(gmin, gmax, grilleFine)) {
    case TEcartGains::TropGrand:
        return Refuse(champMin, QStringLiteral("Ecart entre gain minimum et gain maximum trop grand"));
    case TEcartGains::TropFaible:
        return Refuse(champMin, QStringLiteral("Ecart entre gain minimum et gain maximum trop faible"));
    default:
        return true;
    }
}

void TMemoireChamps::Retient(const QWidget* dialogue)
{
    champs_ = dialogue->findChildren<QLineEdit*>();
    textes_.clear();
    for (const QLineEdit* champ : champs_)
        textes_.append(champ->text());
    cases_ = dialogue->findChildren<QCheckBox*>();
    coches_.clear();
    for (const QCheckBox* boite : cases_)
        coches_.append(boite->isChecked());
}

void TMemoireChamps::Restaure() const
{
    for (qsizetype i = 0; i < champs_.size(); ++i)
        champs_[i]->setText(textes_[i]);
    for (qsizetype i = 0; i < cases_.size(); ++i)
        cases_[i]->setChecked(coches_[i]);
}

TDialogueEchelles::TDialogueEchelles(int largeur, int hauteur, const QString& titre, QWidget* parent)
    : TDialogueVerifie(largeur, hauteur, titre, parent)
{
}

void TDialogueEchelles::done(int resultat)
{
    if (resultat != Accepted)
        memoire_.Restaure();
    TDialogueVerifie::done(resultat);
}

void TDialogueEchelles::showEvent(QShowEvent* evenement)
{
    memoire_.Retient(this);
    TDialogueVerifie::showEvent(evenement);
}

QLabel* TDialogueEchelles::Entete(const QString& texte)
{
    QFont gras = font();
    gras.setBold(true);
    return AjouteLabel(texte, 24, 16, gras);
}

QLineEdit* TDialogueEchelles::Rangee(const QString& libelle, int y, int xChamp, const QString& unite)
{
    AjouteLabel(libelle, 24, y + 3, font());
    if (!unite.isEmpty())
        AjouteLabel(unite, xChamp + LargeurChamp + 7, y + 3, font());
    return AjouteChamp(xChamp, y, LargeurChamp, HauteurChamp);
}

QLineEdit* TDialogueEchelles::ChampTitre(int y, int largeur)
{
    AjouteLabel(QStringLiteral("Titre"), 24, y + 3, font());
    return AjouteChamp(80, y, largeur, HauteurChamp);
}

QCheckBox* TDialogueEchelles::Case(const QString& texte, int x, int y)
{
    auto* boite = new QCheckBox(texte, this);
    boite->move(x, y);
    boite->adjustSize();
    return boite;
}

QPushButton* TDialogueEchelles::AjouteBoutonsEchelles(int yValider, const QString& texteAutomatique,
                                                   int yAutomatique)
{
    const TBoutonsDialogue boutons =
        AjouteBoutons({.Valider = QRect(XBoutons, yValider, LargeurBouton, HauteurBouton),
                       .Annuler = QRect(XBoutons, yValider + 32, LargeurBouton, HauteurBouton),
                       .TexteAutomatique = texteAutomatique,
                       .Automatique = QRect(XBoutons, yAutomatique, LargeurBouton, HauteurBouton)});
    OKBtn = boutons.Valider;
    CancelBtn = boutons.Annuler;
    return boutons.Automatique;
}
