#include "USaisieParamBode.h"

#include <QLineEdit>
#include <QPushButton>

#include "coeur/Document.h"
#include "trace/ValeursAutomatiques.h"

TEchellesBode::TEchellesBode(const TDocument& document, QWidget* parent)
    : TDialogueEchelles(432, 208, QStringLiteral("Echelles du Diagramme de Bode"), parent), document_(document)
{
    FreqMin = Rangee(QStringLiteral("Fréquence minimum"), 24, 176, QStringLiteral("Hz"));
    FreqMax = Rangee(QStringLiteral("Fréquence maximum"), 56, 176, QStringLiteral("Hz"));
    GainMin = Rangee(QStringLiteral("Gain minimum"), 88, 176, QStringLiteral("dB"));
    GainMax = Rangee(QStringLiteral("Gain maximum"), 120, 176, QStringLiteral("dB"));
    Titre = ChampTitre(160, 201);
    Titre->setToolTip(QStringLiteral("facultatif"));
    Defaut = AjouteBoutonsEchelles(24, QStringLiteral("Echelle autom."), 158);
    NommeComposants(this, QStringLiteral("EchellesBode"),
                    {{FreqMin, "FreqMin"}, {FreqMax, "FreqMax"}, {GainMin, "GainMin"}, {GainMax, "GainMax"},
                     {Titre, "Titre"}, {OKBtn, "OKBtn"}, {CancelBtn, "CancelBtn"}, {Defaut, "Defaut"}});
}

void TEchellesBode::RemplitValeursAutomatiques()
{
    const TTextesFrequentiels t = TextesAutoBode(document_);
    FreqMin->setText(t.FreqMin);
    FreqMax->setText(t.FreqMax);
    GainMin->setText(t.Min);
    GainMax->setText(t.Max);
}

bool TEchellesBode::PeutFermer()
{
    Reel fmin = 0, fmax = 0, gmin = 0, gmax = 0;
    if (!LitChampOuRefuse(FreqMin, QStringLiteral("Fréquence minimum mal saisie"), fmin)
        || !LitChampOuRefuse(FreqMax, QStringLiteral("Fréquence maximum mal saisie"), fmax)
        || !LitChampOuRefuse(GainMin, QStringLiteral("Gain minimum mal saisi"), gmin)
        || !LitChampOuRefuse(GainMax, QStringLiteral("Gain maximum mal saisi"), gmax))
        return false;
    if (!(fmin >= 0 && fmax >= 0 && fmin < fmax))
        return Refuse(FreqMin, QStringLiteral("Fréquence minimum ou maximum incorrecte"));
    if (!(gmin < gmax))
        return Refuse(GainMin, QStringLiteral("Gain minimum supérieur au gain maximum!"));
    return VerifieFrequencesTracables(FreqMin, FreqMax, fmin, fmax)
           && VerifieGainsTracables(GainMin, gmin, gmax, false);
}

TParamBode TEchellesBode::Parametres() const
{
    return {.FreqMin = ValeurChamp(FreqMin),
            .FreqMax = ValeurChamp(FreqMax),
            .GainMin = ValeurChamp(GainMin),
            .GainMax = ValeurChamp(GainMax),
            .Titre = Titre->text()};
}

void TEchellesBode::Active()
{
    FreqMin->setFocus(Qt::OtherFocusReason);
}
