#include "ValeursAutomatiques.h"

#include <algorithm>
#include <cmath>

#include "Graphisme.h"
#include "coeur/SaisieNombres.h"
#include "coeur/TextesValeurs.h"
#include "numerique/CadreNyquist.h"
#include "numerique/ReponseImpulsionnelle.h"

namespace {

constexpr int ChiffresMax = 15;

QString Texte(Reel valeur, int chiffres)
{
    return QString::fromStdString(NombreEnTexte(valeur, chiffres));
}

Reel Relu(const QString& texte)
{
    Reel valeur = 0;
    LitReel(NormaliseSeparateur(texte), valeur);
    return valeur;
}

// Gains à trois chiffres ; un gain presque constant (gain pur) s'ouvre de 10 dB de part et
// d'autre pour que le dialogue accepte ses propres valeurs.
void GainsAuto(TTextesFrequentiels& t, Reel gmin, Reel gmax, bool grilleFine)
{
    constexpr Reel Ouverture = 10;  // dB
    Reel lusMin = 0, lusMax = 0;
    const bool lus = LitReel(Texte(gmin, 3), lusMin) && LitReel(Texte(gmax, 3), lusMax);
    if (!lus || EcartGains(lusMin, lusMax, grilleFine) == TEcartGains::TropFaible) {
        gmin -= Ouverture;
        gmax += Ouverture;
    }
    t.Min = Texte(gmin, 3);
    t.Max = Texte(gmax, 3);
}

}

TEcartGains EcartGains(Reel gmin, Reel gmax, bool grilleFine)
{
    if (!(gmax > gmin))
        return TEcartGains::TropFaible;
    const std::optional<Reel> pas = PasGraduation(gmax - gmin, grilleFine);
    const TBornes bornes = pas ? BornesGraduees(gmin, gmax, *pas) : TBornes{};
    if (!pas || !BornesEtiquetables(bornes.Min, bornes.Max))
        return TEcartGains::TropGrand;
    // Au moins deux lignes de graduation distinctes, sinon l'écart est perdu dans l'arrondi.
    return Graduations(bornes.Min, bornes.Max, *pas).size() < 2 ? TEcartGains::TropFaible : TEcartGains::Tracable;
}

TTextesFrequentiels TextesAutoBode(const TDocument& doc)
{
    TTextesFrequentiels t{Texte(doc.EchellesAuto.FreqBasseAuto, 4), Texte(doc.EchellesAuto.FreqHauteAuto, 1), {}, {}, {}, {}};
    GainsAuto(t, doc.EchellesAuto.GainMinAuto, doc.EchellesAuto.GainMaxAuto, false);
    return t;
}

// Le balayage borne toute la courbe ; celle d'un système à intégrateurs part à l'infini, et
// son cadre est celui de sa partie utile.
TTextesFrequentiels TextesAutoNyquist(const TDocument& doc)
{
    const TCadreNyquist c = CadreNyquistIntegrateurs(doc.Systeme, doc.EchellesAuto.FreqBasseAuto, doc.EchellesAuto.FreqHauteAuto)
                                .value_or(TCadreNyquist{{doc.EchellesAuto.ReMinAuto, doc.EchellesAuto.ReMaxAuto}, {doc.EchellesAuto.ImMinAuto, doc.EchellesAuto.ImMaxAuto}});
    return {Texte(doc.EchellesAuto.FreqBasseAuto, 4), Texte(doc.EchellesAuto.FreqHauteAuto, 3), Texte(c.Re.Min, 3),
            Texte(c.Re.Max, 3),          Texte(c.Im.Min, 3),          Texte(c.Im.Max, 3)};
}

TTextesFrequentiels TextesAutoBlack(const TDocument& doc, bool quadriFin)
{
    TTextesFrequentiels t{Texte(doc.EchellesAuto.FreqBasseAuto, 4), Texte(doc.EchellesAuto.FreqHauteAuto, 3), {}, {}, {}, {}};
    GainsAuto(t, doc.EchellesAuto.GainMinAuto, doc.EchellesAuto.GainMaxAuto, quadriFin);
    return t;
}

TTextesEntree EntreeAutoEchelon()
{
    return {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("unités S.I.")};
}

TTextesEntree EntreeAutoRampe(const TDocument& doc)
{
    return {QStringLiteral("0"), TexteFixe(1 / doc.EchellesAuto.TMaxAuto, 15, 6).trimmed(), QStringLiteral("unités S.I.")};
}

TTextesEchellesReponse TextesEchellesReponse(Reel tmax, Reel ymin, Reel ymax)
{
    int chiffres = 3;
    while (chiffres < ChiffresMax && Texte(ymin, chiffres) == Texte(ymax, chiffres))
        ++chiffres;
    return {Texte(tmax, 4), Texte(ymin, chiffres), Texte(ymax, chiffres)};
}

TTextesEchellesReponse EchellesAutoEchelon(const TDocument& doc, Reel consI, Reel consF)
{
    const Reel depart = doc.EchellesAuto.GainStat * consI;
    const Reel ya = (consF - consI) * doc.EchellesAuto.YMaxIndicielle + depart;
    const Reel yb = (consF - consI) * doc.EchellesAuto.YMinIndicielle + depart;
    return TextesEchellesReponse(doc.EchellesAuto.TMaxAuto, std::min({ya, yb, consF, consI}), std::max({ya, yb, consF, consI}));
}

TTextesEchellesReponse EchellesAutoRampe(const TDocument& doc, Reel consI, Reel pente)
{
    const Reel depart = doc.EchellesAuto.GainStat * consI;
    const Reel ya = doc.EchellesAuto.RampeMax * pente + depart;
    const Reel yb = doc.EchellesAuto.RampeMin * pente + depart;
    const Reel fin = pente * doc.EchellesAuto.TMaxAuto + consI;
    return TextesEchellesReponse(doc.EchellesAuto.TMaxAuto, std::min({fin, consI, yb, ya}), std::max({fin, consI, yb, ya}));
}

TTextesEchellesReponse EchellesAutoImpulsion(const TDocument& doc, Reel consI, Reel consF)
{
    constexpr int Intervalles = 400;
    const Reel depart = doc.EchellesAuto.GainStat * consI;
    const Reel tmax = doc.EchellesAuto.TMaxAuto;
    const TImpulsionnelle h = PrepareImpulsionnelle(doc.Systeme);
    Reel bas = std::min(depart, consI);
    Reel haut = std::max(depart, consI);
    for (int k = 0; h.Faite && k <= Intervalles; ++k) {
        const Reel y = depart + (consF - consI) * ReponseImpulsionnelle(doc.Systeme, h, tmax * k / Intervalles);
        if (std::isfinite(y)) {
            bas = std::min(bas, y);
            haut = std::max(haut, y);
        }
    }
    // Partie régulière nulle (gain pur) : une unité d'impulsion au-dessus du départ.
    if (haut == bas)
        haut = bas + std::fabs(consF - consI);
    return TextesEchellesReponse(tmax, bas, haut);
}

TParamBode ParamAutoBode(const TDocument& doc)
{
    const TTextesFrequentiels t = TextesAutoBode(doc);
    return {Relu(t.FreqMin), Relu(t.FreqMax), Relu(t.Min), Relu(t.Max), {}};
}

TParamNyquist ParamAutoNyquist(const TDocument& doc)
{
    const TTextesFrequentiels t = TextesAutoNyquist(doc);
    return {Relu(t.FreqMin), Relu(t.FreqMax), Relu(t.Min), Relu(t.Max), Relu(t.ImMin), Relu(t.ImMax), {}, false};
}

TParamBlack ParamAutoBlack(const TDocument& doc)
{
    const TTextesFrequentiels t = TextesAutoBlack(doc, false);
    return {Relu(t.FreqMin), Relu(t.FreqMax), Relu(t.Min), Relu(t.Max), {}, false, false};
}

TParamEvans ParamAutoEvans(const TDocument& doc)
{
    const TCadreLieu c = CadreAutoEvans(doc.Systeme.Numerateur, doc.Systeme.Denominateur, PointsEvans(doc.Systeme.Numerateur, doc.Systeme.Denominateur));
    return {Relu(Texte(c.XMin, 3)), Relu(Texte(c.XMax, 3)), Relu(Texte(c.YMin, 3)), Relu(Texte(c.YMax, 3)), {}};
}

TParamReponse ParamAutoReponse(const TDocument& doc, TTypeReponse type)
{
    const bool rampe = type == TTypeReponse::Rampe;
    const TTextesEntree entree = rampe ? EntreeAutoRampe(doc) : EntreeAutoEchelon();
    TParamReponse p;
    p.ConsI = Relu(entree.ConsI);
    (rampe ? p.Pente : p.ConsF) = Relu(entree.Second);
    p.Unite = entree.Unite;
    const TTextesEchellesReponse echelles = rampe ? EchellesAutoRampe(doc, p.ConsI, p.Pente)
                                            : type == TTypeReponse::Impulsionnelle
                                                ? EchellesAutoImpulsion(doc, p.ConsI, p.ConsF)
                                                : EchellesAutoEchelon(doc, p.ConsI, p.ConsF);
    p.TMax = Relu(echelles.TMax);
    p.YMin = Relu(echelles.YMin);
    p.YMax = Relu(echelles.YMax);
    return p;
}
