#pragma once
// Dialogues d'ouverture et d'enregistrement de fichiers : celui de Qt, en français, sans
// lire le type des entrées listées.
#include <QFileDialog>

QFileDialog* CreeDialogueFichier(QWidget* parent, const QString& titre, QFileDialog::AcceptMode mode,
                                 const QString& filtre, const QString& extension);
// Le chemin choisi, vide si l'utilisateur renonce.
QString ExecuteDialogueFichier(QFileDialog& dialogue);
