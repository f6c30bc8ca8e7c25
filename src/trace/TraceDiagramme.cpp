#include "TraceDiagramme.h"

#include <QPainter>
#include <utility>

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

std::optional<TOptionsCaracteristiques> LectureDe(const TDemandeReponse& demande)
{
    if (!demande.Caracteristiques)
        return std::nullopt;
    TOptionsCaracteristiques options;
    options.BandeDeuxPourCent = demande.BandeDeuxPourCent;
    return options;
}

// Sans dessin pour ce type : le fond seul.
void FondSeul(QPainter& surface, const QRect& cible, const TDocument& doc, TSupport support, bool couleur)
{
    TMiseEnPage mise;
    mise.RemplitFond = support == TSupport::Ecran;
    mise.Couleur = couleur;
    TTraceur(surface, doc.SchemaCouleurs, mise).RemplitFond(cible);
}

TResultatDiagramme Frequentiel(TTypeDiagramme type, std::optional<TTraceFrequentiel> trace, const QRect& cible)
{
    TResultatDiagramme r{trace.has_value(), trace ? trace->Cadre : cible, {}};
    r.Dessin.Type = type;
    r.Dessin.Frequentiel = trace ? std::move(*trace) : TTraceFrequentiel{TEchellesFrequentielles::Zone(cible), {}, cible};
    return r;
}

TResultatDiagramme Evans(std::optional<TTraceEvans> trace, const QRect& cible)
{
    TResultatDiagramme r{trace.has_value(), cible, {}};
    r.Dessin.Type = TTypeDiagramme::Evans;
    if (trace)
        r.Dessin.Evans = std::move(*trace);
    return r;
}
}

TResultatDiagramme TracerDiagramme(QPainter& surface, const QRect& cible, const TDocument& doc,
                                   const TDemandeDiagramme& demande)
{
    switch (demande.Type) {
    case TTypeDiagramme::Bode: {
        std::optional<TAsymptotesTracees> asymptotes;
        TResultatDiagramme r = Frequentiel(demande.Type,
                                           TracerBode(surface, cible, doc, demande.Bode,
                                                      MiseEnPageDe<TMiseEnPageBode>(demande), demande.Marges,
                                                      demande.Asymptotes ? &asymptotes : nullptr),
                                           cible);
        r.Dessin.Asymptotes = std::move(asymptotes);
        return r;
    }
    case TTypeDiagramme::Nyquist:
        return Frequentiel(demande.Type,
                           TracerNyquist(surface, cible, doc, demande.Nyquist,
                                         MiseEnPageDe<TMiseEnPageNyquist>(demande), demande.Marges),
                           cible);
    case TTypeDiagramme::Black:
        return Frequentiel(demande.Type,
                           TracerBlack(surface, cible, doc, demande.Black, MiseEnPageDe<TMiseEnPageBlack>(demande),
                                       demande.LieuxAbaque, demande.Marges),
                           cible);
    case TTypeDiagramme::Evans:
        return Evans(TracerEvans(surface, cible, doc, demande.Evans, MiseEnPageDe<TMiseEnPageEvans>(demande),
                                 demande.EvansPrecedent),
                     cible);
    case TTypeDiagramme::Aucun:
        break;
    }
    FondSeul(surface, cible, doc, demande.Support, demande.Couleur);
    return {false, cible, {}};
}

TResultatReponse TracerReponse(QPainter& surface, const QRect& cible, const TDocument& doc,
                               const TDemandeReponse& demande)
{
    std::optional<TReponseTracee> trace;
    switch (demande.Type) {
    case TTypeReponse::Indicielle:
        trace = TracerReponseIndicielle(surface, cible, doc, demande.Param, MiseEnPageDe(demande),
                                        LectureDe(demande));
        break;
    case TTypeReponse::Rampe:
        trace = TracerReponseRampe(surface, cible, doc, demande.Param, MiseEnPageDe(demande));
        break;
    case TTypeReponse::Impulsionnelle:
        trace = TracerReponseImpulsionnelle(surface, cible, doc, demande.Param, MiseEnPageDe(demande));
        break;
    case TTypeReponse::Aucune:
        FondSeul(surface, cible, doc, demande.Support, demande.Couleur);
        break;
    }
    if (!trace)
        return {};
    return {true, std::move(trace->Valeurs), std::move(trace->Caracteristiques), trace->Dirac};
}
