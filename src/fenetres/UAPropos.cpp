#include "UAPropos.h"

#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QUrl>

#include "NomsComposants.h"
#include "trace/IconeKovra.h"
#include "Messages.h"

namespace {

const QColor Vert(0, 128, 0);
const QString VersionProgramme = QStringLiteral("1.8.0");
const QString DateVersion = QStringLiteral("20/04/2005");

}

TBoiteAPropos::TBoiteAPropos(QWidget* parent) : TBoiteFixe(431, 212, QStringLiteral("A propos"), parent)
{
    Cadre = AjouteCadreBiseaute(QRect(24, 24, 281, 161));

    Image1 = new QLabel(this);
    Image1->setPixmap(QPixmap::fromImage(IconeKovra(33)));
    Image1->setGeometry(48, 40, 33, 33);

    // Police étroite partout : « Version 1.8.0 » doit finir avant « du », posé 88 pixels plus loin.
    Label1 = AjouteLabel(QStringLiteral("Kovra"), 104, 32, PoliceTimes(21, false), CouleurSarcelle);
    Label2 = AjouteLabel(QStringLiteral("Version"), 104, 64, PoliceTimes(15, false), CouleurSarcelle);
    Label3 = AjouteLabel(QStringLiteral("du"), 192, 64, PoliceTimes(15, false), CouleurSarcelle);
    Label4 = AjouteLabel(QStringLiteral("Réalisé par l'équipe Kovra"), 40, 104, PoliceTimes(16, false), Vert);

    OuvreUrl = [](const QUrl& lien) { return QDesktopServices::openUrl(lien); };
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
    NommeComposants(this, QStringLiteral("BoiteAPropos"),
                    {{Image1, "Image1"}, {Label1, "Label1"}, {Label2, "Label2"}, {Label3, "Label3"}, {Label4, "Label4"},
                     {BtnMail, "BtnMail"}, {BtnValider, "BtnValider"}});
}

void TBoiteAPropos::BtnMailClick()
{
    // Sans programme de courrier, l'utilisateur garde au moins l'adresse.
    if (!OuvreUrl(QUrl(QStringLiteral("mailto:") + AdresseContact)))
        AfficheMessage(QStringLiteral("Aucun programme de courrier n'a pu être ouvert. Écrivez à ") + AdresseContact);
}

void TBoiteAPropos::showEvent(QShowEvent* evenement)
{
    // Les textes de version sont refaits à chaque affichage, quels que soient ceux de départ.
    Label2->setText(QStringLiteral("Version ") + VersionProgramme);
    Label2->adjustSize();
    Label3->setText(QStringLiteral("du ") + DateVersion);
    Label3->adjustSize();
    TBoiteFixe::showEvent(evenement);
    BtnValider->setFocus();
}
