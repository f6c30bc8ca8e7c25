// Cas de référence calculés en haute précision, hors de Kovra : toute l'analyse d'une saisie.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "OutilsAnalyse.h"
#include "numerique/Reponses.h"

using nlohmann::json;

namespace {

std::vector<std::string> NomsDesCas()
{
    std::vector<std::string> noms;
    for (const json& c : CasReference())
        noms.push_back(c["nom"]);
    return noms;
}

const json& CasNomme(const std::string& nom)
{
    for (const json& c : CasReference())
        if (c["nom"] == nom)
            return c;
    throw std::runtime_error("cas inconnu : " + nom);
}

// Valeurs sentinelles : ce que l'analyse ne doit pas toucher les garde.
constexpr Reel Sentinelle = -12345;

class Reference : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override
    {
        const json& entree = CeCas()["entree"];
        systeme = SystemeDuCas(entree);
        for (const auto& [nom, champ] : ChampsEchellesAuto)
            echelles.*champ = Sentinelle;
        statut = Analyse(systeme, echelles, [this](TComplexe racine) { communes.push_back(racine); });
    }

    const json& CeCas() const { return CasNomme(GetParam()); }
    const json& Attendu() const { return CeCas()["attendu"]; }
    TTolerance Tolerance() const { return LitTolerance(CeCas()["tolerance"]); }

    void VerifieRacines(const TPolynome& p, const json& racines, const json& multiplicites) const
    {
        ASSERT_EQ(p.Degre, static_cast<int>(racines.size()));
        for (int i = 1; i <= p.Degre; ++i)
            EXPECT_TRUE(Proche(p.Racines[i], LitComplexe(racines[i - 1]), Tolerance())) << "racine " << i;
        ASSERT_EQ(p.Multiplicites[0], static_cast<int>(multiplicites.size()));
        for (int k = 1; k <= p.Multiplicites[0]; ++k)
            EXPECT_EQ(p.Multiplicites[k], multiplicites[k - 1].get<int>()) << "racine distincte " << k;
    }

    TSysteme systeme;
    TEchellesAuto echelles;
    std::vector<TComplexe> communes;
    int statut = -1;
};

TEST_P(Reference, RacinesApresSimplification)
{
    VerifieRacines(systeme.Numerateur, Attendu()["zeros"], Attendu()["multiplicites_zeros"]);
    VerifieRacines(systeme.Denominateur, Attendu()["poles"], Attendu()["multiplicites_poles"]);
}

TEST_P(Reference, RacinesCommunesEtStabilite)
{
    const json& attendues = Attendu()["racines_communes"];
    ASSERT_EQ(communes.size(), attendues.size());
    for (std::size_t i = 0; i < communes.size(); ++i)
        EXPECT_TRUE(Proche(communes[i], LitComplexe(attendues[i]), Tolerance())) << "racine commune " << i;
    EXPECT_EQ(systeme.SystemeStable, Attendu()["stable"].get<bool>());
}

TEST_P(Reference, PartieEntiereEtElementsSimples)
{
    ASSERT_EQ(statut, DecompositionFaite);
    const json& entiere = Attendu()["partie_entiere"];
    ASSERT_EQ(systeme.PartieEntiere.Degre, static_cast<int>(entiere.size()) - 1);
    for (int k = 0; k <= systeme.PartieEntiere.Degre; ++k)
        EXPECT_TRUE(Proche(systeme.PartieEntiere.Coef[k], LitComplexe(entiere[k]), Tolerance())) << "p^" << k;
    const json& elements = Attendu()["elements_simples"];
    const TPolynome& d = systeme.Denominateur;
    ASSERT_EQ(d.Multiplicites[0], static_cast<int>(elements.size()));
    for (int i = 1; i <= d.Multiplicites[0]; ++i) {
        const json& element = elements[i - 1];
        EXPECT_TRUE(Proche(d.Racines[RangRacine(d, i)], LitComplexe(element["pole"]), Tolerance())) << "pôle " << i;
        ASSERT_EQ(d.Multiplicites[i], element["multiplicite"].get<int>());
        for (int l = 1; l <= d.Multiplicites[i]; ++l)
            EXPECT_TRUE(Proche(systeme.Decomposition(i, l), LitComplexe(element["coefficients"][l - 1]), Tolerance()))
                << "pôle " << i << ", puissance " << l;
    }
}

// Partie entière et éléments simples réunis redonnent N/D en des points quelconques.
TEST_P(Reference, RecompositionRedonneNSurD)
{
    ASSERT_EQ(statut, DecompositionFaite);
    for (const TComplexe z : {TComplexe{0.3L, 0.7L}, TComplexe{-1.7L, 2.1L}, TComplexe{2, 0.5L}, TComplexe{-0.2L, -3}}) {
        const TComplexe attendu = Quotient(ValeurEn(systeme.Numerateur, z), ValeurEn(systeme.Denominateur, z));
        const TRecomposition r =
            Recompose(systeme.Denominateur, systeme.PartieEntiere, systeme.Decomposition, z);
        EXPECT_LE(Distance(r.Valeur, attendu), Tolerance().Rel * (r.OrdreDeGrandeur + Module(attendu)))
            << "en (" << static_cast<double>(z.Re) << ", " << static_cast<double>(z.Im) << ")";
    }
}

TEST_P(Reference, GainStatique)
{
    const TGainStatique g = GainStatique(systeme.Numerateur, systeme.Denominateur);
    EXPECT_EQ(g.Infini, Attendu()["gain_statique"]["infini"].get<bool>());
    EXPECT_TRUE(Proche(g.Valeur, LitComplexe(Attendu()["gain_statique"]["valeur"]), Tolerance()));
}

TEST_P(Reference, ReponseFrequentielle)
{
    for (const json& point : Attendu()["reponse_frequentielle"]) {
        const Reel f = LitReel(point["f"]);
        const TComplexe h = ReponseFrequentielle(systeme, {0, DeuxPi * f});
        SCOPED_TRACE("f = " + std::to_string(static_cast<double>(f)));
        EXPECT_TRUE(Proche(h.Re, LitReel(point["re"]), Tolerance()));
        EXPECT_TRUE(Proche(h.Im, LitReel(point["im"]), Tolerance()));
        EXPECT_TRUE(Proche(20 * std::log10(Module(h)), LitReel(point["gain_db"]), Tolerance()));
        EXPECT_TRUE(Proche(Argument(h) * 180 / Pi, LitReel(point["phase_deg"]), Tolerance()));
    }
}

TEST_P(Reference, ReponsesIndicielleEtRampe)
{
    const Reel T = systeme.TempsMort;
    if (!Attendu().contains("indicielle")) {
        // Fonction impropre : la sortie reste au repos.
        for (const Reel t : {0.0L, 0.5L, 3.0L})
            EXPECT_EQ(ReponseEchelon(systeme, t, T, 0, 1, 0.25L), 0.25L);
        return;
    }
    for (const json& point : Attendu()["indicielle"]) {
        const Reel t = LitReel(point["t"]);
        EXPECT_TRUE(Proche(ReponseEchelon(systeme, t, T, 0, 1, 0), LitReel(point["y"]), Tolerance()))
            << "échelon, t = " << static_cast<double>(t);
    }
    // Un système instable n'a pas de rampe préparée : on la prépare sur une copie.
    const TSysteme avecRampe = SystemeAvecRampe(systeme);
    EXPECT_EQ(systeme.DecompositionRampeFaite, systeme.SystemeStable);
    for (const json& point : Attendu()["rampe"]) {
        const Reel t = LitReel(point["t"]);
        EXPECT_TRUE(Proche(ReponseRampe(avecRampe, t, T, 1, 0), LitReel(point["y"]), Tolerance()))
            << "rampe, t = " << static_cast<double>(t);
    }
}

// Les champs que la référence n'a pas (aucun départ entre ±60 dB, système instable) sont
// quand même écrits pour cette fonction : rien ne garde la valeur d'avant.
TEST_P(Reference, EchellesAutomatiques)
{
    const json attendues = AttenduAvecBandeComparable(Attendu())["echelles_auto"];
    json obtenues = json::object();
    for (const auto& [nom, champ] : ChampsEchellesAuto) {
        EXPECT_NE(echelles.*champ, Sentinelle) << nom;
        obtenues[nom] = static_cast<double>(echelles.*champ);
        if (attendues.contains(nom))
            EXPECT_TRUE(Proche(echelles.*champ, LitReel(attendues[nom]), Tolerance())) << nom;
    }
    VerifiePlagesEcrites(obtenues, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Cas, Reference, ::testing::ValuesIn(NomsDesCas()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

}  // namespace
