#include "ui/ListStep.h"

#include "ui/VisibleText.h"

namespace orvanta {

ListStep::ListStep(MainWindowParts& parts, const QString& text)
    : QUndoCommand(text), m_import(parts.lst_Import), m_output(parts.lst_Output), m_before(current())
{}

ListStep::Selection ListStep::current() const
{
    return {m_import.ListIndex(), m_output.ListIndex()};
}

void ListStep::restore(const Selection& selection)
{
    m_import.Select(selection.import);
    m_output.Select(selection.output);
}

void ListStep::redo()
{
    apply();
    if (m_after)
        restore(*m_after);
    else
        m_after = current();
}

void ListStep::undo()
{
    revert();
    restore(m_before);
}

QString stepTitle(const QString& title)
{
    return visibleTitle(title, 60);
}

} // namespace orvanta
