#include "MargesJson.h"

TJson FrequencesJson(const std::vector<Reel>& pulsations)
{
    TJson j = TJson::array();
    for (const Reel w : pulsations)
        j.push_back(w / DeuxPi);
    return j;
}

TJson MargesJson(const TMarges& m)
{
    const auto enHertz = [](const std::optional<Reel>& marge, Reel w) {
        return marge ? std::optional<Reel>(w / DeuxPi) : std::nullopt;
    };
    TJson j = TJson::object();
    j["croisements_gain_hz"] = FrequencesJson(m.CroisementsGain);
    j["croisements_phase_hz"] = FrequencesJson(m.CroisementsPhase);
    j["marge_gain_db"] = OptionnelJson(m.MargeGain);
    j["frequence_marge_gain_hz"] = OptionnelJson(enHertz(m.MargeGain, m.PulsationMargeGain));
    j["marge_phase_deg"] = OptionnelJson(m.MargePhase);
    j["frequence_marge_phase_hz"] = OptionnelJson(enHertz(m.MargePhase, m.PulsationMargePhase));
    j["marge_retard_s"] = OptionnelJson(m.MargeRetard);
    j["boucle_fermee_stable"] = m.Verdict.Stabilite == TStabiliteBoucleFermee::Indecidable
                                    ? TJson(nullptr)
                                    : TJson(m.Verdict.Stabilite == TStabiliteBoucleFermee::Stable);
    j["raison"] = m.Verdict.Raison;
    return j;
}
