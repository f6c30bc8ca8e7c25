#include "PageImprimee.h"

#include <QPainter>
#include <cmath>

#include "FormulesImprimees.h"
#include "Traceur.h"

namespace {

int Pouces(Reel pouces, int resolution)
{
    return int(std::nearbyint(pouces * resolution));
}

int Millimetres(Reel mm, int resolution)
{
    return int(std::nearbyint(mm * resolution / 25.4L));
}

QRect Cible(const TCadrePage& c)
{
    return QRect(c.L, c.T, c.R - c.L, c.B - c.T);
}

// Le dessin qui a rogné sa cible rend ses bords compris ; sinon le cadre reste.
TCadrePage CadreApres(const TCadrePage& c, const QRect& cible, const TResultatDiagramme& r)
{
    if (r.Cadre == cible)
        return c;
    return {c.L, r.Cadre.right(), c.T, r.Cadre.bottom()};
}

// Cadre, titre et encadré de la formule, autour du dessin déjà tracé.
void Entoure(QPainter& p, const QRect& page, int resolution, const TDocument& doc, const TCadrePage& c,
             const TValeursImpression& v, Reel hauteurTitre)
{
    TMiseEnPage mise;
    mise.PourLaPage(resolution, doc.ImpressionCouleur);
    p.save();
    TTraceur t(p, doc.SchemaCouleurs, mise);
    t.Cadre(QRect(QPoint(c.L, c.T), QPoint(c.R, c.B)), 3);
    if (!v.Titre.isEmpty())
        t.Ecrire(c.L + (c.R - c.L - t.Largeur(v.Titre, 11)) / 2, c.B - Pouces(hauteurTitre, resolution), v.Titre, 11,
                 "DTitre");
    const int haut = c.B + Pouces(0.393L, resolution);
    const int bas = haut + Pouces(0.983L, resolution);
    ImprimeFormule(p, page, doc, QPoint(c.L + Pouces(0.59L, resolution), haut + Pouces(0.5L, resolution)), 9, 7,
                   doc.ImpressionCouleur);
    t.Cadre(QRect(QPoint(c.L, haut), QPoint(c.R, bas)), 3, "EPCadre");
    p.restore();
}

}  // namespace

TCadrePage CadrePage(const TValeursImpression& v, const QRect& page, int resolution)
{
    TCadrePage c;
    c.L = page.left() + Millimetres(v.MargeGauche - 6, resolution);
    c.R = c.L + Millimetres(v.Largeur, resolution);
    c.T = page.top() + Millimetres(v.MargeHaute - 6, resolution);
    c.B = c.T + Millimetres(v.Hauteur, resolution);
    return c;
}

TValeursImpression ValeursParDefaut(TTypeDiagramme diagramme, TTypeReponse reponse)
{
    const bool haut = diagramme == TTypeDiagramme::Bode || reponse == TTypeReponse::Indicielle;
    TValeursImpression v;
    v.Largeur = 180;
    v.MargeGauche = 15;
    v.Hauteur = (haut ? 240 : 195) - HauteurFormule;
    v.MargeHaute = haut ? 15 : 25;
    return v;
}

QString TitreTravail(TTypeDiagramme type)
{
    switch (type) {
    case TTypeDiagramme::Nyquist:
        return QStringLiteral("DiagNyquist");
    case TTypeDiagramme::Black:
        return QStringLiteral("DiagBlack");
    case TTypeDiagramme::Evans:
        return QStringLiteral("LieuEvans");
    default:
        return QStringLiteral("DiagBode");
    }
}

QString TitreTravail(TTypeReponse type)
{
    if (type == TTypeReponse::Impulsionnelle)
        return QStringLiteral("Impression Réponse Impulsionnelle");
    return type == TTypeReponse::Rampe ? QStringLiteral("Impression Réponse Rampe")
                                       : QStringLiteral("Impression Réponse Indicielle");
}

TCadrePage ImprimeDiagramme(QPainter& p, const QRect& page, int resolution, const TDocument& doc,
                            TDemandeDiagramme demande, const TValeursImpression& v)
{
    const TCadrePage c = CadrePage(v, page, resolution);
    demande.Support = TSupport::Page;
    demande.Resolution = resolution;
    demande.Couleur = doc.ImpressionCouleur;
    // Les lieux de l'abaque et les branches gardés par la fenêtre sont ceux de l'écran.
    demande.LieuxAbaque = nullptr;
    demande.EvansPrecedent = nullptr;
    const QRect cible = Cible(c);
    const TCadrePage fin = CadreApres(c, cible, TracerDiagramme(p, cible, doc, demande));
    Entoure(p, page, resolution, doc, fin, v, demande.Type == TTypeDiagramme::Nyquist ? 0.217L : 0.22L);
    return fin;
}

TCadrePage ImprimeReponse(QPainter& p, const QRect& page, int resolution, const TDocument& doc, TDemandeReponse demande,
                          const TValeursImpression& v)
{
    const TCadrePage c = CadrePage(v, page, resolution);
    demande.Support = TSupport::Page;
    demande.Resolution = resolution;
    demande.Couleur = doc.ImpressionCouleur;
    TracerReponse(p, Cible(c), doc, demande);
    Entoure(p, page, resolution, doc, c, v, 0.22L);
    return c;
}
