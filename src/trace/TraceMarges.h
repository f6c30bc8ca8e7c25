#pragma once
// Marques des marges de stabilité sur les diagrammes fréquentiels, posées par-dessus le dessin.
#include <optional>
#include <vector>

#include "Traceur.h"
#include "numerique/Marges.h"

// Bode : chaque croisement en pointillé sur les deux cadres (gain en tirets, phase en
// tirets-points), « MG = … » et « MP = … » dans le coin du cadre des gains que la courbe laisse libre.
void MarquesMargesBode(TTraceur& t, const TRepere& gain, const TRepere& phase, const TMarges& m,
                       const std::vector<TPointCourbe>& courbeGain, int chiffres);
// Où une marge se lit : le point du diagramme qu'elle mesure et la référence à laquelle il
// se compare, reliés d'un trait.
struct TLectureMarge {
    TPointCourbe Point;
    TPointCourbe Reference;
};

struct TLecturesMarges {
    std::optional<TLectureMarge> Gain;
    std::optional<TLectureMarge> Phase;
};

// Nyquist : la marge de gain sur l'axe réel négatif, en -1/10^(MG/20), jusqu'à -1 ; la marge de
// phase sur le cercle unité, à MP - 180°, avec le rayon qui y mène.
TLecturesMarges LecturesNyquist(const TMarges& m);
// Black : la marge de gain à la phase montrée du croisement de phase, de -MG jusqu'à 0 dB ; la
// marge de phase sur 0 dB, de la phase montrée du croisement de gain jusqu'à -180° (au tour
// près). `phaseMontree` donne la phase que le diagramme montre à une pulsation.
template <typename PhaseMontree>
TLecturesMarges LecturesBlack(const TMarges& m, PhaseMontree phaseMontree)
{
    TLecturesMarges l;
    if (m.MargeGain) {
        const Reel phase = phaseMontree(m.PulsationMargeGain);
        l.Gain = TLectureMarge{{phase, -*m.MargeGain}, {phase, 0}};
    }
    if (m.MargePhase) {
        const Reel phase = phaseMontree(m.PulsationMargePhase);
        l.Phase = TLectureMarge{{phase, 0}, {phase - *m.MargePhase, 0}};
    }
    return l;
}

// Nyquist : le cercle unité en tirets et le point -1 marqué ; Black : le point (-180°, 0 dB).
// L'étiquette du point critique se met du côté que la courbe laisse libre. Puis chaque marge
// marquée là où elle se lit, et « MG = … », « MP = … » comme sur Bode.
void MarquesMargesNyquist(TTraceur& t, const TRepere& r, int rayon, const TMarges& m,
                          const std::vector<TPointCourbe>& courbe, int chiffres);
void MarquesMargesBlack(TTraceur& t, const TRepere& r, int rayon, const TMarges& m, const TLecturesMarges& lectures,
                        const std::vector<TPointCourbe>& courbe, int chiffres);
