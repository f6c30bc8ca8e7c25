#pragma once
// Boîte « A propos » : version, date, crédit et adresse de contact.
#include <functional>

#include "BoiteFixe.h"

class QFrame;
class QLabel;
class QPushButton;
class QUrl;

inline const QString AdresseContact = QStringLiteral("contact@kovra.example");

class TBoiteAPropos : public TBoiteFixe {
    Q_OBJECT
public:
    explicit TBoiteAPropos(QWidget* parent = nullptr);

    QFrame* Cadre = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QPushButton* BtnMail = nullptr;
    QPushButton* BtnValider = nullptr;

    // Ouverture du lien de courrier ; les tests la remplacent.
    std::function<bool(const QUrl&)> OuvreUrl;

    void BtnMailClick();

protected:
    void showEvent(QShowEvent* evenement) override;
};
