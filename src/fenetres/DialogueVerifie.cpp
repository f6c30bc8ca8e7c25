#include "DialogueVerifie.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <utility>
#include <vector>

#include "Messages.h"
#include "coeur/SaisieNombres.h"

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

bool Refuse(QWidget* champ, const QString& message)
{
    AfficheMessage(message);
    champ->setFocus(Qt::OtherFocusReason);
    return false;
}

bool LitChampOuRefuse(QLineEdit* champ, const QString& message, Reel& valeur)
{
    champ->setText(NormaliseSeparateur(champ->text()));
    return LitReel(champ->text(), valeur) || Refuse(champ, message);
}

Reel ValeurChamp(const QLineEdit* champ)
{
    Reel valeur = 0;
    LitReel(champ->text(), valeur);
    return valeur;
}

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

// Seuls les dialogues qui demandent ce bouton ont des valeurs automatiques.
void TDialogueVerifie::RemplitValeursAutomatiques()
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

TBoutonsDialogue TDialogueVerifie::AjouteBoutons(const TPlacesBoutons& places)
{
    struct TACreer {
        QString Texte;
        QRect Place;
        QPushButton** Bouton;
    };
    std::vector<TACreer> aCreer = {{QStringLiteral("Valider"), places.Valider, &boutons_.Valider},
                                   {QStringLiteral("Annuler"), places.Annuler, &boutons_.Annuler}};
    if (!places.TexteAutomatique.isEmpty())
        aCreer.push_back({places.TexteAutomatique, places.Automatique, &boutons_.Automatique});
    // La tabulation suit l'ordre de création : celui de la lecture, de haut en bas puis de gauche à droite.
    std::stable_sort(aCreer.begin(), aCreer.end(), [](const TACreer& a, const TACreer& b) {
        return std::pair(a.Place.y(), a.Place.x()) < std::pair(b.Place.y(), b.Place.x());
    });
    for (const TACreer& c : aCreer)
        *c.Bouton = AjouteBouton(c.Texte, c.Place.x(), c.Place.y(), c.Place.width(), c.Place.height());

    boutons_.Valider->setDefault(true);
    boutons_.Valider->setObjectName(QStringLiteral("BtnValider"));
    boutons_.Annuler->setObjectName(QStringLiteral("BtnAnnuler"));
    connect(boutons_.Valider, &QPushButton::clicked, this, &QDialog::accept);
    connect(boutons_.Annuler, &QPushButton::clicked, this, &QDialog::reject);
    if (boutons_.Automatique)
        connect(boutons_.Automatique, &QPushButton::clicked, this, [this] {
            RemplitValeursAutomatiques();
            boutons_.Valider->setFocus(Qt::OtherFocusReason);
        });
    return boutons_;
}
