#include "USaisieParamNyquist.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

#include "coeur/Document.h"
#include "coeur/SaisieNombres.h"
#include "trace/Graphisme.h"
#include "trace/TraceNyquist.h"
#include "trace/ValeursAutomatiques.h"

TEchellesNyquist::TEchellesNyquist(const TDocument& document, QWidget* parent)
    : TDialogueEchelles(432, 328, QStringLiteral("Diagramme de Nyquist"), parent), document_(document)
{
    Entete(QStringLiteral("Paramètres du Diagramme de Nyquist"));

    Fmin = Rangee(QStringLiteral("Fréq. minimum (Hz)"), 52, 176);
    Fmax = Rangee(QStringLiteral("Fréq. maximum (Hz)"), 84, 176);
    ReMin = Rangee(QStringLiteral("X minimum"), 116, 176);
    ReMax = Rangee(QStringLiteral("X maximum"), 148, 176);
    ImMin = Rangee(QStringLiteral("Y minimum"), 180, 176);
    ImMax = Rangee(QStringLiteral("Y maximum"), 212, 176);
    Titre = ChampTitre(252, 201);
    AffichageFrequence = Case(QStringLiteral("Affichage de la fréquence"), 24, 288);

    BtnAutomatique = AjouteBoutonsEchelles(52, QStringLiteral("Automatique"), 250);
    BtnAutomatique->setToolTip(QStringLiteral("fournit les valeurs calculées par le logiciel"));
    NommeComposants(this, QStringLiteral("EchellesNyquist"),
                    {{Fmin, "Fmin"}, {Fmax, "Fmax"}, {ReMin, "ReMin"}, {ReMax, "ReMax"}, {ImMin, "ImMin"},
                     {ImMax, "ImMax"}, {Titre, "Titre"}, {AffichageFrequence, "AffichageFrequence"},
                     {BtnAutomatique, "BtnAutomatique"}});
}

void TEchellesNyquist::RemplitValeursAutomatiques()
{
    const TTextesFrequentiels t = TextesAutoNyquist(document_);
    Fmin->setText(t.FreqMin);
    Fmax->setText(t.FreqMax);
    ReMin->setText(t.Min);
    ReMax->setText(t.Max);
    ImMin->setText(t.ImMin);
    ImMax->setText(t.ImMax);
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
        Refuse(Fmin, QStringLiteral("Fréquence minimum ou maximum incorrecte"));
    const bool reelBon = !(xmin > 0 || xmax < 0 || xmin > xmax);
    if (!reelBon)
        Refuse(ReMin, QStringLiteral("XMin>0 ou XMax<0 ou XMin>Xmax: c'est incorrect"));
    const bool imaginaireBon = !(ymin > 0 || ymax < 0 || ymin > ymax);
    if (!imaginaireBon)
        Refuse(ImMin, QStringLiteral("YMin>0 ou YMax<0 ou YMin>Ymax: c'est incorrect"));
    if (!(frequencesBonnes && reelBon && imaginaireBon))
        return false;
    return VerifieFrequencesTracables(Fmin, Fmax, fmin, fmax)
           && VerifieAxe(ReMin, xmin, xmax, QStringLiteral("XMin=XMax: c'est incorrect"),
                         QStringLiteral("Ecart entre XMin et XMax trop grand"))
           && VerifieAxe(ImMin, ymin, ymax, QStringLiteral("YMin=YMax: c'est incorrect"),
                         QStringLiteral("Ecart entre YMin et YMax trop grand"));
}

TParamNyquist TEchellesNyquist::Parametres() const
{
    return {.FreqMin = ValeurChamp(Fmin),
            .FreqMax = ValeurChamp(Fmax),
            .ReMin = ValeurChamp(ReMin),
            .ReMax = ValeurChamp(ReMax),
            .ImMin = ValeurChamp(ImMin),
            .ImMax = ValeurChamp(ImMax),
            .Titre = Titre->text(),
            .AffichageFrequence = AffichageFrequence->isChecked()};
}

bool TEchellesNyquist::VerifieAxe(QLineEdit* champMin, Reel min, Reel max, const QString& messageNul,
                                  const QString& messageInfini)
{
    if (min == max)
        return Refuse(champMin, messageNul);
    const std::optional<Reel> pas = PasGraduation(max - min, false);
    // Les bornes arrondies au pas doivent rester finies : sinon le tracé n'aurait plus d'axe.
    const TBornes bornes = pas ? BornesNyquist(min, max, *pas) : TBornes{};
    if (!pas || !std::isfinite(bornes.Min) || !std::isfinite(bornes.Max))
        return Refuse(champMin, messageInfini);
    return true;
}
