#include "canvas/view/FrameMaterialsDialog.h"

#include "canvas/objects/photo/Frames.h"
#include "widgets/DialogParts.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int kColumns = 4;

} // namespace

FrameMaterialsDialog::FrameMaterialsDialog(const QImage& picture, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frameMaterialsDlg"));
    setWindowTitle(QStringLiteral("Photo Frame Materials"));
    auto* box = new QGroupBox(QStringLiteral("Frame Materials:"));
    auto* grid = new QGridLayout(box);
    m_materials = new QButtonGroup(this);
    for (int material = 0; material < PhotoFrames::kMaterialCount; ++material) {
        auto* button = new QToolButton;
        button->setObjectName(QStringLiteral("material%1").arg(material));
        button->setCheckable(true);
        button->setText(PhotoFrames::MaterialName(material));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setIcon(QIcon(QPixmap::fromImage(FramedSample(picture, material))));
        button->setIconSize(kButtonPicture);
        m_materials->addButton(button, material);
        grid->addWidget(button, material / kColumns, material % kColumns);
    }
    // Equal buttons, however long the names.
    int widest = 0;
    for (const QAbstractButton* button : m_materials->buttons())
        widest = std::max(widest, button->sizeHint().width());
    for (QAbstractButton* button : m_materials->buttons())
        button->setFixedWidth(widest);
    auto* content = new QVBoxLayout;
    content->addWidget(box);
    QPushButton* ok = FinishDialog(*this, content)->button(QDialogButtonBox::Ok);
    ok->setEnabled(false);
    connect(m_materials, &QButtonGroup::idClicked, ok, [ok] { ok->setEnabled(true); });
}

int FrameMaterialsDialog::Material() const
{
    return m_materials->checkedId();
}

QImage FrameMaterialsDialog::FramedSample(const QImage& picture, int material)
{
    QImage sample = picture.isNull()
        ? QImage(kButtonPicture, QImage::Format_BGR888)
        : picture.scaled(kButtonPicture, Qt::KeepAspectRatio, Qt::SmoothTransformation)
              .convertToFormat(picture.hasAlphaChannel() ? QImage::Format_ARGB32
                                                         : QImage::Format_BGR888);
    if (picture.isNull())
        sample.fill(Qt::white);
    PhotoFrames::PaintFrame(sample, material);
    return sample;
}
