#include "ImageCalcul.h"

#include <QGuiApplication>
#include <QPainter>
#include <cstdio>
#include <cstring>
#include <optional>

#include "coeur/Analyse.h"
#include "trace/EcritureImage.h"
#include "trace/PageImprimee.h"
#include "trace/PagePdf.h"
#include "trace/TraceDiagramme.h"
#include "trace/TracePolesZeros.h"
#include "trace/ValeursAutomatiques.h"

namespace {

constexpr int TailleMin = 100;
constexpr int TailleMax = 10000;

struct TVue {
    const char* Nom;
    TTypeDiagramme Diagramme;
    TTypeReponse Reponse;
};

constexpr TVue Vues[] = {
    {"bode", TTypeDiagramme::Bode, TTypeReponse::Aucune},
    {"nyquist", TTypeDiagramme::Nyquist, TTypeReponse::Aucune},
    {"black", TTypeDiagramme::Black, TTypeReponse::Aucune},
    {"evans", TTypeDiagramme::Evans, TTypeReponse::Aucune},
    {"echelon", TTypeDiagramme::Aucun, TTypeReponse::Indicielle},
    {"rampe", TTypeDiagramme::Aucun, TTypeReponse::Rampe},
    {"impulsion", TTypeDiagramme::Aucun, TTypeReponse::Impulsionnelle},
    {"poles", TTypeDiagramme::Aucun, TTypeReponse::Aucune},
};

// Ni diagramme ni réponse : la carte des pôles et des zéros.
bool EstCarte(const TVue& vue) { return vue.Diagramme == TTypeDiagramme::Aucun && vue.Reponse == TTypeReponse::Aucune; }

std::optional<TVue> VueDe(const std::string& nom)
{
    for (const TVue& vue : Vues)
        if (nom == vue.Nom)
            return vue;
    return std::nullopt;
}

// « LARGEURxHAUTEUR », chacune de 100 à 10000 pixels.
std::optional<QSize> TailleDe(const std::string& texte)
{
    int largeur = 0, hauteur = 0;
    char reste = 0;
    if (std::sscanf(texte.c_str(), "%5dx%5d%c", &largeur, &hauteur, &reste) != 2)
        return std::nullopt;
    const auto dedans = [](int n) { return n >= TailleMin && n <= TailleMax; };
    if (!dedans(largeur) || !dedans(hauteur))
        return std::nullopt;
    return QSize(largeur, hauteur);
}

int Refuse(std::string faute)
{
    // Certains messages finissent déjà leur phrase.
    if (!faute.empty() && faute.back() == '.')
        faute.pop_back();
    std::fprintf(stderr, "kovra-calcul : %s.\n", faute.c_str());
    return SortieImageRefusee;
}

// Ce que les options permettent de savoir avant toute lecture du fichier.
std::string FauteDesOptions(const TOptionsImage& o)
{
    if (o.Sortie.empty())
        return "--image demande un fichier de sortie";
    if (FormatImageDe(QString::fromLocal8Bit(o.Sortie.c_str())) == TFormatImage::Inconnu)
        return "format d'image inconnu pour « " + o.Sortie + " » : extension .png, .svg ou .pdf";
    if (o.Vue.empty())
        return "--image demande --vue bode, nyquist, black, evans, echelon, rampe, impulsion ou poles";
    if (!VueDe(o.Vue))
        return "vue inconnue « " + o.Vue + " » : bode, nyquist, black, evans, echelon, rampe, impulsion ou poles";
    if (!TailleDe(o.Taille))
        return "taille « " + o.Taille + " » refusée : LARGEURxHAUTEUR, chacune de 100 à 10000 pixels";
    if (o.Abaque && o.Vue != "black")
        return "--abaque ne va qu'avec --vue black";
    return {};
}

// Échelles automatiques, comme les boutons des dialogues.
TDemandeReponse DemandeReponse(const TDocument& doc, const TVue& vue)
{
    TDemandeReponse demande;
    demande.Type = vue.Reponse;
    demande.Param = ParamAutoReponse(doc, vue.Reponse);
    return demande;
}

TDemandeDiagramme DemandeDiagramme(const TDocument& doc, const TVue& vue)
{
    TDemandeDiagramme demande;
    demande.Type = vue.Diagramme;
    demande.Bode = ParamAutoBode(doc);
    demande.Nyquist = ParamAutoNyquist(doc);
    demande.Black = ParamAutoBlack(doc);
    if (vue.Diagramme == TTypeDiagramme::Evans)
        demande.Evans = ParamAutoEvans(doc);
    return demande;
}

// Comme dans les menus : ni diagramme fréquentiel ni réponse pour un système instable, le lieu
// d'Evans pour toute fonction non constante. Vide quand la vue existe.
std::string RaisonAbsence(const TDocument& doc, const TVue& vue, bool decompose)
{
    if (!decompose)
        return "sa décomposition en éléments simples a échoué";
    if (EstCarte(vue))
        return {};
    if (vue.Diagramme == TTypeDiagramme::Evans) {
        if (LieuCalculable(doc.Systeme.Numerateur, doc.Systeme.Denominateur))
            return {};
        return doc.Systeme.Numerateur.Degre + doc.Systeme.Denominateur.Degre == 0 ? "sa fonction de transfert est constante"
                                                                   : "son lieu d'Evans ne peut pas être calculé";
    }
    return doc.Systeme.SystemeStable ? std::string() : "il est instable";
}

bool EstReponse(const TVue& vue)
{
    return vue.Reponse != TTypeReponse::Aucune;
}

// La vue de l'écran, pour PNG et SVG.
TDessinImage DessinDeLaVue(TDocument& doc, const TVue& vue)
{
    if (EstCarte(vue))
        return [&doc](QPainter& surface, const QRect& cible) {
            TracerPolesZeros(surface, cible, doc, {}, TMiseEnPagePolesZeros::Ecran());
        };
    if (EstReponse(vue))
        return [&doc, demande = DemandeReponse(doc, vue)](QPainter& surface, const QRect& cible) {
            TracerReponse(surface, cible, doc, demande);
        };
    return [&doc, demande = DemandeDiagramme(doc, vue)](QPainter& surface, const QRect& cible) {
        TracerDiagramme(surface, cible, doc, demande);
    };
}

// La page imprimée, pour PDF : les valeurs par défaut du dialogue de taille pour cette vue.
TPeintPage PageDeLaVue(TDocument& doc, const TVue& vue)
{
    const TValeursImpression v = ValeursParDefaut(vue.Diagramme, vue.Reponse);
    if (EstCarte(vue))
        return [&doc, v](QPainter& p, const QRect& page, int resolution) { ImprimePolesZeros(p, page, resolution, doc, {}, v); };
    if (EstReponse(vue))
        return [&doc, v, demande = DemandeReponse(doc, vue)](QPainter& p, const QRect& page, int resolution) {
            ImprimeReponse(p, page, resolution, doc, demande, v);
        };
    return [&doc, v, demande = DemandeDiagramme(doc, vue)](QPainter& p, const QRect& page, int resolution) {
        ImprimeDiagramme(p, page, resolution, doc, demande, v);
    };
}

bool EcritVue(const QString& sortie, QSize taille, TDocument& doc, const TVue& vue, QString& erreur)
{
    if (FormatImageDe(sortie) != TFormatImage::Pdf)
        return EcritImage(sortie, taille, DessinDeLaVue(doc, vue), erreur);
    const QString titre = EstCarte(vue)     ? QStringLiteral("Pôles et zéros")
                          : EstReponse(vue) ? TitreTravail(vue.Reponse)
                                            : TitreTravail(vue.Diagramme);
    return EcritPdf(sortie, titre, QPageLayout::Portrait, PageDeLaVue(doc, vue), erreur);
}
}

bool LitOptionsImage(int argc, char** argv, TOptionsImage& options, std::vector<char*>& restants,
                     std::string& faute)
{
    restants.assign(argv, argv + std::min(argc, 1));
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        std::string* valeur = option == "--image" ? &options.Sortie
                              : option == "--vue"  ? &options.Vue
                              : option == "--taille" ? &options.Taille
                                                     : nullptr;
        if (option == "--abaque")
            options.Abaque = true;
        else if (!valeur)
            restants.push_back(argv[i]);
        else if (i + 1 >= argc) {
            faute = "valeur manquante après " + option;
            return false;
        } else
            *valeur = argv[++i];
        options.Demandee = options.Demandee || option == "--image";
    }
    const bool optionsSeules = !options.Demandee && (!options.Vue.empty() || options.Abaque);
    if (optionsSeules)
        faute = "--vue et --abaque vont avec --image";
    return !optionsSeules;
}

int FaitImage(int argc, char** argv, TDocument& doc, const TOptionsImage& options)
{
    const std::string faute = FauteDesOptions(options);
    if (!faute.empty())
        return Refuse(faute);
    const bool decompose = AnalyseApresSaisieCoeur(doc, [](const std::string&) {}) == DecompositionFaite;
    const std::string absence = RaisonAbsence(doc, *VueDe(options.Vue), decompose);
    if (!absence.empty())
        return Refuse("la vue « " + options.Vue + " » n'existe pas pour ce système : " + absence);
    // Aucun écran n'est nécessaire : les polices suffisent.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    doc.AbaqueVisible = options.Abaque;
    QString erreur;
    if (!EcritVue(QString::fromLocal8Bit(options.Sortie.c_str()), *TailleDe(options.Taille), doc, *VueDe(options.Vue),
                  erreur))
        return Refuse(erreur.toStdString());
    return 0;
}
