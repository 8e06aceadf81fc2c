#include "canvas/editing/PaperSetup.h"

#include "canvas/objects/PageRenderer.h"

namespace PaperSetup {
namespace {

int ScaledRounded(int value, int multiplier, int divisor)
{
    const qint64 product = qint64(value) * multiplier;
    const qint64 half = divisor / 2;
    return int(product >= 0 ? (product + half) / divisor : (product - half) / divisor);
}

PageMargins Converted(const PageMargins& margins, int (*convert)(int))
{
    return {convert(margins.left), convert(margins.top), convert(margins.right),
            convert(margins.bottom)};
}

} // namespace

int ToThousandths(int pageUnits)
{
    return ScaledRounded(pageUnits, 1000, 96);
}

int ToPageUnits(int thousandths)
{
    return ScaledRounded(thousandths, 96, 1000);
}

Paper PaperFor(const Page& page)
{
    const PageMargins& m = page.margins;
    const QSize paper(page.size.width() + m.left + m.right, page.size.height() + m.top + m.bottom);
    return {QSize(ToThousandths(paper.width()), ToThousandths(paper.height())),
            Converted(m, ToThousandths)};
}

std::optional<Page> PageFor(const Paper& paper)
{
    const PageMargins margins = Converted(paper.margins, ToPageUnits);
    const QSize size(ToPageUnits(paper.size.width()) - margins.left - margins.right,
                     ToPageUnits(paper.size.height()) - margins.top - margins.bottom);
    const bool fits = size.width() >= 1 && size.height() >= 1
                      && size.width() <= PageRenderer::kMaxPageSide
                      && size.height() <= PageRenderer::kMaxPageSide;
    if (!fits)
        return std::nullopt;
    return Page{size, margins};
}

} // namespace PaperSetup
