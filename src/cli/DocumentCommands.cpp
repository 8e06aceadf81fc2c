#include "cli/DocumentCommands.h"

#include "canvas/objects/CalendarSettings.h"
#include "canvas/objects/DocumentJson.h"
#include "canvas/objects/PageRenderer.h"
#include "canvas/objects/WrnDocument.h"
#include "platform/ImageFiles.h"
#include "platform/PdfPages.h"
#include "platform/SettingsStore.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <cstdio>

namespace {

int Fail(const QString& message)
{
    std::fprintf(stderr, "tendrel-cli: %s\n", qPrintable(message));
    return 1;
}

int Usage(const char* usage)
{
    std::fprintf(stderr, "Usage: tendrel-cli %s\n", usage);
    return 2;
}

// Painting needs the pictures and the user's holidays and calendar names; a dump shows
// only what is stored.
std::optional<CWrnDocument> OpenDocument(const QString& path, bool forPainting)
{
    CDocumentReadOptions options;
    options.loadPictures = forPainting;
    if (forPainting)
        options.prepareCalendar = [calendarSettings = CCalendarSettings::Load(Settings())](
                                      CCalendarObject& calendar) {
            calendarSettings.CopyInto(calendar);
        };
    return LoadDocument(path, options);
}

} // namespace

int DumpDocumentCommand(const QStringList& arguments)
{
    if (arguments.size() != 1)
        return Usage("dump FILE.wrn");
    const std::optional<CWrnDocument> document = OpenDocument(arguments[0], false);
    if (!document)
        return Fail(QStringLiteral("cannot open %1").arg(arguments[0]));
    const QByteArray json =
        QJsonDocument(DocumentJson::FromDocument(*document)).toJson(QJsonDocument::Indented);
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    return 0;
}

int RenderDocumentCommand(const QStringList& arguments)
{
    if (arguments.size() != 2)
        return Usage("render FILE.wrn OUT.(png|jpg|bmp|gif|pdf)");
    const QString& output = arguments[1];
    const QString suffix = QFileInfo(output).suffix().toLower();
    const bool pdf = suffix == QLatin1String("pdf");
    if (!pdf && !ImageFiles::IsWritableExtension(suffix))
        return Fail(QStringLiteral("cannot write \".%1\" files; use png, jpg, bmp, gif or pdf")
                        .arg(suffix));

    const std::optional<CWrnDocument> document = OpenDocument(arguments[0], true);
    if (!document)
        return Fail(QStringLiteral("cannot open %1").arg(arguments[0]));
    QString error;
    const QImage page = PageRenderer::Render(*document, &error);
    if (page.isNull())
        return Fail(error);

    bool written = false;
    if (pdf) {
        CPdfPages pages;
        pages.AddImage(page);
        written = pages.Save(output, &error);
    } else {
        written = ImageFiles::Write(page, output, &error);
    }
    if (!written)
        return Fail(QStringLiteral("cannot write %1: %2").arg(output, error));
    return 0;
}
