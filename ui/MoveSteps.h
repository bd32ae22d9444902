#pragma once

#include "ui/ListStep.h"

namespace orvanta {

// Which way a station goes between the two lists.
enum class Toward { Output, Import };

// One station from one list to a place in the other: ">", "<", Ctrl+Right, Ctrl+Left, a drag
// between the lists. The moved station is selected in its new list where selectMoved says
// so; otherwise the list that gains it keeps its selection.
class MoveStationStep final : public ListStep {
public:
    MoveStationStep(MainWindowParts& parts, Toward toward, qint16 index, qint16 place, bool selectMoved);

private:
    void apply() override;
    void revert() override;

    ListBox& m_from;
    ListBox& m_to;
    const qint16 m_index;
    const qint16 m_place;
    const bool m_selectMoved;
};

// The first `count` titles of one list, in order, to the end of the other: ">>" and "<<".
// It holds the count alone, however many titles it moved.
class MoveAllStep final : public ListStep {
public:
    MoveAllStep(MainWindowParts& parts, Toward toward, qint16 count);

private:
    void apply() override;
    void revert() override;

    ListBox& m_from;
    ListBox& m_to;
    const qint16 m_count;
};

// A station of lst_Output to another place in it, where it is then selected: Alt+Up,
// Alt+Down, a drag within the list.
class ReorderStep final : public ListStep {
public:
    ReorderStep(MainWindowParts& parts, qint16 from, qint16 to);

private:
    void apply() override;
    void revert() override;

    const qint16 m_from;
    const qint16 m_to;
};

} // namespace orvanta
