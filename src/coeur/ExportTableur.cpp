#include "ExportTableur.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

#include "EchantillonsFrequentiels.h"
#include "PhasesAffichees.h"
#include "GrandeursPoints.h"
#include "TextesValeurs.h"
#include "numerique/Arrondis.h"
#include "numerique/Reponses.h"
#include "numerique/VersBoucleOuverte.h"

namespace {

static_assert(LieuxAbaqueMax == 2 * NbValeursAbaqueMax, "une paire de colonnes par lieu de l'abaque");

// Au-delà, deux points voisins d'un lieu de l'abaque sont de part et d'autre d'un bord.
constexpr Reel SautPhase = 30;

TDecades DecadesDuTrace(const TEchellesFrequentielles& e)
{
    return {e.FreqMin, e.FreqMax, e.LogFreqMin, e.LogFreqMax, 0};
}

void EcritEntetes(TClasseur& c, int feuille, const QStringList& titres)
{
    for (int k = 0; k < titres.size(); ++k)
        c.EcritTexte(feuille, LigneEntetes, k + 1, titres[k]);
}

// Phase continue de l'échantillon : elle dit de combien la phase a vraiment tourné depuis
// l'échantillon précédent, si vite soit-elle.
Reel PhaseDeroulee(const TPhasesAffichees& deroulee, const TEchantillonDiagramme& e)
{
    return deroulee.Degres(TEchantillonFrequentiel{e.X, e.Frequence, e.Reponse});
}

// La phase écrite a sauté d'un bord de sa plage à l'autre : elle a bougé d'un tour de plus
// (ou de moins) que la phase continue. Une chute raide mais continue n'en est pas un.
bool PasseUnBord(Reel ecrite, Reel ecritePrecedente, Reel continue_, Reel continuePrecedente)
{
    return std::abs((ecrite - ecritePrecedente) - (continue_ - continuePrecedente)) > 180;
}

// Une ligne vide là où la phase écrite passe d'un bord de sa plage à l'autre, pour que la
// courbe du graphique ne traverse pas le cadre.
void EcritEchantillons(TClasseur& c, int feuille, const TDocument& doc, const TEchellesFrequentielles& echelles, int n,
                       const TAvanceExport& avance)
{
    const TTypeDiagramme type = doc.TypeDiagramme;
    const std::vector<TGrandeur>& colonnes = ColonnesTableur(type == TTypeDiagramme::Aucun ? TTypeDiagramme::Nyquist
                                                                                           : type);
    QStringList titres;
    for (const TGrandeur g : colonnes)
        titres << TitreTableur(g);
    EcritEntetes(c, feuille, titres);
    const std::vector<TEchantillonDiagramme> ech =
        Echantillonne(doc.Systeme, TPhasesAffichees(doc.Systeme, doc.PhaseSymetrique, doc.PhaseContinue),
                      DecadesDuTrace(echelles), 0, n - 1, TCalculEchantillon::GainPhase);
    const bool lignesVides = type == TTypeDiagramme::Bode || type == TTypeDiagramme::Black;
    const TPhasesAffichees deroulee(doc.Systeme, doc.PhaseSymetrique, true);
    int ligne = PremiereLigne;
    Reel precedente = ech.front().Phase;
    Reel continuePrecedente = PhaseDeroulee(deroulee, ech.front());
    for (const TEchantillonDiagramme& e : ech) {
        const Reel continue_ = PhaseDeroulee(deroulee, e);
        if (lignesVides && PasseUnBord(e.Phase, precedente, continue_, continuePrecedente)) {
            for (std::size_t k = 0; k < colonnes.size(); ++k)
                c.Vide(feuille, ligne, int(k) + 1);
            ++ligne;
        }
        precedente = e.Phase;
        continuePrecedente = continue_;
        for (std::size_t k = 0; k < colonnes.size(); ++k)
            c.EcritNombre(feuille, ligne, int(k) + 1, ValeurEchantillon(e, colonnes[k]));
        ++ligne;
        avance();
    }
}

// Les bornes des échelles sont des multiples ronds de leur pas, au bruit du calcul près : on
// les écrit comme l'écran les montre (-0,05 et non -0,0499999999). `grandeur` fixe le rang
// des chiffres gardés : l'étendue d'un axe linéaire, la borne elle-même pour une décade.
Reel BorneRonde(Reel borne, Reel grandeur)
{
    grandeur = std::abs(grandeur);
    if (!(grandeur > 0) || !std::isfinite(grandeur) || !std::isfinite(borne))
        return borne;
    // Par une puissance de dix entière, exacte : 0,01 reste le 0,01 de l'écran.
    const Reel rang = std::floor(std::log10(grandeur)) - 5;
    const Reel puissance = std::pow(Reel(10), std::abs(rang));
    return rang < 0 ? std::nearbyint(borne * puissance) / puissance : std::nearbyint(borne / puissance) * puissance;
}

void RegleBornes(TClasseur& c, int feuille, int graphique, int axe, Reel min, Reel max)
{
    c.RegleAxe(feuille, graphique, axe, TReglageAxe::Maximum, BorneRonde(max, max - min));
    c.RegleAxe(feuille, graphique, axe, TReglageAxe::Minimum, BorneRonde(min, max - min));
}

void RegleDecades(TClasseur& c, int feuille, int graphique, const TEchellesFrequentielles& e)
{
    c.RegleAxe(feuille, graphique, 1, TReglageAxe::Maximum, BorneRonde(e.FreqMax, e.FreqMax));
    c.RegleAxe(feuille, graphique, 1, TReglageAxe::Minimum, BorneRonde(e.FreqMin, e.FreqMin));
}

bool ContientUnDe(const QString& titre, const QStringList& mots)
{
    return std::any_of(mots.begin(), mots.end(), [&](const QString& m) { return titre.contains(m); });
}

// Le dernier graphique de la feuille dont le titre contient l'un des mots ; 0 sans lui.
int DernierGraphique(TClasseur& c, int feuille, int nombre, const QStringList& mots)
{
    int trouve = 0;
    for (int k = 1; k <= nombre; ++k)
        if (ContientUnDe(c.TitreGraphique(feuille, k), mots))
            trouve = k;
    return trouve;
}

// Un modèle à un seul graphique reçoit ses données sans que ses axes soient touchés.
void AxesBode(TClasseur& c, const TEchellesFrequentielles& e)
{
    const int feuille = FeuilleDiagramme(TTypeDiagramme::Bode);
    const int nombre = c.NombreGraphiques(feuille);
    if (nombre < 2)
        return;
    const QStringList motsGain{QStringLiteral("gain"), QStringLiteral("Gain"), QStringLiteral("GAIN")};
    const QStringList motsPhase{QStringLiteral("phase"),    QStringLiteral("Phase"),    QStringLiteral("PHASE"),
                                QStringLiteral("argument"), QStringLiteral("Argument"), QStringLiteral("ARGUMENT")};
    if (const int gain = DernierGraphique(c, feuille, nombre, motsGain)) {
        RegleBornes(c, feuille, gain, 2, e.GainMin, e.GainMax);
        RegleDecades(c, feuille, gain, e);
    }
    if (const int phase = DernierGraphique(c, feuille, nombre, motsPhase)) {
        RegleDecades(c, feuille, phase, e);
        RegleBornes(c, feuille, phase, 2, e.PhaseMin, e.PhaseMax);
    }
}

// Les autres feuilles règlent leur premier graphique, quand elles en ont un.
void AxesPremierGraphique(TClasseur& c, int feuille, TBornes x, TBornes y)
{
    if (c.NombreGraphiques(feuille) < 1)
        return;
    RegleBornes(c, feuille, 1, 1, x.Min, x.Max);
    RegleBornes(c, feuille, 1, 2, y.Min, y.Max);
}

Reel Miroir(Reel phase, bool symetrique)
{
    return symetrique ? -phase : -360 - phase;
}

void EcritPointAbaque(TClasseur& c, int ligne, int ligneMiroir, int colonne, TGainPhase p, bool symetrique)
{
    const int feuille = FeuilleDiagramme(TTypeDiagramme::Black);
    c.EcritNombre(feuille, ligne, colonne, p.Phase);
    c.EcritNombre(feuille, ligne, colonne + 1, p.Gain);
    c.EcritNombre(feuille, ligneMiroir, colonne, Miroir(p.Phase, symetrique));
    c.EcritNombre(feuille, ligneMiroir, colonne + 1, p.Gain);
}

// Gain constant en boucle fermée : de -0,001° à -10° puis jusqu'à -179,999°, et son miroir
// qui remonte. Un point du premier tronçon trop loin du précédent n'est pas écrit.
void LieuGainConstant(TClasseur& c, int colonne, Reel gain, bool symetrique)
{
    const int feuille = FeuilleDiagramme(TTypeDiagramme::Black);
    c.EcritTexte(feuille, LigneNomLieu, colonne + 1, TexteFixe(gain, 4, 1).trimmed() + QStringLiteral(" dB"));
    Reel precedente = 0;
    for (int s = 0; s < PointsGainPremierTroncon; ++s) {
        const Reel phase = s == 0 ? Reel(-0.001L) : -10 * Reel(s) / (PointsGainPremierTroncon - 1);
        const TGainPhase p = VersBoucleOuverte(gain, phase, symetrique);
        if (s == 0 || std::abs(p.Phase - precedente) < SautPhase)
            EcritPointAbaque(c, PremiereLigneLieu + s, LigneMiroirGain(s), colonne, p, symetrique);
        precedente = p.Phase;
    }
    for (int s = 0; s < PointsGainSecondTroncon; ++s) {
        const Reel phase = s + 1 < PointsGainSecondTroncon ? -10 - 170 * Reel(s + 1) / PointsGainSecondTroncon
                                                           : Reel(-179.999L);
        const int point = PointsGainPremierTroncon + s;
        EcritPointAbaque(c, PremiereLigneLieu + point, LigneMiroirGain(point), colonne,
                         VersBoucleOuverte(gain, phase, symetrique), symetrique);
    }
}

// Phase constante en boucle fermée : gains de +15 dB à -60,5 dB, resserrés près de 0 dB.
void LieuPhaseConstante(TClasseur& c, int colonne, Reel phase, bool symetrique)
{
    const int feuille = FeuilleDiagramme(TTypeDiagramme::Black);
    c.EcritTexte(feuille, LigneNomLieu, colonne + 1, TexteFixe(phase, 4, 0).trimmed() + QStringLiteral(" °"));
    for (int k = 0; k < PointsPhase; ++k) {
        const Reel u = Reel(k) / (PointsPhase - 1);
        const Reel gain = ((-91 * u + 25) * u - 9.5L) * u + 15;
        EcritPointAbaque(c, PremiereLigneLieu + k, LigneMiroirPhase(k), colonne,
                         VersBoucleOuverte(gain, phase, symetrique), symetrique);
    }
}

void Abaque(TClasseur& c, const TDocument& doc, const TAvanceExport& avance)
{
    const int nbGains = int(doc.AbaqueGains.size());
    for (int m = 0; m < nbGains; ++m) {
        LieuGainConstant(c, ColonneLieu(m), doc.AbaqueGains[std::size_t(m)], doc.PhaseSymetrique);
        avance();
    }
    for (int q = 0; q < int(doc.AbaquePhases.size()); ++q) {
        LieuPhaseConstante(c, ColonneLieu(nbGains + q), doc.AbaquePhases[std::size_t(q)], doc.PhaseSymetrique);
        avance();
    }
}

bool AvecAbaque(const TDocument& doc, const TEchellesFrequentielles& echelles)
{
    return doc.TypeDiagramme == TTypeDiagramme::Black && echelles.AbaqueVisible;
}

int EchantillonsDe(TTypeDiagramme type)
{
    switch (type) {
    case TTypeDiagramme::Bode: return EchantillonsBode;
    case TTypeDiagramme::Black: return EchantillonsBlack;
    default: return EchantillonsNyquist;
    }
}
}

int FeuilleDiagramme(TTypeDiagramme type)
{
    switch (type) {
    case TTypeDiagramme::Bode: return FeuilleBode;
    case TTypeDiagramme::Black: return FeuilleBlack;
    default: return FeuilleNyquist;
    }
}

int FeuilleReponse(TTypeReponse type)
{
    return type == TTypeReponse::Rampe ? FeuilleRampe : FeuilleEchelon;
}

int EtapesExportDiagramme(const TDocument& doc, const TEchellesFrequentielles& echelles)
{
    const int lieux = AvecAbaque(doc, echelles) ? int(doc.AbaqueGains.size() + doc.AbaquePhases.size()) : 0;
    return EchantillonsDe(doc.TypeDiagramme) + lieux;
}

int EtapesExportReponse()
{
    return IntervallesReponse + 1;
}

void ExporteDiagramme(TClasseur& c, const TDocument& doc, const TEchellesFrequentielles& e, const TAvanceExport& avance)
{
    const TTypeDiagramme type = doc.TypeDiagramme;
    const int feuille = FeuilleDiagramme(type);
    c.ActiveFeuille(feuille);
    EcritEchantillons(c, feuille, doc, e, EchantillonsDe(type), avance);
    switch (type) {
    case TTypeDiagramme::Bode:
        AxesBode(c, e);
        break;
    case TTypeDiagramme::Black:
        if (AvecAbaque(doc, e))
            Abaque(c, doc, avance);
        AxesPremierGraphique(c, feuille, {e.PhaseMin, e.PhaseMax}, {e.GainMin, e.GainMax});
        break;
    default:
        AxesPremierGraphique(c, feuille, {e.ReelMin, e.ReelMax}, {e.ImMin, e.ImMax});
        break;
    }
}

TUniteTemps UniteTemps(Reel pasTemps)
{
    static const char* const noms[] = {"s", "ms", "µs", "ns", "ps", "fs"};
    const Reel rang = pasTemps > 0 ? std::trunc((1 - Log10(pasTemps)) / 3) : 0;
    const int k = rang > 0 ? int(std::min(rang, Reel(5))) : 0;
    return {QString::fromUtf8(noms[k]), Puiss10(3 * Reel(k))};
}

// Les instants partent de 0 et tombent sur des temps ronds : TMax, multiple du pas de
// graduation, est partagé en 1000 intervalles.
void ExporteReponse(TClasseur& c, const TDocument& doc, const TValeursTemporelles& v, const TAvanceExport& avance)
{
    const bool echelon = doc.TypeReponse != TTypeReponse::Rampe;
    const int feuille = FeuilleReponse(doc.TypeReponse);
    const TUniteTemps unite = UniteTemps(v.PasTemps);
    const Reel tMax = v.TMaxTrace * unite.Facteur;
    // Des échelles jamais tracées ne donnent aucun instant.
    if (!(v.TMaxTrace > v.TMinTrace) || !(tMax > 0) || !std::isfinite(tMax))
        throw TErreurClasseur("échelles de la réponse inutilisables");
    const QString titreTemps = QStringLiteral("t (") + unite.Nom + QStringLiteral(")");
    c.ActiveFeuille(feuille);
    EcritEntetes(c, feuille, {titreTemps, QStringLiteral("entrée"), QStringLiteral("sortie")});
    for (int j = 0; j <= IntervallesReponse; ++j) {
        const Reel temps = BorneRonde(j * tMax / IntervallesReponse, tMax);
        const Reel t = temps / unite.Facteur;
        const Reel entree = t <= 0 ? v.ConsI : echelon ? v.ConsF : v.ConsI + v.Pente * t;
        const Reel sortie = echelon ? ReponseEchelon(doc.Systeme, t, doc.Systeme.TempsMort, v.ConsI, v.ConsF, v.SortieInitiale)
                                    : ReponseRampe(doc.Systeme, t, doc.Systeme.TempsMort, v.Pente, v.SortieInitiale);
        const int ligne = PremiereLigne + j;
        c.EcritNombre(feuille, ligne, ColonneTemps, temps);
        c.EcritNombre(feuille, ligne, ColonneEntree, entree);
        c.EcritNombre(feuille, ligne, ColonneSortie, sortie);
        avance();
    }
    if (c.NombreGraphiques(feuille) < 1)
        return;
    RegleBornes(c, feuille, 1, 1, v.TMinTrace * unite.Facteur, tMax);
    c.RegleAxe(feuille, 1, 1, TReglageAxe::Graduation, BorneRonde(v.PasTemps * unite.Facteur, tMax));
    c.TitreAxe(feuille, 1, 1, titreTemps);
    c.TitreAxe(feuille, 1, 2, QStringLiteral("entrée et réponse (") + v.UniteSortie + QStringLiteral(")"));
    RegleBornes(c, feuille, 1, 2, v.YMinTrace, v.YMaxTrace);
    c.RegleAxe(feuille, 1, 2, TReglageAxe::Graduation, BorneRonde(v.PasSortie, v.YMaxTrace - v.YMinTrace));
}
