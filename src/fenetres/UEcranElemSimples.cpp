#include "UEcranElemSimples.h"

#include <QPainter>

#include "coeur/Document.h"
#include "trace/TraceElemSimples.h"

namespace {

const QSize TailleExterieure(538, 438);

}  // namespace

TEcranElemSimples::TEcranElemSimples(const TDocument& doc, QWidget* parent)
    : QWidget(parent, Qt::Window), doc_(doc)
{
    setObjectName(QStringLiteral("EcranElemSimples"));
    setWindowTitle(QStringLiteral("Décomposition en éléments simples"));
    resize(TailleExterieure);
}

void TEcranElemSimples::Affiche()
{
    show();
    raise();
    activateWindow();
    update();
}

void TEcranElemSimples::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    DessineElemSimples(p, rect(), doc_);
}

void TEcranElemSimples::showEvent(QShowEvent* evenement)
{
    QWidget::showEvent(evenement);
    // La taille donnée est celle de la fenêtre avec son cadre, connu seulement une fois montrée.
    if (!tailleExterieureFixee_) {
        tailleExterieureFixee_ = true;
        resize(TailleExterieure - (frameGeometry().size() - size()));
    }
}
