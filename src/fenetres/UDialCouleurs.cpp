#include "UDialCouleurs.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <optional>

#include "NomsComposants.h"
#include "coeur/Document.h"

namespace {

QFont PoliceArial(int pixels)
{
    QFont police(QStringLiteral("Arial"));
    police.setPixelSize(pixels);
    return police;
}

QFont PoliceTitre()
{
    QFont police = PoliceTimes(16, true);
    police.setBold(true);
    return police;
}

void Colore(QWidget* controle, const QColor& couleur)
{
    QPalette palette = controle->palette();
    palette.setColor(QPalette::WindowText, couleur);
    controle->setPalette(palette);
}

// Entier décimal de 0 à 255, blancs autour permis.
std::optional<int> Composante(const QString& texte)
{
    bool lu = false;
    const int valeur = texte.trimmed().toInt(&lu, 10);
    if (!lu || valeur < 0 || valeur > 255)
        return std::nullopt;
    return valeur;
}

constexpr int HauteurRangee = 15;

} // namespace

TBoiteDialogueCouleurs::TBoiteDialogueCouleurs(TDocument& document, QWidget* parent)
    : TDialogueVerifie(898, 580, QStringLiteral("Choix des couleurs"), parent), document_(document)
{
    QFont police(QStringLiteral("Arial"));
    police.setPointSize(8);
    setFont(police);
    CreeControles();
    geometrie_ = GeometrieSelecteur(Label3->pos(), Bevel1->geometry(), EditR->geometry(), EditB->geometry());
    for (const TElementCouleur& element : document_.SchemaCouleurs)
        ListeElements->addItem(element.Libelle);
    for (int i = 0; i < ListeElements->count(); ++i)
        ListeElements->item(i)->setSizeHint(QSize(0, HauteurRangee));
    ListeElements->setCurrentRow(ElementChoisi);
    SchemaProvisoire = document_.SchemaCouleurs;
    AfficheRVB();
    setMouseTracking(true);

    // Le clavier change la rangée ; un clic sur la rangée déjà choisie y revient aussi.
    connect(ListeElements, &QListWidget::currentRowChanged, this, &TBoiteDialogueCouleurs::ListeElementsClick);
    connect(ListeElements, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ListeElementsClick(ListeElements->row(item)); });
    connect(UneDefaut, &QPushButton::clicked, this, &TBoiteDialogueCouleurs::UneDefautClick);
    connect(TouteDefaut, &QPushButton::clicked, this, &TBoiteDialogueCouleurs::TouteDefautClick);
    connect(OKCouleur, &QPushButton::clicked, this, &TBoiteDialogueCouleurs::OKCouleurClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(BtnAccepter, &QPushButton::clicked, this, &QDialog::accept);
    for (QLineEdit* champ : {EditR, EditV, EditB})
        SurveilleSortie(champ);
}

void TBoiteDialogueCouleurs::CreeControles()
{
    const QFont titre = PoliceTitre();
    AjouteCadreBiseaute(QRect(16, 16, 289, 433));
    AjouteLabel(QStringLiteral("Choisir un élément :"), 74, 24, titre, CouleurSarcelle);
    ListeElements = new QListWidget(this);
    ListeElements->setGeometry(32, 58, 255, 364);
    ListeElements->setFont(PoliceArial(12));
    ListeElements->setUniformItemSizes(true);

    Bevel1 = AjouteCadreBiseaute(QRect(328, 16, 153, 129));
    AjouteLabel(QStringLiteral("Couleur actuelle :"), 342, 24, titre, CouleurSarcelle);
    UneDefaut = AjouteBouton(QStringLiteral("Cette valeur par défaut"), 328, 321, 153, 32);
    TouteDefaut = AjouteBouton(QStringLiteral("Toutes Valeurs par défaut"), 328, 364, 153, 32);
    OKCouleur = AjouteBouton(QStringLiteral("Valider le choix de couleur"), 328, 407, 153, 32);

    Label3 = AjouteLabel(QStringLiteral("Choisir une couleur"), 526, 24, titre, CouleurSarcelle);
    AjouteCadreBiseaute(QRect(528, 320, 256, 113));
    const char* noms[] = {"R", "V", "B"};
    QLineEdit** champs[] = {&EditR, &EditV, &EditB};
    for (int i = 0; i < 3; ++i) {
        AjouteLabel(QString::fromLatin1(noms[i]), 552, 336 + 32 * i, PoliceArial(16), CouleurSarcelle);
        *champs[i] = AjouteChamp(600, 336 + 32 * i, 57, 22);
    }

    ImprCoul = new QCheckBox(QStringLiteral("Impression en couleurs"), this);
    ImprCoul->setGeometry(77, 475, 182, 17);
    ImprCoul->setLayoutDirection(Qt::RightToLeft);
    ImprCoul->setFont(PoliceTimes(17, false));
    Colore(ImprCoul, CouleurSarcelle);

    CancelBtn = AjouteBouton(QStringLiteral("Annuler"), 328, 470, 153, 45);
    BtnAccepter = AjouteBouton(QStringLiteral("Accepter et Sortir"), 576, 470, 185, 45);
    BtnAccepter->setDefault(true);
    NommeComposants(this, QStringLiteral("BoiteDialogueCouleurs"),
                    {{ListeElements, "ListeElements"}, {Bevel1, "Bevel1"}, {Label3, "Label3"},
                     {UneDefaut, "UneDefaut"}, {TouteDefaut, "TouteDefaut"}, {OKCouleur, "OKCouleur"},
                     {EditR, "EditR"}, {EditV, "EditV"}, {EditB, "EditB"}, {ImprCoul, "ImprCoul"},
                     {CancelBtn, "CancelBtn"}, {BtnAccepter, "BtnAccepter"}});
}

void TBoiteDialogueCouleurs::Active()
{
    SchemaProvisoire = document_.SchemaCouleurs;
    ImprCoul->setChecked(document_.ImpressionCouleur);
    CouleurEnCours = CouleurDe(document_.SchemaCouleurs, document_.SchemaCouleurs[ElementChoisi].Cle);
    CouleurTemoin = CouleurEnCours;
    SuiviActif = true;
    AfficheRVB();
    update();
}

void TBoiteDialogueCouleurs::done(int resultat)
{
    if (resultat == Accepted) {
        document_.SchemaCouleurs = SchemaProvisoire;
        document_.ImpressionCouleur = ImprCoul->isChecked();
    }
    TDialogueVerifie::done(resultat);
    if (resultat == Accepted)
        emit CouleursAcceptees();
}

void TBoiteDialogueCouleurs::AfficheRVB()
{
    EditR->setText(QString::number(ValeurR));
    EditV->setText(QString::number(ValeurV));
    EditB->setText(QString::number(ValeurB));
}

void TBoiteDialogueCouleurs::LitRVB()
{
    ValeurR = Composante(EditR->text()).value_or(ValeurR);
    ValeurV = Composante(EditV->text()).value_or(ValeurV);
    ValeurB = Composante(EditB->text()).value_or(ValeurB);
    CouleurTemoin = ComposeRVB(ValeurR, ValeurV, ValeurB);
}

void TBoiteDialogueCouleurs::MontreCouleurEnCours(quint32 couleur)
{
    CouleurEnCours = couleur;
    update(geometrie_.CouleurEnCours);
}

void TBoiteDialogueCouleurs::MontreTemoin()
{
    update(geometrie_.Temoin);
}

void TBoiteDialogueCouleurs::ChangeBleu(int bleu)
{
    ValeurB = bleu;
    update(geometrie_.PlaceGrille());
    update(geometrie_.PlacePointeur());
}

void TBoiteDialogueCouleurs::RedessineSelecteur(quint32 couleur)
{
    CouleurTemoin = couleur;
    int bleu = 0;
    DecomposeRVB(CouleurTemoin, ValeurR, ValeurV, bleu);
    ChangeBleu(bleu);
    AfficheRVB();
    MontreTemoin();
}

void TBoiteDialogueCouleurs::ListeElementsClick(int rangee)
{
    if (rangee < 0 || rangee >= NbElementsCouleur)
        return;
    ElementChoisi = rangee;
    // La couleur en vigueur à l'ouverture, pas celle de la copie de travail.
    MontreCouleurEnCours(document_.SchemaCouleurs[rangee].Couleur);
    RedessineSelecteur(CouleurEnCours);
}

void TBoiteDialogueCouleurs::UneDefautClick()
{
    const quint32 defaut = SchemaDefaut()[ElementChoisi].Couleur;
    SchemaProvisoire[ElementChoisi].Couleur = defaut;
    MontreCouleurEnCours(defaut);
    RedessineSelecteur(defaut);
}

void TBoiteDialogueCouleurs::TouteDefautClick()
{
    SchemaProvisoire = SchemaDefaut();
    MontreCouleurEnCours(SchemaProvisoire[ElementChoisi].Couleur);
    RedessineSelecteur(CouleurEnCours);
}

void TBoiteDialogueCouleurs::OKCouleurClick()
{
    // Le bouton ne prend pas le focus : une composante tapée et pas encore quittée compte.
    QWidget* const focus = focusWidget();
    for (QLineEdit* champ : {EditR, EditV, EditB})
        if (champ == focus)
            ChampQuitte(champ);
    SchemaProvisoire[ElementChoisi].Couleur = CouleurTemoin;
    MontreCouleurEnCours(CouleurTemoin);
}

int& TBoiteDialogueCouleurs::ComposanteDe(QLineEdit* champ)
{
    if (champ == EditR)
        return ValeurR;
    if (champ == EditV)
        return ValeurV;
    return ValeurB;
}

void TBoiteDialogueCouleurs::ChampQuitte(QLineEdit* champ)
{
    int& valeur = ComposanteDe(champ);
    const std::optional<int> lue = Composante(champ->text());
    if (!lue) {
        champ->setText(QString::number(valeur));
        return;
    }
    const int bleuAvant = ValeurB;
    LitRVB();
    MontreTemoin();
    // La grille suit le bleu tapé tout de suite : sinon la souris y lirait d'autres couleurs
    // que celles montrées.
    if (ValeurB != bleuAvant)
        ChangeBleu(ValeurB);
}

void TBoiteDialogueCouleurs::SourisDeplacee(QPoint position)
{
    if (!geometrie_.DansGrille(position) || !SuiviActif) {
        unsetCursor();
        return;
    }
    setCursor(Qt::CrossCursor);
    ValeurR = position.y() - geometrie_.Grille.y();
    ValeurV = position.x() - geometrie_.Grille.x();
    AfficheRVB();
    CouleurTemoin = ComposeRVB(ValeurR, ValeurV, ValeurB);
    MontreTemoin();
}

void TBoiteDialogueCouleurs::SourisEnfoncee(QPoint position, Qt::MouseButton bouton)
{
    if (bouton == Qt::RightButton) {
        SuiviActif = false;
        return;
    }
    if (geometrie_.DansGrille(position))
        SuiviActif = true;
    if (!geometrie_.DansBande(position) || !SuiviActif)
        return;
    ChangeBleu(position.y() - geometrie_.Grille.y());
    EditB->setText(QString::number(ValeurB));
    CouleurTemoin = ComposeRVB(ValeurR, ValeurV, ValeurB);
    MontreTemoin();
}

void TBoiteDialogueCouleurs::Molette(QPoint position, int delta)
{
    if (!geometrie_.DansBande(position) || !SuiviActif)
        return;
    const int pas = int(std::nearbyint(double(delta) / 100.0));
    ChangeBleu(std::clamp(ValeurB - pas, 0, 255));
    CouleurTemoin = ComposeRVB(ValeurR, ValeurV, ValeurB);
    EditB->setText(QString::number(ValeurB));
    MontreTemoin();
}

void TBoiteDialogueCouleurs::paintEvent(QPaintEvent* evenement)
{
    // L'image de la grille n'est refaite qu'à un changement de bleu.
    if (evenement->region().intersects(geometrie_.PlaceGrille())) {
        ++tracesGrille_;
        if (bleuGrille_ != ValeurB) {
            RemplitGrille(grille_, ValeurB);
            bleuGrille_ = ValeurB;
        }
    }
    QPainter p(this);
    DessineSelecteur(p, evenement->region(), geometrie_, {CouleurEnCours, CouleurTemoin, ValeurB}, grille_,
                     palette().color(QPalette::Window));
}

void TBoiteDialogueCouleurs::mouseMoveEvent(QMouseEvent* evenement)
{
    SourisDeplacee(evenement->position().toPoint());
}

void TBoiteDialogueCouleurs::mousePressEvent(QMouseEvent* evenement)
{
    SourisEnfoncee(evenement->position().toPoint(), evenement->button());
}

void TBoiteDialogueCouleurs::wheelEvent(QWheelEvent* evenement)
{
    // La position est déjà dans la surface du dialogue, quel que soit le cadre de la fenêtre.
    Molette(evenement->position().toPoint(), evenement->angleDelta().y());
    evenement->accept();
}
