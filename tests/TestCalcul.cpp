// kovra-calcul lancé comme un enseignant le lancerait, sortie JSON comparée aux cas de référence.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "coeur/CasReference.h"
#include "coeur/FichierDonnees.h"
#include "LanceCalcul.h"
#include "PolynomesSaisis.h"

using nlohmann::json;

namespace {

std::string Liste(const json& valeurs, const char* separateur)
{
    std::string t;
    for (const json& v : valeurs)
        t += (t.empty() ? "" : separateur) + (v.is_string() ? v.get<std::string>() : v.dump());
    return t;
}

// Les instants et fréquences du cas, quand il en a.
std::vector<std::string> Arguments(const json& cas, std::vector<std::string> debut)
{
    for (const char* liste : {"frequences", "temps"})
        if (!cas[liste].empty()) {
            debut.push_back(std::string("--") + liste);
            debut.push_back(Liste(cas[liste], ","));
        }
    return debut;
}

void VerifieEtude(const TExecution& e, const json& cas, const std::string& nom)
{
    ASSERT_EQ(e.Statut, 0) << nom << " : " << e.Erreurs;
    EXPECT_TRUE(e.Erreurs.empty()) << e.Erreurs;
    const json obtenu = json::parse(e.Sortie);
    EXPECT_EQ(obtenu["statut_decomposition"], 0) << nom;
    EXPECT_DOUBLE_EQ(obtenu["temps_mort"].get<double>(), std::stod(cas["entree"]["T"].get<std::string>())) << nom;
    CompareJson(obtenu, AttenduAvecBandeComparable(cas["attendu"]), LitTolerance(cas["tolerance"]), nom);
    VerifiePlagesEcrites(obtenu["echelles_auto"], nom);
}

TEST(KovraCalcul, ChaqueFichierDeReferenceDonneLAttendu)
{
    for (const json& cas : CasReference()) {
        const TExecution e = Lance(Arguments(cas, {CheminDonnees(cas["fichier"].get<std::string>())}));
        VerifieEtude(e, cas, cas["nom"].get<std::string>());
    }
}

TEST(KovraCalcul, LesCoefficientsDonnesDirectementDonnentLAttendu)
{
    int essais = 0;
    for (const json& cas : CasReference()) {
        const json& entree = cas["entree"];
        if (!entree.contains("n"))
            continue;
        ++essais;
        const TExecution e = Lance(Arguments(cas, {"--num", Liste(entree["n"], " "), "--den", Liste(entree["d"], " "),
                                                   "--retard", entree["T"].get<std::string>()}));
        VerifieEtude(e, cas, cas["nom"].get<std::string>());
    }
    EXPECT_GT(essais, 5);
}

// Le document enregistré dans le dossier, pour être lu par l'outil.
std::string FichierDuDocument(const QTemporaryDir& dossier, const TDocument& doc)
{
    const QString chemin = dossier.filePath("etude.kvf");
    QString erreur;
    EXPECT_TRUE(EnregistreFichierDonnees(chemin, doc, erreur)) << erreur.toStdString();
    return chemin.toStdString();
}

// Un polynôme nul ne vient que d'un fichier : les options le refusent. N et D par coefficients.
std::string FichierDe(const QTemporaryDir& dossier, std::initializer_list<Reel> n, std::initializer_list<Reel> d)
{
    TDocument doc = DocumentInitial();
    for (auto [p, coefs] : {std::pair{&doc.Systeme.Numerateur, n}, std::pair{&doc.Systeme.Denominateur, d}}) {
        p->Degre = int(coefs.size()) - 1;
        int k = 0;
        for (Reel c : coefs)
            p->Coef[k++] = ComplexeReel(c);
        p->CoefsValides = true;
    }
    return FichierDuDocument(dossier, doc);
}

TEST(KovraCalcul, DixNeufChiffresEtNullPourLeNonFini)
{
    const TExecution tiers = Lance({"--num", "1", "--den", "3"});
    ASSERT_EQ(tiers.Statut, 0);
    EXPECT_NE(tiers.Sortie.find("[[0.3333333333333333333,0]]"), std::string::npos) << tiers.Sortie;

    QTemporaryDir dossier;
    const TExecution nul = Lance({FichierDe(dossier, {0}, {1, 1}), "--frequences", "1"});
    ASSERT_EQ(nul.Statut, 0) << nul.Erreurs;
    const json j = json::parse(nul.Sortie);
    EXPECT_TRUE(j["reponse_frequentielle"][0]["gain_db"].is_null());
    EXPECT_EQ(j["reponse_frequentielle"][0]["re"], 0);
}

TEST(KovraCalcul, CoefficientsAbsentsRefaitsSurLesRacines)
{
    // D donné par sa racine seule, sans coefficients : ils sont refaits sur elle, p + 1.
    TDocument doc = DocumentInitial();
    doc.Systeme.Numerateur.Coef[0] = doc.Systeme.Numerateur.Racines[0] = {1, 0};
    doc.Systeme.Numerateur.CoefsValides = doc.Systeme.Numerateur.RacinesValides = true;
    doc.Systeme.Denominateur.Degre = 1;
    doc.Systeme.Denominateur.Racines[0] = {1, 0};
    doc.Systeme.Denominateur.Racines[1] = {-1, 0};
    doc.Systeme.Denominateur.Multiplicites[0] = doc.Systeme.Denominateur.Multiplicites[1] = 1;
    doc.Systeme.Denominateur.RacinesValides = true;
    QTemporaryDir dossier;
    const TExecution e = Lance({FichierDuDocument(dossier, doc), "--temps", "1"});
    ASSERT_EQ(e.Statut, 0) << e.Erreurs;
    const json j = json::parse(e.Sortie);
    EXPECT_EQ(j["statut_decomposition"], 0);
    EXPECT_TRUE(j["stable"]);
    EXPECT_EQ(j["gain_statique"]["valeur"][0], 1);
    EXPECT_NEAR(j["indicielle"][0]["y"].get<double>(), 1 - std::exp(-1.0), 1e-15);
}

TEST(KovraCalcul, FichierIllisibleStatutUnEtMessageFrancais)
{
    QTemporaryDir dossier;
    const std::string absent = dossier.filePath("absent.kvf").toStdString();
    const TExecution e = Lance({absent});
    EXPECT_EQ(e.Statut, 1);
    EXPECT_TRUE(e.Sortie.empty());
    EXPECT_EQ(e.Erreurs, "Lecture impossible du fichier « " + absent
                             + " » : le fichier n'existe pas ou ne peut pas être ouvert.\n");
}

// Une donnée hors de l'étendue des doubles ne pourrait pas être relue du JSON : refus, statut 2.
TEST(KovraCalcul, DonneesHorsEtendueDesDoublesRefusees)
{
    QTemporaryDir dossier;
    const std::vector<std::pair<std::vector<std::string>, std::string>> cas = {
        {{"--num", "1e+4000", "--den", "1 1"}, "coefficient ou racine du numérateur"},
        {{"--num", "1", "--den", "2e-4000 0 0 0 1"}, "coefficient ou racine du dénominateur"},
        {{"--num", "1", "--den", "1 1", "--retard", "1e400"}, "retard"},
        {{"--num", "1", "--den", "1 1", "--temps", "1e-320"}, "valeur de --temps"},
        {{FichierDe(dossier, {1}, {1, 1e-4000L}), "--frequences", "1"}, "coefficient ou racine du dénominateur"},
    };
    for (const auto& [arguments, faute] : cas) {
        const TExecution e = Lance(arguments);
        EXPECT_EQ(e.Statut, 2) << faute;
        EXPECT_TRUE(e.Sortie.empty()) << faute;
        EXPECT_EQ(e.Erreurs.rfind("kovra-calcul : " + faute + " hors de l'étendue des doubles", 0), 0u) << e.Erreurs;
    }
}

const char* const RetardIgnore = "lieu_evans : retard ignoré, lieu de N(p)/D(p) seul ; son gain critique n'est "
                                 "pas celui de la boucle avec le retard";

// Tout nombre de la sortie est un double ; ce qui n'en est pas un est null et nommé dans les avertissements.
void VerifieJsonStrict(const TExecution& e, const std::string& nom)
{
    ASSERT_EQ(e.Statut, 0) << nom << " : " << e.Erreurs;
    json j;
    ASSERT_NO_THROW(j = json::parse(e.Sortie)) << nom;
    ASSERT_TRUE(j["avertissements"].is_array()) << nom;
}

int NombreDeNull(const json& j)
{
    if (j.is_null())
        return 1;
    int n = 0;
    if (j.is_structured())
        for (const json& v : j)
            n += NombreDeNull(v);
    return n;
}

TEST(KovraCalcul, JsonStrictEtAvertissements)
{
    // Seul le retard ignoré par le lieu d'Evans est à dire.
    for (const json& cas : CasReference()) {
        const TExecution e = Lance(Arguments(cas, {CheminDonnees(cas["fichier"].get<std::string>())}));
        VerifieJsonStrict(e, cas["nom"].get<std::string>());
        const json j = json::parse(e.Sortie);
        if (j["temps_mort"].get<double>() > 0)
            EXPECT_EQ(j["avertissements"], json::array({RetardIgnore})) << cas["nom"];
        else
            EXPECT_TRUE(j["avertissements"].empty()) << cas["nom"];
    }
    // Unités SI, grappes, paire sur l'axe : rien de non représentable.
    for (const auto& [num, den] : std::vector<std::pair<std::string, std::string>>{
             {"2e-20", "2e-20 3e-20 1e-20"},
             {"1", "1 1e-6 1e-18"},
             {"1", "2e-6 1"},
             {"0.84035", "0.84035 6.33864 19.71907 32.5605 30.73 16.9 5.5 1"},
             {"1", "1 0 1"},
             {"1e300", "1e-300 1"}}) {
        const TExecution e = Lance({"--num", num, "--den", den, "--frequences", "0.001,1,1000", "--temps", "0.5,5,50"});
        VerifieJsonStrict(e, den);
    }
    // Exactement sur le pôle j de 1/(p² + 1) : la réponse est null, une seule raison donnée.
    const TExecution pole = Lance({"--num", "1", "--den", "1 0 1", "--frequences", "0.15915494309189533577,1"});
    VerifieJsonStrict(pole, "pôle");
    const json j = json::parse(pole.Sortie);
    EXPECT_EQ(NombreDeNull(j["reponse_frequentielle"]), 4);
    EXPECT_EQ(j["avertissements"], json::array({"reponse_frequentielle[0] : la fréquence tombe sur un pôle, la "
                                                 "réponse est infinie"}));
    // Instable : la réponse dépasse l'étendue des doubles, chaque valeur nommée.
    const TExecution grand = Lance({"--num", "1", "--den", "-1 0 1", "--temps", "1,1000"});
    VerifieJsonStrict(grand, "instable");
    const json g = json::parse(grand.Sortie);
    EXPECT_TRUE(g["indicielle"][1]["y"].is_null());
    EXPECT_TRUE(g["rampe"][1]["y"].is_null());
    EXPECT_NE(std::find(g["avertissements"].begin(), g["avertissements"].end(),
                        "indicielle[1].y : valeur infinie ou hors de l'étendue des doubles"),
              g["avertissements"].end());
    // Dans « marges », null dit une marge infinie ; dans le lieu d'Evans, aucun gain critique :
    // ni l'un ni l'autre n'est une valeur perdue.
    EXPECT_EQ(NombreDeNull(g) - NombreDeNull(g["marges"]) - NombreDeNull(g["lieu_evans"]),
              int(g["avertissements"].size()));
}

// 1/(p + 1)^101 lu dans un fichier : la rampe est calculée (D.p dépasserait le degré maximal).
TEST(KovraCalcul, RampeDUnDenominateurDeDegreMaximal)
{
    QTemporaryDir dossier;
    TDocument doc = DocumentInitial();
    doc.Systeme.Numerateur = PolynomeDeRacines(1, {});
    doc.Systeme.Denominateur = PolynomeDeRacines(1, std::vector<TComplexe>(DegreMax, {-1, 0}));
    const QString chemin = dossier.filePath("haut.kvf");
    QString erreur;
    ASSERT_TRUE(EnregistreFichierDonnees(chemin, doc, erreur)) << erreur.toStdString();
    const TExecution e = Lance({chemin.toStdString(), "--temps", "400"});
    VerifieJsonStrict(e, "degré 101");
    const json j = json::parse(e.Sortie);
    EXPECT_EQ(j["multiplicites_poles"], json::array({101}));
    EXPECT_NEAR(j["indicielle"][0]["y"].get<double>(), 1, 1e-9);
    EXPECT_NEAR(j["rampe"][0]["y"].get<double>(), 299, 1e-6);
}

TEST(KovraCalcul, MauvaisArgumentsStatutDeuxEtUsage)
{
    const std::string fichier = CheminDonnees("premier_ordre.kvf");
    const std::vector<std::vector<std::string>> fautes = {
        {},
        {"--num", "1"},
        {"--den", "1 1"},
        {fichier, "--num", "1", "--den", "1"},
        {fichier, fichier},
        {fichier, "--retard", "1"},
        {fichier, "--frequences", "1,,2"},
        {fichier, "--frequences", "1;2"},
        {fichier, "--temps"},
        {fichier, "--bidule", "1"},
        {fichier, "--frequences", "0"},
        {fichier, "--frequences", "-0"},
        {fichier, "--frequences", "1,-2"},
        {"--num", "1", "--den", "1 1", "--frequences", "-1e-300"},
        {"--num", "-h", "--den", "1"},
        {"--num", "1 x", "--den", "1"},
        {"--num", "1", "--den", "1,5"},
        {"--num", "", "--den", "1"},
        {"--num", "1", "--den", "1 1", "--retard", "-1"},
        {"--num", "1", "--den", "1 1", "--retard", "nan"},
    };
    for (const auto& arguments : fautes) {
        const TExecution e = Lance(arguments);
        std::string texte;
        for (const std::string& a : arguments)
            texte += a + " ";
        EXPECT_EQ(e.Statut, 2) << texte;
        EXPECT_TRUE(e.Sortie.empty()) << texte;
        EXPECT_NE(e.Erreurs.find("Usage : kovra-calcul"), std::string::npos) << texte;
    }
}

// L'option inconnue est nommée comme telle, même sans valeur derrière ; la répétition est refusée.
TEST(KovraCalcul, OptionInconnueOuRepeteeNommee)
{
    const std::string fichier = CheminDonnees("premier_ordre.kvf");
    const std::vector<std::pair<std::vector<std::string>, std::string>> cas = {
        {{"--inconnu"}, "option inconnue --inconnu"},
        {{fichier, "--inconnu"}, "option inconnue --inconnu"},
        {{"--num", "1", "--num", "2", "--den", "1 1"}, "option --num donnée deux fois"},
        {{fichier, "--temps", "1", "--temps", "2"}, "option --temps donnée deux fois"},
        {{fichier, "--temps", "1", "--temps"}, "option --temps donnée deux fois"},
    };
    for (const auto& [arguments, faute] : cas) {
        const TExecution e = Lance(arguments);
        EXPECT_EQ(e.Statut, 2) << faute;
        EXPECT_TRUE(e.Sortie.empty()) << faute;
        EXPECT_EQ(e.Erreurs.rfind("kovra-calcul : " + faute + ".\n", 0), 0u) << e.Erreurs;
    }
}

TEST(KovraCalcul, AideSurLaSortieStandard)
{
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"--help"}, {"-h"}, {CheminDonnees("premier_ordre.kvf"), "--help"}}) {
        const TExecution e = Lance(arguments);
        EXPECT_EQ(e.Statut, 0) << arguments.front();
        EXPECT_EQ(e.Sortie.rfind("Usage : kovra-calcul", 0), 0u) << e.Sortie;
        EXPECT_NE(e.Sortie.find("--frequences"), std::string::npos);
        EXPECT_TRUE(e.Erreurs.empty()) << e.Erreurs;
    }
}

// Le refus de la boîte de saisie des coefficients, avec l'usage.
TEST(KovraCalcul, PolynomeNulRefuse)
{
    const std::vector<std::pair<std::vector<std::string>, std::string>> cas = {
        {{"--num", "0", "--den", "1 1"}, "--num"},
        {{"--num", "1", "--den", "0 -0 0"}, "--den"},
        {{"--num", "0 0", "--den", "0", "--retard", "1"}, "--num"},
    };
    for (const auto& [arguments, option] : cas) {
        const TExecution e = Lance(arguments);
        EXPECT_EQ(e.Statut, 2) << option;
        EXPECT_TRUE(e.Sortie.empty());
        EXPECT_EQ(e.Erreurs.rfind("kovra-calcul : Le polynôme ne doit pas être nul (" + option + ").\n", 0), 0u)
            << e.Erreurs;
        EXPECT_NE(e.Erreurs.find("Usage : kovra-calcul"), std::string::npos);
    }
    // Un coefficient minuscule n'est pas nul.
    EXPECT_EQ(Lance({"--num", "1e-300", "--den", "1 1"}).Statut, 0);
}


// Ce qu'on lui donne n'est pas ce qu'il prétend être : refus net, ou avertissement nommé.
TEST(KovraCalcul, FichierSansFinRefuse)
{
    const TExecution e = Lance({"/dev/zero"});
    EXPECT_EQ(e.Statut, 1);
    EXPECT_TRUE(e.Sortie.empty());
    EXPECT_EQ(e.Erreurs, "Lecture impossible du fichier « /dev/zero » : le fichier dépasse 1 Mio, ce n'est pas un "
                         "fichier de données.\n");
}

TEST(KovraCalcul, DegreLimiteADixCommeDansLesBoitesDeSaisie)
{
    const std::string onze = "1 2 3 4 5 6 7 8 9 10 11";
    std::string soixanteEtUn = "1";
    for (int k = 1; k < 61; ++k)
        soixanteEtUn += " 1";
    const std::vector<std::pair<std::vector<std::string>, std::string>> cas = {
        {{"--num", onze + " 12", "--den", "1 1"}, "--num"},
        {{"--num", "1", "--den", onze + " 0"}, "--den"},
        {{"--num", "1", "--den", soixanteEtUn}, "--den"},
    };
    for (const auto& [arguments, option] : cas) {
        const TExecution e = Lance(arguments);
        EXPECT_EQ(e.Statut, 2) << option;
        EXPECT_TRUE(e.Sortie.empty());
        EXPECT_EQ(e.Erreurs.rfind("kovra-calcul : Degré trop grand ou trop petit (" + option
                                      + " : au plus 11 coefficients).\n",
                                  0),
                  0u)
            << e.Erreurs;
    }
    const TExecution dix = Lance({"--num", onze, "--den", onze});
    EXPECT_EQ(dix.Statut, 0) << dix.Erreurs;
}

TEST(KovraCalcul, DenominateurNulDUnFichierRefuse)
{
    QTemporaryDir dossier;
    const std::string chemin = FichierDe(dossier, {1}, {0, 0, 0});
    const TExecution e = Lance({chemin, "--temps", "1"});
    EXPECT_EQ(e.Statut, 1);
    EXPECT_TRUE(e.Sortie.empty());
    EXPECT_EQ(e.Erreurs, "Lecture impossible du fichier « " + chemin
                             + " » : Le polynôme ne doit pas être nul (dénominateur).\n");
}

// 1/(p + 1)³ dont le fichier donne les racines −1, 5, −1 pour une racine triple.
TEST(KovraCalcul, RacinesDementiesRecalculeesEtAnnoncees)
{
    TDocument doc = DocumentInitial();
    doc.Systeme.Numerateur = PolynomeDeRacines(1, {});
    doc.Systeme.Denominateur = PolynomeDeRacines(1, {{-1, 0}, {-1, 0}, {-1, 0}});
    doc.Systeme.Denominateur.Racines[2] = {5, 0};
    QTemporaryDir dossier;
    const std::string chemin = FichierDuDocument(dossier, doc);
    const TExecution e = Lance({chemin, "--temps", "1"});
    VerifieJsonStrict(e, "démenties");
    const json j = json::parse(e.Sortie);
    EXPECT_EQ(j["multiplicites_poles"], json::array({3}));
    for (const json& pole : j["poles"])
        EXPECT_NEAR(pole[0].get<double>(), -1, 1e-5);
    EXPECT_NEAR(j["indicielle"][0]["y"].get<double>(), 1 - 2.5 * std::exp(-1.0), 1e-12);
    EXPECT_EQ(j["avertissements"], json::array({"Les racines du dénominateur enregistrées dans le fichier « "
                                                + chemin + " » ne correspondent pas à ses coefficients : elles ont été "
                                                  "recalculées à partir des coefficients."}));
}

// 1/(1e300.p + 1e-300) : le pôle −1e-600 n'a pas de double et il est nommé ; la réponse,
// 1e-300.t puis 5e-301.t² pour la rampe, garde ses chiffres et n'est pas nommée.
TEST(KovraCalcul, SousEtDepassementsNommes)
{
    const TExecution e = Lance({"--num", "1", "--den", "1e-300 1e300", "--temps", "1,1e10"});
    VerifieJsonStrict(e, "1e-300");
    const json j = json::parse(e.Sortie);
    const json& avertissements = j["avertissements"];
    const char* attendu = "poles[0][0] : valeur sous l'étendue des doubles, écrite 0";
    EXPECT_NE(std::find(avertissements.begin(), avertissements.end(), attendu), avertissements.end()) << attendu;
    EXPECT_NEAR(j["rampe"][0]["y"].get<double>() / 5e-301, 1, 1e-9);
    EXPECT_NEAR(j["rampe"][1]["y"].get<double>() / 5e-281, 1, 1e-9);
    EXPECT_NEAR(j["indicielle"][1]["y"].get<double>() / 1e-290, 1, 1e-9);
    for (const json& a : avertissements) {
        EXPECT_EQ(a.get<std::string>().find("indicielle["), std::string::npos) << a;
        EXPECT_EQ(a.get<std::string>().find("rampe["), std::string::npos) << a;
    }
}

} // namespace

namespace {

json EtudeDe(const std::vector<std::string>& arguments)
{
    const TExecution e = Lance(arguments);
    EXPECT_EQ(e.Statut, 0) << e.Erreurs;
    return json::parse(e.Sortie);
}

// Zéros -1e-17 ± j, pôles ±j et -1 : la paire est commune, et ce sont les pôles, sur l'axe, qui sont nommés.
TEST(KovraCalcul, PoleSurLAxeSimplifieAvecUnZeroStableNomme)
{
    const json j = EtudeDe({"--num", "1 2e-17 1", "--den", "1 1 1 1"});
    EXPECT_EQ(j["racines_communes"].size(), 2u);
    EXPECT_TRUE(j["stable"].get<bool>());
    ASSERT_EQ(j["avertissements"].size(), 2u);
    for (const json& a : j["avertissements"])
        EXPECT_NE(a.get<std::string>().find("racine de partie réelle positive ou nulle +0 "), std::string::npos) << a;
}

TEST(KovraCalcul, LieuEvansDesTroisPolesReels)
{
    const json lieu = EtudeDe({"--num", "1", "--den", "0 2 3 1"})["lieu_evans"];
    EXPECT_DOUBLE_EQ(lieu["asymptotes"]["centre"].get<double>(), -1);
    EXPECT_EQ(lieu["asymptotes"]["angles_deg"], json::parse("[60, 180, 300]"));
    ASSERT_EQ(lieu["separations"].size(), 1u);
    EXPECT_NEAR(lieu["separations"][0]["p"][0].get<double>(), -1 + 1 / std::sqrt(3.0), 1e-15);
    EXPECT_NEAR(lieu["separations"][0]["K"].get<double>(), 2 / (3 * std::sqrt(3.0)), 1e-15);
    ASSERT_EQ(lieu["croisements_axe_imaginaire"].size(), 1u);
    EXPECT_NEAR(lieu["croisements_axe_imaginaire"][0]["omega"].get<double>(), std::sqrt(2.0), 1e-15);
    EXPECT_NEAR(lieu["croisements_axe_imaginaire"][0]["K"].get<double>(), 6, 1e-14);
    EXPECT_NEAR(lieu["gain_critique"].get<double>(), 6, 1e-14);
}

TEST(KovraCalcul, LieuEvansSansGainCritiqueNiAsymptoteOuNull)
{
    const json stable = EtudeDe({"--num", "2 1", "--den", "2 2 1"})["lieu_evans"];
    EXPECT_TRUE(stable["gain_critique"].is_null());
    EXPECT_EQ(stable["asymptotes"]["angles_deg"], json::parse("[180]"));
    const json egaux = EtudeDe({"--num", "3 1", "--den", "1 1"})["lieu_evans"];
    EXPECT_TRUE(egaux["asymptotes"]["centre"].is_null());
    EXPECT_TRUE(egaux["asymptotes"]["angles_deg"].empty());
    EXPECT_TRUE(EtudeDe({"--num", "2", "--den", "3"})["lieu_evans"].is_null()) << "constante";
    // Les arguments s'arrêtent au degré 10 ; un fichier peut aller au-delà.
    QTemporaryDir dossier;
    TDocument doc = DocumentInitial();
    doc.Systeme.Numerateur = PolynomeDeRacines(1, {});
    doc.Systeme.Denominateur = PolynomeDeRacines(1, std::vector<TComplexe>(11, {-1, 0}));
    const QString chemin = dossier.filePath("onze.kvf");
    QString erreur;
    ASSERT_TRUE(EnregistreFichierDonnees(chemin, doc, erreur)) << erreur.toStdString();
    EXPECT_TRUE(EtudeDe({chemin.toStdString()})["lieu_evans"].is_null()) << "degré 11";
}

// 1/(p(p+1)(p+2)).e^(-p) : la boucle retardée est instable dès K ≈ 1.68 (phase de -180° à
// ω ≈ 0.664 rad/s) ; le gain critique écrit, 6, est celui du lieu sans retard, et la sortie le dit.
TEST(KovraCalcul, LieuEvansDUnSystemeARetardDitLeRetardIgnore)
{
    const json retarde = EtudeDe({"--num", "1", "--den", "0 2 3 1", "--retard", "1"});
    EXPECT_EQ(retarde["lieu_evans"]["retard_ignore"], true);
    EXPECT_NEAR(retarde["lieu_evans"]["gain_critique"].get<double>(), 6, 1e-14);
    EXPECT_EQ(retarde["avertissements"], json::array({RetardIgnore}));
    // Le gain où la boucle retardée perd sa stabilité, en double : phase -180° en ω, K = 1/|G(jω)|.
    double bas = 0.1, haut = 1.2;
    const auto phase = [](double w) { return -M_PI / 2 - std::atan(w) - std::atan(w / 2) - w; };
    for (int k = 0; k < 100; ++k)
        (phase(0.5 * (bas + haut)) > -M_PI ? bas : haut) = 0.5 * (bas + haut);
    const double w = bas;
    const double kRetarde = w * std::sqrt(1 + w * w) * std::sqrt(4 + w * w);
    EXPECT_NEAR(kRetarde, 1.68, 0.01);
    EXPECT_GT(retarde["lieu_evans"]["gain_critique"].get<double>(), 3 * kRetarde) << "d'où l'avertissement";

    const json direct = EtudeDe({"--num", "1", "--den", "0 2 3 1"});
    EXPECT_EQ(direct["lieu_evans"]["retard_ignore"], false);
    EXPECT_TRUE(direct["avertissements"].empty());
}

// Un nom de fichier porte des tabulations, un retour à la ligne, des octets de commande : la
// sortie reste un JSON valide et l'avertissement le nomme tel quel.
TEST(KovraCalcul, CaracteresDeCommandeEchappesDansLeJson)
{
    TDocument doc = DocumentInitial();
    doc.Systeme.Numerateur = PolynomeDeRacines(1, {});
    doc.Systeme.Denominateur = PolynomeDeRacines(1, {{-1, 0}, {-1, 0}, {-1, 0}});
    doc.Systeme.Denominateur.Racines[2] = {5, 0};  // racines démenties : l'avertissement cite le fichier
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QString::fromUtf8("a\x01" "b\tc\nd\x1f\x7f\"\\e.kvf"));
    QString erreur;
    ASSERT_TRUE(EnregistreFichierDonnees(chemin, doc, erreur)) << erreur.toStdString();
    const TExecution e = Lance({chemin.toStdString()});
    ASSERT_EQ(e.Statut, 0) << e.Erreurs;
    ASSERT_FALSE(e.Sortie.empty());
    EXPECT_TRUE(std::none_of(e.Sortie.begin(), e.Sortie.end() - 1, [](char c) { return (unsigned char)c < 0x20; }));
    json j;
    ASSERT_NO_THROW(j = json::parse(e.Sortie));
    ASSERT_EQ(j["avertissements"].size(), 1u);
    const std::string avertissement = j["avertissements"][0].get<std::string>();
    EXPECT_NE(avertissement.find("« " + chemin.toStdString() + " »"), std::string::npos) << avertissement;
}

TEST(KovraCalcul, BoucleFermeeEtudieeALaPlaceDeLEntree)
{
    const json f = EtudeDe({"--num", "1", "--den", "0 1 1", "--boucle-fermee", "1", "--temps", "3.6275987284684357"});
    ASSERT_EQ(f["poles"].size(), 2u);
    EXPECT_NEAR(f["poles"][0][0].get<double>(), -0.5, 1e-15);
    EXPECT_NEAR(std::fabs(f["poles"][0][1].get<double>()), std::sqrt(3.0) / 2, 1e-15);
    EXPECT_TRUE(f["stable"].get<bool>());
    // Premier maximum de la réponse indicielle en t = π/ωd : 1 + 16,3 %.
    EXPECT_NEAR(f["indicielle"][0]["y"].get<double>(), 1 + std::exp(-Pi / std::sqrt(3.0)), 1e-12);
    const json instable = EtudeDe({"--num", "1", "--den", "0 2 3 1", "--boucle-fermee", "7"});
    EXPECT_FALSE(instable["stable"].get<bool>());
}

TEST(KovraCalcul, BoucleFermeeRefusee)
{
    const struct {
        std::vector<std::string> Arguments;
        const char* Message;
    } cas[] = {
        {{"--num", "1", "--den", "1 1", "--retard", "0.5", "--boucle-fermee", "1"},
         "La boucle fermée d'un système à retard n'est pas une fraction rationnelle"},
        {{"--num", "1", "--den", "1 1", "--boucle-fermee", "0"}, "K doit être un nombre fini strictement positif"},
        {{"--num", "1", "--den", "1 1", "--boucle-fermee", "-3"}, "K doit être un nombre fini strictement positif"},
        {{"--num", "1", "--den", "1 1", "--boucle-fermee", "1e5000"}, "K"},
        {{"--num", "1", "--den", "1 1", "--boucle-fermee", "deux"}, "K illisible après --boucle-fermee"},
        {{"--num", "-1", "--den", "1", "--boucle-fermee", "1"}, "la boucle fermée n'existe pas"},
        {{"--num", "1", "--den", "1 1", "--boucle-fermee"}, "valeur manquante après --boucle-fermee"},
    };
    for (const auto& c : cas) {
        const TExecution e = Lance(c.Arguments);
        EXPECT_EQ(e.Statut, 2) << c.Message;
        EXPECT_NE(e.Erreurs.find(c.Message), std::string::npos) << e.Erreurs;
        EXPECT_TRUE(e.Sortie.empty());
    }
}

}
