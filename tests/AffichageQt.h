#pragma once
// Les QString des messages d'échec s'affichent en clair.
#include <ostream>

#include <QString>

inline void PrintTo(const QString& texte, std::ostream* flot)
{
    *flot << '"' << texte.toStdString() << '"';
}
