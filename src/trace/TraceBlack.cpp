#include "TraceBlack.h"

#include <cmath>
#include <vector>

#include "CourbesFrequence.h"
#include "NormalesCourbe.h"
#include "coeur/Document.h"
#include "coeur/EchantillonsFrequentiels.h"
#include "numerique/VersBoucleOuverte.h"

namespace {
int Arrondi(Reel v)
{
    return int(std::nearbyint(v));
}

TRepere Repere(const QRect& cible, const TMiseEnPageBlack& mise)
{
    const Reel w = cible.width();
    const Reel h = cible.height();
    TRepere r;
    r.PixGauche = cible.left() + Arrondi(mise.Gauche * w);
    r.PixDroite = cible.left() + Arrondi(mise.Droite * w);
    r.PixHaut = cible.top() + Arrondi(mise.Haut * h);
    r.PixBas = cible.top() + Arrondi(mise.Bas * h);
    return r;
}

// Avec la grille fine, une ligne de gain sur deux porte son texte.
void GrilleGains(TTraceur& t, const TRepere& r, Reel pas, bool fine, const TMiseEnPageBlack& mise)
{
    const std::vector<Reel> valeurs = Graduations(r.YMin, r.YMax, pas);
    const int chiffres = ChiffresGraduation(valeurs, pas);
    std::vector<QString> textes;
    for (const Reel v : valeurs)
        textes.push_back(!fine || std::lround(v / pas) % 2 == 0 ? QString::fromStdString(NombreEnTexte(v, chiffres))
                                                                : QString());
    t.LignesHorizontales(r, valeurs, textes, mise.EcartGraduationsGauche, Qt::DotLine);
}

// Tous les 45°, ou tous les 10° avec la grille fine, qui n'écrit que les multiples de 20°.
void GrillePhases(TTraceur& t, const TRepere& r, bool fine, bool symetrique, const TMiseEnPageBlack& mise)
{
    const int pas = fine ? 10 : 45;
    const int nombre = fine ? 36 : 8;
    const int premier = symetrique ? -nombre / 2 : -nombre;
    const int dernier = symetrique ? nombre / 2 : 0;
    std::vector<Reel> valeurs;
    std::vector<QString> textes;
    for (int d = premier; d <= dernier; ++d) {
        valeurs.push_back(pas * d);
        textes.push_back(!fine || d % 2 == 0 ? QString::number(pas * d) : QString());
    }
    t.LignesVerticales(r, valeurs, textes, mise.EcartGraduationsDessous, Qt::DotLine);
}

void Axes(TTraceur& t, const TRepere& r, bool symetrique)
{
    const Reel reference = GainReference(r.YMin, r.YMax);
    const Reel phaseAxe = symetrique ? 0 : -180;
    t.Crayon("DAxe", t.Mise().EpaisseurAxe);
    t.Segment(r, r.XMin, reference, r.XMax, reference);
    t.Segment(r, phaseAxe, r.YMin, phaseAxe, r.YMax);
}

void Noms(TTraceur& t, const QRect& cible, const TRepere& r, const TMiseEnPageBlack& mise)
{
    t.EcrireAGauche(r.PixDroite, mise.HautTitreDiagramme.Place(r.PixHaut, cible.top()),
                    QStringLiteral("Diagramme de Black"), mise.TailleTitreDiagramme, "DNom");
    t.Ecrire(mise.GaucheNomGain.Place(r.PixGauche, cible.left()), mise.HautNomGain.Place(r.PixHaut, cible.top()),
             QStringLiteral("G (dB)"), mise.TailleNoms, "DNom");
    t.EcrireAGauche(r.PixDroite - mise.DroiteNomPhase, r.PixBas + mise.HautNomPhase, QStringLiteral("Phase (°)"),
                    mise.TailleNoms, "DNom");
}

void Courbe(TTraceur& t, const TRepere& r, const std::vector<TEchantillonDiagramme>& ech,
            const TMiseEnPageBlack& mise)
{
    std::vector<TPointCourbe> points;
    points.reserve(ech.size());
    for (std::size_t i = AmorceCourbe; i < ech.size(); ++i)
        points.push_back({ech[i].Phase, ech[i].Gain});
    t.Crayon("DCourbe", mise.EpaisseurCourbe);
    // Un saut de 30° ou plus est un passage d'un bord à l'autre de la plage : pas de trait.
    t.Courbe(r, points, [](const TPointCourbe& a, const TPointCourbe& b) { return std::abs(a.X - b.X) < 30; });
}

std::optional<TPixel> PixelDedans(const TRepere& r, Reel x, Reel y)
{
    const std::optional<TPixel> pix = VersPixel(r, x, y);
    return pix && !pix->Dehors ? pix : std::nullopt;
}

// Les normales se suivent en pixels de la cible ; l'étiquette est à 1/40 de chaque étendue,
// du côté opposé au centre de courbure, et seulement quand elle tombe dans le cadre.
void EtiquettesDecades(TTraceur& t, const QRect& cible, const TRepere& r,
                       const std::vector<TEchantillonDiagramme>& ech, const TMiseEnPageBlack& mise)
{
    const Reel degresParPixel = (r.XMax - r.XMin) / cible.width();
    const Reel decibelsParPixel = (r.YMax - r.YMin) / cible.height();
    const Reel distancePhase = (r.XMax - r.XMin) / 40;
    const Reel distanceGain = (r.YMax - r.YMin) / 40;
    TNormalesCourbe normales;
    for (std::size_t i = 0; i < ech.size(); ++i) {
        const TEchantillonDiagramme& e = ech[i];
        normales.Avance(e.Phase / degresParPixel, e.Gain / decibelsParPixel);
        if (i < AmorceCourbe || !EstDecade(e.X))
            continue;
        const std::optional<TDirection> direction = normales.DirectionEtiquette();
        if (!direction)
            continue;
        if (const std::optional<TPixel> place = PixelDedans(r, e.Phase + direction->X * distancePhase,
                                                            e.Gain + direction->Y * distanceGain))
            t.PuissanceDix(place->X, place->Y, Arrondi(e.X), mise.Decades, true);
    }
}

// Les décades tombent sur des échantillons : tous les NbPoints/D.
void DisquesDecades(TTraceur& t, const TRepere& r, const std::vector<TEchantillonDiagramme>& ech, int nbDecades,
                    const TMiseEnPageBlack& mise)
{
    const std::size_t parDecade = (ech.size() - 1 - AmorceCourbe) / std::size_t(nbDecades);
    for (std::size_t i = AmorceCourbe; i < ech.size(); i += parDecade)
        if (const std::optional<TPixel> place = PixelDedans(r, ech[i].Phase, ech[i].Gain))
            t.Marque(place->X, place->Y, mise.RayonMarque);
}
}

TMiseEnPageBlack TMiseEnPageBlack::Ecran()
{
    TMiseEnPageBlack m;
    m.Bas = 0.9L;
    m.Decades = {QStringLiteral("100"), -6, -10, 8, 6};
    return m;
}

TMiseEnPageBlack TMiseEnPageBlack::Page(int resolution, bool couleur)
{
    TMiseEnPageBlack m = Ecran();
    m.PourLaPage(resolution, couleur);
    m.Gauche = m.Haut = 0.0625L;
    m.Droite = m.Bas = 0.9375L;
    m.PointsParDecade = 7999;
    m.EpaisseurCourbe = 2;
    m.TailleGraduations = 7;
    m.Decades = {QStringLiteral("100"), -m.Pouces(0.06L), -m.Pouces(0.1L), 7, 5};
    m.HautTitreDiagramme = {true, m.Pouces(0.067L)};
    m.GaucheNomGain = {false, -m.Pouces(0.32L)};
    m.HautNomGain = {true, m.Pouces(0.067L)};
    m.DroiteNomPhase = m.Pouces(0.08L);
    m.HautNomPhase = m.Pouces(0.16L);
    m.Abaque = TMiseEnPageAbaque::Page(resolution);
    return m;
}

Reel GainReference(Reel gainMin, Reel gainMax)
{
    if (gainMin > 0)
        return gainMin;
    if (gainMax < 0)
        return gainMax;
    return 0;
}

bool TracerBlack(QPainter& surface, const QRect& cible, TDocument& doc, const TParamBlack& param,
                 const TMiseEnPageBlack& mise, TLieuxAbaque* lieuxAbaque)
{
    TEchellesFrequentielles& echelles = doc.EchellesFrequentielles;
    if (mise.MemorisePoints)
        echelles.Recommence(cible);
    surface.save();
    TTraceur t(surface, doc.SchemaCouleurs, mise);
    t.RemplitFond(cible);

    const std::optional<TDecades> decades = ArrondiDecades(param.FreqMin, param.FreqMax);
    const std::optional<Reel> pas = PasGraduation(param.GainMax - param.GainMin, param.QuadriFin);
    const int nbPoints = decades ? NbPointsDecades(mise.PointsParDecade, *decades) : 0;
    TRepere r = Repere(cible, mise);
    if (!pas || nbPoints < 1 || (mise.MemorisePoints && nbPoints > IndicePointMax) || r.PixGauche >= r.PixDroite ||
        r.PixHaut >= r.PixBas) {
        surface.restore();
        return false;
    }
    const TBornes gains = BornesGraduees(param.GainMin, param.GainMax, *pas);
    if (!std::isfinite(gains.Max - gains.Min)) {
        surface.restore();
        return false;
    }
    const TBornes phases = PlagePhases(doc.PhaseSymetrique);
    r.XMin = phases.Min;
    r.XMax = phases.Max;
    r.YMin = gains.Min;
    r.YMax = gains.Max;
    const std::vector<TEchantillonDiagramme> ech =
        Echantillonne(doc, doc.PhaseSymetrique, *decades, -AmorceCourbe, nbPoints,
                      TCalculEchantillon::BoucleFermee);

    GrilleGains(t, r, *pas, param.QuadriFin, mise);
    GrillePhases(t, r, param.QuadriFin, doc.PhaseSymetrique, mise);
    if (echelles.AbaqueVisible)
        TracerAbaqueNichols(t, r, cible.size(), doc, mise.Abaque, lieuxAbaque);
    Axes(t, r, doc.PhaseSymetrique);
    Noms(t, cible, r, mise);
    t.Cadre(r);
    Courbe(t, r, ech, mise);
    if (param.AffichageFrequence) {
        EtiquettesDecades(t, cible, r, ech, mise);
        DisquesDecades(t, r, ech, decades->Nombre, mise);
    }
    t.TitreUtilisateur(cible, r.PixBas + mise.TitreUtilisateur, param.Titre, "DTitre", true);
    surface.restore();

    if (mise.MemoriseEchelles) {
        MemoriseDecades(echelles, *decades);
        echelles.GainMin = gains.Min;
        echelles.GainMax = gains.Max;
        echelles.PhaseMin = phases.Min;
        echelles.PhaseMax = phases.Max;
        echelles.QuadrillageFin = param.QuadriFin;
    }
    if (mise.MemorisePoints) {
        MemoriseCourbe(doc, TTypeDiagramme::Black, r, ech);
        echelles.NbPoints = nbPoints;
    }
    return true;
}
