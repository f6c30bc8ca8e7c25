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
    if (!RacinesPretes(doc.Numerateur) || !RacinesPretes(doc.Denominateur))
        return "les racines de la fonction étudiée n'ont pas pu être calculées";
    std::optional<TReglage> r;
    if (!reglage.empty()) {
        r = RegleCorrecteur(reglage, {doc.Numerateur, doc.Denominateur, doc.TempsMort}, o, faute);
        if (!r)
            return faute;
    } else if (faute = VerifieCorrecteurComplet(o); !faute.empty())
        return faute;
    const TBoucleCorrigee l = BoucleOuverteCorrigee(o.Correcteur, doc.Numerateur, doc.Denominateur, doc.TempsMort);
    if (!l.Refus.empty())
        return l.Refus;
    doc.Numerateur = l.Numerateur;
    doc.Denominateur = l.Denominateur;
    objets["correcteur"] = CorrecteurJson(o);
    if (r)
        objets["reglage"] = ReglageJson(*r);
    return {};
}
