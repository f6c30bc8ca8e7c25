#include "ArgumentsCalcul.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <set>
#include <string_view>
#include <utility>

#include "coeur/Document.h"
#include "coeur/FichierDonnees.h"
#include "numerique/Laguerre.h"

const char* const UsageCalcul =
    "Usage : kovra-calcul FICHIER.kvf [--frequences f1,f2,...] [--temps t1,t2,...]\n"
    "        kovra-calcul --num \"c0 c1 ...\" --den \"c0 c1 ...\" [--retard T]\n"
    "                     [--frequences f1,f2,...] [--temps t1,t2,...]\n"
    "        kovra-calcul ETUDE.kvf --image SORTIE.png|.svg|.pdf\n"
    "                     --vue bode|nyquist|black|evans|echelon|rampe|impulsion|poles [--taille 1920x1080] [--abaque]\n"
    "        [--boucle-fermee K] : étudie K.N/(D + K.N), boucle à retour unitaire\n"
    "        [--correcteur \"TYPE k=… ti=… td=… n=… a=… b=… tau=…\"] : étudie L = C.G,\n"
    "              TYPE p, pi, pd, pid, avance ou retard\n"
    "        [--reglage mp=…|mg=…|kc|erreur=…] : paramètres du correcteur tirés de l'objectif\n"
    "        kovra-calcul --help\n"
    "Coefficients par puissances croissantes, \".\" comme séparateur décimal ;\n"
    "fréquences en hertz, strictement positives.\n"
    "Écrit l'étude en JSON sur la sortie standard ; avec --image, la vue dessinée comme à\n"
    "l'écran, aux échelles automatiques.\n";


namespace {

// Comme les boîtes de saisie : degrés 0 à 10 (un fichier peut aller plus haut).
constexpr int DegreSaisieMax = 10;

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

} // namespace

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

// Coefficients, racines données et retard : tout ce que la sortie rapporte tel quel.
bool DonneesRepresentables(const TDocument& doc, std::string& faute)
{
    for (const auto& [p, nom] : {std::pair{&doc.Systeme.Numerateur, "numérateur"}, std::pair{&doc.Systeme.Denominateur, "dénominateur"}})
        for (int k = 0; k <= p->Degre; ++k)
            if ((p->CoefsValides && !ComplexeRepresentable(p->Coef[k]))
                || (p->RacinesValides && !ComplexeRepresentable(p->Racines[k]))) {
                faute = std::string("coefficient ou racine du ") + nom + HorsEtendue;
                return false;
            }
    if (!RepresentableEnDouble(doc.Systeme.TempsMort)) {
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
    if (!PolynomeDesCoefficients(a.Num, doc.Systeme.Numerateur) || !PolynomeDesCoefficients(a.Den, doc.Systeme.Denominateur)) {
        faute = "coefficients illisibles";
        return false;
    }
    // Même refus que la boîte de saisie des coefficients.
    for (const auto& [p, option] : {std::pair{&doc.Systeme.Numerateur, "--num"}, std::pair{&doc.Systeme.Denominateur, "--den"}})
        if (EstPolynomeNul(*p)) {
            faute = std::string("Le polynôme ne doit pas être nul (") + option + ")";
            return false;
        }
    if (!a.Retard.empty() && (!LitReelPoint(a.Retard, retard) || retard < 0)) {
        faute = "retard illisible ou négatif";
        return false;
    }
    doc.Systeme.TempsMort = retard;
    if (!DonneesRepresentables(doc, faute))
        return false;
    for (const auto& [p, nom] : {std::pair{&doc.Systeme.Numerateur, "numérateur"}, std::pair{&doc.Systeme.Denominateur, "dénominateur"}})
        if (CalculeRacines(*p) != LaguerreReussi) {
            faute = std::string("les racines du ") + nom + " n'ont pas pu être calculées";
            return false;
        }
    return true;
}
