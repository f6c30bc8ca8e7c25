#include "TraceEvans.h"

#include <algorithm>
#include <cmath>

#include "coeur/Document.h"
#include "coeur/FermetureBoucle.h"
#include "coeur/TextesValeurs.h"
#include "numerique/LieuEvans.h"

namespace {

const QString RetardIgnore = QStringLiteral("Retard ignoré : lieu de N(p)/D(p) seul");

TRepere Repere(const QRect& cible, const TParamEvans& param, const TMiseEnPageEvans& mise)
{
    TRepere r = RepereDansCible(cible, mise.Gauche, mise.Droite, mise.Haut, mise.Bas);
    const TCadreLieu c = CadreEchellesEgales(param, r.PixDroite - r.PixGauche, r.PixBas - r.PixHaut);
    r.XMin = c.XMin;
    r.XMax = c.XMax;
    r.YMin = c.YMin;
    r.YMax = c.YMax;
    return r;
}

void Grille(TTraceur& t, const TRepere& r, const TMiseEnPageEvans& mise)
{
    const std::optional<Reel> pas = PasGraduation(std::max(r.XMax - r.XMin, r.YMax - r.YMin), false);
    if (!pas)
        return;
    const auto textes = [&](const std::vector<Reel>& valeurs) {
        std::vector<QString> t;
        const int chiffres = ChiffresGraduation(valeurs, *pas);
        for (const Reel v : valeurs)
            t.push_back(QString::fromStdString(NombreEnTexte(v, chiffres)));
        return t;
    };
    const std::vector<Reel> xs = Graduations(r.XMin, r.XMax, *pas);
    const std::vector<Reel> ys = Graduations(r.YMin, r.YMax, *pas);
    t.LignesVerticales(r, xs, textes(xs), mise.EcartGraduationsDessous, Qt::DotLine);
    t.LignesHorizontales(r, ys, textes(ys), mise.EcartGraduationsGauche, Qt::DotLine);
}

void Axes(TTraceur& t, const TRepere& r, const TMiseEnPageEvans& mise)
{
    t.Crayon("DAxe", 1);
    t.Segment(r, r.XMin, 0, r.XMax, 0);
    t.Crayon("DAxe", mise.EpaisseurStabilite);
    t.Segment(r, 0, r.YMin, 0, r.YMax);
}

void Asymptotes(TTraceur& t, const TRepere& r, const TAsymptotes& a)
{
    const Reel longueur = 10 * std::max(r.XMax - r.XMin, r.YMax - r.YMin);
    t.Crayon("DAxe", 1, Qt::DashLine);
    for (const Reel angle : a.AnglesDeg) {
        const Reel radians = angle * Pi / 180;
        t.Segment(r, a.Centre, 0, a.Centre + longueur * std::cos(radians), longueur * std::sin(radians));
    }
}

// Deux points d'une branche plus éloignés que deux pas sont les deux côtés d'un passage par
// l'infini : ils ne sont pas reliés.
void Branches(TTraceur& t, const TRepere& r, const TLieuEvans& lieu, const TMiseEnPageEvans& mise)
{
    const Reel saut = 2 * PasLieuMax * std::max(r.XMax - r.XMin, r.YMax - r.YMin);
    const auto relie = [saut](const TPointCourbe& a, const TPointCourbe& b) {
        return std::hypot(b.X - a.X, b.Y - a.Y) <= saut;
    };
    t.Crayon("DCourbe", mise.EpaisseurCourbe);
    std::vector<TPointCourbe> points(lieu.Points.size());
    for (int b = 0; b < lieu.NbBranches; ++b) {
        for (std::size_t i = 0; i < lieu.Points.size(); ++i)
            points[i] = {lieu.Points[i].Racines[std::size_t(b)].Re, lieu.Points[i].Racines[std::size_t(b)].Im};
        t.Courbe(r, points, relie);
    }
}

std::optional<TPixel> PixelVisible(const TRepere& r, TComplexe z)
{
    if (HorsCadre(r, z.Re, z.Im))
        return std::nullopt;
    return VersPixel(r, z.Re, z.Im);
}

void PolesEtZeros(TTraceur& t, const TRepere& r, const TDocument& doc, const TMiseEnPageEvans& mise)
{
    QPainter& p = t.Surface();
    const int a = mise.DemiPole;
    t.Crayon("DNom", std::max(1, mise.EpaisseurCourbe));
    for (int i = 1; i <= doc.Systeme.Denominateur.Degre; ++i)
        if (const std::optional<TPixel> x = PixelVisible(r, doc.Systeme.Denominateur.Racines[i])) {
            p.drawLine(x->X - a, x->Y - a, x->X + a, x->Y + a);
            p.drawLine(x->X - a, x->Y + a, x->X + a, x->Y - a);
        }
    p.setBrush(Qt::NoBrush);
    for (int i = 1; i <= doc.Systeme.Numerateur.Degre; ++i)
        if (const std::optional<TPixel> o = PixelVisible(r, doc.Systeme.Numerateur.Racines[i]))
            p.drawEllipse(QPoint(o->X, o->Y), a, a);
}

void Croisements(TTraceur& t, const TRepere& r, const TPointsEvans& points, const TMiseEnPageEvans& mise)
{
    for (const TSeparation& s : points.Separations)
        if (const std::optional<TPixel> x = PixelVisible(r, s.P))
            t.Marque(x->X, x->Y, mise.RayonMarque);
    for (const TCroisement& c : points.Croisements) {
        const std::optional<TPixel> bas = PixelVisible(r, {0, -c.Omega});
        if (bas)
            t.Marque(bas->X, bas->Y, mise.RayonMarque);
        const std::optional<TPixel> haut = PixelVisible(r, {0, c.Omega});
        if (!haut)
            continue;
        t.Marque(haut->X, haut->Y, mise.RayonMarque);
        const QString texte = QStringLiteral("K = ") + QString::fromStdString(NombreEnTexte(c.K, 4));
        const int hauteur = t.Mesure(t.Mise().TailleGraduations).height();
        t.EcrireSurFond(haut->X + 2 * mise.RayonMarque, haut->Y - hauteur - mise.RayonMarque, texte,
                        t.Mise().TailleGraduations, "DNom");
    }
}

bool MemeCadre(const TCadreLieu& a, const TCadreLieu& b)
{
    return a.XMin == b.XMin && a.XMax == b.XMax && a.YMin == b.YMin && a.YMax == b.YMax;
}

// Branches et points remarquables de cette fonction dans ce cadre, repris du tracé précédent
// quand il les a déjà.
TTraceEvans Calcule(const TTraceEvans* precedent, const TDocument& doc, const TCadreLieu& monde)
{
    std::vector<Reel> fonction = SignatureFonction(doc);
    if (precedent && !precedent->Lieu.Points.empty() && precedent->Fonction == fonction
        && MemeCadre(precedent->Monde, monde))
        return *precedent;
    TTraceEvans trace;
    trace.Points = PointsEvans(doc.Systeme.Numerateur, doc.Systeme.Denominateur);
    trace.Lieu = BranchesEvans(doc.Systeme.Numerateur, doc.Systeme.Denominateur, monde);
    trace.Fonction = std::move(fonction);
    trace.Monde = monde;
    return trace;
}

void Titres(TTraceur& t, const QRect& cible, const TRepere& r, const TDocument& doc, const TParamEvans& param,
            const TMiseEnPageEvans& mise)
{
    const int haut = r.PixHaut - t.Mesure(mise.TailleTitreDiagramme).height() - mise.EcartTitre;
    t.EcrireAGauche(r.PixDroite, haut, QStringLiteral("Lieu d'Evans"), mise.TailleTitreDiagramme, "DNom");
    if (doc.Systeme.TempsMort != 0)
        t.Ecrire(r.PixGauche, r.PixHaut - t.Mesure(mise.TailleNoms).height() - mise.EcartTitre, RetardIgnore,
                 mise.TailleNoms, "DNom");
    const int sousGraduations = r.PixBas + mise.EcartGraduationsDessous + 2 * t.Mesure(mise.TailleGraduations).height();
    t.TitreUtilisateur(cible, sousGraduations, param.Titre, "DTitre");
}

}

TMiseEnPageEvans TMiseEnPageEvans::Ecran()
{
    TMiseEnPageEvans m;
    m.Gauche = 0.08L;
    m.Droite = 0.96L;
    m.Haut = 0.07L;
    m.Bas = 0.88L;
    return m;
}

TMiseEnPageEvans TMiseEnPageEvans::Page(int resolution, bool couleur)
{
    TMiseEnPageEvans m = Ecran();
    m.PourLaPage(resolution, couleur);
    m.EpaisseurCourbe = 2;
    m.EcartGraduationsDessous = m.Pouces(0.017L);
    m.EcartGraduationsGauche = m.Pouces(0.03L);
    m.DemiPole = m.Pouces(0.04L);
    m.RayonMarque = m.Pouces(0.025L);
    m.EpaisseurStabilite = std::max(2, m.Pouces(0.01L));
    m.EcartTitre = m.Pouces(0.04L);
    return m;
}

TCadreLieu CadreEchellesEgales(const TParamEvans& param, int largeur, int hauteur)
{
    TCadreLieu c{param.ReMin, param.ReMax, param.ImMin, param.ImMax};
    const Reel sx = param.ReMax - param.ReMin;
    const Reel sy = param.ImMax - param.ImMin;
    if (largeur <= 0 || hauteur <= 0 || !(sx > 0) || !(sy > 0))
        return c;
    const Reel unite = std::max(sx / largeur, sy / hauteur);  // monde par pixel, le même sur les deux axes
    const Reel mx = (param.ReMin + param.ReMax) / 2;
    const Reel my = (param.ImMin + param.ImMax) / 2;
    c.XMin = mx - unite * largeur / 2;
    c.XMax = mx + unite * largeur / 2;
    c.YMin = my - unite * hauteur / 2;
    c.YMax = my + unite * hauteur / 2;
    return c;
}

QPointF PixelEvans(const TTraceEvans& trace, TComplexe z)
{
    const QRect& p = trace.Pixels;
    const TCadreLieu& m = trace.Monde;
    const Reel x = p.left() + (z.Re - m.XMin) * p.width() / (m.XMax - m.XMin);
    const Reel y = p.top() + (m.YMax - z.Im) * p.height() / (m.YMax - m.YMin);
    return {double(x), double(y)};
}

std::optional<TTraceEvans> TracerEvans(QPainter& surface, const QRect& cible, const TDocument& doc,
                                       const TParamEvans& param, const TMiseEnPageEvans& mise,
                                       const TTraceEvans* precedent)
{
    surface.save();
    TTraceur t(surface, doc.SchemaCouleurs, mise);
    t.RemplitFond(cible);
    const TRepere r = Repere(cible, param, mise);
    const bool tracable = LieuCalculable(doc.Systeme.Numerateur, doc.Systeme.Denominateur) && r.PixDroite > r.PixGauche
                          && r.PixBas > r.PixHaut && r.XMax > r.XMin && r.YMax > r.YMin
                          && std::isfinite(r.XMax - r.XMin) && std::isfinite(r.YMax - r.YMin);
    if (!tracable) {
        surface.restore();
        return std::nullopt;
    }
    TTraceEvans trace = Calcule(precedent, doc, {r.XMin, r.XMax, r.YMin, r.YMax});
    const TLieuEvans& lieu = trace.Lieu;
    const TPointsEvans& points = trace.Points;

    Grille(t, r, mise);
    Axes(t, r, mise);
    Asymptotes(t, r, points.Asymptotes);
    Branches(t, r, lieu, mise);
    PolesEtZeros(t, r, doc, mise);
    Croisements(t, r, points, mise);
    t.Cadre(r);
    Titres(t, cible, r, doc, param, mise);
    surface.restore();

    trace.Pixels = QRect(QPoint(r.PixGauche, r.PixHaut), QPoint(r.PixDroite, r.PixBas));
    return trace;
}
