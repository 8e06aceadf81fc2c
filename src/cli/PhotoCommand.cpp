#include "cli/PhotoCommand.h"

#include "canvas/objects/photo/AlphaEffects.h"
#include "canvas/objects/photo/Blur.h"
#include "canvas/objects/photo/ChannelMaps.h"
#include "canvas/objects/photo/ColourBalance.h"
#include "canvas/objects/photo/PhotoAdjustments.h"
#include "canvas/objects/photo/QuarterTurns.h"
#include "canvas/objects/photo/Resize.h"
#include "canvas/objects/photo/Saturation.h"
#include "canvas/objects/photo/Soften.h"
#include "canvas/objects/photo/ToneTable.h"
#include "canvas/objects/photo/TornEdge.h"
#include "platform/Clock.h"
#include "platform/ImageFiles.h"

#include <QFileInfo>
#include <cmath>
#include <cstdio>
#include <functional>
#include <optional>
#include <vector>

namespace {

using namespace PhotoPixels;

constexpr const char* kUsage =
    "Usage: tendrel-cli photo IN OUT OP [OP ...]\n"
    "Operations, applied in order:\n"
    "  lighten darken more-contrast less-contrast more-saturation less-saturation\n"
    "  balance=R,G,B (factors above 0, 1 unchanged)  gray  opacity=A (0-255)\n"
    "  circle-fade bevel torn-edge[=SEED] blur soften\n"
    "  rotate-left rotate-right mirror flip resize=WxH\n"
    "OUT ends in png, jpg, bmp, gif, tif or webp.\n";

// Larger pictures than this are refused rather than allocated.
constexpr int kMaxSide = 32767;
constexpr qint64 kMaxPixels = 250'000'000;

// One parsed operation: false from `apply` means the picture's depth does not allow it.
struct PhotoOperation
{
    QString text;
    std::function<bool(QImage&)> apply;
};

using Remake = std::function<QImage(const QImage&)>;

std::function<bool(QImage&)> Replacing(Remake remake)
{
    return [remake = std::move(remake)](QImage& picture) {
        QImage made = remake(picture);
        if (made.isNull())
            return false;
        picture = std::move(made);
        return true;
    };
}

std::function<bool(QImage&)> Tone(int brightness, int contrast)
{
    return [=](QImage& picture) {
        AdjustTone(picture, brightness, contrast);
        return true;
    };
}

std::optional<std::function<bool(QImage&)>> Plain(const QString& name)
{
    using namespace PhotoAdjustments;
    if (name == QLatin1String("lighten")) return Tone(kToneStep, 0);
    if (name == QLatin1String("darken")) return Tone(-kToneStep, 0);
    if (name == QLatin1String("more-contrast")) return Tone(0, kToneStep);
    if (name == QLatin1String("less-contrast")) return Tone(0, -kToneStep);
    if (name == QLatin1String("more-saturation"))
        return [](QImage& p) { return AdjustSaturation(p, kSaturationStep); };
    if (name == QLatin1String("less-saturation"))
        return [](QImage& p) { return AdjustSaturation(p, -kSaturationStep); };
    if (name == QLatin1String("gray")) return AverageToGray;
    if (name == QLatin1String("circle-fade")) return Replacing(CircleFaded);
    if (name == QLatin1String("bevel")) return Replacing(Bevelled);
    if (name == QLatin1String("blur")) return [](QImage& p) { return PhotoPixels::Blur(p); };
    if (name == QLatin1String("soften")) return PhotoPixels::Soften;
    if (name == QLatin1String("rotate-left")) return Replacing(TurnedLeft);
    if (name == QLatin1String("rotate-right")) return Replacing(TurnedRight);
    if (name == QLatin1String("mirror")) return Replacing(Mirrored);
    if (name == QLatin1String("flip")) return Replacing(Flipped);
    return std::nullopt;
}

std::optional<float> PositiveFactor(const QString& text)
{
    bool ok = false;
    const float value = text.toFloat(&ok);
    if (!ok || !std::isfinite(value) || !(value > 0.0f))
        return std::nullopt;
    return value;
}

// An operation with a value after "=", or a message saying what is wrong with it.
std::optional<std::function<bool(QImage&)>> WithValue(const QString& name, const QString& value,
                                                       QString* problem)
{
    bool ok = false;
    if (name == QLatin1String("balance")) {
        const QStringList parts = value.split(u',');
        std::vector<float> factors;
        for (const QString& part : parts)
            if (const std::optional<float> factor = PositiveFactor(part))
                factors.push_back(*factor);
        if (parts.size() != 3 || factors.size() != 3) {
            *problem = QStringLiteral("balance takes three factors above 0, as balance=1.2,1,0.8");
            return std::nullopt;
        }
        return [=](QImage& p) { return BalanceColours(p, factors[0], factors[1], factors[2]); };
    }
    if (name == QLatin1String("opacity")) {
        const int opacity = value.toInt(&ok);
        if (!ok || opacity < 0 || opacity > 255) {
            *problem = QStringLiteral("opacity takes a whole number from 0 to 255");
            return std::nullopt;
        }
        return Replacing([=](const QImage& p) { return WithOpacity(p, std::uint8_t(opacity)); });
    }
    if (name == QLatin1String("torn-edge")) {
        const std::uint32_t seed = value.toUInt(&ok);
        if (!ok) {
            *problem = QStringLiteral("torn-edge takes a seed from 0 to 4294967295");
            return std::nullopt;
        }
        return Replacing([=](const QImage& p) { return TornEdged(p, seed); });
    }
    if (name == QLatin1String("resize")) {
        const QStringList sides = value.split(u'x');
        int width = 0, height = 0;
        if (sides.size() == 2) {
            width = sides[0].toInt(&ok);
            if (ok)
                height = sides[1].toInt(&ok);
        }
        if (!ok || width < 1 || height < 1 || width > kMaxSide || height > kMaxSide ||
            qint64(width) * height > kMaxPixels) {
            *problem = QStringLiteral("resize takes a size as resize=WxH, each side 1 to %1 pixels")
                           .arg(kMaxSide);
            return std::nullopt;
        }
        return Replacing([=](const QImage& p) { return Resized(p, QSize(width, height)); });
    }
    *problem = QStringLiteral("unknown operation \"%1\"").arg(name);
    return std::nullopt;
}

std::optional<PhotoOperation> ParseOperation(const QString& text, QString* problem)
{
    const qsizetype equals = text.indexOf(u'=');
    const QString name = equals < 0 ? text : text.left(equals);
    const std::optional<std::function<bool(QImage&)>> plain = Plain(name);
    if (equals < 0) {
        if (plain)
            return PhotoOperation{text, *plain};
        if (name == QLatin1String("torn-edge")) {
            const auto seed = std::uint32_t(Clock::NowUtc().toSecsSinceEpoch());
            return PhotoOperation{text, Replacing([=](const QImage& p) { return TornEdged(p, seed); })};
        }
        *problem = name == QLatin1String("balance") || name == QLatin1String("opacity") ||
                           name == QLatin1String("resize")
                       ? QStringLiteral("%1 needs a value, as %1=...").arg(name)
                       : QStringLiteral("unknown operation \"%1\"").arg(name);
        return std::nullopt;
    }
    if (plain) {
        *problem = QStringLiteral("%1 takes no value").arg(name);
        return std::nullopt;
    }
    if (auto apply = WithValue(name, text.mid(equals + 1), problem))
        return PhotoOperation{text, *apply};
    return std::nullopt;
}

int BadArguments(const QString& message)
{
    std::fprintf(stderr, "tendrel-cli photo: %s\n\n%s", qPrintable(message), kUsage);
    return 2;
}

int Failed(const QString& message)
{
    std::fprintf(stderr, "tendrel-cli photo: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int PhotoCommand(const QStringList& arguments)
{
    if (arguments == QStringList{QStringLiteral("--help")}) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (arguments.size() < 3)
        return BadArguments(QStringLiteral("needs an input, an output and at least one operation"));
    const QString& input = arguments[0];
    const QString& output = arguments[1];
    const QString suffix = QFileInfo(output).suffix().toLower();
    if (!ImageFiles::IsWritableExtension(suffix))
        return BadArguments(QStringLiteral("cannot write %1: OUT must end in %2")
                                .arg(output, ImageFiles::WritableExtensions().join(QStringLiteral(", "))));

    std::vector<PhotoOperation> operations;
    for (const QString& text : arguments.mid(2)) {
        QString problem;
        std::optional<PhotoOperation> operation = ParseOperation(text, &problem);
        if (!operation)
            return BadArguments(problem);
        operations.push_back(std::move(*operation));
    }

    QImage picture = ImageFiles::DecodedBitmap(ImageFiles::Read(input));
    if (picture.isNull())
        return Failed(QStringLiteral("cannot read a picture from %1").arg(input));
    for (const PhotoOperation& operation : operations)
        if (!operation.apply(picture))
            return Failed(QStringLiteral("%1 cannot be applied to this %2-bit picture; nothing was written")
                              .arg(operation.text)
                              .arg(picture.depth()));
    QString error;
    if (!ImageFiles::Write(picture, output, &error))
        return Failed(QStringLiteral("cannot write %1: %2").arg(output, error));
    return 0;
}
