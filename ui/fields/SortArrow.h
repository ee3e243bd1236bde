#pragma once
// The header's sort arrow as desktop lists draw it: pointing up over a list
// sorted ascending (A at the top), down over one sorted descending. Qt's
// own styles draw it the other way round.
class QHeaderView;

namespace parlow {

void DrawSortArrowAsDesktopListsDo(QHeaderView* header);

}  // namespace parlow
