#include "TraceBode.h"

#include <cmath>
#include <vector>

#include "AxePhasesLisible.h"
#include "CourbesFrequence.h"
#include "coeur/Document.h"
#include "coeur/EchantillonsFrequentiels.h"
#include "TraceMarges.h"
#include "coeur/PhasesAffichees.h"
#include "coeur/TextesValeurs.h"

namespace {
TRepere Repere(const QRect& cible, const TMiseEnPageBode& mise, Reel haut, Reel bas)
{
    return RepereDansCible(cible, mise.Gauche, mise.Droite, haut, bas);
}

std::vector<Reel> Phases(const std::vector<TEchantillonDiagramme>& ech)
{
    std::vector<Reel> phases(ech.size());
    for (std::size_t i = 0; i < ech.size(); ++i)
        phases[i] = ech[i].Phase;
    return phases;
}

template <typename Valeur>
std::vector<TPointCourbe> Points(const std::vector<TEchantillonDiagramme>& ech, Valeur valeur)
{
    std::vector<TPointCourbe> points(ech.size());
    for (std::size_t i = 0; i < ech.size(); ++i)
        points[i] = {ech[i].X, valeur(ech[i])};
    return points;
}

// Les deux cadres ont les mêmes colonnes.
void ReleveBode(TTraceFrequentiel& trace, const TRepere& gain, const TRepere& phase,
                const std::vector<TEchantillonDiagramme>& ech)
{
    RelevePoints(trace, TTypeDiagramme::Bode, ech, 0, [&](TPointFrequentiel& point, const TEchantillonDiagramme& e) {
        const std::optional<TPixel> g = VersPixelBorne(gain, e.X, e.Gain);
        const std::optional<TPixel> ph = VersPixelBorne(phase, e.X, e.Phase);
        point.PixelX = g ? g->X : ph ? ph->X : VersPixelBorne(gain, e.X, gain.YMin)->X;
        point.PixelY1 = g ? g->Y : PixelAbsent;
        point.PixelY2 = ph ? ph->Y : PixelAbsent;
    });
}

void NomDuCadre(TTraceur& t, const TRepere& r, const TMiseEnPageBode& mise, const QString& nom)
{
    t.Ecrire(r.PixGauche + mise.NomX, r.PixHaut + mise.NomY, nom, mise.TailleNoms, "DNom");
}

void AxeZero(TTraceur& t, const TRepere& r)
{
    t.Crayon("DAxe", t.Mise().EpaisseurAxe);
    t.Segment(r, r.XMin, 0, r.XMax, 0);
}

void TraceGain(TTraceur& t, const TRepere& gain, Reel pas, int nbDecades, const std::vector<TEchantillonDiagramme>& ech,
               const TMiseEnPageBode& mise)
{
    const std::vector<Reel> valeurs = Graduations(gain.YMin, gain.YMax, pas);
    const int chiffres = ChiffresGraduation(valeurs, pas);
    std::vector<QString> textes;
    for (const Reel v : valeurs)
        textes.push_back(QString::fromStdString(NombreEnTexte(v, chiffres)));
    t.LignesHorizontales(gain, valeurs, textes, mise.EcartGraduations);
    t.GrilleFrequences(gain, nbDecades, mise.Decades);
    AxeZero(t, gain);
    NomDuCadre(t, gain, mise, QStringLiteral("Gain (dB)"));
    t.EcrireAGauche(gain.PixDroite, gain.PixHaut - mise.TitreDiagramme, QStringLiteral("Diagramme de Bode"),
                    mise.TailleTitreDiagramme, "DNom");
    t.Cadre(gain);
    t.Crayon("DCourbe", mise.EpaisseurCourbe);
    t.Courbe(gain, Points(ech, [](const TEchantillonDiagramme& e) { return e.Gain; }));
}

void TracePhase(TTraceur& t, const TRepere& phase, Reel pas, int nbDecades, const TMiseEnPageBode& mise)
{
    std::vector<Reel> valeurs;
    std::vector<QString> textes;
    const int lignes = int(std::lround((phase.YMax - phase.YMin) / pas));
    for (int j = 0; j <= lignes; ++j) {
        valeurs.push_back(phase.YMin + pas * j);
        textes.push_back(QString::number(std::lround(valeurs.back())));
    }
    t.LignesHorizontales(phase, valeurs, textes, mise.EcartGraduations);
    t.GrilleFrequences(phase, nbDecades, mise.Decades);
    AxeZero(t, phase);
    NomDuCadre(t, phase, mise, QStringLiteral("Déphasage (degrés)"));
}

void CourbePhase(TTraceur& t, const TRepere& phase, const std::vector<TEchantillonDiagramme>& ech, bool continue_,
                 const TMiseEnPageBode& mise)
{
    t.Cadre(phase);
    t.Crayon("DCourbe", mise.EpaisseurCourbe);
    // Dans une plage fixe, un saut de 30° ou plus est un passage d'un bord à l'autre : pas de
    // trait. La phase continue ne saute pas, mais un retard la fait tourner vite entre deux
    // échantillons.
    t.Courbe(phase, Points(ech, [](const TEchantillonDiagramme& e) { return e.Phase; }),
             [continue_](const TPointCourbe& a, const TPointCourbe& b) {
                 return continue_ || std::abs(a.Y - b.Y) < 30;
             });
}

// La phase asymptotique est décalée du multiple de 360° qui la met sur la phase exacte affichée
// au bas des fréquences.
std::optional<TAsymptotesTracees> Asymptotes(QPainter& surface, const TDocument& doc, const TRepere& gain,
                                             const TRepere& phase, const std::vector<TEchantillonDiagramme>& ech,
                                             const TMiseEnPageBode& mise)
{
    const TPolynome& n = doc.Systeme.Numerateur;
    const TPolynome& d = doc.Systeme.Denominateur;
    if (!n.RacinesValides || !d.RacinesValides || EstPolynomeNul(n) || ech.empty())
        return std::nullopt;
    TAsymptotesTracees a{BodeAsymptotique(n, d), {}};
    TOptionsAsymptotes options;
    options.AvecRetard = doc.Systeme.TempsMort > 0;
    const Reel ecart = ech.front().Phase - PhaseAsymptotique(a.Bode, DeuxPi * std::pow(Reel(10), ech.front().X), false);
    options.DecalagePhase = 360 * std::nearbyint(ecart / 360);
    options.HauteurTrait = mise.Pouces(1.0L / 16);
    a.Dessin = TracerAsymptotes(surface, doc.SchemaCouleurs, mise, gain, phase, a.Bode, options);
    return a;
}
}

TMiseEnPageBode TMiseEnPageBode::Page(int resolution, bool couleur)
{
    TMiseEnPageBode m;
    m.PourLaPage(resolution, couleur);
    m.Gauche = 0.07L;
    m.Droite = 0.93L;
    m.GainBas = 0.47L;
    m.PhaseBas = 0.94L;
    m.NbPoints = 8000;
    m.EpaisseurCourbe = 2;
    m.EcartGraduations = 12;
    m.Decades.Reference = QStringLiteral("10l");
    m.Decades.Decalage10 = m.Pouces(0.057L);
    m.Decades.DecalageExposant = 2;
    m.NomX = m.Pouces(0.5L);
    m.NomY = -m.Pouces(0.21L);
    m.TitreDiagramme = m.Pouces(0.23L);
    return m;
}

std::optional<TTraceFrequentiel> TracerBode(QPainter& surface, const QRect& cible, const TDocument& doc,
                                            const TParamBode& param, const TMiseEnPageBode& mise,
                                            const TMarges* marges, std::optional<TAsymptotesTracees>* asymptotes)
{
    surface.save();
    TTraceur t(surface, doc.SchemaCouleurs, mise);
    t.RemplitFond(cible);

    const std::optional<TDecades> decades = ArrondiDecades(param.FreqMin, param.FreqMax);
    const std::optional<Reel> pas = PasGraduation(param.GainMax - param.GainMin, false);
    TRepere gain = Repere(cible, mise, mise.GainHaut, mise.GainBas);
    TRepere phase = Repere(cible, mise, mise.PhaseHaut, mise.PhaseBas);
    if (!decades || !pas || mise.NbPoints < 1 || gain.PixGauche >= gain.PixDroite || gain.PixHaut >= gain.PixBas ||
        phase.PixHaut >= phase.PixBas) {
        surface.restore();
        return std::nullopt;
    }
    const TBornes gains = BornesGraduees(param.GainMin, param.GainMax, *pas);
    gain.XMin = phase.XMin = decades->LogMin;
    gain.XMax = phase.XMax = decades->LogMax;
    gain.YMin = gains.Min;
    gain.YMax = gains.Max;
    const TPhasesAffichees modePhases(doc.Systeme, doc.PhaseSymetrique, doc.PhaseContinue);
    const std::vector<TEchantillonDiagramme> ech =
        Echantillonne(doc.Systeme, modePhases, *decades, 0, mise.NbPoints, TCalculEchantillon::GainPhase);
    const TAxePhases axe = AxePhasesLisible(t, modePhases, Phases(ech), phase.PixBas - phase.PixHaut, TSensAxe::Hauteur);
    phase.YMin = axe.Bornes.Min;
    phase.YMax = axe.Bornes.Max;

    TraceGain(t, gain, *pas, decades->Nombre, ech, mise);
    TracePhase(t, phase, axe.Pas, decades->Nombre, mise);
    t.TitreUtilisateur(cible, phase.PixBas + mise.TitreUtilisateur, param.Titre, "DNom");
    CourbePhase(t, phase, ech, modePhases.Continue(), mise);
    if (marges)
        MarquesMargesBode(t, gain, phase, *marges, Points(ech, [](const TEchantillonDiagramme& e) { return e.Gain; }),
                          doc.ChiffresSignificatifs);
    if (asymptotes)
        *asymptotes = Asymptotes(surface, doc, gain, phase, ech, mise);
    surface.restore();

    TTraceFrequentiel trace = TraceDecades(cible, *decades);
    ReleveGainsPhases(trace.Echelles, gains, axe.Bornes);
    ReleveBode(trace, gain, phase, ech);
    return trace;
}
