#pragma once
// Le document : une seule fonction de transfert étudiée à la fois, et tout ce qui l'accompagne.
#include <QString>
#include <vector>

#include "numerique/Correcteur.h"
#include "numerique/Marges.h"
#include "EtatEvans.h"
#include "numerique/Systeme.h"
#include "SchemaCouleurs.h"

enum class TTypeDiagramme { Aucun, Bode, Nyquist, Black, Evans };
enum class TTypeReponse { Aucune, Indicielle, Rampe, Impulsionnelle };

inline constexpr int NbValeursAbaqueMax = 30;

struct TDocument {
    TSysteme Systeme;            // la fonction étudiée et ce que l'analyse en tire
    TEchellesAuto EchellesAuto;  // échelles automatiques proposées par les dialogues
    bool EtudeFaite = false;
    bool SaisieDenominateur = false;
    QString NomFichierDonnees;
    QString DossierFichiers;
    QString DossierExport;  // dossier du dernier export posé, vide avant le premier
    int ChiffresSignificatifs = 4;
    TSchemaCouleurs SchemaCouleurs = SchemaDefaut();
    bool ImpressionCouleur = false;
    bool PhaseSymetrique = false;
    // Phase déroulée le long des fréquences, sans plage fixe ; prime sur PhaseSymetrique.
    bool PhaseContinue = false;
    std::vector<Reel> AbaqueGains;   // au plus NbValeursAbaqueMax valeurs, en dB
    std::vector<Reel> AbaquePhases;  // au plus NbValeursAbaqueMax valeurs, en degrés
    TTypeDiagramme TypeDiagramme = TTypeDiagramme::Aucun;
    TTypeReponse TypeReponse = TTypeReponse::Aucune;
    bool AbaqueVisible = false;  // l'abaque de Nichols sur le diagramme de Black
    bool MargesEtude = false;          // ligne des marges sous le verdict de l'étude
    std::optional<TMarges> Marges;     // calculées à la demande, oubliées à chaque analyse
    TEtatEvans Evans;
    std::optional<TCorrecteur> Correcteur;  // en série devant N/D ; absent, G est étudiée seule
};

// Valeurs de démarrage (le dossier des fichiers est fixé par l'application).
TDocument DocumentInitial();
