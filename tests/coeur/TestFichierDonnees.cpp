#include "coeur/FichierDonnees.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QDirIterator>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "coeur/Analyse.h"
#include "SeparateurImpose.h"
#include "CasReference.h"
#include "DocumentsEgaux.h"
#include "SousLimiteDeTaille.h"

namespace {

using TLignes = std::vector<std::string>;

QString Donnee(const std::string& nom)
{
    return QString::fromStdString(CheminDonnees(nom));
}

QByteArray Contenu(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<illisible>");
}

void EcritBrut(const QString& chemin, const QByteArray& contenu)
{
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(contenu), contenu.size());
}

TLignes LignesDe(const QByteArray& contenu)
{
    TLignes lignes;
    for (const QByteArray& l : contenu.split('\n'))
        lignes.push_back(l.endsWith('\r') ? l.chopped(1).toStdString() : l.toStdString());
    if (!lignes.empty() && lignes.back().empty())
        lignes.pop_back();
    return lignes;
}

QByteArray Joint(const TLignes& lignes, const char* fin = "\r\n")
{
    QByteArray t;
    for (const std::string& l : lignes)
        t += QByteArray::fromStdString(l) + fin;
    return t;
}

// Le document lu : pour la lecture, document et nom de fichier sont tout ce qui compte.
class FichierDonnees : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dossier_.isValid()); }
    QString Chemin(const QString& nom) const { return dossier_.filePath(nom); }

    // Enregistre `ecrit` sous `nom` puis le relit dans un document de démarrage.
    TDocument Relu(const QString& nom, const TDocument& ecrit)
    {
        QString erreur;
        TDocument lu = DocumentInitial();
        EXPECT_TRUE(EnregistreFichierDonnees(Chemin(nom), ecrit, erreur)) << erreur.toStdString();
        EXPECT_TRUE(LitFichierDonnees(Chemin(nom), lu, erreur)) << erreur.toStdString();
        return lu;
    }

    // Écrit un contenu brut et dit s'il se lit dans `doc`.
    bool Lisible(const QString& nom, const QByteArray& contenu, TDocument& doc)
    {
        EcritBrut(Chemin(nom), contenu);
        QString erreur;
        const bool lu = LitFichierDonnees(Chemin(nom), doc, erreur);
        EXPECT_TRUE(lu) << erreur.toStdString();
        return lu;
    }
    QTemporaryDir dossier_;
};

TEST_F(FichierDonnees, DemarrageEcritLes84LignesAttendues)
{
    QString erreur;
    ASSERT_TRUE(EnregistreFichierDonnees(Chemin("d.kvf"), DocumentInitial(), erreur)) << erreur.toStdString();
    const QByteArray brut = Contenu(Chemin("d.kvf"));
    EXPECT_EQ(brut.count("\r\n"), 84);
    EXPECT_EQ(brut.count('\n'), 84);
    EXPECT_TRUE(brut.endsWith("\r\n"));

    const std::string zero = " 0.00000000000000E+0000";
    const TLignes bloc = {"0", zero, zero, zero, zero, "0", "N", "N"};
    TLignes attendu = {"Kovra 1.8.0"};
    attendu.insert(attendu.end(), bloc.begin(), bloc.end());
    attendu.insert(attendu.end(), bloc.begin(), bloc.end());
    const TLignes suite = {
        zero,       "16777215", "32768",    "16711680", "16711680", "16777215", "32896",    "32896",
        "16777215", "16711680", "49848",    "16711680", "255",      "255",      "65535",    "0",
        "8388608",  "0",        "51200",    "16711935", "12632256", "N",        "N",        "23",
        " 1.20000000000000E+0001", " 6.00000000000000E+0000", " 4.00000000000000E+0000",
        " 3.00000000000000E+0000", " 2.00000000000000E+0000", " 1.00000000000000E+0000",
        " 5.00000000000000E-0001", zero,                      "-5.00000000000000E-0001",
        "-1.00000000000000E+0000", "-2.00000000000000E+0000", "-3.00000000000000E+0000",
        "-4.00000000000000E+0000", "-5.00000000000000E+0000", "-6.00000000000000E+0000",
        "-9.00000000000000E+0000", "-1.20000000000000E+0001", "-1.50000000000000E+0001",
        "-2.00000000000000E+0001", "-2.50000000000000E+0001", "-3.00000000000000E+0001",
        "-4.00000000000000E+0001", "-5.00000000000000E+0001", "19",
        "-2.00000000000000E+0000", "-5.00000000000000E+0000", "-1.00000000000000E+0001",
        "-2.00000000000000E+0001", "-3.00000000000000E+0001", "-4.00000000000000E+0001",
        "-5.00000000000000E+0001", "-6.00000000000000E+0001", "-7.00000000000000E+0001",
        "-8.00000000000000E+0001", "-9.00000000000000E+0001", "-1.00000000000000E+0002",
        "-1.10000000000000E+0002", "-1.20000000000000E+0002", "-1.30000000000000E+0002",
        "-1.40000000000000E+0002", "-1.50000000000000E+0002", "-1.60000000000000E+0002",
        "-1.70000000000000E+0002",
    };
    attendu.insert(attendu.end(), suite.begin(), suite.end());
    ASSERT_EQ(attendu.size(), 84u);
    const TLignes lignes = LignesDe(brut);
    ASSERT_EQ(lignes.size(), attendu.size());
    for (std::size_t i = 0; i < lignes.size(); ++i)
        EXPECT_EQ(lignes[i], attendu[i]) << "ligne " << i + 1;
}

TEST_F(FichierDonnees, ReelsSurVingtTroisCaracteresArrondisAQuinzeChiffres)
{
    TDocument doc = DocumentInitial();
    doc.AbaqueGains = {2.5L, -0.001L, -0.0L, 1e-4000L, -1e4000L, 9.9999999999999996L, 1.0L / 3, 123456789012345.67L};
    QString erreur;
    ASSERT_TRUE(EnregistreFichierDonnees(Chemin("r.kvf"), doc, erreur));
    const TLignes lignes = LignesDe(Contenu(Chemin("r.kvf")));
    ASSERT_EQ(lignes.size(), 84u - 23u + doc.AbaqueGains.size());
    const TLignes attendu = {
        " 2.50000000000000E+0000", "-1.00000000000000E-0003", " 0.00000000000000E+0000",
        " 1.00000000000000E-4000", "-1.00000000000000E+4000", " 1.00000000000000E+0001",
        " 3.33333333333333E-0001", " 1.23456789012346E+0014",
    };
    for (std::size_t i = 0; i < attendu.size(); ++i)
        EXPECT_EQ(lignes[41 + i], attendu[i]);
}

// Un document où chaque valeur stockée diffère de celles du démarrage.
TDocument DocumentVarie()
{
    TDocument doc = DocumentInitial();
    TPolynome& n = doc.Systeme.Numerateur;
    n.Degre = 2;
    n.Racines[0] = {1.5L, 0};
    n.Racines[1] = {-0.1234567890123L, 2.0000000000001L};
    n.Racines[2] = {-0.1234567890123L, -2.0000000000001L};
    n.Multiplicites = {2, 1, 1};
    n.Coef[0] = {6.0228623681304L, 0};
    n.Coef[1] = {0.37037036703690L, 0};
    n.Coef[2] = {1.5L, 0};
    n.CoefsValides = n.RacinesValides = true;
    TPolynome& d = doc.Systeme.Denominateur;
    d.Degre = 2;
    d.Coef[0] = {2, 0};
    d.Coef[1] = {3, 0};
    d.Coef[2] = {1, 0};
    d.CoefsValides = true;
    doc.Systeme.TempsMort = 1.0L / 3;
    doc.SchemaCouleurs[0].Couleur = 0x123456;
    doc.SchemaCouleurs[19].Couleur = 0xFFFFFF;
    doc.ImpressionCouleur = true;
    doc.PhaseSymetrique = true;
    doc.AbaqueGains = {0.25L, -7e-300L};
    doc.AbaquePhases = {};
    return doc;
}

class AllerRetour : public testing::TestWithParam<char> {
protected:
    SeparateurImpose separateur_{GetParam()};
    QTemporaryDir dossier_;
};

void ExpectQuinzeChiffres(Reel lu, Reel ecrit)
{
    EXPECT_LE(std::fabs(lu - ecrit), 5e-15L * std::fabs(ecrit)) << double(lu) << " / " << double(ecrit);
}

TEST_P(AllerRetour, EcrireLireRestitueChaqueReelAQuinzeChiffres)
{
    const TDocument ecrit = DocumentVarie();
    const QString chemin = dossier_.filePath("a.kvf");
    QString erreur;
    ASSERT_TRUE(EnregistreFichierDonnees(chemin, ecrit, erreur)) << erreur.toStdString();
    EXPECT_FALSE(Contenu(chemin).contains(','));
    TDocument lu = DocumentInitial();
    lu.DossierFichiers = "/dossier/";
    ASSERT_TRUE(LitFichierDonnees(chemin, lu, erreur)) << erreur.toStdString();

    EXPECT_EQ(lu.NomFichierDonnees, chemin);
    EXPECT_EQ(lu.DossierFichiers, "/dossier/");
    // Racines déclarées valides : reprises telles quelles, sans le chercheur de racines ; les
    // coefficients, que ces racines refont à la tolérance du lecteur près, en sont refaits.
    EXPECT_TRUE(lu.Systeme.Numerateur.CoefsValides && lu.Systeme.Numerateur.RacinesValides);
    for (int i = 0; i <= 2; ++i) {
        EXPECT_TRUE(Egaux(lu.Systeme.Numerateur.Racines[i], ecrit.Systeme.Numerateur.Racines[i])) << i;
        EXPECT_EQ(lu.Systeme.Numerateur.Multiplicites[i], ecrit.Systeme.Numerateur.Multiplicites[i]) << i;
        EXPECT_NEAR(double(lu.Systeme.Numerateur.Coef[i].Re), double(ecrit.Systeme.Numerateur.Coef[i].Re),
                    1e-10 * double(ecrit.Systeme.Numerateur.Coef[i].Re))
            << i;
    }
    EXPECT_NEAR(double(lu.Systeme.Numerateur.Coef[0].Re), 1.5 * (0.1234567890123 * 0.1234567890123 + 4.0000000000004), 1e-14);
    for (int i = 0; i <= 2; ++i) {
        ExpectQuinzeChiffres(lu.Systeme.Denominateur.Coef[i].Re, ecrit.Systeme.Denominateur.Coef[i].Re);
        EXPECT_EQ(lu.Systeme.Denominateur.Coef[i].Im, 0);
    }
    // Racines non valides : calculées à la lecture.
    EXPECT_TRUE(lu.Systeme.Denominateur.RacinesValides);
    EXPECT_EQ(lu.Systeme.Denominateur.Multiplicites[0], 2);
    EXPECT_NEAR(double(lu.Systeme.Denominateur.Racines[1].Re), -2, 1e-12);
    EXPECT_NEAR(double(lu.Systeme.Denominateur.Racines[2].Re), -1, 1e-12);
    ExpectQuinzeChiffres(lu.Systeme.TempsMort, ecrit.Systeme.TempsMort);
    EXPECT_NE(lu.Systeme.TempsMort, ecrit.Systeme.TempsMort);  // 1/3 n'a pas quinze chiffres : l'arrondi se voit
    for (int i = 0; i < NbElementsCouleur; ++i) {
        EXPECT_EQ(lu.SchemaCouleurs[i].Couleur, ecrit.SchemaCouleurs[i].Couleur);
        EXPECT_EQ(lu.SchemaCouleurs[i].Libelle, SchemaDefaut()[i].Libelle);
    }
    EXPECT_TRUE(lu.ImpressionCouleur);
    EXPECT_TRUE(lu.PhaseSymetrique);
    EXPECT_EQ(lu.AbaqueGains, ecrit.AbaqueGains);
    EXPECT_TRUE(lu.AbaquePhases.empty());

    // Relu puis réécrit, le fichier ne bouge plus d'un caractère.
    const QString copie = dossier_.filePath("b.kvf");
    ASSERT_TRUE(EnregistreFichierDonnees(copie, lu, erreur));
    const QByteArray premier = Contenu(copie);
    TDocument relu = DocumentInitial();
    ASSERT_TRUE(LitFichierDonnees(copie, relu, erreur));
    ASSERT_TRUE(EnregistreFichierDonnees(copie, relu, erreur));
    EXPECT_EQ(Contenu(copie), premier);
}

// La phase continue tient dans la ligne de la plage : « NC » se relit continue, tandis qu'un
// programme qui ne lit que la première lettre y voit la plage de -360° à 0 ; un fichier
// ancien, sans le « C », reste en plage fixe.
TEST_P(AllerRetour, PhaseContinueRelueEtFichiersAnciensInchanges)
{
    TDocument ecrit = DocumentVarie();
    ecrit.PhaseSymetrique = false;
    ecrit.PhaseContinue = true;
    const QString chemin = dossier_.filePath("c.kvf");
    QString erreur;
    ASSERT_TRUE(EnregistreFichierDonnees(chemin, ecrit, erreur)) << erreur.toStdString();
    const QByteArray contenu = Contenu(chemin);
    ASSERT_TRUE(contenu.contains("\r\nO\r\nNC\r\n"));
    TDocument lu = DocumentInitial();
    ASSERT_TRUE(LitFichierDonnees(chemin, lu, erreur)) << erreur.toStdString();
    EXPECT_TRUE(lu.PhaseContinue);
    EXPECT_FALSE(lu.PhaseSymetrique);

    QByteArray ancien = contenu;
    ancien.replace("\r\nO\r\nNC\r\n", "\r\nO\r\nN\r\n");
    EcritBrut(chemin, ancien);
    ASSERT_TRUE(LitFichierDonnees(chemin, lu, erreur)) << erreur.toStdString();
    EXPECT_FALSE(lu.PhaseContinue);
    EXPECT_FALSE(lu.PhaseSymetrique);
}

INSTANTIATE_TEST_SUITE_P(Separateurs, AllerRetour, testing::Values('.', ','));

TEST_F(FichierDonnees, LitLesVariantesAdmisesDuFormat)
{
    TLignes l = LignesDe(Contenu(Donnee("retard_et_pole_double.kvf")));
    TDocument reference = DocumentInitial();
    QString erreur;
    ASSERT_TRUE(LitFichierDonnees(Donnee("retard_et_pole_double.kvf"), reference, erreur));

    l[0] = "autre en-tête";
    l[1] = "  +1   reste ignoré";
    l[2] = "\t1.5E0 commentaire";
    l[3] = "-0";
    l[37] = "1.25";
    l[58] = "oui";  // seul « O » majuscule vaut vrai
    l[59] = "Oui";
    TDocument doc = DocumentInitial();
    ASSERT_TRUE(Lisible("v.kvf", Joint(l, "\n"), doc));
    reference.NomFichierDonnees = Chemin("v.kvf");
    reference.PhaseSymetrique = true;
    EXPECT_TRUE(MemeDocument(doc, reference));
    EXPECT_FALSE(doc.ImpressionCouleur);
}

TEST_F(FichierDonnees, DegreDouzeAccepte)
{
    TDocument doc = DocumentInitial();
    doc.Systeme.Denominateur.Degre = 12;
    doc.Systeme.Denominateur.Coef[0] = {1, 0};
    doc.Systeme.Denominateur.Coef[12] = {1, 0};
    doc.Systeme.Denominateur.CoefsValides = true;
    const TDocument lu = Relu("d12.kvf", doc);
    EXPECT_EQ(lu.Systeme.Denominateur.Degre, 12);
    EXPECT_EQ(lu.Systeme.Denominateur.Multiplicites[0], 12);
}

// Lignes de retard_et_pole_double.kvf : N de degré 1 (2 à 14), D de degré 3 (15 à 37), T (38),
// couleurs (39 à 58), drapeaux (59, 60), 23 gains (61 à 84), 19 phases (85 à 104).
class FichierRefuse : public FichierDonnees {
protected:
    void SetUp() override
    {
        FichierDonnees::SetUp();
        lignes_ = LignesDe(Contenu(Donnee("retard_et_pole_double.kvf")));
        ASSERT_EQ(lignes_.size(), 104u);
        QString erreur;
        ASSERT_TRUE(LitFichierDonnees(Donnee("premier_ordre.kvf"), doc_, erreur));
        doc_.NomFichierDonnees = "ancien.kvf";
        avant_ = doc_;
    }

    // Lit le fichier fautif et rend le message ; le document ne doit pas avoir bougé.
    QString Refus(const QByteArray& contenu)
    {
        EcritBrut(Chemin("faux.kvf"), contenu);
        QString erreur;
        EXPECT_FALSE(LitFichierDonnees(Chemin("faux.kvf"), doc_, erreur));
        EXPECT_TRUE(MemeDocument(doc_, avant_));
        return erreur;
    }

    QString RefusLigne(int numero, const std::string& texte)
    {
        TLignes l = lignes_;
        l[std::size_t(numero - 1)] = texte;
        return Refus(Joint(l));
    }

    QString Message(const char* raison, int ligne) const
    {
        return QStringLiteral("Lecture impossible du fichier « %1 » : %2 à la ligne %3.")
            .arg(Chemin("faux.kvf"), QString::fromUtf8(raison))
            .arg(ligne);
    }

    TLignes lignes_;
    TDocument doc_ = DocumentInitial();
    TDocument avant_;
};

TEST_F(FichierRefuse, LeFichierDeBaseEstLisible)
{
    EXPECT_TRUE(Lisible("bon.kvf", Joint(lignes_), doc_));
}

TEST_F(FichierRefuse, CoupeAChaqueLigne)
{
    for (std::size_t garde = 0; garde < lignes_.size(); ++garde) {
        const TLignes debut(lignes_.begin(), lignes_.begin() + std::ptrdiff_t(garde));
        EXPECT_EQ(Refus(Joint(debut)), Message("fin du fichier atteinte trop tôt", int(garde) + 1));
    }
}

TEST_F(FichierRefuse, FichierVideOuAbsent)
{
    EXPECT_EQ(Refus(""), Message("fin du fichier atteinte trop tôt", 1));
    QString erreur;
    EXPECT_FALSE(LitFichierDonnees(Chemin("absent.kvf"), doc_, erreur));
    EXPECT_EQ(erreur, QStringLiteral("Lecture impossible du fichier « %1 » : le fichier n'existe pas ou ne peut "
                                     "pas être ouvert.")
                          .arg(Chemin("absent.kvf")));
    EXPECT_TRUE(MemeDocument(doc_, avant_));
    EXPECT_FALSE(LitFichierDonnees(dossier_.path(), doc_, erreur));  // un dossier
    EXPECT_TRUE(MemeDocument(doc_, avant_));
}

// Une ligne remplacée : le refus nomme la raison et la ligne fautive (parfois plus loin que la ligne touchée).
TEST_F(FichierRefuse, LigneFautiveNommeeAvecSaRaison)
{
    const char* illisible = "nombre illisible";
    const char* degre = "degré hors des limites (0 à 101)";
    const char* valeurs = "nombre de valeurs hors des limites (0 à 30)";
    const char* multiplicites = "multiplicités incohérentes";  // D : 2 racines distinctes (32), multiplicités 2, 1, 0 (33 à 35)
    const char* couleur = "couleur hors des limites (0 à 16777215)";
    const struct {
        int Ligne;
        std::string Texte;
        const char* Raison;
        int LigneMessage = 0;  // 0 : la ligne touchée
    } cas[] = {
        {12, " 1.0000x000000000E+0000", illisible}, {3, "x1.50000000000000E+0000", illisible}, {38, "", illisible},
        {38, "inf", illisible}, {38, "1,25", illisible}, {38, "1e99999", illisible}, {2, "un", illisible},
        {2, "1.0", illisible}, {40, "327a68", illisible}, {61, "99999999999999999999", illisible},
        {2, "102", degre}, {2, "-1", degre}, {15, "102", degre}, {85, "-1", valeurs},
        {32, "4", multiplicites}, {32, "3", multiplicites, 35},  // troisième multiplicité nulle
        {32, "0", multiplicites}, {32, "-1", multiplicites}, {33, "0", multiplicites}, {34, "-1", multiplicites},
        {34, "2", multiplicites}, {35, "100000", multiplicites},
        {39, "16777216", couleur}, {58, "-1", couleur}, {38, "-1.00000000000000E+0000", "temps mort négatif"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE("ligne " + std::to_string(c.Ligne) + " : « " + c.Texte + " »");
        EXPECT_EQ(RefusLigne(c.Ligne, c.Texte), Message(c.Raison, c.LigneMessage ? c.LigneMessage : c.Ligne));
    }
}

// Un fichier coupé dans l'exposant de son dernier nombre (« -1.7…E+0002 » devenu « …E+00 ») se
// lirait -1.7 au lieu de -170 : refusé, le document gardé. Les formes tapées à la main restent lues.
TEST_F(FichierRefuse, CoupeDansUnExposant)
{
    const std::string derniere = lignes_.back();
    ASSERT_EQ(derniere, "-1.70000000000000E+0002");
    TLignes l = lignes_;
    for (const std::size_t coupe : {1, 2, 3, 4, 5}) {
        l.back() = derniere.substr(0, derniere.size() - coupe);
        // Pas de fin de ligne après la coupure.
        EXPECT_EQ(Refus(Joint(l).chopped(2)), Message("exposant incomplet, fichier coupé", 104)) << l.back();
    }
    // Au milieu du fichier aussi, pour le temps mort ou une racine.
    EXPECT_EQ(RefusLigne(38, " 1.25000000000000E+00"), Message("exposant incomplet, fichier coupé", 38));
    EXPECT_EQ(RefusLigne(20, "-1.00000000000000e-1"), Message("exposant incomplet, fichier coupé", 20));
    for (const auto& [texte, valeur] : {std::pair{"-1.7E+2", -170.0L}, std::pair{"-1.7e2", -170.0L},
                                        std::pair{"-1.700000e+02", -170.0L}, std::pair{"-1.70000000000000E+00002", -170.0L},
                                        std::pair{"-17000.0000000000E-2", -170.0L}}) {
        l.back() = texte;
        ASSERT_TRUE(Lisible("main.kvf", Joint(l).chopped(2), doc_)) << texte;
        EXPECT_EQ(doc_.AbaquePhases.back(), valeur) << texte;
    }
}

TEST_F(FichierRefuse, TrenteValeursAuPlus)
{
    TLignes trenteEtUn = lignes_;
    trenteEtUn[60] = "31";
    trenteEtUn.insert(trenteEtUn.begin() + 61, 8, " 1.00000000000000E+0000");
    EXPECT_EQ(Refus(Joint(trenteEtUn)), Message("nombre de valeurs hors des limites (0 à 30)", 61));
    TLignes trente = trenteEtUn;
    trente[60] = "30";
    trente.erase(trente.begin() + 61);
    EXPECT_TRUE(Lisible("trente.kvf", Joint(trente), doc_));
    EXPECT_EQ(doc_.AbaqueGains.size(), 30u);
}

TEST_F(FichierRefuse, MultiplicitesDesRacinesNonValidesRecalculees)
{
    // Racines non valides : les multiplicités stockées sont recalculées, pas vérifiées.
    TLignes l = lignes_;
    l[31] = "7";
    l[36] = "N";
    ASSERT_TRUE(Lisible("recalcul.kvf", Joint(l), doc_));
    EXPECT_EQ(doc_.Systeme.Denominateur.Multiplicites[0], 2);
}

// Un degré élevé se lit (1 + p + ... + p^60 donnait tous ses pôles nuls) ; des racines que la
// recherche ne peut pas atteindre font refuser le fichier au lieu d'y laisser des zéros.
TEST_F(FichierRefuse, RacinesIntrouvablesRefusees)
{
    TDocument ecrit = DocumentInitial();
    TPolynome& d = ecrit.Systeme.Denominateur;
    d.Degre = 60;
    for (int k = 0; k <= d.Degre; ++k)
        d.Coef[k] = {1, 0};
    d.CoefsValides = true;
    const TDocument lu = Relu("d60.kvf", ecrit);
    ASSERT_EQ(lu.Systeme.Denominateur.Degre, 60);
    for (int i = 1; i <= 60; ++i)
        EXPECT_NEAR(double(Module(lu.Systeme.Denominateur.Racines[i])), 1, 1e-15) << i;

    // p⁴ + 2e-4000 : racines de module 1e-1000, dont P'² sort de l'étendue.
    d.Degre = 4;
    d.Coef.fill({0, 0});
    d.Coef[0] = {2e-4000L, 0};
    d.Coef[4] = {1, 0};
    QString erreur;
    ASSERT_TRUE(EnregistreFichierDonnees(Chemin("faux.kvf"), ecrit, erreur));
    EXPECT_FALSE(LitFichierDonnees(Chemin("faux.kvf"), doc_, erreur));
    EXPECT_EQ(erreur, QStringLiteral("Lecture impossible du fichier « %1 » : les racines du dénominateur n'ont pas "
                                     "pu être calculées.")
                          .arg(Chemin("faux.kvf")));
    EXPECT_TRUE(MemeDocument(doc_, avant_));
}

TEST_F(FichierDonnees, EnregistrementRateLaisseLAncienFichier)
{
    const TDocument doc = DocumentVarie();
    QString erreur;
    const QString ancien = Chemin("ancien.kvf");
    ASSERT_TRUE(EnregistreFichierDonnees(ancien, doc, erreur));
    const QByteArray avant = Contenu(ancien);

    // Une valeur non finie ne peut pas s'écrire : le fichier n'est pas touché.
    TDocument invalide = DocumentInitial();
    invalide.Systeme.TempsMort = std::nanl("");
    EXPECT_FALSE(EnregistreFichierDonnees(ancien, invalide, erreur));
    EXPECT_EQ(erreur, QStringLiteral("Enregistrement impossible du fichier « %1 » : une valeur n'est pas un "
                                     "nombre fini.")
                          .arg(ancien));
    EXPECT_EQ(Contenu(ancien), avant);

    // Dossier parent qui est un fichier : refusé même à root.
    const QString dansUnFichier = ancien + "/x.kvf";
    EXPECT_FALSE(EnregistreFichierDonnees(dansUnFichier, DocumentInitial(), erreur));
    EXPECT_EQ(erreur, QStringLiteral("Enregistrement impossible du fichier « %1 » : le fichier ne peut pas être "
                                     "créé.")
                          .arg(dansUnFichier));
    EXPECT_EQ(Contenu(ancien), avant);

    // Cible qui est un dossier : il garde son contenu.
    ASSERT_TRUE(QDir(dossier_.path()).mkpath("cible.kvf"));
    EcritBrut(Chemin("cible.kvf/dedans"), "garde");
    erreur.clear();
    EXPECT_FALSE(EnregistreFichierDonnees(Chemin("cible.kvf"), DocumentInitial(), erreur));
    EXPECT_TRUE(erreur.startsWith(QStringLiteral("Enregistrement impossible du fichier « %1 » : ").arg(Chemin("cible.kvf"))));
    EXPECT_EQ(Contenu(Chemin("cible.kvf/dedans")), "garde");

    // Aucun fichier temporaire ne traîne après ces échecs ; une réussite remplace l'ancien.
    EXPECT_EQ(QDir(dossier_.path()).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList{"ancien.kvf"});
    ASSERT_TRUE(EnregistreFichierDonnees(ancien, DocumentInitial(), erreur));
    EXPECT_EQ(LignesDe(Contenu(ancien)).size(), 84u);
}

// Disque plein pendant l'enregistrement (limite de taille des fichiers) : l'ancien fichier reste
// octet pour octet, l'échec est dit, et rien ne traîne dans le dossier.
TEST_F(FichierDonnees, DisquePleinGardeLAncienFichier)
{
    constexpr rlim_t Limite = 512;
    QString erreur;
    const QString ancien = Chemin("ancien.kvf");
    ASSERT_TRUE(EnregistreFichierDonnees(ancien, DocumentVarie(), erreur));
    const QByteArray avant = Contenu(ancien);
    ASSERT_TRUE(EnregistreFichierDonnees(Chemin("nouveau.kvf"), DocumentInitial(), erreur));
    ASSERT_GT(Contenu(Chemin("nouveau.kvf")).size(), qsizetype(Limite)) << "la limite ne couperait rien";
    ASSERT_TRUE(QFile::remove(Chemin("nouveau.kvf")));
    const QString attendu =
        QStringLiteral("Enregistrement impossible du fichier « %1 » : l'écriture a échoué.").arg(ancien);
    const int statut = SousLimiteDeTaille(Limite, [&] {
        QString refus;
        if (EnregistreFichierDonnees(ancien, DocumentInitial(), refus))
            return 1;
        return refus == attendu ? 0 : 2;
    });
    EXPECT_EQ(statut, 0) << "1 : enregistré malgré la limite ; 2 : autre message";
    EXPECT_EQ(Contenu(ancien), avant);
    EXPECT_EQ(QDir(dossier_.path()).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList{"ancien.kvf"});
}

// Fichiers de référence abîmés au hasard (graine fixe) : chacun est refusé avec un message, le
// document intact, ou bien lu puis analysé, et tout ce qu'une fenêtre dessinerait reste fini.
class TAbimeur {
public:
    explicit TAbimeur(unsigned graine) : generateur_(graine) {}
    std::size_t Choix(std::size_t n) { return static_cast<std::size_t>(generateur_() % n); }

    std::string LigneAuHasard()
    {
        static const std::vector<std::string> extremes = {"1e4000", "-1e4000", "1e-4000", "1e300", "-1e301", "nan",
                                                          "inf",    "-inf",    "-3",      "-0.5",  "",       "O",
                                                          "N",      "1e-320",  "0x1p3",   " 7 8",  "+-1"};
        switch (Choix(5)) {
        case 0:
        case 4:
            return extremes[Choix(extremes.size())];
        case 1:
            return std::to_string(static_cast<int>(Choix(105)) - 2);  // degrés, nombres de valeurs
        case 2:
            return std::to_string(static_cast<int>(Choix(33)) - 1);
        default: {
            std::string t;
            for (std::size_t k = Choix(12); k > 0; --k)
                t += static_cast<char>(32 + Choix(95));
            return t;
        }
        }
    }

    QByteArray Abime(TLignes lignes)
    {
        for (std::size_t n = 1 + Choix(3); n > 0 && !lignes.empty(); --n) {
            const std::size_t i = Choix(lignes.size());
            switch (Choix(4)) {
            case 0:
                lignes.erase(lignes.begin() + static_cast<std::ptrdiff_t>(i));
                break;
            case 1:
                lignes.insert(lignes.begin() + static_cast<std::ptrdiff_t>(i), lignes[i]);
                break;
            default:
                lignes[i] = LigneAuHasard();
            }
        }
        const char* fins[] = {"\r\n", "\n", "\r", "\r\r\n"};
        return Joint(lignes, fins[Choix(4) == 0 ? 1 + Choix(3) : 0]);
    }

private:
    std::mt19937_64 generateur_;
};

// Ce que l'étude, les éléments simples et les dialogues d'échelles dessinent ou proposent.
testing::AssertionResult ToutEstFini(const TDocument& doc, int statut)
{
    for (const TPolynome* p : {&doc.Systeme.Numerateur, &doc.Systeme.Denominateur, &doc.Systeme.PartieEntiere})
        for (int k = 0; k <= p->Degre; ++k)
            if (!EstFini(p->Coef[k]) || !EstFini(p->Racines[k]))
                return testing::AssertionFailure() << "polynôme, rang " << k;
    const TPolynome& d = doc.Systeme.Denominateur;
    for (int i = 1; statut == DecompositionFaite && i <= d.Multiplicites[0]; ++i)
        for (int l = 1; l <= d.Multiplicites[i]; ++l)
            if (!EstFini(doc.Systeme.Decomposition(i, l)))
                return testing::AssertionFailure() << "élément simple " << i << ", " << l;
    for (const auto& [nom, champ] : ChampsEchellesAuto)
        if (!std::isfinite(doc.EchellesAuto.*champ))
            return testing::AssertionFailure() << nom;
    if (!std::isfinite(doc.Systeme.TempsMort))
        return testing::AssertionFailure() << "temps mort";
    return testing::AssertionSuccess();
}

TEST_F(FichierDonnees, FichiersAbimesRefusesOuAnalysesSansValeurNonFinie)
{
    std::vector<TLignes> modeles;
    QDirIterator fichiers(Donnee(""), {"*.kvf"}, QDir::Files);
    while (fichiers.hasNext())
        modeles.push_back(LignesDe(Contenu(fichiers.next())));
    ASSERT_GE(modeles.size(), 10u);
    TAbimeur abimeur(314159);
    int lus = 0;
    int refuses = 0;
    for (int essai = 0; essai < 400; ++essai) {
        SCOPED_TRACE(essai);
        const QByteArray contenu = abimeur.Abime(modeles[abimeur.Choix(modeles.size())]);
        EcritBrut(Chemin("abime.kvf"), contenu);
        TDocument doc = DocumentInitial();
        doc.NomFichierDonnees = "avant.kvf";
        const TDocument avant = doc;
        QString erreur;
        if (!LitFichierDonnees(Chemin("abime.kvf"), doc, erreur)) {
            ++refuses;
            EXPECT_TRUE(erreur.startsWith(QStringLiteral("Lecture impossible du fichier « "))) << erreur.toStdString();
            ASSERT_TRUE(MemeDocument(doc, avant)) << contenu.toStdString();
            continue;
        }
        ++lus;
        const int statut = AnalyseApresSaisieCoeur(doc, [](const std::string&) {});
        ASSERT_TRUE(ToutEstFini(doc, statut)) << contenu.toStdString();
    }
    // Le tirage doit exercer les deux issues.
    EXPECT_GT(lus, 40);
    EXPECT_GT(refuses, 40);
}

// Ce que le programme tient en mémoire, il le relit : coefficients de dix racines 1e200,
// valeurs minuscules, nombres sous la plus petite valeur normale.
TEST_F(FichierDonnees, ValeursExtremesRelues)
{
    TDocument ecrit = DocumentInitial();
    TPolynome& n = ecrit.Systeme.Numerateur;
    n.Coef[0] = n.Racines[0] = {3.25e-2000L, -0.0L};
    n.CoefsValides = n.RacinesValides = true;
    TPolynome& d = ecrit.Systeme.Denominateur;
    d.Degre = 10;
    Reel binome = 1;
    for (int k = 0; k <= 10; ++k) {
        d.Coef[k] = {binome * std::pow(1e200L, Reel(10 - k)), 0};
        binome = binome * (10 - k) / (k + 1);
        d.Racines[k] = {k == 0 ? 1 : -1e200L, 0};
    }
    d.Multiplicites[0] = 1;
    d.Multiplicites[1] = 10;
    d.CoefsValides = d.RacinesValides = true;
    ecrit.Systeme.TempsMort = 4.5e-2000L;
    ecrit.AbaqueGains = {1e2000L, -7.123456789012345e-2000L, 1.1e4932L, 5e-4940L, -3.6e-4951L};
    ecrit.AbaquePhases = {-1e300L, -2e301L, 1e-4000L};
    TDocument lu = Relu("x.kvf", ecrit);
    ASSERT_FALSE(HasFailure());

    for (const auto& [a, b] : {std::pair{&lu.Systeme.Numerateur, &ecrit.Systeme.Numerateur}, std::pair{&lu.Systeme.Denominateur, &ecrit.Systeme.Denominateur}}) {
        ASSERT_EQ(a->Degre, b->Degre);
        for (int k = 0; k <= a->Degre; ++k)
            for (const auto& [x, y] : {std::pair{a->Coef[k], b->Coef[k]}, std::pair{a->Racines[k], b->Racines[k]}}) {
                ExpectQuinzeChiffres(x.Re, y.Re);
                ExpectQuinzeChiffres(x.Im, y.Im);
            }
    }
    EXPECT_NE(lu.Systeme.Denominateur.Coef[0].Re, 0);
    ExpectQuinzeChiffres(lu.Systeme.TempsMort, ecrit.Systeme.TempsMort);
    for (const auto& [a, b] : {std::pair{&lu.AbaqueGains, &ecrit.AbaqueGains}, std::pair{&lu.AbaquePhases, &ecrit.AbaquePhases}}) {
        ASSERT_EQ(a->size(), b->size());
        for (std::size_t i = 0; i < a->size(); ++i)
            ExpectQuinzeChiffres((*a)[i], (*b)[i]);
    }
    EXPECT_TRUE(ToutEstFini(lu, AnalyseApresSaisieCoeur(lu, [](const std::string&) {})));

    // Un dépassement de la précision étendue, lui, reste illisible.
    TLignes lignes = LignesDe(Contenu(Chemin("x.kvf")));
    lignes[lignes.size() - 3] = "-1.2E+4932";
    EcritBrut(Chemin("trop.kvf"), Joint(lignes));
    QString erreur;
    EXPECT_FALSE(LitFichierDonnees(Chemin("trop.kvf"), lu, erreur));
    EXPECT_TRUE(erreur.endsWith(QStringLiteral("nombre illisible à la ligne %1.").arg(lignes.size() - 2)))
        << erreur.toStdString();
}

} // namespace
