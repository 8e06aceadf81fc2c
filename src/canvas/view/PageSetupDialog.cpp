#include "canvas/view/PageSetupDialog.h"

#include "widgets/DialogParts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace {

struct NamedPaper
{
    const char* name;
    int width;  // thousandths of an inch
    int height;
};

constexpr NamedPaper kNamedPapers[] = {
    {"Letter (8.5 x 11 in)", 8500, 11000},
    {"Legal (8.5 x 14 in)", 8500, 14000},
    {"A4 (210 x 297 mm)", 8268, 11693},
    {"A5 (148 x 210 mm)", 5827, 8268},
};

int Thousandths(const QDoubleSpinBox* inches)
{
    return qRound(inches->value() * 1000.0);
}

} // namespace

PageSetupDialog::PageSetupDialog(const PaperSetup::Paper& paper, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("pageSetupDlg"));
    setWindowTitle(QStringLiteral("Page Setup"));

    m_paperName = new QComboBox(this);
    m_paperName->setObjectName(QStringLiteral("paperName"));
    m_paperName->setToolTip(QStringLiteral("A common paper size, or your own"));
    for (const NamedPaper& named : kNamedPapers)
        m_paperName->addItem(QLatin1String(named.name));
    m_paperName->addItem(QStringLiteral("Custom"));
    m_width = AddInches(QStringLiteral("paperWidth"), paper.size.width(),
                        QStringLiteral("The paper's width"));
    m_height = AddInches(QStringLiteral("paperHeight"), paper.size.height(),
                         QStringLiteral("The paper's height"));
    auto* paperForm = new QFormLayout;
    paperForm->addRow(QStringLiteral("&Size:"), m_paperName);
    paperForm->addRow(QStringLiteral("&Width:"), m_width);
    paperForm->addRow(QStringLiteral("&Height:"), m_height);
    auto* paperBox = new QGroupBox(QStringLiteral("Paper"), this);
    paperBox->setLayout(paperForm);

    const PageMargins& m = paper.margins;
    const QString marginTip = QStringLiteral("Blank paper between this edge and the page");
    m_left = AddInches(QStringLiteral("marginLeft"), m.left, marginTip);
    m_top = AddInches(QStringLiteral("marginTop"), m.top, marginTip);
    m_right = AddInches(QStringLiteral("marginRight"), m.right, marginTip);
    m_bottom = AddInches(QStringLiteral("marginBottom"), m.bottom, marginTip);
    auto* marginForm = new QFormLayout;
    marginForm->addRow(QStringLiteral("&Left:"), m_left);
    marginForm->addRow(QStringLiteral("&Top:"), m_top);
    marginForm->addRow(QStringLiteral("&Right:"), m_right);
    marginForm->addRow(QStringLiteral("&Bottom:"), m_bottom);
    auto* marginBox = new QGroupBox(QStringLiteral("Margins"), this);
    marginBox->setLayout(marginForm);

    m_pageLeft = new QLabel(this);
    m_pageLeft->setObjectName(QStringLiteral("pageLeft"));

    auto* content = new QVBoxLayout;
    content->addWidget(paperBox);
    content->addWidget(marginBox);
    content->addWidget(m_pageLeft);
    m_buttons = FinishDialog(*this, content);

    ShowNamedSize();
    ShowPageLeft();
    connect(m_paperName, &QComboBox::activated, this, &PageSetupDialog::TakeNamedSize);
    for (QDoubleSpinBox* box : {m_width, m_height})
        connect(box, &QDoubleSpinBox::valueChanged, this, &PageSetupDialog::ShowNamedSize);
    for (QDoubleSpinBox* box : {m_width, m_height, m_left, m_top, m_right, m_bottom})
        connect(box, &QDoubleSpinBox::valueChanged, this, &PageSetupDialog::ShowPageLeft);
}

QDoubleSpinBox* PageSetupDialog::AddInches(const QString& name, int thousandths,
                                           const QString& tip)
{
    auto* box = new QDoubleSpinBox(this);
    box->setObjectName(name);
    box->setDecimals(3);
    box->setRange(0.0, 200.0);
    box->setSingleStep(0.125);
    box->setSuffix(QStringLiteral(" in"));
    box->setValue(thousandths / 1000.0);
    box->setToolTip(tip);
    return box;
}

void PageSetupDialog::ShowNamedSize()
{
    const QSize size(Thousandths(m_width), Thousandths(m_height));
    int index = m_paperName->count() - 1;
    for (int i = 0; i < int(std::size(kNamedPapers)); ++i)
        if (size == QSize(kNamedPapers[i].width, kNamedPapers[i].height))
            index = i;
    m_paperName->setCurrentIndex(index);
}

void PageSetupDialog::TakeNamedSize(int index)
{
    if (index < 0 || index >= int(std::size(kNamedPapers)))
        return;
    m_width->setValue(kNamedPapers[index].width / 1000.0);
    m_height->setValue(kNamedPapers[index].height / 1000.0);
}

void PageSetupDialog::ShowPageLeft()
{
    const std::optional<PaperSetup::Page> page = PaperSetup::PageFor(Paper());
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(page.has_value());
    m_pageLeft->setText(page ? QStringLiteral("The page: %1 x %2 in")
                                   .arg(page->size.width() / 96.0, 0, 'f', 2)
                                   .arg(page->size.height() / 96.0, 0, 'f', 2)
                             : QStringLiteral("The margins leave no room for a page."));
}

PaperSetup::Paper PageSetupDialog::Paper() const
{
    return {QSize(Thousandths(m_width), Thousandths(m_height)),
            {Thousandths(m_left), Thousandths(m_top), Thousandths(m_right),
             Thousandths(m_bottom)}};
}
