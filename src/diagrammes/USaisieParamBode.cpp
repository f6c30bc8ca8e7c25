#include "USaisieParamBode.h"

#include <QLineEdit>
#include <QPushButton>

#include "../document/Document.h"
#include "../document/SaisieNombres.h"

TEchellesBode::TEchellesBode(const TDocument& document, QWidget* parent)
    : TDialogueEchelles(432, 208, QStringLiteral("Echelles du Diagramme de Bode"), parent), document_(document)
{
    Libelle(QStringLiteral("Fréquence minimum"), 24, 27);
    FreqMin = Champ(176, 24, 105);
    Libelle(QStringLiteral("Hz"), 288, 27);
    Libelle(QStringLiteral("Fréquence maximum"), 24, 59);
    FreqMax = Champ(176, 56, 105);
    Libelle(QStringLiteral("Hz"), 288, 59);
    Libelle(QStringLiteral("Gain minimum"), 24, 91);
    GainMin = Champ(176, 88, 105);
    Libelle(QStringLiteral("dB"), 288, 91);
    Libelle(QStringLiteral("Gain maximum"), 24, 123);
    GainMax = Champ(176, 120, 105);
    Libelle(QStringLiteral("dB"), 288, 123);
    Libelle(QStringLiteral("Titre"), 24, 163);
    Titre = Champ(80, 160, 201);
    Titre->setToolTip(QStringLiteral("facultatif"));

    OKBtn = Bouton(QStringLiteral("Valider"), 320, 24);
    OKBtn->setDefault(true);
    CancelBtn = Bouton(QStringLiteral("Annuler"), 320, 56);
    Defaut = Bouton(QStringLiteral("Echelle autom."), 320, 158);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(Defaut, &QPushButton::clicked, this, &TEchellesBode::DefautClick);
}

void TEchellesBode::DefautClick()
{
    FreqMin->setText(TexteAutomatique(document_.FreqBasseAuto, 4));
    FreqMax->setText(TexteAutomatique(document_.FreqHauteAuto, 1));
    GainMin->setText(TexteAutomatique(document_.GainMinAuto, 3));
    GainMax->setText(TexteAutomatique(document_.GainMaxAuto, 3));
    OKBtn->setFocus(Qt::OtherFocusReason);
}

bool TEchellesBode::PeutFermer()
{
    Reel fmin = 0, fmax = 0, gmin = 0, gmax = 0;
    if (!LitChampOuRefuse(FreqMin, QStringLiteral("Fréquence minimum mal saisie"), fmin)
        || !LitChampOuRefuse(FreqMax, QStringLiteral("Fréquence maximum mal saisie"), fmax)
        || !LitChampOuRefuse(GainMin, QStringLiteral("Gain minimum mal saisi"), gmin)
        || !LitChampOuRefuse(GainMax, QStringLiteral("Gain maximum mal saisi"), gmax))
        return false;
    if (!(fmin >= 0 && fmax >= 0 && fmin < fmax)) {
    RefuseChamp(FreqMin, QStringLiteral("Fréquence minimum ou maximum incorrecte"));
        return false;
    }
    if (!(gmin < gmax)) {
    RefuseChamp(GainMin, QStringLiteral("Gain minimum supérieur au gain maximum!"));
        return false;
    }
    return VerifieFrequencesTracables(FreqMin, FreqMax, fmin, fmax)
           && VerifieGainsTracables(GainMin, gmin, gmax, false);
}

TParamBode TEchellesBode::Parametres() const
{
    TParamBode param;
    LitReel(FreqMin->text(), param.FreqMin);
    LitReel(FreqMax->text(), param.FreqMax);
    LitReel(GainMin->text(), param.GainMin);
    LitReel(GainMax->text(), param.GainMax);
    param.Titre = Titre->text();
    return param;
}

void TEchellesBode::Active()
{
    FreqMin->setFocus(Qt::OtherFocusReason);
}
