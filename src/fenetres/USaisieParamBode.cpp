#include "USaisieParamBode.h"

#include <QLineEdit>
#include <QPushButton>

#include "coeur/Document.h"
#include "coeur/SaisieNombres.h"

TEchellesBode::TEchellesBode(const TDocument& document, QWidget* parent)
    : TDialogueEchelles(432, 208, QStringLiteral("Echelles du Diagramme de Bode"), parent), document_(document)
{
    FreqMin = Rangee(QStringLiteral("Fréquence minimum"), 24, 176, QStringLiteral("Hz"));
    FreqMax = Rangee(QStringLiteral("Fréquence maximum"), 56, 176, QStringLiteral("Hz"));
    GainMin = Rangee(QStringLiteral("Gain minimum"), 88, 176, QStringLiteral("dB"));
    GainMax = Rangee(QStringLiteral("Gain maximum"), 120, 176, QStringLiteral("dB"));
    Titre = ChampTitre(160, 201);
    Titre->setToolTip(QStringLiteral("facultatif"));
    Defaut = AjouteBoutons(24, QStringLiteral("Echelle autom."), 158);
    NommeComposants(this, QStringLiteral("EchellesBode"),
                    {{FreqMin, "FreqMin"}, {FreqMax, "FreqMax"}, {GainMin, "GainMin"}, {GainMax, "GainMax"},
                     {Titre, "Titre"}, {OKBtn, "OKBtn"}, {CancelBtn, "CancelBtn"}, {Defaut, "Defaut"}});
}

void TEchellesBode::RemplitValeursAutomatiques()
{
    FreqMin->setText(TexteAutomatique(document_.FreqBasseAuto, 4));
    FreqMax->setText(TexteAutomatique(document_.FreqHauteAuto, 1));
    GainMin->setText(TexteAutomatique(document_.GainMinAuto, 3));
    GainMax->setText(TexteAutomatique(document_.GainMaxAuto, 3));
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
