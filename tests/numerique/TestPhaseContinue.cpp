// Phase continue : valeur de départ aux basses fréquences, valeurs exactes connues, aucune
// marche de 360° le long des fréquences, et toujours la phase de la réponse à 360° près.
#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>

#include "PolynomesSaisis.h"
#include "numerique/PhaseContinue.h"
#include "numerique/Reponses.h"

namespace {

TSysteme Systeme(std::initializer_list<Reel> n, std::initializer_list<Reel> d, Reel tempsMort = 0)
{
    TSysteme s;
    s.Numerateur = PolynomeDeCoefs(n);
    s.Denominateur = PolynomeDeCoefs(d);
    s.TempsMort = tempsMort;
    return s;
}

Reel Phase(const TSysteme& s, Reel omega)
{
    return TPhaseContinue(s).EnDegres(omega, ReponseFrequentielle(s, {0, omega}));
}

// (p + 1)^10 développé.
const std::initializer_list<Reel> Ordre10 = {1, 10, 45, 120, 210, 252, 210, 120, 45, 10, 1};

TEST(PhaseContinue, DepartBasseFrequenceEtValeursConnues)
{
    const struct {
        const char* Nom;
        TSysteme S;
        Reel Omega, Attendue;
    } cas[] = {
        {"1/(p+1)^10 à 1 rad/s", Systeme({1}, Ordre10), 1, -450},
        {"1/(p+1)^10 en haute fréquence", Systeme({1}, Ordre10), 1e6L, -900},
        {"intégrateur en basse fréquence", Systeme({1}, {0, 1, 1}), 1e-6L, -90},
        {"intégrateur à 1 rad/s", Systeme({1}, {0, 1, 1}), 1, -135},
        {"double intégrateur", Systeme({1}, {0, 0, 1}), 3, -180},
        {"gain négatif", Systeme({-1}, {1, 1}), 1e-6L, -180},
        {"zéro instable", Systeme({1, -1}, {1, 1}), 1e6L, -180},
        {"pôle instable", Systeme({1}, {-1, 1}), 1e-6L, -180},
        {"10/(p+1)^3 à 1 rad/s", Systeme({10}, {1, 3, 3, 1}), 1, -135},
        {"retard de 0,5 s à 10 rad/s", Systeme({1}, {1, 1}, 0.5L), 10,
         -std::atan(10.0L) * 180 / Pi - 5 * 180 / Pi},
    };
    for (const auto& c : cas)
        EXPECT_NEAR(double(Phase(c.S, c.Omega)), double(c.Attendue), 1e-3) << c.Nom;
}

// Là où la phase ramenée dans une plage fixe fait des marches de 360°, la phase continue
// avance par petits pas et reste celle de la réponse à un tour près.
TEST(PhaseContinue, SansMarcheLeLongDesFrequences)
{
    for (const TSysteme& s : {Systeme({1}, Ordre10), Systeme({1}, {1, 1}, 0.5L), Systeme({1, -1}, {4, 0.2L, 1}),
                               Systeme({-2}, {0, 1, 0.1L, 1})}) {
        const TPhaseContinue phase(s);
        Reel precedente = NAN;
        for (int i = 0; i <= 2000; ++i) {
            const Reel omega = std::pow(10.0L, -2 + 4 * Reel(i) / 2000);
            const TComplexe h = ReponseFrequentielle(s, {0, omega});
            const Reel p = phase.EnDegres(omega, h);
            ASSERT_TRUE(std::isfinite(p)) << i;
            const Reel tours = (p - Argument(h) * 180 / Pi) / 360;
            ASSERT_NEAR(double(tours), std::nearbyint(double(tours)), 1e-9) << i;
            if (i > 0)
                ASSERT_LT(std::fabs(double(p - precedente)), 20) << i;
            precedente = p;
        }
    }
}

TEST(PhaseContinue, SansSensPourUneReponseNulleOuInfinie)
{
    const TSysteme s = Systeme({1}, {1, 0, 1});
    const TPhaseContinue phase(s);
    EXPECT_TRUE(std::isnan(phase.EnDegres(1, {0, 0})));
    EXPECT_TRUE(std::isnan(phase.EnDegres(1, {INFINITY, 0})));
}

}
