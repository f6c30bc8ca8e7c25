#pragma once
// Boîte « A propos » : version, date, crédit et adresse de contact.
#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

inline const QString AdresseContact = QStringLiteral("contact@kovra.example");

class TBoiteAPropos : public QDialog {
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

    void BtnMailClick();

protected:
    void showEvent(QShowEvent* evenement) override;

private:
    QLabel* AjouteLabel(const QString& texte, const QFont& police, const QColor& couleur, int x, int y);
};
