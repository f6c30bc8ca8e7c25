#pragma once
// Tailles et dates des fichiers listés par les dialogues d'ouverture et d'enregistrement.
#include <QIdentityProxyModel>

class QFileDialog;

// Le modèle des fichiers écrit tailles et dates dans la langue du système, souvent l'anglais
// (« 0 bytes », « KiB », mois anglais), et garde la taille vue à la création d'un fichier,
// 0 pour un fichier encore vide. Ici, les deux sont en français et relues à chaque affichage.
// L'objet est enfant du dialogue, qui s'en sert comme intermédiaire de ses vues.
class TInfosFichiersFrancais : public QIdentityProxyModel {
public:
    explicit TInfosFichiersFrancais(QFileDialog& dialogue);

    QVariant data(const QModelIndex& index, int role) const override;
};
