#include "frame/CenterViewFactory.h"

#include "canvas/view/EditCenterView.h"
#include "frame/PlaceholderView.h"
#include "frame/StartPageView.h"
#include "photos/SearchView.h"
#include "records/ChildCenterView.h"
#include "records/FamilyCenterView.h"

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

CCenterView* CreateDefaultCenterView(Center::Index center, QWidget* parent)
{
    if (center == Center::StartPage)
        return new CStartPageView(parent);
    if (center == Center::EditCenter)
        return new CEditCenterView(parent);
    if (center == Center::PhotoCenter)
        return new CSearchView(parent);
    if (center == Center::ChildCenter)
        return new CChildCenterView(parent);
    if (center == Center::FamilyCenter)
        return new CFamilyCenterView(parent);
    return new CPlaceholderView(CenterName(center), CenterIconName(center), parent);
}
