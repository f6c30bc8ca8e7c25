#pragma once
// Paquets zip des tests du classeur : écrits partie par partie sans compression (comme le font
// certains programmes), relus tels quels.
#include <zip.h>

#include <map>
#include <string>

inline bool EcritPaquet(const std::string& chemin, const std::map<std::string, std::string>& parties)
{
    int erreur = 0;
    zip_t* z = zip_open(chemin.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &erreur);
    if (!z)
        return false;
    for (const auto& [nom, contenu] : parties) {
        zip_source_t* s = zip_source_buffer(z, contenu.data(), contenu.size(), 0);
        const zip_int64_t entree = s ? zip_file_add(z, nom.c_str(), s, ZIP_FL_ENC_UTF_8) : -1;
        if (entree < 0)
            zip_source_free(s);
        if (entree < 0 || zip_set_file_compression(z, zip_uint64_t(entree), ZIP_CM_STORE, 0) < 0) {
            zip_discard(z);
            return false;
        }
    }
    return zip_close(z) == 0;
}

// Contenu d'une partie ; "absente" quand le paquet ne l'a pas.
inline std::string LitPartie(const std::string& chemin, const std::string& nom)
{
    int erreur = 0;
    zip_t* z = zip_open(chemin.c_str(), ZIP_RDONLY, &erreur);
    if (!z)
        return "paquet illisible";
    std::string contenu = "absente";
    zip_stat_t etat;
    if (zip_stat(z, nom.c_str(), 0, &etat) == 0) {
        contenu.assign(std::size_t(etat.size), '\0');
        zip_file_t* f = zip_fopen(z, nom.c_str(), 0);
        if (!f || zip_fread(f, contenu.data(), etat.size) != zip_int64_t(etat.size))
            contenu = "partie illisible";
        if (f)
            zip_fclose(f);
    }
    zip_discard(z);
    return contenu;
}
