#include "CorrectionDocument.h"

#include "CorrecteurJson.h"
#include "numerique/Laguerre.h"

namespace {

bool RacinesPretes(TPolynome& p) { return p.RacinesValides || CalculeRacines(p) == LaguerreReussi; }

}  // namespace

std::string CorrigeDocument(TDocument& doc, const std::string& correcteur, const std::string& reglage,
                            TJson& objets)
{
    if (correcteur.empty())
        return reglage.empty() ? "" : "--reglage demande un --correcteur dont il règle les paramètres";
    TOptionCorrecteur o;
    std::string faute = LitOptionCorrecteur(correcteur, o);
    if (!faute.empty())
        return faute;
    if (!RacinesPretes(doc.Systeme.Numerateur) || !RacinesPretes(doc.Systeme.Denominateur))
        return "les racines de la fonction étudiée n'ont pas pu être calculées";
    std::optional<TReglage> r;
    if (!reglage.empty()) {
        r = RegleCorrecteur(reglage, {doc.Systeme.Numerateur, doc.Systeme.Denominateur, doc.Systeme.TempsMort}, o, faute);
        if (!r)
            return faute;
    } else if (faute = VerifieCorrecteurComplet(o); !faute.empty())
        return faute;
    const TBoucleCorrigee l = BoucleOuverteCorrigee(o.Correcteur, doc.Systeme.Numerateur, doc.Systeme.Denominateur, doc.Systeme.TempsMort);
    if (!l.Refus.empty())
        return l.Refus;
    doc.Systeme.Numerateur = l.Numerateur;
    doc.Systeme.Denominateur = l.Denominateur;
    objets["correcteur"] = CorrecteurJson(o);
    if (r)
        objets["reglage"] = ReglageJson(*r);
    return {};
}
