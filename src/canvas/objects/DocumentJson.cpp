#include "canvas/objects/DocumentJson.h"

#include "canvas/objects/WrnDocument.h"
#include "canvas/objects/WrnRecordLayouts.h"

#include <QJsonArray>

namespace {

QJsonArray RectArray(const PageRect& r)
{
    return QJsonArray{r.left, r.top, r.right, r.bottom};
}

// Collects the stored fields the record layouts name.
class JsonFields
{
public:
    QJsonObject& Object() { return m_object; }

    void Int(int, const char* name, const std::int32_t& value) { Set(name, value); }
    void Color(int, const char* name, const ColorRef& value) { Set(name, qint64(value)); }
    void Byte(int, const char* name, const std::uint8_t& value) { Set(name, int(value)); }
    void Float(int, const char* name, const float& value) { Set(name, double(value)); }
    void Double(int, const char* name, const double& value) { Set(name, value); }
    void IntAsFloat(int, const char* name, const std::int32_t& value) { Set(name, value); }
    void Rect(int, const char* name, const PageRect& r) { Set(name, RectArray(r)); }
    void Text(int, int, const char* name, const QString& text) { Set(name, text); }
    void Vertices(int, int, int, const QList<QPoint>& vertices)
    {
        QJsonArray points;
        for (const QPoint& p : vertices)
            points.append(QJsonArray{p.x(), p.y()});
        Set("m_nPointCount", int(vertices.size()));
        Set("vertices", points);
    }

private:
    void Set(const char* name, const QJsonValue& value) { m_object.insert(QLatin1String(name), value); }

    QJsonObject m_object;
};

} // namespace

namespace DocumentJson {

QJsonObject FromObject(const PageObject& object)
{
    JsonFields fields;
    WrnLayout::VisitFields(fields, object);
    QJsonObject& json = fields.Object();
    json.insert(QStringLiteral("type"), object.m_nType);
    if (object.m_nType == ObjectType::Photo)
        json.insert(QStringLiteral("m_strName"), object.m_strName);
    return json;
}

QJsonObject FromDocument(const WrnDocument& document)
{
    QJsonArray objects;
    for (const auto& object : document.objects)
        objects.append(FromObject(*object));
    return QJsonObject{
        {QStringLiteral("pageWidth"), document.page.width},
        {QStringLiteral("pageHeight"), document.page.height},
        {QStringLiteral("diagramRect"), RectArray(document.page.diagram)},
        {QStringLiteral("background"), qint64(document.page.background)},
        {QStringLiteral("objects"), objects},
    };
}

} // namespace DocumentJson
