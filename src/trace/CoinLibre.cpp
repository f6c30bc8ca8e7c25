// Textes posés là où la courbe laisse la place : coin du cadre, côté d'un point.
#include "Traceur.h"

#include <initializer_list>

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

// La première place où le bloc ne couvre pas la courbe ; la première de toutes sinon.
QPoint PremierePlaceLibre(const TRepere& r, QSize bloc, std::initializer_list<QPoint> places,
                          const std::vector<TPointCourbe>& courbe)
{
    for (const QPoint& p : places)
        if (!CouvreLaCourbe(r, QRect(p, bloc), courbe))
            return p;
    return *places.begin();
}

}  // namespace

void TTraceur::EcrireAuPres(const TRepere& r, QPoint point, int ecart, const QString& texte, Reel taille,
                            const char* cle, const std::vector<TPointCourbe>& courbe)
{
    const QFontMetrics mesure = Mesure(taille);
    const QSize bloc(mesure.horizontalAdvance(texte), mesure.height());
    const int droite = point.x() + ecart;
    const int gauche = point.x() - ecart - bloc.width();
    const int bas = point.y() + ecart;
    const int haut = point.y() - ecart - bloc.height();
    const QPoint place = PremierePlaceLibre(r, bloc, {{droite, bas}, {droite, haut}, {gauche, bas}, {gauche, haut}}, courbe);
    EcrireSurFond(place.x(), place.y(), texte, taille, cle);
}

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
    const QPoint coin =
        PremierePlaceLibre(r, taillebloc, {{droite, haut}, {gauche, haut}, {droite, bas}, {gauche, bas}}, courbe);
    for (int k = 0; k < lignes.size(); ++k)
        EcrireSurFond(coin.x(), coin.y() + k * mesure.height(), lignes[k], taille, cle);
}
