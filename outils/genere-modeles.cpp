// Écrit les deux classeurs modèles de l'export : leurs graphiques lisent les colonnes que
// l'export remplit. Usage : genere-modeles "modèle diagrammes.xlsx" "modèle réponses temporelles.xlsx"
#include <xlsxwriter.h>

#include <cstdio>
#include <string>

#include "coeur/DispositionClasseur.h"

namespace {

constexpr lxw_color_t Bleu = 0x1F4E9A;
constexpr lxw_color_t Rouge = 0xC00000;
constexpr lxw_color_t Gris = 0xA0A0A0;

// Colonnes A, B… (de 1).
std::string Colonne(int c)
{
    std::string lettres;
    for (; c > 0; c = (c - 1) / 26)
        lettres.insert(lettres.begin(), char('A' + (c - 1) % 26));
    return lettres;
}

std::string Plage(const char* feuille, int colonne, int premiere, int derniere)
{
    const std::string c = Colonne(colonne);
    return "=" + std::string(feuille) + "!$" + c + "$" + std::to_string(premiere) + ":$" + c + "$" +
           std::to_string(derniere);
}

lxw_chart_series* Serie(lxw_chart* g, const char* feuille, int x, int y, int premiere, int derniere,
                        lxw_color_t couleur, double epaisseur)
{
    lxw_chart_series* s =
        chart_add_series(g, Plage(feuille, x, premiere, derniere).c_str(), Plage(feuille, y, premiere, derniere).c_str());
    lxw_chart_line trait{};
    trait.color = couleur;
    trait.width = epaisseur;
    chart_series_set_line(s, &trait);
    return s;
}

lxw_chart* Graphique(lxw_workbook* classeur, const char* titre, const char* nomX, const char* nomY)
{
    lxw_chart* g = workbook_add_chart(classeur, LXW_CHART_SCATTER_STRAIGHT);
    chart_title_set_name(g, titre);
    chart_axis_set_name(g->x_axis, nomX);
    chart_axis_set_name(g->y_axis, nomY);
    chart_legend_set_position(g, LXW_CHART_LEGEND_NONE);
    // L'axe horizontal reste en bas, même quand toutes les ordonnées sont négatives.
    chart_axis_set_crossing_min(g->y_axis);
    return g;
}

void Entetes(lxw_worksheet* f, const char* titre, const char* a, const char* b, const char* c)
{
    // libxlsxwriter compte lignes et colonnes de 0.
    worksheet_write_string(f, LigneTitre - 1, 0, titre, nullptr);
    worksheet_write_string(f, LigneEntetes - 1, 0, a, nullptr);
    worksheet_write_string(f, LigneEntetes - 1, 1, b, nullptr);
    worksheet_write_string(f, LigneEntetes - 1, 2, c, nullptr);
}

void Place(lxw_worksheet* f, int ligne, lxw_chart* g)
{
    lxw_chart_options options{};
    options.x_scale = 1.6;
    options.y_scale = 1.4;
    worksheet_insert_chart_opt(f, lxw_row_t(ligne), 4, g, &options);
}

// Bode : les échantillons et au plus une ligne vide entre deux.
void AjouteFeuilleBode(lxw_workbook* classeur)
{
    lxw_worksheet* f = workbook_add_worksheet(classeur, "Bode");
    Entetes(f, "Diagramme de Bode", "fréq. (Hz)", "gain (dB)", "phase (°)");
    lxw_chart* gain = Graphique(classeur, "Gain", "fréquence (Hz)", "gain (dB)");
    constexpr int derniere = DerniereLigneEchantillons(EchantillonsBode, true);
    Serie(gain, "Bode", ColonneFrequence, ColonneGain, PremiereLigne, derniere, Bleu, 1.5);
    chart_axis_set_log_base(gain->x_axis, 10);
    Place(f, 1, gain);
    lxw_chart* phase = Graphique(classeur, "Phase", "fréquence (Hz)", "phase (°)");
    Serie(phase, "Bode", ColonneFrequence, ColonnePhase, PremiereLigne, derniere, Bleu, 1.5);
    chart_axis_set_log_base(phase->x_axis, 10);
    Place(f, 24, phase);
}

// Black : les échantillons, au plus une ligne vide entre deux, puis la place des lieux de l'abaque.
void AjouteFeuilleBlack(lxw_workbook* classeur)
{
    lxw_worksheet* f = workbook_add_worksheet(classeur, "Black");
    Entetes(f, "Diagramme de Black", "fréq. (Hz)", "gain (dB)", "phase (°)");
    lxw_chart* g = Graphique(classeur, "Diagramme de Black", "phase (°)", "gain (dB)");
    // Les phases sont négatives : l'axe des gains à gauche, pas sur la phase nulle.
    chart_axis_set_crossing_min(g->x_axis);
    Serie(g, "Black", ColonnePhase, ColonneGain, PremiereLigne, DerniereLigneEchantillons(EchantillonsBlack, true), Bleu,
          1.5);
    for (int lieu = 0; lieu < LieuxAbaqueMax; ++lieu)
        Serie(g, "Black", ColonneLieu(lieu), ColonneLieu(lieu) + 1, PremiereLigneLieu, DerniereLigneAbaque, Gris, 0.5);
    Place(f, 1, g);
}

void AjouteFeuilleNyquist(lxw_workbook* classeur)
{
    lxw_worksheet* f = workbook_add_worksheet(classeur, "Nyquist");
    Entetes(f, "Diagramme de Nyquist", "fréq. (Hz)", "Partie réelle", "Partie imaginaire");
    lxw_chart* g = Graphique(classeur, "Diagramme de Nyquist", "partie réelle", "partie imaginaire");
    Serie(g, "Nyquist", ColonnePartieReelle, ColonnePartieImaginaire, PremiereLigne,
          DerniereLigneEchantillons(EchantillonsNyquist, false), Bleu, 1.5);
    Place(f, 1, g);
}

// Réponse : l'entrée, puis la sortie.
void AjouteFeuilleReponse(lxw_workbook* classeur, const char* nom, const char* titre)
{
    lxw_worksheet* f = workbook_add_worksheet(classeur, nom);
    Entetes(f, titre, "t (s)", "entrée", "sortie");
    lxw_chart* g = Graphique(classeur, titre, "t (s)", "entrée et réponse");
    Serie(g, nom, ColonneTemps, ColonneEntree, PremiereLigne, DerniereLigneReponse, Rouge, 1.5);
    Serie(g, nom, ColonneTemps, ColonneSortie, PremiereLigne, DerniereLigneReponse, Bleu, 1.5);
    Place(f, 1, g);
}

bool Ferme(lxw_workbook* classeur, const char* chemin)
{
    const lxw_error erreur = workbook_close(classeur);
    if (erreur != LXW_NO_ERROR)
        std::fprintf(stderr, "%s : %s\n", chemin, lxw_strerror(erreur));
    return erreur == LXW_NO_ERROR;
}
}

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage : %s DIAGRAMMES.xlsx REPONSES.xlsx\n", argv[0]);
        return 2;
    }
    lxw_workbook* diagrammes = workbook_new(argv[1]);
    lxw_workbook* reponses = workbook_new(argv[2]);
    if (!diagrammes || !reponses)
        return 1;
    AjouteFeuilleBode(diagrammes);
    AjouteFeuilleBlack(diagrammes);
    AjouteFeuilleNyquist(diagrammes);
    AjouteFeuilleReponse(reponses, "Echelon", "Réponse à un échelon en entrée");
    AjouteFeuilleReponse(reponses, "Rampe", "Réponse à une rampe en entrée");
    const bool d = Ferme(diagrammes, argv[1]);
    const bool r = Ferme(reponses, argv[2]);
    return d && r ? 0 : 1;
}
