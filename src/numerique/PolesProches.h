#pragma once
// Pôles distincts mais proches : leurs éléments simples sont grands et de signes opposés, et la
// somme de leurs réponses perdrait tous ses chiffres. Leur part de la réponse indicielle est la
// différence divisée, sur les pôles de la grappe, de g(p).(e^(pt) - 1)/p, g = R / (D sans la
// grappe) : série de Taylor au centre et sommes symétriques homogènes complètes des écarts au
// centre. Un pôle multiple en est la limite : la précision ne dépend pas de l'écart.
#include <array>
#include <vector>

#include "Polynomes.h"

// Termes de la série en temps : (rayon.t)^k / k! < 1e-32 au-delà, pour rayon.t <= LimiteGrappe.
inline constexpr int TermesGrappe = 48;
inline constexpr Reel LimiteGrappe = 4;

struct TGrappePoles {
    TComplexe Centre;
    Reel Rayon = 0;  // plus grand écart d'un pôle au centre
    std::vector<int> Poles;  // rangs des pôles distincts de D
    // Poids[b] : la part de la grappe vaut la somme des Poids[b].phi_b(Rayon.t), phi_b coefficient
    // de Taylor d'ordre b de (e^(x.u) - 1)/x en x = Centre/Rayon. En temps rapporté au rayon, ni
    // les poids ni les puissances de t ne sortent de l'étendue, même pour une constante de temps
    // au-delà de 1e154.
    std::array<TComplexe, TermesGrappe> Poids{};
    // Limite de la part quand e^(pole.t) s'éteint, somme des A(i, l)/(-pole)^l de ses pôles, lue
    // sur la série : ses éléments simples, grands et de signes opposés, la perdraient. Connue
    // quand 0 est assez loin de la grappe pour que la série converge.
    TComplexe Constante;
    bool ConstanteConnue = false;
};

// Grappes emboîtées ou disjointes, les plus grandes d'abord.
struct TPolesProches {
    std::vector<TGrappePoles> Grappes;
};

// Grappes des pôles distincts de d (racines et multiplicités valides) : chacune reste petite
// devant la distance de son centre aux autres pôles, sans quoi la série convergerait mal. Une
// grappe serrée est aussi retenue à l'intérieur d'une plus large : après le temps où la large
// cesse de servir, la serrée sert encore.
TPolesProches TrouvePolesProches(const TPolynome& reste, const TPolynome& d);

// La série ne sert que tant que rayon.t reste sous LimiteGrappe : au-delà, les exponentielles
// des pôles se sont assez séparées pour que leurs éléments simples s'ajoutent sans perte.
bool SerieApplicable(const TGrappePoles& g, Reel t);
// Part de la grappe dans la réponse indicielle de R/D à l'instant t.
TComplexe PartDeLaGrappe(const TGrappePoles& g, Reel t);

// Part de la grappe sans sa constante : ce qui s'éteint avec e^(Centre.t).
TComplexe PartExponentielleDeLaGrappe(const TGrappePoles& g, Reel t);

// Ce qui sert à l'instant t. Les grappes dont la série s'applique couvrent leurs pôles, les plus
// grandes d'abord. Au-delà, un pôle n'apporte que sa part exponentielle, A(i, l).(F_l - 1/(-pole)^l),
// quand la plus grande grappe sans série qui le contient donne sa constante : la somme de ces
// constantes, grandes et de signes opposés, s'y lit sans perte.
enum RoleGrappe : char { Inutile, Serie, SerieSansConstante, ConstanteSeule };
enum EtatPole : char { PoleSeul, PoleCouvert, PoleExponentiel };
inline constexpr int GrappesMax = 32;
struct TPlanGrappes {
    std::array<RoleGrappe, GrappesMax> Roles{};
    std::array<EtatPole, DegreMax + 2> Etats{};  // par rang de pôle distinct
};
TPlanGrappes PlanDesGrappes(const TPolesProches& p, Reel t);
