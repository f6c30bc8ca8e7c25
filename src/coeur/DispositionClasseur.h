#pragma once
// Disposition des feuilles du classeur exporté : les cellules que l'export remplit sont celles que
// lisent les séries des graphiques des modèles (outils/genere-modeles.cpp). Lignes et colonnes
// comptées de 1 (colonne A = 1). Sans Qt : le générateur des modèles l'inclut aussi.
#include <algorithm>

// Feuilles du classeur des diagrammes, puis de celui des réponses temporelles.
inline constexpr int FeuilleBode = 1;
inline constexpr int FeuilleBlack = 2;
inline constexpr int FeuilleNyquist = 3;
inline constexpr int FeuilleEchelon = 1;
inline constexpr int FeuilleRampe = 2;

// Le titre de la feuille, les en-têtes des colonnes, puis les données.
inline constexpr int LigneTitre = 1;
inline constexpr int LigneEntetes = 2;
inline constexpr int PremiereLigne = 3;

// Échantillons d'un diagramme, un par ligne : la fréquence, puis gain et phase (Bode, Black) ou
// parties réelle et imaginaire (Nyquist).
inline constexpr int EchantillonsBode = 400;
inline constexpr int EchantillonsBlack = 100;
inline constexpr int EchantillonsNyquist = 400;
inline constexpr int ColonneFrequence = 1;
inline constexpr int ColonneGain = 2;
inline constexpr int ColonnePhase = 3;
inline constexpr int ColonnePartieReelle = 2;
inline constexpr int ColonnePartieImaginaire = 3;
// Bode et Black : au plus une ligne vide entre deux échantillons, là où la phase passe d'un bord
// de sa plage à l'autre.
constexpr int DerniereLigneEchantillons(int echantillons, bool lignesVides)
{
    return PremiereLigne + (lignesVides ? 2 * echantillons - 1 : echantillons) - 1;
}

// Abaque de Nichols, feuille Black : un lieu par paire de colonnes (phase, gain), les lieux de gain
// constant d'abord, puis ceux de phase constante. Le nom du lieu sur la ligne des premières
// données, ses points en dessous, puis, après une ligne vide, ceux de son miroir.
inline constexpr int PremiereColonneAbaque = 11;
inline constexpr int LieuxAbaqueMax = 60;
constexpr int ColonneLieu(int rang) { return PremiereColonneAbaque + 2 * rang; }  // rang de 0
inline constexpr int LigneNomLieu = PremiereLigne;
inline constexpr int PremiereLigneLieu = PremiereLigne + 1;
// Gain constant : de -0,001° à -10°, puis jusqu'à -179,999° ; le miroir remonte.
inline constexpr int PointsGainPremierTroncon = 20;
inline constexpr int PointsGainSecondTroncon = 78;
inline constexpr int PointsGain = PointsGainPremierTroncon + PointsGainSecondTroncon;
constexpr int LigneMiroirGain(int point) { return PremiereLigneLieu + 2 * PointsGain - point; }
// Phase constante : de +15 dB à -60,5 dB ; le miroir descend aussi.
inline constexpr int PointsPhase = 100;
constexpr int LigneMiroirPhase(int point) { return PremiereLigneLieu + PointsPhase + 1 + point; }
inline constexpr int DerniereLigneAbaque = std::max(LigneMiroirGain(0), LigneMiroirPhase(PointsPhase - 1));

// Réponse temporelle : le temps, l'entrée, la sortie, à IntervallesReponse + 1 instants.
inline constexpr int IntervallesReponse = 1000;
inline constexpr int ColonneTemps = 1;
inline constexpr int ColonneEntree = 2;
inline constexpr int ColonneSortie = 3;
inline constexpr int DerniereLigneReponse = PremiereLigne + IntervallesReponse;
