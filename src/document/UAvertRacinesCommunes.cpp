#include "UAvertRacinesCommunes.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>

TAvertissement1::TAvertissement1(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("Avertissement"));
    setFixedSize(434, 172);
    AjouteLabel(QStringLiteral("La racine"), 32, 24);
    labelRacine_ = AjouteLabel(QString(), 120, 24);
    AjouteLabel(QStringLiteral("est commune au numérateur et au dénominateur."), 32, 64);
    AjouteLabel(QStringLiteral("La simplification a été effectuée"), 32, 104);

    btnNote_ = new QPushButton(QStringLiteral("C'est noté"), this);
    btnNote_->setGeometry(292, 105, 109, 32);
    btnNote_->setDefault(true);
    connect(btnNote_, &QPushButton::clicked, this, &QDialog::accept);
}

void TAvertissement1::DefinitRacine(const QString& texteRacine)
{
    labelRacine_->setText(texteRacine);
    labelRacine_->adjustSize();
}

QLabel* TAvertissement1::AjouteLabel(const QString& texte, int x, int y)
{
    auto* label = new QLabel(texte, this);
    QFont police(QStringLiteral("Times New Roman"));
    police.setPixelSize(19);
    label->setFont(police);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 128, 128));
    label->setPalette(palette);
    label->move(x, y);
    label->adjustSize();
    return label;
}

void TAvertissement1::showEvent(QShowEvent* evenement)
{
    // Centrée sur l'écran, comme toutes les fenêtres de message du programme.
    if (const QScreen* ecran = screen())
        move(ecran->availableGeometry().center() - rect().center());
    QDialog::showEvent(evenement);
}
