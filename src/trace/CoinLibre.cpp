// Textes posés dans un coin du cadre que la courbe laisse libre.
#include "Traceur.h"

namespace {

// Écart entre le bloc et les bords du cadre, en pixels.
constexpr int EcartAuBord = 6;

bool CouvreLaCourbe(const TRepere& r, const QRect& bloc, const std::vector<TPointCourbe>& courbe)
{
    const QRect elargi = bloc.adjusted(-2, -2, 2, 2);
    for (const TPointCourbe& p : courbe)
        if (const std::optional<TPixel> pixel = VersPixel(r, p.X, p.Y); pixel && elargi.contains(pixel->X, pixel->Y))
            return true;
    return false;
}

}  // namespace

void TTraceur::EcrireDansCoinLibre(const TRepere& r, const QStringList& lignes, Reel taille, const char* cle,
                                   const std::vector<TPointCourbe>& courbe)
{
    const QFontMetrics mesure = Mesure(taille);
    int largeur = 0;
    for (const QString& ligne : lignes)
        largeur = std::max(largeur, mesure.horizontalAdvance(ligne));
    const QSize taillebloc(largeur, mesure.height() * int(lignes.size()));
    const int gauche = r.PixGauche + EcartAuBord;
    const int droite = r.PixDroite - EcartAuBord - taillebloc.width();
    const int haut = r.PixHaut + EcartAuBord;
    const int bas = r.PixBas - EcartAuBord - taillebloc.height();
    const QPoint coins[] = {{droite, haut}, {gauche, haut}, {droite, bas}, {gauche, bas}};
    QPoint coin = coins[0];
    for (const QPoint& c : coins)
        if (!CouvreLaCourbe(r, QRect(c, taillebloc), courbe)) {
            coin = c;
            break;
        }
    for (int k = 0; k < lignes.size(); ++k)
        EcrireSurFond(coin.x(), coin.y() + k * mesure.height(), lignes[k], taille, cle);
}
