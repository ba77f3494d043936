#include "documents/transpose_dialog.h"

#include "ui_transpose_dialog.h"

TransposeDialog::TransposeDialog(QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TransposeDialog>())
{
    m_ui->setupUi(this);
    setWindowModality(Qt::WindowModal);
    const auto changed = [this] { emit intervalChanged(semitones()); };
    connect(m_ui->su, &QRadioButton::toggled, this, changed);
    connect(m_ui->semitoni, &QSpinBox::valueChanged, this, changed);
    connect(m_ui->trasponi, &QPushButton::clicked, this, [this] {
        hide();
        emit transposeRequested(semitones());
    });
    connect(m_ui->annulla, &QPushButton::clicked, this, &QDialog::reject);
}

TransposeDialog::~TransposeDialog() = default;

void TransposeDialog::reset()
{
    const QSignalBlocker radio(m_ui->su);
    const QSignalBlocker spin(m_ui->semitoni);
    m_ui->su->setChecked(true);
    m_ui->semitoni->setValue(1);
    m_ui->semitoni->setFocus();
}

int TransposeDialog::semitones() const
{
    return m_ui->su->isChecked() ? m_ui->semitoni->value() : -m_ui->semitoni->value();
}

void TransposeDialog::showPreview(const QStringList& previewLines, int more, int unrecognised)
{
    QString text = previewLines.join(QLatin1Char('\n'));
    if (more == 1)
        text += QStringLiteral("\n... e un altro accordo");
    else if (more > 1)
        text += QStringLiteral("\n... e altri %1 accordi").arg(more);
    m_ui->anteprima->setText(text);
    if (unrecognised == 0)
        m_ui->nonRiconosciuti->clear();
    else if (unrecognised == 1)
        m_ui->nonRiconosciuti->setText(
            QStringLiteral("1 voce non è un accordo conosciuto e resta com'è."));
    else
        m_ui->nonRiconosciuti->setText(
            QStringLiteral("%1 voci non sono accordi conosciuti e restano come sono.")
                .arg(unrecognised));
    m_ui->nonRiconosciuti->setVisible(unrecognised > 0);
}
