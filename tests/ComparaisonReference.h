#pragma once
// Cas de référence de tests/donnees et comparaison à tolérance, partagés par le noyau (sans Qt) et le cœur.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <string>

#include <nlohmann/json.hpp>

#include "numerique/Complexes.h"

inline std::string CheminDonnees(const std::string& nom)
{
    return std::string(KOVRA_DONNEES_TESTS) + "/" + nom;
}

inline const nlohmann::json& CasReference()
{
    static const nlohmann::json cas = [] {
        std::ifstream f(CheminDonnees("cas.json"));
        return nlohmann::json::parse(f);
    }();
    return cas;
}

// Les entrées sont écrites en texte pour garder toute la précision d'un long double.
inline Reel LitReel(const nlohmann::json& v)
{
    return v.is_string() ? std::stold(v.get<std::string>()) : v.get<Reel>();
}

inline TComplexe LitComplexe(const nlohmann::json& v)
{
    if (v.is_array())
        return {LitReel(v[0]), LitReel(v[1])};
    return ComplexeReel(LitReel(v));
}

struct TTolerance {
    Reel Rel = 0;
    Reel Abs = 0;
};

// Pour les cas simples calculés à la main.
inline constexpr TTolerance Serre{1e-12L, 1e-15L};

inline TTolerance LitTolerance(const nlohmann::json& tolerance)
{
    return {LitReel(tolerance.at("rel")), LitReel(tolerance.at("abs"))};
}

// x convient quand |x - r| <= abs + rel.|r|.
inline ::testing::AssertionResult Proche(Reel x, Reel r, TTolerance tol)
{
    if (std::fabs(x - r) <= tol.Abs + tol.Rel * std::fabs(r))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "obtenu " << static_cast<double>(x) << ", attendu "
                                         << static_cast<double>(r);
}

// Un complexe est jugé sur le module de la différence.
inline ::testing::AssertionResult Proche(TComplexe z, TComplexe r, TTolerance tol)
{
    if (Distance(z, r) <= tol.Abs + tol.Rel * Module(r))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "obtenu (" << static_cast<double>(z.Re) << ", " << static_cast<double>(z.Im)
                                         << "), attendu (" << static_cast<double>(r.Re) << ", "
                                         << static_cast<double>(r.Im) << ")";
}

inline bool EstComplexe(const nlohmann::json& v)
{
    return v.is_array() && v.size() == 2 && v[0].is_number() && v[1].is_number();
}

// Compare un résultat JSON à `attendu` : flottants à tolérance, entiers exacts, objets et tableaux champ à champ.
inline void CompareJson(const nlohmann::json& obtenu, const nlohmann::json& attendu, const TTolerance& tol,
                        const std::string& chemin)
{
    if (EstComplexe(attendu) && attendu[0].is_number_float() && attendu[1].is_number_float()) {
        ASSERT_TRUE(EstComplexe(obtenu)) << chemin << " : " << obtenu;
        EXPECT_TRUE(Proche(LitComplexe(obtenu), LitComplexe(attendu), tol)) << chemin;
    } else if (attendu.is_number_float()) {
        ASSERT_TRUE(obtenu.is_number()) << chemin << " : " << obtenu;
        EXPECT_TRUE(Proche(LitReel(obtenu), LitReel(attendu), tol)) << chemin;
    } else if (attendu.is_number()) {
        ASSERT_TRUE(obtenu.is_number()) << chemin << " : " << obtenu;
        EXPECT_EQ(obtenu.get<double>(), attendu.get<double>()) << chemin;
    } else if (attendu.is_array()) {
        ASSERT_TRUE(obtenu.is_array()) << chemin << " : " << obtenu;
        ASSERT_EQ(obtenu.size(), attendu.size()) << chemin << " : " << obtenu;
        for (std::size_t i = 0; i < attendu.size(); ++i)
            CompareJson(obtenu[i], attendu[i], tol, chemin + "[" + std::to_string(i) + "]");
    } else if (attendu.is_object()) {
        ASSERT_TRUE(obtenu.is_object()) << chemin << " : " << obtenu;
        for (const auto& [cle, valeur] : attendu.items()) {
            ASSERT_TRUE(obtenu.contains(cle)) << chemin << "." << cle << " manque";
            CompareJson(obtenu[cle], valeur, tol, chemin + "." + cle);
        }
    } else {
        EXPECT_EQ(obtenu, attendu) << chemin;
    }
}

// La référence n'a pas de bande de fréquences quand aucun échantillon ne s'écarte entre ±60 dB ;
// ses gains y sont ceux de deux échantillons du bas du balayage. L'analyse prend alors une bande
// qui se dessine, et les gains de cette bande : ils ne se comparent plus à la référence.
inline nlohmann::json AttenduAvecBandeComparable(nlohmann::json attendu)
{
    nlohmann::json& echelles = attendu["echelles_auto"];
    if (!echelles.contains("FreqBasseAuto")) {
        echelles.erase("GainMinAuto");
        echelles.erase("GainMaxAuto");
    }
    return attendu;
}

// Toutes les plages sont écrites, finies, pour la fonction étudiée (aucune n'est laissée d'une autre),
// et la bande de fréquences comme la plage de gains se dessinent.
inline void VerifiePlagesEcrites(const nlohmann::json& obtenu, const std::string& nom)
{
    for (const char* cle : {"FreqBasseAuto", "FreqHauteAuto", "ReMinAuto", "ReMaxAuto", "ImMinAuto", "ImMaxAuto",
                            "GainMinAuto", "GainMaxAuto", "TMaxAuto", "YMinIndicielle", "YMaxIndicielle",
                            "RampeMin", "RampeMax", "GainStat"})
        ASSERT_TRUE(obtenu.contains(cle) && obtenu[cle].is_number()) << nom << " : " << cle;
    EXPECT_GT(obtenu["FreqBasseAuto"].get<double>(), 0) << nom;
    EXPECT_LT(obtenu["FreqBasseAuto"].get<double>(), obtenu["FreqHauteAuto"].get<double>()) << nom;
    EXPECT_LE(obtenu["GainMinAuto"].get<double>(), obtenu["GainMaxAuto"].get<double>()) << nom;
}
