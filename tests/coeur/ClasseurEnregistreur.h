#pragma once
// Classeur des tests de l'export : garde le dernier contenu de chaque cellule, les réglages
// d'axes dans leur ordre, et offre des graphiques dont le test choisit les titres.
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "coeur/Classeur.h"

struct TCelluleEnregistree {
    enum TSorte { Nombre, Texte, Videe } Sorte = Videe;
    Reel Valeur = 0;
    QString Chaine;
};

struct TReglageEnregistre {
    int Feuille = 0;
    int Graphique = 0;
    int Axe = 0;
    TReglageAxe Reglage = TReglageAxe::Minimum;
    Reel Valeur = 0;
};

class TClasseurEnregistreur : public TClasseur {
public:
    // Titres des graphiques de chaque feuille (feuilles 1 à 3).
    std::map<int, std::vector<QString>> Titres;
    std::map<std::tuple<int, int, int>, TCelluleEnregistree> Cellules;
    std::vector<TReglageEnregistre> Reglages;
    std::map<std::tuple<int, int, int>, QString> TitresAxes;
    std::vector<int> FeuillesActivees;
    bool Ouvert = false;
    bool Enregistre_ = false;

    void Ouvre(const QString&) override { Ouvert = true; }
    void ActiveFeuille(int feuille) override { FeuillesActivees.push_back(feuille); }
    void EcritNombre(int f, int l, int c, Reel v) override { Cellules[{f, l, c}] = {TCelluleEnregistree::Nombre, v, {}}; }
    void EcritTexte(int f, int l, int c, const QString& t) override
    {
        Cellules[{f, l, c}] = {TCelluleEnregistree::Texte, 0, t};
    }
    void Vide(int f, int l, int c) override { Cellules[{f, l, c}] = {}; }
    int NombreGraphiques(int f) override { return int(Titres[f].size()); }
    QString TitreGraphique(int f, int g) override { return Titres.at(f).at(std::size_t(g - 1)); }
    // Comme un vrai graphique : deux axes seulement.
    void RegleAxe(int f, int g, int a, TReglageAxe r, Reel v) override
    {
        Axe(a);
        Reglages.push_back({f, g, a, r, v});
    }
    void TitreAxe(int f, int g, int a, const QString& t) override
    {
        Axe(a);
        TitresAxes[{f, g, a}] = t;
    }
    static void Axe(int a)
    {
        if (a < 1 || a > 2)
            throw TErreurClasseur("pas d'axe " + std::to_string(a));
    }
    void Enregistre() override { Enregistre_ = true; }

    const TCelluleEnregistree* Cellule(int f, int l, int c) const
    {
        const auto i = Cellules.find({f, l, c});
        return i == Cellules.end() ? nullptr : &i->second;
    }
    std::optional<Reel> Nombre(int f, int l, int c) const
    {
        const TCelluleEnregistree* e = Cellule(f, l, c);
        return e && e->Sorte == TCelluleEnregistree::Nombre ? std::optional<Reel>(e->Valeur) : std::nullopt;
    }
    QString Texte(int f, int l, int c) const
    {
        const TCelluleEnregistree* e = Cellule(f, l, c);
        return e && e->Sorte == TCelluleEnregistree::Texte ? e->Chaine : QString();
    }
    // La valeur réglée en dernier, ou rien.
    std::optional<Reel> Reglage(int f, int g, int a, TReglageAxe r) const
    {
        std::optional<Reel> v;
        for (const TReglageEnregistre& e : Reglages)
            if (e.Feuille == f && e.Graphique == g && e.Axe == a && e.Reglage == r)
                v = e.Valeur;
        return v;
    }
    int ReglagesDuGraphique(int f, int g) const
    {
        int n = 0;
        for (const TReglageEnregistre& e : Reglages)
            n += e.Feuille == f && e.Graphique == g;
        return n;
    }
};
