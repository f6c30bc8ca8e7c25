#include "USaisieRacines.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

#include "NomsComposants.h"
#include "TexteDeChamp.h"
#include "coeur/Document.h"
#include "coeur/SaisieNombres.h"

namespace {

constexpr int DegreSaisiMax = 10;
constexpr Reel ToleranceConjuguees = 1e-4L;
constexpr std::array<int, TBoiteSaisieRacines::NbRacines> HauteursRangees = {154, 188, 223, 258, 292,
                                                                               326, 361, 395, 430, 464};

} // namespace

TBoiteSaisieRacines::TBoiteSaisieRacines(const TDocument& document, QWidget* parent)
    : TDialogueVerifie(589, 524, QStringLiteral("Boîte de Saisie des Racines"), parent), document_(document)
{
    const QFont policeLabel = PoliceTimes(16, true);
    label1_ = AjouteLabel(QStringLiteral("Racines du numérateur N(p)"), 185, 17, PoliceTimes(21, false),
                          QColor(0, 0, 255));
    QLabel* deg = AjouteLabel(QStringLiteral("Degré:"), 52, 59, policeLabel, CouleurSarcelle);
    label15_ = AjouteLabel(QStringLiteral("de 0 à 10"), 282, 59, PoliceTimes(16, false));
    AjouteLabel(QStringLiteral("Partie Réelle"), 136, 94, PoliceTimes(21, true), CouleurSarcelle);
    AjouteLabel(QStringLiteral("Partie Imaginaire"), 282, 94, PoliceTimes(21, true), CouleurSarcelle);
    label2_ = AjouteLabel(QStringLiteral("Coefficient N0"), 18, 119, policeLabel, CouleurSarcelle);
    AjouteLabel(QStringLiteral("(unités SI)"), 437, 156, policeLabel, CouleurSarcelle);

    degr_ = AjouteChamp(136, 59, 130, 24);
    degr_->setToolTip(QStringLiteral("nombre entier"));
    SurveilleSortie(degr_);
    p0_ = AjouteChamp(136, 119, 130, 24);
    for (int k = 1; k <= NbRacines; ++k) {
        const int y = HauteursRangees[k - 1];
        AjouteLabel(QStringLiteral("Racine ") + QString::number(k), 42, y, PoliceTimes(16, false));
        racines_[k - 1] = {AjouteChamp(136, y, 130, 24), AjouteChamp(282, y, 131, 24)};
        racines_[k - 1][0]->setObjectName(QStringLiteral("R%1R").arg(k));
        racines_[k - 1][1]->setObjectName(QStringLiteral("R%1I").arg(k));
    }

    QFont policeChamp(QStringLiteral("MS Sans Serif"));
    policeChamp.setPixelSize(13);
    for (int rang = 0; rang < NbChamps; ++rang) {
        QLineEdit* champ = ChampDeRang(rang);
        QPalette palette = champ->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::ToolTipBase));
        palette.setColor(QPalette::Text, Qt::black);
        champ->setPalette(palette);
        champ->setFont(policeChamp);
    }

    btnRAZ_ = AjouteBouton(QStringLiteral("RAZ"), 454, 366, 81, 26);
    btnRAZ_->setToolTip(QStringLiteral("remet tout à zéro"));
    connect(btnRAZ_, &QPushButton::clicked, this, &TBoiteSaisieRacines::RAZClick);
    AjouteBoutons({.Valider = QRect(454, 458, 81, 26), .Annuler = QRect(454, 413, 81, 27)});
    NommeComposants(this, QStringLiteral("BoiteSaisieRacines"),
                    {{label1_, "Label1"}, {deg, "Deg"}, {degr_, "Degr"}, {label15_, "Label15"}, {label2_, "Label2"},
                     {p0_, "P0"}, {btnRAZ_, "RAZ"}});
}

QLineEdit* TBoiteSaisieRacines::ChampDeRang(int rang) const
{
    if (rang == 0)
        return p0_;
    if (rang == 1)
        return degr_;
    return racines_[rang / 2 - 1][rang % 2];
}

void TBoiteSaisieRacines::EcritChamps(const QStringList& champs)
{
    for (int rang = 0; rang < NbChamps && rang < champs.size(); ++rang)
        EcritTexteDeChamp(*ChampDeRang(rang), champs[rang]);
}

QStringList TBoiteSaisieRacines::LitChamps() const
{
    QStringList champs;
    for (int rang = 0; rang < NbChamps; ++rang)
        champs << ChampDeRang(rang)->text();
    return champs;
}

void TBoiteSaisieRacines::Active()
{
    const bool denominateur = document_.SaisieDenominateur;
    label1_->setText(denominateur ? QStringLiteral("Racines du dénominateur D(p)")
                                  : QStringLiteral("Racines du numérateur N(p)"));
    label2_->setText(denominateur ? QStringLiteral("Coefficient D0") : QStringLiteral("Coefficient N0"));
    label15_->setText(denominateur ? QStringLiteral("de %1 à 10").arg(degreNumerateur_)
                                   : QStringLiteral("de 0 à 10"));
    for (QLabel* label : {label1_, label2_, label15_})
        label->adjustSize();
    degr_->setFocus();
    SelectionneDepuisLeDebut(*degr_);
}

void TBoiteSaisieRacines::RAZClick()
{
    degr_->setText(QStringLiteral("0"));
    p0_->setText(QStringLiteral("1"));
    for (const auto& [reelle, imaginaire] : racines_) {
        reelle->clear();
        imaginaire->setText(QStringLiteral("0"));
    }
    degr_->setFocus();
}

void TBoiteSaisieRacines::ChampQuitte(QLineEdit*)
{
    int degre = 0;
    if (!LitEntier(degr_->text(), degre))
        Refuse(degr_, QStringLiteral("Degré: Réponse incorrecte"));
    else if (degre < 0 || degre > DegreSaisiMax)
        Refuse(degr_, QStringLiteral("Degré trop grand ou trop petit"));
}

bool TBoiteSaisieRacines::LitDegre(int& degre)
{
    if (!LitEntier(degr_->text(), degre))
        return Refuse(degr_, QStringLiteral("le degré est mal saisi"));
    if (degre < 0 || degre > DegreSaisiMax)
        return Refuse(degr_, QStringLiteral("Degré trop grand ou trop petit"));
    if (document_.SaisieDenominateur && degre < degreNumerateur_)
        return Refuse(degr_, QStringLiteral(
                                 "le degré du dénominateur doit être supérieur ou égal à celui du numérateur"));
    return true;
}

bool TBoiteSaisieRacines::LitConstante(Reel& constante)
{
    if (!LitChampOuRefuse(p0_, QStringLiteral("N0 ou D0 est mal saisi"), constante))
        return false;
    if (constante == 0)
        return Refuse(p0_, QStringLiteral("N0 ou D0 ne doit pas être nul"));
    return true;
}

bool TBoiteSaisieRacines::LitRacines(int degre, Reel constante, TComplexe& somme)
{
    for (int rang = 1; rang <= 2 * degre + 1; ++rang)
        EcritTexteDeChamp(*ChampDeRang(rang), NormaliseSeparateur(ChampDeRang(rang)->text()));
    // Borne des coefficients du produit : les calculer ne doit pas déborder.
    Reel borne = std::fabs(constante);
    for (int k = 1; k <= degre; ++k) {
        TComplexe racine;
        for (int partie = 0; partie < 2; ++partie) {
            QLineEdit* champ = racines_[k - 1][partie];
            if (!LitReel(champ->text(), partie == 0 ? racine.Re : racine.Im))
                return Refuse(champ, QStringLiteral("Erreur dans la racine n°%1").arg(k));
        }
        somme = Somme(somme, racine);
        borne *= 1 + std::fabs(racine.Re) + std::fabs(racine.Im);
        if (!std::isfinite(borne))
            return Refuse(racines_[k - 1][0], QStringLiteral("Racines trop grandes : les coefficients du "
                                                             "polynôme dépassent les capacités du calcul"));
    }
    return true;
}

bool TBoiteSaisieRacines::VerifieConjuguees(TComplexe somme)
{
    if (std::fabs(somme.Im) <= ToleranceConjuguees)
        return true;
    return Refuse(degr_, QStringLiteral("Les racines ne sont pas conjuguées par paire"));
}

bool TBoiteSaisieRacines::PeutFermer()
{
    int degre = 0;
    Reel constante = 0;
    TComplexe somme;
    const bool lu = LitDegre(degre) && LitConstante(constante) && LitRacines(degre, constante, somme);
    return VerifieConjuguees(somme) && lu;
}
