#include "CaracteristiquesJson.h"

#include <cmath>
#include <limits>

#include "numerique/ReponseImpulsionnelle.h"

using nlohmann::ordered_json;

ordered_json NombreJson(Reel x)
{
    if (!std::isfinite(x) || std::fabs(x) > std::numeric_limits<double>::max())
        return nullptr;
    if (std::fabs(x) < std::numeric_limits<double>::min())
        return 0.0;
    return static_cast<double>(x);
}

ordered_json NombreNomme(Reel x, const std::string& chemin, TAvertissements& avertissements)
{
    ordered_json j = NombreJson(x);
    if (j.is_null())
        avertissements.push_back(chemin + " : valeur infinie ou hors de l'étendue des doubles");
    return j;
}

ordered_json CaracteristiquesJson(const TCaracteristiques& c)
{
    ordered_json j = ordered_json::object();
    if (!c.Existent) {
        j["raison"] = c.Raison;
        return j;
    }
    j["valeur_finale"] = NombreJson(c.ValeurFinale);
    j["depassement_pct"] = NombreJson(c.DepassementPct);
    // Sans maximum au-dessus de la valeur finale, pas d'instant de pic.
    j["temps_pic_s"] = c.Pic ? NombreJson(c.TempsPic) : ordered_json(nullptr);
    j["temps_montee_s"] = NombreJson(c.TempsMontee);
    j["temps_reponse_5pct_s"] = NombreJson(c.TempsReponse5);
    j["temps_reponse_2pct_s"] = NombreJson(c.TempsReponse2);
    j["sous_depassement"] = nullptr;
    if (c.SousDepassement)
        j["sous_depassement"] = {{"valeur", NombreJson(c.ValeurSousDepassement)},
                                 {"pct", NombreJson(-100 * c.ValeurSousDepassement / c.ValeurFinale)},
                                 {"temps_s", NombreJson(c.TempsSousDepassement)}};
    return j;
}

ordered_json ImpulsionnelleJson(const TSysteme& s, const std::vector<Reel>& temps, bool faite,
                                TAvertissements& avertissements)
{
    ordered_json j = ordered_json::array();
    if (!faite)
        return j;
    const TImpulsionnelle h = PrepareImpulsionnelle(s);
    for (const Reel t : temps) {
        const std::string chemin = "impulsionnelle[" + std::to_string(j.size()) + "].y";
        j.push_back({{"t", NombreJson(t)}, {"y", NombreNomme(ReponseImpulsionnelle(s, h, t), chemin, avertissements)}});
    }
    return j;
}

ordered_json DiracJson(const TSysteme& s, bool faite)
{
    const TImpulsionnelle h = faite ? PrepareImpulsionnelle(s) : TImpulsionnelle{};
    return {{"instant_s", NombreJson(s.TempsMort)}, {"poids", NombreJson(h.PoidsDirac)}};
}

ordered_json AsymptotesJson(const TBodeAsymptotique& b, TAvertissements& avertissements)
{
    ordered_json cassures = ordered_json::array();
    for (const TCassure& c : b.Cassures) {
        const char* origine = c.Origine == OrigineCassure::Paire ? "paire" : c.Origine == OrigineCassure::Zero ? "zero" : "pole";
        cassures.push_back({{"pulsation", NombreJson(c.Pulsation)},
                            {"pente_db_par_decade_apres", NombreJson(c.PenteApres)},
                            {"origine", origine}});
        if (c.Origine != OrigineCassure::Paire)
            continue;
        cassures.back()["amortissement"] = NombreJson(c.Amortissement);
        // Paire sur l'axe (ζ = 0) : la résonance est infinie, l'amortissement nul le dit.
        if (c.Amortissement > 0) {
            const std::string chemin = "asymptotes.cassures[" + std::to_string(cassures.size() - 1) + "].correction_resonance_db";
            cassures.back()["correction_resonance_db"] = NombreNomme(c.CorrectionResonance, chemin, avertissements);
        }
    }
    return {{"cassures", cassures},
            {"niveau_basse_frequence_db", NombreJson(b.NiveauBasseFrequence)},
            {"pente_basse_frequence_db_par_decade", NombreJson(b.PenteBasseFrequence)}};
}

ordered_json LecturesJson(const TSysteme& s, bool faite, const std::vector<Reel>& temps, TAvertissements& avertissements)
{
    TCaracteristiques c;
    c.Raison = "Décomposition en éléments simples impossible : pas de caractéristiques.";
    const bool racines = s.Numerateur.RacinesValides && s.Denominateur.RacinesValides && !EstPolynomeNul(s.Numerateur);
    ordered_json j;
    j["impulsionnelle"] = ImpulsionnelleJson(s, temps, faite, avertissements);
    j["impulsion_dirac"] = DiracJson(s, faite);
    j["caracteristiques_indicielle"] = CaracteristiquesJson(faite ? CaracteristiquesIndicielle(s) : c);
    j["asymptotes"] = racines ? AsymptotesJson(BodeAsymptotique(s.Numerateur, s.Denominateur), avertissements) : ordered_json(nullptr);
    return j;
}
