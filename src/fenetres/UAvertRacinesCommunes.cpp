#include "UAvertRacinesCommunes.h"

#include <QLabel>
#include <QPushButton>

TAvertissement1::TAvertissement1(QWidget* parent) : TBoiteFixe(434, 172, QStringLiteral("Avertissement"), parent)
{
    const QFont police = PoliceTimes(19, false);
    AjouteLabel(QStringLiteral("La racine"), 32, 24, police, CouleurSarcelle);
    labelRacine_ = AjouteLabel(QString(), 120, 24, police, CouleurSarcelle);
    AjouteLabel(QStringLiteral("est commune au numérateur et au dénominateur."), 32, 64, police, CouleurSarcelle);
    AjouteLabel(QStringLiteral("La simplification a été effectuée"), 32, 104, police, CouleurSarcelle);

    btnNote_ = new QPushButton(QStringLiteral("C'est noté"), this);
    btnNote_->setGeometry(292, 105, 109, 32);
    btnNote_->setDefault(true);
    connect(btnNote_, &QPushButton::clicked, this, &QDialog::accept);
    setObjectName(QStringLiteral("Avertissement1"));
}

void TAvertissement1::DefinitRacine(const QString& texteRacine)
{
    labelRacine_->setText(texteRacine);
    labelRacine_->adjustSize();
}
