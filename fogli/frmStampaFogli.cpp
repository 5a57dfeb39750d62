// Lays the dialog out and keeps its preview and its calibration caption current.
#include "fogli/frmStampaFogli.h"

#include "calibration/TaraturaInUso.h"
#include "fogli/AnteprimaFogli.h"
#include "fogli/DisegnoFoglio.h"
#include "fogli/MessaggiFogli.h"
#include "platform/TestoFisso.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmStampaFogli::frmStampaFogli(std::vector<PezzoDaStampare> pezzi, QString nome, TaraturaInUso &taratura,
                               std::vector<PezzoDaStampare> dime, QWidget *parent)
    : QDialog(parent),
      cboCarta(new QComboBox(this)),
      cboOrientamento(new QComboBox(this)),
      spnSovrapposizione(new QDoubleSpinBox(this)),
      lblTaratura(new QLabel(this)),
      chkTaraturaPdf(new QCheckBox(QStringLiteral("applica la taratura in uso"), this)),
      chkDime(new QCheckBox(QStringLiteral("dime da avvolgere sul tubo, al posto degli sviluppi"), this)),
      cboPezzi(new QComboBox(this)),
      anteprima(new AnteprimaFogli(this)),
      lblFogli(new QLabel(this)),
      lblArea(new QLabel(this)),
      cmdStampa(new QPushButton(QStringLiteral("Stampa..."), this)),
      cmdEsportaPdf(new QPushButton(QStringLiteral("Esporta PDF..."), this)),
      cmdAnnulla(new QPushButton(QStringLiteral("Annulla"), this)),
      m_pezzi(std::move(pezzi)),
      m_dime(std::move(dime)),
      m_nome(std::move(nome)),
      m_taratura(taratura),
      m_carte(CarteFogli())
{
    setObjectName(QStringLiteral("frmStampaFogli"));
    setWindowTitle(QStringLiteral("Stampa a grandezza naturale"));
    for (const QPageSize &carta : m_carte)
        cboCarta->addItem(carta.name());
    cboOrientamento->addItems(
        {QStringLiteral("automatico"), QStringLiteral("verticale"), QStringLiteral("orizzontale")});
    spnSovrapposizione->setRange(0, k_SovrapposizioneMassima);
    spnSovrapposizione->setDecimals(1);
    spnSovrapposizione->setValue(k_SovrapposizioneIniziale);
    spnSovrapposizione->setSuffix(QStringLiteral(" mm"));
    chkTaraturaPdf->setToolTip(QStringLiteral(
        "Per un PDF da stampare con la stampante di questa taratura: fogli orizzontali, come la stampa"));
    lblFogli->setObjectName(QStringLiteral("lblFogli"));
    lblFogli->setWordWrap(true);
    lblArea->setObjectName(QStringLiteral("lblArea"));
    lblArea->setWordWrap(true);
    cmdStampa->setDefault(true);

    auto *campi = new QFormLayout;
    campi->addRow(QStringLiteral("Carta:"), cboCarta);
    campi->addRow(QStringLiteral("Orientamento:"), cboOrientamento);
    campi->addRow(QStringLiteral("Sovrapposizione:"), spnSovrapposizione);
    campi->addRow(QStringLiteral("Taratura in uso:"), lblTaratura);
    campi->addRow(QStringLiteral("PDF:"), chkTaraturaPdf);
    if (!m_dime.empty())
        campi->addRow(QStringLiteral("Stampa:"), chkDime);
    else
        chkDime->hide();
    // One piece alone reprints a spoiled sheet without the whole job.
    cboPezzi->addItem(QStringLiteral("Tutti i pezzi"));
    for (const PezzoDaStampare &pezzo : m_pezzi)
        cboPezzi->addItem(pezzo.titolo);
    if (m_pezzi.size() > 1)
        campi->addRow(QStringLiteral("Pezzi:"), cboPezzi);
    else
        cboPezzi->hide();
    campi->addRow(QStringLiteral("Area di ogni foglio:"), lblArea);
    auto *pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    for (QPushButton *pulsante : {cmdStampa, cmdEsportaPdf, cmdAnnulla})
        pulsanti->addWidget(pulsante);
    auto *colonna = new QVBoxLayout(this);
    colonna->addLayout(campi);
    colonna->addWidget(anteprima, 1);
    colonna->addWidget(lblFogli);
    colonna->addLayout(pulsanti);

    connect(cboCarta, &QComboBox::currentIndexChanged, this, &frmStampaFogli::aggiorna);
    connect(cboOrientamento, &QComboBox::currentIndexChanged, this, &frmStampaFogli::aggiorna);
    connect(spnSovrapposizione, &QDoubleSpinBox::valueChanged, this, &frmStampaFogli::aggiorna);
    connect(chkTaraturaPdf, &QCheckBox::toggled, this, &frmStampaFogli::aggiorna);
    connect(chkDime, &QCheckBox::toggled, this, &frmStampaFogli::aggiorna);
    connect(cboPezzi, &QComboBox::currentIndexChanged, this, &frmStampaFogli::aggiorna);
    connect(&m_taratura, &TaraturaInUso::ElencoCambiato, this, &frmStampaFogli::mostraTaratura);
    connect(&m_taratura, &TaraturaInUso::SceltaCambiata, this, &frmStampaFogli::mostraTaratura);
    connect(cmdStampa, &QPushButton::clicked, this, &frmStampaFogli::cmdStampa_Click);
    connect(cmdEsportaPdf, &QPushButton::clicked, this, &frmStampaFogli::cmdEsportaPdf_Click);
    connect(cmdAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    mostraTaratura();
    aggiorna();
}

frmStampaFogli *frmStampaFogli::Apri(const Commessa &commessa, TaraturaInUso &taratura, QWidget *parent)
{
    std::optional<std::vector<PezzoDaStampare>> pezzi = SagomeDellaCommessa(commessa);
    if (!pezzi)
        return nullptr;
    std::vector<PezzoDaStampare> dime;
    if (commessa.gomito)
        dime = SagomeDellaCommessa(commessa, true).value_or(std::vector<PezzoDaStampare>{});
    auto *dialogo = new frmStampaFogli(std::move(*pezzi), commessa.nome, taratura, std::move(dime), parent);
    dialogo->setAttribute(Qt::WA_DeleteOnClose);
    // Modeless: the calibration is chosen on the worksheet while the dialog stays open.
    dialogo->show();
    return dialogo;
}

SceltaFogli frmStampaFogli::Scelta() const
{
    SceltaFogli scelta;
    scelta.carta = m_carte.at(std::size_t(std::max(cboCarta->currentIndex(), 0)));
    scelta.orientamento = OrientamentoFogli(cboOrientamento->currentIndex());
    scelta.sovrapposizione = spnSovrapposizione->value();
    scelta.taraturaNelPdf = chkTaraturaPdf->isChecked();
    return scelta;
}

void frmStampaFogli::aggiorna()
{
    const SceltaFogli scelta = Scelta();
    const QString rifiuto = RifiutoOrientamento(scelta, scelta.taraturaNelPdf);
    const OpzioniPdf opzioni = OpzioniDellaScelta(scelta, scelta.taraturaNelPdf);
    lblArea->setText(TestoAreaFogli(CartaPdf(opzioni), opzioni.tarata));
    m_impaginazione = rifiuto.isEmpty() ? ImpaginaPdf(daStampare(), opzioni) : ImpaginazioneDeiPezzi();
    anteprima->Mostra(m_impaginazione.pezzi.empty() ? nullptr : &m_impaginazione.pezzi.front());
    if (!rifiuto.isEmpty())
        lblFogli->setText(rifiuto);
    else if (m_impaginazione.errore != ErroreFogli::Nessuno)
        lblFogli->setText(MessaggioErroreFogli(m_impaginazione.errore, CartaPdf(opzioni)));
    else if (m_impaginazione.pezzi.size() > 1)
        lblFogli->setText(QStringLiteral("%1 in tutto, %2 %3; l'anteprima mostra il primo")
                              .arg(TestoNumeroFogli(m_impaginazione.stampati))
                              .arg(m_impaginazione.pezzi.size())
                              .arg(chkDime->isChecked() ? QStringLiteral("dime") : QStringLiteral("pezzi")));
    else
        lblFogli->setText(TestoNumeroFogli(m_impaginazione.stampati));
}

const ImpaginazioneFogli &frmStampaFogli::Impaginazione() const noexcept
{
    static const ImpaginazioneFogli nessuna;
    return m_impaginazione.pezzi.empty() ? nessuna : m_impaginazione.pezzi.front();
}

std::vector<PezzoDaStampare> frmStampaFogli::daStampare() const
{
    const std::vector<PezzoDaStampare> &tutti = chkDime->isChecked() && !m_dime.empty() ? m_dime : m_pezzi;
    const int pezzo = cboPezzi->currentIndex() - 1;
    return pezzo < 0 || m_pezzi.size() <= 1 ? tutti : SoloIlPezzo(tutti, m_pezzi[std::size_t(pezzo)].pezzo);
}

void frmStampaFogli::mostraTaratura()
{
    const QString nome = NomeTaraturaFogli(m_taratura);
    lblTaratura->setText(nome.isEmpty() ? QStringLiteral("nessuna") : nome);
}

void frmStampaFogli::cmdStampa_Click()
{
    if (StampaFogliSuStampante(daStampare(), Scelta(), m_taratura) != EsitoFogli::Fatto)
        return;
    emit Avviso(QStringLiteral("Stampato a grandezza naturale lo sviluppo ") + TrimBlank(m_nome));
    accept();
}

void frmStampaFogli::cmdEsportaPdf_Click()
{
    if (EsportaFogliPdf(daStampare(), Scelta(), m_taratura, m_nome) != EsitoFogli::Fatto)
        return;
    emit Avviso(QStringLiteral("Esportato in PDF a grandezza naturale lo sviluppo ") + TrimBlank(m_nome));
    accept();
}
