#include "ReponsesJson.h"

#include <algorithm>
#include <cmath>

#include "numerique/EchellesAuto.h"
#include "numerique/Reponses.h"

namespace {

// La rampe est aussi l'intégrale de la réponse indicielle de N/D : quand les deux formes s'écartent,
// l'une a perdu ses chiffres (pôles presque confondus à l'échelle des instants demandés).
bool RampeDouteuse(const TSysteme& s, Reel t, Reel y)
{
    if (t < 0 || s.RampeParIntegrale || !std::isfinite(y))
        return false;
    const Reel z = RampeParIntegrale(s.Denominateur, s.PartieEntiere, s.Decomposition, t);
    return std::isfinite(z) && std::fabs(y - z) > 1e-6L * std::max(std::fabs(y), std::fabs(z));
}

TJson Instant(Reel t, Reel y) { return TJson::object({{"t", t}, {"y", y}}); }

} // namespace

TJson ReponseFrequentielleJson(const TSysteme& s, const std::vector<Reel>& frequences, const std::string& chemin,
                               TAvertissements& avertissements)
{
    TJson j = TJson::array();
    for (const Reel f : frequences) {
        const TComplexe h = ReponseFrequentielle(s, {0, DeuxPi * f});
        TJson echantillon = TJson::object({{"f", f}});
        // Exactement sur un pôle, la réponse n'a pas de valeur : quatre null et une seule raison.
        if (!EstFini(h)) {
            for (const char* cle : {"re", "im", "gain_db", "phase_deg"})
                echantillon[cle] = nullptr;
            avertissements.push_back({chemin + "[" + std::to_string(j.size()) + "]",
                                      "la fréquence tombe sur un pôle, la réponse est infinie"});
        } else {
            echantillon["re"] = h.Re;
            echantillon["im"] = h.Im;
            echantillon["gain_db"] = 20 * std::log10(Module(h));
            echantillon["phase_deg"] = Argument(h) * 180 / Pi;
        }
        j.push_back(std::move(echantillon));
    }
    return j;
}

TJson IndicielleJson(const TSysteme& s, const std::vector<Reel>& temps)
{
    TJson j = TJson::array();
    for (const Reel t : temps)
        j.push_back(Instant(t, ReponseEchelon(s, t, s.TempsMort, 0, 1, 0)));
    return j;
}

TJson RampeJson(const TSysteme& s, const std::vector<Reel>& temps, const std::string& chemin,
                TAvertissements& avertissements)
{
    TJson j = TJson::array();
    if (temps.empty())
        return j;
    const TSysteme rampe = SystemeAvecRampe(s);
    for (const Reel t : temps) {
        const Reel y = ReponseRampe(rampe, t, s.TempsMort, 1, 0);
        if (RampeDouteuse(rampe, t - s.TempsMort, y))
            avertissements.push_back({chemin + "[" + std::to_string(j.size()) + "].y",
                                      "valeur imprécise, deux calculs de la réponse s'écartent"});
        j.push_back(Instant(t, y));
    }
    return j;
}
