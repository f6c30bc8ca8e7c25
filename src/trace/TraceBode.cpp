#include "TraceBode.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <array>
#include <climits>
#include <cmath>
#include <vector>

#include "coeur/Document.h"
#include "CouleurQt.h"
#include "coeur/EchantillonsFrequentiels.h"
#include "Graphisme.h"

namespace {
struct TEchantillonBode {
    Reel X = 0;
    Reel Frequence = 0;
    Reel Gain = 0;
    Reel Phase = 0;
};

class TDessinBode {
public:
    TDessinBode(QPainter& p, const TDocument& doc, const TMiseEnPageBode& mise) : P(p), Doc(doc), Mise(mise) {}

    QColor Couleur(const char* cle) const
    {
        return Mise.Couleur ? CouleurQt(CouleurDe(Doc.SchemaCouleurs, QString::fromLatin1(cle))) : QColor(Qt::black);
    }

    void Crayon(const char* cle, int epaisseur = 1, Qt::PenStyle style = Qt::SolidLine)
    {
        P.setPen(QPen(Couleur(cle), epaisseur, style));
    }

    // Texte placé par son coin haut gauche ; rend la largeur écrite.
    int Ecrire(int x, int y, const QString& texte, Reel taille, const char* cle)
    {
        const QFont police = Police(taille);
        const QFontMetrics mesure(police, P.device());
        P.setFont(police);
        P.setPen(Couleur(cle));
        P.drawText(x, y + mesure.ascent(), texte);
        return mesure.horizontalAdvance(texte);
    }

    QFontMetrics Mesure(Reel taille) const { return QFontMetrics(Police(taille), P.device()); }

    void Graduation(const TRepere& r, Reel y, const QString& texte)
    {
        const std::optional<TPixel> pix = VersPixelBorne(r, r.XMin, y);
        if (!pix)
            return;
        const QFontMetrics m = Mesure(Mise.TailleGraduations);
        Ecrire(pix->X - m.horizontalAdvance(texte) - Mise.EcartGraduations, pix->Y - m.height() / 2, texte,
               Mise.TailleGraduations, "DEchelle");
    }

    void EtiquetteDecade(const TRepere& r, Reel x, int demiLargeur)
    {
        const std::optional<TPixel> pix = VersPixelBorne(r, x, r.YMin);
        if (!pix)
            return;
        const int gauche = pix->X - demiLargeur;
        const int largeur = Ecrire(gauche, pix->Y + Mise.DecalageDecade, QStringLiteral("10"), Mise.TailleDecade,
                                   "DEchelle");
        Ecrire(gauche + largeur, pix->Y + Mise.DecalageExposant, QString::number(std::lround(x)), Mise.TailleExposant,
               "DEchelle");
    }

    // Une étiquette toutes les 1, 2, 5, 10, 20… décades : assez pour qu'elles ne se touchent
    // pas quand les décades se serrent ; à chaque décade dans un diagramme ordinaire.
    int DecadesParEtiquette(const TRepere& r, int nbDecades) const
    {
        constexpr int Ecart = 3;
        const int dix = Mesure(Mise.TailleDecade).horizontalAdvance(QStringLiteral("10"));
        const QFontMetrics exposant = Mesure(Mise.TailleExposant);
        const int largeur = dix + Ecart + std::max(exposant.horizontalAdvance(QString::number(std::lround(r.XMin))),
                                                   exposant.horizontalAdvance(QString::number(std::lround(r.XMax))));
        const Reel pixelsParDecade = Reel(r.PixDroite - r.PixGauche) / nbDecades;
        constexpr int Facteurs[] = {1, 2, 5};
        for (int puissance = 1; puissance < nbDecades; puissance *= 10)
            for (const int f : Facteurs)
                if (f * puissance * pixelsParDecade > largeur)
                    return f * puissance;
        return nbDecades;
    }

    // Lignes pleines aux décades, pointillées aux multiples entre elles, étiquettes sous le
    // cadre. Quand les décades se serrent à quelques pixels, une ligne qui tombe sur une
    // colonne déjà tracée n'ajoute rien : elle n'est pas redessinée, et des lignes pleines
    // sur des colonnes voisines ne font plus qu'un rectangle.
    void GrilleFrequences(const TRepere& r, int nbDecades)
    {
        std::vector<int> colonnes(std::size_t(nbDecades) + 1);
        for (int i = 0; i <= nbDecades; ++i)
            colonnes[std::size_t(i)] = Colonne(r, r.XMin + i);
        Crayon("DQuadrillage", 1, Qt::SolidLine);
        for (std::size_t debut = 0, fin = 0; debut < colonnes.size(); debut = fin) {
            fin = debut + 1;
            while (fin < colonnes.size() && static_cast<long long>(colonnes[fin]) - colonnes[fin - 1] <= 1)
                ++fin;
            if (colonnes[fin - 1] == colonnes[debut])
                TracerSegment(r, P, r.XMin + Reel(debut), r.YMin, r.XMin + Reel(debut), r.YMax, TBornage::Borne);
            else
                P.fillRect(QRect(QPoint(colonnes[debut], r.PixHaut), QPoint(colonnes[fin - 1], r.PixBas)),
                           P.pen().color());
        }
        Crayon("DQuadrillage", 1, Qt::DotLine);
        for (int i = 0; i < nbDecades; ++i) {
            int derniere = colonnes[std::size_t(i)];
            for (int j = 2; j <= 9; ++j) {
                const Reel x = r.XMin + i + LogMultiple(j);
                const int colonne = Colonne(r, x);
                if (colonne != derniere && colonne != colonnes[std::size_t(i) + 1])
                    TracerSegment(r, P, x, r.YMin, x, r.YMax, TBornage::Borne);
                derniere = colonne;
            }
        }
        const int demiLargeur = Mesure(Mise.TailleDecade).horizontalAdvance(Mise.ReferenceDecade) / 2;
        const int pas = DecadesParEtiquette(r, nbDecades);
        for (int i = 0; i <= nbDecades; ++i)
            if (std::lround(r.XMin + i) % pas == 0)
                EtiquetteDecade(r, r.XMin + i, demiLargeur);
    }

    void AxeZero(const TRepere& r)
    {
        Crayon("DAxe", Mise.EpaisseurAxe);
        TracerSegment(r, P, r.XMin, 0, r.XMax, 0, TBornage::Borne);
    }

    void Nom(const TRepere& r, const QString& texte)
    {
        Ecrire(r.PixGauche + Mise.NomX, r.PixHaut + Mise.NomY, texte, Mise.TailleNoms, "DNom");
    }

    void Cadre(const TRepere& r)
    {
        Crayon("DCadre", 1);
        const QPoint fin[] = {{r.PixDroite, r.PixHaut}, {r.PixGauche, r.PixHaut}, {r.PixGauche, r.PixBas}};
        P.drawPolyline(fin, 3);
        Crayon("DCadre", Mise.EpaisseurCadre);
        const QPoint epais[] = {{r.PixGauche + 1, r.PixBas}, {r.PixDroite, r.PixBas}, {r.PixDroite, r.PixHaut + 1}};
        P.drawPolyline(epais, 3);
    }

    // Les segments découpés qui se suivent forment une seule polyligne.
    template <typename Valeur, typename Relie>
    void Courbe(const TRepere& r, const std::vector<TEchantillonBode>& ech, Valeur valeur, Relie relie)
    {
        Crayon("DCourbe", Mise.EpaisseurCourbe);
        QPolygon trace;
        trace.reserve(int(ech.size()));
        for (std::size_t i = 1; i < ech.size(); ++i) {
            const Reel y0 = valeur(ech[i - 1]);
            const Reel y1 = valeur(ech[i]);
            if (!std::isfinite(y0) || !std::isfinite(y1) || !relie(y0, y1))
                continue;
            const std::optional<TSegmentPixel> s = DecoupeSegment(r, ech[i - 1].X, y0, ech[i].X, y1, TBornage::Borne);
            if (!s)
                continue;
            const QPoint debut(s->Debut.X, s->Debut.Y);
            if (trace.isEmpty() || trace.last() != debut) {
                Termine(trace);
                trace << debut;
            }
            // Un point répété en fin de polyligne en effacerait le dernier pixel.
            const QPoint fin(s->Fin.X, s->Fin.Y);
            if (fin != debut)
                trace << fin;
        }
        Termine(trace);
    }

private:
    static Reel LogMultiple(int j)
    {
        static const std::array<Reel, 10> logs = [] {
            std::array<Reel, 10> l{};
            for (int k = 1; k <= 9; ++k)
                l[std::size_t(k)] = Log10(k);
            return l;
        }();
        return logs[std::size_t(j)];
    }

    static int Colonne(const TRepere& r, Reel x)
    {
        const std::optional<TPixel> pix = VersPixelBorne(r, x, r.YMin);
        return pix ? pix->X : INT_MIN;
    }

    static QFont Police(Reel taille)
    {
        QFont police(QStringLiteral("Arial"));
        police.setPointSizeF(double(taille));
        return police;
    }

    void Termine(QPolygon& trace)
    {
        if (trace.size() >= 2)
            P.drawPolyline(trace);
        trace.clear();
    }

    QPainter& P;
    const TDocument& Doc;
    const TMiseEnPageBode& Mise;
};

TRepere Repere(const QRect& cible, const TMiseEnPageBode& mise, Reel haut, Reel bas)
{
    const Reel w = cible.width();
    const Reel h = cible.height();
    TRepere r;
    r.PixGauche = cible.left() + int(std::nearbyint(mise.Gauche * w));
    r.PixDroite = cible.left() + int(std::nearbyint(mise.Droite * w));
    r.PixHaut = cible.top() + int(std::nearbyint(haut * h));
    r.PixBas = cible.top() + int(std::nearbyint(bas * h));
    return r;
}

std::vector<TEchantillonBode> Echantillonne(const TDocument& doc, const TDecades& d, int n)
{
    std::vector<TEchantillonBode> ech(std::size_t(n) + 1);
    for (int i = 0; i <= n; ++i) {
        const TEchantillonFrequentiel e = EchantillonFrequentiel(doc, d, i, n);
        ech[std::size_t(i)] = {e.X, e.Frequence, GainDecibels(e.Reponse), PhaseDegres(e.Reponse, doc.PhaseSymetrique)};
    }
    return ech;
}

void Memorise(TDocument& doc, const TRepere& gain, const TRepere& phase, const std::vector<TEchantillonBode>& ech)
{
    for (std::size_t i = 0; i < ech.size(); ++i) {
        const TEchantillonBode& e = ech[i];
        const std::optional<TPixel> g = VersPixelBorne(gain, e.X, e.Gain);
        const std::optional<TPixel> ph = VersPixelBorne(phase, e.X, e.Phase);
        TPointFrequentiel& point = doc.PointsFrequentiels[int(i)];
        point.Frequence = e.Frequence;
        point.Valeur1 = e.Gain;
        point.Valeur2 = e.Phase;
        // Les deux cadres ont les mêmes colonnes.
        point.PixelX = g ? g->X : ph ? ph->X : VersPixelBorne(gain, e.X, gain.YMin)->X;
        point.PixelY1 = g ? g->Y : PixelAbsent;
        point.PixelY2 = ph ? ph->Y : PixelAbsent;
    }
}
}

bool TracerBode(QPainter& surface, const QRect& cible, TDocument& doc, const TParamBode& param,
                const TMiseEnPageBode& mise)
{
    const bool memorise = mise.MemoriseEchantillons && mise.NbPoints <= IndicePointMax;
    TEchellesFrequentielles& echelles = doc.EchellesFrequentielles;
    if (memorise) {
        echelles.NbPoints = 0;
        echelles.ZoneGauche = cible.left();
        echelles.ZoneDroite = cible.left() + cible.width();
        echelles.ZoneHaut = cible.top();
        echelles.ZoneBas = cible.top() + cible.height();
    }
    surface.save();
    TDessinBode dessin(surface, doc, mise);
    if (mise.RemplitFond)
        surface.fillRect(cible, mise.Couleur ? dessin.Couleur("DFond") : QColor(Qt::white));

    const std::optional<TDecades> decades = ArrondiDecades(param.FreqMin, param.FreqMax);
    const std::optional<Reel> pas = PasGraduation(param.GainMax - param.GainMin, false);
    TRepere gain = Repere(cible, mise, mise.GainHaut, mise.GainBas);
    TRepere phase = Repere(cible, mise, mise.PhaseHaut, mise.PhaseBas);
    if (!decades || !pas || mise.NbPoints < 1 || gain.PixGauche >= gain.PixDroite || gain.PixHaut >= gain.PixBas ||
        phase.PixHaut >= phase.PixBas) {
        surface.restore();
        return false;
    }
    const TBornes gains = BornesGraduees(param.GainMin, param.GainMax, *pas);
    gain.XMin = phase.XMin = decades->LogMin;
    gain.XMax = phase.XMax = decades->LogMax;
    gain.YMin = gains.Min;
    gain.YMax = gains.Max;
    const TPlagePhase plage = PlagePhase(doc.PhaseSymetrique);
    phase.YMin = plage.Min;
    phase.YMax = plage.Max;
    const std::vector<TEchantillonBode> ech = Echantillonne(doc, *decades, mise.NbPoints);

    const std::vector<Reel> valeurs = Graduations(gain.YMin, gain.YMax, *pas);
    const int chiffres = ChiffresGraduation(valeurs, *pas);
    for (const Reel v : valeurs) {
        dessin.Crayon("DQuadrillage");
        TracerSegment(gain, surface, gain.XMin, v, gain.XMax, v, TBornage::Borne);
        dessin.Graduation(gain, v, QString::fromStdString(NombreEnTexte(v, chiffres)));
    }
    dessin.GrilleFrequences(gain, decades->Nombre);
    dessin.AxeZero(gain);
    dessin.Nom(gain, QStringLiteral("Gain (dB)"));
    const QString titreBode = QStringLiteral("Diagramme de Bode");
    dessin.Ecrire(gain.PixDroite - dessin.Mesure(mise.TailleTitreDiagramme).horizontalAdvance(titreBode),
                  gain.PixHaut - mise.TitreDiagramme, titreBode, mise.TailleTitreDiagramme, "DNom");
    dessin.Cadre(gain);
    dessin.Courbe(gain, ech, [](const TEchantillonBode& e) { return e.Gain; }, [](Reel, Reel) { return true; });

    for (int j = 0; j <= 8; ++j) {
        const Reel valeur = phase.YMin + 45 * j;
        dessin.Crayon("DQuadrillage");
        TracerSegment(phase, surface, phase.XMin, valeur, phase.XMax, valeur, TBornage::Borne);
        dessin.Graduation(phase, valeur, QString::number(std::lround(valeur)));
    }
    dessin.GrilleFrequences(phase, decades->Nombre);
    dessin.AxeZero(phase);
    dessin.Nom(phase, QStringLiteral("Déphasage (degrés)"));
    if (mise.AvecTitreUtilisateur && !param.Titre.isEmpty())
        dessin.Ecrire(cible.left() + (cible.width() - dessin.Mesure(mise.TailleTitreUtilisateur).horizontalAdvance(param.Titre)) / 2,
                      phase.PixBas + mise.TitreUtilisateur, param.Titre, mise.TailleTitreUtilisateur, "DNom");
    dessin.Cadre(phase);
    // Un saut de 30° ou plus est un passage d'un bord à l'autre de la plage : pas de trait.
    dessin.Courbe(phase, ech, [](const TEchantillonBode& e) { return e.Phase; },
                  [](Reel avant, Reel apres) { return std::abs(avant - apres) < 30; });
    surface.restore();

    if (memorise) {
        echelles.FreqMin = decades->FreqMin;
        echelles.FreqMax = decades->FreqMax;
        echelles.LogFreqMin = decades->LogMin;
        echelles.LogFreqMax = decades->LogMax;
        echelles.GainMin = gains.Min;
        echelles.GainMax = gains.Max;
        echelles.PhaseMin = phase.YMin;
        echelles.PhaseMax = phase.YMax;
        Memorise(doc, gain, phase, ech);
        echelles.NbPoints = mise.NbPoints;
    }
    return true;
}
