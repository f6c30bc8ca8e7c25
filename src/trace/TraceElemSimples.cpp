#include "TraceElemSimples.h"

#include <QPainter>

#include "CouleurQt.h"
#include "TraceFormule.h"

namespace {

struct TElementSimple {
    QString Numerateur;
    TLigneFormule Denominateur;
};

TElementSimple Element(const TDocument& doc, int pole, int puissance)
{
    const TPolynome& d = doc.Denominateur;
    const int chiffres = doc.ChiffresSignificatifs;
    QString numerateur = TexteComplexe(doc.Decomposition(pole, puissance), chiffres);
    if (numerateur.startsWith(QLatin1Char('+')))
        numerateur.remove(0, 1);
    TLigneFormule denominateur{{TexteFacteur(d.Racines[RangRacine(d, pole)], chiffres), false}};
    if (puissance > 1)
        denominateur.push_back({QString::number(puissance), true});
    return {numerateur, denominateur};
}

// Pôles distincts dans l'ordre du dénominateur, puissances croissantes pour chacun.
std::vector<TElementSimple> Elements(const TDocument& doc)
{
    const TPolynome& d = doc.Denominateur;
    const int degre = std::clamp(d.Degre, 0, DegreMax);
    const int distincts = std::clamp(d.Multiplicites[0], 0, degre);
    std::vector<TElementSimple> elements;
    for (int r = 1; r <= distincts && RangRacine(d, r) <= degre; ++r)
        for (int m = 1; m <= std::min(d.Multiplicites[r], degre); ++m)
            elements.push_back(Element(doc, r, m));
    return elements;
}

bool AvecPartieEntiere(const TPolynome& e)
{
    return !EstPolynomeNul(e);
}

}  // namespace

TMiseEnPageElemSimples MiseEnPageEcranElemSimples(const TDocument& doc, int largeurClient)
{
    TMiseEnPageElemSimples m;
    m.Fond = CouleurQt(CouleurDe(doc.SchemaCouleurs, QStringLiteral("ESFond")));
    m.Titre = CouleurQt(CouleurDe(doc.SchemaCouleurs, QStringLiteral("ESTitre")));
    m.Formule = CouleurQt(CouleurDe(doc.SchemaCouleurs, QStringLiteral("ESFormule")));
    m.LargeurLimite = largeurClient;
    return m;
}

TDessinPlace PlaceElemSimples(const TDocument& doc, const TMiseEnPageElemSimples& m, const QPaintDevice& support)
{
    TDessinPlace dessin;
    dessin.AvecFond = m.AvecFondEtTitre;
    dessin.Fond = m.Fond;
    if (m.AvecFondEtTitre)
        PlaceTexte(dessin, QStringLiteral("Décomposition en éléments simples de G(p)"),
                   QPoint(m.Gauche, m.LigneTitre), PoliceArial(m.TailleTitre, support), m.TailleTitre, m.Titre,
                   support);
    const TPolicesFormule polices = PolicesFormule(m.Taille, m.TailleExposant, support);
    const QString plus = QStringLiteral(" + ");
    const int largeurPlus = LargeurTexte(plus, polices.Normale, support);
    int y = m.PremiereLigne;
    int x = PlaceTexte(dessin, QStringLiteral("G(p) = "), QPoint(m.Gauche, y), polices.Normale, m.Taille,
                       m.Formule, support);
    const int xs = x;
    const bool partieEntiere = AvecPartieEntiere(doc.PartieEntiere);
    if (partieEntiere)
        x = PlaceLigne(dessin, TermesDeveloppes(doc.PartieEntiere, doc.ChiffresSignificatifs), QPoint(x, y),
                       m.MonteeExposant, polices, m.Formule, support);
    bool premier = !partieEntiere;
    for (const TElementSimple& e : Elements(doc)) {
        const int largeurNum = LargeurTexte(e.Numerateur, polices.Normale, support);
        const int largeurDen = LargeurLigne(e.Denominateur, polices, support);
        const int largeurFraction = std::max(largeurNum, largeurDen) + m.SurplusFraction;
        if (x + (premier ? 0 : largeurPlus) + largeurFraction > m.LargeurLimite) {
            y += m.Interligne;
            x = xs;
        }
        if (!premier)
            x = PlaceTexte(dessin, plus, QPoint(x, y), polices.Normale, m.Taille, m.Formule, support);
        premier = false;
        PlaceTexte(dessin, e.Numerateur, QPoint(x + (largeurFraction - largeurNum) / 2, y - m.EcartNumerateur),
                   polices.Normale, m.Taille, m.Formule, support);
        PlaceLigne(dessin, e.Denominateur,
                   QPoint(x + (largeurFraction - largeurDen) / 2, y + m.EcartDenominateur), m.MonteeExposant,
                   polices, m.Formule, support);
        dessin.Traits.push_back({QLine(x, y + m.EcartBarre, x + largeurFraction, y + m.EcartBarre), m.Formule});
        x += largeurFraction;
    }
    return dessin;
}

void DessineElemSimples(QPainter& p, const QRect& zoneClient, const TDocument& doc)
{
    const TMiseEnPageElemSimples m = MiseEnPageEcranElemSimples(doc, zoneClient.width());
    PeintDessin(p, zoneClient, PlaceElemSimples(doc, m, *p.device()));
}
