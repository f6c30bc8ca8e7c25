#include "Traceur.h"

#include <algorithm>
#include <array>
#include <climits>

#include "CouleurQt.h"
#include "DessinPlace.h"
#include "LignesDroites.h"
#include "coeur/SchemaCouleurs.h"

namespace {
Reel LogMultiple(int j)
{
    static const std::array<Reel, 10> logs = [] {
        std::array<Reel, 10> l{};
        for (int k = 1; k <= 9; ++k)
            l[std::size_t(k)] = Log10(k);
        return l;
    }();
    return logs[std::size_t(j)];
}

int Colonne(const TRepere& r, Reel x)
{
    const std::optional<TPixel> pix = VersPixelBorne(r, x, r.YMin);
    return pix ? pix->X : INT_MIN;
}
}

TRepere RepereDansCible(const QRect& cible, Reel gauche, Reel droite, Reel haut, Reel bas)
{
    const Reel w = cible.width();
    const Reel h = cible.height();
    TRepere r;
    r.PixGauche = cible.left() + int(std::nearbyint(gauche * w));
    r.PixDroite = cible.left() + int(std::nearbyint(droite * w));
    r.PixHaut = cible.top() + int(std::nearbyint(haut * h));
    r.PixBas = cible.top() + int(std::nearbyint(bas * h));
    return r;
}

std::optional<TRepere> RepereEchellesEgales(const QRect& zone, const TPlaceEchellesEgales& place, TBornes x,
                                            TBornes y)
{
    const int w = zone.width();
    const int h = zone.height();
    if (w <= 0 || h <= 0)
        return std::nullopt;
    const Reel w0 = std::nearbyint(place.PartVingtiemes * Reel(w) / 20);
    const Reel h0 = std::nearbyint(place.PartVingtiemes * Reel(h) / 20);
    const Reel kx = std::nearbyint(w0 / (x.Max - x.Min));
    const Reel ky = std::nearbyint(h0 / (y.Max - y.Min));
    const bool parHauteur = ky < kx;
    const Reel largeur = parHauteur ? std::nearbyint(ky * (x.Max - x.Min)) : w0;
    const Reel hauteur = parHauteur ? h0 : std::nearbyint(kx * (y.Max - y.Min));
    TRepere r;
    r.PixGauche = zone.left() + w / place.DiviseurGauche;
    r.PixHaut = zone.top() + h / place.DiviseurHaut;
    r.PixDroite = r.PixGauche + int(largeur);
    r.PixBas = r.PixHaut + int(hauteur);
    r.XMin = x.Min;
    r.XMax = x.Max;
    r.YMin = y.Min;
    r.YMax = y.Max;
    return r;
}

TTraceur::TTraceur(QPainter& surface, const TSchemaCouleurs& schema, const TMiseEnPage& mise)
    : P(surface), Schema(schema), M(mise)
{
}

QColor TTraceur::Couleur(const char* cle) const
{
    return M.Couleur ? CouleurQt(CouleurDe(Schema, QString::fromLatin1(cle))) : QColor(Qt::black);
}

// Sur le papier, tirets et points gardent la longueur qu'ils ont à l'écran : à 600 points par
// pouce, le motif de Qt en pixels ferait une ligne grise continue, une grille de plus.
void TTraceur::Crayon(const char* cle, int epaisseur, Qt::PenStyle style)
{
    QPen crayon(Couleur(cle), epaisseur, style);
    if (style != Qt::SolidLine && style != Qt::NoPen && M.Resolution > ResolutionEcran) {
        QList<qreal> motif = crayon.dashPattern();
        for (qreal& longueur : motif)
            longueur *= qreal(M.Resolution) / ResolutionEcran;
        crayon.setDashPattern(motif);
    }
    P.setPen(crayon);
}

// En noir, les lignes pointillées de la grille passent en gris : plus claires que les
// décades et que les courbes.
void TTraceur::CrayonGrille(Qt::PenStyle style)
{
    Crayon("DQuadrillage", 1, style);
    if (!M.Couleur && style != Qt::SolidLine) {
        QPen crayon = P.pen();
        crayon.setColor(GrisGrille);
        P.setPen(crayon);
    }
}

void TTraceur::Pinceau(const char* cle)
{
    P.setBrush(M.Couleur ? Couleur(cle) : QColor(Qt::white));
}

void TTraceur::RemplitFond(const QRect& cible)
{
    if (M.RemplitFond)
        P.fillRect(cible, M.Couleur ? Couleur("DFond") : QColor(Qt::white));
}

QColor TTraceur::Fond() const
{
    return M.Couleur && M.RemplitFond ? Couleur("DFond") : QColor(Qt::white);
}

// Une police gardée garde sa fonte chargée : un dessin écrit des dizaines d'étiquettes en
// deux ou trois tailles.
QFont TTraceur::Police(Reel taille) const
{
    for (const auto& [t, police] : Polices)
        if (t == taille)
            return police;
    Polices.emplace_back(taille, PoliceArial(taille, *P.device()));
    return Polices.back().second;
}

QFont TTraceur::Police(Reel taille, const QString& famille, bool gras) const
{
    QFont police = Police(taille);
    police.setFamily(famille);
    police.setBold(gras);
    return police;
}

QFontMetrics TTraceur::Mesure(Reel taille) const
{
    return QFontMetrics(Police(taille), P.device());
}

int TTraceur::Largeur(const QString& texte, Reel taille) const
{
    return Mesure(taille).horizontalAdvance(texte);
}

int TTraceur::Ecrire(int x, int y, const QString& texte, Reel taille, const char* cle)
{
    return Ecrire(x, y, texte, Police(taille), cle);
}

int TTraceur::Ecrire(int x, int y, const QString& texte, const QFont& police, const char* cle)
{
    const QFontMetrics mesure(police, P.device());
    P.setFont(police);
    P.setPen(Couleur(cle));
    P.drawText(x, y + mesure.ascent(), texte);
    const int largeur = mesure.horizontalAdvance(texte);
    Ecrits.emplace_back(x, y, largeur, mesure.height());
    return largeur;
}

int TTraceur::EcrireAGauche(int x, int y, const QString& texte, Reel taille, const char* cle)
{
    return Ecrire(x - Largeur(texte, taille), y, texte, taille, cle);
}

int TTraceur::EcrireSurFond(int x, int y, const QString& texte, Reel taille, const char* cle)
{
    FondSousTextes(true);
    const int largeur = Ecrire(x, y, texte, taille, cle);
    FondSousTextes(false);
    return largeur;
}

void TTraceur::FondSousTextes(bool opaque)
{
    P.setBackgroundMode(opaque ? Qt::OpaqueMode : Qt::TransparentMode);
    if (opaque)
        P.setBackground(Fond());
}

void TTraceur::Cadre(const TRepere& r)
{
    Cadre(QRect(QPoint(r.PixGauche, r.PixHaut), QPoint(r.PixDroite, r.PixBas)), M.EpaisseurCadre);
}

void TTraceur::Cadre(const QRect& r, int epaisseur, const char* cle)
{
    Crayon(cle, 1);
    const QPoint fin[] = {r.topRight(), r.topLeft(), r.bottomLeft()};
    P.drawPolyline(fin, 3);
    Crayon(cle, epaisseur);
    const QPoint epais[] = {r.bottomLeft() + QPoint(1, 0), r.bottomRight(), r.topRight() + QPoint(0, 1)};
    P.drawPolyline(epais, 3);
}

void TTraceur::Segment(const TRepere& r, Reel x1, Reel y1, Reel x2, Reel y2, TBornage bornage)
{
    TracerSegment(r, P, x1, y1, x2, y2, bornage);
}

void TTraceur::GraduationGauche(const TRepere& r, Reel y, const QString& texte, int ecart, Reel taille)
{
    GraduationGauche(r, r.XMin, y, texte, ecart, taille);
}

void TTraceur::GraduationGauche(const TRepere& r, Reel x, Reel y, const QString& texte, int ecart, Reel taille)
{
    const std::optional<TPixel> pix = VersPixelBorne(r, x, y);
    if (!pix)
        return;
    EcrireAGauche(pix->X - ecart, pix->Y - Mesure(taille).height() / 2, texte, taille, "DEchelle");
}

void TTraceur::GraduationDessous(const TRepere& r, Reel x, const QString& texte, int decalage, Reel taille)
{
    const std::optional<TPixel> pix = VersPixelBorne(r, x, r.YMin);
    if (!pix)
        return;
    Ecrire(pix->X - Largeur(texte, taille) / 2, pix->Y + decalage, texte, taille, "DEchelle");
}

void TTraceur::LignesHorizontales(const TRepere& r, const std::vector<Reel>& valeurs,
                                  const std::vector<QString>& textes, int ecart, Qt::PenStyle style)
{
    LignesHorizontales(r, r.XMin, valeurs, textes, ecart, style, TBornage::Borne);
}

void TTraceur::LignesHorizontales(const TRepere& r, Reel depuis, const std::vector<Reel>& valeurs,
                                  const std::vector<QString>& textes, int ecart, Qt::PenStyle style,
                                  TBornage bornage)
{
    CrayonGrille(style);
    std::vector<QLine> lignes;
    for (const Reel v : valeurs)
        AjouteLigne(lignes, r, depuis, v, r.XMax, v, bornage);
    TraceLignes(lignes);
    for (std::size_t i = 0; i < valeurs.size() && i < textes.size(); ++i)
        if (!textes[i].isEmpty())
            GraduationGauche(r, depuis, valeurs[i], textes[i], ecart, M.TailleGraduations);
}

void TTraceur::LignesVerticales(const TRepere& r, const std::vector<Reel>& valeurs,
                                const std::vector<QString>& textes, int decalage, Qt::PenStyle style,
                                TBornage bornage)
{
    CrayonGrille(style);
    std::vector<QLine> lignes;
    for (const Reel v : valeurs)
        AjouteLigne(lignes, r, v, r.YMin, v, r.YMax, bornage);
    TraceLignes(lignes);
    for (std::size_t i = 0; i < valeurs.size() && i < textes.size(); ++i)
        if (!textes[i].isEmpty())
            GraduationDessous(r, valeurs[i], textes[i], decalage, M.TailleGraduations);
}

void TTraceur::EtiquetteDecade(const TRepere& r, Reel x, int demiLargeur, const TEtiquettesDecades& e)
{
    const std::optional<TPixel> pix = VersPixelBorne(r, x, r.YMin);
    if (!pix)
        return;
    EcritPuissanceDix(pix->X - demiLargeur, pix->Y, int(std::lround(x)), e, false);
}

void TTraceur::PuissanceDix(int x, int y, int exposant, const TEtiquettesDecades& e, bool surFond)
{
    EcritPuissanceDix(x - Largeur(e.Reference, e.Taille10) / 2, y, exposant, e, surFond);
}

void TTraceur::PuissanceDixSiLibre(int x, int y, int exposant, const TEtiquettesDecades& e)
{
    const int gauche = x - Largeur(e.Reference, e.Taille10) / 2;
    const QRect boite = BoitePuissanceDix(gauche, y, exposant, e);
    if (std::any_of(Ecrits.begin(), Ecrits.end(), [&](const QRect& ecrit) { return ecrit.intersects(boite); }))
        return;
    EcritPuissanceDix(gauche, y, exposant, e, true);
}

QRect TTraceur::BoitePuissanceDix(int gauche, int y, int exposant, const TEtiquettesDecades& e) const
{
    const QFontMetrics dix = Mesure(e.Taille10);
    const QFontMetrics exp = Mesure(e.TailleExposant);
    const int largeur = dix.horizontalAdvance(QStringLiteral("10"));
    const QRect boite10(gauche, y + e.Decalage10, largeur, dix.height());
    const QString texte = QString::number(exposant);
    return boite10.united(QRect(gauche + largeur, y + e.DecalageExposant, exp.horizontalAdvance(texte), exp.height()));
}

void TTraceur::EcritPuissanceDix(int gauche, int y, int exposant, const TEtiquettesDecades& e, bool surFond)
{
    FondSousTextes(surFond);
    const int largeur = Ecrire(gauche, y + e.Decalage10, QStringLiteral("10"), e.Taille10, "DEchelle");
    Ecrire(gauche + largeur, y + e.DecalageExposant, QString::number(exposant), e.TailleExposant, "DEchelle");
    FondSousTextes(false);
}

void TTraceur::Marque(int x, int y, int rayon)
{
    Crayon("DContMarque");
    Pinceau("DIntMarque");
    P.drawEllipse(QPoint(x, y), rayon, rayon);
    P.setBrush(Qt::NoBrush);
}

// Une étiquette toutes les 1, 2, 5, 10, 20… décades : assez pour qu'elles ne se touchent
// pas quand les décades se serrent ; à chaque décade dans un diagramme ordinaire.
int TTraceur::DecadesParEtiquette(const TRepere& r, int nbDecades, const TEtiquettesDecades& e) const
{
    constexpr int Ecart = 3;
    const QFontMetrics exposant = Mesure(e.TailleExposant);
    const int largeur = Largeur(QStringLiteral("10"), e.Taille10) + Ecart +
                        std::max(exposant.horizontalAdvance(QString::number(std::lround(r.XMin))),
                                 exposant.horizontalAdvance(QString::number(std::lround(r.XMax))));
    const Reel pixelsParDecade = Reel(r.PixDroite - r.PixGauche) / nbDecades;
    constexpr int Facteurs[] = {1, 2, 5};
    for (int puissance = 1; puissance < nbDecades; puissance *= 10)
        for (const int f : Facteurs)
            if (f * puissance * pixelsParDecade > largeur)
                return f * puissance;
    return nbDecades;
}

// Quand les décades se serrent à quelques pixels, une ligne qui tombe sur une colonne déjà
// tracée n'ajoute rien : elle n'est pas redessinée, et des lignes pleines sur des colonnes
// voisines ne font plus qu'un rectangle.
void TTraceur::GrilleFrequences(const TRepere& r, int nbDecades, const TEtiquettesDecades& etiquettes)
{
    std::vector<int> colonnes(std::size_t(nbDecades) + 1);
    for (int i = 0; i <= nbDecades; ++i)
        colonnes[std::size_t(i)] = Colonne(r, r.XMin + i);
    CrayonGrille(Qt::SolidLine);
    std::vector<QLine> lignes;
    for (std::size_t debut = 0, fin = 0; debut < colonnes.size(); debut = fin) {
        fin = debut + 1;
        while (fin < colonnes.size() && static_cast<long long>(colonnes[fin]) - colonnes[fin - 1] <= 1)
            ++fin;
        if (colonnes[fin - 1] == colonnes[debut])
            AjouteLigne(lignes, r, r.XMin + Reel(debut), r.YMin, r.XMin + Reel(debut), r.YMax);
        else
            P.fillRect(QRect(QPoint(colonnes[debut], r.PixHaut), QPoint(colonnes[fin - 1], r.PixBas)),
                       P.pen().color());
    }
    TraceLignes(lignes);
    CrayonGrille(Qt::DotLine);
    for (int i = 0; i < nbDecades; ++i) {
        int derniere = colonnes[std::size_t(i)];
        for (int j = 2; j <= 9; ++j) {
            const Reel x = r.XMin + i + LogMultiple(j);
            const int colonne = Colonne(r, x);
            if (colonne != derniere && colonne != colonnes[std::size_t(i) + 1])
                AjouteLigne(lignes, r, x, r.YMin, x, r.YMax);
            derniere = colonne;
        }
    }
    TraceLignes(lignes);
    const int demiLargeur = Largeur(etiquettes.Reference, etiquettes.Taille10) / 2;
    const int pas = DecadesParEtiquette(r, nbDecades, etiquettes);
    for (int i = 0; i <= nbDecades; ++i)
        if (std::lround(r.XMin + i) % pas == 0)
            EtiquetteDecade(r, r.XMin + i, demiLargeur, etiquettes);
}

void TTraceur::AjouteLigne(std::vector<QLine>& lignes, const TRepere& r, Reel x1, Reel y1, Reel x2, Reel y2,
                           TBornage bornage)
{
    if (const std::optional<TSegmentPixel> s = DecoupeSegment(r, x1, y1, x2, y2, bornage))
        lignes.emplace_back(s->Debut.X, s->Debut.Y, s->Fin.X, s->Fin.Y);
}

void TTraceur::TraceLignes(std::vector<QLine>& lignes)
{
    TracerLignesDroites(P, lignes);
    lignes.clear();
}

void TTraceur::AjouteSegment(QPolygon& trace, const TSegmentPixel& s)
{
    const QPoint debut(s.Debut.X, s.Debut.Y);
    if (trace.isEmpty() || trace.last() != debut) {
        Termine(trace);
        trace << debut;
    }
    // Un point répété en fin de polyligne en effacerait le dernier pixel.
    const QPoint fin(s.Fin.X, s.Fin.Y);
    if (fin != debut)
        trace << fin;
}

void TTraceur::Termine(QPolygon& trace)
{
    if (trace.size() >= 2)
        P.drawPolyline(trace);
    trace.clear();
}

void TTraceur::TitreUtilisateur(const QRect& cible, int y, const QString& titre, const char* cle, bool surFond)
{
    if (!M.AvecTitreUtilisateur || titre.isEmpty())
        return;
    const int x = cible.left() + (cible.width() - Largeur(titre, M.TailleTitreUtilisateur)) / 2;
    if (surFond)
        EcrireSurFond(x, y, titre, M.TailleTitreUtilisateur, cle);
    else
        Ecrire(x, y, titre, M.TailleTitreUtilisateur, cle);
}
