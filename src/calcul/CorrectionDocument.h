#pragma once
// --correcteur et --reglage appliqués au document de kovra-calcul : la fonction étudiée devient
// la boucle ouverte corrigée L = C.G.
#include <string>

#include "JsonCalcul.h"
#include "coeur/Document.h"

// Texte de --correcteur et de --reglage (vides s'ils ne sont pas donnés). N et D du document
// deviennent ceux de L ; `objets` reçoit « correcteur » et, réglé, « reglage ». Rend la faute en
// français, vide quand tout est fait ; le document n'est pas touché en cas de faute.
std::string CorrigeDocument(TDocument& doc, const std::string& correcteur, const std::string& reglage,
                            TJson& objets);
