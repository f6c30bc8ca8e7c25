#include "UAPropos.h"

#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QUrl>

#include "DialogueVerifie.h"
#include "IconeKovra.h"

namespace {

const QColor Vert(0, 128, 0);
const QString VersionProgramme = QStringLiteral("1.8.0");
const QString DateVersion = QStringLiteral("20/04/2005");

}

TBoiteAPropos::TBoiteAPropos(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("A propos"));
    setFixedSize(431, 212);

    Cadre = new QFrame(this);
    Cadre->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Cadre->setGeometry(24, 24, 281, 161);

    Image1 = new QLabel(this);
    Image1->setPixmap(QPixmap::fromImage(IconeKovra(33)));
    Image1->setGeometry(48, 40, 33, 33);

    // Police étroite partout : « Version 1.8.0 » doit finir avant « du », posé 88 pixels plus loin.
    Label1 = AjouteLabel(QStringLiteral("Kovra"), PoliceTimes(21, false), CouleurSarcelle, 104, 32);
    Label2 = AjouteLabel(QStringLiteral("Version"), PoliceTimes(15, false), CouleurSarcelle, 104, 64);
    Label3 = AjouteLabel(QStringLiteral("du"), PoliceTimes(15, false), CouleurSarcelle, 192, 64);
    Label4 = AjouteLabel(QStringLiteral("Réalisé par l'équipe Kovra"), PoliceTimes(16, false), Vert, 40, 104);

    BtnMail = new QPushButton(AdresseContact, this);
    BtnMail->setGeometry(40, 136, 249, 25);
    connect(BtnMail, &QPushButton::clicked, this, &TBoiteAPropos::BtnMailClick);

    BtnValider = new QPushButton(QStringLiteral("Fermer"), this);
    BtnValider->setGeometry(324, 24, 77, 161);
    BtnValider->setFont(PoliceTimes(16, false));
    QPalette palette = BtnValider->palette();
    palette.setColor(QPalette::ButtonText, CouleurSarcelle);
    BtnValider->setPalette(palette);
    BtnValider->setDefault(true);
    connect(BtnValider, &QPushButton::clicked, this, &QDialog::close);
}

QLabel* TBoiteAPropos::AjouteLabel(const QString& texte, const QFont& police, const QColor& couleur, int x, int y)
{
    auto* label = new QLabel(texte, this);
    label->setFont(police);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, couleur);
    label->setPalette(palette);
    label->move(x, y);
    label->adjustSize();
    return label;
}

void TBoiteAPropos::BtnMailClick()
{
    QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + AdresseContact));
}

void TBoiteAPropos::showEvent(QShowEvent* evenement)
{
    // Les textes de version sont refaits à chaque affichage, quels que soient ceux de départ.
    Label2->setText(QStringLiteral("Version ") + VersionProgramme);
    Label2->adjustSize();
    Label3->setText(QStringLiteral("du ") + DateVersion);
    Label3->adjustSize();
    if (const QScreen* ecran = screen())
        move(ecran->availableGeometry().center() - rect().center());
    QDialog::showEvent(evenement);
    BtnValider->setFocus();
}
