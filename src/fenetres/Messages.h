#pragma once
// Tout message français passe par ici : boîte modale avec OK, ou enregistreur des tests.
#include <QString>
#include <functional>

void AfficheMessage(const QString& texte);

using AfficheurMessages = std::function<void(const QString&)>;
// Un afficheur vide rétablit la boîte de message.
void RemplaceAfficheurMessages(AfficheurMessages afficheur);
