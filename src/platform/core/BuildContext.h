#pragma once
// The flags and counters through which the stages talk; the window owns one
// and sets it to these start values at creation.
#include <array>
#include <optional>

#include <QString>
#include <QStringList>

#include "platform/drawing/Canvas.h"

namespace vexoria {

struct BuildContext {
    int fetchBeforeBuild = 0;      // next "Схема" first fetches the next queued routine
    int editorHoldsOwnCode = 1;        // the editor holds the user's own code
    int queueExhausted = 0;      // the queue could fetch nothing more
    int gridShown = 0;      // the comments grid is on show
    int curRoutine = 0;     // index of the current routine in the queue list
    int implLine = 0;       // index of the "implementation" line of the unit
    std::optional<QStringList> unitLines; // lines of the loaded unit
    int blockCount = 0;     // rows that carry a kind (structure check)
    int animationOn = 0;
    int animStep = 0;
    int stoppedAfterSizing = 0;    // the pipeline stops after block sizing
    int drawingSecondPart = 0;
    int drawingThirdPart = 0;
    int extraPartCount = 0;
    int firstCut = 0;
    int secondCut = 0;
    int colourIndex = 0;    // next colour of the palette
    int eraserOn = 0;
    int erasing = 0;
    int draggedMarker = 0;
    int startInTrayPending = 1;
    std::array<Colour, 17> blockColours{};
    std::array<QString, 7> savedSizeTexts; // varWidthEdit, ifWidthEdit, forWidthEdit, whileWidthEdit, elseWidthEdit, beginWidthEdit, maxLengthEdit
};

} // namespace vexoria
