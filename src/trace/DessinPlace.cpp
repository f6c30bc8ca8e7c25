#include "DessinPlace.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <cmath>

const TTextePlace* TDessinPlace::Cherche(const QString& texte) const
{
    for (const TTextePlace& t : Textes)
        if (t.Texte == texte)
            return &t;
    return nullptr;
}

int PixelsDePoints(Reel points, const QPaintDevice& support)
{
    return int(std::nearbyint(points / 72.0L * Reel(support.logicalDpiY())));
}

QFont PoliceArial(Reel taillePoints, const QPaintDevice& support, bool italique)
{
    QFont police(QStringLiteral("Arial"));
    police.setPixelSize(std::max(1, PixelsDePoints(taillePoints, support)));
    police.setItalic(italique);
    return police;
}

int LargeurTexte(const QString& texte, const QFont& police, const QPaintDevice& support)
{
    return QFontMetrics(police, &support).horizontalAdvance(texte);
}

int PlaceTexte(TDessinPlace& dessin, const QString& texte, QPoint position, const QFont& police,
               int taillePoints, const QColor& couleur, const QPaintDevice& support)
{
    const QFontMetrics mesure(police, &support);
    TTextePlace t{texte, position, police, taillePoints, couleur, mesure.horizontalAdvance(texte),
                  mesure.height()};
    dessin.Textes.push_back(t);
    return position.x() + t.Largeur;
}

namespace {

// Un trait s'arrête juste avant son point d'arrivée, qui appartient au trait suivant.
QLine SansDernierPoint(const QLine& l)
{
    const QPoint d = l.p2() - l.p1();
    return QLine(l.p1(), l.p2() - QPoint((d.x() > 0) - (d.x() < 0), (d.y() > 0) - (d.y() < 0)));
}

}  // namespace

void PeintDessin(QPainter& p, const QRect& zone, const TDessinPlace& dessin)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    if (dessin.AvecFond)
        p.fillRect(zone, dessin.Fond);
    p.translate(zone.topLeft());
    p.setBrush(Qt::NoBrush);
    for (const TTraitPlace& t : dessin.Traits) {
        p.setPen(QPen(t.Couleur, 0));
        p.drawLine(SansDernierPoint(t.Ligne));
    }
    for (const TCadrePlace& c : dessin.Cadres) {
        p.setPen(QPen(c.Couleur, 0));
        p.drawRect(c.Coin1.x(), c.Coin1.y(), c.Coin2.x() - c.Coin1.x() - 1,
                   c.Coin2.y() - c.Coin1.y() - 1);
    }
    for (const TTextePlace& t : dessin.Textes) {
        p.setFont(t.Police);
        p.setPen(t.Couleur);
        p.drawText(t.Position.x(), t.Position.y() + p.fontMetrics().ascent(), t.Texte);
    }
    p.restore();
}
