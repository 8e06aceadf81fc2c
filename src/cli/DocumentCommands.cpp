#include "cli/DocumentCommands.h"

#include "canvas/objects/CalendarSettings.h"
#include "canvas/objects/DocumentJson.h"
#include "canvas/objects/PageFrame.h"
#include "canvas/objects/PageRenderer.h"
#include "canvas/objects/PageVectorFiles.h"
#include "canvas/objects/WrnDocument.h"
#include "platform/ImageFiles.h"
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
// only what is stored. A file that gives no page is said so; one that gives only part of
// its page is read and said so too.
std::optional<WrnDocument> OpenDocument(const QString& path, bool forPainting, QString* refusal)
{
    DocumentReadOptions options;
    options.loadPictures = forPainting;
    if (forPainting)
        options.prepareCalendar = [calendarSettings = CalendarSettings::Load(Settings())](
                                      CalendarObject& calendar) {
            calendarSettings.CopyInto(calendar);
        };
    std::optional<WrnDocument> document = LoadDocument(path, options);
    if (!document) {
        *refusal = QStringLiteral("cannot open %1").arg(path);
        return std::nullopt;
    }
    const QString problems = document->Problems(path);
    if (document->Refused()) {
        *refusal = problems;
        return std::nullopt;
    }
    if (!problems.isEmpty())
        std::fprintf(stderr, "tendrel-cli: %s\n", qPrintable(problems));
    return document;
}

QString OutputFormats()
{
    return ImageFiles::WritableExtensions().join(QStringLiteral(", ")) + QStringLiteral(" or pdf");
}

} // namespace

int DumpDocumentCommand(const QStringList& arguments)
{
    if (arguments.size() != 1)
        return Usage("dump FILE.wrn");
    QString refusal;
    const std::optional<WrnDocument> document = OpenDocument(arguments[0], false, &refusal);
    if (!document)
        return Fail(refusal);
    const QByteArray json =
        QJsonDocument(DocumentJson::FromDocument(*document)).toJson(QJsonDocument::Indented);
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    return 0;
}

int RenderDocumentCommand(const QStringList& arguments)
{
    if (arguments.size() != 2)
        return Usage("render FILE.wrn OUT");
    const QString& output = arguments[1];
    const QString suffix = QFileInfo(output).suffix().toLower();
    if (suffix.isEmpty())
        return Fail(QStringLiteral("OUT needs an extension: %1 (\"%2\" has none)")
                        .arg(OutputFormats(), output));
    const bool pdf = suffix == QLatin1String("pdf");
    if (!pdf && !ImageFiles::IsWritableExtension(suffix))
        return Fail(QStringLiteral("cannot write \".%1\" files; use %2").arg(suffix, OutputFormats()));

    QString refusal;
    const std::optional<WrnDocument> document = OpenDocument(arguments[0], true, &refusal);
    if (!document)
        return Fail(refusal);
    QString error;
    bool written = false;
    if (pdf) {
        written = PageVectorFiles::WritePdf(PageRenderer::ObjectsOf(document->objects),
                                            PageFrame::Of(document->page.width,
                                                          document->page.height),
                                            output, &error);
    } else {
        const QImage page = PageRenderer::Render(*document, &error);
        if (page.isNull())
            return Fail(error);
        written = ImageFiles::Write(page, output, &error);
    }
    if (!written)
        return Fail(QStringLiteral("cannot write %1: %2").arg(output, error));
    return 0;
}
