#pragma once
// Les grandeurs d'un point échantillonné, nommées une fois : ce que chaque diagramme range dans
// les champs Valeur1 à Valeur4, ce que la lecture montre, les colonnes du tableau et du tableur.
#include <QString>
#include <vector>

#include "Document.h"
#include "EchantillonsFrequentiels.h"

enum class TGrandeur { Frequence, Pulsation, Gain, Phase, PartieReelle, PartieImaginaire, GainFerme, PhaseFermee };

QString TitreTableau(TGrandeur g);
QString TitreTableur(TGrandeur g);
// Ce qui suit la valeur lue à la souris (" dB", " °"…).
QString UniteLecture(TGrandeur g);

// Dans l'ordre de Valeur1, Valeur2… Nyquist et Black y mettent d'abord l'abscisse, puis
// l'ordonnée de leur courbe.
const std::vector<TGrandeur>& GrandeursRangees(TTypeDiagramme type);
// Fréquence, pulsation, puis les grandeurs rangées ; Black ne lit la boucle fermée qu'avec
// l'abaque.
std::vector<TGrandeur> GrandeursLues(TTypeDiagramme type, bool abaqueVisible);
// Le tableau de Black met le gain avant la phase.
const std::vector<TGrandeur>& ColonnesTableau(TTypeDiagramme type);
const std::vector<TGrandeur>& ColonnesTableur(TTypeDiagramme type);

Reel ValeurDuPoint(const TPointFrequentiel& p, TTypeDiagramme type, TGrandeur g);

Reel ValeurEchantillon(const TEchantillonDiagramme& e, TGrandeur g);
// La fréquence et les champs Valeur1… d'un point, selon les grandeurs que le diagramme range.
void RangeEchantillon(TPointFrequentiel& p, TTypeDiagramme type, const TEchantillonDiagramme& e);
