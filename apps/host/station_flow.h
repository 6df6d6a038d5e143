#pragma once

#include "drawing.h"

#include <memory>

class CNode;

// The host's side of the station wizard: the input node it hands over, what the answer asks
// for, and the canvas item of a drawn station.
namespace StationFlow {

enum class Answer { None, Draw, Delete, Fetch };

// The wizard's input: "ZTyp" and, for a station fetched from the drawing, a copy of its stored
// draw node as the first child.
std::unique_ptr<CNode> Input(const CNode* drawnStation, int zTyp);
// "DrawStation", "DeleteStation", "GetStation"; anything else (and null) is None.
Answer AnswerOf(const CNode* result);
// A drawn station on the canvas: block "BlockFile2D" (its file name without folder and
// extension), its slide beside the block file when there is one, the draw node kept with it.
DrawingItem ItemOf(std::shared_ptr<const CNode> drawNode);
// The ids of the stations among `ids`.
QList<int> Stations(const Drawing& drawing, const QList<int>& ids);

} // namespace StationFlow
