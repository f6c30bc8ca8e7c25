#pragma once
// Branches du lieu des racines de D(p) + K.N(p) = 0, de K = 0 (les pôles) à l'infini (les zéros
// ou les asymptotes) : chaque racine suivie d'un gain au suivant, le pas de K réglé pour
// qu'aucune ne bouge de plus d'un centième de l'étendue du cadre.
#include <array>
#include <vector>

#include "PointsEvans.h"

struct TPointLieu {
    Reel K = 0;  // infini au bout des branches d'un lieu où m > n
    std::array<TComplexe, DegreEvansMax> Racines{};  // Racines[b] : branche b
};

struct TLieuEvans {
    int NbBranches = 0;
    std::vector<TPointLieu> Points;  // K croissants
};

inline constexpr int PointsLieuMax = 40000;
// Pas le plus long d'une racine visible, en fraction de l'étendue du cadre.
inline constexpr Reel PasLieuMax = 0.01L;

// Rien (aucune branche) quand le lieu n'est pas calculable (LieuCalculable).
TLieuEvans BranchesEvans(const TPolynome& n, const TPolynome& d, const TCadreLieu& cadre);
