#include "USaisieCoefs.h"

#include <algorithm>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "NomsComposants.h"
#include "TexteDeChamp.h"
#include "coeur/Document.h"
#include "Messages.h"
#include "numerique/Polynomes.h"

TBoiteSaisieCoef::TBoiteSaisieCoef(const TDocument& document, QWidget* parent)
    : TDialogueVerifie(358, 462, QStringLiteral("Boite de Saisie des Coefficients"), parent),
      document_(document)
{
    label3_ = AjouteLabel(QStringLiteral("Coefficients du numérateur N(p)"), 40, 16, PoliceTimes(21, false));
    QLabel* label14 = AjouteLabel(QStringLiteral("terme de :"), 24, 56, PoliceTimes(16, true));
    QLabel* label13 = AjouteLabel(QStringLiteral("(unités SI)"), 237, 92, PoliceTimes(16, true));

    QFont policeChamp(QStringLiteral("MS Sans Serif"));
    policeChamp.setPointSize(8);
    QFont policeDegre(QStringLiteral("Times New Roman"));
    policeDegre.setPointSize(12);
    policeDegre.setItalic(true);
    for (int i = 0; i < NbChamps; ++i) {
        const int y = 88 + 32 * i;
        QLabel* degre = AjouteLabel(QStringLiteral("degré ") + QString::number(i), 24, y, policeDegre,
                                    CouleurSarcelle);
        // Au moins la taille prévue, sans couper « degré 10 » quand la police de remplacement est plus large.
        degre->resize(std::max(54, degre->sizeHint().width()), 19);
        champs_[i] = AjouteChamp(88, y, 121, 21);
        champs_[i]->setFont(policeChamp);
        champs_[i]->setText(QStringLiteral("0"));
        SurveilleSortie(champs_[i]);
    }

    btnRAZ_ = AjouteBouton(QStringLiteral("RAZ"), 236, 328, 75, 25);
    btnRAZ_->setToolTip(QStringLiteral("remet tous les coefficients à zéro"));
    connect(btnRAZ_, &QPushButton::clicked, this, &TBoiteSaisieCoef::RAZClick);
    AjouteBoutons({.Valider = QRect(236, 409, 75, 25), .Annuler = QRect(236, 369, 75, 25)});
    NommeComposants(this, QStringLiteral("BoiteSaisieCoef"),
                    {{label3_, "Label3"}, {label14, "Label14"}, {label13, "Label13"}, {btnRAZ_, "RAZ"}});
}

QString TBoiteSaisieCoef::LitTabEdit(int degre) const
{
    if (degre < 0 || degre >= NbChamps)
        return QString();
    return champs_[degre]->text();
}

void TBoiteSaisieCoef::EcritTabEdit(int degre, const QString& texte)
{
    if (degre >= 0 && degre < NbChamps)
        EcritTexteDeChamp(*champs_[degre], texte);
}

void TBoiteSaisieCoef::Active()
{
    label3_->setText(document_.SaisieDenominateur ? QStringLiteral("Coefficients du dénominateur D(p)")
                                                  : QStringLiteral("Coefficients du numérateur N(p)"));
    label3_->adjustSize();
    champs_[0]->setFocus();
    SelectionneDepuisLeDebut(*champs_[0]);
}

void TBoiteSaisieCoef::RAZClick()
{
    for (QLineEdit* champ : champs_)
        champ->setText(QStringLiteral("0"));
    champs_[0]->setFocus();
}

bool TBoiteSaisieCoef::VerifieCoefficient(int degre, Reel& valeur)
{
    return LitChampOuRefuse(champs_[degre], QStringLiteral("le coefficient de degré %1 est mal saisi").arg(degre),
                            valeur);
}

void TBoiteSaisieCoef::ChampQuitte(QLineEdit* champ)
{
    const int degre = int(std::find(champs_.begin(), champs_.end(), champ) - champs_.begin());
    Reel valeur = 0;
    VerifieCoefficient(degre, valeur);
}

bool TBoiteSaisieCoef::PeutFermer()
{
    std::array<Reel, NbChamps> valeurs{};
    for (int i = 0; i < NbChamps; ++i)
        if (!VerifieCoefficient(i, valeurs[i]))
            return false;
    if (!EstPolynomeNul(PolynomeReel(valeurs)))
        return true;
    AfficheMessage(QStringLiteral("Le polynôme ne doit pas être nul"));
    return false;
}
