#include "FichierDonnees.h"

#include <QFile>
#include <QList>
#include <QStringList>
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <locale>
#include <sstream>
#include <string>
#include <utility>

#include "EcritureFichier.h"
#include "numerique/Laguerre.h"
#include "numerique/RacinesStockees.h"

namespace {

const QByteArray EnTete = QByteArrayLiteral("Kovra 1.8.0");
// Bloc facultatif après la dernière phase de l'abaque : un lecteur qui s'arrête là ne le voit pas.
const QByteArray MarqueCorrecteur = QByteArrayLiteral("Correcteur");
constexpr Reel TCorrecteur::*ChampsCorrecteur[] = {&TCorrecteur::K, &TCorrecteur::Ti, &TCorrecteur::Td, &TCorrecteur::N,
                                                   &TCorrecteur::A, &TCorrecteur::B,  &TCorrecteur::Tau};
constexpr qint64 CouleurMax = 0xFFFFFF;

QString ChaineFichier(const QString& chemin)
{
    return QStringLiteral("« %1 »").arg(chemin);
}

// Premier mot de la ligne : ce qui suit un blanc est ignoré, mais un mot mal formé est refusé.
std::string_view PremierMot(const QByteArray& ligne)
{
    const std::string_view t(ligne.constData(), std::size_t(ligne.size()));
    const std::size_t debut = t.find_first_not_of(" \t");
    if (debut == std::string_view::npos)
        return {};
    const std::size_t fin = t.find_first_of(" \t", debut);
    return t.substr(debut, fin == std::string_view::npos ? std::string_view::npos : fin - debut);
}

// from_chars ne connaît pas le « + » initial ; « +-1 » reste refusé.
bool SansPlus(std::string_view& mot)
{
    if (mot.size() > 1 && mot.front() == '+') {
        mot.remove_prefix(1);
        return mot.front() != '-' && mot.front() != '+';
    }
    return true;
}

bool LitEntierPoint(std::string_view mot, qint64& valeur)
{
    if (!SansPlus(mot))
        return false;
    const auto [fin, erreur] = std::from_chars(mot.data(), mot.data() + mot.size(), valeur);
    return !mot.empty() && erreur == std::errc() && fin == mot.data() + mot.size();
}

// Le programme écrit chaque réel avec 14 décimales et un exposant signé de 4 chiffres. Après une
// telle mantisse, un exposant plus court est celui d'un fichier coupé : « E+00 » se lirait sans
// bruit comme un autre nombre.
bool ExposantCoupe(std::string_view mot)
{
    constexpr std::size_t Decimales = 14;
    constexpr std::size_t ChiffresExposant = 4;
    const auto chiffre = [](char c) { return c >= '0' && c <= '9'; };
    if (!mot.empty() && (mot.front() == '-' || mot.front() == '+'))
        mot.remove_prefix(1);
    if (mot.size() < Decimales + 3 || !chiffre(mot[0]) || mot[1] != '.'
        || !std::all_of(mot.begin() + 2, mot.begin() + 2 + Decimales, chiffre)
        || (mot[Decimales + 2] != 'E' && mot[Decimales + 2] != 'e'))
        return false;
    mot.remove_prefix(Decimales + 3);
    if (!mot.empty() && (mot.front() == '-' || mot.front() == '+'))
        mot.remove_prefix(1);
    return mot.size() < ChiffresExposant;
}

class TLecteur {
public:
    explicit TLecteur(const QByteArray& contenu) : lignes_(contenu.split('\n'))
    {
        // Un fichier terminé par une fin de ligne n'a pas de ligne vide en plus.
        if (!lignes_.isEmpty() && lignes_.last().isEmpty())
            lignes_.removeLast();
    }

    int NumeroLigne() const { return numero_; }
    bool Fini() const { return numero_ >= lignes_.size(); }
    const QString& Raison() const { return raison_; }
    int LigneFautive() const { return ligneFautive_; }

    bool Refuse(const QString& raison, int ligne)
    {
        raison_ = raison;
        ligneFautive_ = ligne;
        return false;
    }

    bool Ligne(QByteArray& ligne)
    {
        if (numero_ >= lignes_.size())
            return Refuse(QStringLiteral("fin du fichier atteinte trop tôt"), numero_ + 1);
        ligne = lignes_[numero_++];
        if (ligne.endsWith('\r'))
            ligne.chop(1);
        return true;
    }

    // Le premier mot de la ligne suivante, lu par `lire`.
    template <typename T>
    bool Valeur(T& valeur, bool (*lire)(std::string_view, T&))
    {
        QByteArray ligne;
        if (!Ligne(ligne))
            return false;
        const std::string_view mot = PremierMot(ligne);
        if (ExposantCoupe(mot))
            return Refuse(QStringLiteral("exposant incomplet, fichier coupé"), numero_);
        if (!lire(mot, valeur))
            return Refuse(QStringLiteral("nombre illisible"), numero_);
        return true;
    }

    bool Entier(qint64& n) { return Valeur(n, LitEntierPoint); }
    bool Nombre(Reel& x) { return Valeur(x, LitReelPoint); }

    bool EntierBorne(int& n, qint64 min, qint64 max, const QString& horsLimites)
    {
        qint64 lu = 0;
        if (!Entier(lu))
            return false;
        if (lu < min || lu > max)
            return Refuse(horsLimites, numero_);
        n = int(lu);
        return true;
    }

    bool Complexe(TComplexe& z) { return Nombre(z.Re) && Nombre(z.Im); }

    bool Drapeau(bool& b)
    {
        QByteArray ligne;
        if (!Ligne(ligne))
            return false;
        b = ligne.startsWith('O');
        return true;
    }

    // Drapeau de la plage des phases ; un « C » à sa suite choisit la phase continue, que les
    // lecteurs qui ne lisent que la première lettre prennent pour la plage de -360° à 0.
    bool DrapeauPhases(bool& symetrique, bool& continue_)
    {
        QByteArray ligne;
        if (!Ligne(ligne))
            return false;
        symetrique = ligne.startsWith('O');
        continue_ = ligne.size() > 1 && ligne[1] == 'C';
        return true;
    }

private:
    QList<QByteArray> lignes_;
    int numero_ = 0;
    QString raison_;
    int ligneFautive_ = 0;
};

// Les multiplicités conservées servent d'indices : leur nombre, chacune au moins 1, somme = degré.
bool VerifieMultiplicites(TLecteur& l, const TPolynome& p, int ligneNombre)
{
    const QString raison = QStringLiteral("multiplicités incohérentes");
    const int nombre = p.Multiplicites[0];
    if (nombre < 0 || nombre > p.Degre || (nombre == 0 && p.Degre > 0))
        return l.Refuse(raison, ligneNombre);
    int somme = 0;
    for (int i = 1; i <= nombre; ++i) {
        if (p.Multiplicites[i] < 1)
            return l.Refuse(raison, ligneNombre + i);
        somme += p.Multiplicites[i];
    }
    if (somme != p.Degre)
        return l.Refuse(raison, ligneNombre + nombre);
    return true;
}

bool LitPolynome(TLecteur& l, TPolynome& p)
{
    p = InitPolynome();
    if (!l.EntierBorne(p.Degre, 0, DegreMax, QStringLiteral("degré hors des limites (0 à %1)").arg(DegreMax)))
        return false;
    for (int i = 0; i <= p.Degre; ++i)
        if (!l.Complexe(p.Coef[i]))
            return false;
    for (int i = 0; i <= p.Degre; ++i)
        if (!l.Complexe(p.Racines[i]))
            return false;
    const int ligneNombre = l.NumeroLigne() + 1;
    for (int i = 0; i <= p.Degre; ++i) {
        qint64 m = 0;
        if (!l.Entier(m))
            return false;
        if (m < -DegreMax || m > DegreMax)
            return l.Refuse(QStringLiteral("multiplicités incohérentes"), l.NumeroLigne());
        p.Multiplicites[i] = int(m);
    }
    if (!l.Drapeau(p.CoefsValides) || !l.Drapeau(p.RacinesValides))
        return false;
    return !p.RacinesValides || VerifieMultiplicites(l, p, ligneNombre);
}

bool LitListe(TLecteur& l, std::vector<Reel>& valeurs)
{
    int nombre = 0;
    if (!l.EntierBorne(nombre, 0, NbValeursAbaqueMax,
                       QStringLiteral("nombre de valeurs hors des limites (0 à %1)").arg(NbValeursAbaqueMax)))
        return false;
    valeurs.assign(std::size_t(nombre), 0);
    for (Reel& v : valeurs)
        if (!l.Nombre(v))
            return false;
    return true;
}

// Après l'abaque, ce qui n'est pas le bloc du correcteur reste ignoré, comme avant lui.
bool LitCorrecteur(TLecteur& l, std::optional<TCorrecteur>& c)
{
    QByteArray ligne;
    if (l.Fini() || !l.Ligne(ligne) || ligne != MarqueCorrecteur)
        return true;
    if (!l.Ligne(ligne))
        return false;
    const std::optional<TTypeCorrecteur> type = TypeCorrecteurDuNom(ligne.toStdString());
    if (!type)
        return l.Refuse(QStringLiteral("type de correcteur inconnu"), l.NumeroLigne());
    TCorrecteur lu;
    lu.Type = *type;
    for (Reel TCorrecteur::*champ : ChampsCorrecteur)
        if (!l.Nombre(lu.*champ))
            return false;
    if (const std::string refus = RefusCorrecteur(lu); !refus.empty())
        return l.Refuse(QStringLiteral("correcteur refusé (%1)").arg(QString::fromStdString(refus)), l.NumeroLigne());
    c = lu;
    return true;
}

// Ce que le fichier contient : lu à part, le document n'est touché qu'une fois tout accepté (et
// sans copier ce que l'analyse y tient).
struct TContenuFichier {
    TPolynome Numerateur = InitPolynome();
    TPolynome Denominateur = InitPolynome();
    Reel TempsMort = 0;
    std::array<quint32, NbElementsCouleur> Couleurs{};
    bool ImpressionCouleur = false;
    bool PhaseSymetrique = false;
    bool PhaseContinue = false;
    std::vector<Reel> AbaqueGains;
    std::vector<Reel> AbaquePhases;
    std::optional<TCorrecteur> Correcteur;
};

bool LitDocument(TLecteur& l, TContenuFichier& doc)
{
    QByteArray enTete;
    if (!l.Ligne(enTete) || !LitPolynome(l, doc.Numerateur) || !LitPolynome(l, doc.Denominateur))
        return false;
    if (!l.Nombre(doc.TempsMort))
        return false;
    if (doc.TempsMort < 0)
        return l.Refuse(QStringLiteral("temps mort négatif"), l.NumeroLigne());
    for (quint32& element : doc.Couleurs) {
        qint64 couleur = 0;
        if (!l.Entier(couleur))
            return false;
        if (couleur < 0 || couleur > CouleurMax)
            return l.Refuse(QStringLiteral("couleur hors des limites (0 à %1)").arg(CouleurMax), l.NumeroLigne());
        element = quint32(couleur);
    }
    return l.Drapeau(doc.ImpressionCouleur) && l.DrapeauPhases(doc.PhaseSymetrique, doc.PhaseContinue)
           && LitListe(l, doc.AbaqueGains) && LitListe(l, doc.AbaquePhases) && LitCorrecteur(l, doc.Correcteur);
}

void Remplace(TDocument& doc, TContenuFichier&& lu)
{
    doc.Systeme.Numerateur = lu.Numerateur;
    doc.Systeme.Denominateur = lu.Denominateur;
    doc.Systeme.TempsMort = lu.TempsMort;
    for (int i = 0; i < NbElementsCouleur; ++i)
        doc.SchemaCouleurs[std::size_t(i)].Couleur = lu.Couleurs[std::size_t(i)];
    doc.ImpressionCouleur = lu.ImpressionCouleur;
    doc.PhaseSymetrique = lu.PhaseSymetrique;
    doc.PhaseContinue = lu.PhaseContinue;
    doc.AbaqueGains = std::move(lu.AbaqueGains);
    doc.AbaquePhases = std::move(lu.AbaquePhases);
    doc.Correcteur = lu.Correcteur;
}

// 23 caractères : signe ou blanc, un chiffre, ".", 14 chiffres, "E", signe, 4 chiffres.
QByteArray ReelFichier(Reel x)
{
    if (x == 0)
        x = 0;  // -0 s'écrit comme 0
    char tampon[64];
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, std::fabs(x), std::chars_format::scientific, 14);
    const std::string_view t(tampon, std::size_t(r.ptr - tampon));
    const std::size_t e = t.find('e');
    const int exposant = std::stoi(std::string(t.substr(e + 1)));
    return (x < 0 ? QByteArrayLiteral("-") : QByteArrayLiteral(" ")) + QByteArray(t.data(), qsizetype(e)) + 'E'
           + (exposant < 0 ? '-' : '+') + QByteArray::number(std::abs(exposant)).rightJustified(4, '0');
}

class TEcrivain {
public:
    void Ligne(const QByteArray& ligne) { texte_ += ligne + "\r\n"; }
    void Entier(qint64 n) { Ligne(QByteArray::number(n)); }
    void Drapeau(bool b) { Ligne(b ? "O" : "N"); }
    void Nombre(Reel x)
    {
        if (!std::isfinite(x)) {
            finis_ = false;
            return;
        }
        Ligne(ReelFichier(x));
    }
    void Complexe(TComplexe z)
    {
        Nombre(z.Re);
        Nombre(z.Im);
    }
    const QByteArray& Texte() const { return texte_; }
    bool TousFinis() const { return finis_; }

private:
    QByteArray texte_;
    bool finis_ = true;
};

void EcritPolynome(TEcrivain& e, const TPolynome& p)
{
    e.Entier(p.Degre);
    for (int i = 0; i <= p.Degre; ++i)
        e.Complexe(p.Coef[i]);
    for (int i = 0; i <= p.Degre; ++i)
        e.Complexe(p.Racines[i]);
    for (int i = 0; i <= p.Degre; ++i)
        e.Entier(p.Multiplicites[i]);
    e.Drapeau(p.CoefsValides);
    e.Drapeau(p.RacinesValides);
}

void EcritDocument(TEcrivain& e, const TDocument& doc)
{
    e.Ligne(EnTete);
    EcritPolynome(e, doc.Systeme.Numerateur);
    EcritPolynome(e, doc.Systeme.Denominateur);
    e.Nombre(doc.Systeme.TempsMort);
    for (const TElementCouleur& element : doc.SchemaCouleurs)
        e.Entier(element.Couleur);
    e.Drapeau(doc.ImpressionCouleur);
    e.Ligne(QByteArray(doc.PhaseSymetrique ? "O" : "N") + (doc.PhaseContinue ? "C" : ""));
    for (const std::vector<Reel>* liste : {&doc.AbaqueGains, &doc.AbaquePhases}) {
        e.Entier(qint64(liste->size()));
        for (Reel v : *liste)
            e.Nombre(v);
    }
    if (doc.Correcteur) {
        e.Ligne(MarqueCorrecteur);
        e.Ligne(NomTypeCorrecteur(doc.Correcteur->Type));
        for (Reel TCorrecteur::*champ : ChampsCorrecteur)
            e.Nombre((*doc.Correcteur).*champ);
    }
}

// from_chars refuse aussi les nombres sous la plus petite valeur normale, que l'analyse peut
// produire et donc écrire : ils se lisent à la valeur la plus proche, un dépassement par le
// haut reste refusé.
bool LitReelDenormalise(std::string_view mot, Reel& x)
{
    std::istringstream flot{std::string(mot)};
    flot.imbue(std::locale::classic());
    Reel lu = 0;
    flot >> lu;
    if (flot.fail() || !std::isfinite(lu) || std::fabs(lu) >= std::numeric_limits<Reel>::min())
        return false;
    x = lu == 0 ? 0 : lu;
    return true;
}

// Des racines que les coefficients démentent ne sont pas crues : elles seront recalculées.
bool RacinesDementies(TPolynome& p)
{
    if (!p.CoefsValides || !p.RacinesValides || RacinesConformes(p, ToleranceRacinesStockees))
        return false;
    p.RacinesValides = false;
    return true;
}

// Des racines crues sont les données, comme après une saisie par racines : les coefficients,
// arrondis à 15 chiffres ou absents, en sont refaits en précision étendue. Sans quoi les
// éléments simples d'une grappe suivraient l'arrondi des coefficients plutôt que les racines,
// et un polynôme sans coefficients valides n'aurait pas de réponse fréquentielle.
void CoefficientsDesRacines(TPolynome& p)
{
    if (!p.RacinesValides)
        return;
    // Les copies d'une racine multiple prennent la valeur de la première : la forme factorisée et
    // les coefficients refaits disent alors le même polynôme, même sans coefficients pour juger.
    for (int k = 1; k <= p.Multiplicites[0]; ++k) {
        const int premier = RangRacine(p, k);
        for (int i = premier + 1; i < premier + p.Multiplicites[k] && i <= p.Degre; ++i)
            p.Racines[i] = p.Racines[premier];
    }
    CoefsDepuisRacines(p);
}

bool PolynomeLuNul(const TPolynome& p)
{
    for (int k = 0; k <= p.Degre; ++k)
        if (!Egaux(p.Coef[k], {0, 0}))
            return false;
    return true;
}

} // namespace

bool LitReelPoint(std::string_view mot, Reel& x)
{
    if (!SansPlus(mot))
        return false;
    Reel lu = 0;
    const auto [fin, erreur] = std::from_chars(mot.data(), mot.data() + mot.size(), lu);
    if (mot.empty() || fin != mot.data() + mot.size())
        return false;
    if (erreur == std::errc::result_out_of_range)
        return LitReelDenormalise(mot, x);
    if (erreur != std::errc() || !std::isfinite(lu))
        return false;
    x = lu;
    return true;
}

bool LitFichierDonnees(const QString& chemin, TDocument& doc, QString& erreur, QString* avis)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly)) {
        erreur = QStringLiteral("Lecture impossible du fichier %1 : le fichier n'existe pas ou ne peut pas être ouvert.")
                     .arg(ChaineFichier(chemin));
        return false;
    }
    // Un octet de plus que la limite suffit à reconnaître un fichier trop long ou sans fin.
    const QByteArray contenu = fichier.read(TailleFichierDonneesMax + 1);
    if (fichier.error() != QFileDevice::NoError) {
        erreur = QStringLiteral("Lecture impossible du fichier %1 : le fichier ne peut pas être lu.")
                     .arg(ChaineFichier(chemin));
        return false;
    }
    if (contenu.size() > TailleFichierDonneesMax) {
        erreur = QStringLiteral("Lecture impossible du fichier %1 : le fichier dépasse 1 Mio, ce n'est pas un fichier de données.")
                     .arg(ChaineFichier(chemin));
        return false;
    }
    return LitContenuDonnees(contenu, chemin, doc, erreur, avis);
}

bool LitContenuDonnees(const QByteArray& contenu, const QString& chemin, TDocument& doc, QString& erreur, QString* avis)
{
    TLecteur lecteur(contenu);
    TContenuFichier lu;
    if (!LitDocument(lecteur, lu)) {
        erreur = QStringLiteral("Lecture impossible du fichier %1 : %2 à la ligne %3.")
                     .arg(ChaineFichier(chemin), lecteur.Raison())
                     .arg(lecteur.LigneFautive());
        return false;
    }
    const auto polynomes = {std::pair{&lu.Numerateur, "numérateur"}, std::pair{&lu.Denominateur, "dénominateur"}};
    QStringList recalcules;
    for (const auto& [p, nom] : polynomes)
        if (RacinesDementies(*p))
            recalcules << QString::fromUtf8(nom);
    for (const auto& [p, nom] : polynomes)
        CoefficientsDesRacines(*p);
    // Même refus que la boîte de saisie des coefficients : D nul ne définit aucune fonction.
    if (PolynomeLuNul(lu.Denominateur)) {
        erreur = QStringLiteral("Lecture impossible du fichier %1 : Le polynôme ne doit pas être nul (dénominateur).")
                     .arg(ChaineFichier(chemin));
        return false;
    }
    for (const auto& [p, nom] : polynomes)
        if (!p->RacinesValides && CalculeRacines(*p) != LaguerreReussi) {
            erreur = QStringLiteral("Lecture impossible du fichier %1 : les racines du %2 n'ont pas pu être calculées.")
                         .arg(ChaineFichier(chemin), QString::fromUtf8(nom));
            return false;
        }
    if (avis != nullptr)
        *avis = recalcules.isEmpty()
                    ? QString()
                    : QStringLiteral("Les racines du %1 enregistrées dans le fichier %2 ne correspondent pas à ses "
                                     "coefficients : elles ont été recalculées à partir des coefficients.")
                          .arg(recalcules.join(QStringLiteral(" et du ")), ChaineFichier(chemin));
    Remplace(doc, std::move(lu));
    doc.NomFichierDonnees = chemin;
    return true;
}

QByteArray TexteFichierDonnees(const TDocument& doc)
{
    TEcrivain ecrivain;
    EcritDocument(ecrivain, doc);
    return ecrivain.Texte();
}

bool EnregistreFichierDonnees(const QString& chemin, const TDocument& doc, QString& erreur)
{
    const QString debut = QStringLiteral("Enregistrement impossible du fichier %1 : ").arg(ChaineFichier(chemin));
    TEcrivain ecrivain;
    EcritDocument(ecrivain, doc);
    if (!ecrivain.TousFinis()) {
        erreur = debut + QStringLiteral("une valeur n'est pas un nombre fini.");
        return false;
    }
    QString raison;
    switch (EcritFichierEntier(chemin, ecrivain.Texte(), raison)) {
    case TEcritureFichier::Faite:
        return true;
    case TEcritureFichier::NonCree:
        erreur = debut + QStringLiteral("le fichier ne peut pas être créé.");
        return false;
    case TEcritureFichier::Inachevee:
        break;
    }
    erreur = debut + QStringLiteral("l'écriture a échoué.");
    return false;
}
