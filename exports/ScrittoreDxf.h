// A small writer of AutoCAD R12 ASCII DXF (AC1009): closed polylines, lines and single-line texts.
#pragma once

#include "geometry/SviluppoDenso.h"

#include <QByteArray>
#include <QString>

#include <utility>
#include <vector>

class ScrittoreDxf {
public:
    // A layer of the LAYER table, after "0", in the order declared.
    void Layer(const QString &nome, int colore);
    // One closed POLYLINE with its VERTEX entities and SEQEND; `bulge`, when given, holds for
    // each vertex the bulge of the segment leaving it (0 straight).
    void PolilineaChiusa(const std::vector<PuntoPiano> &vertici, const QString &layer,
                         const std::vector<double> &bulge = {});
    // One open POLYLINE of straight segments: a cut line that is no outline of its own.
    void PolilineaAperta(const std::vector<PuntoPiano> &vertici, const QString &layer);
    void Linea(PuntoPiano a, PuntoPiano b, const QString &layer);
    // A TEXT of height `altezza`, centred on `punto` or with its bottom left corner there; readers
    // show `testo` as it stands, but for control characters, written as "?".
    void Testo(const QString &testo, PuntoPiano punto, double altezza, bool centrato, const QString &layer);
    // HEADER (version, code page, millimetres, extents), TABLES, ENTITIES, EOF; Windows-1252.
    QByteArray Documento() const;

private:
    void gruppo(int codice, const QString &valore);
    void gruppo(int codice, double valore);
    void punto(int codiceX, PuntoPiano p);
    void estendi(double x, double y);
    void polilinea(const std::vector<PuntoPiano> &vertici, const QString &layer, const std::vector<double> &bulge,
                   bool chiusa);
    void sezione(const char *nome);
    void tabella(const char *nome, int voci);
    void layer(const QString &nome, int colore);
    void estendiArco(PuntoPiano a, PuntoPiano b, double bulge);
    void intestazione(const ScrittoreDxf &disegno); // with the extents of `disegno`
    void tabelle(const std::vector<std::pair<QString, int>> &layer);

    QString m_entita;
    std::vector<std::pair<QString, int>> m_layer;
    double m_minX = 0, m_minY = 0, m_maxX = 0, m_maxY = 0;
    bool m_vuoto = true;
};
