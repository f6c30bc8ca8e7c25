// L'export remplit le classeur comme un utilisateur l'attend : chaque échantillon présent, une
// ligne vide seulement à un saut de phase, les lieux de l'abaque à leurs colonnes, les axes des
// graphiques aux échelles de l'écran, l'unité de temps lisible.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <complex>
#include <functional>
#include <string>

#include "ClasseurEnregistreur.h"
#include "PolynomesSaisis.h"
#include "SeparateurImpose.h"
#include "coeur/Analyse.h"
#include "coeur/ExportTableur.h"

namespace {

// Un document et ce que la fenêtre garde de son dernier tracé, que l'export relit.
struct TDocumentEtTrace : TDocument {
    TDocumentEtTrace(TDocument doc) : TDocument(std::move(doc)) {}
    TEchellesFrequentielles Echelles;
    TValeursTemporelles Valeurs;
};


using C = TCelluleEnregistree;

TDocumentEtTrace Analyse(std::initializer_list<Reel> n, std::initializer_list<Reel> d)
{
    TDocumentEtTrace doc = DocumentInitial();
    doc.Systeme.Numerateur = PolynomeDeCoefs(n);
    doc.Systeme.Denominateur = PolynomeDeCoefs(d);
    AnalyseApresSaisieCoeur(doc, [](const std::string&) {});
    return doc;
}

// N/D tracé de 0,01 à 100 Hz.
TDocumentEtTrace DeCentiemeACent(std::initializer_list<Reel> n, std::initializer_list<Reel> d, TTypeDiagramme type,
                          bool symetrique)
{
    TDocumentEtTrace doc = Analyse(n, d);
    doc.TypeDiagramme = type;
    doc.PhaseSymetrique = symetrique;
    TEchellesFrequentielles& e = doc.Echelles;
    e.FreqMin = 0.01L;
    e.FreqMax = 100;
    e.LogFreqMin = -2;
    e.LogFreqMax = 2;
    return doc;
}

// 1/(p+1)³ : sa phase passe -180° vers 0,28 Hz.
TDocumentEtTrace TroisPoles(TTypeDiagramme type, bool symetrique)
{
    TDocumentEtTrace doc = DeCentiemeACent({1}, {1, 3, 3, 1}, type, symetrique);
    TEchellesFrequentielles& e = doc.Echelles;
    e.GainMin = -120;
    e.GainMax = 20;
    e.PhaseMin = symetrique ? -180 : -360;
    e.PhaseMax = symetrique ? 180 : 0;
    e.ReelMin = -1;
    e.ReelMax = 1.5L;
    e.ImMin = -1;
    e.ImMax = 0.5L;
    return doc;
}

struct TExport {
    TClasseurEnregistreur Classeur;
    int Pas = 0;
};

void Exporte(TExport& x, const TDocumentEtTrace& doc)
{
    ExporteDiagramme(x.Classeur, doc, doc.Echelles, [&x] { ++x.Pas; });
}

bool LigneVide(const TClasseurEnregistreur& c, int feuille, int ligne)
{
    for (int col = 1; col <= 3; ++col) {
        const C* cellule = c.Cellule(feuille, ligne, col);
        if (!cellule || cellule->Sorte != C::Videe)
            return false;
    }
    return true;
}

// Lignes des échantillons et lignes vides, de la ligne 3 jusqu'à la première sans rien.
struct TLignes {
    std::vector<int> Echantillons;
    std::vector<int> Vides;
};

TLignes Lignes(const TClasseurEnregistreur& c, int feuille)
{
    TLignes l;
    for (int ligne = 3;; ++ligne) {
        if (c.Nombre(feuille, ligne, 1))
            l.Echantillons.push_back(ligne);
        else if (LigneVide(c, feuille, ligne))
            l.Vides.push_back(ligne);
        else
            return l;
    }
}

struct TCasSaut {
    bool Symetrique;
    std::size_t LignesVides;
};

class ExportBode : public testing::TestWithParam<TCasSaut> {};

TEST_P(ExportBode, UneLigneVideAChaqueSautEtTousLesEchantillons)
{
    TDocumentEtTrace doc = TroisPoles(TTypeDiagramme::Bode, GetParam().Symetrique);
    TExport x;
    x.Classeur.Titres[1] = {QStringLiteral("Gain"), QStringLiteral("Phase")};
    Exporte(x, doc);

    EXPECT_EQ(x.Classeur.FeuillesActivees, std::vector<int>{1});
    EXPECT_EQ(x.Classeur.Texte(1, 2, 1), QStringLiteral("fréq. (Hz)"));
    EXPECT_EQ(x.Classeur.Texte(1, 2, 2), QStringLiteral("gain (dB)"));
    EXPECT_EQ(x.Classeur.Texte(1, 2, 3), QStringLiteral("phase (°)"));
    const TLignes l = Lignes(x.Classeur, 1);
    ASSERT_EQ(l.Echantillons.size(), 400u);
    ASSERT_EQ(l.Vides.size(), GetParam().LignesVides);
    EXPECT_NEAR(double(*x.Classeur.Nombre(1, 3, 1)), 0.01, 1e-15);
    EXPECT_NEAR(double(*x.Classeur.Nombre(1, l.Echantillons.back(), 1)), 100, 1e-10);
    for (std::size_t k = 1; k < l.Echantillons.size(); ++k)
        EXPECT_GT(*x.Classeur.Nombre(1, l.Echantillons[k], 1), *x.Classeur.Nombre(1, l.Echantillons[k - 1], 1));
    for (const int vide : l.Vides) {
        const Reel avant = *x.Classeur.Nombre(1, vide - 1, 3);
        const Reel apres = *x.Classeur.Nombre(1, vide + 1, 3);
        EXPECT_GT(std::abs(avant - apres), 300) << "ligne vide " << vide;
    }
    // Le gain de 1/(p+1)³, calculé à la main à chaque fréquence écrite.
    for (const int ligne : l.Echantillons) {
        const Reel w = 2 * 3.14159265358979323846L * *x.Classeur.Nombre(1, ligne, 1);
        EXPECT_NEAR(double(*x.Classeur.Nombre(1, ligne, 2)), double(-30 * std::log10(1 + w * w)), 1e-9) << ligne;
    }
    EXPECT_EQ(x.Pas, 400);
    EXPECT_EQ(x.Pas, EtapesExportDiagramme(doc, doc.Echelles));
}

INSTANTIATE_TEST_SUITE_P(Plages, ExportBode,
                         testing::Values(TCasSaut{true, 1}, TCasSaut{false, 0}));

// Phase de H(jω) suivie pas à pas entre deux fréquences, sans jamais sauter : de combien
// elle tourne vraiment de f1 à f2.
double RotationPhase(const std::function<std::complex<double>(double)>& h, double f1, double f2)
{
    constexpr int Pas = 400;
    double rotation = 0;
    std::complex<double> avant = h(f1);
    for (int k = 1; k <= Pas; ++k) {
        const std::complex<double> apres = h(f1 * std::pow(f2 / f1, double(k) / Pas));
        rotation += std::arg(apres / avant);
        avant = apres;
    }
    return rotation * 180 / 3.14159265358979323846;
}

// (p+1)(p+2) / (p(p² + 0,4p + 25)) : sa phase chute de 180° en quelques échantillons vers
// 0,8 Hz ; 25 / (p² + 0,01p + 25) la fait chuter de presque 180° d'un échantillon au suivant.
// Le graphique ne doit se couper qu'où la phase écrite passe d'un bord à l'autre de sa
// plage, jamais au milieu de la chute.
struct TCasChute {
    std::initializer_list<Reel> N;
    std::initializer_list<Reel> D;
    std::function<std::complex<double>(std::complex<double>)> H;
    double ChuteMin;  // plus forte rotation attendue entre deux échantillons voisins
};

TEST(ExportBode, LigneVideAuxSeulsPassagesDUnBordALAutre)
{
    const TCasChute cas[] = {
        {{2, 3, 1}, {0, 25, 0.4L, 1}, [](std::complex<double> p) { return (p + 1.0) * (p + 2.0) / (p * (p * p + 0.4 * p + 25.0)); }, 30},
        {{25}, {25, 0.01L, 1}, [](std::complex<double> p) { return 25.0 / (p * p + 0.01 * p + 25.0); }, 120}};
    for (const TCasChute& k : cas)
        for (const bool symetrique : {false, true}) {
            const auto h = [&k](double f) { return k.H({0, 2 * 3.14159265358979323846 * f}); };
            TDocumentEtTrace doc = DeCentiemeACent(k.N, k.D, TTypeDiagramme::Bode, symetrique);
            TExport x;
            Exporte(x, doc);
            const TClasseurEnregistreur& c = x.Classeur;
            const TLignes l = Lignes(c, 1);
            ASSERT_EQ(l.Echantillons.size(), 400u);
            double chute = 0;
            for (std::size_t i = 1; i < l.Echantillons.size(); ++i) {
                const int avant = l.Echantillons[i - 1];
                const int apres = l.Echantillons[i];
                const double ecrit = double(*c.Nombre(1, apres, 3) - *c.Nombre(1, avant, 3));
                const double vrai = RotationPhase(h, double(*c.Nombre(1, avant, 1)), double(*c.Nombre(1, apres, 1)));
                chute = std::max(chute, std::abs(vrai));
                // Sans ligne vide, la phase écrite a tourné comme la vraie ; avec, d'un tour de plus ou de moins.
                const double tours = apres - avant == 2 ? 360 : 0;
                EXPECT_NEAR(std::abs(ecrit - vrai), tours, 1e-6) << "ligne " << apres << (symetrique ? " symétrique" : "");
            }
            EXPECT_GT(chute, k.ChuteMin) << "la chute doit être raide entre deux échantillons";
        }
}

TEST(ExportBode, AxesDesDeuxGraphiquesAuxEchellesDeLEcran)
{
    TDocumentEtTrace doc = TroisPoles(TTypeDiagramme::Bode, true);
    TExport x;
    x.Classeur.Titres[1] = {QStringLiteral("Gain"), QStringLiteral("Phase")};
    Exporte(x, doc);
    const TClasseurEnregistreur& c = x.Classeur;
    EXPECT_EQ(c.Reglage(1, 1, 2, TReglageAxe::Maximum), Reel(20));
    EXPECT_EQ(c.Reglage(1, 1, 2, TReglageAxe::Minimum), Reel(-120));
    EXPECT_EQ(c.Reglage(1, 1, 1, TReglageAxe::Minimum), Reel(0.01L));
    EXPECT_EQ(c.Reglage(1, 1, 1, TReglageAxe::Maximum), Reel(100));
    EXPECT_EQ(c.Reglage(1, 2, 1, TReglageAxe::Minimum), Reel(0.01L));
    EXPECT_EQ(c.Reglage(1, 2, 2, TReglageAxe::Minimum), Reel(-180));
    EXPECT_EQ(c.Reglage(1, 2, 2, TReglageAxe::Maximum), Reel(180));
}

TEST(ExportBode, ModeleAUnSeulGraphiqueRecoitLesDonneesSansReglage)
{
    TDocumentEtTrace doc = TroisPoles(TTypeDiagramme::Bode, false);
    TExport x;
    x.Classeur.Titres[1] = {QStringLiteral("Gain et phase")};
    Exporte(x, doc);
    EXPECT_EQ(Lignes(x.Classeur, 1).Echantillons.size(), 400u);
    EXPECT_TRUE(x.Classeur.Reglages.empty());
}

struct TCasTitres {
    std::vector<QString> Titres;
    int Gain;   // graphique réglé en gain, 0 pour aucun
    int Phase;
};

class TitresBode : public testing::TestWithParam<TCasTitres> {};

TEST_P(TitresBode, LeDernierGraphiqueNommeEstRegleLesAutresRestentIntacts)
{
    TDocumentEtTrace doc = TroisPoles(TTypeDiagramme::Bode, false);
    TExport x;
    x.Classeur.Titres[1] = GetParam().Titres;
    Exporte(x, doc);
    const TClasseurEnregistreur& c = x.Classeur;
    for (int g = 1; g <= int(GetParam().Titres.size()); ++g) {
        const bool regle = g == GetParam().Gain || g == GetParam().Phase;
        EXPECT_EQ(c.ReglagesDuGraphique(1, g), regle ? 4 : 0) << "graphique " << g;
    }
    if (GetParam().Gain)
        EXPECT_EQ(c.Reglage(1, GetParam().Gain, 2, TReglageAxe::Maximum), Reel(20));
    if (GetParam().Phase)
        EXPECT_EQ(c.Reglage(1, GetParam().Phase, 2, TReglageAxe::Minimum), Reel(-360));
}

INSTANTIATE_TEST_SUITE_P(
    Titres, TitresBode,
    testing::Values(TCasTitres{{QStringLiteral("COURBE DU GAIN"), QStringLiteral("Courbe 2"),
                                QStringLiteral("Argument")},
                               1, 3},
                    TCasTitres{{QStringLiteral("Gain"), QStringLiteral("le gain"), QStringLiteral("PHASE")}, 2, 3},
                    TCasTitres{{QStringLiteral("Module"), QStringLiteral("Courbe"), QStringLiteral("gAiN")}, 0, 0},
                    TCasTitres{{QStringLiteral("déphasage"), QStringLiteral("argument (°)")}, 0, 2}));

// Le point (ψ, g) en boucle ouverte a en boucle fermée à retour unitaire le gain attendu.
Reel GainFerme(Reel phase, Reel gain)
{
    const Reel m = std::pow(Reel(10), gain / 20);
    const Reel a = phase * 3.14159265358979323846L / 180;
    const Reel re = m * std::cos(a);
    const Reel im = m * std::sin(a);
    return 20 * std::log10(m / std::hypot(1 + re, im));
}

Reel PhaseFermee(Reel phase, Reel gain)
{
    const Reel m = std::pow(Reel(10), gain / 20);
    const Reel a = phase * 3.14159265358979323846L / 180;
    const Reel re = m * std::cos(a);
    const Reel im = m * std::sin(a);
    // arg T - arg(1 + T), ramené dans ]-180, 180].
    Reel d = (a - std::atan2(im, 1 + re)) * 180 / 3.14159265358979323846L;
    while (d > 180)
        d -= 360;
    while (d <= -180)
        d += 360;
    return d;
}

TEST(ExportBlack, LieuxDeLAbaqueDansLeursColonnesAvecLeursEtiquettes)
{
    const SeparateurImpose point('.');
    TDocumentEtTrace doc = TroisPoles(TTypeDiagramme::Black, false);
    doc.AbaqueGains = {6, 0, -3};
    doc.AbaquePhases = {-30, -90};
    doc.Echelles.AbaqueVisible = true;
    TExport x;
    x.Classeur.Titres[2] = {QStringLiteral("Diagramme de Black")};
    Exporte(x, doc);
    const TClasseurEnregistreur& c = x.Classeur;

    EXPECT_EQ(c.FeuillesActivees, std::vector<int>{2});
    EXPECT_EQ(c.Texte(2, 3, 12), QStringLiteral("6.0 dB"));
    EXPECT_EQ(c.Texte(2, 3, 14), QStringLiteral("0.0 dB"));
    EXPECT_EQ(c.Texte(2, 3, 16), QStringLiteral("-3.0 dB"));
    EXPECT_EQ(c.Texte(2, 3, 18), QStringLiteral("-30 °"));
    EXPECT_EQ(c.Texte(2, 3, 20), QStringLiteral("-90 °"));
    for (int ligne = 1; ligne <= 210; ++ligne)
        EXPECT_EQ(c.Cellule(2, ligne, 21), nullptr) << "rien après les 5 lieux, ligne " << ligne;

    // À -3 dB le lieu est régulier : son premier tronçon, de -0,001° à -10°, est entier.
    for (int s = 0; s <= 19; ++s) {
        EXPECT_TRUE(c.Nombre(2, 4 + s, 15)) << "ligne " << 4 + s;
        EXPECT_TRUE(c.Nombre(2, 200 - s, 15)) << "ligne " << 200 - s;
    }
    const Reel gains[] = {6, 0, -3};
    for (int m = 0; m < 3; ++m) {
        const int col = 11 + 2 * m;
        EXPECT_EQ(c.Cellule(2, 102, col), nullptr) << "le lieu et son miroir sont séparés";
        for (int ligne = 4; ligne <= 200; ++ligne) {
            const std::optional<Reel> psi = c.Nombre(2, ligne, col);
            const std::optional<Reel> g = c.Nombre(2, ligne, col + 1);
            ASSERT_EQ(psi.has_value(), g.has_value());
            if (!psi)
                continue;
            EXPECT_NEAR(double(GainFerme(*psi, *g)), double(gains[m]), 1e-6) << "ligne " << ligne << " col " << col;
            EXPECT_LE(*psi, 0);
            EXPECT_GE(*psi, -360);
        }
        // Le miroir : même gain, phase symétrique par rapport à -180°.
        for (int s = 0; s <= 77; ++s) {
            ASSERT_TRUE(c.Nombre(2, 24 + s, col)) << s;
            EXPECT_NEAR(double(*c.Nombre(2, 180 - s, col)), double(-360 - *c.Nombre(2, 24 + s, col)), 1e-9);
            EXPECT_EQ(*c.Nombre(2, 180 - s, col + 1), *c.Nombre(2, 24 + s, col + 1));
        }
    }
    const Reel phases[] = {-30, -90};
    for (int q = 0; q < 2; ++q) {
        const int col = 17 + 2 * q;
        for (int k = 0; k <= 99; ++k) {
            ASSERT_TRUE(c.Nombre(2, 4 + k, col)) << k;
            EXPECT_NEAR(double(PhaseFermee(*c.Nombre(2, 4 + k, col), *c.Nombre(2, 4 + k, col + 1))),
                        double(phases[q]), 1e-6);
            EXPECT_NEAR(double(*c.Nombre(2, 105 + k, col)), double(-360 - *c.Nombre(2, 4 + k, col)), 1e-9);
        }
    }
    EXPECT_EQ(c.Reglage(2, 1, 1, TReglageAxe::Minimum), Reel(-360));
    EXPECT_EQ(c.Reglage(2, 1, 1, TReglageAxe::Maximum), Reel(0));
    EXPECT_EQ(c.Reglage(2, 1, 2, TReglageAxe::Maximum), Reel(20));
    EXPECT_EQ(Lignes(c, 2).Echantillons.size(), 100u);
    EXPECT_EQ(x.Pas, 105);
    EXPECT_EQ(x.Pas, EtapesExportDiagramme(doc, doc.Echelles));
}

TEST(ExportBlack, SansAbaqueAucunLieu)
{
    TDocumentEtTrace doc = TroisPoles(TTypeDiagramme::Black, true);
    doc.AbaqueGains = {6, 0, -3};
    doc.AbaquePhases = {-30};
    doc.Echelles.AbaqueVisible = false;
    TExport x;
    Exporte(x, doc);
    for (const auto& [cle, cellule] : x.Classeur.Cellules)
        EXPECT_LE(std::get<2>(cle), 3);
    EXPECT_EQ(x.Pas, 100);
    EXPECT_EQ(EtapesExportDiagramme(doc, doc.Echelles), 100);
    EXPECT_EQ(Lignes(x.Classeur, 2).Vides.size(), 1u) << "la phase passe -180° en plage symétrique";
}

TEST(ExportNyquist, QuatreCentsEchantillonsSansLigneVide)
{
    TDocumentEtTrace doc = TroisPoles(TTypeDiagramme::Nyquist, true);
    TExport x;
    x.Classeur.Titres[3] = {QStringLiteral("Nyquist")};
    Exporte(x, doc);
    const TClasseurEnregistreur& c = x.Classeur;
    EXPECT_EQ(c.Texte(3, 2, 2), QStringLiteral("Partie réelle"));
    EXPECT_EQ(c.Texte(3, 2, 3), QStringLiteral("Partie imaginaire"));
    const TLignes l = Lignes(c, 3);
    EXPECT_EQ(l.Echantillons.size(), 400u);
    EXPECT_TRUE(l.Vides.empty());
    for (const int ligne : l.Echantillons) {
        const std::complex<double> p(0, 2 * 3.14159265358979323846 * double(*c.Nombre(3, ligne, 1)));
        const std::complex<double> h = 1.0 / ((p + 1.0) * (p + 1.0) * (p + 1.0));
        EXPECT_NEAR(double(*c.Nombre(3, ligne, 2)), h.real(), 1e-12) << ligne;
        EXPECT_NEAR(double(*c.Nombre(3, ligne, 3)), h.imag(), 1e-12) << ligne;
    }
    EXPECT_EQ(c.Reglage(3, 1, 1, TReglageAxe::Maximum), Reel(1.5L));
    EXPECT_EQ(c.Reglage(3, 1, 2, TReglageAxe::Minimum), Reel(-1));
}

// Des bornes gardées telles que les échelles automatiques les ont calculées, à un bruit près :
// le graphique montre -0,05 et 0,25 comme l'écran, pas -0,0499999999.
TEST(ExportNyquist, BornesDesAxesRondesCommeALEcran)
{
    TDocumentEtTrace doc = TroisPoles(TTypeDiagramme::Nyquist, true);
    TEchellesFrequentielles& e = doc.Echelles;
    e.ReelMin = -0.05L * (1 - 3e-9L);
    e.ReelMax = 0.25L * (1 + 2e-10L);
    e.ImMin = -1.5e-7L * (1 + 4e-9L);
    e.ImMax = 2.5e-8L;
    TExport x;
    x.Classeur.Titres[3] = {QStringLiteral("Nyquist")};
    Exporte(x, doc);
    const TClasseurEnregistreur& c = x.Classeur;
    EXPECT_EQ(double(*c.Reglage(3, 1, 1, TReglageAxe::Minimum)), -0.05);
    EXPECT_EQ(double(*c.Reglage(3, 1, 1, TReglageAxe::Maximum)), 0.25);
    EXPECT_EQ(double(*c.Reglage(3, 1, 2, TReglageAxe::Minimum)), -1.5e-7);
    EXPECT_EQ(double(*c.Reglage(3, 1, 2, TReglageAxe::Maximum)), 2.5e-8);
}

// 1/(p+1), échelon de 0 à 2 : sortie 2(1 - e^-t).
TDocumentEtTrace PremierOrdre(TTypeReponse type, Reel pasTemps)
{
    TDocumentEtTrace doc = Analyse({1}, {1, 1});
    doc.TypeReponse = type;
    TValeursTemporelles& v = doc.Valeurs;
    v.ConsI = 0;
    v.ConsF = 2;
    v.Pente = 3;
    v.UniteSortie = QStringLiteral("V");
    v.PasTemps = pasTemps;
    v.TMinTrace = -pasTemps;
    v.TMaxTrace = 10 * pasTemps;
    v.YMinTrace = -0.5L;
    v.YMaxTrace = 2.5L;
    v.PasSortie = 0.5L;
    return doc;
}

struct TCasTemps {
    Reel PasTemps;
    QString Unite;
    Reel Facteur;
    // Le pas dans l'unité écrite, Mantisse x 10^Exposant : les instants attendus se lisent
    // en décimal, comme un tableur les lirait.
    int Mantisse;
    int Exposant;

    double Decimal(long long mantisse, int exposant) const
    {
        const std::string texte = std::to_string(mantisse) + "e" + std::to_string(exposant);
        double v = 0;
        std::from_chars(texte.data(), texte.data() + texte.size(), v);
        return v;
    }
    double Graduation() const { return Decimal(Mantisse, Exposant); }
    // Instant j : j millièmes de 10 graduations.
    double Instant(int j) const { return Decimal(static_cast<long long>(j) * Mantisse, Exposant - 2); }
};

class ExportReponse : public testing::TestWithParam<TCasTemps> {};

TEST_P(ExportReponse, TempsDansLUniteDeLaGraduation)
{
    const TCasTemps cas = GetParam();
    TDocumentEtTrace doc = PremierOrdre(TTypeReponse::Indicielle, cas.PasTemps);
    TClasseurEnregistreur c;
    c.Titres[1] = {QStringLiteral("Réponse")};
    int pas = 0;
    ExporteReponse(c, doc, doc.Valeurs, [&pas] { ++pas; });
    const QString temps = QStringLiteral("t (") + cas.Unite + QStringLiteral(")");
    EXPECT_EQ(c.Texte(1, 2, 1), temps);
    EXPECT_EQ(c.Texte(1, 2, 2), QStringLiteral("entrée"));
    EXPECT_EQ(c.Texte(1, 2, 3), QStringLiteral("sortie"));
    EXPECT_EQ((c.TitresAxes[{1, 1, 1}]), temps);
    EXPECT_EQ((c.TitresAxes[{1, 1, 2}]), QStringLiteral("entrée et réponse (V)"));
    EXPECT_EQ(double(*c.Reglage(1, 1, 1, TReglageAxe::Graduation)), cas.Graduation());
    EXPECT_EQ(double(*c.Reglage(1, 1, 1, TReglageAxe::Minimum)), -cas.Graduation());
    EXPECT_EQ(double(*c.Reglage(1, 1, 1, TReglageAxe::Maximum)), cas.Instant(1000));
    EXPECT_EQ(c.Reglage(1, 1, 2, TReglageAxe::Minimum), Reel(-0.5L));
    EXPECT_EQ(c.Reglage(1, 1, 2, TReglageAxe::Maximum), Reel(2.5L));
    EXPECT_EQ(c.Reglage(1, 1, 2, TReglageAxe::Graduation), Reel(0.5L));
    EXPECT_EQ(pas, 1001);
    EXPECT_FALSE(c.Nombre(1, 1004, 1));
    for (int ligne = 3; ligne <= 1003; ++ligne) {
        ASSERT_TRUE(c.Nombre(1, ligne, 1)) << ligne;
        const Reel t = *c.Nombre(1, ligne, 1) / cas.Facteur;
        EXPECT_EQ(*c.Nombre(1, ligne, 2), t <= 0 ? 0 : 2) << ligne;
        const Reel attendue = t <= 0 ? 0 : 2 * (1 - std::exp(-t));
        EXPECT_NEAR(double(*c.Nombre(1, ligne, 3)), double(attendue), 1e-9) << ligne;
    }
    // Le temps part de 0 et tombe sur des instants ronds : le millième de 10 graduations,
    // tel que le tableur l'écrit (0,01 et non 0,0099999999).
    for (int j = 0; j <= 1000; ++j)
        ASSERT_EQ(double(*c.Nombre(1, 3 + j, 1)), cas.Instant(j)) << j;
}

INSTANTIATE_TEST_SUITE_P(Unites, ExportReponse,
                         testing::Values(TCasTemps{0.005L, QStringLiteral("ms"), 1000, 5, 0},
                                         TCasTemps{100, QStringLiteral("s"), 1, 1, 2},
                                         TCasTemps{2e-7L, QStringLiteral("µs"), 1e6L, 2, -1},
                                         TCasTemps{1e-20L, QStringLiteral("fs"), 1e15L, 1, -5}));

TEST(ExportReponse, RampeSurLaDeuxiemeFeuille)
{
    TDocumentEtTrace doc = PremierOrdre(TTypeReponse::Rampe, 1);
    TClasseurEnregistreur c;
    ExporteReponse(c, doc, doc.Valeurs, [] {});
    EXPECT_EQ(c.FeuillesActivees, std::vector<int>{2});
    // La dernière ligne tombe sur la fin de l'échelle, 10 s.
    const Reel t = *c.Nombre(2, 1003, 1);
    EXPECT_EQ(t, 10);
    EXPECT_NEAR(double(*c.Nombre(2, 1003, 2)), double(3 * t), 1e-12);
    // Rampe de pente 3 dans 1/(p+1) : 3(t - 1 + e^-t).
    EXPECT_NEAR(double(*c.Nombre(2, 1003, 3)), double(3 * (t - 1 + std::exp(-t))), 1e-9);
    EXPECT_TRUE(c.Reglages.empty()) << "aucun graphique dans ce classeur";
}

TEST(ExportReponse, EchellesJamaisTraceesRefusees)
{
    TDocumentEtTrace doc = PremierOrdre(TTypeReponse::Indicielle, 1);
    doc.Valeurs.TMaxTrace = doc.Valeurs.TMinTrace;
    TClasseurEnregistreur c;
    EXPECT_THROW(ExporteReponse(c, doc, doc.Valeurs, [] {}), TErreurClasseur);
    EXPECT_TRUE(c.Cellules.empty());
}

}
