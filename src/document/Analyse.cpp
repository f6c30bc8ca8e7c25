#include "Analyse.h"

#include "../numerique/EchellesAuto.h"

const std::array<TChampEchelle, 14> ChampsEchellesAuto = {{
    {"FreqBasseAuto", &TEchellesAuto::FreqBasseAuto},   {"FreqHauteAuto", &TEchellesAuto::FreqHauteAuto},
    {"ReMinAuto", &TEchellesAuto::ReMinAuto},           {"ReMaxAuto", &TEchellesAuto::ReMaxAuto},
    {"ImMinAuto", &TEchellesAuto::ImMinAuto},           {"ImMaxAuto", &TEchellesAuto::ImMaxAuto},
    {"GainMinAuto", &TEchellesAuto::GainMinAuto},       {"GainMaxAuto", &TEchellesAuto::GainMaxAuto},
    {"TMaxAuto", &TEchellesAuto::TMaxAuto},             {"YMinIndicielle", &TEchellesAuto::YMinIndicielle},
    {"YMaxIndicielle", &TEchellesAuto::YMaxIndicielle}, {"RampeMin", &TEchellesAuto::RampeMin},
    {"RampeMax", &TEchellesAuto::RampeMax},             {"GainStat", &TEchellesAuto::GainStat},
}};

int AnalyseApresSaisieCoeur(TDocument& doc, const AvertissementRacine& avertir)
{
    SimplifieRacinesCommunes(doc, doc.ChiffresSignificatifs, avertir);
    doc.EtudeFaite = true;
    const int statut = DecomposeEnElementsSimples(doc.Numerateur, doc.Denominateur, doc.PartieEntiere,
                                                  doc.Decomposition);
    if (statut == DecompositionFaite)
        CalculeEchellesAuto(doc, doc);
    return statut;
}

TSysteme SystemeAvecRampe(const TDocument& doc)
{
    TSysteme s = doc;
    if (!s.SystemeStable) {
        s.SystemeStable = true;
        TEchellesAuto ignorees;
        CalculeEchellesAuto(s, ignorees);
    }
    return s;
}
