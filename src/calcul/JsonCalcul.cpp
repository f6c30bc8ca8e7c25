#include "JsonCalcul.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string_view>

namespace {

// Un nom de fichier peut porter des caractères de commande : en JSON, ils s'échappent.
void AjouteChaine(std::string& texte, std::string_view t)
{
    texte += '"';
    for (const char c : t) {
        if (static_cast<unsigned char>(c) < 0x20) {
            char echappe[8];
            std::snprintf(echappe, sizeof echappe, "\\u%04x", unsigned(c));
            texte += echappe;
            continue;
        }
        if (c == '"' || c == '\\')
            texte += '\\';
        texte += c;
    }
    texte += '"';
}

class TEcriture {
public:
    explicit TEcriture(const TAvertissements& explicites) : explicites_(explicites), ranges_(explicites.size()) {}

    void Valeur(const TJson& v)
    {
        switch (v.type()) {
        case TJson::value_t::object:
            Objet(v);
            break;
        case TJson::value_t::array:
            Tableau(v);
            break;
        case TJson::value_t::string:
            AjouteChaine(texte_, v.get_ref<const std::string&>());
            break;
        case TJson::value_t::boolean:
            texte_ += v.get<bool>() ? "true" : "false";
            break;
        case TJson::value_t::number_integer:
            texte_ += std::to_string(v.get<std::int64_t>());
            break;
        case TJson::value_t::number_unsigned:
            texte_ += std::to_string(v.get<std::uint64_t>());
            break;
        case TJson::value_t::number_float:
            Nombre(v.get<Reel>());
            break;
        default:
            texte_ += "null";
        }
    }
    // Le document entier : ses clés, puis tous les avertissements.
    std::string Document(const TJson& etude)
    {
        texte_ += '{';
        Membres(etude);
        RangeApres(std::nullopt);
        if (!etude.empty())
            texte_ += ',';
        texte_ += "\"avertissements\":[";
        for (std::size_t k = 0; k < avertissements_.size(); ++k) {
            if (k > 0)
                texte_ += ',';
            AjouteChaine(texte_, avertissements_[k]);
        }
        texte_ += "]}\n";
        return std::move(texte_);
    }

private:
    void Objet(const TJson& v)
    {
        texte_ += '{';
        Membres(v);
        texte_ += '}';
    }
    void Membres(const TJson& v)
    {
        bool premier = true;
        for (const auto& [cle, valeur] : v.get_ref<const TJson::object_t&>()) {
            if (!premier)
                texte_ += ',';
            premier = false;
            AjouteChaine(texte_, cle);
            texte_ += ':';
            Dans((chemin_.empty() ? "" : ".") + cle, valeur);
        }
    }
    void Tableau(const TJson& v)
    {
        texte_ += '[';
        for (std::size_t k = 0; k < v.size(); ++k) {
            if (k > 0)
                texte_ += ',';
            Dans("[" + std::to_string(k) + "]", v[k]);
        }
        texte_ += ']';
    }
    void Dans(const std::string& pas, const TJson& v)
    {
        const std::size_t longueur = chemin_.size();
        chemin_ += pas;
        Valeur(v);
        RangeApres(chemin_);
        chemin_.resize(longueur);
    }
    void Nombre(Reel x)
    {
        if (!std::isfinite(x) || std::fabs(x) > std::numeric_limits<double>::max()) {
            texte_ += "null";
            avertissements_.push_back(chemin_ + " : valeur infinie ou hors de l'étendue des doubles");
            return;
        }
        // Un pôle ou un coefficient minuscule n'est pas un zéro : s'il est écrit 0, il est nommé.
        if (std::fabs(x) < std::numeric_limits<double>::min()) {
            if (x != 0)
                avertissements_.push_back(chemin_ + " : valeur sous l'étendue des doubles, écrite 0");
            x = 0;
        }
        char tampon[64];
        const auto r = std::to_chars(tampon, tampon + sizeof tampon, x, std::chars_format::general, 19);
        texte_.append(tampon, r.ptr);
    }
    // Sans chemin : tous ceux qui restent, y compris ceux d'un chemin absent du document.
    void RangeApres(const std::optional<std::string>& chemin)
    {
        for (std::size_t k = 0; k < explicites_.size(); ++k) {
            const TAvertissement& a = explicites_[k];
            if (ranges_[k] || (chemin && a.Chemin != *chemin))
                continue;
            ranges_[k] = true;
            avertissements_.push_back(a.Chemin.empty() ? a.Texte : a.Chemin + " : " + a.Texte);
        }
    }

    const TAvertissements& explicites_;
    std::vector<bool> ranges_;
    std::string texte_;
    std::string chemin_;
    std::vector<std::string> avertissements_;
};

} // namespace

TJson ComplexeJson(TComplexe z) { return TJson::array({TJson(z.Re), TJson(z.Im)}); }

TJson OptionnelJson(const std::optional<Reel>& valeur) { return valeur ? TJson(*valeur) : TJson(nullptr); }

std::string TexteJson(const TJson& etude, const TAvertissements& avertissements)
{
    return TEcriture(avertissements).Document(etude);
}
