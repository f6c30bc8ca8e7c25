#include "TraceDiagramme.h"

#include <QPainter>

#include "TraceBlack.h"
#include "TraceBode.h"
#include "TraceNyquist.h"
#include "TraceReponses.h"

namespace {
template <typename MiseEnPage>
MiseEnPage MiseEnPageDe(const TDemandeDiagramme& demande)
{
    return demande.Support == TSupport::Ecran ? MiseEnPage::Ecran()
                                              : MiseEnPage::Page(demande.Resolution, demande.Couleur);
}

TMiseEnPageReponse MiseEnPageDe(const TDemandeReponse& demande)
{
    return demande.Support == TSupport::Ecran ? TMiseEnPageReponse::Ecran(demande.Type)
                                              : TMiseEnPageReponse::Page(demande.Resolution, demande.Couleur);
}

// Sans dessin pour ce type : le fond seul.
TResultatDiagramme FondSeul(QPainter& surface, const QRect& cible, TDocument& doc, TSupport support, bool couleur)
{
    TMiseEnPage mise;
    mise.RemplitFond = support == TSupport::Ecran;
    mise.Couleur = couleur;
    TTraceur(surface, doc.SchemaCouleurs, mise).RemplitFond(cible);
    return {false, cible};
}
}

TResultatDiagramme TracerDiagramme(QPainter& surface, const QRect& cible, TDocument& doc,
                                   const TDemandeDiagramme& demande)
{
    switch (demande.Type) {
    case TTypeDiagramme::Bode:
        return {TracerBode(surface, cible, doc, demande.Bode, MiseEnPageDe<TMiseEnPageBode>(demande), demande.Marges),
                cible};
    case TTypeDiagramme::Nyquist: {
        const std::optional<QRect> cadre =
            TracerNyquist(surface, cible, doc, demande.Nyquist, MiseEnPageDe<TMiseEnPageNyquist>(demande),
                          demande.Marges);
        return {cadre.has_value(), cadre.value_or(cible)};
    }
    case TTypeDiagramme::Black:
        return {TracerBlack(surface, cible, doc, demande.Black, MiseEnPageDe<TMiseEnPageBlack>(demande),
                            demande.LieuxAbaque, demande.Marges),
                cible};
    case TTypeDiagramme::Evans:
        return {TracerEvans(surface, cible, doc, demande.Evans, MiseEnPageDe<TMiseEnPageEvans>(demande)), cible};
    default:
        // Aucun point à lire ni à lister.
        if (demande.Support == TSupport::Ecran && demande.Type != TTypeDiagramme::Aucun)
            doc.EchellesFrequentielles.NbPoints = 0;
        return FondSeul(surface, cible, doc, demande.Support, demande.Couleur);
    }
}

TResultatDiagramme TracerReponse(QPainter& surface, const QRect& cible, TDocument& doc,
                                 const TDemandeReponse& demande)
{
    switch (demande.Type) {
    case TTypeReponse::Indicielle:
        return {TracerReponseIndicielle(surface, cible, doc, demande.Param, MiseEnPageDe(demande)), cible};
    case TTypeReponse::Rampe:
        return {TracerReponseRampe(surface, cible, doc, demande.Param, MiseEnPageDe(demande)), cible};
    case TTypeReponse::Aucune:
        break;
    }
    return FondSeul(surface, cible, doc, demande.Support, demande.Couleur);
}
