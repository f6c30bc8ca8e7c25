#include "USaisieParamBlack.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include "coeur/Document.h"
#include "coeur/SaisieNombres.h"
#include "trace/ValeursAutomatiques.h"

TEchellesBlack::TEchellesBlack(const TDocument& document, QWidget* parent)
    : TDialogueEchelles(432, 280, QStringLiteral("Diagramme de Black"), parent), document_(document)
{
    Entete(QStringLiteral("Paramètres du Diagramme de Black"));

    FreqMin = Rangee(QStringLiteral("Fréquence minimum (Hz)"), 52, 192);
    FreqMax = Rangee(QStringLiteral("Fréquence maximum (Hz)"), 84, 192);
    GainMin = Rangee(QStringLiteral("Gain minimum (dB)"), 116, 192);
    GainMax = Rangee(QStringLiteral("Gain maximum (dB)"), 148, 192);
    Titre = ChampTitre(188, 217);
    AffichageFrequence = Case(QStringLiteral("Affichage\nfréquence"), 24, 228);
    QuadriFin = Case(QStringLiteral("Quadrillage\nFin"), 192, 228);

    BtnAutomatique = AjouteBoutonsEchelles(52, QStringLiteral("Automatique"), 186);
    BtnAutomatique->setToolTip(QStringLiteral("fournit les valeurs calculées par le logiciel"));
    NommeComposants(this, QStringLiteral("EchellesBlack"),
                    {{FreqMin, "FreqMin"}, {FreqMax, "FreqMax"}, {GainMin, "GainMin"}, {GainMax, "GainMax"},
                     {Titre, "Titre"}, {AffichageFrequence, "AffichageFrequence"}, {QuadriFin, "QuadriFin"},
                     {BtnAutomatique, "BtnAutomatique"}});
}

void TEchellesBlack::RemplitValeursAutomatiques()
{
    const TTextesFrequentiels t = TextesAutoBlack(document_, QuadriFin->isChecked());
    FreqMin->setText(t.FreqMin);
    FreqMax->setText(t.FreqMax);
    GainMin->setText(t.Min);
    GainMax->setText(t.Max);
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
        Refuse(FreqMin, QStringLiteral("Fréquence minimum ou maximum incorrecte"));
    const bool gainsBons = gmin < gmax;
    if (!gainsBons)
        Refuse(GainMin, QStringLiteral("GMin doit être inférieur à Gmax"));
    if (!(frequencesBonnes && gainsBons))
        return false;
    return VerifieFrequencesTracables(FreqMin, FreqMax, fmin, fmax)
           && VerifieGainsTracables(GainMin, gmin, gmax, QuadriFin->isChecked());
}

TParamBlack TEchellesBlack::Parametres() const
{
    return {.FreqMin = ValeurChamp(FreqMin),
            .FreqMax = ValeurChamp(FreqMax),
            .GainMin = ValeurChamp(GainMin),
            .GainMax = ValeurChamp(GainMax),
            .Titre = Titre->text(),
            .AffichageFrequence = AffichageFrequence->isChecked(),
            .QuadriFin = QuadriFin->isChecked()};
}
