#pragma once
// Correcteur série C(p) devant G(p) = N/D.e^(-Tp), retour unitaire : ses six formes de cours,
// ses paramètres contrôlés, et la boucle ouverte corrigée L = C.G.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Polynomes.h"

enum class TTypeCorrecteur { P, PI, PD, PID, Avance, Retard };

// Les paramètres que le type n'emploie pas sont ignorés.
struct TCorrecteur {
    TTypeCorrecteur Type = TTypeCorrecteur::P;
    Reel K = 1;
    Reel Ti = 1;
    Reel Td = 1;
    Reel N = 10;  // filtre de l'action dérivée : Td/N
    Reel A = 2;   // avance de phase, a > 1
    Reel B = 2;   // retard de phase, b > 1
    Reel Tau = 1;
};

// Nom court du type, celui de kovra-calcul et du fichier de données : p, pi, pd, pid, avance, retard.
const char* NomTypeCorrecteur(TTypeCorrecteur t);
std::optional<TTypeCorrecteur> TypeCorrecteurDuNom(std::string_view nom);

// Un paramètre sous son nom d'option (k, ti, td, n, a, b, tau) et son champ.
struct TParametreCorrecteur {
    const char* Nom;
    Reel TCorrecteur::*Champ;
};
// Ceux que le type emploie, dans l'ordre de sa formule.
std::vector<TParametreCorrecteur> ParametresCorrecteur(TTypeCorrecteur t);

// Vide quand le correcteur est acceptable, sinon la raison en français.
std::string RefusCorrecteur(const TCorrecteur& c);

// Coefficients de C(p) = Nc/Dc par puissances croissantes, racines à calculer.
TPolynome NumerateurCorrecteur(const TCorrecteur& c);
TPolynome DenominateurCorrecteur(const TCorrecteur& c);

struct TBoucleCorrigee {
    TPolynome Numerateur = InitPolynome();
    TPolynome Denominateur = InitPolynome();
    Reel TempsMort = 0;
    std::string Refus;  // vide quand L existe
};

// L = Nc.N / (Dc.D), même retard ; racines calculées. Refus pour un correcteur invalide ou un
// produit qui dépasse le degré maximal.
TBoucleCorrigee BoucleOuverteCorrigee(const TCorrecteur& c, const TPolynome& n, const TPolynome& d, Reel T);
