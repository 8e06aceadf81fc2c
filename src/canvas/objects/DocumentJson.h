#pragma once

#include <QJsonObject>

class PageObject;
struct WrnDocument;

// A document as JSON, for scripts: the page and every stored field of every object
// under its member name.
namespace DocumentJson {

QJsonObject FromDocument(const WrnDocument& document);
QJsonObject FromObject(const PageObject& object);

} // namespace DocumentJson
