#pragma once
// Partie d'un paquet zip comprimée par zlib au niveau le plus rapide et remise à libzip déjà
// comprimée : libzip 1.7 ignore le niveau demandé et comprime au plus fort, ce qui coûtait
// l'essentiel d'un export.
#include <zip.h>

#include <string>

// La source garde sa propre copie comprimée ; nullptr si zlib ou libzip échoue.
zip_source_t* SourceComprimee(zip_t* paquet, const std::string& contenu);
