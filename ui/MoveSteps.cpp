#include "ui/MoveSteps.h"

namespace orvanta {

namespace {

QString listName(Toward toward)
{
    return toward == Toward::Output ? QStringLiteral("the output list") : QStringLiteral("the import list");
}

ListBox& source(MainWindowParts& parts, Toward toward)
{
    return toward == Toward::Output ? parts.lst_Import : parts.lst_Output;
}

ListBox& target(MainWindowParts& parts, Toward toward)
{
    return toward == Toward::Output ? parts.lst_Output : parts.lst_Import;
}

QStringList titlesOf(const ListBox& list, qint16 first, qint16 count)
{
    QStringList titles;
    titles.reserve(count);
    for (qint16 i = first; i < first + count; ++i)
        titles.append(list.List(i));
    return titles;
}

} // namespace

MoveStationStep::MoveStationStep(MainWindowParts& parts, Toward toward, qint16 index, qint16 place, bool selectMoved)
    : ListStep(parts,
               QStringLiteral("Move %1 to %2").arg(stepTitle(source(parts, toward).List(index)), listName(toward))),
      m_from(source(parts, toward)),
      m_to(target(parts, toward)),
      m_index(index),
      m_place(place),
      m_selectMoved(selectMoved)
{}

void MoveStationStep::apply()
{
    const QString title = m_from.List(m_index);
    m_from.RemoveItem(m_index);
    m_to.InsertItems(m_place, {title});
    if (m_selectMoved)
        m_to.Select(m_place);
}

void MoveStationStep::revert()
{
    const QString title = m_to.List(m_place);
    m_to.RemoveItem(m_place);
    m_from.InsertItems(m_index, {title});
}

MoveAllStep::MoveAllStep(MainWindowParts& parts, Toward toward, qint16 count)
    : ListStep(parts, QStringLiteral("Move %1 %2 to %3")
                          .arg(QString::number(count),
                               count == 1 ? QStringLiteral("station") : QStringLiteral("stations"), listName(toward))),
      m_from(source(parts, toward)),
      m_to(target(parts, toward)),
      m_count(count)
{}

// All titles are copied before any is removed, each way in one batch.
void MoveAllStep::apply()
{
    m_to.AddItems(titlesOf(m_from, 0, m_count));
    m_from.RemoveItems(0, m_count);
}

void MoveAllStep::revert()
{
    const auto first = static_cast<qint16>(m_to.ListCount() - m_count);
    m_from.InsertItems(0, titlesOf(m_to, first, m_count));
    m_to.RemoveItems(first, m_count);
}

ReorderStep::ReorderStep(MainWindowParts& parts, qint16 from, qint16 to)
    : ListStep(parts, QStringLiteral("Reorder %1").arg(stepTitle(parts.lst_Output.List(from)))), m_from(from), m_to(to)
{}

void ReorderStep::apply()
{
    m_output.MoveItem(m_from, m_to);
    m_output.Select(m_to);
}

void ReorderStep::revert()
{
    m_output.MoveItem(m_to, m_from);
}

} // namespace orvanta
