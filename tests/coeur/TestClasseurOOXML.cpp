// Le classeur .xlsx écrit sans tableur : ce qu'on y écrit se relit, les graphiques gardent un
// XML que les tableurs acceptent, et un modèle écrit par un autre programme sert aussi.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cmath>
#include <limits>
#include <pugixml.hpp>

#include "PaquetsZip.h"
#include "coeur/ClasseurOOXML.h"
#include "coeur/ExportTableur.h"

namespace {

const QString ModeleDiagrammes = QStringLiteral(KOVRA_FICHIERS "/modèle diagrammes.xlsx");

// Copie de travail d'un modèle dans un dossier temporaire.
class ClasseurReel : public testing::Test {
protected:
    QTemporaryDir Dossier;
    QString Chemin;

    void SetUp() override
    {
        ASSERT_TRUE(Dossier.isValid());
        Chemin = Dossier.filePath(QStringLiteral("essai.xlsx"));
    }
    std::string CheminLocal() const { return QFile::encodeName(Chemin).toStdString(); }
    void CopieModele()
    {
        ASSERT_TRUE(QFile::exists(ModeleDiagrammes)) << "modèle non construit";
        ASSERT_TRUE(QFile::copy(ModeleDiagrammes, Chemin));
        QFile(Chemin).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
};

std::vector<std::string> NomsLocaux(pugi::xml_node n)
{
    std::vector<std::string> noms;
    for (const pugi::xml_node e : n.children())
        if (e.type() == pugi::node_element) {
            const std::string nom = e.name();
            noms.push_back(nom.substr(nom.find(':') == std::string::npos ? 0 : nom.find(':') + 1));
        }
    return noms;
}

// Chaque enfant connu vient après ceux qui le précèdent dans le schéma.
void VerifieOrdre(const std::vector<std::string>& enfants, const std::vector<std::string>& ordre, const char* quoi)
{
    std::size_t rang = 0;
    for (const std::string& e : enfants) {
        const auto place = std::find(ordre.begin(), ordre.end(), e);
        if (place == ordre.end())
            continue;
        const std::size_t r = std::size_t(place - ordre.begin());
        EXPECT_GE(r, rang) << quoi << " : " << e << " hors d'ordre";
        rang = std::max(rang, r);
    }
}

const std::vector<std::string> OrdreAxe{"axId",          "scaling",       "delete",       "axPos",
                                        "majorGridlines", "minorGridlines", "title",      "numFmt",
                                        "majorTickMark", "minorTickMark", "tickLblPos",   "spPr",
                                        "txPr",          "crossAx",       "crosses",      "crossesAt",
                                        "crossBetween",  "majorUnit",     "minorUnit",    "dispUnits",
                                        "extLst"};
const std::vector<std::string> OrdreEchelle{"logBase", "orientation", "max", "min", "extLst"};

void VerifieAxes(const std::string& xml)
{
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_string(xml.c_str()));
    int axes = 0;
    for (const pugi::xpath_node ax : doc.select_nodes("//*[local-name()='valAx']")) {
        ++axes;
        VerifieOrdre(NomsLocaux(ax.node()), OrdreAxe, "axe");
        for (const pugi::xml_node e : ax.node().children())
            if (std::string(e.name()).ends_with("scaling"))
                VerifieOrdre(NomsLocaux(e), OrdreEchelle, "échelle");
    }
    EXPECT_EQ(axes, 2);
}

TEST_F(ClasseurReel, LeModeleConstruitALesGraphiquesAttendus)
{
    CopieModele();
    TClasseurOOXML c;
    c.Ouvre(Chemin);
    ASSERT_EQ(c.NombreGraphiques(1), 2);
    EXPECT_EQ(c.TitreGraphique(1, 1), QStringLiteral("Gain"));
    EXPECT_EQ(c.TitreGraphique(1, 2), QStringLiteral("Phase"));
    EXPECT_EQ(c.NombreGraphiques(2), 1);
    EXPECT_EQ(c.NombreGraphiques(3), 1);
    EXPECT_EQ(c.TexteCellule(1, 2, 1), QStringLiteral("fréq. (Hz)"));
    EXPECT_THROW(c.ActiveFeuille(4), TErreurClasseur);
}

TEST_F(ClasseurReel, CellulesEtAxesEcritsSeRelisent)
{
    CopieModele();
    {
        TClasseurOOXML c;
        c.Ouvre(Chemin);
        c.ActiveFeuille(1);
        c.EcritNombre(1, 3, 1, 0.5L);
        c.EcritNombre(1, 3, 2, -3.0103e-7L);
        c.EcritNombre(1, 2, 1, 12);  // sur une chaîne partagée du modèle
        c.EcritTexte(1, 2, 3, QStringLiteral(" phase (°) "));
        c.EcritNombre(1, 5, 2, std::numeric_limits<Reel>::quiet_NaN());
        c.EcritNombre(1, 4, 2, 7);
        c.Vide(1, 4, 2);
        c.EcritNombre(1, 1000, 30, 1e300L);
        c.EcritNombre(1, 3, 26, 1);  // Z puis AA : l'ordre des colonnes
        c.EcritNombre(1, 3, 27, 2);
        c.RegleAxe(1, 1, 1, TReglageAxe::Maximum, 100);
        c.RegleAxe(1, 1, 1, TReglageAxe::Minimum, 0.01L);
        c.RegleAxe(1, 1, 2, TReglageAxe::Minimum, -40);
        c.RegleAxe(1, 1, 2, TReglageAxe::Maximum, 20);
        c.RegleAxe(1, 1, 2, TReglageAxe::Graduation, 10);
        c.TitreAxe(1, 1, 1, QStringLiteral("t (ms)"));
        EXPECT_THROW(c.RegleAxe(1, 1, 1, TReglageAxe::Minimum, 0), TErreurClasseur) << "axe logarithmique";
        EXPECT_THROW(c.RegleAxe(1, 1, 2, TReglageAxe::Maximum, std::numeric_limits<Reel>::infinity()),
                     TErreurClasseur);
        c.Enregistre();
    }
    TClasseurOOXML c;
    c.Ouvre(Chemin);
    EXPECT_EQ(c.TexteCellule(1, 3, 1), QStringLiteral("0.5"));
    EXPECT_EQ(c.TexteCellule(1, 3, 2).toDouble(), -3.0103e-7);
    EXPECT_EQ(c.TexteCellule(1, 2, 1), QStringLiteral("12"));
    EXPECT_EQ(c.TexteCellule(1, 2, 3), QStringLiteral(" phase (°) "));
    EXPECT_EQ(c.TexteCellule(1, 5, 2), QString());
    EXPECT_EQ(c.TexteCellule(1, 4, 2), QString());
    EXPECT_EQ(c.TexteCellule(1, 1000, 30), QStringLiteral("1e+300"));
    EXPECT_EQ(c.ReglageAxe(1, 1, 1, TReglageAxe::Maximum), Reel(100));
    EXPECT_EQ(c.ReglageAxe(1, 1, 1, TReglageAxe::Minimum), Reel(0.01));
    EXPECT_EQ(c.ReglageAxe(1, 1, 2, TReglageAxe::Minimum), Reel(-40));
    EXPECT_EQ(c.ReglageAxe(1, 1, 2, TReglageAxe::Graduation), Reel(10));
    EXPECT_EQ(c.ReglageAxe(1, 2, 2, TReglageAxe::Minimum), std::nullopt) << "l'autre graphique est intact";
    EXPECT_EQ(c.TitreDAxe(1, 1, 1), QStringLiteral("t (ms)"));
    EXPECT_EQ(c.TitreDAxe(1, 1, 2), QStringLiteral("gain (dB)"));

    const std::string feuille = LitPartie(CheminLocal(), "xl/worksheets/sheet1.xml");
    EXPECT_NE(feuille.find("<dimension ref=\"A1:AD1000\"/>"), std::string::npos) << feuille.substr(0, 300);
    EXPECT_NE(feuille.find("<c r=\"Z3\"><v>1</v></c><c r=\"AA3\"><v>2</v></c>"), std::string::npos);
    EXPECT_NE(feuille.find("<t xml:space=\"preserve\"> phase (°) </t>"), std::string::npos);
    VerifieAxes(LitPartie(CheminLocal(), "xl/charts/chart1.xml"));
    EXPECT_NE(LitPartie(CheminLocal(), "xl/workbook.xml").find("fullCalcOnLoad=\"1\""), std::string::npos);
}

// Le classeur rendu s'ouvre sur la feuille exportée, seule sélectionnée.
TEST_F(ClasseurReel, LaFeuilleActiveEstCelleQuOnOuvre)
{
    CopieModele();
    {
        TClasseurOOXML c;
        c.Ouvre(Chemin);
        c.ActiveFeuille(2);
        c.EcritNombre(2, 3, 1, 1);
        c.Enregistre();
    }
    EXPECT_NE(LitPartie(CheminLocal(), "xl/workbook.xml").find("activeTab=\"1\""), std::string::npos);
    EXPECT_NE(LitPartie(CheminLocal(), "xl/worksheets/sheet2.xml").find("tabSelected=\"1\""), std::string::npos);
    EXPECT_EQ(LitPartie(CheminLocal(), "xl/worksheets/sheet1.xml").find("tabSelected"), std::string::npos);
}

TEST_F(ClasseurReel, UnFichierQuiNEstPasUnClasseurEstRefuse)
{
    QFile f(Chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("ceci n'est pas un zip");
    f.close();
    TClasseurOOXML c;
    EXPECT_THROW(c.Ouvre(Chemin), TErreurClasseur);
    EXPECT_THROW(c.Ouvre(Dossier.filePath(QStringLiteral("absent.xlsx"))), TErreurClasseur);
    EXPECT_THROW(c.EcritNombre(1, 1, 1, 1), TErreurClasseur);
}

// Un classeur tel qu'un autre tableur l'écrit : racines sans préfixe, lignes sans numéro,
// chaînes partagées, une formule avec son résultat gardé, une chaîne de calcul, un graphique
// dans un contenu de compatibilité, titré par une cellule, dont l'axe X se dit « à gauche ».
std::map<std::string, std::string> PaquetEtranger(const char* espaceClasseur)
{
    const std::string principal = espaceClasseur;
    return {
        {"[Content_Types].xml",
         R"(<?xml version="1.0" encoding="UTF-8"?><Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">)"
         R"(<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>)"
         R"(<Default Extension="xml" ContentType="application/xml"/>)"
         R"(<Override PartName="/xl/workbook.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/>)"
         R"(<Override PartName="/xl/worksheets/sheet1.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/>)"
         R"(<Override PartName="/xl/calcChain.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.calcChain+xml"/>)"
         R"(<Override PartName="/xl/sharedStrings.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml"/>)"
         R"(<Override PartName="/xl/drawings/drawing1.xml" ContentType="application/vnd.openxmlformats-officedocument.drawing+xml"/>)"
         R"(<Override PartName="/xl/charts/chart1.xml" ContentType="application/vnd.openxmlformats-officedocument.drawingml.chart+xml"/>)"
         R"(</Types>)"},
        {"_rels/.rels",
         R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
         R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="/xl/workbook.xml"/>)"
         R"(</Relationships>)"},
        {"xl/workbook.xml",
         R"(<workbook xmlns=")" + principal +
             R"(" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">)"
             R"(<sheets><sheet name="Ma feuille" sheetId="7" r:id="rIdF"/></sheets><calcPr calcId="1"/></workbook>)"},
        {"xl/_rels/workbook.xml.rels",
         R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
         R"(<Relationship Id="rIdF" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="worksheets/sheet1.xml"/>)"
         R"(<Relationship Id="rIdC" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/calcChain" Target="calcChain.xml"/>)"
         R"(<Relationship Id="rIdS" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings" Target="sharedStrings.xml"/>)"
         R"(</Relationships>)"},
        {"xl/sharedStrings.xml",
         R"(<sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" count="2" uniqueCount="2">)"
         R"(<si><t>Gain du </t></si><si><r><t>Gain du </t></r><r><t>système</t></r></si></sst>)"},
        {"xl/worksheets/sheet1.xml",
         R"(<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" )"
         R"(xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"><sheetData>)"
         R"(<row r="1" spans="1:3"><c t="s"><v>0</v></c><c r="B1" t="s"><v>1</v></c><c r="C1"><f>2*D1</f><v>84</v></c>)"
         R"(<c r="D1"><v>42</v></c></row><row><c r="A2" s="1"><v>5</v></c></row></sheetData>)"
         R"(<drawing r:id="rIdD"/></worksheet>)"},
        {"xl/worksheets/_rels/sheet1.xml.rels",
         R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
         R"(<Relationship Id="rIdD" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/drawing" Target="../drawings/drawing1.xml"/>)"
         R"(</Relationships>)"},
        {"xl/calcChain.xml",
         R"(<calcChain xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><c r="C1" i="7"/></calcChain>)"},
        {"xl/drawings/drawing1.xml",
         R"(<xdr:wsDr xmlns:xdr="http://schemas.openxmlformats.org/drawingml/2006/spreadsheetDrawing" )"
         R"(xmlns:a="http://schemas.openxmlformats.org/drawingml/2006/main" )"
         R"(xmlns:mc="http://schemas.openxmlformats.org/markup-compatibility/2006">)"
         R"(<mc:AlternateContent><mc:Choice Requires="c"><xdr:absoluteAnchor><xdr:pos x="0" y="0"/><xdr:ext cx="1" cy="1"/>)"
         R"(<xdr:graphicFrame><xdr:nvGraphicFramePr><xdr:cNvPr id="2" name="G"/><xdr:cNvGraphicFramePr/></xdr:nvGraphicFramePr>)"
         R"(<xdr:xfrm/><a:graphic><a:graphicData uri="http://schemas.openxmlformats.org/drawingml/2006/chart">)"
         R"(<c:chart xmlns:c="http://schemas.openxmlformats.org/drawingml/2006/chart" )"
         R"(xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships" r:id="rIdG"/>)"
         R"(</a:graphicData></a:graphic></xdr:graphicFrame><xdr:clientData/></xdr:absoluteAnchor></mc:Choice>)"
         R"(<mc:Fallback/></mc:AlternateContent></xdr:wsDr>)"},
        {"xl/drawings/_rels/drawing1.xml.rels",
         R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
         R"(<Relationship Id="rIdG" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/chart" Target="/xl/charts/chart1.xml"/>)"
         R"(</Relationships>)"},
        {"xl/charts/chart1.xml",
         R"(<chartSpace xmlns="http://schemas.openxmlformats.org/drawingml/2006/chart"><chart>)"
         R"(<title><tx><strRef><f>'Ma feuille'!$B$1</f><strCache><pt idx="0"><v>ancien</v></pt></strCache></strRef></tx></title>)"
         R"(<plotArea><scatterChart><axId val="20"/><axId val="10"/></scatterChart>)"
         R"(<valAx><axId val="10"/><scaling><orientation val="minMax"/></scaling><axPos val="b"/>)"
         R"(<numFmt formatCode="General" sourceLinked="1"/><crossAx val="20"/><crossBetween val="midCat"/></valAx>)"
         R"(<valAx><axId val="20"/><scaling><orientation val="minMax"/><extLst/></scaling><axPos val="l"/><crossAx val="10"/>)"
         R"(<crossBetween val="midCat"/><extLst/></valAx>)"
         R"(</plotArea></chart></chartSpace>)"},
    };
}

TEST_F(ClasseurReel, UnModeleEcritParUnAutreTableurSertAussi)
{
    ASSERT_TRUE(EcritPaquet(CheminLocal(), PaquetEtranger("http://schemas.openxmlformats.org/spreadsheetml/2006/main")));
    {
        TClasseurOOXML c;
        c.Ouvre(Chemin);
        EXPECT_EQ(c.TexteCellule(1, 1, 1), QStringLiteral("Gain du "));
        EXPECT_EQ(c.TexteCellule(1, 2, 1), QStringLiteral("5"));
        ASSERT_EQ(c.NombreGraphiques(1), 1);
        EXPECT_EQ(c.TitreGraphique(1, 1), QStringLiteral("Gain du système"));
        c.EcritNombre(1, 1, 1, 2.5L);
        c.Vide(1, 2, 1);
        c.EcritTexte(1, 3, 1, QStringLiteral("é"));
        // Axe 1 : le premier identifiant du groupe (20), quoi qu'en dise sa position.
        c.RegleAxe(1, 1, 1, TReglageAxe::Minimum, -3);
        c.RegleAxe(1, 1, 1, TReglageAxe::Maximum, 3);
        c.RegleAxe(1, 1, 1, TReglageAxe::Graduation, 0.5L);
        c.TitreAxe(1, 1, 2, QStringLiteral("dB"));
        c.Enregistre();
    }
    TClasseurOOXML c;
    c.Ouvre(Chemin);
    EXPECT_EQ(c.TexteCellule(1, 1, 1), QStringLiteral("2.5"));
    EXPECT_EQ(c.TexteCellule(1, 1, 2), QStringLiteral("Gain du système"));
    EXPECT_EQ(c.TexteCellule(1, 2, 1), QString());
    EXPECT_EQ(c.TexteCellule(1, 3, 1), QStringLiteral("é"));
    EXPECT_EQ(c.ReglageAxe(1, 1, 1, TReglageAxe::Minimum), Reel(-3));
    EXPECT_EQ(c.ReglageAxe(1, 1, 2, TReglageAxe::Minimum), std::nullopt);
    EXPECT_EQ(c.TitreDAxe(1, 1, 2), QStringLiteral("dB"));

    const std::string chemin = CheminLocal();
    EXPECT_EQ(LitPartie(chemin, "xl/calcChain.xml"), "absente");
    EXPECT_EQ(LitPartie(chemin, "[Content_Types].xml").find("calcChain"), std::string::npos);
    EXPECT_EQ(LitPartie(chemin, "xl/_rels/workbook.xml.rels").find("calcChain"), std::string::npos);
    const std::string feuille = LitPartie(chemin, "xl/worksheets/sheet1.xml");
    EXPECT_NE(feuille.find("<c r=\"C1\"><f>2*D1</f></c>"), std::string::npos) << "résultat gardé retiré : " << feuille;
    EXPECT_NE(feuille.find("<c r=\"A2\" s=\"1\"/>"), std::string::npos) << "le style reste";
    EXPECT_NE(feuille.find("<row r=\"2\">"), std::string::npos);
    EXPECT_EQ(feuille.find("spans"), std::string::npos);
    const std::string classeur = LitPartie(chemin, "xl/workbook.xml");
    EXPECT_NE(classeur.find("<calcPr calcId=\"1\" fullCalcOnLoad=\"1\"/>"), std::string::npos) << classeur;

    const std::string graphique = LitPartie(chemin, "xl/charts/chart1.xml");
    VerifieAxes(graphique);
    EXPECT_NE(graphique.find("<valAx><axId val=\"20\"/><scaling><orientation val=\"minMax\"/><max val=\"3\"/>"
                             "<min val=\"-3\"/><extLst/></scaling>"),
              std::string::npos)
        << graphique;
    EXPECT_NE(graphique.find("<crossBetween val=\"midCat\"/><majorUnit val=\"0.5\"/><extLst/>"), std::string::npos);
    // Le nouveau titre vient avant numFmt et déclare l'espace de ses paragraphes.
    EXPECT_NE(graphique.find("<axPos val=\"b\"/><title><tx><rich xmlns:a="), std::string::npos) << graphique;
    EXPECT_NE(graphique.find("rot=\"-5400000\""), std::string::npos);
}

TEST_F(ClasseurReel, UnClasseurAuFormatStrictEstRefuse)
{
    ASSERT_TRUE(EcritPaquet(CheminLocal(), PaquetEtranger("http://purl.oclc.org/ooxml/spreadsheetml/main")));
    TClasseurOOXML c;
    EXPECT_THROW(c.Ouvre(Chemin), TErreurClasseur);
}

}

namespace {

// Le classeur exporté, ouvert par un vrai tableur quand il y en a un : les nombres de la
// feuille de Nyquist que LibreOffice lit sont ceux que l'export a écrits.
TEST_F(ClasseurReel, UnTableurLitLesValeursExportees)
{
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty())
        GTEST_SKIP() << "soffice absent : LibreOffice n'est pas installé, vérification sautée";
    CopieModele();
    TDocument doc = DocumentInitial();
    doc.Systeme.Numerateur = InitPolynomeValide();
    doc.Systeme.Denominateur = InitPolynomeValide();
    doc.Systeme.Denominateur.Degre = 2;
    doc.Systeme.Denominateur.Coef[0] = ComplexeReel(1);
    doc.Systeme.Denominateur.Coef[1] = ComplexeReel(1);
    doc.Systeme.Denominateur.Coef[2] = ComplexeReel(0.25L);
    doc.TypeDiagramme = TTypeDiagramme::Nyquist;
    TEchellesFrequentielles echelles;
    echelles.FreqMin = 0.01L;
    echelles.FreqMax = 100;
    echelles.LogFreqMin = -2;
    echelles.LogFreqMax = 2;
    echelles.ReelMin = -2;
    echelles.ReelMax = 2;
    echelles.ImMin = -2;
    echelles.ImMax = 1;
    {
        TClasseurOOXML c;
        c.Ouvre(Chemin);
        ExporteDiagramme(c, doc, echelles, [] {});
        c.Enregistre();
    }
    QProcess lo;
    lo.start(soffice, {QStringLiteral("-env:UserInstallation=file://") + Dossier.filePath(QStringLiteral("profil")),
                       QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                       QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,false,false,false,3"),
                       QStringLiteral("--outdir"), Dossier.path(), Chemin});
    ASSERT_TRUE(lo.waitForFinished(300000)) << "LibreOffice n'a pas fini";
    QFile csv(Dossier.filePath(QStringLiteral("essai-Nyquist.csv")));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly)) << lo.readAllStandardError().toStdString();
    const QList<QByteArray> lignes = csv.readAll().split('\n');
    ASSERT_GE(lignes.size(), 402);
    EXPECT_EQ(QString::fromUtf8(lignes[1]).trimmed(), QStringLiteral("fréq. (Hz),Partie réelle,Partie imaginaire"));
    TClasseurOOXML relu;
    relu.Ouvre(Chemin);
    for (int ligne = 3; ligne <= 402; ++ligne) {
        const QList<QByteArray> champs = lignes[ligne - 1].trimmed().split(',');
        ASSERT_EQ(champs.size(), 3) << ligne;
        for (int col = 1; col <= 3; ++col) {
            const double ecrit = relu.TexteCellule(3, ligne, col).toDouble();
            EXPECT_NEAR(champs[col - 1].toDouble(), ecrit, 1e-12 * std::max(1.0, std::abs(ecrit))) << ligne;
        }
    }
}

}
