#include "ApplicationKovra.h"

#include <exception>

#include "Messages.h"

namespace {

// Le texte de l'erreur, quand elle en a un, suit la phrase française.
QString MessageErreurImprevue(const char* texte)
{
    const QString debut = QStringLiteral("Erreur : l'opération en cours est interrompue.");
    if (texte == nullptr || *texte == '\0')
        return debut;
    return debut + QStringLiteral("\n") + QString::fromLocal8Bit(texte);
}

} // namespace

TApplicationKovra::TApplicationKovra(int& argc, char** argv) : QApplication(argc, argv)
{
}

bool TApplicationKovra::notify(QObject* destinataire, QEvent* evenement)
{
    try {
        return QApplication::notify(destinataire, evenement);
    } catch (const std::exception& erreur) {
        AfficheMessage(MessageErreurImprevue(erreur.what()));
    } catch (...) {
        AfficheMessage(MessageErreurImprevue(nullptr));
    }
    return false;
}
