#pragma once
// Briques communes aux assistants de réglage : textes des valeurs, balayage en pulsation,
// marges exactes de la boucle corrigée.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "Marges.h"
#include "Reglage.h"

// Quatre chiffres significatifs, séparateur décimal français.
std::string Valeur(Reel x);

// Grille logarithmique qui couvre les racines de N et D et le retard, largement.
std::vector<Reel> GrillePulsations(const TFonctionG& g);

// Pulsations croissantes où f passe par zéro entre deux points de la grille où elle est définie
// (valeur non NaN) et ne saute pas de plus de `saut`, affinées par dichotomie.
std::vector<Reel> Annulations(const std::function<Reel(Reel)>& f, const std::vector<Reel>& grille, Reel saut);

// k.p, racines gardées.
TPolynome MultipliePar(const TPolynome& p, Reel k);

// Phase de G(jω) en degrés, continue en ω (les facteurs pris un à un, le retard en −ωT).
Reel PhaseContinueDeg(const TFonctionG& g, Reel w);
Reel GainDb(const TFonctionG& g, Reel w);
// x ramené dans (−180, 180].
Reel RameneDeg(Reel x);

// Marges exactes de la boucle ouverte C.G ; rien quand le correcteur est refusé.
std::optional<TMarges> MargesCorrigees(const TCorrecteur& c, const TFonctionG& g);
bool BoucleStable(const TMarges& m);
// « Marge de phase : 45,02° à ω = 1,234 rad/s » ou son absence ; idem pour le gain.
std::string TexteMargePhase(const TMarges& m);
std::string TexteMargeGain(const TMarges& m);
// Dépassement de la réponse indicielle de C.G/(1 + C.G) en %, en texte, ou pourquoi il n'y en a pas.
std::string TexteDepassement(const TCorrecteur& c, const TFonctionG& g);
