#pragma once

#include <QJsonObject>

class CDiagramObject;
struct CWrnDocument;

// A document as JSON, for scripts: the page and every stored field of every object
// under its member name.
namespace DocumentJson {

QJsonObject FromDocument(const CWrnDocument& document);
QJsonObject FromObject(const CDiagramObject& object);

} // namespace DocumentJson
