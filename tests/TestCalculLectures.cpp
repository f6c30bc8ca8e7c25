// Les lectures d'une réponse écrites par kovra-calcul : caractéristiques, impulsion, asymptotes.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <cmath>
#include <nlohmann/json.hpp>

#include "LanceCalcul.h"

using nlohmann::json;

namespace {

json Etude(const std::vector<std::string>& arguments)
{
    const TExecution e = Lance(arguments);
    EXPECT_EQ(e.Statut, 0) << e.Erreurs;
    return json::parse(e.Sortie);
}

constexpr double Pi = 3.14159265358979323846;

TEST(CalculLectures, CaracteristiquesDuSecondOrdreEtRaisonSansElles)
{
    // 1/(p² + 0,4p + 1) : ζ = 0,2, ωn = 1.
    const json c = Etude({"--num", "1", "--den", "1 0.4 1", "--retard", "0.5"})["caracteristiques_indicielle"];
    const std::vector<std::string> cles = {"valeur_finale", "depassement_pct", "temps_pic_s", "temps_montee_s",
                                           "temps_reponse_5pct_s", "temps_reponse_2pct_s", "sous_depassement"};
    ASSERT_EQ(c.size(), cles.size());
    for (const std::string& cle : cles)
        EXPECT_TRUE(c.contains(cle)) << cle;
    const double racine = std::sqrt(1 - 0.04);
    EXPECT_NEAR(c["valeur_finale"].get<double>(), 1, 1e-15);
    EXPECT_NEAR(c["depassement_pct"].get<double>(), 100 * std::exp(-Pi * 0.2 / racine), 1e-12);
    EXPECT_NEAR(c["temps_pic_s"].get<double>(), 0.5 + Pi / racine, 1e-12);
    EXPECT_GT(c["temps_reponse_2pct_s"].get<double>(), c["temps_reponse_5pct_s"].get<double>());
    EXPECT_TRUE(c["sous_depassement"].is_null());

    const json instable = Etude({"--num", "1", "--den", "-1 1"})["caracteristiques_indicielle"];
    ASSERT_EQ(instable.size(), 1u);
    EXPECT_NE(instable["raison"].get<std::string>().find("instable"), std::string::npos);
}

TEST(CalculLectures, ImpulsionEtSousDepassementDuNonMinimumDePhase)
{
    // (1 - p)/(p + 1)² : h = e^-t.(2t - 1), minimum de la réponse indicielle 1 - 2/√e en t = 1/2.
    const json e = Etude({"--num", "1 -1", "--den", "1 2 1", "--temps", "0,0.5,1,3"});
    const json& h = e["impulsionnelle"];
    ASSERT_EQ(h.size(), 4u);
    for (const json& point : h) {
        const double t = point["t"].get<double>();
        EXPECT_NEAR(point["y"].get<double>(), std::exp(-t) * (2 * t - 1), 1e-15) << t;
    }
    EXPECT_EQ(e["impulsion_dirac"]["poids"], 0.0);
    const json& sous = e["caracteristiques_indicielle"]["sous_depassement"];
    EXPECT_NEAR(sous["valeur"].get<double>(), 1 - 2 / std::sqrt(std::exp(1.0)), 1e-15);
    EXPECT_NEAR(sous["temps_s"].get<double>(), 0.5, 1e-15);
    // (2p + 1)/(p + 1) retardé : impulsion de poids 2 à l'instant du retard, puis -e^-(t-T).
    const json d = Etude({"--num", "1 2", "--den", "1 1", "--retard", "0.25", "--temps", "1.25"});
    EXPECT_EQ(d["impulsion_dirac"]["poids"], 2.0);
    EXPECT_EQ(d["impulsion_dirac"]["instant_s"], 0.25);
    EXPECT_NEAR(d["impulsionnelle"][0]["y"].get<double>(), -std::exp(-1.0), 1e-15);
}

TEST(CalculLectures, AsymptotesDuDiagrammeDessineALaMain)
{
    // 10(p + 1)/(p(p² + p + 100)).
    const json a = Etude({"--num", "10 10", "--den", "0 100 1 1"})["asymptotes"];
    EXPECT_NEAR(a["niveau_basse_frequence_db"].get<double>(), -20, 1e-13);
    EXPECT_EQ(a["pente_basse_frequence_db_par_decade"], -20.0);
    const json& c = a["cassures"];
    ASSERT_EQ(c.size(), 2u);
    EXPECT_NEAR(c[0]["pulsation"].get<double>(), 1, 1e-15);
    EXPECT_EQ(c[0]["origine"], "zero");
    EXPECT_EQ(c[0]["pente_db_par_decade_apres"], 0.0);
    EXPECT_NEAR(c[1]["pulsation"].get<double>(), 10, 1e-14);
    EXPECT_EQ(c[1]["origine"], "paire");
    EXPECT_EQ(c[1]["pente_db_par_decade_apres"], -40.0);
}

// La carte des pôles et des zéros existe pour un système instable, en PNG comme en PDF.
TEST(CalculLectures, VuePolesPourUnSystemeInstable)
{
    QTemporaryDir dossier;
    for (const char* nom : {"poles.png", "poles.pdf"}) {
        const QString chemin = dossier.filePath(nom);
        const TExecution e = Lance({KOVRA_DONNEES_TESTS "/instable.kvf", "--image", chemin.toStdString(), "--vue", "poles",
                                    "--taille", "640x480"});
        ASSERT_EQ(e.Statut, 0) << e.Erreurs;
        QFile fichier(chemin);
        ASSERT_TRUE(fichier.open(QIODevice::ReadOnly)) << nom;
        const QByteArray debut = fichier.read(4);
        EXPECT_TRUE(debut == "\x89PNG" || debut == "%PDF") << nom;
    }
    const TExecution inconnue = Lance({"--num", "1", "--den", "1 1", "--image", "x.png", "--vue", "pole"});
    EXPECT_EQ(inconnue.Statut, 2);
    EXPECT_NE(inconnue.Erreurs.find("rampe, impulsion ou poles"), std::string::npos) << inconnue.Erreurs;
    const QString impulsion = dossier.filePath("impulsion.png");
    const TExecution e = Lance({"--num", "2 1", "--den", "1 1", "--image", impulsion.toStdString(), "--vue", "impulsion"});
    ASSERT_EQ(e.Statut, 0) << e.Erreurs;
    EXPECT_FALSE(QImage(impulsion).isNull());
}

}  // namespace
