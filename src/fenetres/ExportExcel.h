#pragma once
// Commande « Export Excel » des fenêtres du diagramme et des réponses : le modèle choisi,
// sa copie de travail remplie sous une barre de progression dans un dossier temporaire privé,
// effacé quoi qu'il arrive, puis le résultat posé sous le nom choisi, jamais sur un modèle.
// Chaque exécution finit par « exportation terminée » ou « pas d'exportation ».
#include <QString>
#include <functional>

#include "coeur/EchellesFrequentielles.h"
#include "coeur/ValeursTemporelles.h"

class QFileDialog;
class QMainWindow;
struct TDocument;

enum class TSujetExport { Diagramme, Reponse };

// Ce que l'export relit du tracé que la fenêtre a gardé : les échelles du diagramme, ou l'entrée
// et les échelles de la réponse.
struct TTraceExporte {
    TSujetExport Sujet = TSujetExport::Diagramme;
    TEchellesFrequentielles Echelles;
    TValeursTemporelles Valeurs;
};

// `choix` exécute un dialogue de fichier et rend le chemin choisi, vide si l'utilisateur renonce.
// Du document, seul le dossier du dernier export change.
bool ExporteExcel(QMainWindow& fenetre, TDocument& doc, const TTraceExporte& trace,
                  const std::function<QString(QFileDialog&)>& choix);
