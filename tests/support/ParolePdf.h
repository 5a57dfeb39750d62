// Words of a PDF page with the top-left corners of their boxes, in points, read by poppler.
#pragma once

#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QString>

struct Parola {
    double xMin, yMin;
};

// Through pdftotext -bbox; a word met twice keeps its last box.
inline QMap<QString, Parola> ParoleDelPdf(const QString &pdf, int pagina = 1)
{
    QProcess p;
    const QString numero = QString::number(pagina);
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-f"), numero, QStringLiteral("-l"), numero,
                                          QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    QMap<QString, Parola> parole;
    static const QRegularExpression re(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"[\\d.]+\" yMax=\"[\\d.]+\">([^<]*)</word>"));
    for (auto it = re.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        parole.insert(m.captured(3), {m.captured(1).toDouble(), m.captured(2).toDouble()});
    }
    return parole;
}
