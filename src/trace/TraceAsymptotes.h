#pragma once
// Bode asymptotique par-dessus les courbes exactes : gain et phase en tirets dans les cadres du
// diagramme (abscisse log10 de la fréquence en hertz), chaque cassure marquée et nommée sur l'axe
// des fréquences, la convention de phase dite en légende. Rend ce qu'il a tracé.
#include <QPoint>
#include <vector>

#include "Graphisme.h"
#include "MiseEnPage.h"
#include "coeur/SchemaCouleurs.h"
#include "numerique/BodeAsymptotique.h"

class QPainter;

struct TOptionsAsymptotes {
    bool PhaseEnRampes = false;  // ±45°/décade sur une décade de part et d'autre, sinon des marches
    bool AvecRetard = false;     // la légende dit que la phase asymptotique l'exclut
    Reel DecalagePhase = 0;      // degrés (multiple de 360) pour suivre la plage affichée
    int HauteurTrait = 6;        // trait de cassure sous le cadre du gain
};

struct TAsymptotesDessinees {
    std::vector<QPoint> Gain;      // sommets de la ligne brisée du gain, en pixels
    std::vector<QPoint> Phase;     // sommets de celle de la phase
    std::vector<QPoint> Cassures;  // pied de chaque trait de cassure, sur le bord bas du cadre du gain
};

// Ce que le diagramme garde des asymptotes : les cassures (et leurs corrections de résonance,
// que lit le tableau des valeurs) et ce qui en est tracé.
struct TAsymptotesTracees {
    TBodeAsymptotique Bode;
    TAsymptotesDessinees Dessin;
};

TAsymptotesDessinees TracerAsymptotes(QPainter& surface, const TSchemaCouleurs& schema, const TMiseEnPage& mise,
                                      const TRepere& gain, const TRepere& phase, const TBodeAsymptotique& b,
                                      const TOptionsAsymptotes& options);
