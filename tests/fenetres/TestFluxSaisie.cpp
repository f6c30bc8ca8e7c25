#include "fenetres/FluxSaisie.h"

#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <cmath>
#include <deque>

#include "AideDialogues.h"
#include "coeur/Document.h"
#include "coeur/SaisieNombres.h"
#include "coeur/TextesValeurs.h"
#include "fenetres/UPrinc.h"
#include "fenetres/USaisieCoefs.h"
#include "fenetres/USaisieRacines.h"
#include "fenetres/USaisieTau.h"

namespace {

using Reponse = std::function<bool(QDialog&)>;

// Fenêtre principale réelle ; chaque dialogue montré par un flux reçoit la réponse suivante
// de la file, et ce qu'il présentait (titre, champs préremplis) est gardé.
class Flux : public testing::Test {
protected:
    void SetUp() override
    {
        ecran_ = std::make_unique<TEcranPrincipal>(dossier_.path() + "/");
        messages_.Messages.clear();
        ecran_->AfficheAvertissement = [this](const QString& racine) { avertissements_ << racine; };
        ecran_->ChoixFichier = [](QFileDialog& dialogue) {
            ADD_FAILURE() << "dialogue inattendu : " << dialogue.windowTitle().toStdString();
            return QString();
        };
        ecran_->FluxSaisie->Montre = [this](QDialog& dialogue) {
            if (reponses_.empty()) {
                ADD_FAILURE() << "dialogue inattendu : " << dialogue.windowTitle().toStdString();
                return false;
            }
            const Reponse reponse = reponses_.front();
            reponses_.pop_front();
            MontreActif(dialogue);
            Note(dialogue);
            return reponse(dialogue);
        };
    }

    void Repond(std::initializer_list<Reponse> reponses) { reponses_.assign(reponses); }
    // Lance une saisie dont les dialogues reçoivent ces réponses, dans l'ordre.
    void SaisitCoefs(std::initializer_list<Reponse> reponses)
    {
        Repond(reponses);
        ecran_->FluxSaisie->KovraCoef();
    }
    void SaisitRacines(std::initializer_list<Reponse> reponses)
    {
        Repond(reponses);
        ecran_->FluxSaisie->KovraRacines();
    }

    // Titre et champs tels que le flux les présente.
    void Note(QDialog& dialogue)
    {
        if (auto* boite = dynamic_cast<TBoiteSaisieCoef*>(&dialogue)) {
            titres_ << boite->Label3()->text();
            QStringList vus;
            for (int i = 0; i < TBoiteSaisieCoef::NbChamps; ++i)
                vus << boite->LitTabEdit(i);
            prerempli_ << vus;
        } else if (auto* boite = dynamic_cast<TBoiteSaisieRacines*>(&dialogue)) {
            titres_ << boite->Label1()->text();
            prerempli_ << boite->LitChamps();
        } else {
            titres_ << dialogue.windowTitle();
        }
    }

    // Coefficients du degré 0 vers le haut ; les autres à "0".
    Reponse Coefs(const QStringList& coefs)
    {
        return [coefs](QDialog& d) {
            auto& boite = dynamic_cast<TBoiteSaisieCoef&>(d);
            for (int i = 0; i < TBoiteSaisieCoef::NbChamps; ++i)
                boite.EcritTabEdit(i, coefs.value(i, "0"));
            return Valide(boite);
        };
    }
    // Racines « re:im ».
    Reponse Racines(const QString& constante, const QStringList& racines)
    {
        return [constante, racines](QDialog& d) {
            auto& boite = dynamic_cast<TBoiteSaisieRacines&>(d);
            boite.RAZClick();
            boite.P0()->setText(constante);
            boite.Degr()->setText(QString::number(racines.size()));
            for (int k = 1; k <= racines.size(); ++k) {
                boite.PartieReelle(k)->setText(racines[k - 1].section(':', 0, 0));
                boite.PartieImaginaire(k)->setText(racines[k - 1].section(':', 1, 1, QString::SectionSkipEmpty));
                if (boite.PartieImaginaire(k)->text().isEmpty())
                    boite.PartieImaginaire(k)->setText("0");
            }
            return Valide(boite);
        };
    }
    Reponse Tau(const QString& texte)
    {
        return [texte](QDialog& d) {
            auto& boite = dynamic_cast<TBoiteSaisieTau&>(d);
            boite.EditTau()->setText(texte);
            return Valide(boite);
        };
    }
    Reponse Annule()
    {
        return [](QDialog& d) {
            d.reject();
            return false;
        };
    }
    static bool Valide(TDialogueVerifie& boite)
    {
        boite.accept();
        const bool accepte = !boite.isVisible() && boite.result() == QDialog::Accepted;
        if (boite.isVisible())
            boite.reject();
        return accepte;
    }

    bool Actif(QAction* commande) const { return commande->isEnabled(); }
    bool MenusDiagrammes() const
    {
        return Actif(ecran_->RegimeHarmonique->menuAction()) && Actif(ecran_->ReponsesTemporelles->menuAction());
    }

    SeparateurImpose separateur_{','};
    EnregistreurMessages messages_;
    QTemporaryDir dossier_;
    std::unique_ptr<TEcranPrincipal> ecran_;
    std::deque<Reponse> reponses_;
    QStringList titres_;
    QList<QStringList> prerempli_;
    QStringList avertissements_;
};

TEST_F(Flux, CoefficientsPremierOrdreTempsMortAnnule)
{
    ecran_->NouveauClick();
    ecran_->setWindowTitle("autre");
    Repond({Coefs({"1"}), Coefs({"1", "1"}), Annule()});
    ecran_->ParCoefficients->trigger();
    EXPECT_TRUE(reponses_.empty());
    EXPECT_EQ(titres_, (QStringList{"Coefficients du numérateur N(p)", "Coefficients du dénominateur D(p)",
                                    "Valeur du temps mort T"}));
    EXPECT_EQ(prerempli_[0], QStringList(11, "0"));
    EXPECT_EQ(ecran_->windowTitle(), "Kovra");
    const TDocument& doc = ecran_->Document;
    EXPECT_EQ(doc.Systeme.TempsMort, 0);
    EXPECT_EQ(doc.Systeme.Numerateur.Degre, 0);
    ASSERT_EQ(doc.Systeme.Denominateur.Degre, 1);
    EXPECT_NEAR(doc.Systeme.Denominateur.Racines[1].Re, -1, 1e-12L);
    EXPECT_TRUE(doc.Systeme.SystemeStable);
    EXPECT_TRUE(doc.EtudeFaite);
    EXPECT_TRUE(MenusDiagrammes());
    EXPECT_TRUE(Actif(ecran_->ElementsSimples));
    EXPECT_TRUE(messages_.Messages.isEmpty());
    EXPECT_TRUE(avertissements_.isEmpty());
}

TEST_F(Flux, CoefficientsPrerempliesDepuisLaSaisiePrecedente)
{
    SaisitCoefs({Coefs({"1", "2"}), Coefs({"2", "3", "1"}), Tau("0.5")});
    EXPECT_EQ(ecran_->Document.Systeme.TempsMort, 0.5L);
    SaisitCoefs({Coefs({"1", "2"}), Annule()});
    ASSERT_EQ(prerempli_.size(), 4);
    EXPECT_EQ(prerempli_[2].mid(0, 3), (QStringList{"1", "2", "0"}));
    EXPECT_EQ(prerempli_[3].mid(0, 4), (QStringList{"2", "3", "1", "0"}));
    EXPECT_EQ(ecran_->Document.Systeme.Denominateur.Degre, 2);
}

TEST_F(Flux, AnnulerLeNumerateurNeChangeRien)
{
    SaisitCoefs({Annule()});
    SaisitRacines({Annule()});
    const TDocument& doc = ecran_->Document;
    EXPECT_FALSE(doc.Systeme.Numerateur.CoefsValides);
    EXPECT_FALSE(doc.Systeme.Numerateur.RacinesValides);
    EXPECT_FALSE(doc.EtudeFaite);
    EXPECT_FALSE(Actif(ecran_->ElementsSimples));
}

// Annuler D après avoir validé N laisse l'étude affichée faite de l'ancienne fonction, entière ;
// le N validé revient au préremplissage suivant, par coefficients comme par racines.
TEST_F(Flux, AnnulerLeDenominateurLaisseLeDocumentEntierEtReproposeLeNumerateur)
{
    SaisitCoefs({Coefs({"1"}), Coefs({"1", "1"}), Tau("0")});
    ecran_->setWindowTitle("Kovra  etude.kvf");
    SaisitCoefs({Coefs({"3", "2"}), Annule()});
    const TDocument& doc = ecran_->Document;
    EXPECT_EQ(doc.Systeme.Numerateur.Degre, 0);
    EXPECT_EQ(doc.Systeme.Numerateur.Coef[0].Re, 1);
    EXPECT_EQ(doc.Systeme.Numerateur.Coef[1].Re, 0);
    EXPECT_EQ(doc.Systeme.Numerateur.Racines[0].Re, 1);
    EXPECT_TRUE(doc.Systeme.Numerateur.RacinesValides);
    EXPECT_EQ(doc.Systeme.Denominateur.Degre, 1);
    EXPECT_EQ(ecran_->windowTitle(), "Kovra  etude.kvf");
    EXPECT_TRUE(MenusDiagrammes());

    // Par racines, le N proposé est celui qui vient d'être validé : -1,5 et le facteur 2 ;
    // la borne du degré de D en découle.
    QString borneDegreD;
    SaisitRacines({Annule()});
    EXPECT_EQ(prerempli_.last().mid(0, 4), (QStringList{"2", "1", "-1,5", "0"}));
    Repond({Racines("1", {"-1", "-2"}), [&](QDialog& d) {
                borneDegreD = dynamic_cast<TBoiteSaisieRacines&>(d).Label15()->text();
                d.reject();
                return false;
            }});
    ecran_->FluxSaisie->KovraRacines();
    EXPECT_EQ(borneDegreD, "de 2 à 10");
    EXPECT_EQ(doc.Systeme.Numerateur.Degre, 0);

    SaisitCoefs({[](QDialog& d) { return Valide(dynamic_cast<TDialogueVerifie&>(d)); }, Coefs({"12", "7", "1"}),
            Tau("0")});
    ASSERT_GE(prerempli_.size(), 2);
    EXPECT_EQ(prerempli_[prerempli_.size() - 2].mid(0, 3), (QStringList{"2", "3", "1"}));
    EXPECT_EQ(prerempli_.last().mid(0, 3), (QStringList{"1", "1", "0"}));
    EXPECT_EQ(doc.Systeme.Numerateur.Degre, 2);
    EXPECT_EQ(doc.Systeme.Denominateur.Coef[1].Re, 7);
    EXPECT_EQ(ecran_->windowTitle(), "Kovra");
}

// Une lecture remplace le document : la saisie abandonnée avant elle n'est plus proposée.
TEST_F(Flux, LectureOublieLaSaisieAbandonnee)
{
    SaisitCoefs({Coefs({"3", "2"}), Annule()});
    ecran_->AfficheAvertissement = [](const QString&) {};
    ecran_->ChoixFichier = [](QFileDialog&) { return QStringLiteral(KOVRA_DONNEES_TESTS "/premier_ordre.kvf"); };
    ecran_->LireunfichierdonneesClick();
    ASSERT_TRUE(ecran_->Document.EtudeFaite);
    SaisitCoefs({Annule()});
    QStringList attendus;
    for (int i = 0; i < TBoiteSaisieCoef::NbChamps; ++i)
        attendus << TexteGeneral(ecran_->Document.Systeme.Numerateur.Coef[i].Re, ChiffresRelisibles);
    EXPECT_EQ(prerempli_.last(), attendus);
}

TEST_F(Flux, NumerateurDeDegreSuperieurLaisseLesDiagrammesInterdits)
{
    ecran_->NouveauClick();
    Repond({Coefs({"1", "0", "1"}), Coefs({"1", "1"}), Tau("0")});
    ecran_->ParCoefficients->trigger();
    EXPECT_FALSE(ecran_->Document.Systeme.SystemeStable);
    EXPECT_FALSE(Actif(ecran_->RegimeHarmonique->menuAction()));
    EXPECT_FALSE(Actif(ecran_->ReponsesTemporelles->menuAction()));
    EXPECT_TRUE(Actif(ecran_->ElementsSimples));
    EXPECT_TRUE(Actif(ecran_->Kovra->menuAction()));
}

TEST_F(Flux, RacinesAvecTempsMortEtPrerempliSuivant)
{
    ecran_->NouveauClick();
    Repond({Racines("2", {"-1"}), Racines("1", {"-1:2", "-1:-2"}), Tau("0,5")});
    ecran_->ParRacines->trigger();
    const TDocument& doc = ecran_->Document;
    EXPECT_EQ(titres_, (QStringList{"Racines du numérateur N(p)", "Racines du dénominateur D(p)",
                                    "Valeur du temps mort T"}));
    EXPECT_EQ(prerempli_[0].mid(0, 4), (QStringList{"1", "0", "", "0"}));
    EXPECT_EQ(doc.Systeme.TempsMort, 0.5L);
    // 2 (p + 1) et p² + 2p + 5
    for (const auto& [coef, attendu] : {std::pair{doc.Systeme.Numerateur.Coef[1].Re, 2}, std::pair{doc.Systeme.Numerateur.Coef[0].Re, 2},
                                        std::pair{doc.Systeme.Denominateur.Coef[2].Re, 1}, std::pair{doc.Systeme.Denominateur.Coef[1].Re, 2},
                                        std::pair{doc.Systeme.Denominateur.Coef[0].Re, 5}})
        EXPECT_NEAR(coef, attendu, 1e-15L);
    EXPECT_TRUE(doc.Systeme.SystemeStable);
    EXPECT_TRUE(MenusDiagrammes());

    SaisitRacines({Annule()});
    EXPECT_EQ(prerempli_.last().mid(0, 4), (QStringList{"2", "1", "-1", "0"}));
    QStringList vides;
    for (int k = 2; k <= 10; ++k)
        vides << "" << "0";
    EXPECT_EQ(prerempli_.last().mid(4), vides);
}

TEST_F(Flux, RacineCommuneAnnonceeUneFoisEtSimplifiee)
{
    SaisitRacines({Racines("1", {"-1"}), Racines("1", {"-1", "-2"}), Tau("0")});
    EXPECT_EQ(avertissements_.size(), 1);
    EXPECT_EQ(ecran_->Document.Systeme.Numerateur.Degre, 0);
    EXPECT_EQ(ecran_->Document.Systeme.Denominateur.Degre, 1);
}

TEST_F(Flux, UnDegrePlusPetitNEffacePasLesAnciensCoefficients)
{
    SaisitRacines({Racines("1", {"-1", "-2", "-3"}), Racines("1", {"-4", "-5", "-6"}), Tau("0")});
    SaisitRacines({Racines("1", {"-1"}), Racines("1", {"-2", "-3"}), Tau("0")});
    SaisitCoefs({Annule()});
    EXPECT_EQ(prerempli_.last().mid(0, 4), (QStringList{"1", "1", "0", "0"}));
    EXPECT_EQ(prerempli_.last().mid(4), QStringList(7, "0"));
}

TEST_F(Flux, NouveauNEffaceRien)
{
    SaisitCoefs({Coefs({"2"}), Coefs({"2", "3", "1"}), Tau("1")});
    // La saisie n'est pas enregistrée : « Nouveau » le propose, Non continue sans rien effacer.
    messages_.Reponses = {TReponse::Non};
    ecran_->NouveauClick();
    EXPECT_EQ(messages_.Questions, QStringList{"Enregistrer les modifications de l'étude ?"});
    EXPECT_EQ(messages_.AvecAnnuler, QList<bool>{true});
    const TDocument& doc = ecran_->Document;
    EXPECT_TRUE(doc.EtudeFaite);
    EXPECT_EQ(doc.Systeme.Numerateur.Coef[0].Re, 2);
    EXPECT_EQ(doc.Systeme.Denominateur.Degre, 2);
    EXPECT_EQ(doc.Systeme.TempsMort, 1);
    EXPECT_TRUE(Actif(ecran_->Kovra->menuAction()));
    EXPECT_TRUE(MenusDiagrammes());
}

TEST(ChampsRacines, DefautsQuandLesRacinesNeValentPas)
{
    SeparateurImpose separateur('.');
    TPolynome p = InitPolynome();
    p.Degre = 2;
    const QStringList defauts = ChampsRacines(p);
    ASSERT_EQ(defauts.size(), 22);
    EXPECT_EQ(defauts.mid(0, 4), (QStringList{"1", "0", "", "0"}));
    p.RacinesValides = true;
    p.Racines[0] = {-0.5L, 0};
    p.Racines[1] = {-1, 2};
    p.Racines[2] = {-1, -2};
    EXPECT_EQ(ChampsRacines(p).mid(0, 8), (QStringList{"-0.5", "2", "-1", "2", "-1", "-2", "", "0"}));
    p.Degre = 11;
    EXPECT_EQ(ChampsRacines(p), defauts);
}

// Chaque flux donne son propre message d'erreur à la fin commune.
TEST(FluxSeul, MessageDErreurPropreAChaqueFlux)
{
    TDocument document = DocumentInitial();
    TBoiteSaisieCoef coefs(document);
    TBoiteSaisieRacines racines(document);
    TBoiteSaisieTau tau;
    QStringList titres, analyses;
    TFluxSaisie flux(
        document, coefs, racines, tau, [&](const QString& t) { titres << t; },
        [&](const QString& m) { analyses << m; });
    flux.Montre = [&](QDialog& d) {
        coefs.EcritTabEdit(0, "1");
        d.show();
        d.accept();
        return !d.isVisible() && d.result() == QDialog::Accepted;
    };
    flux.KovraCoef();
    flux.KovraRacines();
    EXPECT_EQ(titres, (QStringList{"Kovra", "Kovra"}));
    EXPECT_EQ(analyses, (QStringList{"Erreur décomposition en éléments simples",
                                     "Erreur dans le calcul de la décomposition en éléments simples"}));
}


bool ToutFini(const TPolynome& p)
{
    for (int i = 0; i <= p.Degre; ++i)
        if (!EstFini(p.Coef[i]) || !EstFini(p.Racines[i]))
            return false;
    return true;
}

// Des nombres acceptés par les boîtes, mais aux extrêmes de la précision étendue.
TEST_F(Flux, NombresExtremesNeLaissentQueDesValeursFinies)
{
    const QString mille(1000, u'9');
    const QList<QStringList> numerateurs = {
        {mille}, {"1", mille}, {"1e-4000", "1"}, {"1", "0", "0", "0", "0", "0", "0", "0", "0", "0", "1e4000"},
        {"1e4000", "0", "0", "0", "0", "0", "0", "0", "0", "0", "1e-4000"},
    };
    for (const QStringList& n : numerateurs) {
        SaisitCoefs({Coefs(n), Coefs({"1", "1e-4000", "0", "0", "0", "0", "0", "0", "0", "0", mille}), Tau(mille)});
        reponses_.clear();
        const TDocument& doc = ecran_->Document;
        EXPECT_TRUE(ToutFini(doc.Systeme.Numerateur)) << n.join(' ').left(40).toStdString();
        EXPECT_TRUE(ToutFini(doc.Systeme.Denominateur)) << n.join(' ').left(40).toStdString();
        EXPECT_TRUE(std::isfinite(doc.Systeme.TempsMort));
    }
}

// 1e4000 p^10 + 1 : le chercheur de racines n'aboutit pas. La saisie s'arrête là, l'étude
// affichée reste entière et le polynôme refusé revient au préremplissage suivant.
TEST_F(Flux, RacinesIntrouvablesRefuseesSansToucherAuDocument)
{
    SaisitCoefs({Coefs({"1"}), Coefs({"2", "3", "1"}), Tau("0")});
    const QStringList introuvable = {"1", "0", "0", "0", "0", "0", "0", "0", "0", "0", "1e4000"};
    messages_.Messages.clear();
    SaisitCoefs({Coefs(introuvable)});
    EXPECT_TRUE(reponses_.empty());
    EXPECT_EQ(messages_.Messages, QStringList{"Les racines du numérateur n'ont pas pu être calculées : la "
                                              "fonction de transfert n'est pas modifiée."});
    const TDocument& doc = ecran_->Document;
    EXPECT_EQ(doc.Systeme.Numerateur.Degre, 0);
    EXPECT_TRUE(doc.Systeme.Numerateur.RacinesValides);
    EXPECT_TRUE(MenusDiagrammes());

    messages_.Messages.clear();
    SaisitCoefs({Coefs({"5"}), Coefs(introuvable)});
    EXPECT_TRUE(reponses_.empty());
    EXPECT_EQ(messages_.Messages, QStringList{"Les racines du dénominateur n'ont pas pu être calculées : la "
                                              "fonction de transfert n'est pas modifiée."});
    EXPECT_EQ(doc.Systeme.Numerateur.Coef[0].Re, 1);
    EXPECT_EQ(doc.Systeme.Denominateur.Degre, 2);

    SaisitCoefs({Annule()});
    EXPECT_EQ(prerempli_.last()[0], "5");
}


// Le parcours d'un premier utilisateur : Nouveau, saisie par racines avec temps mort, racine
// commune annoncée, enregistrement, relecture dans une autre fenêtre.
TEST_F(Flux, SaisieEnregistreeEtRelue)
{
    ecran_->Nouveau->trigger();
    ASSERT_TRUE(ecran_->ParRacines->isEnabled());
    Repond({Racines("3", {"-1", "-2"}), Racines("1", {"-1", "-3:4", "-3:-4"}), Tau("0,25")});
    ecran_->ParRacines->trigger();
    ASSERT_TRUE(reponses_.empty());
    EXPECT_EQ(avertissements_.size(), 1);
    const QString chemin = dossier_.path() + "/etude.kvf";
    ecran_->ChoixFichier = [&](QFileDialog&) { return chemin; };
    ecran_->EnregistrerlesdonneesClick();

    TEcranPrincipal relue(dossier_.path() + "/");
    relue.AfficheAvertissement = [](const QString&) {};
    relue.ChoixFichier = [&](QFileDialog&) { return chemin; };
    relue.LireunfichierdonneesClick();
    const TDocument& a = ecran_->Document;
    const TDocument& b = relue.Document;
    EXPECT_EQ(b.Systeme.TempsMort, 0.25L);
    ASSERT_EQ(b.Systeme.Numerateur.Degre, a.Systeme.Numerateur.Degre);
    ASSERT_EQ(b.Systeme.Denominateur.Degre, 2);
    for (int i = 0; i <= 2; ++i) {
        EXPECT_NEAR(b.Systeme.Denominateur.Coef[i].Re, a.Systeme.Denominateur.Coef[i].Re, 1e-12L) << i;
        EXPECT_NEAR(b.Systeme.Denominateur.Racines[i].Im, a.Systeme.Denominateur.Racines[i].Im, 1e-12L) << i;
    }
    EXPECT_NEAR(b.Systeme.Denominateur.Coef[0].Re, 25, 1e-12L);
    EXPECT_EQ(b.Systeme.SystemeStable, a.Systeme.SystemeStable);
    EXPECT_TRUE(relue.RegimeHarmonique->menuAction()->isEnabled());
}

} // namespace
