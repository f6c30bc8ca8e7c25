#include "OptionsCorrecteur.h"

#include <algorithm>
#include <iterator>
#include <sstream>
#include <vector>

#include "coeur/FichierDonnees.h"
#include "numerique/ReglageAvance.h"
#include "numerique/ReglageGain.h"
#include "numerique/ReglageOscillation.h"
#include "numerique/ReglageRetard.h"

namespace {

const std::string NomsParametres[] = {"k", "ti", "td", "n", "a", "b", "tau"};

std::optional<TParametreCorrecteur> ParametreDuType(TTypeCorrecteur type, const std::string& nom)
{
    for (const TParametreCorrecteur& p : ParametresCorrecteur(type))
        if (nom == p.Nom)
            return p;
    return std::nullopt;
}

std::string LitParametre(const std::string& mot, TOptionCorrecteur& o)
{
    const std::size_t egal = mot.find('=');
    const std::string nom = mot.substr(0, egal);
    Reel x = 0;
    const std::optional<TParametreCorrecteur> p = ParametreDuType(o.Correcteur.Type, nom);
    if (egal == std::string::npos || std::find(std::begin(NomsParametres), std::end(NomsParametres), nom) == std::end(NomsParametres))
        return "paramètre inconnu « " + mot + " » dans --correcteur (k, ti, td, n, a, b, tau)";
    if (!p)
        return "le paramètre " + nom + " n'a pas de sens pour le type " + o.Type;
    if (!o.Donnes.insert(nom).second)
        return "paramètre " + nom + " donné deux fois dans --correcteur";
    if (!LitReelPoint(mot.substr(egal + 1), x))
        return "valeur illisible pour " + nom + " dans --correcteur";
    o.Correcteur.*(p->Champ) = x;
    return {};
}

// Objectif « nom=valeur », ou « kc » seul.
struct TObjectif {
    std::string Nom;
    Reel Valeur = 0;
};

std::optional<TObjectif> LitObjectif(const std::string& texte)
{
    const std::size_t egal = texte.find('=');
    TObjectif o{texte.substr(0, egal), 0};
    if (o.Nom == "kc")
        return egal == std::string::npos ? std::optional(o) : std::nullopt;
    if (egal == std::string::npos || !LitReelPoint(texte.substr(egal + 1), o.Valeur))
        return std::nullopt;
    return o.Nom == "mp" || o.Nom == "mg" || o.Nom == "erreur" ? std::optional(o) : std::nullopt;
}

// Avant réglage, les paramètres que l'assistant ne remplit pas doivent être là.
std::string ManquantAvantReglage(const TOptionCorrecteur& o, const std::vector<std::string>& remplis)
{
    for (const TParametreCorrecteur& p : ParametresCorrecteur(o.Correcteur.Type)) {
        const std::string nom = p.Nom;
        if (nom != "k" && nom != "n" && !o.Donnes.count(nom)
            && std::find(remplis.begin(), remplis.end(), nom) == remplis.end())
            return "paramètre " + nom + " manquant pour le type " + o.Type;
    }
    return {};
}

std::optional<TReglage> Assistant(const TObjectif& objectif, const TFonctionG& g, const TOptionCorrecteur& o,
                                  std::string& faute)
{
    const TTypeCorrecteur t = o.Correcteur.Type;
    const bool oscillation = t == TTypeCorrecteur::P || t == TTypeCorrecteur::PI || t == TTypeCorrecteur::PID;
    if (objectif.Nom == "kc" && !oscillation)
        faute = "la méthode d'oscillation (kc) règle un correcteur p, pi ou pid";
    else if (objectif.Nom == "erreur" && t != TTypeCorrecteur::Retard)
        faute = "l'objectif erreur= se règle avec un correcteur retard";
    else if (objectif.Nom == "mp" && t == TTypeCorrecteur::Avance)
        faute = ManquantAvantReglage(o, {"a", "tau"});
    else if (objectif.Nom == "kc")
        faute = ManquantAvantReglage(o, {"ti", "td"});
    else if (objectif.Nom == "erreur")
        faute = ManquantAvantReglage(o, {"b", "tau"});
    else
        faute = ManquantAvantReglage(o, {});
    if (!faute.empty())
        return std::nullopt;
    if (objectif.Nom == "kc")
        return ReglageOscillation(g, o.Correcteur);
    if (objectif.Nom == "erreur")
        return RetardPourErreurStatique(g, objectif.Valeur);
    if (objectif.Nom == "mp" && t == TTypeCorrecteur::Avance)
        return AvancePourMargePhase(g, o.Donnes.count("k") ? o.Correcteur.K : 1, objectif.Valeur);
    if (objectif.Nom == "mp")
        return GainPourMargePhase(g, o.Correcteur, objectif.Valeur);
    return GainPourMargeGain(g, o.Correcteur, objectif.Valeur);
}

}  // namespace

std::string LitOptionCorrecteur(const std::string& texte, TOptionCorrecteur& o)
{
    std::istringstream mots(texte);
    const std::optional<TTypeCorrecteur> type = mots >> o.Type ? TypeCorrecteurDuNom(o.Type) : std::nullopt;
    if (!type)
        return "type de correcteur inconnu après --correcteur (p, pi, pd, pid, avance, retard)";
    o.Correcteur.Type = *type;
    for (std::string mot; mots >> mot;)
        if (std::string faute = LitParametre(mot, o); !faute.empty())
            return faute;
    return {};
}

std::string VerifieCorrecteurComplet(const TOptionCorrecteur& o)
{
    const std::string manque = ManquantAvantReglage(o, {});
    return manque.empty() ? RefusCorrecteur(o.Correcteur) : manque;
}

std::optional<TReglage> RegleCorrecteur(const std::string& objectif, const TFonctionG& g, TOptionCorrecteur& o,
                                        std::string& faute)
{
    const std::optional<TObjectif> lu = LitObjectif(objectif);
    if (!lu) {
        faute = "objectif illisible après --reglage (mp=…, mg=…, kc ou erreur=…)";
        return std::nullopt;
    }
    std::optional<TReglage> r = Assistant(*lu, g, o, faute);
    if (r && !r->Rempli) {
        faute = "réglage impossible : " + r->Etapes.back();
        return std::nullopt;
    }
    if (r)
        o.Correcteur = r->Correcteur;
    return r;
}
