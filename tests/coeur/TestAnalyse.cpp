#include "coeur/Analyse.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "PolynomesSaisis.h"
#include "CasReference.h"
#include "SeparateurImpose.h"
#include "coeur/FichierDonnees.h"
#include "coeur/TextesValeurs.h"
#include "numerique/Reponses.h"

using nlohmann::json;

namespace {

json Complexe(TComplexe z)
{
    return json::array({double(z.Re), double(z.Im)});
}

json Racines(const TPolynome& p)
{
    json r = json::array();
    for (int i = 1; i <= p.Degre; ++i)
        r.push_back(Complexe(p.Racines[i]));
    return r;
}

json Multiplicites(const TPolynome& p)
{
    json m = json::array();
    for (int k = 1; k <= p.Multiplicites[0]; ++k)
        m.push_back(p.Multiplicites[k]);
    return m;
}

json ElementsSimples(const TDocument& doc)
{
    json e = json::array();
    const TPolynome& d = doc.Systeme.Denominateur;
    for (int i = 1; i <= d.Multiplicites[0]; ++i) {
        json coefs = json::array();
        for (int l = 1; l <= d.Multiplicites[i]; ++l)
            coefs.push_back(Complexe(doc.Systeme.Decomposition(i, l)));
        e.push_back({{"pole", Complexe(d.Racines[RangRacine(d, i)])}, {"multiplicite", d.Multiplicites[i]},
                     {"coefficients", coefs}});
    }
    return e;
}

json ReponsesTemporelles(const TDocument& doc, const json& temps, bool rampe)
{
    const TSysteme s = SystemeAvecRampe(doc.Systeme);
    json r = json::array();
    for (const double t : temps) {
        const Reel y = rampe ? ReponseRampe(s, t, doc.Systeme.TempsMort, 1, 0) : ReponseEchelon(s, t, doc.Systeme.TempsMort, 0, 1, 0);
        r.push_back({{"t", t}, {"y", double(y)}});
    }
    return r;
}

json Frequentielle(const TDocument& doc, const json& frequences)
{
    json r = json::array();
    for (const double f : frequences) {
        const TComplexe h = ReponseFrequentielle(doc.Systeme, {0, DeuxPi * f});
        r.push_back({{"f", f},
                     {"re", double(h.Re)},
                     {"im", double(h.Im)},
                     {"gain_db", double(20 * std::log10(Module(h)))},
                     {"phase_deg", double(Argument(h) * 180 / Pi)}});
    }
    return r;
}

// L'étude telle que l'analyse l'a laissée, dans la forme de `attendu`.
json Etude(const TDocument& doc, const json& cas)
{
    json e;
    e["zeros"] = Racines(doc.Systeme.Numerateur);
    e["poles"] = Racines(doc.Systeme.Denominateur);
    e["multiplicites_zeros"] = Multiplicites(doc.Systeme.Numerateur);
    e["multiplicites_poles"] = Multiplicites(doc.Systeme.Denominateur);
    e["stable"] = doc.Systeme.SystemeStable;
    e["partie_entiere"] = json::array();
    for (int i = 0; i <= doc.Systeme.PartieEntiere.Degre; ++i)
        e["partie_entiere"].push_back(Complexe(doc.Systeme.PartieEntiere.Coef[i]));
    e["elements_simples"] = ElementsSimples(doc);
    const TGainStatique k = GainStatique(doc.Systeme.Numerateur, doc.Systeme.Denominateur);
    e["gain_statique"] = {{"valeur", Complexe(k.Valeur)}, {"infini", k.Infini}};
    e["reponse_frequentielle"] = Frequentielle(doc, cas["frequences"]);
    e["indicielle"] = ReponsesTemporelles(doc, cas["temps"], false);
    e["rampe"] = ReponsesTemporelles(doc, cas["temps"], true);
    e["echelles_auto"] = json::object();
    for (const auto& [nom, champ] : ChampsEchellesAuto)
        if (!std::isnan(doc.EchellesAuto.*champ))
            e["echelles_auto"][nom] = double(doc.EchellesAuto.*champ);
    return e;
}

void MarqueEchelles(TDocument& doc)
{
    for (const auto& [nom, champ] : ChampsEchellesAuto)
        doc.EchellesAuto.*champ = std::numeric_limits<Reel>::quiet_NaN();
}

TEST(AnalyseCoeur, ChaqueCasDeReferenceLuPuisAnalyseDonneLAttendu)
{
    const json& cas = CasReference();
    ASSERT_FALSE(cas.empty());
    for (const json& c : cas) {
        const std::string nom = c["nom"].get<std::string>();
        SCOPED_TRACE(nom);
        TDocument doc = DocumentInitial();
        QString erreur;
        ASSERT_TRUE(LitFichierDonnees(QString::fromStdString(CheminDonnees(c["fichier"].get<std::string>())), doc, erreur))
            << erreur.toStdString();
        MarqueEchelles(doc);
        std::vector<std::string> annonces;
        const int statut = AnalyseApresSaisieCoeur(doc, [&](const std::string& t) { annonces.push_back(t); });
        EXPECT_EQ(statut, DecompositionFaite);
        EXPECT_TRUE(doc.EtudeFaite);

        json attendu = AttenduAvecBandeComparable(c["attendu"]);
        const json communes = attendu["racines_communes"];
        attendu.erase("racines_communes");
        ASSERT_EQ(annonces.size(), communes.size());
        for (std::size_t i = 0; i < communes.size(); ++i) {
            const TComplexe r{communes[i][0].get<double>(), communes[i][1].get<double>()};
            const std::string texte = std::fabs(r.Im) < 1e-5L ? NombreEnTexte(r.Re, doc.ChiffresSignificatifs)
                                                               : ComplexeEnTexte(r, doc.ChiffresSignificatifs);
            EXPECT_EQ(annonces[i], texte);
        }
        const json obtenu = Etude(doc, c);
        CompareJson(obtenu, attendu, LitTolerance(c["tolerance"]), nom);
        VerifiePlagesEcrites(obtenu["echelles_auto"], nom);
    }
}

TEST(AnalyseCoeur, RacineCommuneAnnonceeUneFoisPuisSimplifiee)
{
    TDocument doc = DocumentInitial();
    doc.Systeme.Numerateur = PolynomeDeRacines(1, {{-1, 0}});
    doc.Systeme.Denominateur = PolynomeDeRacines(1, {{-1, 0}, {-2, 0}});
    std::vector<std::string> annonces;
    EXPECT_EQ(AnalyseApresSaisieCoeur(doc, [&](const std::string& t) { annonces.push_back(t); }), DecompositionFaite);
    EXPECT_EQ(annonces, std::vector<std::string>{"-1"});
    EXPECT_EQ(doc.Systeme.Numerateur.Degre, 0);
    EXPECT_EQ(doc.Systeme.Denominateur.Degre, 1);
    EXPECT_TRUE(doc.Systeme.SystemeStable);
    EXPECT_NEAR(double(doc.EchellesAuto.TMaxAuto), 5.0, 1e-12);  // pôle restant -2 : dix constantes de temps
}

// Texte d'une annonce : aux chiffres du document et au séparateur réglé ; une partie imaginaire
// invisible devant le module n'est pas écrite. La dernière paire trouvée passe d'abord.
TEST(AnalyseCoeur, AnnoncesEcritesAuxChiffresDuDocument)
{
    const SeparateurImpose virgule(',');
    std::vector<std::string> annonces;
    const auto annonce = [&](const std::string& t) { annonces.push_back(t); };
    TDocument doc = DocumentInitial();
    doc.ChiffresSignificatifs = 3;
    doc.Systeme.Numerateur = PolynomeDeRacines(1, {{-1.23456L, 2}, {-1.23456L, -2}});
    doc.Systeme.Denominateur = PolynomeDeRacines(1, {{-1.23456L, 2}, {-1.23456L, -2}, {-3, 0}});
    AnalyseApresSaisieCoeur(doc, annonce);
    EXPECT_EQ(annonces, (std::vector<std::string>{"-1,23 +2 j", "-1,23 -2 j"}));

    annonces.clear();
    doc.Systeme.Numerateur = PolynomeDeRacines(1, {{2.5L, 3e-6L}});
    doc.Systeme.Denominateur = PolynomeDeRacines(1, {{2.5L, 3e-6L}, {-1, 0}});
    AnalyseApresSaisieCoeur(doc, annonce);
    EXPECT_EQ(annonces, std::vector<std::string>{"+2,5"});
}

// Zéro -2, pôles 1, 1.00001, 1.00002, 1.00003 donnés par leurs racines : le zéro est à trois unités
// de chaque pôle, rien n'est commun et le système reste instable.
TEST(AnalyseCoeur, ZeroLointainDUneGrappeInstableGarde)
{
    TDocument doc = DocumentInitial();
    QString erreur;
    ASSERT_TRUE(LitFichierDonnees(QString::fromStdString(CheminDonnees("zero_lointain_grappe_instable.kvf")), doc, erreur))
        << erreur.toStdString();
    std::vector<std::string> annonces;
    AnalyseApresSaisieCoeur(doc, [&](const std::string& t) { annonces.push_back(t); });
    EXPECT_TRUE(annonces.empty());
    EXPECT_EQ(doc.Systeme.Numerateur.Degre, 1);
    ASSERT_EQ(doc.Systeme.Denominateur.Degre, 4);
    for (int i = 1; i <= 4; ++i)
        EXPECT_NEAR(double(doc.Systeme.Denominateur.Racines[i].Re), 1 + (i - 1) * 1e-5, 1e-12);
    EXPECT_FALSE(doc.Systeme.SystemeStable);
}

TEST(AnalyseCoeur, EchecDeLaDecompositionRenduSansToucherAuxPlages)
{
    TDocument doc = DocumentInitial();
    doc.Systeme.Numerateur = PolynomeDeRacines(1, {});
    doc.Systeme.Denominateur = InitPolynomeValide();  // D = 0
    doc.EchellesAuto.FreqBasseAuto = 7;
    doc.EchellesAuto.TMaxAuto = 3;
    const int statut = AnalyseApresSaisieCoeur(doc, [](const std::string&) {});
    EXPECT_EQ(statut, DenominateurNul);
    EXPECT_TRUE(doc.EtudeFaite);
    EXPECT_EQ(doc.EchellesAuto.FreqBasseAuto, 7);
    EXPECT_EQ(doc.EchellesAuto.TMaxAuto, 3);
}

} // namespace
