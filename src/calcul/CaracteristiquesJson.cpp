#include "CaracteristiquesJson.h"

#include "numerique/ReponseImpulsionnelle.h"

TJson CaracteristiquesJson(const TCaracteristiques& c)
{
    TJson j = TJson::object();
    if (!c.Existent) {
        j["raison"] = c.Raison;
        return j;
    }
    j["valeur_finale"] = c.ValeurFinale;
    j["depassement_pct"] = c.DepassementPct;
    // Sans maximum au-dessus de la valeur finale, pas d'instant de pic.
    j["temps_pic_s"] = c.Pic ? TJson(c.TempsPic) : TJson(nullptr);
    j["temps_montee_s"] = c.TempsMontee;
    j["temps_reponse_5pct_s"] = c.TempsReponse5;
    j["temps_reponse_2pct_s"] = c.TempsReponse2;
    j["sous_depassement"] = nullptr;
    if (c.SousDepassement)
        j["sous_depassement"] = TJson::object({{"valeur", c.ValeurSousDepassement},
                                               {"pct", -100 * c.ValeurSousDepassement / c.ValeurFinale},
                                               {"temps_s", c.TempsSousDepassement}});
    return j;
}

TJson ImpulsionnelleJson(const TSysteme& s, const std::vector<Reel>& temps, bool faite)
{
    TJson j = TJson::array();
    if (!faite)
        return j;
    const TImpulsionnelle h = PrepareImpulsionnelle(s);
    for (const Reel t : temps)
        j.push_back(TJson::object({{"t", t}, {"y", ReponseImpulsionnelle(s, h, t)}}));
    return j;
}

TJson DiracJson(const TSysteme& s, bool faite)
{
    const TImpulsionnelle h = faite ? PrepareImpulsionnelle(s) : TImpulsionnelle{};
    return TJson::object({{"instant_s", s.TempsMort}, {"poids", h.PoidsDirac}});
}

TJson AsymptotesBodeJson(const TBodeAsymptotique& b)
{
    TJson cassures = TJson::array();
    for (const TCassure& c : b.Cassures) {
        const char* origine = c.Origine == OrigineCassure::Paire ? "paire" : c.Origine == OrigineCassure::Zero ? "zero" : "pole";
        TJson cassure = TJson::object({{"pulsation", c.Pulsation}, {"pente_db_par_decade_apres", c.PenteApres}, {"origine", origine}});
        if (c.Origine == OrigineCassure::Paire) {
            cassure["amortissement"] = c.Amortissement;
            // Paire sur l'axe (ζ = 0) : la résonance est infinie, l'amortissement nul le dit.
            if (c.Amortissement > 0)
                cassure["correction_resonance_db"] = c.CorrectionResonance;
        }
        cassures.push_back(std::move(cassure));
    }
    return TJson::object({{"cassures", cassures},
                          {"niveau_basse_frequence_db", b.NiveauBasseFrequence},
                          {"pente_basse_frequence_db_par_decade", b.PenteBasseFrequence}});
}

void AjouteLectures(TJson& etude, const TSysteme& s, bool faite, const std::vector<Reel>& temps)
{
    TCaracteristiques sans;
    sans.Raison = "Décomposition en éléments simples impossible : pas de caractéristiques.";
    const bool racines = s.Numerateur.RacinesValides && s.Denominateur.RacinesValides && !EstPolynomeNul(s.Numerateur);
    etude["impulsionnelle"] = ImpulsionnelleJson(s, temps, faite);
    etude["impulsion_dirac"] = DiracJson(s, faite);
    etude["caracteristiques_indicielle"] = CaracteristiquesJson(faite ? CaracteristiquesIndicielle(s) : sans);
    etude["asymptotes"] = racines ? AsymptotesBodeJson(BodeAsymptotique(s.Numerateur, s.Denominateur)) : TJson(nullptr);
}
