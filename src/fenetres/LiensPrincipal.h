#pragma once
// Ce que les commandes greffées sur la fenêtre principale (aide, exemples, boucle fermée, lieu
// d'Evans) lui empruntent. Elles n'incluent pas la fenêtre : c'est elle qui les crée, leur
// donne ces liens et les appelle.
#include <QString>
#include <functional>

class QAction;
class QDialog;
class QMainWindow;
class QMenu;
struct TDocument;

struct TLiensPrincipal {
    QMainWindow* Fenetre = nullptr;
    TDocument* Document = nullptr;
    QMenu* Kovra = nullptr;
    QMenu* Fichier = nullptr;
    QAction* EnregistrerDonnees = nullptr;  // « Exemples » vient juste avant
    std::function<int(QDialog&)> ExecuteDialogue;
    // Nouvelle étude du document changé hors des dialogues de saisie.
    std::function<void(const QString& messageErreur)> AnalyseApresChangement;
    std::function<void()> TraceLieuEvans;
    std::function<bool(const QString& chemin)> LitFichier;
    // « Enregistrer les modifications de l'étude ? » : faux quand l'étude doit rester telle quelle.
    std::function<bool()> ModificationsTraitees;
};
