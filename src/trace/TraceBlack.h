#pragma once
// Diagramme de Black : gain en boucle ouverte selon la phase, la fréquence en paramètre, avec
// en option l'abaque de Nichols et les fréquences des décades marquées sur la courbe.
#include <QRect>
#include <optional>

#include "MiseEnPage.h"
#include "TraceAbaqueNichols.h"
#include "Traceur.h"
#include "coeur/EchellesFrequentielles.h"

struct TDocument;
struct TMarges;

// Décalages en pixels.
struct TMiseEnPageBlack : TMiseEnPage {
    int PointsParDecade = 2000;       // divisés par le nombre de décades
    int EcartGraduationsGauche = 2;   // fin des graduations de gain à gauche du cadre
    int EcartGraduationsDessous = 2;  // haut des graduations de phase sous le cadre
    int RayonMarque = 3;
    int LargeurTourLisible = 96;      // phase continue : en deçà, 360° n'ont ni abaque ni axe répétés
    TEtiquettesDecades Decades;       // « 10 » et exposant au-dessus du point d'étiquette
    TAncre HautTitreDiagramme{false, -20};  // depuis le haut du cadre ou de la cible
    TAncre GaucheNomGain{true, 8};          // « G (dB) » : depuis la gauche du cadre ou de la cible…
    TAncre HautNomGain{false, -25};         // … et depuis le haut de l'un ou de l'autre
    int DroiteNomPhase = 10;          // « Phase (°) » : fin avant le bord droit du cadre…
    int HautNomPhase = 5;             // … et haut sous son bord bas
    int TitreUtilisateur = 15;        // haut du titre sous le cadre
    TMiseEnPageAbaque Abaque;

    static TMiseEnPageBlack Ecran();
    // Page imprimée : 7999 points par décade, plume 2, longueurs en pouces à la résolution de l'imprimante.
    static TMiseEnPageBlack Page(int resolution, bool couleur);
};

// Le relevé du tracé ; rien quand les échelles ne permettent aucun tracé : le fond seul est
// rempli. L'abaque de Nichols suit le choix du document.
std::optional<TTraceFrequentiel> TracerBlack(QPainter& surface, const QRect& cible, const TDocument& doc,
                                             const TParamBlack& param, const TMiseEnPageBlack& mise,
                                             TLieuxAbaque* lieuxAbaque = nullptr, const TMarges* marges = nullptr);

// Gain où passe l'axe horizontal : 0 dB quand la plage le contient, sinon son bord le plus proche.
Reel GainReference(Reel gainMin, Reel gainMax);
