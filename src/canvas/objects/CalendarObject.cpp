#include "canvas/objects/CalendarObject.h"

#include "canvas/objects/ObjectIdentity.h"

CCalendarObject::CCalendarObject()
    : CDiagramObject(ObjectType::Calendar, ObjectIdentity::New(u'C'))
{
}

std::unique_ptr<CDiagramObject> CCalendarObject::Clone() const
{
    return std::make_unique<CCalendarObject>(*this);
}
