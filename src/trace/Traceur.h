#pragma once
// La trousse de tracé commune à tous les diagrammes : couleurs du schéma ou noir, textes
// placés par leur coin, cadres à bords fins et épais, grilles graduées, étiquettes de
// décades et courbes découpées au cadre qui laissent un trou sur un échantillon non fini.
#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QLine>
#include <QPolygon>
#include <QString>
#include <QStringList>
#include <cmath>
#include <utility>
#include <vector>

#include "Graphisme.h"
#include "MiseEnPage.h"
#include "coeur/SchemaCouleurs.h"

// Un point du monde d'une courbe ; une coordonnée non finie coupe la courbe.
struct TPointCourbe {
    Reel X = 0;
    Reel Y = 0;
};

// Étiquettes « 10 » et exposant : sous un cadre à abscisse logarithmique, ou près d'un
// point de courbe (décalages négatifs : au-dessus).
struct TEtiquettesDecades {
    QString Reference = QStringLiteral("10");  // sa demi-largeur centre le « 10 »
    int Decalage10 = 5;                         // haut du « 10 » sous le point
    int DecalageExposant = 1;                   // haut de l'exposant sous le point
    Reel Taille10 = 9;
    Reel TailleExposant = 7;
};

// Cadre tracé en fractions de la cible : chaque bord arrondi au pixel le plus proche.
TRepere RepereDansCible(const QRect& cible, Reel gauche, Reel droite, Reel haut, Reel bas);

// Place d'un cadre à échelles égales (Nyquist) dans une zone : la marge gauche garde
// largeur / DiviseurGauche pixels aux graduations, la marge haute hauteur / DiviseurHaut au
// nom du dessin (divisions entières) ; le tracé prend au plus les PartVingtiemes / 20 de la
// largeur et de la hauteur, le reste allant aux graduations du bas et au bord droit.
struct TPlaceEchellesEgales {
    int PartVingtiemes = 17;
    int DiviseurGauche = 10;
    int DiviseurHaut = 20;
};

// Même nombre entier de pixels par unité sur les deux axes, le plus petit des deux : le côté
// droit ou le bas s'en déduit. Rien pour une zone vide ; un cadre plat quand une étendue
// dépasse un pixel par unité.
std::optional<TRepere> RepereEchellesEgales(const QRect& zone, const TPlaceEchellesEgales& place, TBornes x,
                                            TBornes y);

// Gris des lignes secondaires de la grille sur une page en noir.
inline const QColor GrisGrille{150, 150, 150};

class TTraceur {
public:
    TTraceur(QPainter& surface, const TSchemaCouleurs& schema, const TMiseEnPage& mise);

    QPainter& Surface() const { return P; }
    const TMiseEnPage& Mise() const { return M; }

    // Couleur du schéma, ou noir pour une page en noir et blanc.
    QColor Couleur(const char* cle) const;
    // Tirets et points à leur longueur de l'écran, quelle que soit la résolution.
    void Crayon(const char* cle, int epaisseur = 1, Qt::PenStyle style = Qt::SolidLine);
    // Crayon des lignes de grille : pointillées en gris sur une page en noir.
    void CrayonGrille(Qt::PenStyle style);
    void Pinceau(const char* cle);
    void RemplitFond(const QRect& cible);
    // Fond sous les textes posés sur le dessin : couleur de la fenêtre, blanc sur la page.
    QColor Fond() const;

    // La règle de toutes les polices : des points, convertis à la résolution du support.
    QFont Police(Reel taille) const;
    // La même règle pour une autre famille, en gras ou non.
    QFont Police(Reel taille, const QString& famille, bool gras) const;
    QFontMetrics Mesure(Reel taille) const;
    int Largeur(const QString& texte, Reel taille) const;
    // Texte placé par son coin haut gauche, dans la couleur de la clé ; rend sa largeur.
    int Ecrire(int x, int y, const QString& texte, Reel taille, const char* cle);
    // Même chose dans une autre police (gras, Times…).
    int Ecrire(int x, int y, const QString& texte, const QFont& police, const char* cle);
    // Même texte, sa fin à droite en x.
    int EcrireAGauche(int x, int y, const QString& texte, Reel taille, const char* cle);
    // Même texte sur un rectangle du fond, qui masque grille et courbes dessous.
    int EcrireSurFond(int x, int y, const QString& texte, Reel taille, const char* cle);
    // Titre de l'utilisateur centré dans la cible, son haut en y ; rien sans titre ou quand la
    // mise en page n'en veut pas.
    void TitreUtilisateur(const QRect& cible, int y, const QString& titre, const char* cle, bool surFond = false);

    // Bords haut et gauche en 1, bas et droit en EpaisseurCadre.
    void Cadre(const TRepere& r);
    void Cadre(const QRect& r, int epaisseur, const char* cle = "DCadre");
    void Segment(const TRepere& r, Reel x1, Reel y1, Reel x2, Reel y2, TBornage bornage = TBornage::Borne);

    // Graduation écrite à gauche du cadre, sa fin à `ecart` pixels du bord, centrée en hauteur.
    void GraduationGauche(const TRepere& r, Reel y, const QString& texte, int ecart, Reel taille);
    // La même, accrochée au point (x, y) et non au bord gauche du cadre.
    void GraduationGauche(const TRepere& r, Reel x, Reel y, const QString& texte, int ecart, Reel taille);
    // Graduation centrée sous le point (x, YMin), son haut à `decalage` pixels sous le bord.
    void GraduationDessous(const TRepere& r, Reel x, const QString& texte, int decalage, Reel taille);
    // Lignes horizontales aux valeurs données, chacune avec son texte (vide : pas d'étiquette).
    void LignesHorizontales(const TRepere& r, const std::vector<Reel>& valeurs, const std::vector<QString>& textes,
                            int ecart, Qt::PenStyle style = Qt::SolidLine);
    // Lignes tirées depuis l'abscisse `depuis` jusqu'au bord droit, étiquetées à cette abscisse.
    void LignesHorizontales(const TRepere& r, Reel depuis, const std::vector<Reel>& valeurs,
                            const std::vector<QString>& textes, int ecart, Qt::PenStyle style, TBornage bornage);
    // Lignes verticales sur toute la hauteur, étiquetées sous le cadre (haut à `decalage` pixels).
    void LignesVerticales(const TRepere& r, const std::vector<Reel>& valeurs, const std::vector<QString>& textes,
                          int decalage, Qt::PenStyle style = Qt::SolidLine,
                          TBornage bornage = TBornage::Borne);
    // Décades pleines, multiples pointillés, étiquettes « 10 » + exposant sous le cadre.
    void GrilleFrequences(const TRepere& r, int nbDecades, const TEtiquettesDecades& etiquettes);
    void EtiquetteDecade(const TRepere& r, Reel x, int demiLargeur, const TEtiquettesDecades& etiquettes);
    // « 10 » centré en x par la demi-largeur de la référence, l'exposant à sa suite ; sur le
    // fond quand il est posé sur la courbe.
    void PuissanceDix(int x, int y, int exposant, const TEtiquettesDecades& etiquettes, bool surFond);
    // La même sur le fond, posée près d'une courbe : omise quand elle chevaucherait un texte
    // déjà écrit (graduation, nom, autre étiquette), là où la courbe ralentit.
    void PuissanceDixSiLibre(int x, int y, int exposant, const TEtiquettesDecades& etiquettes);
    // Disque d'une fréquence marquée sur la courbe.
    void Marque(int x, int y, int rayon);
    // Lignes sur le fond, l'une sous l'autre, dans le premier coin du cadre (haut droit, haut
    // gauche, bas droit, bas gauche) où elles ne couvrent aucun point de la courbe.
    void EcrireDansCoinLibre(const TRepere& r, const QStringList& lignes, Reel taille, const char* cle,
                             const std::vector<TPointCourbe>& courbe);
    // Texte à `ecart` pixels d'un point, du premier côté (bas droit, haut droit, bas gauche,
    // haut gauche) où il ne couvre aucun point de la courbe.
    void EcrireAuPres(const TRepere& r, QPoint point, int ecart, const QString& texte, Reel taille, const char* cle,
                      const std::vector<TPointCourbe>& courbe);

    // Courbe découpée au cadre : deux points consécutifs sont reliés quand ils sont finis et
    // que `relie` l'accepte (saut de phase…) ; les segments qui se suivent font une polyligne.
    template <typename Relie>
    void Courbe(const TRepere& r, const std::vector<TPointCourbe>& points, Relie relie,
                TBornage bornage = TBornage::Borne);
    void Courbe(const TRepere& r, const std::vector<TPointCourbe>& points, TBornage bornage = TBornage::Borne)
    {
        Courbe(r, points, [](const TPointCourbe&, const TPointCourbe&) { return true; }, bornage);
    }

private:
    // Les lignes d'une grille partent ensemble, d'un même crayon.
    void AjouteLigne(std::vector<QLine>& lignes, const TRepere& r, Reel x1, Reel y1, Reel x2, Reel y2,
                     TBornage bornage = TBornage::Borne);
    void TraceLignes(std::vector<QLine>& lignes);
    void AjouteSegment(QPolygon& trace, const TSegmentPixel& s);
    void Termine(QPolygon& trace);
    int DecadesParEtiquette(const TRepere& r, int nbDecades, const TEtiquettesDecades& etiquettes) const;
    void FondSousTextes(bool opaque);
    void EcritPuissanceDix(int gauche, int y, int exposant, const TEtiquettesDecades& etiquettes, bool surFond);
    QRect BoitePuissanceDix(int gauche, int y, int exposant, const TEtiquettesDecades& etiquettes) const;

    QPainter& P;
    const TSchemaCouleurs& Schema;
    const TMiseEnPage& M;
    std::vector<QRect> Ecrits;  // boîtes des textes déjà écrits
    mutable std::vector<std::pair<Reel, QFont>> Polices;
};

template <typename Relie>
void TTraceur::Courbe(const TRepere& r, const std::vector<TPointCourbe>& points, Relie relie, TBornage bornage)
{
    QPolygon trace;
    trace.reserve(int(points.size()));
    for (std::size_t i = 1; i < points.size(); ++i) {
        const TPointCourbe& a = points[i - 1];
        const TPointCourbe& b = points[i];
        if (!std::isfinite(a.X) || !std::isfinite(a.Y) || !std::isfinite(b.X) || !std::isfinite(b.Y) || !relie(a, b))
            continue;
        if (const std::optional<TSegmentPixel> s = DecoupeSegment(r, a.X, a.Y, b.X, b.Y, bornage))
            AjouteSegment(trace, *s);
    }
    Termine(trace);
}
