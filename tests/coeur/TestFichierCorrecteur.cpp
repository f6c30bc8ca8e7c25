// Le correcteur dans le fichier de données : relu tel qu'écrit, absent d'un fichier qui n'en a
// pas, invisible d'un lecteur qui s'arrête à la dernière phase de l'abaque.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "CasReference.h"
#include "DocumentsEgaux.h"
#include "coeur/FichierDonnees.h"

namespace {

const std::vector<TCorrecteur> Correcteurs = {
    {TTypeCorrecteur::P, -2.5L, 1, 1, 10, 2, 2, 1},
    {TTypeCorrecteur::PI, 0.45L, 3.0230000000001L, 1, 10, 2, 2, 1},
    {TTypeCorrecteur::PD, 2, 1, 0.125L, 8, 2, 2, 1},
    {TTypeCorrecteur::PID, 4.8L, 1.8137993642342L, 0.45344984105855L, 10, 2, 2, 1},
    {TTypeCorrecteur::Avance, 1, 1, 1, 10, 4.9995888020658L, 2, 0.36818978272191L},
    {TTypeCorrecteur::Retard, 40, 1, 1, 10, 2, 40, 22.4L},
};

class FichierCorrecteur : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dossier_.isValid());
        QString erreur;
        ASSERT_TRUE(LitFichierDonnees(QString::fromStdString(CheminDonnees("retard_et_pole_double.kvf")), base_, erreur));
    }
    QString Chemin(const char* nom) const { return dossier_.filePath(nom); }
    QByteArray Ecrit(const char* nom, const TDocument& doc)
    {
        QString erreur;
        EXPECT_TRUE(EnregistreFichierDonnees(Chemin(nom), doc, erreur)) << erreur.toStdString();
        QFile f(Chemin(nom));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void EcritBrut(const char* nom, const QByteArray& contenu)
    {
        QFile f(Chemin(nom));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(contenu);
    }
    QTemporaryDir dossier_;
    TDocument base_ = DocumentInitial();
};

TEST_F(FichierCorrecteur, ChaqueTypeReluTelQuEcrit)
{
    for (const TCorrecteur& c : Correcteurs) {
        TDocument ecrit = base_;
        ecrit.Correcteur = c;
        Ecrit("c.kvf", ecrit);
        TDocument lu = DocumentInitial();
        QString erreur;
        ASSERT_TRUE(LitFichierDonnees(Chemin("c.kvf"), lu, erreur)) << erreur.toStdString();
        ecrit.NomFichierDonnees = Chemin("c.kvf");
        EXPECT_TRUE(MemeDocument(lu, ecrit)) << NomTypeCorrecteur(c.Type);
    }
}

// Sans correcteur, le fichier est celui d'avant octet pour octet ; avec, le même suivi du bloc.
TEST_F(FichierCorrecteur, SansCorrecteurLeFichierDAvant)
{
    QFile ancien(QString::fromStdString(CheminDonnees("retard_et_pole_double.kvf")));
    ASSERT_TRUE(ancien.open(QIODevice::ReadOnly));
    const QByteArray avant = ancien.readAll();
    const QByteArray sans = Ecrit("sans.kvf", base_);
    EXPECT_EQ(sans, avant);
    TDocument avec = base_;
    avec.Correcteur = Correcteurs[1];
    const QByteArray texte = Ecrit("avec.kvf", avec);
    ASSERT_TRUE(texte.startsWith(avant));
    EXPECT_EQ(texte.mid(avant.size()), QByteArray("Correcteur\r\npi\r\n 4.50000000000000E-0001\r\n"
                                                  " 3.02300000000010E+0000\r\n 1.00000000000000E+0000\r\n"
                                                  " 1.00000000000000E+0001\r\n 2.00000000000000E+0000\r\n"
                                                  " 2.00000000000000E+0000\r\n 1.00000000000000E+0000\r\n"));
}

// Un fichier sans correcteur se lit comme avant et enlève celui du document ; ce qui suit
// l'abaque sans être le bloc reste ignoré.
TEST_F(FichierCorrecteur, FichierAncienLuSansCorrecteur)
{
    TDocument doc = base_;
    doc.Correcteur = Correcteurs[3];
    QString erreur;
    const QString ancien = QString::fromStdString(CheminDonnees("retard_et_pole_double.kvf"));
    ASSERT_TRUE(LitFichierDonnees(ancien, doc, erreur)) << erreur.toStdString();
    EXPECT_FALSE(doc.Correcteur.has_value());
    EXPECT_TRUE(MemeDocument(doc, base_));
    QFile f(ancien);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EcritBrut("suite.kvf", f.readAll() + "une note\r\n 1.0\r\n");
    ASSERT_TRUE(LitFichierDonnees(Chemin("suite.kvf"), doc, erreur)) << erreur.toStdString();
    EXPECT_FALSE(doc.Correcteur.has_value());
}

TEST_F(FichierCorrecteur, BlocAbimeRefuseDocumentInchange)
{
    TDocument avec = base_;
    avec.Correcteur = Correcteurs[4];
    const QByteArray bon = Ecrit("bon.kvf", avec);
    const int lignes = int(bon.count('\n'));
    const auto refus = [&](const QByteArray& contenu, const QString& raison, int ligne) {
        EcritBrut("faux.kvf", contenu);
        TDocument doc = base_;
        const TDocument avant = doc;
        QString erreur;
        EXPECT_FALSE(LitFichierDonnees(Chemin("faux.kvf"), doc, erreur));
        EXPECT_TRUE(MemeDocument(doc, avant));
        EXPECT_EQ(erreur, QStringLiteral("Lecture impossible du fichier « %1 » : %2 à la ligne %3.")
                              .arg(Chemin("faux.kvf"), raison)
                              .arg(ligne));
    };
    QByteArray type = bon;
    type.replace("Correcteur\r\navance\r\n", "Correcteur\r\nAvance\r\n");
    refus(type, QStringLiteral("type de correcteur inconnu"), lignes - 7);
    QByteArray a = bon;
    a.replace(" 4.99958880206580E+0000", " 1.00000000000000E+0000");
    refus(a, QStringLiteral("correcteur refusé (a doit être strictement supérieur à 1)"), lignes);
    refus(bon.left(bon.size() - 25), QStringLiteral("fin du fichier atteinte trop tôt"), lignes);
    QByteArray illisible = bon;
    illisible.replace(" 3.68189782721910E-0001", "x");
    refus(illisible, QStringLiteral("nombre illisible"), lignes);
}

}  // namespace
