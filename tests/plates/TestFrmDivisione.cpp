// The split window on the hopper: the best option preselected, its plates written to a real folder
// and read back by a reader of its own, the list printed to a real PDF, a bad field refused.
#include "plates/ui/frmDivisione.h"

#include "documents/ArchivioCommessa.h"
#include "documents/FileCommessa.h"
#include "geometry/TestiOfficina.h"
#include "plates/UsciteLamiere.h"
#include "tests/support/FileDiProva.h"
#include "tests/support/PiattaformaFinta.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

namespace {
FigureSviluppo tramoggia()
{
    FigureSviluppo f;
    f.Nome = QStringLiteral("Tramoggia");
    f.ImpostaChiusura(QStringLiteral("F"));
    ImpostaOfficina(f, {2000, 600, 1500, 0, 0});
    return f;
}

const std::vector<Lamiera> k_Stock = {
    {2000, 1000, 0, {}}, {2500, 1250, 0, {}}, {3000, 1500, 0, {}}, {4000, 2000, 0, {}}, {6000, 2000, 0, {}}};

// The layers of the closed polylines of a DXF, read pair by pair (group code, value).
QStringList stratiPolilinee(const QByteArray &dxf)
{
    const QList<QByteArray> righe = dxf.split('\n');
    QStringList strati;
    QByteArray entita, strato;
    for (qsizetype i = 0; i + 1 < righe.size(); i += 2) {
        const int codice = righe[i].trimmed().toInt();
        const QByteArray valore = righe[i + 1].trimmed();
        if (codice == 0)
            entita = valore;
        else if (codice == 8)
            strato = valore;
        else if (codice == 70 && entita == "POLYLINE" && (valore.toInt() & 1))
            strati << QString::fromLatin1(strato);
    }
    return strati;
}
} // namespace

class TestFrmDivisione : public QObject {
    Q_OBJECT

private slots:
    void miglioreScelteEdEsportata()
    {
        PiattaformaFinta piattaforma;
        const FigureSviluppo figure = tramoggia();
        frmDivisione finestra(figure, k_Stock);
        const auto attese = OpzioniDivisione(figure, k_Stock, RichiestaDivisione{});
        QVERIFY(!attese.empty());
        QCOMPARE(finestra.classifica()->count(), int(attese.size()));
        QCOMPARE(finestra.classifica()->currentRow(), 0);
        const OpzioneDivisione *scelta = finestra.scelta().OpzioneScelta();
        QVERIFY(scelta);
        QCOMPARE(scelta->divisione.parti, attese.front().divisione.parti);
        QCOMPARE(scelta->divisione.corsi, attese.front().divisione.corsi);
        QCOMPARE(scelta->lamiere.size(), attese.front().lamiere.size());
        QCOMPARE(scelta->lamiere.front().lamiera.larghezza, attese.front().lamiere.front().lamiera.larghezza);

        QTemporaryDir dir;
        piattaforma.attendiSalva(dir.filePath(k_CsvLamiere));
        QVERIFY(finestra.cmdEsporta_Click());
        for (size_t n = 0; n < scelta->lamiere.size(); ++n) {
            const QStringList strati = stratiPolilinee(LeggiTutto(dir.filePath(NomeDxfLamiera(int(n) + 1))));
            QCOMPARE(strati.count(QStringLiteral("LAMIERA")), 1);
            QCOMPARE(strati.count(QStringLiteral("TAGLIO")), int(scelta->lamiere[n].pezzi.size()));
        }
        QVERIFY(!QFile::exists(dir.filePath(NomeDxfLamiera(int(scelta->lamiere.size()) + 1))));
        // A header, a row per plate, the total.
        const QList<QByteArray> righe = LeggiTutto(dir.filePath(k_CsvLamiere)).trimmed().split('\n');
        QCOMPARE(righe.size(), qsizetype(scelta->lamiere.size() + 2));

        const QString pdf = dir.filePath(QStringLiteral("elenco.pdf"));
        piattaforma.attendiStampante(true, [&](QPrinter &p) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(pdf);
        });
        QVERIFY(finestra.cmdStampa_Click());
        QVERIFY(LeggiTutto(pdf).startsWith("%PDF"));
        VERIFICA_COPIONE(piattaforma);
    }

    // A choice other than the best, kept in a real job file: read back, and the window opened on
    // it selects it again; a malformed split is refused like any malformed key.
    void sceltaSalvataConLaCommessa()
    {
        PiattaformaFinta piattaforma;
        frmDivisione finestra(tramoggia(), k_Stock);
        QVERIFY(finestra.classifica()->count() > 3);
        finestra.campoLuce()->setText(QStringLiteral("3"));
        QVERIFY(finestra.cmdRicalcola_Click());
        finestra.classifica()->setCurrentRow(3);
        const OpzioneDivisione quarta = *finestra.scelta().OpzioneScelta();
        const auto scelta = finestra.scelta().PerLaCommessa();
        QVERIFY(scelta);
        QCOMPARE(scelta->luce, 3.0);

        Commessa commessa;
        commessa.nome = QStringLiteral("Tramoggia");
        commessa.pezzi.push_back({});
        commessa.pezzi.front().tronco = tramoggia();
        commessa.divisione = scelta;
        QTemporaryDir dir;
        const QString percorso = dir.filePath(QStringLiteral("tramoggia.vorna"));
        QVERIFY(SalvaCommessa(percorso, commessa));
        Commessa letta;
        QVERIFY(ApriCommessa(percorso, letta));
        QVERIFY(letta.divisione);
        QVERIFY(*letta.divisione == *scelta);

        frmDivisione riaperta(letta.pezzi.front().tronco, k_Stock, letta.divisione);
        const OpzioneDivisione *ripresa = riaperta.scelta().OpzioneScelta();
        QVERIFY(ripresa);
        QCOMPARE(riaperta.classifica()->currentRow(), riaperta.scelta().Scelta());
        QCOMPARE(ripresa->divisione.parti, quarta.divisione.parti);
        QCOMPARE(ripresa->divisione.corsi, quarta.divisione.corsi);
        QCOMPARE(ripresa->divisione.luce, 3.0);
        QCOMPARE(ripresa->lamiere.size(), quarta.lamiere.size());
        QCOMPARE(ripresa->lamiere.front().lamiera.larghezza, quarta.lamiere.front().lamiera.larghezza);
        QCOMPARE(riaperta.campoLuce()->text(), QStringLiteral("3"));

        // Without the key a job opens with no split; with a bad one it is refused whole.
        QJsonObject radice = QJsonDocument::fromJson(CommessaInJson(letta)).object();
        radice.remove(QStringLiteral("divisione"));
        Commessa vecchia;
        QCOMPARE(CommessaDaJson(QJsonDocument(radice).toJson(), vecchia), QString());
        QVERIFY(!vecchia.divisione);
        QJsonObject divisione =
            QJsonDocument::fromJson(CommessaInJson(letta)).object()[QStringLiteral("divisione")].toObject();
        divisione.insert(QStringLiteral("lamiera"), QStringLiteral("3000x"));
        radice.insert(QStringLiteral("divisione"), divisione);
        Commessa rifiutata;
        QCOMPARE(CommessaDaJson(QJsonDocument(radice).toJson(), rifiutata),
                 QStringLiteral("divisione: \"lamiera\" deve essere una misura come \"3000x1500\""));
        QVERIFY(rifiutata.pezzi.empty());
        VERIFICA_COPIONE(piattaforma);
    }

    void campoErratoRifiutato()
    {
        PiattaformaFinta piattaforma;
        frmDivisione finestra(tramoggia(), k_Stock);
        const int prima = finestra.classifica()->count();
        finestra.campoKerf()->setText(QStringLiteral("dieci"));
        piattaforma.attendiBox(QStringLiteral("Valore non valido per la distanza di taglio (da 0 a 100 mm): \"dieci\""),
                               Pulsanti::OK, QStringLiteral("Dividi su lamiere"));
        QVERIFY(!finestra.cmdRicalcola_Click());
        QCOMPARE(finestra.classifica()->count(), prima);
        QCOMPARE(finestra.classifica()->currentRow(), 0);
        VERIFICA_COPIONE(piattaforma);
    }

    void nessunaLamieraDetta()
    {
        // Only a small plate: the reason names the size needed, and nothing can be exported.
        PiattaformaFinta piattaforma;
        Lamiera minimo;
        OpzioniDivisione(tramoggia(), {{300, 200, 0, {}}}, RichiestaDivisione{}, &minimo);
        piattaforma.attendiBox(QStringLiteral("Nessuna lamiera può contenere nemmeno il pezzo più piccolo proposto: "
                                              "serve almeno una lamiera di %1 mm")
                                   .arg(TestoMisura(minimo)),
                               Pulsanti::OK, QStringLiteral("Dividi su lamiere"));
        frmDivisione finestra(tramoggia(), {{300, 200, 0, {}}});
        QVERIFY(!finestra.scelta().OpzioneScelta());
        QVERIFY(!finestra.cmdEsporta_Click());
        VERIFICA_COPIONE(piattaforma);
    }
};

QTEST_MAIN(TestFrmDivisione)
#include "TestFrmDivisione.moc"
