#pragma once
// Commande « Export Excel » des fenêtres du diagramme et des réponses : le modèle choisi,
// sa copie de travail remplie sous une barre de progression dans un dossier temporaire privé,
// effacé quoi qu'il arrive, puis le résultat posé sous le nom choisi, jamais sur un modèle.
// Chaque exécution finit par « exportation terminée » ou « pas d'exportation ».
#include <QString>
#include <functional>

class QFileDialog;
class QMainWindow;
struct TDocument;

enum class TSujetExport { Diagramme, Reponse };

// `choix` exécute un dialogue de fichier et rend le chemin choisi, vide si l'utilisateur renonce.
bool ExporteExcel(QMainWindow& fenetre, TDocument& doc, TSujetExport sujet,
                  const std::function<QString(QFileDialog&)>& choix);
