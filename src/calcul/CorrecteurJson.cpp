#include "CorrecteurJson.h"

#include <cmath>

namespace {

// Le JSON écrit des doubles ; un nombre non fini n'y a pas de forme.
nlohmann::ordered_json Nombre(Reel x)
{
    return std::isfinite(static_cast<double>(x)) ? nlohmann::ordered_json(static_cast<double>(x)) : nullptr;
}

nlohmann::ordered_json Coefficients(const TPolynome& p)
{
    nlohmann::ordered_json c = nlohmann::ordered_json::array();
    for (int k = 0; k <= p.Degre; ++k)
        c.push_back(Nombre(p.Coef[std::size_t(k)].Re));
    return c;
}

}  // namespace

nlohmann::ordered_json CorrecteurJson(const TOptionCorrecteur& o)
{
    nlohmann::ordered_json j;
    j["type"] = o.Type;
    for (const TParametreCorrecteur& p : ParametresCorrecteur(o.Correcteur.Type))
        j[p.Nom] = Nombre(o.Correcteur.*(p.Champ));
    j["numerateur"] = Coefficients(NumerateurCorrecteur(o.Correcteur));
    j["denominateur"] = Coefficients(DenominateurCorrecteur(o.Correcteur));
    return j;
}

nlohmann::ordered_json ReglageJson(const TReglage& r)
{
    nlohmann::ordered_json j;
    j["objectif"] = r.Objectif;
    j["etapes"] = r.Etapes;
    j["atteint"] = r.Atteint;
    return j;
}
