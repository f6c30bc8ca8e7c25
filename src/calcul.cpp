// kovra-calcul : l'étude d'une fonction de transfert, sans fenêtre, en une ligne JSON.
#include <QString>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <limits>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ImageCalcul.h"
#include "calcul/CorrectionDocument.h"
#include "coeur/Analyse.h"
#include "coeur/FermetureBoucle.h"
#include "coeur/FichierDonnees.h"
#include "MargesJson.h"
#include "LieuEvansJson.h"
#include "numerique/Laguerre.h"
#include "numerique/Reponses.h"
#include "numerique/Tolerances.h"

namespace {

constexpr int SortieFichierIllisible = 1;
constexpr int SortieArguments = 2;
// Comme les boîtes de saisie : degrés 0 à 10 (un fichier peut aller plus haut).
constexpr int DegreSaisieMax = 10;

const char* const Usage =
    "Usage : kovra-calcul FICHIER.kvf [--frequences f1,f2,...] [--temps t1,t2,...]\n"
    "        kovra-calcul --num \"c0 c1 ...\" --den \"c0 c1 ...\" [--retard T]\n"
    "                     [--frequences f1,f2,...] [--temps t1,t2,...]\n"
    "        kovra-calcul ETUDE.kvf --image SORTIE.png|.svg|.pdf\n"
    "                     --vue bode|nyquist|black|evans|echelon|rampe [--taille 1920x1080] [--abaque]\n"
    "        [--boucle-fermee K] : étudie K.N/(D + K.N), boucle à retour unitaire\n"
    "        [--correcteur \"TYPE k=… ti=… td=… n=… a=… b=… tau=…\"] : étudie L = C.G,\n"
    "              TYPE p, pi, pd, pid, avance ou retard\n"
    "        [--reglage mp=…|mg=…|kc|erreur=…] : paramètres du correcteur tirés de l'objectif\n"
    "        kovra-calcul --help\n"
    "Coefficients par puissances croissantes, \".\" comme séparateur décimal ;\n"
    "fréquences en hertz, strictement positives.\n"
    "Écrit l'étude en JSON sur la sortie standard ; avec --image, la vue dessinée comme à\n"
    "l'écran, aux échelles automatiques.\n";

struct TArguments {
    bool Aide = false;
    std::string Fichier;
    std::string Num;
    std::string Den;
    std::string Retard;
    std::string BoucleFermee;
    std::string Correcteur;
    std::string Reglage;
    std::vector<Reel> Frequences;
    std::vector<Reel> Temps;
};

bool LitListe(std::string_view texte, std::string_view separateurs, std::vector<Reel>& valeurs)
{
    valeurs.clear();
    std::size_t debut = texte.find_first_not_of(separateurs);
    while (debut != std::string_view::npos) {
        const std::size_t fin = texte.find_first_of(separateurs, debut);
        Reel x = 0;
        if (!LitReelPoint(texte.substr(debut, fin == std::string_view::npos ? fin : fin - debut), x))
            return false;
        valeurs.push_back(x);
        debut = fin == std::string_view::npos ? fin : texte.find_first_not_of(separateurs, fin);
    }
    return true;
}

// Les valeurs f1,f2,... n'admettent que la virgule entre elles, sans case vide.
bool LitListeVirgules(const std::string& texte, std::vector<Reel>& valeurs)
{
    const bool caseVide = texte.empty() || texte.front() == ',' || texte.back() == ','
                          || texte.find(",,") != std::string::npos;
    return !caseVide && LitListe(texte, ",", valeurs);
}

constexpr std::string_view OptionsAValeur[] = {"--num", "--den", "--retard", "--frequences", "--temps", "--boucle-fermee",
                                              "--correcteur", "--reglage"};

bool LitArguments(int argc, char** argv, TArguments& a, std::string& faute)
{
    std::set<std::string> vues;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option.empty() || option.front() != '-') {
            if (!a.Fichier.empty()) {
                faute = "un seul fichier à la fois";
                return false;
            }
            a.Fichier = option;
            continue;
        }
        if (option == "--help" || option == "-h") {
            a.Aide = true;
            return true;
        }
        if (std::find(std::begin(OptionsAValeur), std::end(OptionsAValeur), option) == std::end(OptionsAValeur)) {
            faute = "option inconnue " + option;
            return false;
        }
        // Une option répétée laisserait deviner laquelle des deux valeurs compte.
        if (!vues.insert(option).second) {
            faute = "option " + option + " donnée deux fois";
            return false;
        }
        if (i + 1 >= argc) {
            faute = "valeur manquante après " + option;
            return false;
        }
        const std::string valeur = argv[++i];
        if (option == "--num")
            a.Num = valeur;
        else if (option == "--den")
            a.Den = valeur;
        else if (option == "--retard")
            a.Retard = valeur;
        else if (option == "--boucle-fermee")
            a.BoucleFermee = valeur;
        else if (option == "--correcteur" || option == "--reglage")
            (option == "--correcteur" ? a.Correcteur : a.Reglage) = valeur;
        else {
            if (!LitListeVirgules(valeur, option == "--temps" ? a.Temps : a.Frequences)) {
                faute = "liste illisible après " + option;
                return false;
            }
            // Une fréquence nulle ou négative n'a pas de point sur l'axe imaginaire étudié.
            if (option == "--frequences"
                && !std::all_of(a.Frequences.begin(), a.Frequences.end(), [](Reel f) { return f > 0; })) {
                faute = "fréquences strictement positives attendues après --frequences";
                return false;
            }
        }
    }
    const bool parFichier = !a.Fichier.empty();
    const bool parCoefficients = !a.Num.empty() || !a.Den.empty() || !a.Retard.empty();
    if (parFichier == parCoefficients || (parCoefficients && (a.Num.empty() || a.Den.empty()))) {
        faute = "donner soit un fichier, soit --num et --den";
        return false;
    }
    return true;
}

std::size_t NombreDeMots(std::string_view texte)
{
    std::vector<Reel> valeurs;
    return LitListe(texte, " \t", valeurs) ? valeurs.size() : 0;
}

bool PolynomeDesCoefficients(const std::string& texte, TPolynome& p)
{
    std::vector<Reel> coefs;
    if (!LitListe(texte, " \t", coefs) || coefs.empty() || coefs.size() > std::size_t(DegreSaisieMax) + 1)
        return false;
    p = InitPolynome();
    p.CoefsValides = true;
    for (std::size_t i = 0; i < coefs.size(); ++i) {
        p.Coef[i] = ComplexeReel(coefs[i]);
        if (coefs[i] != 0)
            p.Degre = int(i);
    }
    return true;
}

// Le JSON écrit des doubles : une donnée hors de leur étendue ne pourrait pas être relue.
bool RepresentableEnDouble(Reel x)
{
    const Reel a = std::fabs(x);
    return a == 0 || (a >= std::numeric_limits<double>::min() && a <= std::numeric_limits<double>::max());
}

bool ComplexeRepresentable(TComplexe z) { return RepresentableEnDouble(z.Re) && RepresentableEnDouble(z.Im); }

const char* const HorsEtendue = " hors de l'étendue des doubles (de 2,2e-308 à 1,8e308 en valeur absolue, ou 0)";

// Coefficients, racines données et retard : tout ce que la sortie rapporte tel quel.
bool DonneesRepresentables(const TDocument& doc, std::string& faute)
{
    for (const auto& [p, nom] : {std::pair{&doc.Numerateur, "numérateur"}, std::pair{&doc.Denominateur, "dénominateur"}})
        for (int k = 0; k <= p->Degre; ++k)
            if ((p->CoefsValides && !ComplexeRepresentable(p->Coef[k]))
                || (p->RacinesValides && !ComplexeRepresentable(p->Racines[k]))) {
                faute = std::string("coefficient ou racine du ") + nom + HorsEtendue;
                return false;
            }
    if (!RepresentableEnDouble(doc.TempsMort)) {
        faute = std::string("retard") + HorsEtendue;
        return false;
    }
    return true;
}

bool ListesRepresentables(const TArguments& a, std::string& faute)
{
    for (const auto& [liste, option] : {std::pair{&a.Frequences, "--frequences"}, std::pair{&a.Temps, "--temps"}})
        for (const Reel x : *liste)
            if (!RepresentableEnDouble(x)) {
                faute = std::string("valeur de ") + option + HorsEtendue;
                return false;
            }
    return true;
}

bool DocumentDesCoefficients(const TArguments& a, TDocument& doc, std::string& faute)
{
    Reel retard = 0;
    // Même limite que les boîtes de saisie : degrés 0 à 10.
    for (const auto& [texte, option] : {std::pair{&a.Num, "--num"}, std::pair{&a.Den, "--den"}})
        if (NombreDeMots(*texte) > DegreSaisieMax + 1) {
            faute = "Degré trop grand ou trop petit (" + std::string(option) + " : au plus "
                    + std::to_string(DegreSaisieMax + 1) + " coefficients)";
            return false;
        }
    if (!PolynomeDesCoefficients(a.Num, doc.Numerateur) || !PolynomeDesCoefficients(a.Den, doc.Denominateur)) {
        faute = "coefficients illisibles";
        return false;
    }
    // Même refus que la boîte de saisie des coefficients.
    for (const auto& [p, option] : {std::pair{&doc.Numerateur, "--num"}, std::pair{&doc.Denominateur, "--den"}})
        if (EstPolynomeNul(*p)) {
            faute = std::string("Le polynôme ne doit pas être nul (") + option + ")";
            return false;
        }
    if (!a.Retard.empty() && (!LitReelPoint(a.Retard, retard) || retard < 0)) {
        faute = "retard illisible ou négatif";
        return false;
    }
    doc.TempsMort = retard;
    if (!DonneesRepresentables(doc, faute))
        return false;
    for (const auto& [p, nom] : {std::pair{&doc.Numerateur, "numérateur"}, std::pair{&doc.Denominateur, "dénominateur"}})
        if (CalculeRacines(*p) != LaguerreReussi) {
            faute = std::string("les racines du ") + nom + " n'ont pas pu être calculées";
            return false;
        }
    return true;
}

// Ce que CalculeEchellesAuto n'écrit pas reste NaN et n'est pas rapporté.
void MarqueEchellesNonEcrites(TEchellesAuto& e)
{
    for (const auto& [nom, champ] : ChampsEchellesAuto)
        e.*champ = std::numeric_limits<Reel>::quiet_NaN();
}

int Occurrences(const TPolynome& p, TComplexe r)
{
    int n = 0;
    for (int i = 1; i <= p.Degre; ++i)
        n += ProchesRelatifs(p.Racines[i], r, ToleranceCommunes) ? 1 : 0;
    return n;
}

// Entre l'état du numérateur à une annonce et l'état suivant, la racine simplifiée est celle
// qui a perdu des occurrences.
TComplexe RacineEnlevee(const TPolynome& avant, const TPolynome& apres)
{
    TComplexe racine;
    int perte = -1;
    for (int k = 1; k <= avant.Multiplicites[0]; ++k) {
        const TComplexe r = avant.Racines[RangRacine(avant, k)];
        const int p = avant.Multiplicites[k] - Occurrences(apres, r);
        if (p > perte) {
            perte = p;
            racine = r;
        }
    }
    return racine;
}

// Texte JSON strict : un nombre hors de l'étendue des doubles n'y a pas de forme. Il est écrit null
// et nommé, par son chemin dans le document, dans la liste des avertissements.
class TJson {
public:
    void Brut(std::string_view t) { texte_ += t; }
    void Cle(std::string_view nom)
    {
        Separe();
        texte_ += '"';
        texte_ += nom;
        texte_ += "\":";
        premier_ = true;
        niveaux_.back().Cle = nom;
    }
    void Nombre(Reel x)
    {
        DebutValeur();
        if (!std::isfinite(x) || std::fabs(x) > std::numeric_limits<double>::max()) {
            texte_ += "null";
            Avertit(Chemin() + " : valeur infinie ou hors de l'étendue des doubles");
            return;
        }
        // Sous le plus petit double normal, la valeur s'écrit 0 ; si elle n'était pas nulle, elle
        // est nommée : un pôle ou un coefficient minuscule n'est pas un zéro.
        if (std::fabs(x) < std::numeric_limits<double>::min()) {
            if (x != 0)
                Avertit(Chemin() + " : valeur sous l'étendue des doubles, écrite 0");
            x = 0;
        }
        char tampon[64];
        const auto r = std::to_chars(tampon, tampon + sizeof tampon, x, std::chars_format::general, 19);
        texte_.append(tampon, r.ptr);
    }
    void Nul()
    {
        DebutValeur();
        texte_ += "null";
    }
    void Entier(int n)
    {
        DebutValeur();
        texte_ += std::to_string(n);
    }
    // Une valeur déjà écrite en JSON.
    void ValeurBrute(std::string_view t)
    {
        DebutValeur();
        texte_ += t;
    }
    void Booleen(bool b)
    {
        DebutValeur();
        texte_ += b ? "true" : "false";
    }
    void Texte(std::string_view t)
    {
        DebutValeur();
        texte_ += '"';
        for (const char c : t) {
            // Un nom de fichier peut porter des caractères de commande : en JSON, ils s'échappent.
            if (static_cast<unsigned char>(c) < 0x20) {
                char echappe[8];
                std::snprintf(echappe, sizeof echappe, "\\u%04x", unsigned(c));
                texte_ += echappe;
                continue;
            }
            if (c == '"' || c == '\\')
                texte_ += '\\';
            texte_ += c;
        }
        texte_ += '"';
    }
    void Complexe(TComplexe z)
    {
        Ouvre('[');
        Nombre(z.Re);
        Nombre(z.Im);
        Ferme(']');
    }
    void Ouvre(char c)
    {
        DebutValeur();
        texte_ += c;
        premier_ = true;
        niveaux_.push_back({c == '[', -1, {}});
    }
    void Ferme(char c)
    {
        texte_ += c;
        premier_ = false;
        niveaux_.pop_back();
    }
    // Chemin de la valeur en cours d'écriture : « reponse_frequentielle[2].gain_db ».
    std::string Chemin() const
    {
        std::string c;
        for (std::size_t k = 1; k < niveaux_.size(); ++k) {
            if (niveaux_[k].Tableau)
                c += "[" + std::to_string(niveaux_[k].Indice) + "]";
            else if (!niveaux_[k].Cle.empty())
                c += (c.empty() ? "" : ".") + niveaux_[k].Cle;
        }
        return c;
    }
    void Avertit(const std::string& texte) { avertissements_.push_back(texte); }
    const std::vector<std::string>& Avertissements() const { return avertissements_; }
    const std::string& Texte() const { return texte_; }

private:
    struct TNiveau {
        bool Tableau = false;
        int Indice = -1;
        std::string Cle;
    };
    void Separe()
    {
        if (!premier_)
            texte_ += ',';
        premier_ = false;
    }
    void DebutValeur()
    {
        Separe();
        if (!niveaux_.empty() && niveaux_.back().Tableau)
            ++niveaux_.back().Indice;
    }
    std::string texte_;
    bool premier_ = true;
    // Le document entier est un objet : le niveau racine n'apparaît pas dans les chemins.
    std::vector<TNiveau> niveaux_ = {{false, -1, {}}};
    std::vector<std::string> avertissements_;
};

void EcritRacines(TJson& j, const char* nomRacines, const char* nomMultiplicites, const TPolynome& p)
{
    j.Cle(nomRacines);
    j.Ouvre('[');
    for (int i = 1; i <= p.Degre; ++i)
        j.Complexe(p.Racines[i]);
    j.Ferme(']');
    j.Cle(nomMultiplicites);
    j.Ouvre('[');
    for (int k = 1; k <= p.Multiplicites[0]; ++k)
        j.Entier(p.Multiplicites[k]);
    j.Ferme(']');
}

void EcritDecomposition(TJson& j, const TDocument& doc, bool faite)
{
    j.Cle("partie_entiere");
    j.Ouvre('[');
    for (int i = 0; faite && i <= doc.PartieEntiere.Degre; ++i)
        j.Complexe(doc.PartieEntiere.Coef[i]);
    j.Ferme(']');
    j.Cle("elements_simples");
    j.Ouvre('[');
    const TPolynome& d = doc.Denominateur;
    for (int i = 1; faite && i <= d.Multiplicites[0]; ++i) {
        j.Ouvre('{');
        j.Cle("pole");
        j.Complexe(d.Racines[RangRacine(d, i)]);
        j.Cle("multiplicite");
        j.Entier(d.Multiplicites[i]);
        j.Cle("coefficients");
        j.Ouvre('[');
        for (int l = 1; l <= d.Multiplicites[i]; ++l)
            j.Complexe(doc.Decomposition(i, l));
        j.Ferme(']');
        j.Ferme('}');
    }
    j.Ferme(']');
}

void EcritEchelles(TJson& j, const TEchellesAuto& e)
{
    j.Cle("echelles_auto");
    j.Ouvre('{');
    for (const auto& [nom, champ] : ChampsEchellesAuto)
        if (!std::isnan(e.*champ)) {
            j.Cle(nom);
            j.Nombre(e.*champ);
        }
    j.Ferme('}');
}

void EcritReponseFrequentielle(TJson& j, const TDocument& doc, const std::vector<Reel>& frequences)
{
    j.Cle("reponse_frequentielle");
    j.Ouvre('[');
    for (Reel f : frequences) {
        const TComplexe h = ReponseFrequentielle(doc, {0, DeuxPi * f});
        j.Ouvre('{');
        const std::string echantillon = j.Chemin();
        j.Cle("f");
        j.Nombre(f);
        // Exactement sur un pôle, la réponse n'a pas de valeur : quatre null et une seule raison.
        if (!EstFini(h)) {
            for (const char* cle : {"re", "im", "gain_db", "phase_deg"}) {
                j.Cle(cle);
                j.Nul();
            }
            j.Avertit(echantillon + " : la fréquence tombe sur un pôle, la réponse est infinie");
            j.Ferme('}');
            continue;
        }
        j.Cle("re");
        j.Nombre(h.Re);
        j.Cle("im");
        j.Nombre(h.Im);
        j.Cle("gain_db");
        j.Nombre(20 * std::log10(Module(h)));
        j.Cle("phase_deg");
        j.Nombre(Argument(h) * 180 / Pi);
        j.Ferme('}');
    }
    j.Ferme(']');
}

template <typename Reponse, typename Douteuse>
void EcritReponseTemporelle(TJson& j, const char* nom, const std::vector<Reel>& temps, bool faite, Reponse reponse,
                            Douteuse douteuse)
{
    j.Cle(nom);
    j.Ouvre('[');
    for (std::size_t k = 0; faite && k < temps.size(); ++k) {
        j.Ouvre('{');
        j.Cle("t");
        j.Nombre(temps[k]);
        j.Cle("y");
        const Reel y = reponse(temps[k]);
        j.Nombre(y);
        if (douteuse(temps[k], y))
            j.Avertit(j.Chemin() + " : valeur imprécise, deux calculs de la réponse s'écartent");
        j.Ferme('}');
    }
    j.Ferme(']');
}

// La rampe est aussi l'intégrale de la réponse indicielle de N/D : quand les deux formes s'écartent,
// l'une a perdu ses chiffres (pôles presque confondus à l'échelle des instants demandés).
bool RampeDouteuse(const TSysteme& s, Reel t, Reel y)
{
    if (t < 0 || s.RampeParIntegrale || !std::isfinite(y))
        return false;
    const Reel z = RampeParIntegrale(s.Denominateur, s.PartieEntiere, s.Decomposition, t);
    return std::isfinite(z) && std::fabs(y - z) > 1e-6L * std::max(std::fabs(y), std::fabs(z));
}

std::string Etude(TDocument& doc, const TArguments& a, const QString& avis, const nlohmann::ordered_json& objets)
{
    MarqueEchellesNonEcrites(doc);
    std::vector<TPolynome> etats;
    std::vector<TPolynome> etatsD;
    const int statut = AnalyseApresSaisieCoeur(doc, [&](const std::string&) {
        etats.push_back(doc.Numerateur);
        etatsD.push_back(doc.Denominateur);
    });
    etats.push_back(doc.Numerateur);
    etatsD.push_back(doc.Denominateur);
    const bool faite = statut == DecompositionFaite;

    TJson j;
    j.Ouvre('{');
    EcritRacines(j, "zeros", "multiplicites_zeros", doc.Numerateur);
    EcritRacines(j, "poles", "multiplicites_poles", doc.Denominateur);
    j.Cle("racines_communes");
    j.Ouvre('[');
    for (std::size_t k = 0; k + 1 < etats.size(); ++k) {
        const TComplexe r = RacineEnlevee(etats[k], etats[k + 1]);
        j.Complexe(r);
        // Un pôle instable enlevé avec un zéro stable est nommé aussi.
        const TComplexe pole = RacineEnlevee(etatsD[k], etatsD[k + 1]);
        const TComplexe nommee = r.Re >= 0 ? r : pole;
        if (nommee.Re >= 0)
            j.Avertit(j.Chemin() + " : racine de partie réelle positive ou nulle " + ComplexeEnTexte(nommee, 15)
                      + " simplifiée entre le numérateur et le dénominateur");
    }
    j.Ferme(']');
    j.Cle("stable");
    j.Booleen(doc.SystemeStable);
    j.Cle("statut_decomposition");
    j.Entier(statut);
    EcritDecomposition(j, doc, faite);
    const TGainStatique k = GainStatique(doc.Numerateur, doc.Denominateur);
    j.Cle("gain_statique");
    j.Ouvre('{');
    j.Cle("valeur");
    j.Complexe(k.Valeur);
    j.Cle("infini");
    j.Booleen(k.Infini);
    j.Ferme('}');
    j.Cle("temps_mort");
    j.Nombre(doc.TempsMort);
    for (const auto& [cle, valeur] : objets.items()) {
        j.Cle(cle);
        j.ValeurBrute(valeur.dump());
    }
    EcritLieuEvans(j, doc.Numerateur, doc.Denominateur, doc.TempsMort);
    EcritEchelles(j, doc);
    EcritMarges(j, CalculeMarges(doc.Numerateur, doc.Denominateur, doc.TempsMort));
    EcritReponseFrequentielle(j, doc, a.Frequences);
    const Reel T = doc.TempsMort;
    EcritReponseTemporelle(j, "indicielle", a.Temps, faite, [&](Reel t) { return ReponseEchelon(doc, t, T, 0, 1, 0); },
                           [](Reel, Reel) { return false; });
    const TSysteme rampe = faite ? SystemeAvecRampe(doc) : TSysteme{};
    EcritReponseTemporelle(j, "rampe", a.Temps, faite, [&](Reel t) { return ReponseRampe(rampe, t, T, 1, 0); },
                           [&](Reel t, Reel y) { return RampeDouteuse(rampe, t - T, y); });
    if (!avis.isEmpty())
        j.Avertit(avis.toStdString());
    const std::vector<std::string> avertissements = j.Avertissements();
    j.Cle("avertissements");
    j.Ouvre('[');
    for (const std::string& texte : avertissements)
        j.Texte(texte);
    j.Ferme(']');
    j.Ferme('}');
    j.Brut("\n");
    return j.Texte();
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
        std::fputs(Usage, stdout);
        return 0;
    }
    if (!argumentsLus || (a.Fichier.empty() && !DocumentDesCoefficients(a, doc, faute))) {
        std::fprintf(stderr, "kovra-calcul : %s.\n%s", faute.c_str(), Usage);
        return SortieArguments;
    }
    QString erreur;
    QString avis;
    if (!a.Fichier.empty() && !LitFichierDonnees(QString::fromLocal8Bit(a.Fichier.c_str()), doc, erreur, &avis)) {
        std::fprintf(stderr, "%s\n", erreur.toUtf8().constData());
        return SortieFichierIllisible;
    }
    if (!ListesRepresentables(a, faute) || (!a.Fichier.empty() && !DonneesRepresentables(doc, faute))) {
        std::fprintf(stderr, "kovra-calcul : %s.\n%s", faute.c_str(), Usage);
        return SortieArguments;
    }
    nlohmann::ordered_json objets = nlohmann::ordered_json::object();
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
