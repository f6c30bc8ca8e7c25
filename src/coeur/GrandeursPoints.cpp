#include "GrandeursPoints.h"

#include <algorithm>
#include <limits>
#include <optional>

namespace {
using G = TGrandeur;

const std::vector<G> Aucune;

const std::vector<G>& ParDiagramme(TTypeDiagramme type, const std::vector<G>& bode, const std::vector<G>& nyquist,
                                   const std::vector<G>& black)
{
    switch (type) {
    case TTypeDiagramme::Bode: return bode;
    case TTypeDiagramme::Nyquist: return nyquist;
    case TTypeDiagramme::Black: return black;
    case TTypeDiagramme::Evans:
    case TTypeDiagramme::Aucun: break;
    }
    return Aucune;
}

// Rang du champ Valeur1… qui porte g ; rien quand le diagramme ne la range pas.
std::optional<std::size_t> Rang(TTypeDiagramme type, G g)
{
    const std::vector<G>& rangees = GrandeursRangees(type);
    const auto place = std::find(rangees.begin(), rangees.end(), g);
    if (place == rangees.end())
        return std::nullopt;
    return std::size_t(place - rangees.begin());
}
}

QString TitreTableau(TGrandeur g)
{
    switch (g) {
    case G::Frequence: return QStringLiteral("fréquence (Hz)");
    case G::Pulsation: return QStringLiteral("puls. (rad/s)");
    case G::Gain: return QStringLiteral("gain (dB)");
    case G::Phase: return QStringLiteral("phase (°)");
    case G::PartieReelle: return QStringLiteral("partie réelle");
    case G::PartieImaginaire: return QStringLiteral("partie imagin.");
    case G::GainFerme: return QStringLiteral("gain en BF");
    case G::PhaseFermee: return QStringLiteral("phase en BF");
    }
    return {};
}

QString TitreTableur(TGrandeur g)
{
    switch (g) {
    case G::Frequence: return QStringLiteral("fréq. (Hz)");
    case G::PartieReelle: return QStringLiteral("Partie réelle");
    case G::PartieImaginaire: return QStringLiteral("Partie imaginaire");
    default: return TitreTableau(g);
    }
}

QString UniteLecture(TGrandeur g)
{
    switch (g) {
    case G::Frequence: return QStringLiteral(" Hz");
    case G::Pulsation: return QStringLiteral(" rad/s");
    case G::Gain:
    case G::GainFerme: return QStringLiteral(" dB");
    case G::Phase:
    case G::PhaseFermee: return QStringLiteral(" °");
    case G::PartieReelle:
    case G::PartieImaginaire: break;
    }
    return {};
}

const std::vector<TGrandeur>& GrandeursRangees(TTypeDiagramme type)
{
    static const std::vector<G> bode{G::Gain, G::Phase};
    static const std::vector<G> nyquist{G::PartieReelle, G::PartieImaginaire};
    static const std::vector<G> black{G::Phase, G::Gain, G::GainFerme, G::PhaseFermee};
    return ParDiagramme(type, bode, nyquist, black);
}

std::vector<TGrandeur> GrandeursLues(TTypeDiagramme type, bool abaqueVisible)
{
    std::vector<G> lues{G::Frequence, G::Pulsation};
    const std::vector<G>& rangees = GrandeursRangees(type);
    const std::size_t nombre = type == TTypeDiagramme::Black && !abaqueVisible ? 2 : rangees.size();
    lues.insert(lues.end(), rangees.begin(), rangees.begin() + std::ptrdiff_t(nombre));
    return lues;
}

const std::vector<TGrandeur>& ColonnesTableau(TTypeDiagramme type)
{
    static const std::vector<G> bode{G::Frequence, G::Pulsation, G::Gain, G::Phase};
    static const std::vector<G> nyquist{G::Frequence, G::Pulsation, G::PartieReelle, G::PartieImaginaire};
    static const std::vector<G> black{G::Frequence, G::Pulsation, G::Gain, G::Phase, G::GainFerme, G::PhaseFermee};
    return ParDiagramme(type, bode, nyquist, black);
}

const std::vector<TGrandeur>& ColonnesTableur(TTypeDiagramme type)
{
    static const std::vector<G> gainPhase{G::Frequence, G::Gain, G::Phase};
    static const std::vector<G> nyquist{G::Frequence, G::PartieReelle, G::PartieImaginaire};
    return ParDiagramme(type, gainPhase, nyquist, gainPhase);
}

Reel ValeurDuPoint(const TPointFrequentiel& p, TTypeDiagramme type, TGrandeur g)
{
    if (g == G::Frequence)
        return p.Frequence;
    if (g == G::Pulsation)
        return DeuxPi * p.Frequence;
    const Reel valeurs[] = {p.Valeur1, p.Valeur2, p.Valeur3, p.Valeur4};
    const std::optional<std::size_t> rang = Rang(type, g);
    return rang ? valeurs[*rang] : std::numeric_limits<Reel>::quiet_NaN();
}

Reel ValeurEchantillon(const TEchantillonDiagramme& e, TGrandeur g)
{
    switch (g) {
    case G::Frequence: return e.Frequence;
    case G::Pulsation: return DeuxPi * e.Frequence;
    case G::Gain: return e.Gain;
    case G::Phase: return e.Phase;
    case G::PartieReelle: return e.Reponse.Re;
    case G::PartieImaginaire: return e.Reponse.Im;
    case G::GainFerme: return e.GainFerme;
    case G::PhaseFermee: return e.PhaseFermee;
    }
    return std::numeric_limits<Reel>::quiet_NaN();
}

void RangeEchantillon(TPointFrequentiel& p, TTypeDiagramme type, const TEchantillonDiagramme& e)
{
    Reel* const champs[] = {&p.Valeur1, &p.Valeur2, &p.Valeur3, &p.Valeur4};
    const std::vector<G>& rangees = GrandeursRangees(type);
    p.Frequence = e.Frequence;
    for (std::size_t k = 0; k < rangees.size(); ++k)
        *champs[k] = ValeurEchantillon(e, rangees[k]);
}
