#include "TextesValeurs.h"

#include <QRegularExpression>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

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
