// The help drawing: the two side projections with corner letters and the angle marks α and β.
#include "app/frmHelp.h"

#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace {
constexpr double k_Larghezza = 560;
constexpr double k_Altezza = 300;
constexpr double k_RaggioArco = 28;

double direzione(QPointF da, QPointF a) { return std::atan2(a.y() - da.y(), a.x() - da.x()); }

QPointF polare(QPointF centro, double raggio, double angolo)
{
    return centro + QPointF(raggio * std::cos(angolo), raggio * std::sin(angolo));
}

// An angle mark of two short lines from direction `da` to direction `a`, with its letter.
void segnaAngolo(QPainter &pittore, QPointF vertice, double da, double a, const QString &lettera)
{
    const double meta = (da + a) / 2;
    pittore.drawLine(polare(vertice, k_RaggioArco, da), polare(vertice, k_RaggioArco, meta));
    pittore.drawLine(polare(vertice, k_RaggioArco, meta), polare(vertice, k_RaggioArco, a));
    const QPointF centroLettera = polare(vertice, k_RaggioArco + 14, meta);
    pittore.drawText(QRectF(centroLettera - QPointF(10, 10), QSizeF(20, 20)), Qt::AlignCenter, lettera);
}

void lettera(QPainter &pittore, QPointF angolo, QPointF scarto, const QString &testo)
{
    const QPointF centro = angolo + scarto;
    pittore.drawText(QRectF(centro - QPointF(10, 10), QSizeF(20, 20)), Qt::AlignCenter, testo);
}

void disegnaProiezione(QPainter &pittore, const ProiezioneHelp &p, double centroX)
{
    pittore.drawText(QRectF(centroX - 130, 10, 260, 24), Qt::AlignCenter, p.titolo);
    pittore.drawLine(p.A, p.B);
    pittore.drawLine(p.A, p.C);
    pittore.drawLine(p.B, p.D);
    pittore.drawLine(p.C, p.D);
    lettera(pittore, p.A, QPointF(-12, 10), QStringLiteral("A"));
    lettera(pittore, p.B, QPointF(12, 10), QStringLiteral("B"));
    lettera(pittore, p.C, QPointF(-12, -10), QStringLiteral("C"));
    lettera(pittore, p.D, QPointF(12, -10), QStringLiteral("D"));
    // Screen angles grow clockwise: the inner angle at A runs from AC to AB, at B from BA to BD.
    segnaAngolo(pittore, p.A, direzione(p.A, p.C), direzione(p.A, p.B), QStringLiteral("α"));
    const double versoA = direzione(p.B, p.A);
    double versoD = direzione(p.B, p.D);
    if (versoD < 0)
        versoD += 2 * M_PI;
    segnaAngolo(pittore, p.B, versoD, versoA + (versoA < 0 ? 2 * M_PI : 0), QStringLiteral("β"));
}

class DisegnoHelp final : public QWidget {
public:
    explicit DisegnoHelp(QWidget *parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("disegnoHelp"));
        setFixedSize(int(k_Larghezza), int(k_Altezza));
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter pittore(this);
        pittore.fillRect(rect(), Qt::white);
        pittore.setRenderHint(QPainter::Antialiasing);
        pittore.setPen(QPen(Qt::black, 1.5));
        QFont carattere(QStringLiteral("Arial"));
        carattere.setPointSizeF(10);
        pittore.setFont(carattere);
        pittore.drawLine(QPointF(k_Larghezza / 2, 0), QPointF(k_Larghezza / 2, k_Altezza)); // Line17
        disegnaProiezione(pittore, frmHelp::TroncoDiCono(), k_Larghezza / 4);
        disegnaProiezione(pittore, frmHelp::TroncoDiCilindro(), 3 * k_Larghezza / 4);
    }
};
} // namespace

const ProiezioneHelp &frmHelp::TroncoDiCono()
{
    static const ProiezioneHelp cono{QStringLiteral("Tronco di Cono"), QPointF(40, 250), QPointF(240, 250),
                                     QPointF(90, 120), QPointF(195, 80)};
    return cono;
}

const ProiezioneHelp &frmHelp::TroncoDiCilindro()
{
    static const ProiezioneHelp cilindro{QStringLiteral("Tronco di Cilindro"), QPointF(310, 250), QPointF(450, 250),
                                         QPointF(380, 110), QPointF(520, 110)};
    return cilindro;
}

frmHelp::frmHelp(QWidget *parent) : QWidget(parent, Qt::Dialog), cmdEsci(new QPushButton(QStringLiteral("&Esci"), this))
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("Help - Drenvik"));
    setAttribute(Qt::WA_DeleteOnClose);
    cmdEsci->setObjectName(QStringLiteral("cmdEsci"));
    auto *colonna = new QVBoxLayout(this);
    colonna->addWidget(new DisegnoHelp(this));
    colonna->addWidget(cmdEsci, 0, Qt::AlignRight);
    connect(cmdEsci, &QPushButton::clicked, this, &frmHelp::cmdEsci_Click);
}

void frmHelp::cmdEsci_Click() { close(); }
