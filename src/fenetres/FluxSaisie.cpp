#include "FluxSaisie.h"

#include <QDialog>

#include "coeur/Document.h"
#include "Messages.h"
#include "coeur/SaisieNombres.h"
#include "coeur/TextesValeurs.h"
#include "USaisieCoefs.h"
#include "USaisieRacines.h"
#include "USaisieTau.h"

namespace {

Reel NombreDuTexte(const QString& texte)
{
    Reel valeur = 0;
    LitReel(texte, valeur);
    return valeur;
}

} // namespace

QStringList ChampsRacines(const TPolynome& p)
{
    const bool valide = p.RacinesValides && p.Degre >= 0 && p.Degre <= TBoiteSaisieRacines::NbRacines;
    QStringList champs;
    champs << (valide ? TexteGeneral(p.Racines[0].Re, ChiffresRelisibles) : QStringLiteral("1"))
           << QString::number(valide ? p.Degre : 0);
    for (int i = 1; i <= TBoiteSaisieRacines::NbRacines; ++i) {
        if (valide && i <= p.Degre)
            champs << TexteGeneral(p.Racines[i].Re, ChiffresRelisibles)
                   << TexteGeneral(p.Racines[i].Im, ChiffresRelisibles);
        else
            champs << QString() << QStringLiteral("0");
    }
    return champs;
}

TFluxSaisie::TFluxSaisie(TDocument& document, TBoiteSaisieCoef& coefs, TBoiteSaisieRacines& racines,
                         TBoiteSaisieTau& tau, FixeTitre fixeTitre, Analyse analyse, QObject* parent)
    : QObject(parent),
      Montre([](QDialog& dialogue) { return dialogue.exec() == QDialog::Accepted; }),
      document_(document),
      coefs_(coefs),
      racines_(racines),
      tau_(tau),
      fixeTitre_(std::move(fixeTitre)),
      analyse_(std::move(analyse))
{
}

const TPolynome& TFluxSaisie::Propose(bool denominateur) const
{
    if (enAttente_[denominateur])
        return *enAttente_[denominateur];
    return denominateur ? document_.Systeme.Denominateur : document_.Systeme.Numerateur;
}

void TFluxSaisie::OublieSaisieEnAttente()
{
    enAttente_ = {};
}

bool TFluxSaisie::SaisitCoefs(TPolynome& p, bool denominateur)
{
    for (int i = 0; i < TBoiteSaisieCoef::NbChamps; ++i)
        coefs_.EcritTabEdit(i, p.CoefsValides ? TexteGeneral(p.Coef[i].Re, ChiffresRelisibles) : QStringLiteral("0"));
    document_.SaisieDenominateur = denominateur;
    if (!Montre(coefs_))
        return false;
    std::array<Reel, TBoiteSaisieCoef::NbChamps> valeurs{};
    for (int i = 0; i < TBoiteSaisieCoef::NbChamps; ++i)
        valeurs[i] = NombreDuTexte(coefs_.LitTabEdit(i));
    p = PolynomeReel(valeurs);
    CalculeRacines(p);
    return true;
}

bool TFluxSaisie::SaisitRacines(TPolynome& p, bool denominateur)
{
    racines_.EcritChamps(ChampsRacines(p));
    document_.SaisieDenominateur = denominateur;
    // Le degré de D se compare à celui du N que cette saisie vient de valider.
    racines_.DefinitDegreNumerateur(Propose(false).Degre);
    if (!Montre(racines_))
        return false;
    const QStringList champs = racines_.LitChamps();
    int degre = 0;
    LitEntier(champs[1], degre);
    // Les anciens coefficients et racines ne doivent pas survivre au-delà du nouveau degré.
    p.Coef.fill({});
    p.Racines.fill({});
    p.RacinesValides = true;
    p.Degre = degre;
    p.Racines[0] = ComplexeReel(NombreDuTexte(champs[0]));
    for (int i = 1; i <= degre; ++i)
        p.Racines[i] = {NombreDuTexte(champs[2 * i]), NombreDuTexte(champs[2 * i + 1])};
    CoefsDepuisRacines(p);
    TrieEtGroupeRacines(p);
    return true;
}

Reel TFluxSaisie::SaisitTempsMort()
{
    return Montre(tau_) ? tau_.Tau() : 0;
}

void TFluxSaisie::Saisit(SaisiePolynome saisie, const QString& messageErreur)
{
    for (const bool denominateur : {false, true}) {
        TPolynome p = Propose(denominateur);
        if (!(this->*saisie)(p, denominateur))
            return;
        enAttente_[denominateur] = p;
        // Une étude faite de racines non trouvées serait fausse : le document reste tel quel.
        if (!p.RacinesValides) {
            AfficheMessage(QStringLiteral("Les racines du %1 n'ont pas pu être calculées : la fonction de "
                                          "transfert n'est pas modifiée.")
                               .arg(denominateur ? QStringLiteral("dénominateur") : QStringLiteral("numérateur")));
            return;
        }
    }
    const Reel tempsMort = SaisitTempsMort();
    document_.Systeme.Numerateur = *enAttente_[0];
    document_.Systeme.Denominateur = *enAttente_[1];
    document_.Systeme.TempsMort = tempsMort;
    OublieSaisieEnAttente();
    fixeTitre_(QStringLiteral("Kovra"));
    analyse_(messageErreur);
}

void TFluxSaisie::KovraCoef()
{
    Saisit(&TFluxSaisie::SaisitCoefs, QStringLiteral("Erreur décomposition en éléments simples"));
}

void TFluxSaisie::KovraRacines()
{
    Saisit(&TFluxSaisie::SaisitRacines,
           QStringLiteral("Erreur dans le calcul de la décomposition en éléments simples"));
}
