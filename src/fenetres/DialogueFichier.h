#pragma once
// Dialogues d'ouverture et d'enregistrement de fichiers : celui de Qt, en français, sans
// lire le type des entrées listées. Le dialogue ne demande rien avant de remplacer : c'est
// l'écriture qui le fait, sur le nom qu'elle écrira vraiment.
#include <QFileDialog>

QFileDialog* CreeDialogueFichier(QWidget* parent, const QString& titre, QFileDialog::AcceptMode mode,
                                 const QString& filtre, const QString& extension);
// Le chemin choisi, vide si l'utilisateur renonce.
QString ExecuteDialogueFichier(QFileDialog& dialogue);
// Vrai quand `chemin` n'existe pas, ou quand l'utilisateur accepte de le remplacer.
bool RemplacementAccepte(const QString& chemin);
// Dossier des documents de l'utilisateur, sinon son dossier personnel.
QString DossierDesDocuments();
