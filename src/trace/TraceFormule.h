#pragma once
// Morceaux communs des formules : termes d'un polynôme, facteurs de la forme factorisée,
// fraction à deux lignes avec exposants. L'écran et l'impression les placent chacun à leur façon.
#include <algorithm>
#include <functional>

#include "numerique/Polynomes.h"
#include "DessinPlace.h"

struct TMorceauFormule {
    QString Texte;
    bool Exposant = false;
};
using TLigneFormule = std::vector<TMorceauFormule>;

QString TexteNombre(Reel x, int chiffres);
QString TexteComplexe(TComplexe z, int chiffres);

// Devant p^i (i > 0), un coefficient qui vaut ±1 à 1e-4 près se réduit à son signe.
QString TexteCoefficient(Reel c, int degre, int chiffres);
// Forme développée, du plus haut degré au terme constant ; seules les parties réelles comptent.
TLigneFormule TermesDeveloppes(const TPolynome& p, int chiffres);
// Constante devant les facteurs : omise à `tolerance` près de 1, "-" près de -1 (degré >= 1).
QString TexteConstante(Reel c, int degre, Reel tolerance, int chiffres);
// Facteur d'une racine : " p" pour une racine nulle, sinon " (p" suivi de l'opposé de la racine et ")".
QString TexteFacteur(TComplexe racine, int chiffres);
// La constante, puis " p" ou " (p+a)" par racine distincte, multiplicité en exposant.
TLigneFormule FacteursFactorises(const TPolynome& p, const QString& constante, int chiffres);
// Exposant du retard : "-0.5p" pour T = 0.5, "-p" pour T = 1.
QString ExposantRetard(Reel tempsMort, int chiffres);

struct TPolicesFormule {
    int Taille = 9;
    int TailleExposant = 7;
    QFont Normale;
    QFont Exposant;
};
TPolicesFormule PolicesFormule(int taille, int tailleExposant, const QPaintDevice& support);

int LargeurLigne(const TLigneFormule& ligne, const TPolicesFormule& polices, const QPaintDevice& support);
// Écrit la ligne depuis `debut`, les exposants remontés de `montee` ; rend l'abscisse de la plume.
int PlaceLigne(TDessinPlace& dessin, const TLigneFormule& ligne, QPoint debut, int montee,
               const TPolicesFormule& polices, const QColor& couleur, const QPaintDevice& support);

struct TFraction {
    TLigneFormule Numerateur;
    TLigneFormule Denominateur;
    TPolicesFormule Polices;
    int LargeurNumerateur = 0;
    int LargeurDenominateur = 0;
    int Largeur() const { return std::max(LargeurNumerateur, LargeurDenominateur); }
};

// Mesure la fraction et réduit ses deux tailles d'un point à la fois tant que `tropLarge`
// dit oui pour sa largeur et que l'exposant reste au-dessus de `exposantMin`.
TFraction AjusteFraction(TLigneFormule numerateur, TLigneFormule denominateur, int taille,
                         int tailleExposant, int exposantMin, const std::function<bool(int)>& tropLarge,
                         const QPaintDevice& support);

// Numérateur et dénominateur centrés sur la largeur de la fraction, à partir de x0.
void PlaceFraction(TDessinPlace& dessin, const TFraction& f, int x0, int yNumerateur, int yDenominateur,
                   int montee, const QColor& couleur, const QPaintDevice& support);
