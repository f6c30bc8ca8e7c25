#pragma once
// Fenêtre sans bordure qui nomme l'imprimante, ou le fichier PDF, pendant qu'une page se fait.
#include <QWidget>

class QLabel;

class TInfoImpression : public QWidget {
    Q_OBJECT
public:
    explicit TInfoImpression(QWidget* parent = nullptr);

    // Montrée et peinte avant que l'impression ne bloque l'interface.
    void Montre(const QString& destination);

    QLabel* LabelNomImprimante = nullptr;
};
