#pragma once
// Classeur .xlsx lu et réécrit sans tableur : le paquet zip (libzip), ses parties XML
// (pugixml) lues une fois à la demande, modifiées en place, et seules les parties changées
// réécrites à l'enregistrement.
#include <memory>
#include <optional>

#include "Classeur.h"

class TClasseurOOXML : public TClasseur {
public:
    TClasseurOOXML();
    ~TClasseurOOXML() override;

    void Ouvre(const QString& chemin) override;
    void ActiveFeuille(int feuille) override;
    void EcritNombre(int feuille, int ligne, int colonne, Reel valeur) override;
    void EcritTexte(int feuille, int ligne, int colonne, const QString& texte) override;
    void Vide(int feuille, int ligne, int colonne) override;
    int NombreGraphiques(int feuille) override;
    QString TitreGraphique(int feuille, int graphique) override;
    void RegleAxe(int feuille, int graphique, int axe, TReglageAxe reglage, Reel valeur) override;
    void TitreAxe(int feuille, int graphique, int axe, const QString& titre) override;
    void Enregistre() override;

    // Relectures d'un classeur : ce qu'une cellule affiche (nombre ou texte, partagé ou non),
    // un réglage d'axe absent, et le titre d'un axe.
    QString TexteCellule(int feuille, int ligne, int colonne);
    std::optional<Reel> ReglageAxe(int feuille, int graphique, int axe, TReglageAxe reglage);
    QString TitreDAxe(int feuille, int graphique, int axe);

private:
    struct TDonnees;
    std::unique_ptr<TDonnees> d_;
};
