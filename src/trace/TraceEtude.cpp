#include "TraceEtude.h"

#include <QPainter>

#include "CouleurQt.h"
#include "coeur/FermetureBoucle.h"
#include "TraceBlocsFormule.h"
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
    // Tailles 9 et 7, ajustées à la largeur de la zone moins `retrait`.
    TGabaritFormule Gabarit(int retrait, TRegleEcarts ecarts) const
    {
        TGabaritFormule g;
        g.LargeurLimite = Largeur - retrait;
        g.Ecarts = ecarts;
        g.Texte = Formule;
        g.Trait = Cadre;
        return g;
    }
};

void PlaceFormes(TContexte& c)
{
    const TBlocPlace developpee = PlaceFormeDeveloppee(c.Etude.Dessin, c.Doc, QPoint(20, LigneDeveloppee),
                                                       c.Gabarit(0, EcartsEcranTailleDemandee), c.Support);
    c.Etude.TailleDeveloppee = developpee.Taille;
    c.Etude.ExposantDeveloppe = developpee.TailleExposant;
    // Constante du numérateur omise seulement si elle vaut 1 exactement, celle du dénominateur à 1e-4 près.
    const TBlocPlace factorisee = PlaceFormeFactorisee(c.Etude.Dessin, c.Doc, QPoint(20, LigneFactorisee),
                                                       c.Gabarit(10, EcartsEcran), c.Support);
    c.Etude.TailleFactorisee = factorisee.Taille;
    c.Etude.ExposantFactorise = factorisee.TailleExposant;
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
    const int derniere = std::max({LigneTableau, PlaceColonne(c, c.Doc.Systeme.Numerateur, 20, false),
                                   PlaceColonne(c, c.Doc.Systeme.Denominateur, 209, true)});
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
    const QString boucle = TexteBoucleFermee(doc);
    if (!boucle.isEmpty())
        c.Texte(boucle, QPoint(20, 58), 9, c.Formule, true);
    PlaceFormes(c);
    const int bas = PlaceTableau(c);
    c.Texte(VerdictEtude(doc), QPoint(20, bas + 30), 9, doc.Systeme.SystemeStable ? c.Formule : c.Rouge);
    if (const QString ligne = LigneMargesAffichee(doc); !ligne.isEmpty())
        c.Texte(ligne, QPoint(20, bas + 52), 9, c.Formule);
    return etude;
}

void DessineEtude(QPainter& p, const QRect& zoneClient, const TDocument& doc)
{
    PeintDessin(p, zoneClient, MiseEnPageEtude(doc, zoneClient.size(), *p.device()).Dessin);
}
