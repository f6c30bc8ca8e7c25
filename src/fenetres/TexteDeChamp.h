#pragma once
// Texte écrit par le programme dans un champ de saisie.
class QLineEdit;
class QString;

// Le champ montre le début du texte : un nombre long garde son signe visible, au lieu d'être
// défilé jusqu'à ses derniers chiffres comme après un simple setText.
void EcritTexteDeChamp(QLineEdit& champ, const QString& texte);

// Le champ qui a le focus à l'ouverture du dialogue : tout son texte sélectionné, remplacé à la
// frappe, mais montré lui aussi depuis son début. Qt ne sélectionne plus ce qui l'est déjà.
void SelectionneDepuisLeDebut(QLineEdit& champ);
