#include "TraceReponses.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <cmath>
#include <optional>
#include <vector>

#include "EchellesReponses.h"
#include "Traceur.h"
#include "coeur/TextesValeurs.h"
#include "numerique/CaracteristiquesIndicielle.h"
#include "numerique/ReponseImpulsionnelle.h"
#include "numerique/Reponses.h"

namespace {
// Instants t_j = j.Dt pour j de Premier à Dernier.
struct TEchantillonnage {
    Reel Dt = 0;
    int Premier = 0;
    int Dernier = 0;
};

TEchantillonnage Echantillonnage(const TEchellesReponse& e, const TMiseEnPageReponse& mise)
{
    const int n = mise.NbPoints;
    if (mise.IntervallesPositifs)
        return {e.TMax / n, -n / 10, n + 1};
    const Reel dt = (e.TMax - e.TMin) / n;
    // TMin / dt vaut -n / (nombre de graduations + 1) : il tient dans un int.
    const int premier = int(std::lrint(e.TMin / dt));
    return {dt, premier, premier + n + 1};
}

// L'échelon monte à t = 0 ; la rampe part de ConsI à t = 0, l'entrée commençant à -TMax/10.
std::vector<TPointCourbe> Entree(TTypeReponse type, const TParamReponse& param, const TEchellesReponse& e,
                                 const TEchantillonnage& ech)
{
    if (type == TTypeReponse::Indicielle)
        return {{ech.Premier * ech.Dt, param.ConsI}, {0, param.ConsI}, {0, param.ConsF}, {e.TMax, param.ConsF}};
    if (type == TTypeReponse::Impulsionnelle)
        return {{ech.Premier * ech.Dt, param.ConsI}, {e.TMax, param.ConsI}};
    return {{-e.TMax / 10, param.ConsI}, {0, param.ConsI}, {e.TMax, param.ConsI + param.Pente * e.TMax}};
}

std::vector<TPointCourbe> Reponse(const TDocument& doc, TTypeReponse type, const TParamReponse& param, Reel y0,
                                  const TEchantillonnage& ech)
{
    std::vector<TPointCourbe> points(std::size_t(ech.Dernier - ech.Premier + 1));
    const TImpulsionnelle h =
        type == TTypeReponse::Impulsionnelle ? PrepareImpulsionnelle(doc.Systeme) : TImpulsionnelle{};
    const auto sortie = [&](Reel t) {
        switch (type) {
        case TTypeReponse::Indicielle:
            return ReponseEchelon(doc.Systeme, t, doc.Systeme.TempsMort, param.ConsI, param.ConsF, y0);
        case TTypeReponse::Impulsionnelle:
            return h.Faite ? y0 + (param.ConsF - param.ConsI) * ReponseImpulsionnelle(doc.Systeme, h, t) : y0;
        default:
            return ReponseRampe(doc.Systeme, t, doc.Systeme.TempsMort, param.Pente, y0);
        }
    };
    for (int j = ech.Premier; j <= ech.Dernier; ++j)
        points[std::size_t(j - ech.Premier)] = {j * ech.Dt, sortie(j * ech.Dt)};
    return points;
}

std::vector<QString> Etiquettes(const std::vector<Reel>& valeurs, Reel pas)
{
    const int chiffres = ChiffresGraduation(valeurs, pas);
    std::vector<QString> textes;
    textes.reserve(valeurs.size());
    for (const Reel v : valeurs)
        textes.push_back(QString::fromStdString(NombreEnTexte(v, chiffres)));
    return textes;
}

// Les bornes sont des multiples du pas : un demi-pas de marge garde la première et la
// dernière ligne malgré l'arrondi de leur quotient.
std::vector<Reel> Multiples(Reel min, Reel max, Reel pas)
{
    return Graduations(min - pas / 2, max + pas / 2, pas);
}

void Grille(TTraceur& t, const TRepere& r, const TEchellesReponse& e, const TMiseEnPageReponse& mise)
{
    const std::vector<Reel> sorties = Multiples(e.YMin, e.YMax, e.PasSortie);
    t.LignesHorizontales(r, 0, sorties, Etiquettes(sorties, e.PasSortie), mise.EcartGraduations, Qt::DotLine,
                         TBornage::Libre);
    const std::vector<Reel> temps = Multiples(0, e.TMax, e.PasTemps);
    t.LignesVerticales(r, temps, Etiquettes(temps, e.PasTemps), mise.DecalageGraduations, Qt::DotLine,
                       TBornage::Libre);
}

void Axes(TTraceur& t, const TRepere& r, const TMiseEnPageReponse& mise)
{
    t.Crayon("DAxe", mise.EpaisseurAxe);
    t.Segment(r, r.XMin, 0, r.XMax, 0, TBornage::Libre);
    t.Segment(r, 0, r.YMin, 0, r.YMax, TBornage::Libre);
}

void NomDuTemps(TTraceur& t, const TRepere& r, const TMiseEnPageReponse& mise)
{
    const QFont gras = t.Police(mise.TailleNoms, QStringLiteral("Arial"), true);
    const QFontMetrics mesure(gras, t.Surface().device());
    const QString nom = QStringLiteral("t (s)");
    if (const std::optional<TPixel> pix = VersPixel(r, r.XMax / 2, r.YMin))
        t.Ecrire(pix->X - mesure.horizontalAdvance(nom) / 2, pix->Y + mesure.height(), nom, gras, "DEchelle");
}

// « entrée et réponse (unité) », chaque mot dans la couleur de ce qu'il nomme, lu de bas en haut.
void Legende(TTraceur& t, const TRepere& r, const QString& unite, const TMiseEnPageReponse& mise)
{
    const QFont police = t.Police(mise.TailleLegende, QStringLiteral("Times New Roman"), true);
    const QFontMetrics mesure(police, t.Surface().device());
    const struct {
        QString Texte;
        const char* Cle;
    } morceaux[] = {{QStringLiteral("entrée"), "DConsigne"},
                    {QStringLiteral(" et "), "DEchelle"},
                    {QStringLiteral("réponse"), "DCourbe"},
                    {QStringLiteral(" (") + unite + QStringLiteral(")"), "DEchelle"}};
    int largeur = 0;
    for (const auto& m : morceaux)
        largeur += mesure.horizontalAdvance(m.Texte);
    const std::optional<TPixel> pix = VersPixel(r, r.XMin, (r.YMax + r.YMin) / 2);
    if (!pix)
        return;
    QPainter& p = t.Surface();
    p.save();
    p.translate(pix->X - 2 * mesure.height(), pix->Y + largeur / 2);
    p.rotate(-90);
    int x = 0;
    for (const auto& m : morceaux)
        x += t.Ecrire(x, 0, m.Texte, police, m.Cle);
    p.restore();
}

void Titre(TTraceur& t, const QRect& cible, const TRepere& r, TTypeReponse type, const TMiseEnPageReponse& mise)
{
    const QString titre = type == TTypeReponse::Indicielle       ? QStringLiteral("Réponse à un échelon en entrée")
                          : type == TTypeReponse::Impulsionnelle ? QStringLiteral("Réponse impulsionnelle")
                                                                 : QStringLiteral("Réponse à une rampe en entrée");
    const int haut = (mise.TitreDepuisCible ? cible.top() : r.PixHaut) + mise.TitreHaut;
    t.EcrireAGauche(r.PixDroite, haut, titre, mise.TailleTitreDiagramme, "DNom");
}

void ReleveEntree(TValeursTemporelles& v, TTypeReponse type, const TParamReponse& param, Reel y0)
{
    v.ConsI = param.ConsI;
    v.UniteSortie = param.Unite;
    v.SortieInitiale = y0;
    v.TMax = param.TMax;
    if (type == TTypeReponse::Indicielle) {
        v.ConsF = param.ConsF;
        v.BornesEchelon = {param.YMin, param.YMax};
    } else {
        v.Pente = param.Pente;
        v.BornesRampe = {param.YMin, param.YMax};
    }
}

void ReleveEchelles(TValeursTemporelles& v, const TEchellesReponse& e)
{
    v.TMinTrace = e.TMin;
    v.TMaxTrace = e.TMax;
    v.YMinTrace = e.YMin;
    v.YMaxTrace = e.YMax;
    v.PasTemps = e.PasTemps;
    v.PasSortie = e.PasSortie;
}

// Flèche verticale de y0 à y0 + poids au retard, coupée au cadre, son poids écrit à sa pointe.
std::optional<QPoint> FlecheDirac(TTraceur& t, const TRepere& r, const TDocument& doc, const TParamReponse& param,
                                  Reel y0, const TMiseEnPageReponse& mise)
{
    const TImpulsionnelle h = PrepareImpulsionnelle(doc.Systeme);
    const Reel poids = (param.ConsF - param.ConsI) * h.PoidsDirac;
    const Reel temps = doc.Systeme.TempsMort;
    if (!h.Faite || poids == 0 || temps >= r.XMax)
        return std::nullopt;
    const std::optional<TPixel> pied = VersPixel(r, temps, std::clamp(y0, r.YMin, r.YMax));
    const std::optional<TPixel> pointe = VersPixel(r, temps, std::clamp(y0 + poids, r.YMin, r.YMax));
    if (!pied || !pointe)
        return std::nullopt;
    const int sens = pointe->Y < pied->Y ? 1 : -1;  // vers le haut pour un poids positif
    const int tete = mise.Pouces(1.0L / 16);
    t.Crayon("DCourbe", mise.EpaisseurCourbe);
    QPainter& p = t.Surface();
    p.drawLine(pied->X, pied->Y, pointe->X, pointe->Y);
    p.drawLine(pointe->X, pointe->Y, pointe->X - tete / 2, pointe->Y + sens * tete);
    p.drawLine(pointe->X, pointe->Y, pointe->X + tete / 2, pointe->Y + sens * tete);
    t.EcrireSurFond(pointe->X + tete, pointe->Y, QStringLiteral("δ × ") + QString::fromStdString(NombreEnTexte(poids, 4)),
                    mise.TailleNoms, "DCourbe");
    return QPoint(pointe->X, pointe->Y);
}

// Traits et marque du pic à la taille de l'écran (8 et 4 pixels), quelle que soit la résolution.
TCaracteristiquesDessinees Caracteristiques(QPainter& surface, const TDocument& doc, const TRepere& r,
                                            const TParamReponse& param, Reel y0, const TMiseEnPageReponse& mise,
                                            TOptionsCaracteristiques options)
{
    options.Echelon = param.ConsF - param.ConsI;
    options.Depart = y0;
    options.HauteurTrait = mise.Pouces(1.0L / 12);
    options.RayonPic = mise.Pouces(1.0L / 24);
    return TracerCaracteristiques(surface, doc.SchemaCouleurs, mise, r, CaracteristiquesIndicielle(doc.Systeme),
                                  options);
}

std::optional<TReponseTracee> TracerReponse(QPainter& surface, const QRect& cible, const TDocument& doc,
                                            const TParamReponse& param, const TMiseEnPageReponse& mise,
                                            TTypeReponse type,
                                            const std::optional<TOptionsCaracteristiques>& caracteristiques)
{
    const Reel y0 = doc.EchellesAuto.GainStat * param.ConsI;
    surface.save();
    TTraceur t(surface, doc.SchemaCouleurs, mise);
    t.RemplitFond(cible);
    const std::optional<TEchellesReponse> e = EchellesReponse(param.TMax, param.YMin, param.YMax);
    TRepere r = RepereDansCible(cible, mise.Gauche, mise.Droite, mise.Haut, mise.Bas);
    if (!e || mise.NbPoints < 10 || r.PixGauche >= r.PixDroite || r.PixHaut >= r.PixBas) {
        surface.restore();
        return std::nullopt;
    }
    r.XMin = e->TMin;
    r.XMax = e->TMax;
    r.YMin = e->YMin;
    r.YMax = e->YMax;
    Grille(t, r, *e, mise);
    Axes(t, r, mise);
    NomDuTemps(t, r, mise);
    Legende(t, r, param.Unite, mise);
    Titre(t, cible, r, type, mise);
    const TEchantillonnage ech = Echantillonnage(*e, mise);
    // En noir, l'entrée se distingue de la réponse par ses tirets, assez épais pour se voir
    // sur l'axe où l'échelon monte.
    if (mise.Couleur)
        t.Crayon("DConsigne", mise.EpaisseurCourbe);
    else
        t.Crayon("DConsigne", 2 * mise.EpaisseurCourbe, Qt::DashLine);
    t.Courbe(r, Entree(type, param, *e, ech), TBornage::Libre);
    t.Crayon("DCourbe", mise.EpaisseurCourbe);
    t.Courbe(r, Reponse(doc, type, param, y0, ech), TBornage::Libre);
    TReponseTracee trace;
    if (type == TTypeReponse::Impulsionnelle)
        trace.Dirac = FlecheDirac(t, r, doc, param, y0, mise);
    if (caracteristiques)
        trace.Caracteristiques = Caracteristiques(surface, doc, r, param, y0, mise, *caracteristiques);
    surface.restore();
    ReleveEntree(trace.Valeurs, type, param, y0);
    ReleveEchelles(trace.Valeurs, *e);
    return trace;
}
}

TMiseEnPageReponse TMiseEnPageReponse::Ecran(TTypeReponse type)
{
    TMiseEnPageReponse m;
    m.NbPoints = 1000;
    m.EpaisseurCourbe = 2;
    m.EpaisseurAxe = 1;
    if (type == TTypeReponse::Rampe) {
        m.IntervallesPositifs = true;
    } else {
        m.Droite = 0.97L;
        m.Haut = 0.03L;
    }
    return m;
}

TMiseEnPageReponse TMiseEnPageReponse::Page(int resolution, bool couleur)
{
    TMiseEnPageReponse m = Ecran(TTypeReponse::Rampe);
    m.PourLaPage(resolution, couleur);
    m.IntervallesPositifs = false;
    m.NbPoints = 4000;
    // Les noms des axes comme à l'écran : la légende verticale prend la marge gauche, « t (s) »
    // passe sous les graduations, au-dessus du titre de l'utilisateur.
    m.Gauche = 0.1L;
    m.Bas = 0.9L;
    m.EcartGraduations = m.Millimetres(0.5L);
    m.TitreDepuisCible = true;
    m.TitreHaut = m.Pouces(0.067L);
    return m;
}

std::optional<TReponseTracee> TracerReponseIndicielle(QPainter& surface, const QRect& cible, const TDocument& doc,
                                                      const TParamReponse& param, const TMiseEnPageReponse& mise,
                                                      const std::optional<TOptionsCaracteristiques>& caracteristiques)
{
    return TracerReponse(surface, cible, doc, param, mise, TTypeReponse::Indicielle, caracteristiques);
}

std::optional<TReponseTracee> TracerReponseImpulsionnelle(QPainter& surface, const QRect& cible, const TDocument& doc,
                                                          const TParamReponse& param, const TMiseEnPageReponse& mise)
{
    return TracerReponse(surface, cible, doc, param, mise, TTypeReponse::Impulsionnelle, std::nullopt);
}

std::optional<TReponseTracee> TracerReponseRampe(QPainter& surface, const QRect& cible, const TDocument& doc,
                                                 const TParamReponse& param, const TMiseEnPageReponse& mise)
{
    return TracerReponse(surface, cible, doc, param, mise, TTypeReponse::Rampe, std::nullopt);
}
