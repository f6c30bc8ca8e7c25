#include "SaisieNombres.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

#include "TextesValeurs.h"

namespace {

bool EstChiffre(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Recopie une suite de chiffres ; rend leur nombre.
int CopieChiffres(const QString& t, qsizetype& i, std::string& sortie)
{
    int n = 0;
    while (i < t.size() && EstChiffre(t[i])) {
        sortie += char(t[i].unicode());
        ++i;
        ++n;
    }
    return n;
}

// Forme admise : signe, chiffres, séparateur, chiffres, exposant. La traduit en texte « C »
// pour from_chars, qui n'a pas à voir « inf », « nan » ni l'hexadécimal.
bool TraduitEnTexteC(const QString& t, QChar separateur, std::string& sortie)
{
    qsizetype i = 0;
    if (i < t.size() && (t[i] == u'+' || t[i] == u'-')) {
        if (t[i] == u'-')
            sortie += '-';
        ++i;
    }
    int chiffres = CopieChiffres(t, i, sortie);
    if (i < t.size() && t[i] == separateur) {
        sortie += '.';
        ++i;
        chiffres += CopieChiffres(t, i, sortie);
    }
    if (chiffres == 0)
        return false;
    if (i < t.size() && (t[i] == u'e' || t[i] == u'E')) {
        sortie += 'e';
        ++i;
        if (i < t.size() && (t[i] == u'+' || t[i] == u'-')) {
            sortie += char(t[i].unicode());
            ++i;
        }
        if (CopieChiffres(t, i, sortie) == 0)
            return false;
    }
    return i == t.size();
}

} // namespace

QString NormaliseSeparateur(const QString& texte)
{
    const QChar separateur = QChar::fromLatin1(SeparateurDecimal());
    QString resultat = texte;
    for (QChar& c : resultat)
        if (c == u',' || c == u'.')
            c = separateur;
    return resultat;
}

bool LitReel(const QString& texte, Reel& valeur)
{
    std::string c;
    if (!TraduitEnTexteC(texte.trimmed(), QChar::fromLatin1(SeparateurDecimal()), c))
        return false;
    Reel lu = 0;
    // Hors de la plage étendue, dans un sens comme dans l'autre, le texte est refusé.
    const auto [fin, erreur] = std::from_chars(c.data(), c.data() + c.size(), lu);
    if (erreur != std::errc() || fin != c.data() + c.size() || !std::isfinite(lu))
        return false;
    // « -0 » tapé vaut 0 : pas de zéro négatif dans le document.
    valeur = lu == 0 ? 0 : lu;
    return true;
}

bool LitEntier(const QString& texte, int& valeur)
{
    const QString t = texte.trimmed();
    qsizetype i = 0;
    const bool negatif = i < t.size() && t[i] == u'-';
    if (i < t.size() && (t[i] == u'+' || t[i] == u'-'))
        ++i;
    if (i == t.size())
        return false;
    constexpr long long borne = 999999999;
    long long lu = 0;
    for (; i < t.size(); ++i) {
        if (!EstChiffre(t[i]))
            return false;
        lu = std::min(borne, lu * 10 + (t[i].unicode() - u'0'));
    }
    valeur = int(negatif ? -lu : lu);
    return true;
}
