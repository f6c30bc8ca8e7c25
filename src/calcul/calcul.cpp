// kovra-calcul : l'étude d'une fonction de transfert, sans fenêtre, en une ligne JSON.
#include <QString>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include "AnalyseJson.h"
#include "CaracteristiquesJson.h"
#include "CorrectionDocument.h"
#include "ArgumentsCalcul.h"
#include "ImageCalcul.h"
#include "JsonCalcul.h"
#include "LieuEvansJson.h"
#include "MargesJson.h"
#include "RacinesJson.h"
#include "ReponsesJson.h"
#include "coeur/Analyse.h"
#include "coeur/Document.h"
#include "coeur/FermetureBoucle.h"
#include "coeur/FichierDonnees.h"
#include "numerique/EchellesAuto.h"

namespace {

constexpr int SortieFichierIllisible = 1;
constexpr int SortieArguments = 2;

// Ce que CalculeEchellesAuto n'écrit pas reste NaN et n'est pas rapporté.
void MarqueEchellesNonEcrites(TEchellesAuto& e)
{
    for (const auto& [nom, champ] : ChampsEchellesAuto)
        e.*champ = std::numeric_limits<Reel>::quiet_NaN();
}

// Analyse le document en gardant l'état des polynômes à chaque racine commune annoncée.
TEtatsSimplification Analyse(TDocument& doc, int& statut)
{
    TEtatsSimplification etats;
    const auto garde = [&] {
        etats.Numerateurs.push_back(doc.Systeme.Numerateur);
        etats.Denominateurs.push_back(doc.Systeme.Denominateur);
    };
    statut = AnalyseApresSaisieCoeur(doc, [&](const std::string&) { garde(); });
    garde();
    return etats;
}

// Une clé par ligne, dans l'ordre de la sortie.
std::string Etude(TDocument& doc, const TArguments& a, const QString& avis, const TJson& objets)
{
    MarqueEchellesNonEcrites(doc.EchellesAuto);
    int statut = 0;
    const TEtatsSimplification etats = Analyse(doc, statut);
    const bool faite = statut == DecompositionFaite;
    const std::vector<Reel> instants = faite ? a.Temps : std::vector<Reel>{};
    TAvertissements avertissements;
    TJson j = TJson::object();
    j["zeros"] = RacinesJson(doc.Systeme.Numerateur);
    j["multiplicites_zeros"] = MultiplicitesJson(doc.Systeme.Numerateur);
    j["poles"] = RacinesJson(doc.Systeme.Denominateur);
    j["multiplicites_poles"] = MultiplicitesJson(doc.Systeme.Denominateur);
    j["racines_communes"] = RacinesCommunesJson(etats, "racines_communes", avertissements);
    j["stable"] = doc.Systeme.SystemeStable;
    j["statut_decomposition"] = statut;
    j["partie_entiere"] = faite ? PartieEntiereJson(doc.Systeme) : TJson::array();
    j["elements_simples"] = faite ? ElementsSimplesJson(doc.Systeme) : TJson::array();
    j["gain_statique"] = GainStatiqueJson(doc.Systeme);
    j["temps_mort"] = doc.Systeme.TempsMort;
    for (const auto& [cle, valeur] : objets.items())
        j[cle] = valeur;
    j["lieu_evans"] = LieuEvansJson(doc.Systeme.Numerateur, doc.Systeme.Denominateur, doc.Systeme.TempsMort, "lieu_evans", avertissements);
    j["echelles_auto"] = EchellesJson(doc.EchellesAuto);
    j["marges"] = MargesJson(CalculeMarges(doc.Systeme.Numerateur, doc.Systeme.Denominateur, doc.Systeme.TempsMort));
    j["reponse_frequentielle"] = ReponseFrequentielleJson(doc.Systeme, a.Frequences, "reponse_frequentielle", avertissements);
    j["indicielle"] = IndicielleJson(doc.Systeme, instants);
    j["rampe"] = RampeJson(doc.Systeme, instants, "rampe", avertissements);
    AjouteLectures(j, doc.Systeme, faite, a.Temps);
    if (!avis.isEmpty())
        avertissements.push_back({"", avis.toStdString()});
    return TexteJson(j, avertissements);
}

// --boucle-fermee K : la fonction étudiée devient K.N/(D + K.N).
QString FermeSiDemande(TDocument& doc, const std::string& texteK)
{
    Reel k = 0;
    if (texteK.empty())
        return {};
    if (!LitReelPoint(texteK, k))
        return QStringLiteral("K illisible après --boucle-fermee");
    return FermeLaBoucle(doc, k);
}

} // namespace

int main(int argc, char** argv)
{
    TArguments a;
    std::string faute;
    TDocument doc = DocumentInitial();
    TOptionsImage image;
    std::vector<char*> restants;
    const bool argumentsLus = LitOptionsImage(argc, argv, image, restants, faute)
                              && LitArguments(int(restants.size()), restants.data(), a, faute);
    if (argumentsLus && a.Aide) {
        std::fputs(UsageCalcul, stdout);
        return 0;
    }
    if (!argumentsLus || (a.Fichier.empty() && !DocumentDesCoefficients(a, doc, faute))) {
        std::fprintf(stderr, "kovra-calcul : %s.\n%s", faute.c_str(), UsageCalcul);
        return SortieArguments;
    }
    QString erreur;
    QString avis;
    if (!a.Fichier.empty() && !LitFichierDonnees(QString::fromLocal8Bit(a.Fichier.c_str()), doc, erreur, &avis)) {
        std::fprintf(stderr, "%s\n", erreur.toUtf8().constData());
        return SortieFichierIllisible;
    }
    if (!ListesRepresentables(a, faute) || (!a.Fichier.empty() && !DonneesRepresentables(doc, faute))) {
        std::fprintf(stderr, "kovra-calcul : %s.\n%s", faute.c_str(), UsageCalcul);
        return SortieArguments;
    }
    TJson objets = TJson::object();
    if (const std::string refus = CorrigeDocument(doc, a.Correcteur, a.Reglage, objets); !refus.empty()) {
        std::fprintf(stderr, "kovra-calcul : %s.\n", refus.c_str());
        return SortieArguments;
    }
    if (const QString refus = FermeSiDemande(doc, a.BoucleFermee); !refus.isEmpty()) {
        std::fprintf(stderr, "kovra-calcul : %s.\n", refus.toUtf8().constData());
        return SortieArguments;
    }
    if (image.Demandee)
        return FaitImage(argc, argv, doc, image);
    const std::string json = Etude(doc, a, avis, objets);
    std::fwrite(json.data(), 1, json.size(), stdout);
    return 0;
}
