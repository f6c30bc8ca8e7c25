// Les réponses échantillonnées des plages automatiques contre la forme close, à chaque instant.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "OutilsAnalyse.h"
#include "numerique/Reponses.h"
#include "numerique/ReponsesEchantillonnees.h"

namespace {

// Écart admis, rapporté à la plus grande valeur de la réponse (la plage proposée) : quelques
// centaines d'arrondis du réel étendu, très loin des chiffres affichés.
constexpr Reel EcartAdmis = 3e-17L;
constexpr int NombreInstants = 1000;

// Les instants des plages automatiques : k/999 de la durée, moins le retard.
std::vector<Reel> Instants(Reel duree, Reel retard)
{
    std::vector<Reel> t;
    for (int k = 0; k < NombreInstants; ++k)
        t.push_back(Reel(k) / (NombreInstants - 1) * duree - retard);
    return t;
}

void Compare(const std::vector<Reel>& rapides, const std::vector<Reel>& closes, const std::vector<Reel>& instants)
{
    ASSERT_EQ(rapides.size(), closes.size());
    Reel echelle = 1;
    for (const Reel y : closes)
        echelle = std::max(echelle, std::fabs(y));
    std::size_t pire = 0;
    for (std::size_t k = 0; k < closes.size(); ++k)
        if (!(std::fabs(rapides[k] - closes[k]) <= std::fabs(rapides[pire] - closes[pire])))
            pire = k;
    EXPECT_LE(std::fabs(rapides[pire] - closes[pire]), EcartAdmis * echelle)
        << "instant " << static_cast<double>(instants[pire]) << " : " << static_cast<double>(rapides[pire])
        << " au lieu de " << static_cast<double>(closes[pire]);
}

// Réponse indicielle (avec son retard) et rampe d'un système analysé, sur la durée de ses plages.
void CompareReponses(TSysteme s)
{
    TEchellesAuto e;
    ASSERT_EQ(Analyse(s, e), DecompositionFaite);
    const Reel pas = e.TMaxAuto / (NombreInstants - 1);
    const std::vector<Reel> decales = Instants(e.TMaxAuto, s.TempsMort);
    std::vector<Reel> closes;
    for (const Reel t : decales)
        closes.push_back(ReponseIndicielleUnitaire(s.Denominateur, s.PartieEntiere, s.Decomposition, t));
    {
        SCOPED_TRACE("échelon");
        Compare(IndiciellesEchantillonnees(s.Denominateur, s.PartieEntiere, s.Decomposition, decales, pas), closes,
                decales);
    }
    const TSysteme avecRampe = SystemeAvecRampe(s);
    const std::vector<Reel> instants = Instants(e.TMaxAuto, 0);
    closes.clear();
    for (const Reel t : instants)
        closes.push_back(ReponseRampe(avecRampe, t, 0, 1, 0));
    SCOPED_TRACE("rampe");
    Compare(RampesEchantillonnees(avecRampe, instants, pas), closes, instants);
}

TEST(ReponsesEchantillonnees, CasDeReferenceAChaqueInstant)
{
    for (const nlohmann::json& c : CasReference()) {
        SCOPED_TRACE(c["nom"].get<std::string>());
        CompareReponses(SystemeDuCas(c["entree"]));
    }
}

struct TCasRaide {
    const char* Nom;
    std::vector<Reel> Numerateur;
    std::vector<TComplexe> Poles;
    Reel Retard = 0;
};

TPolynome Numerateur(const std::vector<Reel>& coefs)
{
    std::vector<TComplexe> c;
    for (const Reel x : coefs)
        c.push_back(R(x));
    return ParCoefficients(c);
}

TEST(ReponsesEchantillonnees, CasRaidesAChaqueInstant)
{
    const TCasRaide cas[] = {
        {"pôles de 1e-3 à 1e3", {1}, {R(-1e-3L), R(-1), R(-1e3L)}},
        {"pôle double", {2, 1}, {R(-1), R(-1), R(-3)}},
        {"pôle triple lent et pôle rapide", {1}, {R(-0.01L), R(-0.01L), R(-0.01L), R(-50)}},
        {"paires complexes", {1, 0.5L}, {{-0.1L, 1}, {-0.1L, -1}, {-1, 2}, {-1, -2}}},
        {"paire presque imaginaire", {1}, {{-1e-3L, 10}, {-1e-3L, -10}}},
        {"intégrateur : rampe sur un pôle double à l'origine", {1}, {R(0), R(-1)}},
        {"pôle dix fois multiple retardé", {1, 0.5L, 0.1L}, std::vector<TComplexe>(10, R(-1)), 0.05L},
        {"pôle treize fois multiple", {1}, std::vector<TComplexe>(13, R(-2))},
        {"pôles proches", {1}, {R(-1), R(-1.001L), R(-2)}},
        {"instable", {1}, {R(1), R(-2)}},
        {"retard", {3}, {R(-1), R(-4)}, 2.5L},
        {"dix pôles de -1 à -10", {1}, {R(-1), R(-2), R(-3), R(-4), R(-5), R(-6), R(-7), R(-8), R(-9), R(-10)}},
        {"grappe complexe", {1, 1}, {{-1, 3}, {-1, -3}, {-1.01L, 3}, {-1.01L, -3}, R(-0.5L)}},
    };
    for (const TCasRaide& c : cas) {
        SCOPED_TRACE(c.Nom);
        CompareReponses(Systeme(Numerateur(c.Numerateur), PolynomeDeRacines(R(1), c.Poles), c.Retard));
    }
}

}  // namespace
