// Le texte JSON de kovra-calcul : nombres à 19 chiffres, valeurs sans forme JSON nommées à leur
// place, et sorties de quelques études comparées à celles gardées dans tests/donnees.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "LanceCalcul.h"
#include "calcul/JsonCalcul.h"

namespace {

TEST(JsonCalcul, NombresEtendusEtValeursSansFormeNommees)
{
    TJson etude = TJson::object();
    etude["tiers"] = 1 / 3.0L;
    etude["b"] = TJson::array({ComplexeJson({2 / 3.0L, -2}), nullptr, true, 7, -0.0L});
    etude["c"] = TJson::object({{"infini", std::numeric_limits<Reel>::infinity()},
                                {"minuscule", 1e-310L},
                                {"hors", 2e308L},
                                {"grand", 1e308L},
                                {"nan", std::numeric_limits<Reel>::quiet_NaN()},
                                {"texte", "x\n\"\\y\x01"}});
    etude["compte"] = std::numeric_limits<std::uint64_t>::max();
    const TAvertissements explicites = {
        {"b[1]", "après b[1]"}, {"", "à la fin"}, {"c.infini", "après l'infini"}, {"absent", "chemin absent"}};
    // 1/3 et 2/3 en long double : 0,33333333333333333334… et 0,66666666666666666669… ; un double
    // n'en garderait que 17 chiffres.
    EXPECT_EQ(TexteJson(etude, explicites),
              "{\"tiers\":0.3333333333333333333,\"b\":[[0.6666666666666666667,-2],null,true,7,0],"
              "\"c\":{\"infini\":null,\"minuscule\":0,\"hors\":null,\"grand\":1e+308,\"nan\":null,"
              "\"texte\":\"x\\u000a\\\"\\\\y\\u0001\"},\"compte\":18446744073709551615,"
              "\"avertissements\":[\"b[1] : après b[1]\","
              "\"c.infini : valeur infinie ou hors de l'étendue des doubles\",\"c.infini : après l'infini\","
              "\"c.minuscule : valeur sous l'étendue des doubles, écrite 0\","
              "\"c.hors : valeur infinie ou hors de l'étendue des doubles\","
              "\"c.nan : valeur infinie ou hors de l'étendue des doubles\","
              "\"à la fin\",\"absent : chemin absent\"]}\n");
    EXPECT_EQ(TexteJson(TJson::object(), {}), "{\"avertissements\":[]}\n");
}

std::string Contenu(const std::string& chemin)
{
    std::ifstream f(chemin, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

// Même arbre, mêmes clés dans le même ordre, mêmes textes ; les nombres aux derniers chiffres près,
// que le calcul a le droit d'améliorer.
void CompareArbres(const TJson& obtenu, const TJson& attendu, const std::string& chemin)
{
    if (attendu.is_number() && obtenu.is_number()) {
        const Reel a = attendu.get<Reel>(), o = obtenu.get<Reel>();
        EXPECT_LE(std::fabs(o - a), 1e-13L * std::fabs(a)) << chemin;
        return;
    }
    ASSERT_EQ(obtenu.type(), attendu.type()) << chemin;
    if (attendu.is_object()) {
        std::vector<std::string> clesObtenues, clesAttendues;
        for (const auto& [cle, v] : obtenu.items())
            clesObtenues.push_back(cle);
        for (const auto& [cle, v] : attendu.items())
            clesAttendues.push_back(cle);
        ASSERT_EQ(clesObtenues, clesAttendues) << chemin;
        for (const auto& [cle, v] : attendu.items())
            CompareArbres(obtenu[cle], v, chemin + "." + cle);
    } else if (attendu.is_array()) {
        ASSERT_EQ(obtenu.size(), attendu.size()) << chemin;
        for (std::size_t k = 0; k < attendu.size(); ++k)
            CompareArbres(obtenu[k], attendu[k], chemin + "[" + std::to_string(k) + "]");
    } else {
        EXPECT_EQ(obtenu, attendu) << chemin;
    }
}

TEST(JsonCalcul, SortiesGardeesRetrouvees)
{
    const struct {
        const char* Fichier;
        std::vector<std::string> Arguments;
    } cas[] = {
        {"racine_commune_instable.json", {"--num", "-1 1", "--den", "-1 0 1", "--frequences", "1", "--temps", "1"}},
        {"sous_etendue.json", {"--num", "1", "--den", "1e-300 1e300", "--temps", "1,1e10"}},
        {"pole_sur_la_frequence.json", {"--num", "1", "--den", "1 0 1", "--frequences", "0.15915494309189533577,1"}},
        {"retard_pole_triple.json",
         {"--num", "1 2", "--den", "1 3 3 1", "--retard", "0.5", "--frequences", "0.1,1", "--temps", "0.2,3"}},
    };
    for (const auto& c : cas) {
        const TExecution e = Lance(c.Arguments);
        ASSERT_EQ(e.Statut, 0) << c.Fichier << e.Erreurs;
        const std::string attendu = Contenu(std::string(KOVRA_DONNEES_TESTS) + "/sorties_calcul/" + c.Fichier);
        ASSERT_FALSE(attendu.empty()) << c.Fichier;
        ASSERT_EQ(e.Sortie.back(), '\n') << c.Fichier;
        CompareArbres(TJson::parse(e.Sortie), TJson::parse(attendu), c.Fichier);
    }
}

} // namespace
