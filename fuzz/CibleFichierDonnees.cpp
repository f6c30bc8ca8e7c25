// Cible libFuzzer : un contenu quelconque lu comme un fichier de données puis étudié.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "EtudeDuContenu.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    const QByteArray contenu(reinterpret_cast<const char*>(donnees), qsizetype(taille));
    const std::string faute = DefautEtudeDuContenu(contenu);
    if (!faute.empty()) {
        std::fprintf(stderr, "Trouvaille : %s\n", faute.c_str());
        std::abort();
    }
    return 0;
}
