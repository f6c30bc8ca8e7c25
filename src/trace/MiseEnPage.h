#pragma once
// Ce que partagent les mises en page de tous les dessins : l'écran, la page imprimée et
// l'image de kovra-calcul appellent la même routine avec un enregistrement différent.
#include <cmath>
#include <limits>

#include "coeur/EchellesFrequentielles.h"
#include "numerique/Complexes.h"

// Résolution de l'écran, en pixels par pouce : celle des images, dont les tailles en points
// suivent le support, et celle où les motifs des crayons de Qt ont leur longueur.
inline constexpr int ResolutionEcran = 96;

// Une coordonnée de texte : décalage depuis un bord du cadre du tracé, ou depuis le bord de
// la cible (l'écran place par rapport au cadre ce que la page place dans sa marge).
struct TAncre {
    bool DepuisCible = false;
    int Decalage = 0;

    int Place(int bordCadre, int bordCible) const { return (DepuisCible ? bordCible : bordCadre) + Decalage; }
};

struct TMiseEnPage {
    // Tracé en fractions du rectangle cible.
    Reel Gauche = 0.05L;
    Reel Droite = 0.95L;
    Reel Haut = 0.05L;
    Reel Bas = 0.95L;
    int NbPoints = 2000;              // intervalles d'échantillonnage
    int EpaisseurCourbe = 1;
    int EpaisseurAxe = 2;
    int EpaisseurCadre = 2;           // bords bas et droit ; haut et gauche en 1
    Reel TailleGraduations = 8;       // tailles de police en points
    Reel TailleNoms = 10;
    Reel TailleTitreDiagramme = 11;
    Reel TailleTitreUtilisateur = 13;
    bool Couleur = true;              // couleurs du schéma, sinon tout en noir
    bool RemplitFond = true;          // la page imprimée garde son blanc
    bool AvecTitreUtilisateur = true; // la page écrit le sien sous le dessin
    int Resolution = ResolutionEcran; // pixels par pouce du support, pour les longueurs en mm et en pouces
    // Nyquist et Black : au-delà, l'écran refuse le tracé dont il ne pourrait relire les points.
    int PointsMax = IndicePointMax;

    // Ce que toute page imprimée change à l'écran : sa résolution, la couleur choisie, ni fond
    // ni titre du dialogue (la page écrit le sien), autant de points qu'elle en veut.
    void PourLaPage(int resolution, bool couleur)
    {
        Resolution = resolution;
        Couleur = couleur;
        RemplitFond = false;
        AvecTitreUtilisateur = false;
        PointsMax = std::numeric_limits<int>::max();
    }

    int Pouces(Reel pouces) const { return int(std::nearbyint(pouces * Resolution)); }
    int Millimetres(Reel mm) const { return int(std::nearbyint(mm * Resolution / 25.4L)); }
};
