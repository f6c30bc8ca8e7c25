#include "TraceBlack.h"

#include <cmath>
#include <vector>

#include "AxePhasesLisible.h"
#include "CourbesFrequence.h"
#include "NormalesCourbe.h"
#include "coeur/Document.h"
#include "coeur/EchantillonsFrequentiels.h"
#include "coeur/PhasesAffichees.h"
#include "coeur/TextesValeurs.h"
#include "numerique/Reponses.h"
#include "numerique/VersBoucleOuverte.h"
#include "TraceMarges.h"

namespace {

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

// Plage fixe : tous les 45°, ou tous les 10° avec la grille fine, qui n'écrit que les
// multiples de 20°. Phase continue : au pas de son axe, ou au demi-pas avec la grille fine.
void GrillePhases(TTraceur& t, const TRepere& r, bool fine, const TAxePhases& axe, bool continue_,
                  const TMiseEnPageBlack& mise)
{
    const Reel pas = continue_ ? (fine ? axe.Pas / 2 : axe.Pas) : (fine ? 10 : 45);
    const int premier = int(std::lround(r.XMin / pas));
    const int dernier = int(std::lround(r.XMax / pas));
    std::vector<Reel> valeurs;
    std::vector<QString> textes;
    for (int d = premier; d <= dernier; ++d) {
        valeurs.push_back(pas * d);
        textes.push_back(!fine || d % 2 == 0 ? QString::number(std::lround(pas * d)) : QString());
    }
    t.LignesVerticales(r, valeurs, textes, mise.EcartGraduationsDessous, Qt::DotLine);
}

// Un tour de 360° assez large pour qu'on y lise l'abaque et l'axe qui le borde.
bool ToursLisibles(const TRepere& r, const TMiseEnPageBlack& mise)
{
    return 360 * Reel(r.PixDroite - r.PixGauche) >= mise.LargeurTourLisible * (r.XMax - r.XMin);
}

// Axe vertical à 0° en plage symétrique, à -180° sinon ; la phase continue le répète à
// chaque tour, là où l'abaque se retourne, tant que les tours se lisent : au-delà, seul
// celui de -180° reste, sans quoi des centaines de traits rempliraient le cadre.
void Axes(TTraceur& t, const TRepere& r, const TPhasesAffichees& phases, const TMiseEnPageBlack& mise)
{
    const Reel reference = GainReference(r.YMin, r.YMax);
    t.Crayon("DAxe", t.Mise().EpaisseurAxe);
    t.Segment(r, r.XMin, reference, r.XMax, reference);
    if (!phases.Continue() || !ToursLisibles(r, mise)) {
        const Reel phaseAxe = phases.Symetrique() ? 0 : -180;
        if (phaseAxe >= r.XMin && phaseAxe <= r.XMax)
            t.Segment(r, phaseAxe, r.YMin, phaseAxe, r.YMax);
        return;
    }
    for (Reel phaseAxe = 360 * std::ceil((r.XMin + 180) / 360) - 180; phaseAxe <= r.XMax; phaseAxe += 360)
        t.Segment(r, phaseAxe, r.YMin, phaseAxe, r.YMax);
}

// Phase continue : une abaque de -360° à 0° par tour que l'axe couvre, chacune dans la part
// du cadre qui lui revient, ses étiquettes placées contre ses propres bords. Des tours trop
// étroits pour la lire n'en ont aucune.
void AbaquesRepetees(TTraceur& t, const TRepere& r, const QSize& cible, const TDocument& doc,
                     const TMiseEnPageBlack& mise, TLieuxAbaque* lieux)
{
    if (!ToursLisibles(r, mise))
        return;
    for (Reel fin = 360 * std::ceil(r.XMin / 360); fin - 360 < r.XMax; fin += 360) {
        const Reel debut = std::max(r.XMin, fin - 360);
        const Reel arret = std::min(r.XMax, fin);
        const std::optional<TPixel> gauche = VersPixelBorne(r, debut, r.YMin);
        const std::optional<TPixel> droite = VersPixelBorne(r, arret, r.YMin);
        if (!gauche || !droite || gauche->X >= droite->X)
            continue;
        TRepere tour = r;
        tour.PixGauche = gauche->X;
        tour.PixDroite = droite->X;
        tour.XMin = debut - fin;
        tour.XMax = arret - fin;
        TracerAbaqueNichols(t, tour, cible, doc, false, mise.Abaque, lieux);
    }
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

// Rend les points tracés, que les marques des marges évitent.
std::vector<TPointCourbe> Courbe(TTraceur& t, const TRepere& r, const std::vector<TEchantillonDiagramme>& ech,
                                 bool continue_, const TMiseEnPageBlack& mise)
{
    std::vector<TPointCourbe> points;
    points.reserve(ech.size());
    for (std::size_t i = AmorceCourbe; i < ech.size(); ++i)
        points.push_back({ech[i].Phase, ech[i].Gain});
    t.Crayon("DCourbe", mise.EpaisseurCourbe);
    // Dans une plage fixe, un saut de 30° ou plus est un passage d'un bord à l'autre : pas de
    // trait. La phase continue ne saute pas.
    t.Courbe(r, points, [continue_](const TPointCourbe& a, const TPointCourbe& b) {
        return continue_ || std::abs(a.X - b.X) < 30;
    });
    return points;
}

// Phases que la courbe atteint dans la plage des gains montrée, chaque segment rogné à ses
// bords : une phase continue qui tourne sans fin sous le cadre n'étire pas l'axe. Une courbe
// qui ne passe nulle part dans le cadre garde toutes ses phases.
std::vector<Reel> PhasesVisibles(const std::vector<TEchantillonDiagramme>& ech, TBornes gains)
{
    std::vector<Reel> visibles;
    std::vector<Reel> toutes;
    for (std::size_t i = AmorceCourbe; i < ech.size(); ++i) {
        const TEchantillonDiagramme& b = ech[i];
        toutes.push_back(b.Phase);
        if (b.Gain >= gains.Min && b.Gain <= gains.Max)
            visibles.push_back(b.Phase);
        if (i == AmorceCourbe)
            continue;
        const TEchantillonDiagramme& a = ech[i - 1];
        for (const Reel bord : {gains.Min, gains.Max})
            if ((a.Gain - bord) * (b.Gain - bord) < 0)
                visibles.push_back(a.Phase + (b.Phase - a.Phase) * (bord - a.Gain) / (b.Gain - a.Gain));
    }
    return visibles.empty() ? toutes : visibles;
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
        if (const std::optional<TPixel> place = VersPixelDedans(r, e.Phase + direction->X * distancePhase,
                                                            e.Gain + direction->Y * distanceGain))
            t.PuissanceDixSiLibre(place->X, place->Y, EntierProche(e.X), mise.Decades);
    }
}

// Les décades tombent sur des échantillons : tous les NbPoints/D.
void DisquesDecades(TTraceur& t, const TRepere& r, const std::vector<TEchantillonDiagramme>& ech, int nbDecades,
                    const TMiseEnPageBlack& mise)
{
    const std::size_t parDecade = (ech.size() - 1 - AmorceCourbe) / std::size_t(nbDecades);
    for (std::size_t i = AmorceCourbe; i < ech.size(); i += parDecade)
        if (const std::optional<TPixel> place = VersPixelDedans(r, ech[i].Phase, ech[i].Gain))
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
    m.LargeurTourLisible = m.Pouces(1);
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

std::optional<TTraceFrequentiel> TracerBlack(QPainter& surface, const QRect& cible, const TDocument& doc,
                                             const TParamBlack& param, const TMiseEnPageBlack& mise,
                                             TLieuxAbaque* lieuxAbaque, const TMarges* marges)
{
    surface.save();
    TTraceur t(surface, doc.SchemaCouleurs, mise);
    t.RemplitFond(cible);

    const std::optional<TDecades> decades = ArrondiDecades(param.FreqMin, param.FreqMax);
    const std::optional<Reel> pas = PasGraduation(param.GainMax - param.GainMin, param.QuadriFin);
    const int nbPoints = decades ? NbPointsDecades(mise.PointsParDecade, *decades) : 0;
    TRepere r = RepereDansCible(cible, mise.Gauche, mise.Droite, mise.Haut, mise.Bas);
    if (!pas || nbPoints < 1 || nbPoints > mise.PointsMax || r.PixGauche >= r.PixDroite ||
        r.PixHaut >= r.PixBas) {
        surface.restore();
        return std::nullopt;
    }
    const TBornes gains = BornesGraduees(param.GainMin, param.GainMax, *pas);
    if (!std::isfinite(gains.Max - gains.Min)) {
        surface.restore();
        return std::nullopt;
    }
    const TPhasesAffichees modePhases(doc.Systeme, doc.PhaseSymetrique, doc.PhaseContinue);
    const std::vector<TEchantillonDiagramme> ech =
        Echantillonne(doc.Systeme, modePhases, *decades, -AmorceCourbe, nbPoints, TCalculEchantillon::BoucleFermee);
    const TAxePhases axe =
        AxePhasesLisible(t, modePhases, PhasesVisibles(ech, gains), r.PixDroite - r.PixGauche, TSensAxe::Largeur);
    const TBornes phases = axe.Bornes;
    r.XMin = phases.Min;
    r.XMax = phases.Max;
    r.YMin = gains.Min;
    r.YMax = gains.Max;

    GrilleGains(t, r, *pas, param.QuadriFin, mise);
    GrillePhases(t, r, param.QuadriFin, axe, modePhases.Continue(), mise);
    if (doc.AbaqueVisible && modePhases.Continue())
        AbaquesRepetees(t, r, cible.size(), doc, mise, lieuxAbaque);
    else if (doc.AbaqueVisible)
        TracerAbaqueNichols(t, r, cible.size(), doc, mise.Abaque, lieuxAbaque);
    Axes(t, r, modePhases, mise);
    Noms(t, cible, r, mise);
    t.Cadre(r);
    const std::vector<TPointCourbe> courbe = Courbe(t, r, ech, modePhases.Continue(), mise);
    if (param.AffichageFrequence) {
        EtiquettesDecades(t, cible, r, ech, mise);
        DisquesDecades(t, r, ech, decades->Nombre, mise);
    }
    t.TitreUtilisateur(cible, r.PixBas + mise.TitreUtilisateur, param.Titre, "DTitre", true);
    if (marges) {
        const auto phaseMontree = [&](Reel w) {
            return modePhases.Degres({std::log10(w / DeuxPi), w / DeuxPi, ReponseFrequentielle(doc.Systeme, {0, w})});
        };
        MarquesMargesBlack(t, r, mise.RayonMarque, *marges, LecturesBlack(*marges, phaseMontree), courbe,
                           doc.ChiffresSignificatifs);
    }
    surface.restore();

    TTraceFrequentiel trace = TraceDecades(cible, *decades);
    ReleveGainsPhases(trace.Echelles, gains, phases);
    trace.Echelles.QuadrillageFin = param.QuadriFin;
    trace.Echelles.AbaqueVisible = doc.AbaqueVisible;
    ReleveCourbe(trace, TTypeDiagramme::Black, r, ech);
    return trace;
}
