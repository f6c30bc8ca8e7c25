#include "TraceElemSimples.h"

#include <QPainter>

#include "CouleurQt.h"

namespace {

// Numérateurs et dénominateurs à 13 pixels de la ligne, exposants 5 plus haut, barres 8 dessous,
// quelle que soit la taille.
TEcartsFraction EcartsFenetre(int, int, const QPaintDevice&)
{
    return {13, 13, 5, 8};
}

}  // namespace

TMiseEnPageElemSimples MiseEnPageEcranElemSimples(const TDocument& doc, int largeurClient)
{
    TMiseEnPageElemSimples m;
    m.Fond = CouleurQt(CouleurDe(doc.SchemaCouleurs, QStringLiteral("ESFond")));
    m.Titre = CouleurQt(CouleurDe(doc.SchemaCouleurs, QStringLiteral("ESTitre")));
    m.Formule.Texte = CouleurQt(CouleurDe(doc.SchemaCouleurs, QStringLiteral("ESFormule")));
    m.Formule.LargeurLimite = largeurClient;
    m.Formule.Ecarts = EcartsFenetre;
    m.Formule.Cadre = nullptr;
    return m;
}

TDessinPlace PlaceElemSimples(const TDocument& doc, const TMiseEnPageElemSimples& m, const QPaintDevice& support)
{
    TDessinPlace dessin;
    dessin.AvecFond = true;
    dessin.Fond = m.Fond;
    PlaceTexte(dessin, QStringLiteral("Décomposition en éléments simples de G(p)"), m.PositionTitre,
               PoliceArial(m.TailleTitre, support), m.TailleTitre, m.Titre, support);
    PlaceElementsSimples(dessin, doc, m.PositionFormule, m.Formule, support);
    return dessin;
}

void DessineElemSimples(QPainter& p, const QRect& zoneClient, const TDocument& doc)
{
    const TMiseEnPageElemSimples m = MiseEnPageEcranElemSimples(doc, zoneClient.width());
    PeintDessin(p, zoneClient, PlaceElemSimples(doc, m, *p.device()));
}
