#include "CommandesEvans.h"

#include <QMainWindow>
#include <QMenu>

#include "Messages.h"
#include "UBoucleFermee.h"
#include "USaisieParamEvans.h"
#include "coeur/FermetureBoucle.h"

TCommandesEvans::TCommandesEvans(const TLiensPrincipal& principal, TEchellesEvans& echelles,
                                 TBoiteBoucleFermee& boite)
    : QObject(principal.Fenetre), principal_(principal), echelles_(echelles), boite_(boite)
{
    principal.Kovra->addSeparator();
    BoucleFermee1 = principal.Kovra->addAction(QStringLiteral("Boucle fermée…"));
    BoucleFermee1->setObjectName(QStringLiteral("BoucleFermee1"));
    LieuEvans1 = principal.Kovra->addAction(QStringLiteral("Lieu d'Evans"));
    LieuEvans1->setObjectName(QStringLiteral("LieuEvans1"));
    BoucleFermee1->setEnabled(false);
    LieuEvans1->setEnabled(false);
    connect(BoucleFermee1, &QAction::triggered, this, &TCommandesEvans::BoucleFermeeClick);
    connect(LieuEvans1, &QAction::triggered, this, &TCommandesEvans::LieuEvansClick);
}

void TCommandesEvans::MetAJour(bool decomposee)
{
    const TDocument& doc = *principal_.Document;
    BoucleFermee1->setEnabled(decomposee);
    LieuEvans1->setEnabled(decomposee && LieuCalculable(doc.Systeme.Numerateur, doc.Systeme.Denominateur));
    // Le lieu à l'écran prend tout de suite le cadre de la nouvelle fonction.
    if (doc.TypeDiagramme == TTypeDiagramme::Evans)
        echelles_.RemplitSiNouvelleFonction();
}

void TCommandesEvans::BoucleFermeeClick()
{
    TDocument& doc = *principal_.Document;
    if (doc.Systeme.TempsMort != 0) {
        AfficheMessage(QStringLiteral("La boucle fermée d'un système à retard n'est pas une fraction rationnelle"));
        return;
    }
    boite_.Propose(doc.Evans.GainLu.value_or(1));
    if (principal_.ExecuteDialogue(boite_) != QDialog::Accepted)
        return;
    if (const QString refus = FermeLaBoucle(doc, boite_.K()); !refus.isEmpty()) {
        AfficheMessage(refus);
        return;
    }
    principal_.AnalyseApresChangement(QStringLiteral("Erreur décomposition en éléments simples"));
}

void TCommandesEvans::LieuEvansClick()
{
    principal_.TraceLieuEvans();
}
