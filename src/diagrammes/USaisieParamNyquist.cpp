#include "USaisieParamNyquist.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "../document/Document.h"
#include "Graphisme.h"

TEchellesNyquist::TEchellesNyquist(const TDocument& document, QWidget* parent)
    : TDialogueEchelles(432, 328, QStringLiteral("Diagramme de Nyquist"), parent), document_(document)
{
    Entete(QStringLiteral("Paramètres du Diagramme de Nyquist"));

    Libelle(QStringLiteral("Fréq. minimum (Hz)"), 24, 55);
    Fmin = Champ(176, 52, 105);
    Libelle(QStringLiteral("Fréq. maximum (Hz)"), 24, 87);
    Fmax = Champ(176, 84, 105);
    Libelle(QStringLiteral("X minimum"), 24, 119);
    ReMin = Champ(176, 116, 105);
    Libelle(QStringLiteral("X maximum"), 24, 151);
    ReMax = Champ(176, 148, 105);
    Libelle(QStringLiteral("Y minimum"), 24, 183);
    ImMin = Champ(176, 180, 105);
    Libelle(QStringLiteral("Y maximum"), 24, 215);
    ImMax = Champ(176, 212, 105);
    Libelle(QStringLiteral("Titre"), 24, 255);
    Titre = Champ(80, 252, 201);
    AffichageFrequence = new QCheckBox(QStringLiteral("Affichage de la fréquence"), this);
    AffichageFrequence->move(24, 288);
    AffichageFrequence->adjustSize();

    OKBtn = Bouton(QStringLiteral("Valider"), 320, 52);
    OKBtn->setDefault(true);
    CancelBtn = Bouton(QStringLiteral("Annuler"), 320, 84);
    BtnAutomatique = Bouton(QStringLiteral("Automatique"), 320, 250);
    BtnAutomatique->setToolTip(QStringLiteral("fournit les valeurs calculées par le logiciel"));
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(BtnAutomatique, &QPushButton::clicked, this, &TEchellesNyquist::BtnAutomatiqueClick);
}

void TEchellesNyquist::BtnAutomatiqueClick()
{
    Fmin->setText(TexteAutomatique(document_.FreqBasseAuto, 4));
    Fmax->setText(TexteAutomatique(document_.FreqHauteAuto, 3));
    ReMin->setText(TexteAutomatique(document_.ReMinAuto, 3));
    ReMax->setText(TexteAutomatique(document_.ReMaxAuto, 3));
    ImMin->setText(TexteAutomatique(document_.ImMinAuto, 3));
    ImMax->setText(TexteAutomatique(document_.ImMaxAuto, 3));
    OKBtn->setFocus(Qt::OtherFocusReason);
}

bool TEchellesNyquist::PeutFermer()
{
    Reel fmin = 0, fmax = 0, xmin = 0, xmax = 0, ymin = 0, ymax = 0;
    if (!LitChampOuRefuse(Fmin, QStringLiteral("Fréquence minimum mal saisie"), fmin)
        || !LitChampOuRefuse(Fmax, QStringLiteral("Fréquence maximum mal saisie"), fmax)
        || !LitChampOuRefuse(ReMin, QStringLiteral("X minimum mal saisi"), xmin)
        || !LitChampOuRefuse(ReMax, QStringLiteral("X maximum mal saisi"), xmax)
        || !LitChampOuRefuse(ImMin, QStringLiteral("Y minimum mal saisi"), ymin)
        || !LitChampOuRefuse(ImMax, QStringLiteral("Y maximum mal saisi"), ymax))
        return false;
    const bool frequencesBonnes = fmin >= 0 && fmax >= 0 && fmin <= fmax;
    if (!frequencesBonnes)
        RefuseChamp(Fmin, QStringLiteral("Fréquence minimum ou maximum incorrecte"));
    const bool reelBon = !(xmin > 0 || xmax < 0 || xmin > xmax);
    if (!reelBon)
        RefuseChamp(ReMin, QStringLiteral("XMin>0 ou XMax<0 ou XMin>Xmax: c'est incorrect"));
    const bool imaginaireBon = !(ymin > 0 || ymax < 0 || ymin > ymax);
    if (!imaginaireBon)
        RefuseChamp(ImMin, QStringLiteral("YMin>0 ou YMax<0 ou YMin>Ymax: c'est incorrect"));
    if (!(frequencesBonnes && reelBon && imaginaireBon))
        return false;
    return VerifieFrequencesTracables(Fmin, Fmax, fmin, fmax)
           && VerifieAxe(ReMin, xmin, xmax, QStringLiteral("XMin=XMax: c'est incorrect"),
                         QStringLiteral("Ecart entre XMin et XMax trop grand"))
           && VerifieAxe(ImMin, ymin, ymax, QStringLiteral("YMin=YMax: c'est incorrect"),
                         QStringLiteral("Ecart entre YMin et YMax trop grand"));
}

bool TEchellesNyquist::VerifieAxe(QLineEdit* champMin, Reel min, Reel max, const QString& messageNul,
                                  const QString& messageInfini)
{
    if (min == max) {
    RefuseChamp(champMin, messageNul);
        return false;
    }
    if (!PasGraduation(max - min, false)) {
    RefuseChamp(champMin, messageInfini);
        return false;
    }
    return true;
}
