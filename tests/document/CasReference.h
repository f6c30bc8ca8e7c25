#pragma once
// Cas de référence de tests/donnees et comparaison tolérante d'un résultat JSON à `attendu`.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <string>

#include <QString>
#include <nlohmann/json.hpp>

// Les messages des échecs s'affichent en clair.
inline void PrintTo(const QString& texte, std::ostream* flot)
{
    *flot << '"' << texte.toStdString() << '"';
}

inline std::string CheminDonnees(const std::string& nom)
{
    return std::string(KOVRA_DONNEES_TESTS) + "/" + nom;
}

inline nlohmann::json CasReference()
{
    std::ifstream f(CheminDonnees("cas.json"));
    return nlohmann::json::parse(f);
}

inline bool EstComplexe(const nlohmann::json& v)
{
    return v.is_array() && v.size() == 2 && v[0].is_number_float() && v[1].is_number_float();
}

// |x - r| <= abs + rel.|r| ; un complexe est comparé par le module de la différence.
inline void CompareJson(const nlohmann::json& obtenu, const nlohmann::json& attendu, const nlohmann::json& tolerance,
                        const std::string& chemin)
{
    const double rel = tolerance.at("rel");
    const double abs = tolerance.at("abs");
    if (EstComplexe(attendu)) {
        ASSERT_TRUE(obtenu.is_array() && obtenu.size() == 2 && obtenu[0].is_number() && obtenu[1].is_number())
            << chemin << " : " << obtenu;
        const double r = std::hypot(double(attendu[0]), double(attendu[1]));
        const double d = std::hypot(double(obtenu[0]) - double(attendu[0]), double(obtenu[1]) - double(attendu[1]));
        EXPECT_LE(d, abs + rel * r) << chemin << " : " << obtenu << " au lieu de " << attendu;
    } else if (attendu.is_number_float()) {
        ASSERT_TRUE(obtenu.is_number()) << chemin << " : " << obtenu;
        const double r = attendu;
        EXPECT_LE(std::fabs(double(obtenu) - r), abs + rel * std::fabs(r)) << chemin << " : " << obtenu
                                                                           << " au lieu de " << r;
    } else if (attendu.is_number()) {
        ASSERT_TRUE(obtenu.is_number()) << chemin << " : " << obtenu;
        EXPECT_EQ(double(obtenu), double(attendu)) << chemin;
    } else if (attendu.is_array()) {
        ASSERT_TRUE(obtenu.is_array()) << chemin << " : " << obtenu;
        ASSERT_EQ(obtenu.size(), attendu.size()) << chemin << " : " << obtenu;
        for (std::size_t i = 0; i < attendu.size(); ++i)
            CompareJson(obtenu[i], attendu[i], tolerance, chemin + "[" + std::to_string(i) + "]");
    } else if (attendu.is_object()) {
        ASSERT_TRUE(obtenu.is_object()) << chemin << " : " << obtenu;
        for (const auto& [cle, valeur] : attendu.items()) {
            ASSERT_TRUE(obtenu.contains(cle)) << chemin << "." << cle << " manque";
            CompareJson(obtenu[cle], valeur, tolerance, chemin + "." + cle);
        }
    } else {
        EXPECT_EQ(obtenu, attendu) << chemin;
    }
}

// Les plages que l'analyse n'a pas écrites ne doivent pas apparaître.
inline void CompareClesEchelles(const nlohmann::json& obtenu, const nlohmann::json& attendu, const std::string& nom)
{
    for (const auto& element : obtenu.items())
        EXPECT_TRUE(attendu.contains(element.key())) << nom << " : " << element.key() << " écrit à tort";
}
