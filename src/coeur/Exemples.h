#pragma once
// Études classiques livrées avec le programme, dans le sous-dossier exemples/ de fichiers/.
#include <QString>
#include <vector>

struct TExemple {
    QString Fichier;  // nom dans exemples/
    QString Titre;    // titre du menu et de la fenêtre
};

const std::vector<TExemple>& ExemplesKovra();
