#include "TraceDiagramme.h"

#include <QPainter>

#include "TraceBlack.h"
#include "TraceBode.h"
#include "TraceNyquist.h"

namespace {
template <typename MiseEnPage>
MiseEnPage MiseEnPageDe(const TDemandeDiagramme& demande)
{
    return demande.Support == TSupport::Ecran ? MiseEnPage::Ecran()
                                              : MiseEnPage::Page(demande.Resolution, demande.Couleur);
}

// Sans dessin pour ce type : le fond seul, et aucun point à lire ni à lister.
TResultatDiagramme FondSeul(QPainter& surface, const QRect& cible, TDocument& doc, const TDemandeDiagramme& demande)
{
    TMiseEnPage mise;
    mise.RemplitFond = demande.Support == TSupport::Ecran;
    mise.Couleur = demande.Couleur;
    TTraceur(surface, doc.SchemaCouleurs, mise).RemplitFond(cible);
    if (demande.Support == TSupport::Ecran && demande.Type != TTypeDiagramme::Aucun)
        doc.EchellesFrequentielles.NbPoints = 0;
    return {false, cible};
}
}

TResultatDiagramme TracerDiagramme(QPainter& surface, const QRect& cible, TDocument& doc,
                                   const TDemandeDiagramme& demande)
{
    switch (demande.Type) {
    case TTypeDiagramme::Bode:
        return {TracerBode(surface, cible, doc, demande.Bode, MiseEnPageDe<TMiseEnPageBode>(demande)), cible};
    case TTypeDiagramme::Nyquist: {
        const std::optional<QRect> cadre =
            TracerNyquist(surface, cible, doc, demande.Nyquist, MiseEnPageDe<TMiseEnPageNyquist>(demande));
        return {cadre.has_value(), cadre.value_or(cible)};
    }
    case TTypeDiagramme::Black:
        return {TracerBlack(surface, cible, doc, demande.Black, MiseEnPageDe<TMiseEnPageBlack>(demande)), cible};
    default:
        return FondSeul(surface, cible, doc, demande);
    }
}
