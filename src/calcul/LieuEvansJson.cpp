#include "LieuEvansJson.h"

#include "numerique/PointsEvans.h"

namespace {

TJson AsymptotesJson(const TAsymptotes& a)
{
    TJson j = TJson::object();
    j["centre"] = OptionnelJson(a.Nombre > 0 ? std::optional<Reel>(a.Centre) : std::nullopt);
    j["angles_deg"] = TJson::array();
    for (const Reel angle : a.AnglesDeg)
        j["angles_deg"].push_back(angle);
    return j;
}

} // namespace

TJson LieuEvansJson(const TPolynome& n, const TPolynome& d, Reel retard, const std::string& chemin,
                    TAvertissements& avertissements)
{
    if (!LieuCalculable(n, d))
        return nullptr;
    const TPointsEvans points = PointsEvans(n, d);
    TJson j = TJson::object();
    j["asymptotes"] = AsymptotesJson(points.Asymptotes);
    j["separations"] = TJson::array();
    for (const TSeparation& s : points.Separations)
        j["separations"].push_back(TJson::object({{"p", ComplexeJson(s.P)}, {"K", s.K}}));
    j["croisements_axe_imaginaire"] = TJson::array();
    for (const TCroisement& c : points.Croisements)
        j["croisements_axe_imaginaire"].push_back(TJson::object({{"omega", c.Omega}, {"K", c.K}}));
    j["gain_critique"] = OptionnelJson(points.GainCritique);
    j["retard_ignore"] = retard > 0;
    if (retard > 0)
        avertissements.push_back({chemin, "retard ignoré, lieu de N(p)/D(p) seul ; son gain critique n'est pas celui "
                                          "de la boucle avec le retard"});
    return j;
}
