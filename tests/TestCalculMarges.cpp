// L'objet « marges » de kovra-calcul, lu comme un enseignant le lirait.
#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>

#include "LanceCalcul.h"

using nlohmann::json;

namespace {

json Marges(const std::vector<std::string>& arguments)
{
    const TExecution e = Lance(arguments);
    EXPECT_EQ(e.Statut, 0) << e.Erreurs;
    return json::parse(e.Sortie)["marges"];
}

constexpr double Pi = 3.14159265358979323846;

TEST(CalculMarges, TroisiemeOrdreEnHertzEtEnDecibels)
{
    const json m = Marges({"--num", "1", "--den", "0 2 3 1"});
    const std::vector<std::string> cles = {"croisements_gain_hz", "croisements_phase_hz", "marge_gain_db",
                                           "frequence_marge_gain_hz", "marge_phase_deg", "frequence_marge_phase_hz",
                                           "marge_retard_s", "boucle_fermee_stable", "raison"};
    ASSERT_EQ(m.size(), cles.size());
    for (const std::string& cle : cles)
        EXPECT_TRUE(m.contains(cle)) << cle;
    EXPECT_NEAR(m["marge_gain_db"].get<double>(), 20 * std::log10(6.0), 1e-12);
    EXPECT_NEAR(m["frequence_marge_gain_hz"].get<double>(), std::sqrt(2.0) / (2 * Pi), 1e-14);
    ASSERT_EQ(m["croisements_phase_hz"].size(), 1u);
    EXPECT_EQ(m["croisements_phase_hz"][0], m["frequence_marge_gain_hz"]);
    EXPECT_NEAR(m["marge_phase_deg"].get<double>(), 53.4, 0.1);
    const double fc = m["frequence_marge_phase_hz"].get<double>();
    EXPECT_NEAR(m["marge_retard_s"].get<double>(), m["marge_phase_deg"].get<double>() * Pi / 180 / (2 * Pi * fc), 1e-12);
    EXPECT_EQ(m["boucle_fermee_stable"], true);
    EXPECT_EQ(m["raison"], "critère de Nyquist : 0 pôle(s) instable(s) en boucle ouverte, 0 tour(s) de -1 dans le sens horaire");
}

TEST(CalculMarges, RetardDUneSeconde)
{
    const json m = Marges({"--num", "1", "--den", "0 2 3 1", "--retard", "1"});
    EXPECT_LT(m["marge_gain_db"].get<double>(), 20 * std::log10(6.0));
    EXPECT_GT(m["marge_gain_db"].get<double>(), 0);
    EXPECT_LT(m["marge_phase_deg"].get<double>(), 53.4 - 20);
    EXPECT_EQ(m["boucle_fermee_stable"], true);
    // Le retard fait tourner la phase sans fin : croisements croissants, au plus 100.
    const json& phases = m["croisements_phase_hz"];
    ASSERT_GE(phases.size(), 2u);
    EXPECT_LE(phases.size(), 100u);
    for (std::size_t k = 1; k < phases.size(); ++k)
        EXPECT_LT(phases[k - 1].get<double>(), phases[k].get<double>());
}

TEST(CalculMarges, SansCroisementNullEtIndecidableDitPourquoi)
{
    const json m = Marges({"--num", "1", "--den", "1 1"});
    for (const char* cle : {"marge_gain_db", "frequence_marge_gain_hz", "marge_phase_deg", "frequence_marge_phase_hz",
                            "marge_retard_s"})
        EXPECT_TRUE(m[cle].is_null()) << cle;
    EXPECT_TRUE(m["croisements_gain_hz"].empty());
    EXPECT_EQ(m["boucle_fermee_stable"], true);

    const json impropre = Marges({"--num", "1 1 1", "--den", "1 1"});
    EXPECT_TRUE(impropre["boucle_fermee_stable"].is_null());
    EXPECT_FALSE(impropre["raison"].get<std::string>().empty());

    const json instable = Marges({"--num", "10", "--den", "0 2 3 1"});
    EXPECT_EQ(instable["boucle_fermee_stable"], false);
    EXPECT_LT(instable["marge_gain_db"].get<double>(), 0);
    EXPECT_EQ(instable["marge_retard_s"], 0);
}

}  // namespace

namespace {

// Un croisement de phase sous -120 dB compte : la marge est un rapport, exacte à tout niveau.
TEST(CalculMarges, MargeDeGainSousMoinsCentVingtDecibels)
{
    // (p + 1)...(p + 10) : somme des atan(w/k) = pi en 0,19473 Hz, |H| = 1,2e-7.
    const json fichier = Marges({KOVRA_DONNEES_TESTS "/degre_dix.kvf"});
    EXPECT_NEAR(fichier["marge_gain_db"].get<double>(), 138.41, 0.005);
    EXPECT_NEAR(fichier["frequence_marge_gain_hz"].get<double>(), 0.19473, 5e-6);
    // 3e-6/(p + 1)^3 : w = sqrt(3), |H| = 3e-6/8.
    const json m = Marges({"--num", "3e-6", "--den", "1 3 3 1"});
    EXPECT_NEAR(m["marge_gain_db"].get<double>(), 20 * std::log10(8 / 3e-6), 1e-9);
    EXPECT_NEAR(m["frequence_marge_gain_hz"].get<double>(), std::sqrt(3.0) / (2 * Pi), 1e-14);
}

// Trois croisements de gain, dont un de marge négative : la boucle reste stable jusqu'à 0,2576 s.
TEST(CalculMarges, MargeDeRetardSurPlusieursCroisements)
{
    const json m = Marges({"--num", "2 3 1", "--den", "0 25 0.4 1"});
    ASSERT_EQ(m["croisements_gain_hz"].size(), 3u);
    EXPECT_NEAR(m["marge_retard_s"].get<double>(), 0.257594183763166, 1e-12);
    EXPECT_EQ(Marges({"--num", "2 3 1", "--den", "0 25 0.4 1", "--retard", "0.25"})["boucle_fermee_stable"], true);
    EXPECT_EQ(Marges({"--num", "2 3 1", "--den", "0 25 0.4 1", "--retard", "0.26"})["boucle_fermee_stable"], false);
}

}  // namespace
