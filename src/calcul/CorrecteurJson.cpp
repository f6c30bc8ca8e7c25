#include "CorrecteurJson.h"

namespace {

TJson Coefficients(const TPolynome& p)
{
    TJson c = TJson::array();
    for (int k = 0; k <= p.Degre; ++k)
        c.push_back(p.Coef[std::size_t(k)].Re);
    return c;
}

}  // namespace

TJson CorrecteurJson(const TOptionCorrecteur& o)
{
    TJson j = TJson::object();
    j["type"] = o.Type;
    for (const TParametreCorrecteur& p : ParametresCorrecteur(o.Correcteur.Type))
        j[p.Nom] = o.Correcteur.*(p.Champ);
    j["numerateur"] = Coefficients(NumerateurCorrecteur(o.Correcteur));
    j["denominateur"] = Coefficients(DenominateurCorrecteur(o.Correcteur));
    return j;
}

TJson ReglageJson(const TReglage& r)
{
    TJson j = TJson::object();
    j["objectif"] = r.Objectif;
    j["etapes"] = TJson(r.Etapes);
    j["atteint"] = r.Atteint;
    return j;
}
