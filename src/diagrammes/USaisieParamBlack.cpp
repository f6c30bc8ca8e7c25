#include "USaisieParamBlack.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "../document/Document.h"

TEchellesBlack::TEchellesBlack(const TDocument& document, QWidget* parent)
    : TDialogueEchelles(432, 280, QStringLiteral("Diagramme de Black"), parent), document_(document)
{
    Entete(QStringLiteral("Paramètres du Diagramme de Black"));

    Libelle(QStringLiteral("Fréquence minimum (Hz)"), 24, 55);
    FreqMin = Champ(176, 52, 105);
    Libelle(QStringLiteral("Fréquence maximum (Hz)"), 24, 87);
    FreqMax = Champ(176, 84, 105);
    Libelle(QStringLiteral("Gain minimum (dB)"), 24, 119);
    GainMin = Champ(176, 116, 105);
    Libelle(QStringLiteral("Gain maximum (dB)"), 24, 151);
    GainMax = Champ(176, 148, 105);
    Libelle(QStringLiteral("Titre"), 24, 191);
    Titre = Champ(80, 188, 201);
    AffichageFrequence = new QCheckBox(QStringLiteral("Affichage\nfréquence"), this);
    AffichageFrequence->move(24, 228);
    AffichageFrequence->adjustSize();
    QuadriFin = new QCheckBox(QStringLiteral("Quadrillage\nFin"), this);
    QuadriFin->move(176, 228);
    QuadriFin->adjustSize();

    OKBtn = Bouton(QStringLiteral("Valider"), 320, 52);
    OKBtn->setDefault(true);
    CancelBtn = Bouton(QStringLiteral("Annuler"), 320, 84);
    BtnAutomatique = Bouton(QStringLiteral("Automatique"), 320, 186);
    BtnAutomatique->setToolTip(QStringLiteral("fournit les valeurs calculées par le logiciel"));
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(BtnAutomatique, &QPushButton::clicked, this, &TEchellesBlack::BtnAutomatiqueClick);
}

void TEchellesBlack::BtnAutomatiqueClick()
{
    FreqMin->setText(TexteAutomatique(document_.FreqBasseAuto, 4));
    FreqMax->setText(TexteAutomatique(document_.FreqHauteAuto, 3));
    GainMin->setText(TexteAutomatique(document_.GainMinAuto, 3));
    GainMax->setText(TexteAutomatique(document_.GainMaxAuto, 3));
    OKBtn->setFocus(Qt::OtherFocusReason);
}

bool TEchellesBlack::PeutFermer()
{
    Reel fmin = 0, fmax = 0, gmin = 0, gmax = 0;
    if (!LitChampOuRefuse(FreqMin, QStringLiteral("Erreur dans la saisie de la fréquence minimum"), fmin)
        || !LitChampOuRefuse(FreqMax, QStringLiteral("Erreur dans la saisie de la fréquence maximum"), fmax)
        || !LitChampOuRefuse(GainMin, QStringLiteral("Erreur dans la saisie du gain minimum"), gmin)
        || !LitChampOuRefuse(GainMax, QStringLiteral("Erreur dans la saisie du gain maximum"), gmax))
        return false;
    const bool frequencesBonnes = fmin >= 0 && fmax >= 0 && fmin <= fmax;
    if (!frequencesBonnes)
        RefuseChamp(FreqMin, QStringLiteral("Fréquence minimum ou maximum incorrecte"));
    const bool gainsBons = gmin < gmax;
    if (!gainsBons)
        RefuseChamp(GainMin, QStringLiteral("GMin doit être inférieur à Gmax"));
    if (!(frequencesBonnes && gainsBons))
        return false;
    return VerifieFrequencesTracables(FreqMin, FreqMax, fmin, fmax)
           && VerifieGainsTracables(GainMin, gmin, gmax, QuadriFin->isChecked());
}
