#include "Messages.h"

#include <QApplication>
#include <QMessageBox>

namespace {
AfficheurMessages& Afficheur()
{
    static AfficheurMessages afficheur;
    return afficheur;
}
}

void RemplaceAfficheurMessages(AfficheurMessages afficheur)
{
    Afficheur() = std::move(afficheur);
}

void AfficheMessage(const QString& texte)
{
    if (Afficheur()) {
        Afficheur()(texte);
        return;
    }
    QMessageBox::information(QApplication::activeWindow(), QApplication::applicationName(), texte);
}
