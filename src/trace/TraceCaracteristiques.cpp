#include "TraceCaracteristiques.h"
#include "coeur/TextesValeurs.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStringList>

#include "Traceur.h"

namespace {

QString Nombre(Reel x) { return QString::fromStdString(NombreEnTexte(x, 4)); }

int Bord(const TRepere& r, Reel y)
{
    const std::optional<TPixel> p = VersPixelDedans(r, r.XMin, y);
    return p ? p->Y : -1;
}

// Trait vertical sur le bord bas du cadre, son nom au-dessus ; le pied du trait, s'il est dedans.
std::optional<QPoint> TraitTemps(TTraceur& t, const TRepere& r, Reel temps, const QString& nom, int hauteur, int rang)
{
    const std::optional<TPixel> pied = temps > r.XMin && temps < r.XMax ? VersPixel(r, temps, r.YMin) : std::nullopt;
    if (!pied)
        return std::nullopt;
    t.Surface().drawLine(pied->X, pied->Y, pied->X, pied->Y - hauteur);
    const int ligne = t.Mesure(t.Mise().TailleGraduations).height();
    t.EcrireSurFond(pied->X + 2, pied->Y - hauteur - ligne * (1 + rang), nom, t.Mise().TailleGraduations, "DNom");
    return QPoint(pied->X, pied->Y);
}

// Les valeurs de la réponse tracée (échelon d'amplitude quelconque, niveau de départ) ; le
// dépassement en % et les temps ne dépendent pas de l'amplitude.
QStringList Lignes(const TCaracteristiques& c, const TOptionsCaracteristiques& o)
{
    const auto niveau = [&](Reel y) { return o.Depart + o.Echelon * y; };
    const bool deux = o.BandeDeuxPourCent;
    QStringList l;
    l << QStringLiteral("Valeur finale : ") + Nombre(niveau(c.ValeurFinale));
    l << QStringLiteral("Dépassement : ") + Nombre(c.DepassementPct) + QStringLiteral(" %");
    if (c.Pic)
        l << QStringLiteral("Temps de pic : ") + Nombre(c.TempsPic) + QStringLiteral(" s");
    l << QStringLiteral("Temps de montée (10-90 %) : ") + Nombre(c.TempsMontee) + QStringLiteral(" s");
    l << (deux ? QStringLiteral("Temps de réponse à 2 % : ") + Nombre(c.TempsReponse2)
               : QStringLiteral("Temps de réponse à 5 % : ") + Nombre(c.TempsReponse5))
             + QStringLiteral(" s");
    if (c.SousDepassement)
        l << QStringLiteral("Sous-dépassement : ") + Nombre(niveau(c.ValeurSousDepassement)) + QStringLiteral(" à ")
                 + Nombre(c.TempsSousDepassement) + QStringLiteral(" s");
    return l;
}

// Les lignes dans le coin haut droit du cadre, sur le fond.
QRect Cartouche(TTraceur& t, const TRepere& r, const QStringList& lignes)
{
    const Reel taille = t.Mise().TailleNoms;
    const int hauteur = t.Mesure(taille).height();
    int largeur = 0;
    for (const QString& l : lignes)
        largeur = std::max(largeur, t.Largeur(l, taille));
    const QRect cadre(r.PixDroite - largeur - 16, r.PixHaut + 4, largeur + 12, hauteur * int(lignes.size()) + 2);
    for (int k = 0; k < lignes.size(); ++k)
        t.EcrireSurFond(cadre.left() + 2, cadre.top() + 1 + k * hauteur, lignes[k], taille, "DNom");
    return cadre;
}

}  // namespace

TCaracteristiquesDessinees TracerCaracteristiques(QPainter& surface, const TSchemaCouleurs& schema,
                                                  const TMiseEnPage& mise, const TRepere& r,
                                                  const TCaracteristiques& c, const TOptionsCaracteristiques& o)
{
    TCaracteristiquesDessinees d;
    surface.save();
    TTraceur t(surface, schema, mise);
    if (!c.Existent) {
        d.Valeurs = Cartouche(t, r, {QString::fromStdString(c.Raison)});
        surface.restore();
        return d;
    }
    const auto niveau = [&](Reel y) { return o.Depart + o.Echelon * y; };
    const Reel bande = o.BandeDeuxPourCent ? 0.02L : 0.05L;
    const Reel yf = c.ValeurFinale;
    t.Crayon("DNom", 1, Qt::DashLine);
    for (const Reel y : {niveau(yf * (1 + bande)), niveau(yf * (1 - bande))})
        t.Segment(r, r.XMin, y, r.XMax, y);
    d.BandeHaute = Bord(r, niveau(yf * (1 + bande)));
    d.BandeBasse = Bord(r, niveau(yf * (1 - bande)));
    t.Crayon("DNom", std::max(1, mise.EpaisseurCourbe));
    if (c.Pic)
        if (const std::optional<TPixel> p = VersPixelDedans(r, c.TempsPic, niveau(yf * (1 + c.DepassementPct / 100)))) {
            t.Marque(p->X, p->Y, o.RayonPic);
            d.Pic = QPoint(p->X, p->Y);
            t.Crayon("DNom", std::max(1, mise.EpaisseurCourbe));
        }
    TraitTemps(t, r, c.InstantDixPourCent, QStringLiteral("10 %"), o.HauteurTrait, 0);
    d.Montee = TraitTemps(t, r, c.InstantDixPourCent + c.TempsMontee, QStringLiteral("90 %"), o.HauteurTrait, 1);
    const Reel reponse = o.BandeDeuxPourCent ? c.TempsReponse2 : c.TempsReponse5;
    d.Reponse = TraitTemps(t, r, reponse, o.BandeDeuxPourCent ? QStringLiteral("tr 2 %") : QStringLiteral("tr 5 %"),
                           o.HauteurTrait, 0);
    d.Lignes = Lignes(c, o);
    d.Valeurs = Cartouche(t, r, d.Lignes);
    surface.restore();
    return d;
}
