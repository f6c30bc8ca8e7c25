#include "TextesMarges.h"

namespace {

QString Nombre(Reel x, int chiffres) { return QString::fromStdString(NombreEnTexte(x, chiffres)); }

QString Marge(const std::optional<Reel>& marge, const char* unite, int chiffres)
{
    return marge ? Nombre(*marge, chiffres) + QStringLiteral(" ") + QString::fromUtf8(unite) : QStringLiteral("infinie");
}

QString AvecFrequence(const char* nom, const std::optional<Reel>& marge, Reel w, const char* unite, int chiffres)
{
    if (!marge)
        return QString::fromUtf8(nom) + QStringLiteral(" infinie");
    return QString::fromUtf8(nom) + QStringLiteral(" = ") + Marge(marge, unite, chiffres) + QStringLiteral(" à ") +
           Nombre(w / DeuxPi, chiffres) + QStringLiteral(" Hz");
}

}  // namespace

const TMarges& MargesDuDocument(TDocument& doc)
{
    if (!doc.Marges)
        doc.Marges = CalculeMarges(doc.Numerateur, doc.Denominateur, doc.TempsMort);
    return *doc.Marges;
}

QString TexteMargeGain(const TMarges& m, int chiffres)
{
    return AvecFrequence("MG", m.MargeGain, m.PulsationMargeGain, "dB", chiffres);
}

QString TexteMargePhase(const TMarges& m, int chiffres)
{
    return AvecFrequence("MP", m.MargePhase, m.PulsationMargePhase, "°", chiffres);
}

QString LigneMargesEtude(const TMarges& m, int chiffres)
{
    return QStringLiteral("Marge de gain : ") + Marge(m.MargeGain, "dB", chiffres) +
           QStringLiteral("   Marge de phase : ") + Marge(m.MargePhase, "°", chiffres);
}
