#include "UCorrecteur.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <cmath>

#include "CurseurLogarithmique.h"
#include "NomsComposants.h"
#include "coeur/TextesValeurs.h"
#include "numerique/ReglageAvance.h"
#include "numerique/ReglageGain.h"
#include "numerique/ReglageOscillation.h"
#include "numerique/ReglageRetard.h"

namespace {

struct TLigne {
    const char* Nom;
    Reel TCorrecteur::*Champ;
    bool Logarithmique;
    Reel Plancher;
};

constexpr TLigne Lignes[NbParametresCorrecteur] = {
    {"K", &TCorrecteur::K, true, 0},      {"Ti", &TCorrecteur::Ti, true, 0}, {"Td", &TCorrecteur::Td, true, 0},
    {"N", &TCorrecteur::N, false, 0},     {"a", &TCorrecteur::A, true, 1.001L}, {"b", &TCorrecteur::B, true, 1.001L},
    {"τ", &TCorrecteur::Tau, true, 0},
};

// Dans l'ordre de TTypeCorrecteur.
const char* const Formules[] = {
    "C(p) = K",
    "C(p) = K (1 + 1/(Ti p))",
    "C(p) = K (1 + Td p/(1 + Td p/N))",
    "C(p) = K (1 + 1/(Ti p) + Td p/(1 + Td p/N))",
    "C(p) = K (1 + aτp)/(1 + τp), a > 1",
    "C(p) = K (1 + τp)/(1 + bτp), b > 1",
};
const char* const NomsTypes[] = {"P", "PI", "PD filtré", "PID filtré", "Avance de phase", "Retard de phase"};

enum Assistant { GainPhase, GainGain, Avance, Retard, Oscillation };
const char* const NomsAssistants[] = {
    "Gain K pour une marge de phase (°)", "Gain K pour une marge de gain (dB)",
    "Avance de phase pour une marge de phase (°)", "Retard de phase pour une erreur statique",
    "Méthode d'oscillation (Kc, Tc) : P, PI ou PID",
};

bool Emploie(TTypeCorrecteur t, Reel TCorrecteur::*champ)
{
    for (const TParametreCorrecteur& p : ParametresCorrecteur(t))
        if (p.Champ == champ)
            return true;
    return false;
}

}  // namespace

TBoiteCorrecteur::TBoiteCorrecteur(const TPolynome& n, const TPolynome& d, Reel T, QWidget* parent)
    : TDialogueVerifie(640, 580, QStringLiteral("Correcteur"), parent), n_(n), d_(d), T_(T)
{
    AjouteLabel(QStringLiteral("Correcteur série, retour unitaire"), 24, 16, PoliceTimes(18, true));
    type_ = new QComboBox(this);
    type_->setGeometry(24, 44, 300, 26);
    for (const char* nom : NomsTypes)
        type_->addItem(QString::fromUtf8(nom));
    formule_ = AjouteLabel(QString(), 24, 80, PoliceTimes(19, true), CouleurSarcelle);
    formule_->setMinimumWidth(460);
    for (int i = 0; i < NbParametresCorrecteur; ++i) {
        const int y = 120 + 32 * i;
        noms_[std::size_t(i)] = AjouteLabel(QString::fromUtf8(Lignes[i].Nom), 30, y + 2, PoliceTimes(17, true));
        champs_[std::size_t(i)] = AjouteChamp(80, y, 110, 22);
        SurveilleSortie(champs_[std::size_t(i)]);
        auto* curseur = new TCurseurLogarithmique(this);
        curseur->setGeometry(205, y, 260, 22);
        curseur->setVisible(Lignes[i].Logarithmique);
        curseurs_[std::size_t(i)] = curseur;
        connect(curseur, &TCurseurLogarithmique::ValeurChoisie, this,
                [this, i](Reel v) { champs_[std::size_t(i)]->setText(TexteGeneral(v, 6)); });
    }
    sans_ = AjouteBouton(QStringLiteral("Sans correcteur"), 490, 200, 125, 30);
    connect(sans_, &QPushButton::clicked, this, [this] {
        sansCorrecteur_ = true;
        accept();
    });
    AjouteBoutons({.Valider = QRect(490, 120, 125, 30), .Annuler = QRect(490, 160, 125, 30)});

    AjouteCadreBiseaute(QRect(16, 354, 608, 212));
    AjouteLabel(QStringLiteral("Réglage automatique"), 28, 362, PoliceTimes(17, true));
    assistant_ = new QComboBox(this);
    assistant_->setGeometry(28, 388, 330, 24);
    for (const char* nom : NomsAssistants)
        assistant_->addItem(QString::fromUtf8(nom));
    AjouteLabel(QStringLiteral("Objectif"), 370, 390, PoliceTimes(16, true));
    objectif_ = AjouteChamp(430, 388, 80, 22);
    regler_ = AjouteBouton(QStringLiteral("Régler"), 524, 385, 88, 28);
    etapes_ = new QPlainTextEdit(this);
    etapes_->setGeometry(28, 422, 584, 134);
    etapes_->setReadOnly(true);
    connect(regler_, &QPushButton::clicked, this, &TBoiteCorrecteur::Regle);
    connect(type_, &QComboBox::currentIndexChanged, this, &TBoiteCorrecteur::ChangeType);
    NommeComposants(this, QStringLiteral("BoiteCorrecteur"),
                    {{type_, "ChoixType"}, {sans_, "BtnSans"}, {assistant_, "ChoixAssistant"},
                     {objectif_, "EditObjectif"}, {regler_, "BtnRegler"}, {etapes_, "Etapes"}});
}

void TBoiteCorrecteur::Propose(const std::optional<TCorrecteur>& c)
{
    propose_ = c.value_or(TCorrecteur{});
}

void TBoiteCorrecteur::Active()
{
    sansCorrecteur_ = false;
    Affiche(propose_);
    etapes_->clear();
    type_->setFocus();
}

void TBoiteCorrecteur::Affiche(const TCorrecteur& c)
{
    {
        const QSignalBlocker bloque(type_);
        type_->setCurrentIndex(int(c.Type));
    }
    for (int i = 0; i < NbParametresCorrecteur; ++i) {
        const Reel v = c.*(Lignes[i].Champ);
        champs_[std::size_t(i)]->setText(TexteGeneral(v, ChiffresRelisibles));
        champs_[std::size_t(i)]->setCursorPosition(0);  // le début du nombre, pas ses derniers chiffres
        curseurs_[std::size_t(i)]->Centre(v, Lignes[i].Plancher);
    }
    ChangeType();
}

void TBoiteCorrecteur::ChangeType()
{
    const auto t = TTypeCorrecteur(type_->currentIndex());
    formule_->setText(QString::fromUtf8(Formules[type_->currentIndex()]));
    formule_->adjustSize();
    for (int i = 0; i < NbParametresCorrecteur; ++i) {
        const bool emploi = Emploie(t, Lignes[i].Champ);
        noms_[std::size_t(i)]->setEnabled(emploi);
        champs_[std::size_t(i)]->setEnabled(emploi);
        curseurs_[std::size_t(i)]->setEnabled(emploi);
    }
}

// Le paramètre i seul, les autres à des valeurs admises : le refus dit le sien.
bool TBoiteCorrecteur::LitParametre(int i, TCorrecteur& c)
{
    QLineEdit* champ = champs_[std::size_t(i)];
    const QString nom = QString::fromUtf8(Lignes[i].Nom);
    Reel v = 0;
    if (!LitChampOuRefuse(champ, nom + QStringLiteral(" est mal saisi"), v))
        return false;
    TCorrecteur essai;
    essai.Type = c.Type;
    essai.*(Lignes[i].Champ) = v;
    if (const std::string refus = RefusCorrecteur(essai); !refus.empty())
        return Refuse(champ, QString::fromStdString(refus));
    c.*(Lignes[i].Champ) = v;
    curseurs_[std::size_t(i)]->Centre(v, Lignes[i].Plancher);
    return true;
}

bool TBoiteCorrecteur::LitParametres(TCorrecteur& c, bool saufK)
{
    c.Type = TTypeCorrecteur(type_->currentIndex());
    for (int i = saufK ? 1 : 0; i < NbParametresCorrecteur; ++i)
        if (Emploie(c.Type, Lignes[i].Champ) && !LitParametre(i, c))
            return false;
    return true;
}

void TBoiteCorrecteur::ChampQuitte(QLineEdit* champ)
{
    TCorrecteur c;
    c.Type = TTypeCorrecteur(type_->currentIndex());
    for (int i = 0; i < NbParametresCorrecteur; ++i)
        if (champs_[std::size_t(i)] == champ && champ->isEnabled())
            LitParametre(i, c);
}

bool TBoiteCorrecteur::PeutFermer()
{
    TCorrecteur c;
    return sansCorrecteur_ || LitParametres(c, false);
}

std::optional<TCorrecteur> TBoiteCorrecteur::Correcteur() const
{
    if (sansCorrecteur_)
        return std::nullopt;
    TCorrecteur c;
    c.Type = TTypeCorrecteur(type_->currentIndex());
    for (int i = 0; i < NbParametresCorrecteur; ++i)
        c.*(Lignes[i].Champ) = ValeurChamp(champs_[std::size_t(i)]);
    return c;
}

void TBoiteCorrecteur::Regle()
{
    const int choix = assistant_->currentIndex();
    Reel cible = 0;
    if (choix != Oscillation && !LitChampOuRefuse(objectif_, QStringLiteral("L'objectif est mal saisi"), cible))
        return;
    TCorrecteur base;
    base.Type = TTypeCorrecteur(type_->currentIndex());
    const bool oscille = base.Type == TTypeCorrecteur::P || base.Type == TTypeCorrecteur::PI
                         || base.Type == TTypeCorrecteur::PID;
    switch (choix) {
    case GainPhase:
    case GainGain:
        if (!LitParametres(base, true))
            return;
        break;
    case Avance:
        base.Type = TTypeCorrecteur::Avance;
        if (!LitParametre(0, base))
            return;
        break;
    case Retard:
        base.Type = TTypeCorrecteur::Retard;
        break;
    default:
        if (!oscille) {
            Refuse(type_, QStringLiteral("La méthode d'oscillation règle un correcteur P, PI ou PID"));
            return;
        }
        if (base.Type == TTypeCorrecteur::PID && !LitParametre(3, base))
            return;
    }
    const TFonctionG g{n_, d_, T_};
    TReglage r;
    switch (choix) {
    case GainPhase: r = GainPourMargePhase(g, base, cible); break;
    case GainGain: r = GainPourMargeGain(g, base, cible); break;
    case Avance: r = AvancePourMargePhase(g, base.K, cible); break;
    case Retard: r = RetardPourErreurStatique(g, cible); break;
    default: r = ReglageOscillation(g, base); break;
    }
    QString texte;
    for (const std::string& e : r.Etapes)
        texte += QString::fromStdString(e) + QLatin1Char('\n');
    texte += r.Atteint ? QStringLiteral("Objectif atteint.") : QStringLiteral("Objectif non atteint.");
    etapes_->setPlainText(texte);
    if (r.Rempli)
        Affiche(r.Correcteur);
}
