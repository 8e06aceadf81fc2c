#pragma once

#include "canvas/objects/WrnDocument.h"

#include <QSize>
#include <optional>

// Page Setup speaks thousandths of an inch; the page speaks page units, 96 to the inch.
namespace PaperSetup {

// Rounded to the nearest, so a value converted there and back is unchanged.
int ToThousandths(int pageUnits);
int ToPageUnits(int thousandths);

// The paper as the dialog shows it, in thousandths of an inch.
struct Paper
{
    QSize size;
    PageMargins margins;
};

// The page and its margins in page units.
struct Page
{
    QSize size;
    PageMargins margins;
};

// The paper that holds the page inside its margins, so confirming the dialog unchanged
// leaves the page as it was.
Paper PaperFor(const Page& page);
// The page left inside the paper's margins; nothing when the margins leave no page.
std::optional<Page> PageFor(const Paper& paper);

} // namespace PaperSetup
