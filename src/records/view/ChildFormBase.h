#pragma once

#include "records/ChildRecords.h"

#include <QWidget>
#include <memory>

class EnrollmentTable;
class FormGrid;
class PictureButton;
class QLayout;
class QLineEdit;
class QPushButton;

// A form over one child's enrollment row, shown when the child's folder is selected in
// the photo tree: the form's own recordset, the child shown, the values every such form
// shows, and that child's photo with its "Load Photo" button.
class ChildFormBase : public QWidget
{
    Q_OBJECT

public:
    ~ChildFormBase() override;

    // A folder selected in the photo tree. Only a folder directly under the pictures root
    // names a child; its first enrollment row is shown. The class and materials folders,
    // and a folder without a row, leave the form as it was. Returns the folder's name, or
    // empty for a folder elsewhere (nothing happens) and when the records could not be read.
    QString ShowFolder(const QString& folderPath);
    // The child a folder stands for: a folder directly under the pictures root other than
    // the class and materials folders. Empty for any other folder.
    static QString ChildOfFolder(const QString& folderPath);
    QString FolderName() const { return m_folderName; }
    QString FolderPath() const { return m_folderPath; }

    // The child whose row the form shows; empty before the first and after a delete.
    QString ChildShown() const { return m_childShown; }
    // The parents' e-mail as the form shows it, typing included.
    QString ParentEmail() const;
    // The file the form's photo is kept in, for the child shown.
    QString PhotoPath() const;

    PictureButton* Picture() const { return m_picture; }
    QPushButton* LoadPhotoButton() const { return m_loadPhoto; }
    // Copies a file the user chooses to the shown child's photo; an existing photo is
    // never replaced. Does nothing while no child is shown.
    void LoadPhoto();

Q_SIGNALS:
    void ChildShownChanged();

protected:
    using PhotoPathRule = QString (*)(const QString& picturesRoot, const QString& name);

    // The values every form shows, each in a line edit of its column's width.
    struct ValueEdits
    {
        QLineEdit* name = nullptr;
        QLineEdit* referenceNo = nullptr;
        QLineEdit* enrollType = nullptr;
        QLineEdit* classroom = nullptr;
        QLineEdit* mother = nullptr;
        QLineEdit* father = nullptr;
        QLineEdit* grandParents = nullptr;
        QLineEdit* contactNumbers = nullptr;
        QLineEdit* email = nullptr;
        QLineEdit* address = nullptr;
        QLineEdit* dailyPbg = nullptr;
    };

    ChildFormBase(const QSize& photoSize, const QString& caption,
                         PhotoPathRule photoPath, QWidget* parent);

    // A line edit for the value of a column, as wide as the column.
    QLineEdit* AddValueEdit(const char* objectName, const char* column, const QString& toolTip);
    // Puts a row's values into the form's controls.
    virtual void ShowValues(const ChildInfo& child) = 0;
    // The shared values into their edits.
    void ShowSharedValues(const ChildInfo& child);
    // The rows both forms lay out alike, name to contact numbers and daily PBG, with the
    // two dates in the given fields. Returns the next free row.
    int LayOutSharedRows(FormGrid& form, QWidget* birthday, QWidget* enrollDate,
                         const QString& referenceLabel);
    // Places the form's fields to the left of the photo. Tab goes row by row, left half
    // before right: the shared rows, then `moreTabOrder`, then Load Photo.
    void SetFields(QLayout* fields, const QList<QWidget*>& moreTabOrder);

    // Shows the first row of the name with its photo; false (the form as it was) when
    // there is none or no database yet.
    bool ShowChild(const QString& name);
    // The form no longer stands for a row: the values stay; `keepPhoto` false empties
    // the picture too.
    void ForgetChild(bool keepPhoto);
    EnrollmentTable& RecordSet();

    ValueEdits m_edits;

private:
    void ShowPhoto();

    std::unique_ptr<EnrollmentTable> m_set;
    PhotoPathRule m_photoPath;
    QString m_caption;
    QString m_folderName;
    QString m_folderPath;
    QString m_childShown;
    bool m_readFailed = false;   // the last ShowChild met an engine error
    QList<QWidget*> m_tabOrder;
    PictureButton* m_picture = nullptr;
    QPushButton* m_loadPhoto = nullptr;
};
