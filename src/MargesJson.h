#pragma once
// L'objet « marges » de kovra-calcul : fréquences en hertz, une marge qui n'existe pas vaut null.
#include <optional>

#include "numerique/Marges.h"

template <typename Json>
void EcritOptionnel(Json& j, const char* cle, const std::optional<Reel>& valeur)
{
    j.Cle(cle);
    if (valeur)
        j.Nombre(*valeur);
    else
        j.Nul();
}

template <typename Json>
void EcritFrequences(Json& j, const char* cle, const std::vector<Reel>& pulsations)
{
    j.Cle(cle);
    j.Ouvre('[');
    for (const Reel w : pulsations)
        j.Nombre(w / DeuxPi);
    j.Ferme(']');
}

template <typename Json>
void EcritMarges(Json& j, const TMarges& m)
{
    const auto enHertz = [](const std::optional<Reel>& marge, Reel w) {
        return marge ? std::optional<Reel>(w / DeuxPi) : std::nullopt;
    };
    j.Cle("marges");
    j.Ouvre('{');
    EcritFrequences(j, "croisements_gain_hz", m.CroisementsGain);
    EcritFrequences(j, "croisements_phase_hz", m.CroisementsPhase);
    EcritOptionnel(j, "marge_gain_db", m.MargeGain);
    EcritOptionnel(j, "frequence_marge_gain_hz", enHertz(m.MargeGain, m.PulsationMargeGain));
    EcritOptionnel(j, "marge_phase_deg", m.MargePhase);
    EcritOptionnel(j, "frequence_marge_phase_hz", enHertz(m.MargePhase, m.PulsationMargePhase));
    EcritOptionnel(j, "marge_retard_s", m.MargeRetard);
    j.Cle("boucle_fermee_stable");
    if (m.Verdict.Stabilite == TStabiliteBoucleFermee::Indecidable)
        j.Nul();
    else
        j.Booleen(m.Verdict.Stabilite == TStabiliteBoucleFermee::Stable);
    j.Cle("raison");
    j.Texte(m.Verdict.Raison);
    j.Ferme('}');
}
