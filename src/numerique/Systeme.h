#pragma once
// La fonction de transfert étudiée et ce que l'analyse en tire, sans fenêtre.
#include "ElementsSimples.h"

struct TSysteme {
    TPolynome Numerateur = InitPolynome();
    TPolynome Denominateur = InitPolynome();
    TPolynome PartieEntiere = InitPolynome();
    TDecomposition Decomposition;
    Reel TempsMort = 0;
    bool SystemeStable = false;
    // Réponse à la rampe : réponse indicielle de N/(p.D).
    TPolynome DRampe = InitPolynome();
    TPolynome EntiereRampe = InitPolynome();
    TDecomposition DecompositionRampe;
    // N/(p.D) n'est décomposé que pour un système stable ; sinon la réponse à la rampe vaut y0.
    bool DecompositionRampeFaite = false;
    // D de degré DegreMax : D.p n'a pas de place dans un polynôme, la rampe est alors l'intégrale
    // de la réponse indicielle, tirée de la décomposition de N/D.
    bool RampeParIntegrale = false;
};

struct TEchellesAuto {
    Reel FreqBasseAuto = 0;
    Reel FreqHauteAuto = 0;
    Reel ReMinAuto = 0;
    Reel ReMaxAuto = 0;
    Reel ImMinAuto = 0;
    Reel ImMaxAuto = 0;
    Reel GainMinAuto = 0;
    Reel GainMaxAuto = 0;
    Reel TMaxAuto = 0;
    Reel YMinIndicielle = 0;
    Reel YMaxIndicielle = 0;
    Reel RampeMin = 0;
    Reel RampeMax = 0;
    Reel GainStat = 0;
};
