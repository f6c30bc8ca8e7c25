#include "FormulesImprimees.h"

#include <QPaintDevice>
#include <QPainter>
#include <cmath>

#include "CouleurQt.h"

namespace {

int Ppp(const QPaintDevice& support)
{
    return support.logicalDpiY();
}

int Arrondi(Reel v)
{
    return int(std::nearbyint(v));
}

// 2 mm : l'écart du cadre aux textes et à la droite de la page.
int Marge(const QPaintDevice& support)
{
    return Arrondi(2 * Reel(Ppp(support)) / 25.4L);
}

int Barre(int taille, const QPaintDevice& support)
{
    return Arrondi(0.007L * taille * Ppp(support));
}

TEcartsFraction EcartsFormule(int tailleRetenue, int, const QPaintDevice& support)
{
    const int h = PixelsDePoints(tailleRetenue, support);
    return {h, PixelsDePoints(1.2L * tailleRetenue, support), h / 2, Barre(tailleRetenue, support)};
}

TEcartsFraction EcartsElements(int taille, int, const QPaintDevice& support)
{
    const int ecart = PixelsDePoints(taille * 13 / 12.0L, support);
    return {ecart, ecart, PixelsDePoints(taille * 5 / 12.0L, support), Barre(taille, support)};
}

// Du haut des textes au haut des derniers dénominateurs plus la hauteur de la taille demandée,
// à 2 mm de marge tout autour.
QRect CadreImprime(const TEtendueBloc& e, const QPaintDevice& support)
{
    const int marge = Marge(support);
    return QRect(QPoint(e.Position.x() - marge, e.Textes.top() - marge),
                 QPoint(e.Fin + marge, e.HautDenominateurs + PixelsDePoints(e.TailleDemandee, support) + marge));
}

QColor CouleurPapier(const TDocument& doc, const char* cle, bool couleur)
{
    return couleur ? CouleurQt(CouleurDe(doc.SchemaCouleurs, QString::fromLatin1(cle))) : QColor(Qt::black);
}

TGabaritFormule GabaritCommun(const TDocument& doc, const QRect& page, int taille, int tailleExposant, bool couleur,
                              const QPaintDevice& support)
{
    TGabaritFormule g;
    g.Taille = taille;
    g.TailleExposant = tailleExposant;
    g.LargeurLimite = page.left() + page.width() - Marge(support);
    g.Ecarts = EcartsFormule;
    g.Cadre = CadreImprime;
    g.Texte = CouleurPapier(doc, "EPFormule", couleur);
    g.Trait = CouleurPapier(doc, "EPCadre", couleur);
    return g;
}

}  // namespace

TGabaritFormule GabaritFormuleImprimee(const TDocument& doc, const QRect& page, int taille, int tailleExposant,
                                       bool couleur, const QPaintDevice& support)
{
    TGabaritFormule g = GabaritCommun(doc, page, taille, tailleExposant, couleur, support);
    // La fraction qui atteint la limite rétrécit déjà : la limite est un pixel plus tôt.
    g.LargeurLimite -= 1;
    g.ExposantMin = 2;
    return g;
}

TGabaritFormule GabaritFactoriseeImprimee(const TDocument& doc, const QRect& page, int taille, int tailleExposant,
                                          bool couleur, const QPaintDevice& support)
{
    TGabaritFormule g = GabaritCommun(doc, page, taille, tailleExposant, couleur, support);
    g.ExposantMin = 1;
    g.ToleranceNumerateur = 1e-4L;
    return g;
}

TGabaritFormule GabaritElementsImprimes(const TDocument& doc, const QRect& page, int taille, int tailleExposant,
                                        bool couleur, const QPaintDevice& support)
{
    TGabaritFormule g = GabaritCommun(doc, page, taille, tailleExposant, couleur, support);
    g.Ecarts = EcartsElements;
    g.Interligne = Arrondi(15 * Reel(Ppp(support)) / 25.4L);
    return g;
}

QPoint ImprimeFormule(QPainter& p, const QRect& page, const TDocument& doc, QPoint position, int taille,
                      int tailleExposant, bool couleur)
{
    const QPaintDevice& support = *p.device();
    TDessinPlace dessin;
    const TBlocPlace bloc = PlaceFormeDeveloppee(
        dessin, doc, position, GabaritFormuleImprimee(doc, page, taille, tailleExposant, couleur, support), support);
    PeintDessin(p, QRect(QPoint(0, 0), page.size()), dessin);
    return bloc.BasGauche;
}
