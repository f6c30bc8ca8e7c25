#pragma once
// Page imprimée d'un diagramme ou d'une réponse temporelle : le dessin de l'écran dans un cadre
// de la taille choisie, le titre de l'utilisateur près du bas du cadre, et sous le cadre
// l'encadré de la formule. La même routine sert l'imprimante, le PDF et les images des tests.
#include <QRect>
#include <QString>

#include "TraceDiagramme.h"

class QPainter;

// Hauteur de l'encadré de la formule, prise sur la hauteur tapée dans le dialogue de taille.
inline constexpr Reel HauteurFormule = 35;

// Les quatre valeurs du dialogue de taille, en millimètres, et son titre.
struct TValeursImpression {
    Reel Largeur = 180;
    Reel Hauteur = 205;  // hauteur du dessin : celle du dialogue moins la formule
    Reel MargeGauche = 15;
    Reel MargeHaute = 15;
    QString Titre;
};

// Bords du cadre du dessin, en pixels de la page.
struct TCadrePage {
    int L = 0;
    int R = 0;
    int T = 0;
    int B = 0;
};

// « Val. par Defaut » du dialogue de taille, pour A4 : un Bode ou une réponse indicielle prend
// la page en hauteur, les autres dessins laissent place à un dessin plus carré.
TValeursImpression ValeursParDefaut(TTypeDiagramme diagramme, TTypeReponse reponse);

// 6 mm des deux marges vont à la zone non imprimable de l'imprimante.
TCadrePage CadrePage(const TValeursImpression& v, const QRect& page, int resolution);

QString TitreTravail(TTypeDiagramme type);
QString TitreTravail(TTypeReponse type);

// Rend le cadre de la page, rogné au dessin pour Nyquist ; couleurs selon `ImpressionCouleur`.
TCadrePage ImprimeDiagramme(QPainter& p, const QRect& page, int resolution, const TDocument& doc,
                            TDemandeDiagramme demande, const TValeursImpression& v);
TCadrePage ImprimeReponse(QPainter& p, const QRect& page, int resolution, const TDocument& doc, TDemandeReponse demande,
                          const TValeursImpression& v);
