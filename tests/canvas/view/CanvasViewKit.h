#pragma once

#include "support/DialogTestKit.h"

#include "canvas/editing/PageDocument.h"
#include "canvas/objects/ShapeObject.h"
#include "canvas/view/CanvasView.h"
#include "commands/CommandIds.h"
#include "settings/ProgramState.h"

#include <memory>

// A page in a fresh application folder, edited through a canvas that is not yet shown.
class CanvasTest : public DialogTest
{
protected:
    CanvasTest()
    {
        m_view.SetDocument(&m_document);
    }

    CanvasModel& Model() { return m_view.Model(); }
    const ObjectList& Objects() const { return m_view.Model().Objects(); }
    int Steps() const { return m_view.Model().History().Count(); }
    bool Enabled(int id) const { return m_view.UpdateCommand(id).enabled; }

    template <typename Object>
    Object& Add(std::unique_ptr<Object> object, std::optional<PageRect> rect = {})
    {
        Object& added = *object;
        if (rect)
            added.m_rect = *rect;
        m_view.Model().Objects().push_back(std::move(object));
        return added;
    }
    // A figure filled solid with `fill`, or an outline.
    ShapeObject& AddShape(const PageRect& rect, ColorRef fill = Rgb(200, 40, 40),
                          bool filled = true)
    {
        auto shape = std::make_unique<ShapeObject>(rect, 2, 1, 0, Rgb(0, 0, 0), fill);
        shape->m_bFill = filled ? 1 : 0;
        shape->m_nFillType = filled ? FillType::Solid : FillType::None;
        return Add(std::move(shape));
    }

    PageDocument m_document;
    CanvasView m_view;
};
