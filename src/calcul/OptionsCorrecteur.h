#pragma once
// Options --correcteur "pi k=2 ti=0.5" et --reglage "mp=45" de kovra-calcul : lecture, paramètres
// exigés par le type, choix de l'assistant selon l'objectif.
#include <optional>
#include <set>
#include <string>

#include "numerique/Reglage.h"

struct TOptionCorrecteur {
    TCorrecteur Correcteur;
    std::string Type;              // p, pi, pd, pid, avance ou retard
    std::set<std::string> Donnes;  // noms des paramètres donnés
};

// Faute en français, vide quand le texte est lu.
std::string LitOptionCorrecteur(const std::string& texte, TOptionCorrecteur& o);

// Sans réglage, chaque paramètre du type autre que k et n doit être donné ; le correcteur doit
// être acceptable.
std::string VerifieCorrecteurComplet(const TOptionCorrecteur& o);

// Règle le correcteur par l'assistant de l'objectif (mp=…, mg=…, kc, erreur=…). Rend le
// réglage, ou rien et la faute en français quand l'objectif ne va pas avec le type ou que
// l'assistant n'a rien pu remplir.
std::optional<TReglage> RegleCorrecteur(const std::string& objectif, const TFonctionG& g, TOptionCorrecteur& o,
                                        std::string& faute);
