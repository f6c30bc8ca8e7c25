#include "TraceEtudeImprimee.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "CouleurQt.h"
#include "FormulesImprimees.h"
#include "TraceFormule.h"
#include "coeur/FermetureBoucle.h"

namespace {

struct TPageEtude {
    const TDocument& Doc;
    const QPaintDevice& Support;
    int Resolution;
    TDessinPlace& Dessin;
    QColor Texte;
    QColor Trait;

    int Mm(Reel mm) const { return int(std::nearbyint(mm * Resolution / 25.4L)); }
    int Pouces(Reel pouces) const { return int(std::nearbyint(pouces * Resolution)); }
    void Ecrit(const QString& texte, QPoint position, int taille, const QColor& couleur, bool italique = false)
    {
        PlaceTexte(Dessin, texte, position, PoliceArial(taille, Support, italique), taille, couleur, Support);
    }
};

// Une racine par occurrence ; en noir et blanc, un pôle instable se distingue par l'italique.
// Rend l'ordonnée de la dernière rangée écrite.
int Colonne(TPageEtude& e, const TPolynome& p, int x, int premiere, bool poles)
{
    const int hauteurRangee = e.Pouces(0.275L);
    if (p.Degre < 1) {
        e.Ecrit(QStringLiteral("aucun"), QPoint(x, premiere), 9, e.Texte);
        return premiere;
    }
    const bool couleur = e.Doc.ImpressionCouleur;
    const int degre = std::min(p.Degre, DegreMax);
    for (int k = 1; k <= degre; ++k) {
        const TComplexe z = p.Racines[k];
        const bool instable = poles && z.Re > 0;
        e.Ecrit(TexteComplexe(z, e.Doc.ChiffresSignificatifs), QPoint(x, premiere + (k - 1) * hauteurRangee), 9,
                instable && couleur ? CouleurQt(255) : e.Texte, instable && !couleur);
    }
    return premiere + (degre - 1) * hauteurRangee;
}

void EnTete(TPageEtude& e, const QString& texte, int gauche, int droite, int y)
{
    const int largeur = LargeurTexte(texte, PoliceArial(11, e.Support, true), e.Support);
    e.Ecrit(texte, QPoint(gauche + (droite - gauche - largeur) / 2, y), 11, e.Texte, true);
}

// Rend le bas du tableau.
int Tableau(TPageEtude& e, int haut, int marge)
{
    const int gauche = marge - e.Mm(2);
    const int separateur = gauche + e.Mm(50);
    const int droite = separateur + e.Mm(50);
    EnTete(e, QStringLiteral("Zéros"), gauche, separateur, haut + e.Mm(2));
    EnTete(e, QStringLiteral("Pôles"), separateur, droite, haut + e.Mm(2));
    // 151 pixels d'une imprimante à 300 points par pouce : à toute résolution, la première
    // rangée reste sous le trait des en-têtes.
    const int premiere = haut + e.Mm(2) + int(std::nearbyint(151 * Reel(e.Resolution) / 300));
    const int derniere = std::max(Colonne(e, e.Doc.Systeme.Numerateur, marge, premiere, false),
                                  Colonne(e, e.Doc.Systeme.Denominateur, marge + e.Mm(50), premiere, true));
    const int bas = derniere + e.Mm(6);
    e.Dessin.Cadres.push_back({QPoint(gauche, haut), QPoint(droite + 1, bas + 1), e.Trait});
    e.Dessin.Traits.push_back({QLine(gauche, haut + e.Mm(10), droite + 1, haut + e.Mm(10)), e.Trait});
    e.Dessin.Traits.push_back({QLine(separateur, haut, separateur, bas + 1), e.Trait});
    return bas;
}

// Ce que l'étude montre à l'écran autour des formules : la boucle fermée étudiée, au-dessus
// de la première formule, et la ligne des marges sous le verdict quand elle est affichée.
void LegendeEtMarges(TPageEtude& e, const QRect& page, int marge, int verdict)
{
    const TDocument& doc = e.Doc;
    if (const QString boucle = TexteBoucleFermee(doc); !boucle.isEmpty())
        e.Ecrit(boucle, QPoint(marge, page.top() + e.Mm(5)), 9, e.Texte, true);
    if (const QString ligne = LigneMargesAffichee(doc); !ligne.isEmpty())
        e.Ecrit(ligne, QPoint(marge, verdict + e.Pouces(9 * 1.6L / 72)), 9, e.Texte);
}

}  // namespace

TDessinPlace PlaceEtudeImprimee(const TDocument& doc, const QRect& page, int resolution, const QPaintDevice& support)
{
    TDessinPlace dessin;
    const bool couleur = doc.ImpressionCouleur;
    const TGabaritFormule formule = GabaritFormuleImprimee(doc, page, 9, 7, couleur, support);
    TPageEtude e{doc, support, resolution, dessin, formule.Texte, formule.Trait};
    const int marge = page.left() + e.Mm(12);
    const int ecart = e.Mm(10) + e.Mm(2) + e.Pouces(0.125L);
    const TBlocPlace developpee = PlaceFormeDeveloppee(dessin, doc, QPoint(marge, page.top() + e.Mm(17)), formule,
                                                       support);
    const TBlocPlace factorisee =
        PlaceFormeFactorisee(dessin, doc, QPoint(marge, developpee.BasGauche.y() + ecart),
                             GabaritFactoriseeImprimee(doc, page, 9, 7, couleur, support), support);
    const TBlocPlace elements =
        PlaceElementsSimples(dessin, doc, QPoint(marge, factorisee.BasGauche.y() + ecart),
                             GabaritElementsImprimes(doc, page, 9, 7, couleur, support), support);
    const int bas = Tableau(e, elements.BasGauche.y() + e.Mm(10), marge);
    e.Ecrit(VerdictEtude(doc), QPoint(marge, bas + e.Mm(10)), 9, e.Texte);
    LegendeEtMarges(e, page, marge, bas + e.Mm(10));
    return dessin;
}

void ImprimeEtude(QPainter& p, const QRect& page, int resolution, const TDocument& doc)
{
    PeintDessin(p, QRect(QPoint(0, 0), page.size()), PlaceEtudeImprimee(doc, page, resolution, *p.device()));
}
