#include "TraceFormule.h"

#include <cmath>

#include "coeur/TextesValeurs.h"

namespace {

bool PresDe(Reel x, Reel cible, Reel tolerance)
{
    return std::fabs(x - cible) <= tolerance;
}

}  // namespace

QString TexteNombre(Reel x, int chiffres)
{
    return QString::fromStdString(NombreEnTexte(x, chiffres));
}

QString TexteComplexe(TComplexe z, int chiffres)
{
    return QString::fromStdString(ComplexeEnTexte(z, chiffres));
}

QString TexteCoefficient(Reel c, int degre, int chiffres)
{
    if (degre > 0 && PresDe(std::fabs(c), 1, 1e-4L))
        return PresDe(c, 1, 1e-4L) ? QStringLiteral("+") : QStringLiteral("-");
    return TexteNombre(c, chiffres);
}

TLigneFormule TermesDeveloppes(const TPolynome& p, int chiffres)
{
    TLigneFormule ligne;
    for (int i = std::clamp(p.Degre, 0, DegreMax); i >= 0; --i) {
        const Reel c = p.Coef[i].Re;
        if (c == 0)
            continue;
        QString terme = TexteCoefficient(c, i, chiffres);
        if (i > 0)
            terme += QStringLiteral(" p");
        ligne.push_back({terme, false});
        if (i > 1)
            ligne.push_back({QString::number(i), true});
        if (i > 0)
            ligne.push_back({QStringLiteral(" "), false});
    }
    return ligne;
}

QString TexteConstante(Reel c, int degre, Reel tolerance, int chiffres)
{
    if (degre >= 1 && PresDe(c, 1, tolerance))
        return QString();
    if (degre >= 1 && PresDe(c, -1, tolerance))
        return QStringLiteral("-");
    return TexteNombre(c, chiffres);
}

QString TexteFacteur(TComplexe racine, int chiffres)
{
    const TComplexe z = Oppose(racine);
    if (Voisins(z, ComplexeReel(0)))
        return QStringLiteral(" p");
    return QStringLiteral(" (p") + TexteComplexe(z, chiffres) + QStringLiteral(")");
}

TLigneFormule FacteursFactorises(const TPolynome& p, const QString& constante, int chiffres)
{
    TLigneFormule ligne;
    if (!constante.isEmpty())
        ligne.push_back({constante, false});
    const int degre = std::clamp(p.Degre, 0, DegreMax);
    const int distinctes = std::clamp(p.Multiplicites[0], 0, degre);
    for (int k = 1; k <= distinctes; ++k) {
        const int rang = RangRacine(p, k);
        if (rang > degre)
            break;
        ligne.push_back({TexteFacteur(p.Racines[rang], chiffres), false});
        if (p.Multiplicites[k] > 1)
            ligne.push_back({QString::number(p.Multiplicites[k]), true});
    }
    return ligne;
}

QString ExposantRetard(Reel tempsMort, int chiffres)
{
    QString texte = TexteNombre(-tempsMort, chiffres);
    if (texte == QStringLiteral("-1"))
        texte = QStringLiteral("-");
    return texte + QStringLiteral("p");
}

TPolicesFormule PolicesFormule(int taille, int tailleExposant, const QPaintDevice& support)
{
    return {taille, tailleExposant, PoliceArial(taille, support), PoliceArial(tailleExposant, support)};
}

int LargeurLigne(const TLigneFormule& ligne, const TPolicesFormule& polices, const QPaintDevice& support)
{
    int largeur = 0;
    for (const TMorceauFormule& m : ligne)
        largeur += LargeurTexte(m.Texte, m.Exposant ? polices.Exposant : polices.Normale, support);
    return largeur;
}

int PlaceLigne(TDessinPlace& dessin, const TLigneFormule& ligne, QPoint debut, int montee,
               const TPolicesFormule& polices, const QColor& couleur, const QPaintDevice& support)
{
    int x = debut.x();
    for (const TMorceauFormule& m : ligne) {
        if (m.Exposant)
            x = PlaceTexte(dessin, m.Texte, QPoint(x, debut.y() - montee), polices.Exposant,
                           polices.TailleExposant, couleur, support);
        else
            x = PlaceTexte(dessin, m.Texte, QPoint(x, debut.y()), polices.Normale, polices.Taille, couleur,
                           support);
    }
    return x;
}

TFraction AjusteFraction(TLigneFormule numerateur, TLigneFormule denominateur, int taille,
                         int tailleExposant, int exposantMin, const std::function<bool(int)>& tropLarge,
                         const QPaintDevice& support)
{
    TFraction f{std::move(numerateur), std::move(denominateur), {}, 0, 0};
    for (;;) {
        f.Polices = PolicesFormule(taille, tailleExposant, support);
        f.LargeurNumerateur = LargeurLigne(f.Numerateur, f.Polices, support);
        f.LargeurDenominateur = LargeurLigne(f.Denominateur, f.Polices, support);
        if (!tropLarge(f.Largeur()) || tailleExposant <= exposantMin)
            return f;
        --taille;
        --tailleExposant;
    }
}

void PlaceFraction(TDessinPlace& dessin, const TFraction& f, int x0, int yNumerateur, int yDenominateur,
                   int montee, const QColor& couleur, const QPaintDevice& support)
{
    const int largeur = f.Largeur();
    PlaceLigne(dessin, f.Numerateur, QPoint(x0 + (largeur - f.LargeurNumerateur) / 2, yNumerateur), montee,
               f.Polices, couleur, support);
    PlaceLigne(dessin, f.Denominateur, QPoint(x0 + (largeur - f.LargeurDenominateur) / 2, yDenominateur),
               montee, f.Polices, couleur, support);
}
