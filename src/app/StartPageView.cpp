#include "app/StartPageView.h"

#include "widgets/FlatButton.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QSvgRenderer>
#include <QVBoxLayout>

namespace {

struct GuideStep
{
    int controlId;
    const char* text;
    const char* toolTip;   // nullptr: none
};

// The texts are the program's own, spelling included.
constexpr GuideStep kSteps[] = {
    {1061, "Guidelines for first time users", nullptr},
    {1055, "Register a gmail account if you don't have",
     "WRN needs a gmail account for sending photos to children's parents"},
    {1004, "Configure email service dialog",
     "Enter your gmail user name and password in Email service dialog."},
    {1040, "Configure childcare center and tuition rate dialog",
     "Tuition statement needs information from these two dialogs"},
    {1041, "Enter each child enrollment details",
     "Enter each child enrollment information in Child Center, It will create a folder for each child."},
    {1042, "Load child photo and family photo",
     "Load child photo in Child Center and load family photo in Family Center."},
    {1043, "Select folder AAA, right click&&select Add Newsletter",
     "It will create an icon under folder AAA with name untitled."},
    {1044, "A newsletter \"Untitled\" is created, so rename it. ",
     "The icon is refreshed with the new namw."},
    {1045, "Open it, and edit your newsletter.", "All drawings, texts and photos will be saved."},
    {1046, "Use photos, icons in folder ZZZ for your newsletter.",
     "All materials are stored under folder ZZZ, so never delete ZZZ."},
    {1047, "Save your newsletter and export to PDF or print it.",
     "Save your editing, and print it or export to PDF."},
    {1051, " Select folder AAA, right click&&select Import Photos.",
     "Select one photo and drag/drop to child'folder."},
    {1048, "Go to Photo Center and view the imported photos.", "Import all photos to folder AAA."},
    {1050, "Select one photo and drag it to the child's folder.",
     "View all the photos in folder AAA, and copy photos or delete photos."},
    {1052, " Leave those photos taken for class in AAA .",
     "Leave those photos taken for class in AAA for editing newsletters or sending to parents"},
    {1053, " Right click on AAA and select Send Email.", "Photos in AAA are sent to all parents."},
    {1054, " Crop each photo to the size 240X180.", nullptr},
};

const GuideStep* FindStep(int controlId)
{
    for (const GuideStep& step : kSteps)
        if (step.controlId == controlId)
            return &step;
    return nullptr;
}

const QColor kPageColor(255, 255, 255);
const QColor kTextColor(0, 0, 0);
const QColor kHotColor(74, 74, 145);

// The banner keeps its size and stays at the top, centred in the page.
class BannerLabel : public QWidget
{
public:
    explicit BannerLabel(QWidget* parent) : QWidget(parent), m_renderer(QStringLiteral(":/art/banner.svg"))
    {
        setObjectName(QStringLiteral("banner"));
        setFixedSize(1008, 251);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        m_renderer.render(&painter, QRectF(rect()));
    }

private:
    QSvgRenderer m_renderer;
};

} // namespace

StartPageView::StartPageView(QWidget* parent) : CenterView(parent)
{
    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(CreatePage());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
}

QWidget* StartPageView::CreatePage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("startPage"));
    page->setAutoFillBackground(true);
    QPalette colors = page->palette();
    colors.setColor(QPalette::Window, kPageColor);
    page->setPalette(colors);

    auto* banner = new BannerLabel(page);

    auto* firstSteps = CreateGuideButton(1061, page);
    QFont headingFont = firstSteps->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.25);
    firstSteps->setFont(headingFont);
    firstSteps->setMinimumHeight(firstSteps->fontMetrics().height() + 8);

    auto* groups = new QHBoxLayout;
    groups->setSpacing(18);
    groups->addWidget(CreateGroup(QStringLiteral("Configuration and enter child enrollment details"),
                                  {1055, 1004, 1040, 1041, 1042}));
    groups->addWidget(CreateGroup(QStringLiteral("Create newsletter"),
                                  {1043, 1044, 1045, 1046, 1047}));
    groups->addWidget(CreateGroup(QStringLiteral("Import photos from digital camera to child's folder"),
                                  {1051, 1048, 1050, 1052, 1053}));

    // Kept hidden, as the guide has always had it.
    CreateGuideButton(1054, page)->hide();

    auto* column = new QVBoxLayout;
    column->setSpacing(10);
    column->addWidget(banner, 0, Qt::AlignHCenter);
    column->addSpacing(8);
    column->addWidget(firstSteps);
    column->addLayout(groups);
    column->addStretch(1);

    auto* centred = new QHBoxLayout(page);
    centred->setContentsMargins(12, 5, 12, 12);
    centred->addStretch(1);
    centred->addLayout(column);
    centred->addStretch(1);
    return page;
}

QWidget* StartPageView::CreateGroup(const QString& title, std::initializer_list<int> controlIds)
{
    auto* group = new QGroupBox(title);
    group->setObjectName(QStringLiteral("guideGroup"));
    auto* rows = new QVBoxLayout(group);
    rows->setSpacing(2);
    for (const int id : controlIds)
        rows->addWidget(CreateGuideButton(id, group));
    rows->addStretch(1);
    return group;
}

FlatButton* StartPageView::CreateGuideButton(int controlId, QWidget* parent)
{
    const GuideStep* step = FindStep(controlId);
    auto* button = new FlatButton(QString::fromUtf8(step->text), parent);
    button->setObjectName(QStringLiteral("guide%1").arg(controlId));
    button->SetColors(kTextColor, kHotColor);
    button->setMinimumHeight(button->fontMetrics().height() + 8);
    if (step->toolTip)
        button->setToolTip(QString::fromUtf8(step->toolTip));
    m_buttons.insert(controlId, button);
    return button;
}
