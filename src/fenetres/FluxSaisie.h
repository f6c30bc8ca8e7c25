#pragma once
// Saisie de la fonction de transfert par coefficients ou par racines, avec le temps mort.
#include <QObject>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

#include "numerique/Polynomes.h"

class QDialog;
struct TDocument;
class TBoiteSaisieCoef;
class TBoiteSaisieRacines;
class TBoiteSaisieTau;

// Les 22 textes échangés avec la boîte des racines, préremplis depuis le polynôme.
QStringList ChampsRacines(const TPolynome& p);

// Le document ne reçoit N, D et T qu'une fois la saisie menée au bout : une saisie abandonnée
// en chemin, ou arrêtée faute de racines, ne laisse jamais une étude faite d'un polynôme neuf
// et d'un ancien. Ce qu'elle avait validé reste proposé à la saisie suivante.
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
    // Le document vient d'être remplacé par une lecture : la saisie abandonnée ne vaut plus.
    void OublieSaisieEnAttente();

    MontreDialogue Montre;

private:
    using SaisiePolynome = bool (TFluxSaisie::*)(TPolynome& p, bool denominateur);

    // N puis D par la même boîte, le temps mort, puis le document et l'analyse.
    void Saisit(SaisiePolynome saisie, const QString& messageErreur);
    // Le polynôme validé d'une saisie abandonnée, sinon celui du document.
    const TPolynome& Propose(bool denominateur) const;
    bool SaisitCoefs(TPolynome& p, bool denominateur);
    bool SaisitRacines(TPolynome& p, bool denominateur);
    Reel SaisitTempsMort();

    TDocument& document_;
    TBoiteSaisieCoef& coefs_;
    TBoiteSaisieRacines& racines_;
    TBoiteSaisieTau& tau_;
    FixeTitre fixeTitre_;
    Analyse analyse_;
    // Indices : 0 le numérateur, 1 le dénominateur.
    std::array<std::optional<TPolynome>, 2> enAttente_;
};
