// kovra-calcul --correcteur et --reglage : l'étude de L = C.G est celle du produit écrit à la main,
// les assistants remplissent les paramètres, et les fautes sont dites en français, statut 2.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "LanceCalcul.h"

using nlohmann::json;

namespace {

json Etude(const std::vector<std::string>& arguments)
{
    const TExecution e = Lance(arguments);
    EXPECT_EQ(e.Statut, 0) << e.Erreurs;
    return e.Statut == 0 ? json::parse(e.Sortie) : json::object();
}

void ExpectMemeNombre(const json& a, const json& b, const std::string& ou)
{
    if (a.is_null() || b.is_null()) {
        EXPECT_EQ(a.is_null(), b.is_null()) << ou;
        return;
    }
    EXPECT_NEAR(a.get<double>(), b.get<double>(), 1e-9 * std::max(1.0, std::fabs(b.get<double>()))) << ou;
}

// G = 1/(p(p+1)(p+2)) ; chaque C.G développé à la main.
struct TCas {
    const char* Correcteur;
    json Attendu;
    const char* NumMain;
    const char* DenMain;
};

const std::vector<TCas> Cas = {
    {"p k=3", {{"type", "p"}, {"k", 3}, {"numerateur", {3}}, {"denominateur", {1}}}, "3", "0 2 3 1"},
    {"pi k=2 ti=0.5", {{"type", "pi"}, {"k", 2}, {"ti", 0.5}, {"numerateur", {2, 1}}, {"denominateur", {0, 0.5}}},
     "2 1", "0 0 1 1.5 0.5"},
    {"pd k=2 td=0.5",
     {{"type", "pd"}, {"k", 2}, {"td", 0.5}, {"n", 10}, {"numerateur", {2, 1.1}}, {"denominateur", {1, 0.05}}},
     "2 1.1", "0 2 3.1 1.15 0.05"},
    {"pid ti=2 td=0.5 n=5",
     {{"type", "pid"}, {"k", 1}, {"ti", 2}, {"td", 0.5}, {"n", 5}, {"numerateur", {1, 2.1, 1.2}},
      {"denominateur", {0, 2, 0.2}}},
     "1 2.1 1.2", "0 0 4 6.4 2.6 0.2"},
    {"avance k=1.5 a=4 tau=0.25",
     {{"type", "avance"}, {"k", 1.5}, {"a", 4}, {"tau", 0.25}, {"numerateur", {1.5, 1.5}}, {"denominateur", {1, 0.25}}},
     "1.5 1.5", "0 2 3.5 1.75 0.25"},
    {"retard k=10 b=10 tau=5",
     {{"type", "retard"}, {"k", 10}, {"b", 10}, {"tau", 5}, {"numerateur", {10, 50}}, {"denominateur", {1, 50}}},
     "10 50", "0 2 103 151 50"},
};

void ExpectMemeObjet(const json& obtenu, const json& attendu, const std::string& ou)
{
    ASSERT_EQ(obtenu.size(), attendu.size()) << ou << " : " << obtenu.dump();
    for (auto a = attendu.begin(), o = obtenu.begin(); a != attendu.end(); ++a, ++o) {
        EXPECT_EQ(o.key(), a.key()) << ou;  // l'ordre des clés est celui de la sortie
        if (a->is_array()) {
            ASSERT_EQ(o->size(), a->size()) << ou << " " << a.key();
            for (std::size_t k = 0; k < a->size(); ++k)
                ExpectMemeNombre((*o)[k], (*a)[k], ou + " " + a.key());
        } else if (a->is_number())
            ExpectMemeNombre(*o, *a, ou + " " + a.key());
        else
            EXPECT_EQ(*o, *a) << ou;
    }
}

TEST(KovraCalculCorrecteur, LEtudeEstCelleDuProduitEcritALaMain)
{
    const std::vector<std::string> instants = {"--temps", "0.5,1,3", "--frequences", "0.05,0.3"};
    for (const TCas& c : Cas) {
        std::vector<std::string> corrige = {"--num", "1", "--den", "0 2 3 1", "--correcteur", c.Correcteur};
        std::vector<std::string> main = {"--num", c.NumMain, "--den", c.DenMain};
        corrige.insert(corrige.end(), instants.begin(), instants.end());
        main.insert(main.end(), instants.begin(), instants.end());
        const json l = Etude(corrige);
        const json m = Etude(main);
        ASSERT_TRUE(l.contains("correcteur")) << c.Correcteur;
        ExpectMemeObjet(l["correcteur"], c.Attendu, c.Correcteur);
        EXPECT_FALSE(m.contains("correcteur"));
        for (const char* cle : {"marge_phase_deg", "marge_gain_db", "frequence_marge_phase_hz"})
            ExpectMemeNombre(l["marges"][cle], m["marges"][cle], std::string(c.Correcteur) + " " + cle);
        EXPECT_EQ(l["marges"]["boucle_fermee_stable"], m["marges"]["boucle_fermee_stable"]) << c.Correcteur;
        EXPECT_EQ(l["poles"].size(), m["poles"].size()) << c.Correcteur;
        ExpectMemeNombre(l["lieu_evans"]["gain_critique"], m["lieu_evans"]["gain_critique"], c.Correcteur);
        for (const char* reponse : {"indicielle", "rampe", "reponse_frequentielle"})
            for (std::size_t k = 0; k < m[reponse].size(); ++k)
                for (const char* champ : {"y", "gain_db", "phase_deg"})
                    if (m[reponse][k].contains(champ))
                        ExpectMemeNombre(l[reponse][k][champ], m[reponse][k][champ],
                                         std::string(c.Correcteur) + " " + reponse + " " + champ);
    }
}

// Le cours : 1/(p+1)³ a Kc = 8 et oscille à √3 rad/s ; PID : K = 0,6.Kc, Ti = Tc/2, Td = Tc/8.
TEST(KovraCalculCorrecteur, ReglageParLaMethodeDOscillation)
{
    const json e = Etude({"--num", "1", "--den", "1 3 3 1", "--correcteur", "pid", "--reglage", "kc"});
    const double tc = 2 * M_PI / std::sqrt(3.0);
    EXPECT_NEAR(e["correcteur"]["k"].get<double>(), 4.8, 1e-9);
    EXPECT_NEAR(e["correcteur"]["ti"].get<double>(), tc / 2, 1e-9);
    EXPECT_NEAR(e["correcteur"]["td"].get<double>(), tc / 8, 1e-9);
    EXPECT_EQ(e["correcteur"]["n"], 10);
    ASSERT_TRUE(e.contains("reglage"));
    EXPECT_EQ(e["reglage"]["atteint"], true);
    EXPECT_EQ(e["marges"]["boucle_fermee_stable"], true);
    const json& etapes = e["reglage"]["etapes"];
    ASSERT_GE(etapes.size(), 3u);
    EXPECT_NE(etapes[0].get<std::string>().find("Kc = 8"), std::string::npos) << etapes.dump();
    EXPECT_NE(etapes.back().get<std::string>().find("dépassement"), std::string::npos) << etapes.dump();
}

TEST(KovraCalculCorrecteur, ReglageDuGainEtDeLAvanceTenusDansLesMarges)
{
    const json gain = Etude({"--num", "1", "--den", "0 2 3 1", "--correcteur", "p", "--reglage", "mp=45"});
    EXPECT_NEAR(gain["marges"]["marge_phase_deg"].get<double>(), 45, 0.1);
    EXPECT_EQ(gain["reglage"]["atteint"], true);
    const json mg = Etude({"--num", "1", "--den", "0 2 3 1", "--correcteur", "pi ti=10", "--reglage", "mg=10"});
    EXPECT_NEAR(mg["marges"]["marge_gain_db"].get<double>(), 10, 0.01);
    EXPECT_EQ(mg["correcteur"]["ti"], 10);
    const json avance = Etude({"--num", "1", "--den", "0 2 3 1", "--correcteur", "avance k=2", "--reglage", "mp=50"});
    EXPECT_NEAR(avance["marges"]["marge_phase_deg"].get<double>(), 50, 0.1);
    EXPECT_GT(avance["correcteur"]["a"].get<double>(), 1);
    EXPECT_EQ(avance["reglage"]["objectif"].get<std::string>().find("marge de phase de 50"), 0u);
    const json retard = Etude({"--num", "1", "--den", "0 2 3 1", "--correcteur", "retard", "--reglage", "erreur=0.05"});
    // Kv de G : 1/2 ; pour 0,05 il faut 20, b = K = 40.
    EXPECT_NEAR(retard["correcteur"]["b"].get<double>(), 40, 1e-9);
    EXPECT_NEAR(retard["correcteur"]["k"].get<double>(), 40, 1e-9);
    EXPECT_EQ(retard["reglage"]["atteint"], true);
}

TEST(KovraCalculCorrecteur, FautesDitesEnFrancaisStatutDeux)
{
    const std::vector<std::string> g = {"--num", "1", "--den", "0 2 3 1"};
    const std::vector<std::pair<std::vector<std::string>, std::string>> fautes = {
        {{"--correcteur", "pif k=1"}, "type de correcteur inconnu"},
        {{"--correcteur", "pi k=1 x=2"}, "paramètre inconnu"},
        {{"--correcteur", "p k=1 ti=2"}, "le paramètre ti n'a pas de sens pour le type p"},
        {{"--correcteur", "pi ti=1 ti=2"}, "paramètre ti donné deux fois"},
        {{"--correcteur", "pi ti=1,5"}, "valeur illisible pour ti"},
        {{"--correcteur", "pi k=2"}, "paramètre ti manquant pour le type pi"},
        {{"--correcteur", "avance a=1 tau=1"}, "a doit être strictement supérieur à 1"},
        {{"--correcteur", "pid ti=1 td=1 n=0"}, "N doit être strictement positif"},
        {{"--correcteur", "p k=0"}, "K doit être un nombre fini non nul"},
        {{"--reglage", "mp=45"}, "--reglage demande un --correcteur"},
        {{"--correcteur", "avance", "--reglage", "kc"}, "la méthode d'oscillation (kc) règle"},
        {{"--correcteur", "p", "--reglage", "erreur=0.1"}, "l'objectif erreur= se règle avec un correcteur retard"},
        {{"--correcteur", "p", "--reglage", "mp"}, "objectif illisible après --reglage"},
        {{"--correcteur", "pi", "--reglage", "mp=45"}, "paramètre ti manquant"},
        {{"--correcteur", "avance", "--reglage", "mp=20"}, "réglage impossible : K0.G a déjà"},
        {{"--correcteur", "p", "--reglage", "mp=200"}, "réglage impossible"},
    };
    for (const auto& [options, debut] : fautes) {
        std::vector<std::string> arguments = g;
        arguments.insert(arguments.end(), options.begin(), options.end());
        const TExecution e = Lance(arguments);
        EXPECT_EQ(e.Statut, 2) << debut;
        EXPECT_TRUE(e.Sortie.empty()) << debut;
        EXPECT_EQ(e.Erreurs.rfind("kovra-calcul : " + debut, 0), 0u) << e.Erreurs;
    }
}

}  // namespace
