#pragma once
// Diagramme de Nyquist : la réponse en fréquence dans le plan complexe, à échelles égales
// sur les deux axes, avec en option les fréquences des décades marquées sur la courbe.
#include <QRect>
#include <optional>

#include "MiseEnPage.h"
#include "Traceur.h"
#include "coeur/EchellesFrequentielles.h"

struct TDocument;
struct TMarges;

// Le tracé se place dans la cible moins sa bordure (TPlaceEchellesEgales). Décalages en pixels.
struct TMiseEnPageNyquist : TMiseEnPage {
    TPlaceEchellesEgales Place;
    Reel HautTitreUtilisateur = 0.955L;  // haut du titre, en part de la hauteur depuis le haut du tracé
    int Bordure = 20;                 // l'écran encadre le tout à 20 pixels du bord
    int PointsParDecade = 2000;       // divisés par le nombre de décades
    int EcartGraduationsDessous = 5;  // haut des graduations sous le cadre
    int EcartGraduationsGauche = 3;   // fin des graduations à gauche du cadre
    int RayonMarque = 2;
    TEtiquettesDecades Decades;       // « 10 » et exposant au-dessus du point d'étiquette
    // Haut de « Diagramme de Nyquist » depuis le haut de la cible ; sinon juste au-dessus du cadre.
    std::optional<int> HautTitreDiagramme;
    // La page rend son cadre rogné au tracé, pour l'encadrer avec son titre et sa formule.
    bool RogneCible = false;

    static TMiseEnPageNyquist Ecran();
    // Page imprimée : 7999 points par décade, plume 2, longueurs en pouces à la résolution de l'imprimante.
    static TMiseEnPageNyquist Page(int resolution, bool couleur);
};

// Le relevé du tracé, son cadre étant la cible (rognée sur la page) ; rien quand les échelles
// ne permettent aucun tracé : le fond seul est rempli.
std::optional<TTraceFrequentiel> TracerNyquist(QPainter& surface, const QRect& cible, const TDocument& doc,
                                               const TParamNyquist& param, const TMiseEnPageNyquist& mise,
                                               const TMarges* marges = nullptr);

// Axe que le tracé ne sait pas graduer dans une cible de cette taille : moins d'un pixel par
// unité, la courbe et ses graduations s'écraseraient sur une ligne.
enum class TAxeIntracable { Aucun, Reel, Imaginaire };
TAxeIntracable AxeNyquistIntracable(const QSize& cible, Reel reMin, Reel reMax, Reel imMin, Reel imMax);

// Bornes d'un axe de Nyquist : chacune passe au multiple du pas suivant vers l'extérieur,
// sauf si elle en est déjà un.
TBornes BornesNyquist(Reel min, Reel max, Reel pas);