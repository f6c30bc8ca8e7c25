#include "BoiteFixe.h"

#include <QFrame>
#include <QLabel>
#include <QScreen>

QFont PoliceTimes(int pixels, bool italique)
{
    QFont police(QStringLiteral("Times New Roman"));
    police.setPixelSize(pixels);
    police.setItalic(italique);
    return police;
}

TBoiteFixe::TBoiteFixe(int largeur, int hauteur, const QString& titre, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint)
{
    setWindowTitle(titre);
    setFixedSize(largeur, hauteur);
}

QLabel* TBoiteFixe::AjouteLabel(const QString& texte, int x, int y, const QFont& police, const QColor& couleur)
{
    auto* label = new QLabel(texte, this);
    label->setFont(police);
    if (couleur.isValid()) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, couleur);
        label->setPalette(palette);
    }
    label->move(x, y);
    label->adjustSize();
    return label;
}

QFrame* TBoiteFixe::AjouteCadreBiseaute(const QRect& place)
{
    auto* cadre = new QFrame(this);
    cadre->setFrameStyle(QFrame::Box | QFrame::Sunken);
    cadre->setGeometry(place);
    return cadre;
}

void TBoiteFixe::showEvent(QShowEvent* evenement)
{
    if (const QScreen* ecran = screen())
        move(ecran->availableGeometry().center() - rect().center());
    QDialog::showEvent(evenement);
}
