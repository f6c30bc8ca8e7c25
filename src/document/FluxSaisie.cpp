#include "FluxSaisie.h"

#include <QDialog>

#include "Document.h"
#include "SaisieNombres.h"
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
    champs << (valide ? ReelEnTexte(p.Racines[0].Re) : QStringLiteral("1"))
           << QString::number(valide ? p.Degre : 0);
    for (int i = 1; i <= TBoiteSaisieRacines::NbRacines; ++i) {
        if (valide && i <= p.Degre)
            champs << ReelEnTexte(p.Racines[i].Re) << ReelEnTexte(p.Racines[i].Im);
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

bool TFluxSaisie::SaisitCoefs(TPolynome& p, bool denominateur)
{
    for (int i = 0; i < TBoiteSaisieCoef::NbChamps; ++i)
        coefs_.EcritTabEdit(i, p.CoefsValides ? ReelEnTexte(p.Coef[i].Re) : QStringLiteral("0"));
    document_.SaisieDenominateur = denominateur;
    if (!Montre(coefs_))
        return false;
    // Les racines ne correspondent plus : ni le fichier ni la saisie suivante ne doivent les reprendre.
    p.CoefsValides = true;
    p.RacinesValides = false;
    for (int i = DegreMax; i >= 0; --i)
        p.Coef[i] = ComplexeReel(NombreDuTexte(coefs_.LitTabEdit(i)));
    int degre = TBoiteSaisieCoef::NbChamps - 1;
    while (degre > 0 && p.Coef[degre].Re == 0)
        --degre;
    p.Degre = degre;
    return true;
}

bool TFluxSaisie::SaisitRacines(TPolynome& p, bool denominateur)
{
    racines_.EcritChamps(ChampsRacines(p));
    document_.SaisieDenominateur = denominateur;
    if (!Montre(racines_))
        return false;
    const QStringList champs = racines_.LitChamps();
    int degre = 0;
    LitEntier(champs[1], degre);
    // Les anciens coefficients et racines ne doivent pas survivre au-delà du nouveau degré.
    p.Coef.fill({});
    p.Racines.fill({});
    p.RacinesValides = true;
    p.CoefsValides = false;
    p.Degre = degre;
    p.Racines[0] = ComplexeReel(NombreDuTexte(champs[0]));
    for (int i = 1; i <= degre; ++i)
        p.Racines[i] = {NombreDuTexte(champs[2 * i]), NombreDuTexte(champs[2 * i + 1])};
    return true;
}

void TFluxSaisie::SaisitTempsMort()
{
    document_.TempsMort = Montre(tau_) ? tau_.Tau() : 0;
}

void TFluxSaisie::KovraCoef()
{
    fixeTitre_(QStringLiteral("Kovra"));
    if (!SaisitCoefs(document_.Numerateur, false) || !SaisitCoefs(document_.Denominateur, true))
        return;
    SaisitTempsMort();
    CalculeRacines(document_.Numerateur);
    CalculeRacines(document_.Denominateur);
    analyse_(QStringLiteral("Erreur décomposition en éléments simples"));
}

void TFluxSaisie::KovraRacines()
{
    fixeTitre_(QStringLiteral("Kovra"));
    if (!SaisitRacines(document_.Numerateur, false) || !SaisitRacines(document_.Denominateur, true))
        return;
    SaisitTempsMort();
    for (TPolynome* p : {&document_.Numerateur, &document_.Denominateur}) {
        CoefsDepuisRacines(*p);
        TrieEtGroupeRacines(*p);
    }
    analyse_(QStringLiteral("Erreur dans le calcul de la décomposition en éléments simples"));
}
