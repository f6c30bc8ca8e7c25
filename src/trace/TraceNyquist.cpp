#include "TraceNyquist.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "CourbesFrequence.h"
#include "NormalesCourbe.h"
#include "coeur/Document.h"
#include "coeur/EchantillonsFrequentiels.h"
#include "coeur/PhasesAffichees.h"
#include "coeur/TextesValeurs.h"
#include "TraceMarges.h"

namespace {
struct TCadresNyquist {
    QRect Bordure;
    TRepere Trace;
};

// La zone est la cible moins sa bordure ; le cadre de la bordure l'entoure.
std::optional<TCadresNyquist> Disposition(const QRect& cible, const TMiseEnPageNyquist& mise, TBornes re, TBornes im)
{
    const QPoint coin = cible.topLeft() + QPoint(mise.Bordure, mise.Bordure);
    const QSize taille(cible.width() - 2 * mise.Bordure, cible.height() - 2 * mise.Bordure);
    const std::optional<TRepere> r = RepereEchellesEgales(QRect(coin, taille), mise.Place, re, im);
    if (!r)
        return std::nullopt;
    return TCadresNyquist{QRect(coin, coin + QPoint(taille.width(), taille.height())), *r};
}

// Une étiquette sur m, m le plus petit entier qui laisse entre deux étiquettes la place de la
// plus encombrante : un axe écrasé en quelques pixels n'empile pas ses nombres. Le multiple
// zéro du pas garde toujours la sienne.
void Eclaircit(std::vector<QString>& textes, Reel premier, Reel pixelsParPas, int encombrement)
{
    const Reel m = pixelsParPas > 0 ? std::ceil(encombrement / pixelsParPas) : Reel(textes.size());
    if (m <= 1)
        return;
    for (std::size_t e = 0; e < textes.size(); ++e)
        if (std::fmod(premier + Reel(e), m) != 0)
            textes[e].clear();
}

// Graduations aux multiples entiers du pas : zéro s'écrit « +0 », sans reste d'arrondi.
void Grille(TTraceur& t, const TRepere& r, Reel pasX, Reel pasY, const TMiseEnPageNyquist& mise)
{
    const auto multiples = [](Reel min, Reel max, Reel pas, std::vector<Reel>& valeurs, std::vector<QString>& textes) {
        const Reel premier = std::nearbyint(min / pas);
        const Reel nombre = std::nearbyint((max - min) / pas);
        for (Reel e = 0; e <= nombre; ++e) {
            valeurs.push_back((premier + e) * pas);
            textes.push_back(QString::fromStdString(NombreEnTexte(valeurs.back(), 4)));
        }
        return premier;
    };
    const auto plusLarge = [&t, &mise](const std::vector<QString>& textes) {
        int l = 0;
        for (const QString& texte : textes)
            l = std::max(l, t.Largeur(texte, mise.TailleGraduations));
        return l;
    };
    std::vector<Reel> xs, ys;
    std::vector<QString> textesX, textesY;
    const Reel premierX = multiples(r.XMin, r.XMax, pasX, xs, textesX);
    const Reel premierY = multiples(r.YMin, r.YMax, pasY, ys, textesY);
    Eclaircit(textesX, premierX, (r.PixDroite - r.PixGauche) * pasX / (r.XMax - r.XMin), plusLarge(textesX) + 2);
    Eclaircit(textesY, premierY, (r.PixBas - r.PixHaut) * pasY / (r.YMax - r.YMin),
              t.Mesure(mise.TailleGraduations).height());
    t.LignesVerticales(r, xs, textesX, mise.EcartGraduationsDessous, Qt::DotLine);
    t.LignesHorizontales(r, ys, textesY, mise.EcartGraduationsGauche, Qt::DotLine);
}

void Axes(TTraceur& t, const TRepere& r)
{
    t.Crayon("DAxe", t.Mise().EpaisseurAxe);
    t.Segment(r, r.XMin, 0, r.XMax, 0);
    t.Segment(r, 0, r.YMin, 0, r.YMax);
}

void Cadres(TTraceur& t, const TCadresNyquist& c, const TMiseEnPageNyquist& mise)
{
    const TRepere& r = c.Trace;
    t.Cadre(QRect(QPoint(r.PixGauche, r.PixHaut), QPoint(r.PixDroite, r.PixBas)), 1);
    // La page imprimée trace elle-même son cadre, une fois rogné.
    if (mise.Bordure > 0)
        t.Cadre(c.Bordure, mise.EpaisseurCadre);
}

// Le titre de l'utilisateur, centré sur la largeur de la zone à partir du bord gauche du cadre.
void Titres(TTraceur& t, const QRect& cible, const TCadresNyquist& c, const TParamNyquist& param,
            const TMiseEnPageNyquist& mise)
{
    const TRepere& r = c.Trace;
    const QString nom = QStringLiteral("Diagramme de Nyquist");
    const int haut = mise.HautTitreDiagramme ? cible.top() + *mise.HautTitreDiagramme
                                             : r.PixHaut - t.Mesure(mise.TailleTitreDiagramme).height() - 3;
    // Plus large que le cadre, le nom part de son bord droit : aligné sur lui, il couvrirait les
    // graduations de gauche, voire sortirait de la zone.
    const int largeurNom = t.Largeur(nom, mise.TailleTitreDiagramme);
    const int droite = r.PixDroite - largeurNom < r.PixGauche ? r.PixDroite + 4 + largeurNom : r.PixDroite;
    t.EcrireAGauche(droite, haut, nom, mise.TailleTitreDiagramme, "DNom");
    const int largeur = c.Bordure.width() - 1;
    const int hauteur = c.Bordure.height() - 1;
    t.TitreUtilisateur(QRect(QPoint(r.PixGauche, r.PixHaut), QSize(largeur, hauteur)),
                       r.PixHaut + EntierProche(mise.HautTitreUtilisateur * hauteur), param.Titre, "DNom");
}

// Rend les points tracés, que les marques des marges évitent.
std::vector<TPointCourbe> Courbe(TTraceur& t, const TRepere& r, const std::vector<TEchantillonDiagramme>& ech,
                                 const TMiseEnPageNyquist& mise)
{
    std::vector<TPointCourbe> points;
    points.reserve(ech.size());
    for (std::size_t i = AmorceCourbe; i < ech.size(); ++i)
        points.push_back({ech[i].Reponse.Re, ech[i].Reponse.Im});
    t.Crayon("DCourbe", mise.EpaisseurCourbe);
    t.Courbe(r, points);
    return points;
}

// Disque sur chaque décade du cadre et son étiquette à 1/40 de l'axe réel, du côté opposé
// au centre de courbure ; les échantillons d'amorce ne portent pas de marque. Une décade hors
// du cadre n'a ni disque ni étiquette : ramenés au bord, ils montreraient un point où la
// courbe ne passe pas.
void MarquesDecades(TTraceur& t, const TRepere& r, const std::vector<TEchantillonDiagramme>& ech,
                    const TMiseEnPageNyquist& mise)
{
    const Reel distance = (r.XMax - r.XMin) / 40;
    TNormalesCourbe normales;
    for (std::size_t i = 0; i < ech.size(); ++i) {
        const TEchantillonDiagramme& e = ech[i];
        normales.Avance(e.Reponse.Re, e.Reponse.Im);
        if (i < AmorceCourbe || !EstDecade(e.X))
            continue;
        const std::optional<TPixel> point = VersPixelDedans(r, e.Reponse.Re, e.Reponse.Im);
        if (!point)
            continue;
        t.Marque(point->X, point->Y, mise.RayonMarque);
        const std::optional<TDirection> direction = normales.DirectionEtiquette();
        if (!direction)
            continue;
        const std::optional<TPixel> etiquette =
            VersPixelBorne(r, e.Reponse.Re + direction->X * distance, e.Reponse.Im + direction->Y * distance);
        if (etiquette)
            t.PuissanceDixSiLibre(etiquette->X, etiquette->Y, EntierProche(e.X), mise.Decades);
    }
}
}

TMiseEnPageNyquist TMiseEnPageNyquist::Ecran()
{
    TMiseEnPageNyquist m;
    m.TailleGraduations = 7;
    m.Decades = {QStringLiteral("100"), -3, -8, 8, 6};
    return m;
}

TMiseEnPageNyquist TMiseEnPageNyquist::Page(int resolution, bool couleur)
{
    TMiseEnPageNyquist m = Ecran();
    m.PourLaPage(resolution, couleur);
    m.Bordure = 0;
    m.PointsParDecade = 7999;
    m.EpaisseurCourbe = 2;
    m.EcartGraduationsDessous = m.Pouces(0.017L);
    m.EcartGraduationsGauche = m.Pouces(0.03L);
    m.RayonMarque = m.Pouces(0.013L);
    m.Decades = {QStringLiteral("100"), -m.Pouces(0.03L), -m.Pouces(0.08L), 7, 5};
    m.HautTitreDiagramme = m.Pouces(0.067L);
    m.RogneCible = true;
    return m;
}

TAxeIntracable AxeNyquistIntracable(const QSize& cible, Reel reMin, Reel reMax, Reel imMin, Reel imMax)
{
    const std::optional<Reel> pasX = PasGraduation(reMax - reMin, false);
    const std::optional<Reel> pasY = PasGraduation(imMax - imMin, false);
    if (!pasX)
        return TAxeIntracable::Reel;
    if (!pasY)
        return TAxeIntracable::Imaginaire;
    const TBornes re = BornesNyquist(reMin, reMax, *pasX);
    const TBornes im = BornesNyquist(imMin, imMax, *pasY);
    const std::optional<TCadresNyquist> c = Disposition(QRect(QPoint(0, 0), cible), TMiseEnPageNyquist::Ecran(), re, im);
    if (c && c->Trace.PixDroite > c->Trace.PixGauche && c->Trace.PixBas > c->Trace.PixHaut)
        return TAxeIntracable::Aucun;
    // L'axe le plus étendu pour sa longueur en pixels est celui qui écrase le tracé.
    return (re.Max - re.Min) / cible.width() >= (im.Max - im.Min) / cible.height() ? TAxeIntracable::Reel
                                                                                   : TAxeIntracable::Imaginaire;
}

TBornes BornesNyquist(Reel min, Reel max, Reel pas)
{
    // Un quotient à un millionième d'un entier est ce multiple, aux arrondis près.
    const auto multiple = [](Reel q) { return std::abs(q - std::nearbyint(q)) < 1e-6L; };
    const Reel qMax = max / pas;
    const Reel qMin = min / pas;
    return {multiple(qMin) ? min : (std::trunc(qMin) - 1) * pas, multiple(qMax) ? max : (std::trunc(qMax) + 1) * pas};
}

std::optional<TTraceFrequentiel> TracerNyquist(QPainter& surface, const QRect& cible, const TDocument& doc,
                                               const TParamNyquist& param, const TMiseEnPageNyquist& mise,
                                               const TMarges* marges)
{
    surface.save();
    TTraceur t(surface, doc.SchemaCouleurs, mise);
    t.RemplitFond(cible);

    const std::optional<TDecades> decades = ArrondiDecades(param.FreqMin, param.FreqMax);
    const std::optional<Reel> pasX = PasGraduation(param.ReMax - param.ReMin, false);
    const std::optional<Reel> pasY = PasGraduation(param.ImMax - param.ImMin, false);
    const int nbPoints = decades ? NbPointsDecades(mise.PointsParDecade, *decades) : 0;
    const TBornes re = pasX ? BornesNyquist(param.ReMin, param.ReMax, *pasX) : TBornes{};
    const TBornes im = pasY ? BornesNyquist(param.ImMin, param.ImMax, *pasY) : TBornes{};
    // Élargies au pas, des bornes proches de la limite des réels étendus peuvent en sortir.
    const bool bornesFinies = std::isfinite(re.Max - re.Min) && std::isfinite(im.Max - im.Min);
    const std::optional<TCadresNyquist> cadres =
        pasX && pasY && bornesFinies && nbPoints > 0 ? Disposition(cible, mise, re, im) : std::nullopt;
    if (!cadres || nbPoints > mise.PointsMax) {
        surface.restore();
        return std::nullopt;
    }
    const TRepere& r = cadres->Trace;
    const std::vector<TEchantillonDiagramme> ech =
        Echantillonne(doc.Systeme, TPhasesAffichees(doc.Systeme, doc.PhaseSymetrique, false), *decades, -AmorceCourbe, nbPoints,
                      TCalculEchantillon::Reponse);

    Grille(t, r, *pasX, *pasY, mise);
    Axes(t, r);
    Cadres(t, *cadres, mise);
    Titres(t, cible, *cadres, param, mise);
    const std::vector<TPointCourbe> courbe = Courbe(t, r, ech, mise);
    if (param.AffichageFrequence)
        MarquesDecades(t, r, ech, mise);
    if (marges)
        MarquesMargesNyquist(t, r, mise.RayonMarque + 1, *marges, courbe, doc.ChiffresSignificatifs);
    surface.restore();

    TTraceFrequentiel trace = TraceDecades(cible, *decades);
    trace.Echelles.ReelMin = re.Min;
    trace.Echelles.ReelMax = re.Max;
    trace.Echelles.ImMin = im.Min;
    trace.Echelles.ImMax = im.Max;
    ReleveCourbe(trace, TTypeDiagramme::Nyquist, r, ech);
    trace.Cadre = mise.RogneCible ? QRect(cible.topLeft(), QPoint(r.PixDroite + cible.height() / mise.Place.DiviseurHaut,
                                                                  r.PixBas + cible.width() / mise.Place.DiviseurGauche))
                                  : cible;
    return trace;
}
