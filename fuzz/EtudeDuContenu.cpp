#include "EtudeDuContenu.h"

#include <cmath>

#include "coeur/Analyse.h"
#include "coeur/FichierDonnees.h"
#include "numerique/EchellesAuto.h"
#include "numerique/Laguerre.h"
#include "numerique/RacinesStockees.h"
#include "numerique/Reponses.h"

namespace {

constexpr int NombreInstants = 40;

std::string PolynomeNonFini(const TPolynome& p, const char* nom)
{
    for (int k = 0; k <= p.Degre; ++k)
        if (!EstFini(p.Coef[k]) || !EstFini(p.Racines[k]))
            return std::string(nom) + " : coefficient ou racine non fini au rang " + std::to_string(k);
    return {};
}

// Des racines que les coefficients démentent plus que celles que le chercheur en tirerait : à
// des échelles extrêmes, les racines calculées elles-mêmes ne redonnent pas les coefficients.
bool PiresQueCalculees(const TPolynome& p)
{
    if (RacinesConformes(p, ToleranceRacinesStockees))
        return false;
    TPolynome calcule = p;
    calcule.RacinesValides = false;
    return CalculeRacines(calcule) == LaguerreReussi && RacinesConformes(calcule, ToleranceRacinesStockees);
}

// Ce qu'une lecture réussie garantit : un dénominateur non nul, des racines conservées que les
// coefficients confirment autant que des racines calculées.
std::string LectureFautive(const TDocument& doc)
{
    const TPolynome& d = doc.Systeme.Denominateur;
    bool nul = d.CoefsValides || !d.RacinesValides;
    for (int k = 0; nul && k <= d.Degre; ++k)
        nul = Egaux(d.Coef[k], {0, 0});
    if (nul || (!d.CoefsValides && Egaux(d.Racines[0], {0, 0})))
        return "dénominateur nul accepté";
    for (const auto& [p, nom] : {std::pair{&doc.Systeme.Numerateur, "numérateur"}, std::pair{&doc.Systeme.Denominateur, "dénominateur"}})
        if (p->CoefsValides && p->RacinesValides && PiresQueCalculees(*p))
            return std::string("racines du ") + nom + " démenties par ses coefficients";
    return {};
}

std::string EtudeNonFinie(const TDocument& doc, int statut)
{
    for (const auto& [p, nom] : {std::pair{&doc.Systeme.Numerateur, "numérateur"}, std::pair{&doc.Systeme.Denominateur, "dénominateur"},
                                 std::pair{&doc.Systeme.PartieEntiere, "partie entière"}})
        if (const std::string faute = PolynomeNonFini(*p, nom); !faute.empty())
            return faute;
    if (statut != DecompositionFaite)
        return {};
    const TPolynome& d = doc.Systeme.Denominateur;
    for (int i = 1; i <= d.Multiplicites[0]; ++i)
        for (int l = 1; l <= d.Multiplicites[i]; ++l)
            if (!EstFini(doc.Systeme.Decomposition(i, l)))
                return "élément simple " + std::to_string(i) + ", " + std::to_string(l) + " non fini";
    for (const auto& [nom, champ] : ChampsEchellesAuto)
        if (!std::isfinite(doc.EchellesAuto.*champ))
            return std::string("plage ") + nom + " non finie";
    return {};
}

// Les réponses telles que les fenêtres les tracent sur la plage proposée, d'un système stable
// (les plages automatiques en ont déjà préparé la rampe).
std::string ReponsesNonFinies(const TDocument& doc)
{
    const TSysteme& rampe = doc.Systeme;
    for (int k = 0; k < NombreInstants; ++k) {
        const Reel t = Reel(k) / (NombreInstants - 1) * doc.EchellesAuto.TMaxAuto;
        if (!std::isfinite(ReponseEchelon(doc.Systeme, t, doc.Systeme.TempsMort, 0, 1, 0)))
            return "réponse indicielle non finie à t = " + std::to_string(t);
        if (!std::isfinite(ReponseRampe(rampe, t, doc.Systeme.TempsMort, 1, 0)))
            return "réponse à la rampe non finie à t = " + std::to_string(t);
    }
    return {};
}

// Un document neuf à chaque essai coûterait plus que l'essai (deux décompositions de 300 Kio
// allouées) : le même est remis à l'état de démarrage pour tout ce que lecture et analyse touchent.
TDocument& DocumentRemisAZero()
{
    static TDocument doc = DocumentInitial();
    for (TPolynome* p : {&doc.Systeme.Numerateur, &doc.Systeme.Denominateur, &doc.Systeme.PartieEntiere, &doc.Systeme.DRampe, &doc.Systeme.EntiereRampe})
        *p = InitPolynome();
    doc.Systeme.Decomposition.Efface();
    doc.Systeme.DecompositionRampe.Efface();
    doc.Systeme.TempsMort = 0;
    doc.Systeme.SystemeStable = doc.Systeme.DecompositionRampeFaite = doc.Systeme.RampeParIntegrale = doc.EtudeFaite = false;
    doc.EchellesAuto = TEchellesAuto{};
    doc.NomFichierDonnees.clear();
    return doc;
}

} // namespace

std::string DefautEtudeDuContenu(const QByteArray& contenu)
{
    TDocument& doc = DocumentRemisAZero();
    QString erreur;
    if (!LitContenuDonnees(contenu, QStringLiteral("essai.kvf"), doc, erreur)) {
        if (!erreur.startsWith(QStringLiteral("Lecture impossible du fichier « essai.kvf » : ")))
            return "refus sans message : " + erreur.toStdString();
        if (!doc.NomFichierDonnees.isEmpty() || doc.Systeme.Denominateur.CoefsValides || doc.Systeme.Numerateur.CoefsValides)
            return "document modifié par une lecture refusée";
        return {};
    }
    if (std::string faute = LectureFautive(doc); !faute.empty())
        return faute;
    const int statut = AnalyseApresSaisieCoeur(doc, [](const std::string&) {});
    if (std::string faute = EtudeNonFinie(doc, statut); !faute.empty())
        return faute;
    return statut == DecompositionFaite && doc.Systeme.SystemeStable ? ReponsesNonFinies(doc) : std::string();
}
