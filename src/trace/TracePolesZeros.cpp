#include "TracePolesZeros.h"
#include "coeur/TextesValeurs.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "Traceur.h"
#include "coeur/Document.h"

namespace {

constexpr Reel MargeCadre = 0.2L;

// Toutes les racines et l'origine, une marge autour, au moins ±1 : un gain pur garde un plan.
TCadreLieu CadreAutomatique(const TDocument& doc)
{
    TCadreLieu c{-1, 1, -1, 1};
    for (const TPolynome* p : {&doc.Systeme.Numerateur, &doc.Systeme.Denominateur})
        for (int i = 1; i <= p->Degre; ++i) {
            const TComplexe z = p->Racines[i];
            if (!EstFini(z))
                continue;
            c.XMin = std::min(c.XMin, z.Re);
            c.XMax = std::max(c.XMax, z.Re);
            c.YMin = std::min(c.YMin, z.Im);
            c.YMax = std::max(c.YMax, z.Im);
        }
    const Reel marge = MargeCadre * std::max(c.XMax - c.XMin, c.YMax - c.YMin);
    return {c.XMin - marge, c.XMax + marge, c.YMin - marge, c.YMax + marge};
}

TRepere Repere(const QRect& cible, const TDocument& doc, const TMiseEnPagePolesZeros& mise)
{
    TRepere r = RepereDansCible(cible, mise.Gauche, mise.Droite, mise.Haut, mise.Bas);
    const TCadreLieu c = CadreAutomatique(doc);
    const TCadreLieu e = CadreEchellesEgales({c.XMin, c.XMax, c.YMin, c.YMax, {}}, r.PixDroite - r.PixGauche,
                                             r.PixBas - r.PixHaut);
    r.XMin = e.XMin;
    r.XMax = e.XMax;
    r.YMin = e.YMin;
    r.YMax = e.YMax;
    return r;
}

std::vector<TRacineDessinee> RacinesDistinctes(const TPolynome& p, bool pole, const TRepere& r)
{
    std::vector<TRacineDessinee> racines;
    if (!p.RacinesValides)
        return racines;
    for (int i = 1, rang = 1; i <= p.Multiplicites[0]; rang += p.Multiplicites[i++]) {
        TRacineDessinee d;
        d.Valeur = p.Racines[rang];
        d.Multiplicite = p.Multiplicites[i];
        d.Pole = pole;
        const std::optional<TPixel> x = HorsCadre(r, d.Valeur.Re, d.Valeur.Im) ? std::nullopt
                                                                                : VersPixel(r, d.Valeur.Re, d.Valeur.Im);
        d.Visible = x.has_value();
        if (x)
            d.Pixel = QPoint(x->X, x->Y);
        racines.push_back(d);
    }
    return racines;
}

QString Texte(Reel x, int chiffres) { return QString::fromStdString(NombreEnTexte(x, chiffres)); }

void GrilleGraduee(TTraceur& t, const TRepere& r, const TMiseEnPagePolesZeros& mise)
{
    const std::optional<Reel> pas = PasGraduation(std::max(r.XMax - r.XMin, r.YMax - r.YMin), false);
    if (!pas)
        return;
    const auto textes = [&](const std::vector<Reel>& valeurs) {
        std::vector<QString> v;
        const int chiffres = ChiffresGraduation(valeurs, *pas);
        for (const Reel x : valeurs)
            v.push_back(Texte(x, chiffres));
        return v;
    };
    const std::vector<Reel> xs = Graduations(r.XMin, r.XMax, *pas);
    const std::vector<Reel> ys = Graduations(r.YMin, r.YMax, *pas);
    t.LignesVerticales(r, xs, textes(xs), mise.EcartGraduationsDessous, Qt::DotLine);
    t.LignesHorizontales(r, ys, textes(ys), mise.EcartGraduationsGauche, Qt::DotLine);
}

QString TexteAmortissement(int dixiemes)
{
    return QStringLiteral("ζ = 0") + QChar(SeparateurDecimal()) + QString::number(dixiemes);
}

// Droites d'amortissement constant 0,1 … 0,9 issues de l'origine, demi-cercles de pulsation
// propre constante à chaque pas de graduation, à gauche de l'axe ; les textes après les traits,
// qui changent de crayon.
void GrilleAmortissement(TTraceur& t, const TRepere& r, const TMiseEnPagePolesZeros& mise)
{
    const Reel loin = std::hypot(std::max(std::fabs(r.XMin), std::fabs(r.XMax)), std::max(std::fabs(r.YMin), std::fabs(r.YMax)));
    t.CrayonGrille(Qt::DashLine);
    for (int k = 1; k <= 9; ++k) {
        const Reel zeta = k / Reel(10);
        const Reel s = std::sqrt(1 - zeta * zeta);
        t.Segment(r, 0, 0, -zeta * 2 * loin, s * 2 * loin);
        t.Segment(r, 0, 0, -zeta * 2 * loin, -s * 2 * loin);
    }
    const std::optional<Reel> pas = PasGraduation(std::max(r.XMax - r.XMin, r.YMax - r.YMin), false);
    if (pas && loin / *pas < 200)
        for (Reel wn = *pas; wn <= loin; wn += *pas)
            for (int k = 0; k < mise.PointsCercle; ++k) {
                const Reel a = Pi / 2 + Pi * k / mise.PointsCercle;
                const Reel b = Pi / 2 + Pi * (k + 1) / mise.PointsCercle;
                t.Segment(r, wn * std::cos(a), wn * std::sin(a), wn * std::cos(b), wn * std::sin(b));
            }
    // Les textes sur le côté le plus haut, à 80 % du plus court des bords à gauche et en hauteur.
    const Reel haut = std::max(std::fabs(r.YMin), std::fabs(r.YMax));
    const Reel rayon = 0.8L * std::min(std::max<Reel>(-r.XMin, 0), haut);
    const Reel signe = r.YMax >= -r.YMin ? 1 : -1;
    for (int k = 1; rayon > 0 && k <= 9; k += 2) {
        const Reel zeta = k / Reel(10);
        const Reel x = -zeta * rayon;
        const Reel y = signe * std::sqrt(1 - zeta * zeta) * rayon;
        if (!HorsCadre(r, x, y))
            if (const std::optional<TPixel> p = VersPixel(r, x, y))
                t.EcrireSurFond(p->X + 2, p->Y, TexteAmortissement(k), t.Mise().TailleGraduations, "DNom");
    }
}

void Axes(TTraceur& t, const TRepere& r, const TMiseEnPagePolesZeros& mise)
{
    t.Crayon("DAxe", 1);
    t.Segment(r, r.XMin, 0, r.XMax, 0);
    t.Crayon("DAxe", mise.EpaisseurStabilite);
    t.Segment(r, 0, r.YMin, 0, r.YMax);
}

void Marques(TTraceur& t, const std::vector<TRacineDessinee>& racines, const TMiseEnPagePolesZeros& mise)
{
    QPainter& p = t.Surface();
    const int a = mise.DemiPole;
    t.Crayon("DNom", std::max(2, mise.EpaisseurCourbe + 1));
    p.setBrush(Qt::NoBrush);
    for (const TRacineDessinee& d : racines) {
        if (!d.Visible)
            continue;
        const QPoint c = d.Pixel;
        if (d.Pole) {
            p.drawLine(c.x() - a, c.y() - a, c.x() + a, c.y() + a);
            p.drawLine(c.x() - a, c.y() + a, c.x() + a, c.y() - a);
        } else {
            p.drawEllipse(c, a, a);
        }
    }
    for (const TRacineDessinee& d : racines)
        if (d.Visible && d.Multiplicite > 1) {
            const int bas = d.Pixel.y() - a - mise.EcartMultiplicite - t.Mesure(t.Mise().TailleNoms).height();
            t.Ecrire(d.Pixel.x() + a + mise.EcartMultiplicite, bas, QString::number(d.Multiplicite),
                     t.Mise().TailleNoms, "DNom");
        }
}

void Titres(TTraceur& t, const QRect& cible, const TRepere& r, const TParamPolesZeros& param,
            const TMiseEnPagePolesZeros& mise)
{
    const int haut = r.PixHaut - t.Mesure(mise.TailleTitreDiagramme).height() - mise.EcartTitre;
    t.EcrireAGauche(r.PixDroite, haut, QStringLiteral("Pôles et zéros"), mise.TailleTitreDiagramme, "DNom");
    if (param.Grille)
        t.Ecrire(r.PixGauche, r.PixHaut - t.Mesure(mise.TailleNoms).height() - mise.EcartTitre,
                 QStringLiteral("Grille : amortissement ζ et pulsation propre ωn constants"), mise.TailleNoms, "DNom");
    const int sousGraduations = r.PixBas + mise.EcartGraduationsDessous + 2 * t.Mesure(mise.TailleGraduations).height();
    t.TitreUtilisateur(cible, sousGraduations, param.Titre, "DTitre");
}

}  // namespace

TMiseEnPagePolesZeros TMiseEnPagePolesZeros::Ecran()
{
    TMiseEnPagePolesZeros m;
    static_cast<TMiseEnPageEvans&>(m) = TMiseEnPageEvans::Ecran();
    m.DemiPole = 5;
    return m;
}

TMiseEnPagePolesZeros TMiseEnPagePolesZeros::Page(int resolution, bool couleur)
{
    TMiseEnPagePolesZeros m;
    static_cast<TMiseEnPageEvans&>(m) = TMiseEnPageEvans::Page(resolution, couleur);
    m.DemiPole = m.Pouces(0.05L);
    m.EcartMultiplicite = m.Pouces(0.02L);
    return m;
}

TDessinPolesZeros TracerPolesZeros(QPainter& surface, const QRect& cible, const TDocument& doc,
                                   const TParamPolesZeros& param, const TMiseEnPagePolesZeros& mise)
{
    TDessinPolesZeros dessin;
    surface.save();
    TTraceur t(surface, doc.SchemaCouleurs, mise);
    t.RemplitFond(cible);
    dessin.Repere = Repere(cible, doc, mise);
    const TRepere& r = dessin.Repere;
    dessin.Trace = r.PixDroite > r.PixGauche && r.PixBas > r.PixHaut && r.XMax > r.XMin && r.YMax > r.YMin
                   && std::isfinite(r.XMax - r.XMin) && std::isfinite(r.YMax - r.YMin);
    if (!dessin.Trace) {
        surface.restore();
        return dessin;
    }
    dessin.Racines = RacinesDistinctes(doc.Systeme.Denominateur, true, r);
    const std::vector<TRacineDessinee> zeros = RacinesDistinctes(doc.Systeme.Numerateur, false, r);
    dessin.Racines.insert(dessin.Racines.end(), zeros.begin(), zeros.end());
    GrilleGraduee(t, r, mise);
    if (param.Grille)
        GrilleAmortissement(t, r, mise);
    Axes(t, r, mise);
    Marques(t, dessin.Racines, mise);
    t.Cadre(r);
    Titres(t, cible, r, param, mise);
    surface.restore();
    return dessin;
}

void ImprimePolesZeros(QPainter& p, const QRect& page, int resolution, const TDocument& doc,
                       const TParamPolesZeros& param, const TValeursImpression& v)
{
    const TCadrePage c = CadrePage(v, page, resolution);
    const QRect cadre(QPoint(c.L, c.T), QPoint(c.R, c.B));
    TMiseEnPagePolesZeros mise = TMiseEnPagePolesZeros::Page(resolution, doc.ImpressionCouleur);
    TParamPolesZeros avecTitre = param;
    avecTitre.Titre = v.Titre;
    mise.AvecTitreUtilisateur = true;
    TracerPolesZeros(p, cadre, doc, avecTitre, mise);
    TTraceur t(p, doc.SchemaCouleurs, mise);
    t.Cadre(cadre, std::max(1, mise.Pouces(0.01L)));
}

std::optional<TRacineDessinee> RacineLaPlusProche(const TDessinPolesZeros& dessin, QPoint pixel)
{
    std::optional<TRacineDessinee> meilleure;
    long long distance = 0;
    for (const TRacineDessinee& d : dessin.Racines) {
        if (!d.Visible)
            continue;
        const long long dx = d.Pixel.x() - pixel.x();
        const long long dy = d.Pixel.y() - pixel.y();
        if (!meilleure || dx * dx + dy * dy < distance) {
            meilleure = d;
            distance = dx * dx + dy * dy;
        }
    }
    return meilleure;
}

Reel AmortissementDe(TComplexe p)
{
    const Reel m = Module(p);
    return m > 0 ? -p.Re / m : 0;
}
