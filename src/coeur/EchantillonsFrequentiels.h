#pragma once
// Décades et échantillons de la réponse en fréquence, communs aux diagrammes fréquentiels.
#include <optional>
#include <vector>

#include "EchellesFrequentielles.h"
#include "GainPhase.h"
#include "numerique/Arrondis.h"
#include "numerique/Systeme.h"

struct TDecades {
    Reel FreqMin = 0;  // Hz, puissances de dix
    Reel FreqMax = 0;
    Reel LogMin = 0;
    Reel LogMax = 0;
    int Nombre = 0;
};

// La décade entière au-dessus d'une fréquence maximum (elle-même si elle en est une) ;
// l'infini quand elle sort de la précision étendue.
Reel DecadeSuperieure(Reel f);

// Élargit [fmin, fmax] aux décades entières ; rien quand il ne reste pas au moins une décade
// représentable (fréquence nulle ou négative, non finie, fmin > fmax, ou fmin = fmax sur une
// décade exacte). Deux fréquences égales entre deux décades en donnent une.
std::optional<TDecades> ArrondiDecades(Reel fmin, Reel fmax);

void MemoriseDecades(TEchellesFrequentielles& echelles, const TDecades& d);

// Intervalles d'échantillonnage de Nyquist et Black : un nombre entier de points par décade,
// pris sur `points`, pour que chaque décade tombe sur un échantillon ; 0 si les décades sont
// plus nombreuses que les points.
int NbPointsDecades(int points, const TDecades& d);

// Échantillon i sur n intervalles répartis en logarithme de LogMin à LogMax.
TEchantillonFrequentiel EchantillonFrequentiel(const TSysteme& s, const TDecades& d, int i, int n);

// Un échantillon et tout ce que les diagrammes, la lecture, le tableau et l'export en tirent.
struct TEchantillonDiagramme {
    Reel X = 0;
    Reel Frequence = 0;
    TComplexe Reponse;
    Reel Gain = 0;  // dB, sauf pour la réponse seule
    Reel Phase = 0;  // degrés, dans la plage du document
    Reel GainFerme = 0;  // boucle fermée à retour unitaire, seulement si demandée
    Reel PhaseFermee = 0;
};

// Ce que l'échantillonnage calcule en plus de la réponse : Nyquist n'en a besoin que d'elle.
enum class TCalculEchantillon { Reponse, GainPhase, BoucleFermee };

class TPhasesAffichees;

// Échantillons i = premier … n sur n intervalles, rangés à partir de l'indice 0 ; les phases
// comme les diagrammes les montrent.
std::vector<TEchantillonDiagramme> Echantillonne(const TSysteme& s, const TPhasesAffichees& phases, const TDecades& d,
                                                 int premier, int n, TCalculEchantillon calcul);
