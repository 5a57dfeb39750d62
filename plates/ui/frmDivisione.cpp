#include "plates/ui/frmDivisione.h"

#include "plates/UsciteLamiere.h"
#include "plates/ui/DisegnoLamiere.h"
#include "platform/Piattaforma.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {
const QString k_Titolo = QStringLiteral("Dividi su lamiere");

QString testoMisura(double valore) { return QLocale::c().toString(valore, 'g', 10); }

// A length typed in a field, from 0 to `massimo` mm; a refusal is said, naming the field.
std::optional<double> misura(const QLineEdit *campo, const QString &nome, double massimo)
{
    bool numero = false;
    const double v = QLocale::c().toDouble(campo->text().trimmed(), &numero);
    if (numero && v >= 0 && v <= massimo)
        return v;
    MsgBox(QStringLiteral("Valore non valido per %1 (da 0 a %2 mm): \"%3\"").arg(nome).arg(massimo).arg(campo->text()),
           Pulsanti::OK, k_Titolo);
    return std::nullopt;
}

QSpinBox *conteggio(int massimo)
{
    auto *campo = new QSpinBox;
    campo->setRange(0, massimo);
    campo->setSpecialValueText(QStringLiteral("libero"));
    return campo;
}
} // namespace

frmDivisione::frmDivisione(const FigureSviluppo &figure, std::vector<Lamiera> stock,
                           const std::optional<DivisioneCommessa> &salvata, QWidget *parent)
    : QDialog(parent),
      m_scelta(figure, std::move(stock)),
      m_classifica(new QListWidget),
      m_luce(new QLineEdit),
      m_kerf(new QLineEdit),
      m_margine(new QLineEdit),
      m_sfrido(new QLineEdit),
      m_parti(conteggio(k_MassimoParti)),
      m_corsi(conteggio(k_MassimoCorsi)),
      m_disegno(new DisegnoLamiere)
{
    setWindowTitle(k_Titolo);
    setWindowFlag(Qt::Window);
    auto *campi = new QFormLayout;
    campi->addRow(QStringLiteral("Luce di saldatura (mm):"), m_luce);
    campi->addRow(QStringLiteral("Distanza di taglio (mm):"), m_kerf);
    campi->addRow(QStringLiteral("Margine (mm):"), m_margine);
    campi->addRow(QStringLiteral("Sfrido su base e cima (mm):"), m_sfrido);
    campi->addRow(QStringLiteral("Pezzi per corso:"), m_parti);
    campi->addRow(QStringLiteral("Corsi:"), m_corsi);
    auto *ricalcola = new QPushButton(QStringLiteral("&Ricalcola"));
    campi->addRow(QString(), ricalcola);
    connect(ricalcola, &QPushButton::clicked, this, &frmDivisione::cmdRicalcola_Click);

    auto *alto = new QHBoxLayout;
    alto->addLayout(campi);
    alto->addWidget(m_classifica, 1);

    auto *pulsanti = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    auto *esporta = pulsanti->addButton(QStringLiteral("Esporta &DXF..."), QDialogButtonBox::ActionRole);
    auto *stampa = pulsanti->addButton(QStringLiteral("&Stampa elenco..."), QDialogButtonBox::ActionRole);
    connect(esporta, &QPushButton::clicked, this, &frmDivisione::cmdEsporta_Click);
    connect(stampa, &QPushButton::clicked, this, &frmDivisione::cmdStampa_Click);
    connect(pulsanti, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(pulsanti, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *colonna = new QVBoxLayout(this);
    colonna->addLayout(alto);
    colonna->addWidget(m_disegno, 1);
    colonna->addWidget(pulsanti);
    resize(900, 600);

    connect(m_classifica, &QListWidget::currentRowChanged, this, [this](int riga) {
        m_scelta.Scegli(riga);
        m_disegno->Mostra(m_scelta.OpzioneScelta());
    });

    if (salvata) {
        mostraCampi(SceltaLamiere::RichiestaDi(*salvata));
        m_scelta.Riprendi(*salvata);
        mostraClassifica();
    } else {
        mostraCampi({});
        cmdRicalcola_Click();
    }
}

void frmDivisione::mostraCampi(const RichiestaDivisione &r)
{
    m_luce->setText(testoMisura(r.divisione.luce));
    m_kerf->setText(testoMisura(r.regole.kerf));
    m_margine->setText(testoMisura(r.regole.margine));
    m_sfrido->setText(testoMisura(r.divisione.sfrido));
    m_parti->setValue(r.partiFisse ? r.divisione.parti : 0);
    m_corsi->setValue(r.corsiFissi ? r.divisione.corsi : 0);
}

void frmDivisione::mostraClassifica()
{
    const int scelta = m_scelta.Scelta();
    m_classifica->clear();
    const auto &opzioni = m_scelta.Opzioni();
    for (size_t n = 0; n < opzioni.size(); ++n)
        m_classifica->addItem(RigaClassifica(int(n) + 1, opzioni[n]));
    if (opzioni.empty())
        m_classifica->addItem(m_scelta.Motivo());
    m_classifica->setCurrentRow(scelta);
    m_disegno->Mostra(m_scelta.OpzioneScelta());
}

bool frmDivisione::cmdRicalcola_Click()
{
    RichiestaDivisione r;
    const auto luce = misura(m_luce, QStringLiteral("la luce di saldatura"), k_LuceMassima);
    const auto kerf = luce ? misura(m_kerf, QStringLiteral("la distanza di taglio"), k_KerfMassimo) : std::nullopt;
    const auto margine = kerf ? misura(m_margine, QStringLiteral("il margine"), k_MargineMassimo) : std::nullopt;
    const auto sfrido = margine ? misura(m_sfrido, QStringLiteral("lo sfrido"), k_SfridoMassimo) : std::nullopt;
    if (!sfrido)
        return false;
    r.divisione.luce = *luce;
    r.divisione.sfrido = *sfrido;
    r.regole = {*kerf, *margine};
    // A split named in part is named whole: the count not given is 1.
    r.partiFisse = r.corsiFissi = m_parti->value() > 0 || m_corsi->value() > 0;
    r.divisione.parti = std::max(1, m_parti->value());
    r.divisione.corsi = std::max(1, m_corsi->value());
    const bool trovate = m_scelta.Ricalcola(r);
    mostraClassifica();
    if (!trovate)
        MsgBox(m_scelta.Motivo(), Pulsanti::OK, k_Titolo);
    return trovate;
}

bool frmDivisione::cmdEsporta_Click()
{
    if (!m_scelta.OpzioneScelta())
        return false;
    RichiestaFile richiesta;
    richiesta.filtro = QStringLiteral("Elenco lamiere (*.csv)|*.csv");
    richiesta.nomePredefinito = k_CsvLamiere;
    richiesta.estensionePredefinita = QStringLiteral("csv");
    // The list of an earlier split there, and its plates, would be replaced.
    richiesta.chiediSovrascrittura = true;
    const auto scelto = Piattaforma::corrente().DialogoSalva(richiesta);
    if (!scelto)
        return false;
    if (const auto rifiuto = m_scelta.Esporta(QFileInfo(*scelto).absolutePath())) {
        MsgBox(*rifiuto, Pulsanti::OK, k_Titolo);
        return false;
    }
    return true;
}

bool frmDivisione::cmdStampa_Click()
{
    const OpzioneDivisione *scelta = m_scelta.OpzioneScelta();
    if (!scelta)
        return false;
    QPrinter stampante;
    if (!Piattaforma::corrente().DialogoStampante(stampante))
        return false;
    QTextDocument documento;
    documento.setHtml(HtmlDelleLamiere(*scelta, RigaClassifica(m_scelta.Scelta() + 1, *scelta)));
    documento.print(&stampante);
    return true;
}
