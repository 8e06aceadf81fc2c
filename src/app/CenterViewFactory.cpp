#include "app/CenterViewFactory.h"

#include "app/EditCenterView.h"
#include "app/PlaceholderView.h"
#include "app/StartPageView.h"
#include "photos/view/PhotoCenterView.h"
#include "records/view/ChildCenterView.h"
#include "reports/view/ReportsCenterView.h"
#include "staff/view/StaffCenterView.h"
#include "tuition/view/StatementOnCanvas.h"
#include "app/FamilyCenterView.h"
#include "app/TakePhotoCenterView.h"

QString CenterName(Center::Index center)
{
    switch (center) {
    case Center::StartPage: return QStringLiteral("Start Page");
    case Center::EditCenter: return QStringLiteral("Edit Center");
    case Center::PhotoCenter: return QStringLiteral("Photo Center");
    case Center::StaffCenter: return QStringLiteral("Staff Center");
    case Center::ChildCenter: return QStringLiteral("Child Center");
    case Center::FamilyCenter: return QStringLiteral("Family Center");
    case Center::TakePhoto: return QStringLiteral("Take Photo");
    case Center::Reports: return QStringLiteral("Reports");
    }
    return {};
}

QString CenterIconName(Center::Index center)
{
    switch (center) {
    case Center::StartPage: return QStringLiteral("center-start");
    case Center::EditCenter: return QStringLiteral("center-edit");
    case Center::PhotoCenter: return QStringLiteral("center-photo");
    case Center::StaffCenter: return QStringLiteral("center-staff");
    case Center::ChildCenter: return QStringLiteral("center-child");
    case Center::FamilyCenter: return QStringLiteral("center-family");
    case Center::TakePhoto: return QStringLiteral("center-takephoto");
    case Center::Reports: return QStringLiteral("center-reports");
    }
    return {};
}

CenterView* CreateDefaultCenterView(Center::Index center, QWidget* parent)
{
    if (center == Center::StartPage)
        return new StartPageView(parent);
    if (center == Center::EditCenter) {
        // The page learns the kinds of object other rooms own before it is shown.
        RegisterStatementOnCanvas();
        return new EditCenterView(parent);
    }
    if (center == Center::PhotoCenter)
        return new PhotoCenterView(parent);
    if (center == Center::ChildCenter)
        return new ChildCenterView(parent);
    if (center == Center::StaffCenter)
        return new StaffCenterView(parent);
    if (center == Center::FamilyCenter)
        return new FamilyCenterView(parent);
    if (center == Center::TakePhoto)
        return new TakePhotoCenterView(parent);
    if (center == Center::Reports)
        return new ReportsCenterView(parent);
    return new PlaceholderView(CenterName(center), CenterIconName(center), parent);
}
