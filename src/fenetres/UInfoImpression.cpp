#include "UInfoImpression.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QScreen>

#include "BoiteFixe.h"

namespace {

QLabel* LabelSarcelle(const QString& texte, const QFont& police, QWidget* parent)
{
    auto* label = new QLabel(texte, parent);
    label->setFont(police);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, CouleurSarcelle);
    label->setPalette(palette);
    return label;
}

}  // namespace

TInfoImpression::TInfoImpression(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("InfoImpression"));
    setFixedSize(647, 152);
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    auto* cadre = new QFrame(this);
    cadre->setFrameStyle(QFrame::Box | QFrame::Sunken);
    cadre->setGeometry(24, 22, 593, 107);
    QLabel* enCours = LabelSarcelle(QStringLiteral("Impression en cours sur"), PoliceTimes(21, true), this);
    enCours->move(231, 39);
    enCours->adjustSize();
    QFont police(QStringLiteral("MS Sans Serif"));
    police.setPixelSize(16);
    LabelNomImprimante = LabelSarcelle(QString(), police, this);
    LabelNomImprimante->setObjectName(QStringLiteral("LabelNomImprimante"));
    LabelNomImprimante->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    LabelNomImprimante->setGeometry(48, 88, 545, 24);
}

void TInfoImpression::Montre(const QString& destination)
{
    LabelNomImprimante->setText(destination);
    if (const QScreen* ecran = screen())
        move(ecran->availableGeometry().center() - rect().center());
    show();
    raise();
    repaint();
    QCoreApplication::processEvents();
}
