// Export vers le modèle de diagrammes par le vrai classeur, jusqu'au fichier écrit : Bode, et
// Black avec l'abaque de Nichols aux listes de démarrage (23 gains, 19 phases).
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "coeur/Analyse.h"
#include "coeur/ClasseurOOXML.h"
#include "coeur/ExportTableur.h"
#include "coeur/FichiersExport.h"

namespace {

const QString Modele = QStringLiteral(KOVRA_FICHIERS "/modèle diagrammes.xlsx");

// 10 (1 + 0,5 p) / (1 + p)^4 avec un retard de 0,05 s, tracé de 0,001 à 1000 Hz.
TDocument Document(TTypeDiagramme type)
{
    TDocument doc = DocumentInitial();
    doc.Systeme.Numerateur = InitPolynomeValide();
    doc.Systeme.Numerateur.Degre = 1;
    doc.Systeme.Numerateur.Coef[0] = ComplexeReel(10);
    doc.Systeme.Numerateur.Coef[1] = ComplexeReel(5);
    doc.Systeme.Denominateur = InitPolynomeValide();
    doc.Systeme.Denominateur.Degre = 4;
    const Reel binome[] = {1, 4, 6, 4, 1};
    for (int k = 0; k <= 4; ++k)
        doc.Systeme.Denominateur.Coef[k] = ComplexeReel(binome[k]);
    doc.Systeme.TempsMort = 0.05L;
    AnalyseApresSaisieCoeur(doc, [](const std::string&) {});
    doc.TypeDiagramme = type;
    return doc;
}

// Les échelles que la fenêtre aurait gardées de son tracé.
TEchellesFrequentielles Echelles()
{
    TEchellesFrequentielles e;
    e.FreqMin = 0.001L;
    e.FreqMax = 1000;
    e.LogFreqMin = -3;
    e.LogFreqMax = 3;
    e.GainMin = -60;
    e.GainMax = 30;
    e.PhaseMin = -360;
    e.PhaseMax = 0;
    e.AbaqueVisible = true;
    return e;
}

void Exporte(benchmark::State& etat, TTypeDiagramme type)
{
    QTemporaryDir dossier;
    const QString copie = CheminCopieDeTravail(Modele, dossier.path() + QStringLiteral("/"));
    const TDocument doc = Document(type);
    const TEchellesFrequentielles echelles = Echelles();
    for (auto _ : etat) {
        if (!CopieModele(Modele, copie)) {
            etat.SkipWithError("modèle absent");
            return;
        }
        TClasseurOOXML classeur;
        classeur.Ouvre(copie);
        ExporteDiagramme(classeur, doc, echelles, [] {});
        classeur.Enregistre();
    }
    etat.counters["octets"] = double(QFile(copie).size());
}

void ExportBode(benchmark::State& etat)
{
    Exporte(etat, TTypeDiagramme::Bode);
}
BENCHMARK(ExportBode)->Unit(benchmark::kMillisecond);

void ExportBlackAbaque(benchmark::State& etat)
{
    Exporte(etat, TTypeDiagramme::Black);
}
BENCHMARK(ExportBlackAbaque)->Unit(benchmark::kMillisecond);

}
