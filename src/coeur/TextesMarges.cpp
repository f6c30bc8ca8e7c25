#include "TextesMarges.h"

#include <cmath>

#include "TextesValeurs.h"

namespace {

QString Nombre(Reel x, int chiffres) { return QString::fromStdString(NombreEnTexte(x, chiffres)); }

// Demi-unité du dernier chiffre affiché, rapportée à la grandeur.
Reel ResolutionRelative(int chiffres) { return 0.5L * std::pow(10.0L, Reel(1 - chiffres)); }

struct TTexteMarge {
    const char* Unite;
    // Marge qui ne déplace la grandeur comparée (|H| = 1, phase de -180°) que sous la résolution.
    Reel (*Limite)(int chiffres);
};

const TTexteMarge MargeDeGain{"dB", [](int chiffres) { return 20 * std::log10(1 + ResolutionRelative(chiffres)); }};
const TTexteMarge MargeDePhase{"°", [](int chiffres) { return 180 * ResolutionRelative(chiffres); }};

// Une marge dans la résolution de l'affichage n'est que du bruit autour de 0 : la boucle est à la limite.
QString Marge(const std::optional<Reel>& marge, const TTexteMarge& t, int chiffres)
{
    if (!marge)
        return QStringLiteral("infinie");
    const QString unite = QStringLiteral(" ") + QString::fromUtf8(t.Unite);
    if (std::fabs(*marge) <= t.Limite(chiffres))
        return Nombre(0, chiffres) + unite + QStringLiteral(" (limite)");
    return Nombre(*marge, chiffres) + unite;
}

QString AvecFrequence(const char* nom, const std::optional<Reel>& marge, Reel w, const TTexteMarge& t, int chiffres)
{
    if (!marge)
        return QString::fromUtf8(nom) + QStringLiteral(" infinie");
    return QString::fromUtf8(nom) + QStringLiteral(" = ") + Marge(marge, t, chiffres) + QStringLiteral(" à ") +
           Nombre(w / DeuxPi, chiffres) + QStringLiteral(" Hz");
}

}  // namespace

const TMarges& MargesDuDocument(TDocument& doc)
{
    if (!doc.Marges)
        doc.Marges = CalculeMarges(doc.Systeme.Numerateur, doc.Systeme.Denominateur, doc.Systeme.TempsMort);
    return *doc.Marges;
}

QString TexteMargeGain(const TMarges& m, int chiffres)
{
    return AvecFrequence("MG", m.MargeGain, m.PulsationMargeGain, MargeDeGain, chiffres);
}

QString TexteMargePhase(const TMarges& m, int chiffres)
{
    return AvecFrequence("MP", m.MargePhase, m.PulsationMargePhase, MargeDePhase, chiffres);
}

QString LigneMargesEtude(const TMarges& m, int chiffres)
{
    return QStringLiteral("Marge de gain : ") + Marge(m.MargeGain, MargeDeGain, chiffres) +
           QStringLiteral("   Marge de phase : ") + Marge(m.MargePhase, MargeDePhase, chiffres);
}
