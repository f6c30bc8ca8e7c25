#pragma once
// Ce que l'export demande à un classeur de tableur, et rien d'autre. Feuilles, lignes,
// colonnes, graphiques et axes sont numérotés à partir de 1 ; axe 1 horizontal, axe 2 vertical.
// Toute opération impossible lève TErreurClasseur.
#include <QString>
#include <stdexcept>

#include "numerique/Complexes.h"

class TErreurClasseur : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class TReglageAxe { Minimum, Maximum, Graduation };

class TClasseur {
public:
    virtual ~TClasseur() = default;

    virtual void Ouvre(const QString& chemin) = 0;
    virtual void ActiveFeuille(int feuille) = 0;
    // Une valeur non finie ne peut pas s'écrire : la cellule est vidée.
    virtual void EcritNombre(int feuille, int ligne, int colonne, Reel valeur) = 0;
    virtual void EcritTexte(int feuille, int ligne, int colonne, const QString& texte) = 0;
    virtual void Vide(int feuille, int ligne, int colonne) = 0;
    virtual int NombreGraphiques(int feuille) = 0;
    // Titre vide : le graphique n'en a pas.
    virtual QString TitreGraphique(int feuille, int graphique) = 0;
    virtual void RegleAxe(int feuille, int graphique, int axe, TReglageAxe reglage, Reel valeur) = 0;
    virtual void TitreAxe(int feuille, int graphique, int axe, const QString& titre) = 0;
    // Écrit le classeur dans le fichier ouvert et le ferme.
    virtual void Enregistre() = 0;
};
