#include "records/view/ChildFormBase.h"

#include "settings/ProgramState.h"
#include "widgets/FormGrid.h"
#include "widgets/PictureButton.h"
#include "platform/UserPrompt.h"
#include "records/EnrollmentTable.h"
#include "records/RecordsDatabase.h"
#include "records/RecordsSchema.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The photos the forms take, as the open dialog offers them.
constexpr const char* kPhotoFilter = "Image File (*.JPG *.jpg)";

bool SameFolder(const QString& a, const QString& b)
{
    return !a.isEmpty() && !b.isEmpty() && QDir::cleanPath(a) == QDir::cleanPath(b);
}

bool InLibraryRoot(const QFileInfo& folder)
{
    return SameFolder(folder.absolutePath(), Program().picturesRoot);
}

// Typing stops where the database would refuse the text.
int ColumnWidth(const char* column)
{
    const RecordsSchema::FieldDef* field =
        RecordsSchema::Table(RecordsSchema::kChildEnrollment).Field(QString::fromLatin1(column));
    return field && field->size > 0 ? field->size : 32;
}

} // namespace

ChildFormBase::ChildFormBase(const QSize& photoSize, const QString& caption,
                                           PhotoPathRule photoPath, QWidget* parent)
    : QWidget(parent), m_photoPath(photoPath), m_caption(caption)
{
    struct EditInfo
    {
        QLineEdit* ValueEdits::*edit;
        const char* objectName;
        const char* column;
        const char* toolTip;
    };
    static constexpr EditInfo kEdits[] = {
        {&ValueEdits::name, "childName", "ChildName",
         "The child's name; the child's photo folder has it too"},
        {&ValueEdits::referenceNo, "referenceNo", "ChildRefrenceNo",
         "The center's reference number for the child"},
        {&ValueEdits::enrollType, "enrollType", "EnrollType",
         "How many days a week the child attends"},
        {&ValueEdits::classroom, "classroom", "Class", "The child's classroom"},
        {&ValueEdits::mother, "mother", "Mother", "The mother's name"},
        {&ValueEdits::father, "father", "Father", "The father's name"},
        {&ValueEdits::grandParents, "grandParents", "GrandParents", "The grandparents' names"},
        {&ValueEdits::contactNumbers, "contactNumbers", "ContactNumber",
         "Phone numbers to reach the family"},
        {&ValueEdits::email, "email", "Email", "The parents' e-mail addresses, separated by ;"},
        {&ValueEdits::address, "address", "Address", "The family's home address"},
        {&ValueEdits::dailyPbg, "dailyPbg", "PayFromGovernment",
         "The amount the government pays a day for the child"},
    };
    for (const EditInfo& info : kEdits)
        m_edits.*info.edit =
            AddValueEdit(info.objectName, info.column, QString::fromUtf8(info.toolTip));
    m_edits.enrollType->setMaximumWidth(48);
    m_edits.dailyPbg->setAlignment(Qt::AlignRight);
    m_edits.dailyPbg->setMaximumWidth(120);

    m_picture = new PictureButton(photoSize, this);
    m_picture->setObjectName(QStringLiteral("photo"));
    m_picture->setToolTip(QStringLiteral("The photo in the child's folder"));
    m_loadPhoto = new QPushButton(QStringLiteral("&Load Photo"), this);
    m_loadPhoto->setObjectName(QStringLiteral("loadPhoto"));
    m_loadPhoto->setToolTip(QStringLiteral("Copy a JPEG file into the child's folder as this "
                                           "photo"));
    m_loadPhoto->setEnabled(false);
    connect(m_loadPhoto, &QPushButton::clicked, this, &ChildFormBase::LoadPhoto);
}

ChildFormBase::~ChildFormBase() = default;

QLineEdit* ChildFormBase::AddValueEdit(const char* objectName, const char* column,
                                              const QString& toolTip)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(objectName));
    edit->setMaxLength(ColumnWidth(column));
    edit->setToolTip(toolTip);
    return edit;
}

int ChildFormBase::LayOutSharedRows(FormGrid& form, QWidget* birthday,
                                           QWidget* enrollDate, const QString& referenceLabel)
{
    using Half = FormGrid::Half;
    form.Add(0, Half::Left, QStringLiteral("&Child Name:"), m_edits.name);
    form.Add(0, Half::Right, referenceLabel, m_edits.referenceNo);
    form.Add(1, Half::Left, QStringLiteral("Date of &Birth:"), birthday);
    form.Add(1, Half::Right, QStringLiteral("&Enrollment Date:"), enrollDate);
    form.Add(2, Half::Left, QStringLiteral("Enrollment T&ype:"), m_edits.enrollType,
             QStringLiteral("(days/week)"));
    form.Add(2, Half::Right, QStringLiteral("Classr&oom:"), m_edits.classroom);
    form.Add(3, Half::Left, QStringLiteral("&Mother:"), m_edits.mother);
    form.Add(3, Half::Right, QStringLiteral("Fa&ther:"), m_edits.father);
    form.AddWide(4, QStringLiteral("&GrandParents:"), m_edits.grandParents);
    form.Add(5, Half::Left, QStringLiteral("Contact N&umbers:"), m_edits.contactNumbers);
    form.Add(5, Half::Right, QStringLiteral("&Daily PBG:"), m_edits.dailyPbg);
    m_tabOrder = {m_edits.name, m_edits.referenceNo, birthday, enrollDate, m_edits.enrollType,
                  m_edits.classroom, m_edits.mother, m_edits.father, m_edits.grandParents,
                  m_edits.contactNumbers, m_edits.dailyPbg};
    return 6;
}

void ChildFormBase::SetFields(QLayout* fields, const QList<QWidget*>& moreTabOrder)
{
    auto* photoColumn = new QVBoxLayout;
    photoColumn->addWidget(m_picture);
    photoColumn->addWidget(m_loadPhoto, 0, Qt::AlignHCenter);
    photoColumn->addStretch(1);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(24);
    layout->addLayout(fields, 1);
    layout->addLayout(photoColumn);

    // Only now are all fields the form's own: a field placed after its tab order was set
    // would go to the end of the chain.
    m_tabOrder << moreTabOrder << m_loadPhoto;
    for (qsizetype i = 1; i < m_tabOrder.size(); ++i)
        setTabOrder(m_tabOrder[i - 1], m_tabOrder[i]);
}

void ChildFormBase::ShowSharedValues(const ChildInfo& child)
{
    m_edits.name->setText(child.childName);
    m_edits.referenceNo->setText(child.referenceNo);
    m_edits.enrollType->setText(QString::number(child.enrollType));
    m_edits.classroom->setText(child.classroom);
    m_edits.mother->setText(child.mother);
    m_edits.father->setText(child.father);
    m_edits.grandParents->setText(child.grandParents);
    m_edits.contactNumbers->setText(child.contactNumbers);
    m_edits.email->setText(child.email);
    m_edits.address->setText(child.address);
    m_edits.dailyPbg->setText(ChildRecords::PbgText(child.dailyPbg));
}

EnrollmentTable& ChildFormBase::RecordSet()
{
    if (!m_set)
        m_set = std::make_unique<EnrollmentTable>();
    return *m_set;
}

QString ChildFormBase::ChildOfFolder(const QString& folderPath)
{
    const QFileInfo folder(folderPath);
    const QString name = folder.fileName();
    return InLibraryRoot(folder) && ChildRecords::IsChildFolderName(name) ? name : QString();
}

QString ChildFormBase::ShowFolder(const QString& folderPath)
{
    const QFileInfo folder(folderPath);
    if (!InLibraryRoot(folder))
        return {};
    m_folderPath = folderPath;
    m_folderName = folder.fileName();
    if (ChildRecords::IsChildFolderName(m_folderName) && !ShowChild(m_folderName)
        && m_readFailed)
        return {};   // the engine's message was shown once; the panes below need not repeat it
    return m_folderName;
}

bool ChildFormBase::ShowChild(const QString& name)
{
    m_readFailed = false;
    // Before the first child is saved there is no database: nothing to show.
    if (!RecordsDatabaseExists())
        return false;
    std::optional<ChildInfo> child;
    m_readFailed = !ReportDatabaseErrors(
        [&] { child = ChildRecords::FindChild(RecordSet(), name); });
    if (!child)
        return false;
    ShowValues(*child);
    m_childShown = child->childName;
    m_loadPhoto->setEnabled(true);
    ShowPhoto();
    Q_EMIT ChildShownChanged();
    return true;
}

void ChildFormBase::ForgetChild(bool keepPhoto)
{
    m_childShown.clear();
    m_loadPhoto->setEnabled(false);
    if (!keepPhoto)
        ShowPhoto();
    Q_EMIT ChildShownChanged();
}

QString ChildFormBase::PhotoPath() const
{
    if (m_childShown.isEmpty() || Program().picturesRoot.isEmpty())
        return {};
    return m_photoPath(Program().picturesRoot, m_childShown);
}

void ChildFormBase::ShowPhoto()
{
    // A child with a photo offers no way to load another from here.
    const bool shown = m_picture->LoadPicture(PhotoPath(), m_caption);
    m_loadPhoto->setVisible(!shown);
}

void ChildFormBase::LoadPhoto()
{
    const QString target = PhotoPath();
    if (target.isEmpty())
        return;
    const QString chosen = Prompt().ChooseFileToOpen(QStringLiteral("Open"),
                                                     QFileInfo(target).path(),
                                                     QString::fromLatin1(kPhotoFilter));
    if (chosen.isEmpty())
        return;
    // A photo already there is never replaced; say so rather than seem to do nothing.
    if (const QString why = ChildRecords::PlacePhotoOrSayWhy(
            chosen, target,
            QStringLiteral(" Rename or delete it in the Photo Center first."));
        !why.isEmpty())
        Prompt().Warn(why);
    ShowPhoto();
}

QString ChildFormBase::ParentEmail() const
{
    return m_edits.email ? m_edits.email->text() : QString();
}
