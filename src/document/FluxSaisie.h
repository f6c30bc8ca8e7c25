#pragma once
// Saisie de la fonction de transfert par coefficients ou par racines, avec le temps mort.
#include <QObject>
#include <QStringList>
#include <functional>

#include "../numerique/Polynomes.h"

class QDialog;
struct TDocument;
class TBoiteSaisieCoef;
class TBoiteSaisieRacines;
class TBoiteSaisieTau;

// Les 22 textes échangés avec la boîte des racines, préremplis depuis le polynôme.
QStringList ChampsRacines(const TPolynome& p);

class TFluxSaisie : public QObject {
    Q_OBJECT
public:
    // Montre un dialogue modal ; vrai s'il a été validé. Les tests y répondent eux-mêmes.
    using MontreDialogue = std::function<bool(QDialog&)>;
    // Fin commune des saisies, côté fenêtre, avec le message d'erreur propre au flux.
    using Analyse = std::function<void(const QString& messageErreur)>;
    using FixeTitre = std::function<void(const QString& titre)>;

    TFluxSaisie(TDocument& document, TBoiteSaisieCoef& coefs, TBoiteSaisieRacines& racines,
                TBoiteSaisieTau& tau, FixeTitre fixeTitre, Analyse analyse, QObject* parent = nullptr);

    void KovraCoef();
    void KovraRacines();

    MontreDialogue Montre;

private:
    bool SaisitCoefs(TPolynome& p, bool denominateur);
    bool SaisitRacines(TPolynome& p, bool denominateur);
    void SaisitTempsMort();

    TDocument& document_;
    TBoiteSaisieCoef& coefs_;
    TBoiteSaisieRacines& racines_;
    TBoiteSaisieTau& tau_;
    FixeTitre fixeTitre_;
    Analyse analyse_;
};
