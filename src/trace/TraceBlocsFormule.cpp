#include "TraceBlocsFormule.h"

#include "TraceFormule.h"

namespace {

constexpr int BarreEcran = 8;

TEcartsFraction EcartsDeLaTaille(int taille, const QPaintDevice& support)
{
    const int h = PixelsDePoints(taille, support);
    return {h, PixelsDePoints(1.2L * taille, support), h / 2, BarreEcran};
}

QRect CouvertureDepuis(const TDessinPlace& dessin, std::size_t debut)
{
    QRect r;
    for (std::size_t i = debut; i < dessin.Textes.size(); ++i)
        r |= dessin.Textes[i].Rectangle();
    return r;
}

QPoint Encadre(TDessinPlace& dessin, const TEtendueBloc& etendue, const TGabaritFormule& g,
               const QPaintDevice& support)
{
    if (!g.Cadre)
        return etendue.Textes.bottomLeft();
    const QRect cadre = g.Cadre(etendue, support);
    dessin.Cadres.push_back({cadre.topLeft(), cadre.bottomRight() + QPoint(1, 1), g.Trait});
    return cadre.bottomLeft();
}

// La fraction commence à x0 sur la ligne de `position` et rétrécit tant qu'elle dépasse la limite.
TBlocPlace PlaceFractionEncadree(TDessinPlace& dessin, std::size_t debut, TLigneFormule numerateur,
                                 TLigneFormule denominateur, QPoint position, int x0, const TGabaritFormule& g,
                                 const QPaintDevice& support)
{
    const TFraction f = AjusteFraction(
        std::move(numerateur), std::move(denominateur), g.Taille, g.TailleExposant, g.ExposantMin,
        [&](int w) { return x0 + w > g.LargeurLimite; }, support);
    const TEcartsFraction e = g.Ecarts(f.Polices.Taille, g.Taille, support);
    const int y = position.y();
    const int fin = x0 + f.Largeur();
    PlaceFraction(dessin, f, x0, y - e.Numerateur, y + e.Denominateur, e.Montee, g.Texte, support);
    dessin.Traits.push_back({QLine(x0, y + e.Barre, fin, y + e.Barre), g.Texte});
    const QPoint coin = Encadre(
        dessin, {position, y, fin, CouvertureDepuis(dessin, debut), g.Taille, y + e.Denominateur}, g, support);
    return {coin, f.Polices.Taille, f.Polices.TailleExposant};
}

struct TElementSimple {
    QString Numerateur;
    TLigneFormule Denominateur;
};

TElementSimple Element(const TDocument& doc, int pole, int puissance)
{
    const TPolynome& d = doc.Systeme.Denominateur;
    const int chiffres = doc.ChiffresSignificatifs;
    QString numerateur = TexteComplexe(doc.Systeme.Decomposition(pole, puissance), chiffres);
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
    const TPolynome& d = doc.Systeme.Denominateur;
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

TEcartsFraction EcartsEcran(int tailleRetenue, int, const QPaintDevice& support)
{
    return EcartsDeLaTaille(tailleRetenue, support);
}

TEcartsFraction EcartsEcranTailleDemandee(int, int tailleDemandee, const QPaintDevice& support)
{
    return EcartsDeLaTaille(tailleDemandee, support);
}

QRect CadreEcran(const TEtendueBloc& etendue, const QPaintDevice&)
{
    return QRect(QPoint(etendue.Position.x() - 10, etendue.Position.y() - 21),
                 QPoint(etendue.Fin + 10 - 1, etendue.DerniereLigne + 40 - 1));
}

TBlocPlace PlaceFormeDeveloppee(TDessinPlace& dessin, const TDocument& doc, QPoint position,
                                const TGabaritFormule& gabarit, const QPaintDevice& support)
{
    const std::size_t debut = dessin.Textes.size();
    const TPolicesFormule polices = PolicesFormule(gabarit.Taille, gabarit.TailleExposant, support);
    const int y = position.y();
    int x = PlaceTexte(dessin, QStringLiteral("Kovra = "), position, polices.Normale, gabarit.Taille,
                       gabarit.Texte, support);
    if (doc.Systeme.TempsMort > 0) {
        x = PlaceLigne(dessin,
                       {{QStringLiteral("e"), false},
                        {ExposantRetard(doc.Systeme.TempsMort, doc.ChiffresSignificatifs), true},
                        {QStringLiteral(" x "), false}},
                       QPoint(x, y), PixelsDePoints(gabarit.Taille, support) / 2, polices, gabarit.Texte, support);
    }
    const int chiffres = doc.ChiffresSignificatifs;
    return PlaceFractionEncadree(dessin, debut, TermesDeveloppes(doc.Systeme.Numerateur, chiffres),
                                 TermesDeveloppes(doc.Systeme.Denominateur, chiffres), position, x, gabarit, support);
}

TBlocPlace PlaceFormeFactorisee(TDessinPlace& dessin, const TDocument& doc, QPoint position,
                                const TGabaritFormule& gabarit, const QPaintDevice& support)
{
    const std::size_t debut = dessin.Textes.size();
    const int x0 = PlaceTexte(dessin, QStringLiteral("G(p) = "), position,
                              PoliceArial(gabarit.Taille, support), gabarit.Taille, gabarit.Texte, support);
    const TPolynome& n = doc.Systeme.Numerateur;
    const TPolynome& d = doc.Systeme.Denominateur;
    const int chiffres = doc.ChiffresSignificatifs;
    const QString constanteN = TexteConstante(n.Racines[0].Re, n.Degre, gabarit.ToleranceNumerateur, chiffres);
    const QString constanteD = TexteConstante(d.Racines[0].Re, d.Degre, 1e-4L, chiffres);
    return PlaceFractionEncadree(dessin, debut, FacteursFactorises(n, constanteN, chiffres),
                                 FacteursFactorises(d, constanteD, chiffres), position, x0, gabarit, support);
}

TBlocPlace PlaceElementsSimples(TDessinPlace& dessin, const TDocument& doc, QPoint position,
                                const TGabaritFormule& g, const QPaintDevice& support)
{
    const std::size_t debut = dessin.Textes.size();
    const TPolicesFormule polices = PolicesFormule(g.Taille, g.TailleExposant, support);
    const TEcartsFraction e = g.Ecarts(g.Taille, g.Taille, support);
    const QString plus = QStringLiteral(" + ");
    const int largeurPlus = LargeurTexte(plus, polices.Normale, support);
    int y = position.y();
    int x = PlaceTexte(dessin, QStringLiteral("G(p) = "), position, polices.Normale, g.Taille, g.Texte, support);
    const int xs = x;
    const bool partieEntiere = AvecPartieEntiere(doc.Systeme.PartieEntiere);
    if (partieEntiere)
        x = PlaceLigne(dessin, TermesDeveloppes(doc.Systeme.PartieEntiere, doc.ChiffresSignificatifs), QPoint(x, y),
                       e.Montee, polices, g.Texte, support);
    int fin = x;
    bool premier = !partieEntiere;
    for (const TElementSimple& el : Elements(doc)) {
        const int largeurNum = LargeurTexte(el.Numerateur, polices.Normale, support);
        const int largeurDen = LargeurLigne(el.Denominateur, polices, support);
        const int largeurFraction = std::max(largeurNum, largeurDen) + g.SurplusFraction;
        if (x + (premier ? 0 : largeurPlus) + largeurFraction > g.LargeurLimite) {
            y += g.Interligne;
            x = xs;
        }
        if (!premier)
            x = PlaceTexte(dessin, plus, QPoint(x, y), polices.Normale, g.Taille, g.Texte, support);
        premier = false;
        PlaceTexte(dessin, el.Numerateur, QPoint(x + (largeurFraction - largeurNum) / 2, y - e.Numerateur),
                   polices.Normale, g.Taille, g.Texte, support);
        PlaceLigne(dessin, el.Denominateur, QPoint(x + (largeurFraction - largeurDen) / 2, y + e.Denominateur),
                   e.Montee, polices, g.Texte, support);
        dessin.Traits.push_back({QLine(x, y + e.Barre, x + largeurFraction, y + e.Barre), g.Texte});
        x += largeurFraction;
        fin = std::max(fin, x);
    }
    const QPoint coin = Encadre(
        dessin, {position, y, fin, CouvertureDepuis(dessin, debut), g.Taille, y + e.Denominateur}, g, support);
    return {coin, g.Taille, g.TailleExposant};
}
