#pragma once
// Menu « Image » des fenêtres de dessin : la vue telle que dessinée, copiée dans le
// presse-papiers ou enregistrée en PNG, SVG ou PDF.
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

#include "trace/EcritureImage.h"

class QAction;
class QFileDialog;
class QMainWindow;
class QMenu;
class QWidget;

// Chemin choisi et filtre retenu ; chemin vide si l'utilisateur renonce.
struct TChoixImage {
    QString Chemin;
    QString Filtre;
};

class TMenuImage : public QObject {
    Q_OBJECT
public:
    // `zone` donne la taille de la vue ; `nomVue` le nom proposé, sans extension.
    TMenuImage(QMainWindow& fenetre, QWidget& zone, std::function<QString()> nomVue, TDessinImage dessin);

    QMenu* Image = nullptr;
    QAction* Copier = nullptr;
    QAction* EnregistrerSous = nullptr;

    // Le dialogue d'enregistrement ; les tests le remplacent.
    std::function<TChoixImage(QFileDialog& dialogue)> ChoixFichier;

    void CopierClick();
    void EnregistrerSousClick();

private:
    QWidget& zone_;
    std::function<QString()> nomVue_;
    TDessinImage dessin_;
    QFileDialog* dialogue_ = nullptr;
};

// Filtres du dialogue, dans l'ordre PNG, SVG, PDF.
QStringList FiltresImage();
// Le nom écrit : l'extension tapée (png, svg, pdf) décide du format ; tout autre nom reçoit
// l'extension du filtre choisi, ajoutée.
QString CheminPourFiltre(const QString& chemin, const QString& filtre);
