// Fichiers de données qui ne sont pas ce qu'ils prétendent : sans fin, trop longs, dénominateur
// nul, racines conservées que les coefficients démentent.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "coeur/Analyse.h"
#include "coeur/FichierDonnees.h"
#include "DocumentsEgaux.h"
#include "PolynomesSaisis.h"

namespace {

class FichierQuiMent : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dossier_.isValid());
        doc_.NomFichierDonnees = "ancien.kvf";
        doc_.Systeme.Numerateur = PolynomeDeRacines(3, {});
        doc_.Systeme.Denominateur = PolynomeDeRacines(1, {{-2, 0}});
        avant_ = doc_;
    }

    QString Ecrit(const TDocument& ecrit)
    {
        const QString chemin = dossier_.filePath("lu.kvf");
        QString erreur;
        EXPECT_TRUE(EnregistreFichierDonnees(chemin, ecrit, erreur)) << erreur.toStdString();
        return chemin;
    }

    // Le refus et son message ; le document n'a pas bougé.
    QString Refus(const QString& chemin)
    {
        QString erreur;
        EXPECT_FALSE(LitFichierDonnees(chemin, doc_, erreur));
        EXPECT_TRUE(MemeDocument(doc_, avant_));
        return erreur;
    }

    // Lecture réussie ; rend l'avis.
    QString Avis(const TDocument& ecrit)
    {
        QString erreur;
        QString avis = QStringLiteral("<non écrit>");
        EXPECT_TRUE(LitFichierDonnees(Ecrit(ecrit), doc_, erreur, &avis)) << erreur.toStdString();
        return avis;
    }

    QTemporaryDir dossier_;
    TDocument doc_ = DocumentInitial();
    TDocument avant_;
};

TEST_F(FichierQuiMent, FichierSansFinRefuseSansEtreLu)
{
    EXPECT_EQ(Refus(QStringLiteral("/dev/zero")),
              QStringLiteral("Lecture impossible du fichier « /dev/zero » : le fichier dépasse 1 Mio, ce n'est pas un "
                             "fichier de données."));
}

// Ce qui suit les dernières valeurs est ignoré : un fichier valide, allongé jusqu'à la limite,
// se lit encore ; un octet de plus le fait refuser.
TEST_F(FichierQuiMent, UnMioAuPlus)
{
    TDocument ecrit = DocumentInitial();
    ecrit.Systeme.Denominateur = PolynomeDeRacines(1, {{-1, 0}});
    const QString chemin = Ecrit(ecrit);
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::Append));
    ASSERT_TRUE(f.write(QByteArray(TailleFichierDonneesMax - f.size(), ' ')) > 0);
    f.close();
    ASSERT_EQ(f.size(), TailleFichierDonneesMax);
    QString erreur;
    TDocument lu = DocumentInitial();
    EXPECT_TRUE(LitFichierDonnees(chemin, lu, erreur)) << erreur.toStdString();
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write(" ");
    f.close();
    EXPECT_TRUE(Refus(chemin).endsWith(QStringLiteral(" : le fichier dépasse 1 Mio, ce n'est pas un fichier de données.")));
}

TEST_F(FichierQuiMent, DenominateurNulRefuseCommeALaSaisie)
{
    TPolynome parRacines = InitPolynome();
    parRacines.Degre = 2;
    parRacines.Racines[1] = parRacines.Racines[2] = {-1, 0};
    parRacines.Multiplicites[0] = 1;
    parRacines.Multiplicites[1] = 2;
    parRacines.RacinesValides = true;
    TPolynome coefsEtRacinesNuls = PolynomeDeRacines(0, {{-1, 0}});
    const std::vector<std::pair<const char*, TPolynome>> nuls = {
        {"coefficient constant nul", CoefsSeuls({0})},
        {"coefficients nuls de degré 3", CoefsSeuls({0, 0, 0, 0})},
        {"coefficients nuls et racines", coefsEtRacinesNuls},
        {"racines de facteur nul", parRacines},
    };
    for (const auto& [nom, d] : nuls) {
        TDocument ecrit = DocumentInitial();
        ecrit.Systeme.Numerateur = PolynomeDeRacines(1, {});
        ecrit.Systeme.Denominateur = d;
        const QString chemin = Ecrit(ecrit);
        EXPECT_EQ(Refus(chemin), QStringLiteral("Lecture impossible du fichier « %1 » : Le polynôme ne doit pas être "
                                                "nul (dénominateur).")
                                     .arg(chemin))
            << nom;
    }
    // Un dénominateur minuscule n'est pas nul, un numérateur nul est permis.
    TDocument ecrit = DocumentInitial();
    ecrit.Systeme.Denominateur = CoefsSeuls({1e-300L});
    EXPECT_EQ(Avis(ecrit), QString());
}

// (p + 1)³ dont les racines conservées sont −1, 5, −1, données pour une racine triple.
TDocument RacinesDementies()
{
    TDocument doc = DocumentInitial();
    doc.Systeme.Numerateur = PolynomeDeRacines(1, {});
    TPolynome& d = doc.Systeme.Denominateur;
    d = PolynomeDeRacines(1, {{-1, 0}, {-1, 0}, {-1, 0}});
    d.Racines[2] = {5, 0};
    return doc;
}

TEST_F(FichierQuiMent, RacinesDementiesRecalculeesEtSignalees)
{
    const TDocument ecrit = RacinesDementies();
    EXPECT_EQ(Avis(ecrit), QStringLiteral("Les racines du dénominateur enregistrées dans le fichier « %1 » ne "
                                          "correspondent pas à ses coefficients : elles ont été recalculées à partir "
                                          "des coefficients.")
                               .arg(dossier_.filePath("lu.kvf")));
    const TPolynome& d = doc_.Systeme.Denominateur;
    ASSERT_TRUE(d.RacinesValides);
    EXPECT_EQ(d.Multiplicites[0], 1);
    EXPECT_EQ(d.Multiplicites[1], 3);
    for (int i = 1; i <= 3; ++i)
        EXPECT_NEAR(double(d.Racines[i].Re), -1, 1e-5) << i;
    for (int k = 0; k <= 3; ++k)
        EXPECT_TRUE(Egaux(d.Coef[k], ecrit.Systeme.Denominateur.Coef[k])) << k;
    // Rien de perdu : l'étude se fait sur les coefficients.
    EXPECT_EQ(AnalyseApresSaisieCoeur(doc_, [](const std::string&) {}), DecompositionFaite);
    EXPECT_TRUE(doc_.Systeme.SystemeStable);
}

TEST_F(FichierQuiMent, LesDeuxPolynomesNommes)
{
    TDocument ecrit = RacinesDementies();
    ecrit.Systeme.Numerateur = PolynomeDeRacines(2, {{-3, 0}});
    ecrit.Systeme.Numerateur.Racines[0] = {1, 0};
    EXPECT_TRUE(Avis(ecrit).startsWith(QStringLiteral("Les racines du numérateur et du dénominateur enregistrées")));
    EXPECT_NEAR(double(doc_.Systeme.Numerateur.Racines[0].Re), 2, 1e-15);
}

// Racines gardées à 1e-10 près (d'autres versions du programme) : crues telles quelles.
TEST_F(FichierQuiMent, RacinesArrondiesGardees)
{
    TDocument ecrit = DocumentInitial();
    ecrit.Systeme.Numerateur = PolynomeDeRacines(1, {});
    ecrit.Systeme.Denominateur = PolynomeDeRacines(4, {{-0.5L, 3}, {-0.5L, -3}, {-7, 0}, {-7, 0}});
    for (int i = 1; i <= 4; ++i)
        ecrit.Systeme.Denominateur.Racines[i].Re *= 1 + 1e-10L;
    EXPECT_EQ(Avis(ecrit), QString());
    for (int i = 1; i <= 4; ++i)
        EXPECT_NEAR(double(doc_.Systeme.Denominateur.Racines[i].Re), double(ecrit.Systeme.Denominateur.Racines[i].Re), 1e-13) << i;
}

} // namespace
