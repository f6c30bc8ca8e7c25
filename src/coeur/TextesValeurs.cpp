#include "TextesValeurs.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// Réglé une seule fois au démarrage, puis seulement lu.
char separateurCourant = '.';


// Mantisse arrondie à `chiffres` significatifs et exposant décimal de |x| > 0.
struct TScientifique {
    QString Mantisse;  // "d.ddd", point décimal
    int Exposant = 0;
};

TScientifique Scientifique(Reel a, int chiffres)
{
    char tampon[80];
    std::snprintf(tampon, sizeof tampon, "%.*Le", chiffres - 1, a);
    const QString texte = QString::fromLatin1(tampon);
    const qsizetype e = texte.indexOf(u'e');
    return {texte.left(e), std::atoi(tampon + e + 1)};
}

QString AvecSeparateur(QString texte)
{
    return texte.replace(u'.', QChar::fromLatin1(SeparateurDecimal()));
}

QString SansZerosFinaux(QString texte)
{
    if (!texte.contains(u'.'))
        return texte;
    while (texte.endsWith(u'0'))
        texte.chop(1);
    if (texte.endsWith(u'.'))
        texte.chop(1);
    return texte;
}

QString NonFini(Reel x)
{
    if (std::isnan(x))
        return QStringLiteral("NAN");
    return x < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

QString Positionnel(Reel x, int decimales)
{
    char tampon[128];
    std::snprintf(tampon, sizeof tampon, "%.*Lf", decimales, x);
    return QString::fromLatin1(tampon);
}

}

QString TexteEntier(int n)
{
    return QString::number(n).rightJustified(4, u' ');
}

QString TexteFixe(Reel x, int chiffres, int decimales)
{
    const int largeur = chiffres + decimales + 1;
    if (!std::isfinite(x))
        return NonFini(x).rightJustified(largeur, u' ');
    const QString signe = x < 0 ? QStringLiteral("-") : QString();
    const TScientifique s = Scientifique(std::fabs(x), chiffres);
    QString texte;
    if (x != 0 && s.Exposant + 1 > chiffres) {
        texte = signe + s.Mantisse + u'E' + (s.Exposant < 0 ? u'-' : u'+') + QString::number(std::abs(s.Exposant));
    } else {
        // Arrondi d'abord aux chiffres significatifs, puis écrit avec toutes les décimales ;
        // un résultat tout en zéros ne garde pas le signe moins.
        const QString scientifique = s.Mantisse + u'e' + QString::number(s.Exposant);
        texte = Positionnel(std::strtold(scientifique.toLatin1().constData(), nullptr), decimales);
        if (texte.contains(QRegularExpression(QStringLiteral("[1-9]"))))
            texte.prepend(signe);
    }
    return AvecSeparateur(texte).rightJustified(largeur, u' ');
}

QString TexteGeneral(Reel x, int chiffres)
{
    if (!std::isfinite(x))
        return NonFini(x);
    if (x == 0)
        return QStringLiteral("0");
    const QString signe = x < 0 ? QStringLiteral("-") : QString();
    const TScientifique s = Scientifique(std::fabs(x), chiffres);
    if (s.Exposant < -4 || s.Exposant >= chiffres)
        return signe + AvecSeparateur(SansZerosFinaux(s.Mantisse)) + u'E' + QString::number(s.Exposant);
    const QString texte = Positionnel(std::fabs(x), chiffres - 1 - s.Exposant);
    return signe + AvecSeparateur(SansZerosFinaux(texte));
}

void DefinitSeparateurDecimal(char separateur) { separateurCourant = separateur; }

char SeparateurDecimal() { return separateurCourant; }

namespace {

// Chiffres significatifs d'un réel positif : valeur = c0,c1c2… × 10^Exposant.
struct TChiffres {
    std::string Chiffres;
    int Exposant = 0;
};

// Le réel étendu porte un peu plus de 19 chiffres : ses 18 premiers sont sûrs.
constexpr int ChiffresEtendus = 18;

TChiffres ChiffresDe(Reel a)
{
    char tampon[64];
    std::snprintf(tampon, sizeof tampon, "%.*Le", ChiffresEtendus - 1, a);
    TChiffres d;
    const char* c = tampon;
    for (; *c != 'e'; ++c)
        if (*c >= '0' && *c <= '9')
            d.Chiffres += *c;
    d.Exposant = std::atoi(c + 1);
    return d;
}

// Arrondi au plus près sur les chiffres décimaux, moitiés loin de zéro.
TChiffres Arrondi(Reel a, int n)
{
    TChiffres d = ChiffresDe(a);
    if (n >= static_cast<int>(d.Chiffres.size())) {
        d.Chiffres.append(n - d.Chiffres.size(), '0');
        return d;
    }
    const bool monte = d.Chiffres[n] >= '5';
    d.Chiffres.resize(n);
    if (!monte)
        return d;
    int i = n - 1;
    while (i >= 0 && d.Chiffres[i] == '9')
        d.Chiffres[i--] = '0';
    if (i >= 0) {
        ++d.Chiffres[i];
    } else {
        d.Chiffres.insert(d.Chiffres.begin(), '1');
        d.Chiffres.pop_back();
        ++d.Exposant;
    }
    return d;
}

std::string ChiffresSansZerosFinaux(std::string s)
{
    while (s.size() > 1 && s.back() == '0')
        s.pop_back();
    return s;
}

std::string AvecFraction(std::string entier, const std::string& fraction, char separateur)
{
    if (!fraction.empty())
        entier += separateur + fraction;
    return entier;
}

// Format général : positionnel, sinon scientifique dès que la partie entière dépasse n chiffres.
std::string FormatGeneral(Reel a, int n, char separateur)
{
    const TChiffres d = Arrondi(a, n);
    const std::string c = ChiffresSansZerosFinaux(d.Chiffres);
    if (d.Exposant >= n)
        return AvecFraction(c.substr(0, 1), c.substr(1), separateur) + "E" + std::to_string(d.Exposant);
    if (d.Exposant < 0)
        return AvecFraction("0", std::string(-d.Exposant - 1, '0') + c, separateur);
    std::string entier = c.substr(0, std::min<std::size_t>(c.size(), d.Exposant + 1));
    entier.append(d.Exposant + 1 - entier.size(), '0');
    return AvecFraction(entier, c.size() > entier.size() ? c.substr(entier.size()) : "", separateur);
}

// Format exposant : tous les chiffres gardés, signe de l'exposant toujours écrit.
std::string FormatExposant(Reel a, int n, char separateur)
{
    const TChiffres d = Arrondi(a, n);
    return AvecFraction(d.Chiffres.substr(0, 1), d.Chiffres.substr(1), separateur) + "E"
           + (d.Exposant < 0 ? "-" : "+") + std::to_string(std::abs(d.Exposant));
}

// Chiffres significatifs que NombreEnTexte donne à une valeur absolue a non nulle.
int ChiffresAffiches(Reel a, int n)
{
    return a >= 0.001L && a <= 10000.0L ? n : n + 2;
}

}  // namespace

std::string NombreEnTexte(Reel x, int n, char separateur)
{
    if (std::isnan(x))
        return "NAN";
    const std::string signe = x >= 0 ? "+" : "-";
    if (std::isinf(x))
        return signe + "INF";
    n = std::max(n, 1);
    const Reel a = std::fabs(x);
    if (x == 0)
        return signe + "0";
    const int chiffres = ChiffresAffiches(a, n);
    return signe + (chiffres == n ? FormatGeneral(a, n, separateur) : FormatExposant(a, chiffres, separateur));
}

TComplexe PartiesAffichees(TComplexe z, int chiffres)
{
    const Reel grande = std::max(std::fabs(z.Re), std::fabs(z.Im));
    if (!std::isfinite(grande) || grande == 0)
        return z;
    chiffres = std::max(chiffres, 1);
    const Reel demiUnite = 0.5L * std::pow(10.0L, Reel(Arrondi(grande, chiffres).Exposant - chiffres + 1));
    for (Reel* partie : {&z.Re, &z.Im})
        if (std::fabs(*partie) < demiUnite)
            *partie = 0;
    return z;
}

std::string ComplexeEnTexte(TComplexe z, int n, char separateur)
{
    z = PartiesAffichees(z, ChiffresAffiches(std::max(std::fabs(z.Re), std::fabs(z.Im)), std::max(n, 1)));
    std::string texte = NombreEnTexte(z.Re, n, separateur);
    if (z.Im == 0)
        return texte;
    if (z.Im == 1)
        return texte + " + j";
    if (z.Im == -1)
        return texte + " -j";
    return texte + " " + NombreEnTexte(z.Im, n, separateur) + " j";
}
