#include "SourceComprimee.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

struct TComprimee {
    std::string Octets;  // flux deflate brut, sans en-tête zlib
    zip_uint64_t Taille = 0;
    zip_uint32_t Crc = 0;
    std::size_t Lu = 0;
};

bool Comprime(const std::string& contenu, TComprimee& c)
{
    z_stream flux{};
    if (deflateInit2(&flux, Z_BEST_SPEED, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return false;
    c.Octets.resize(deflateBound(&flux, uLong(contenu.size())));
    flux.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(contenu.data()));
    flux.avail_in = uInt(contenu.size());
    flux.next_out = reinterpret_cast<Bytef*>(c.Octets.data());
    flux.avail_out = uInt(c.Octets.size());
    const bool fini = deflate(&flux, Z_FINISH) == Z_STREAM_END;
    c.Octets.resize(flux.total_out);
    deflateEnd(&flux);
    c.Taille = contenu.size();
    c.Crc = zip_uint32_t(crc32(0, reinterpret_cast<const Bytef*>(contenu.data()), uInt(contenu.size())));
    return fini;
}

zip_int64_t Repond(void* donnees, void* tampon, zip_uint64_t longueur, zip_source_cmd_t commande)
{
    auto* c = static_cast<TComprimee*>(donnees);
    switch (commande) {
    case ZIP_SOURCE_OPEN:
        c->Lu = 0;
        return 0;
    case ZIP_SOURCE_READ: {
        const std::size_t n = std::min<std::size_t>(std::size_t(longueur), c->Octets.size() - c->Lu);
        std::memcpy(tampon, c->Octets.data() + c->Lu, n);
        c->Lu += n;
        return zip_int64_t(n);
    }
    case ZIP_SOURCE_CLOSE:
        return 0;
    case ZIP_SOURCE_STAT: {
        // Déjà comprimée : libzip recopie le flux tel quel.
        auto* etat = static_cast<zip_stat_t*>(tampon);
        zip_stat_init(etat);
        etat->valid = ZIP_STAT_SIZE | ZIP_STAT_COMP_SIZE | ZIP_STAT_COMP_METHOD | ZIP_STAT_CRC;
        etat->size = c->Taille;
        etat->comp_size = c->Octets.size();
        etat->comp_method = ZIP_CM_DEFLATE;
        etat->crc = c->Crc;
        return sizeof(zip_stat_t);
    }
    case ZIP_SOURCE_ERROR:
        return 2 * sizeof(int);
    case ZIP_SOURCE_FREE:
        delete c;
        return 0;
    case ZIP_SOURCE_SUPPORTS:
        return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE, ZIP_SOURCE_STAT,
                                              ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, -1);
    default:
        return -1;
    }
}
}

zip_source_t* SourceComprimee(zip_t* paquet, const std::string& contenu)
{
    auto c = std::make_unique<TComprimee>();
    if (contenu.size() >= (std::size_t(1) << 31) || !Comprime(contenu, *c))
        return nullptr;
    zip_source_t* source = zip_source_function(paquet, Repond, c.get());
    if (source)
        c.release();
    return source;
}
