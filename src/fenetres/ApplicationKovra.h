#pragma once
// Application dont la boucle d'événements survit à une exception levée par un gestionnaire
// d'événement : l'utilisateur lit le texte de l'erreur en français, l'opération en cours
// s'arrête là, le document reste tel qu'elle l'a laissé.
#include <QApplication>

class TApplicationKovra : public QApplication {
    Q_OBJECT
public:
    TApplicationKovra(int& argc, char** argv);

    bool notify(QObject* destinataire, QEvent* evenement) override;
};
