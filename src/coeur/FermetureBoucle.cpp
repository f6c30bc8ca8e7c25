#include "FermetureBoucle.h"

#include <cmath>

#include "numerique/BoucleFermee.h"
#include "numerique/Laguerre.h"
#include "TextesMarges.h"
#include "TextesValeurs.h"

std::vector<Reel> SignatureFonction(const TDocument& doc)
{
    std::vector<Reel> s;
    for (const TPolynome* p : {&doc.Systeme.Numerateur, &doc.Systeme.Denominateur}) {
        s.push_back(Reel(p->Degre));
        for (int k = 0; k <= p->Degre; ++k)
            s.push_back(p->Coef[k].Re);
    }
    return s;
}

namespace {

bool EstBoucleFermee(const TDocument& doc)
{
    return !doc.Evans.GainsFermes.empty() && doc.Evans.CoefsFermes == SignatureFonction(doc);
}

}

QString FermeLaBoucle(TDocument& doc, Reel k)
{
    if (doc.Systeme.TempsMort != 0)
        return QStringLiteral("La boucle fermée d'un système à retard n'est pas une fraction rationnelle");
    if (!std::isfinite(k) || !(k > 0))
        return QStringLiteral("K doit être un nombre fini strictement positif");
    TBoucleFermee f = FonctionBoucleFermee(doc.Systeme.Numerateur, doc.Systeme.Denominateur, k);
    if (!f.Existe)
        return QStringLiteral("Avec ce K, D(p) + K.N(p) est nul : la boucle fermée n'existe pas");
    if (CalculeRacines(f.Numerateur) != LaguerreReussi || CalculeRacines(f.Denominateur) != LaguerreReussi)
        return QStringLiteral("Les racines de la boucle fermée n'ont pas pu être calculées");
    std::vector<Reel> gains = EstBoucleFermee(doc) ? doc.Evans.GainsFermes : std::vector<Reel>{};
    gains.push_back(k);
    doc.Systeme.Numerateur = f.Numerateur;
    doc.Systeme.Denominateur = f.Denominateur;
    doc.Evans.GainsFermes = gains;
    doc.Evans.CoefsFermes = SignatureFonction(doc);
    doc.Evans.GainLu.reset();
    return {};
}

QString TexteBoucleFermee(const TDocument& doc)
{
    if (!EstBoucleFermee(doc))
        return {};
    QString texte = QStringLiteral("Boucle fermée à retour unitaire de la fonction saisie, K = ");
    for (std::size_t i = 0; i < doc.Evans.GainsFermes.size(); ++i) {
        if (i > 0)
            texte += QStringLiteral(" puis K = ");
        texte += QString::fromStdString(NombreEnTexte(doc.Evans.GainsFermes[i], doc.ChiffresSignificatifs));
    }
    return texte;
}

QString VerdictEtude(const TDocument& doc)
{
    const QString verdict = doc.Systeme.SystemeStable ? QStringLiteral("Système Stable") : QStringLiteral("Système Instable");
    return EstBoucleFermee(doc) ? verdict + QStringLiteral(" (boucle fermée)") : verdict;
}

QString LigneMargesAffichee(const TDocument& doc)
{
    if (!doc.MargesEtude || !doc.Systeme.SystemeStable)
        return {};
    const TMarges marges = doc.Marges ? *doc.Marges : CalculeMarges(doc.Systeme.Numerateur, doc.Systeme.Denominateur, doc.Systeme.TempsMort);
    const QString ligne = LigneMargesEtude(marges, doc.ChiffresSignificatifs);
    return EstBoucleFermee(doc) ? QStringLiteral("Cette fonction en boucle ouverte : ") + ligne : ligne;
}
