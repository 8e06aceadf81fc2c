#include "canvas/objects/TextObject.h"

#include "canvas/objects/ObjectIdentity.h"

// Text takes no number from the persistent counter.
CTextObject::CTextObject() : CDiagramObject(ObjectType::Text, ObjectIdentity::NewLocal(u'T'))
{
    m_crFill = Rgb(255, 255, 255);
    m_nPattern = 2;
}

CTextObject::CTextObject(const CPageRect& rect, const QString& text) : CTextObject()
{
    m_rect = rect;
    m_strText = text;
}

std::unique_ptr<CDiagramObject> CTextObject::Clone() const
{
    return std::make_unique<CTextObject>(*this);
}
