#include "EchantillonsFrequentiels.h"

#include <cmath>
#include <limits>

#include "PhasesAffichees.h"
#include "numerique/Reponses.h"
#include "numerique/Arrondis.h"
#include "numerique/VersBoucleOuverte.h"

namespace {
struct TDecade {
    Reel Exposant;
    Reel Frequence;
};

// Décade entière de f, vers le bas (hausse 0) ou vers le haut (hausse 1). Une puissance de dix
// exacte, à quelques ulps près, reste telle quelle quel que soit son signe : Ent ferait
// descendre 0,1 à 0,01.
TDecade Decade(Reel f, int hausse)
{
    const Reel proche = std::nearbyint(Log10(f));
    if (std::fabs(std::pow(Reel(10), proche) - f) <= 4 * std::numeric_limits<Reel>::epsilon() * f)
        return {proche, f};
    const Reel exposant = Ent(Log10(f)) + hausse;
    return {exposant, std::pow(Reel(10), exposant)};
}
}

Reel DecadeSuperieure(Reel f)
{
    return Decade(f, 1).Frequence;
}

std::optional<TDecades> ArrondiDecades(Reel fmin, Reel fmax)
{
    if (!(fmin > 0) || !(fmin <= fmax) || !std::isfinite(fmax))
        return std::nullopt;
    const TDecade basse = Decade(fmin, 0);
    const TDecade haute = Decade(fmax, 1);
    // Sous la plus petite décade représentable, la fréquence minimum tomberait à zéro.
    if (!(basse.Frequence > 0) || !std::isfinite(haute.Frequence))
        return std::nullopt;
    const Reel nombre = haute.Exposant - basse.Exposant;
    if (!(nombre >= 1))
        return std::nullopt;
    return TDecades{basse.Frequence, haute.Frequence, basse.Exposant, haute.Exposant, int(nombre)};
}

void MemoriseDecades(TEchellesFrequentielles& echelles, const TDecades& d)
{
    echelles.FreqMin = d.FreqMin;
    echelles.FreqMax = d.FreqMax;
    echelles.LogFreqMin = d.LogMin;
    echelles.LogFreqMax = d.LogMax;
}

int NbPointsDecades(int points, const TDecades& d)
{
    return d.Nombre > 0 ? points / d.Nombre * d.Nombre : 0;
}

TEchantillonFrequentiel EchantillonFrequentiel(const TSysteme& s, const TDecades& d, int i, int n)
{
    TEchantillonFrequentiel e;
    e.X = i * (d.LogMax - d.LogMin) / n + d.LogMin;
    e.Frequence = Puiss10(e.X);
    e.Reponse = ReponseFrequentielle(s, TComplexe{0, DeuxPi * e.Frequence});
    return e;
}

std::vector<TEchantillonDiagramme> Echantillonne(const TSysteme& s, const TPhasesAffichees& phases, const TDecades& d,
                                                 int premier, int n, TCalculEchantillon calcul)
{
    std::vector<TEchantillonDiagramme> ech(std::size_t(n - premier) + 1);
    for (int i = premier; i <= n; ++i) {
        const TEchantillonFrequentiel e = EchantillonFrequentiel(s, d, i, n);
        TEchantillonDiagramme& r = ech[std::size_t(i - premier)];
        r.X = e.X;
        r.Frequence = e.Frequence;
        r.Reponse = e.Reponse;
        if (calcul == TCalculEchantillon::Reponse)
            continue;
        r.Gain = GainDecibels(e.Reponse);
        r.Phase = phases.Degres(e);
        if (calcul == TCalculEchantillon::BoucleFermee) {
            const TComplexe fermee = BoucleFermee(e.Reponse);
            r.GainFerme = GainDecibels(fermee);
            r.PhaseFermee = PhaseDegres(fermee, true);
        }
    }
    return ech;
}
