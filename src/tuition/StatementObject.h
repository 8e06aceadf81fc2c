#pragma once

#include "canvas/objects/PageObject.h"
#include "tuition/StatementFigures.h"

#include <QStringList>
#include <memory>

class PaymentTable;
class EnrollmentTable;

// A child's tuition statement for one month on the Edit Center's page: the center's
// details, the child's enrollment, the month's weekly rows with their totals, what is
// carried forward and what is due now. It is read from the database at every paint and
// never written to a document.
class StatementObject : public PageObject
{
public:
    static constexpr int kWidth = 740;
    static constexpr int kHeight = 440;

    // This month (UTC), no child chosen.
    explicit StatementObject(const PageRect& rect = {});
    // The same choice with recordsets of its own.
    StatementObject(const StatementObject& other);
    ~StatementObject() override;

    std::unique_ptr<PageObject> Clone() const override;
    void DrawContent(QPainter& painter, const DrawContext& context) override;

    // The statement alone on any painter in page units (screen, image, PDF).
    void DrawStatement(QPainter& painter);
    // Chooses child and month and selects the child's rows; a name that is no child's
    // (empty, "AAA", "ZZZ") chooses none.
    void Choose(const QString& childName, int year, int month);
    // Every enrolled child's name, in table order, into m_childNames. An engine error, or
    // an enrollment table that is not as the program keeps it, throws DatabaseError.
    void LoadChildNames();

    // The texts of a row's twelve cells as the statement shows them.
    static QStringList RowTexts(const WeeklyPayment& row);

    // What the last paint listed and worked out.
    const StatementFigures& LastFigures() const { return m_figures; }
    // The parents' address of the child the header last showed.
    QString ParentEmail() const { return m_strParentEmail; }
    bool HasChild() const;
    // Why the last paint could not read the records (drawn in the table); empty when it
    // could.
    QString ReadProblem() const { return m_readProblem; }

    QString m_strCenterName;
    QString m_strParentEmail;
    QString m_strChildName;
    ColorRef m_crText = Rgb(0, 0, 0);
    QString m_strFontName = QStringLiteral("Arial");
    int m_nTitleSize = 40;
    int m_nTableFontSize = 11;
    QStringList m_childNames;
    int m_nYear = 0;
    int m_nMonth = 0;

private:
    // The recordsets exist once the database file does, whenever that happens.
    bool HaveRecordsets();
    // Selects the chosen child's rows in both recordsets.
    void SelectChild();
    void DrawTable(QPainter& painter);
    void DrawHeader(QPainter& painter);
    void DrawChildBlock(QPainter& painter);
    void DrawReadProblem(QPainter& painter);
    // The rows of the chosen child as the file holds them now; false when there are none.
    bool RequeryPayments();

    std::unique_ptr<PaymentTable> m_payments;
    std::unique_ptr<EnrollmentTable> m_enrollment;
    StatementFigures m_figures;
    QString m_readProblem;
};
