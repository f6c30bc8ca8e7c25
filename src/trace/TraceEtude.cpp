#include "TraceEtude.h"

#include <QPainter>

#include "CouleurQt.h"
#include "TraceFormule.h"

namespace {

constexpr int LigneDeveloppee = 100;
constexpr int LigneFactorisee = LigneDeveloppee + 40 + 50;
constexpr int LigneTableau = LigneFactorisee + 40 + 50;
constexpr int BordGauche = 10;
constexpr int Separateur = 199;
constexpr int BordDroit = 388;
constexpr int HauteurRangee = 22;

struct TContexte {
    const TDocument& Doc;
    int Largeur;
    const QPaintDevice& Support;
    TEtudePlacee& Etude;
    QColor Formule;
    QColor Cadre;
    QColor Rouge = CouleurQt(255);

    QColor Couleur(const char* cle) const { return CouleurQt(CouleurDe(Doc.SchemaCouleurs, QString::fromLatin1(cle))); }
    int Texte(const QString& texte, QPoint position, int taille, const QColor& couleur, bool italique = false)
    {
        return PlaceTexte(Etude.Dessin, texte, position, PoliceArial(taille, Support, italique), taille, couleur,
                          Support);
    }
    // La barre de fraction à 8 pixels sous la ligne, le cadre de 21 au-dessus à 40 au-dessous.
    void BarreEtCadre(int x0, int largeur, int y)
    {
        Etude.Dessin.Traits.push_back({QLine(x0, y + 8, x0 + largeur, y + 8), Formule});
        Etude.Dessin.Cadres.push_back({QPoint(BordGauche, y - 21), QPoint(x0 + largeur + 10, y + 40), Cadre});
    }
};

void PlaceFormeDeveloppee(TContexte& c)
{
    const int y0 = LigneDeveloppee;
    const int h9 = PixelsDePoints(9, c.Support);
    int x = c.Texte(QStringLiteral("Kovra = "), QPoint(20, y0), 9, c.Formule);
    if (c.Doc.TempsMort > 0) {
        x = c.Texte(QStringLiteral("e"), QPoint(x, y0), 9, c.Formule);
        x = c.Texte(ExposantRetard(c.Doc.TempsMort, c.Doc.ChiffresSignificatifs), QPoint(x, y0 - h9 / 2), 7,
                    c.Formule);
        x = c.Texte(QStringLiteral(" x "), QPoint(x, y0), 9, c.Formule);
    }
    const int x0 = x;
    const int chiffres = c.Doc.ChiffresSignificatifs;
    const TFraction f = AjusteFraction(
        TermesDeveloppes(c.Doc.Numerateur, chiffres), TermesDeveloppes(c.Doc.Denominateur, chiffres), 9, 7, 2,
        [&](int w) { return x0 + w > c.Largeur; }, c.Support);
    // Les places restent celles de la taille 9 même quand les termes rétrécissent.
    PlaceFraction(c.Etude.Dessin, f, x0, y0 - h9, y0 + PixelsDePoints(1.2L * 9, c.Support), h9 / 2, c.Formule,
                  c.Support);
    c.BarreEtCadre(x0, f.Largeur(), y0);
    c.Etude.TailleDeveloppee = f.Polices.Taille;
    c.Etude.ExposantDeveloppe = f.Polices.TailleExposant;
}

void PlaceFormeFactorisee(TContexte& c)
{
    const int y1 = LigneFactorisee;
    const int xg = c.Texte(QStringLiteral("G(p) = "), QPoint(20, y1), 9, c.Formule);
    const int g = xg - 20;
    const TPolynome& n = c.Doc.Numerateur;
    const TPolynome& d = c.Doc.Denominateur;
    const int chiffres = c.Doc.ChiffresSignificatifs;
    // Constante du numérateur omise seulement si elle vaut 1 exactement, celle du dénominateur à 1e-4 près.
    const QString constanteN = TexteConstante(n.Racines[0].Re, n.Degre, 0, chiffres);
    const QString constanteD = TexteConstante(d.Racines[0].Re, d.Degre, 1e-4L, chiffres);
    const TFraction f = AjusteFraction(
        FacteursFactorises(n, constanteN, chiffres), FacteursFactorises(d, constanteD, chiffres), 9, 7, 2,
        [&](int w) { return 20 + g + w > c.Largeur - 10; }, c.Support);
    const int h = PixelsDePoints(f.Polices.Taille, c.Support);
    PlaceFraction(c.Etude.Dessin, f, xg, y1 - h, y1 + PixelsDePoints(1.2L * f.Polices.Taille, c.Support), h / 2,
                  c.Formule, c.Support);
    c.BarreEtCadre(xg, f.Largeur(), y1);
    c.Etude.TailleFactorisee = f.Polices.Taille;
    c.Etude.ExposantFactorise = f.Polices.TailleExposant;
}

int YRangee(int j)
{
    return LigneTableau + 42 + HauteurRangee * j;
}

// Une racine par occurrence, "aucun" pour un polynôme constant ; rend l'ordonnée de la dernière rangée.
int PlaceColonne(TContexte& c, const TPolynome& p, int x, bool poles)
{
    if (p.Degre < 1) {
        c.Texte(QStringLiteral("aucun"), QPoint(x, YRangee(0)), 9, c.Formule);
        return YRangee(0);
    }
    const int degre = std::min(p.Degre, DegreMax);
    for (int i = 1; i <= degre; ++i) {
        const TComplexe z = p.Racines[i];
        const QColor& couleur = (poles && z.Re > 0) ? c.Rouge : c.Formule;
        c.Texte(TexteComplexe(z, c.Doc.ChiffresSignificatifs), QPoint(x, YRangee(i - 1)), 9, couleur);
    }
    return YRangee(degre - 1);
}

void PlaceEnTete(TContexte& c, const QString& texte, int gauche, int droite)
{
    const QFont police = PoliceArial(11, c.Support, true);
    const int x = gauche + (droite - gauche - LargeurTexte(texte, police, c.Support)) / 2;
    c.Texte(texte, QPoint(x, LigneTableau - 21 + 12), 11, c.Formule, true);
}

// Rend le bas du tableau.
int PlaceTableau(TContexte& c)
{
    const int haut = LigneTableau - 21;
    PlaceEnTete(c, QStringLiteral("Zéros"), BordGauche, Separateur);
    PlaceEnTete(c, QStringLiteral("Pôles"), Separateur, BordDroit);
    const int derniere = std::max({LigneTableau, PlaceColonne(c, c.Doc.Numerateur, 20, false),
                                   PlaceColonne(c, c.Doc.Denominateur, 209, true)});
    const int bas = derniere + HauteurRangee;
    TDessinPlace& dessin = c.Etude.Dessin;
    dessin.Cadres.push_back({QPoint(BordGauche, haut), QPoint(BordDroit, bas), c.Cadre});
    dessin.Traits.push_back({QLine(BordGauche, haut + 38, BordDroit, haut + 38), c.Cadre});
    dessin.Traits.push_back({QLine(Separateur, haut, Separateur, bas), c.Cadre});
    return bas;
}

}  // namespace

TEtudePlacee MiseEnPageEtude(const TDocument& doc, const QSize& client, const QPaintDevice& support)
{
    TEtudePlacee etude;
    TContexte c{doc, client.width(), support, etude, {}, {}};
    c.Formule = c.Couleur("EPFormule");
    c.Cadre = c.Couleur("EPCadre");
    etude.Dessin.AvecFond = true;
    etude.Dessin.Fond = c.Couleur("EPFond");
    c.Texte(QStringLiteral("Etude de la fonction de transfert:"), QPoint(10, 30), 13, c.Couleur("EPTitre"));
    PlaceFormeDeveloppee(c);
    PlaceFormeFactorisee(c);
    const int bas = PlaceTableau(c);
    if (doc.SystemeStable)
        c.Texte(QStringLiteral("Système Stable"), QPoint(20, bas + 30), 9, c.Formule);
    else
        c.Texte(QStringLiteral("Système Instable"), QPoint(20, bas + 30), 9, c.Rouge);
    return etude;
}

void DessineEtude(QPainter& p, const QRect& zoneClient, const TDocument& doc)
{
    PeintDessin(p, zoneClient, MiseEnPageEtude(doc, zoneClient.size(), *p.device()).Dessin);
}
