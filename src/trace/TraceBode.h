#pragma once
// Diagramme de Bode : gain et déphasage sur le même axe logarithmique des fréquences.
// Une seule routine sert l'écran et la page imprimée ; seule la mise en page change.
#include <QRect>
#include <optional>

#include "MiseEnPage.h"
#include "TraceAsymptotes.h"
#include "Traceur.h"
#include "coeur/EchellesFrequentielles.h"

struct TDocument;
struct TMarges;

// Gauche et Droite de la base bornent les deux cadres ; décalages en pixels.
struct TMiseEnPageBode : TMiseEnPage {
    Reel GainHaut = 0.05L;
    Reel GainBas = 0.45L;
    Reel PhaseHaut = 0.52L;
    Reel PhaseBas = 0.92L;
    int EcartGraduations = 2;         // fin des graduations à gauche du cadre
    TEtiquettesDecades Decades;
    int NomX = 50;                    // « Gain (dB) » et « Déphasage (degrés) » depuis le coin du cadre
    int NomY = -18;
    int TitreDiagramme = 20;          // haut de « Diagramme de Bode » au-dessus du cadre
    int TitreUtilisateur = 16;        // haut du titre sous le cadre des phases

    static TMiseEnPageBode Ecran() { return {}; }
    // Page imprimée : 8000 intervalles, plume 2, longueurs en pouces à la résolution de l'imprimante.
    static TMiseEnPageBode Page(int resolution, bool couleur);
};

// Le relevé du tracé ; rien quand les échelles ne permettent aucun tracé (fréquences non
// positives, moins d'une décade, étendue de gain nulle) : le fond seul est rempli.
// Marges : leurs marques par-dessus le dessin, rien sans elles. Asymptotes : demandées en donnant
// où ranger leur relevé, laissé vide quand les racines manquent.
std::optional<TTraceFrequentiel> TracerBode(QPainter& surface, const QRect& cible, const TDocument& doc,
                                            const TParamBode& param, const TMiseEnPageBode& mise,
                                            const TMarges* marges = nullptr,
                                            std::optional<TAsymptotesTracees>* asymptotes = nullptr);
