#include "AnalyseJson.h"

#include <cmath>

#include "numerique/EchellesAuto.h"
#include "numerique/Reponses.h"

TJson PartieEntiereJson(const TSysteme& s)
{
    TJson j = TJson::array();
    for (int i = 0; i <= s.PartieEntiere.Degre; ++i)
        j.push_back(ComplexeJson(s.PartieEntiere.Coef[i]));
    return j;
}

TJson ElementsSimplesJson(const TSysteme& s)
{
    const TPolynome& d = s.Denominateur;
    TJson j = TJson::array();
    for (int i = 1; i <= d.Multiplicites[0]; ++i) {
        TJson coefficients = TJson::array();
        for (int l = 1; l <= d.Multiplicites[i]; ++l)
            coefficients.push_back(ComplexeJson(s.Decomposition(i, l)));
        j.push_back(TJson::object({{"pole", ComplexeJson(d.Racines[RangRacine(d, i)])},
                                   {"multiplicite", d.Multiplicites[i]},
                                   {"coefficients", std::move(coefficients)}}));
    }
    return j;
}

TJson GainStatiqueJson(const TSysteme& s)
{
    const TGainStatique k = GainStatique(s.Numerateur, s.Denominateur);
    return TJson::object({{"valeur", ComplexeJson(k.Valeur)}, {"infini", k.Infini}});
}

TJson EchellesJson(const TEchellesAuto& e)
{
    TJson j = TJson::object();
    for (const auto& [nom, champ] : ChampsEchellesAuto)
        if (!std::isnan(e.*champ))
            j[nom] = e.*champ;
    return j;
}
