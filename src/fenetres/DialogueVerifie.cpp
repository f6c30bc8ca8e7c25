#include "DialogueVerifie.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>

#include "Messages.h"

namespace {

// Remet le drapeau à sa valeur d'avant, même si la vérification sort tôt.
class TGarde {
public:
    explicit TGarde(bool& drapeau) : drapeau_(drapeau), avant_(drapeau) { drapeau_ = true; }
    ~TGarde() { drapeau_ = avant_; }
    TGarde(const TGarde&) = delete;
    TGarde& operator=(const TGarde&) = delete;

private:
    bool& drapeau_;
    bool avant_;
};

} // namespace

TDialogueVerifie::TDialogueVerifie(int largeur, int hauteur, const QString& titre, QWidget* parent)
    : TBoiteFixe(largeur, hauteur, titre, parent)
{
}

void TDialogueVerifie::done(int resultat)
{
    TGarde garde(verificationEnCours_);
    if (resultat == Accepted && !PeutFermer())
        return;
    TBoiteFixe::done(resultat);
}

void TDialogueVerifie::SurveilleSortie(QLineEdit* champ)
{
    champ->installEventFilter(this);
}

// Par défaut, aucun champ n'est vérifié à sa sortie.
void TDialogueVerifie::ChampQuitte(QLineEdit*)
{
}

bool TDialogueVerifie::eventFilter(QObject* objet, QEvent* evenement)
{
    if (evenement->type() != QEvent::FocusOut)
        return TBoiteFixe::eventFilter(objet, evenement);
    // La fenêtre qui perd l'activation (boîte de message, autre application) ne quitte pas le champ.
    const Qt::FocusReason raison = static_cast<QFocusEvent*>(evenement)->reason();
    if (raison == Qt::ActiveWindowFocusReason || raison == Qt::PopupFocusReason || verificationEnCours_
        || !isVisible())
        return false;
    TGarde garde(verificationEnCours_);
    ChampQuitte(static_cast<QLineEdit*>(objet));
    return false;
}

void TDialogueVerifie::showEvent(QShowEvent* evenement)
{
    TBoiteFixe::showEvent(evenement);
    Active();
}

bool TDialogueVerifie::Refuse(QLineEdit* champ, const QString& message)
{
    AfficheMessage(message);
    champ->setFocus();
    return false;
}

QLineEdit* TDialogueVerifie::AjouteChamp(int x, int y, int largeur, int hauteur)
{
    auto* champ = new QLineEdit(this);
    champ->setGeometry(x, y, largeur, hauteur);
    return champ;
}

QPushButton* TDialogueVerifie::AjouteBouton(const QString& texte, int x, int y, int largeur, int hauteur)
{
    auto* bouton = new QPushButton(texte, this);
    bouton->setGeometry(x, y, largeur, hauteur);
    bouton->setFocusPolicy(Qt::TabFocus);
    return bouton;
}

void TDialogueVerifie::AjouteAnnulerValider(const QRect& annuler, const QRect& valider)
{
    btnAnnuler_ = AjouteBouton(QStringLiteral("Annuler"), annuler.x(), annuler.y(), annuler.width(), annuler.height());
    btnValider_ = AjouteBouton(QStringLiteral("Valider"), valider.x(), valider.y(), valider.width(), valider.height());
    btnValider_->setDefault(true);
    btnAnnuler_->setObjectName(QStringLiteral("BtnAnnuler"));
    btnValider_->setObjectName(QStringLiteral("BtnValider"));
    connect(btnAnnuler_, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnValider_, &QPushButton::clicked, this, &QDialog::accept);
}
