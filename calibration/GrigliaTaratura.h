// The test grid's printer over a QPrinter: recorded in page millimetres, printed by the same
// replay as every development.
#pragma once

#include "calibration/GrigliaProva.h"
#include "plot/ElencoVisualizzazione.h"

#include <QPainter>

#include <vector>

class QPrinter;

class StampanteQt final : public StampanteTwip {
public:
    explicit StampanteQt(QPrinter &stampante);
    ~StampanteQt() override;

    // Starts the document; false when the printer cannot be used.
    bool Apri();

    void Line(double x1, double y1, double x2, double y2, std::uint32_t colore) override;
    void Print(double x, double y, const QString &testo) override;
    void EndDoc() override;

private:
    QPrinter &m_stampante;
    QPainter m_pittore;
    std::vector<ElementoDisegno> m_elementi;
};

// The manager's "Stampa pagina di taratura": asks whether to print, lets the user choose the
// printer, prints the grid. Cancelling either step prints nothing; printer errors end silently.
void StampaPaginaTaratura();
