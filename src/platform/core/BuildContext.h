#pragma once
// The flags and counters through which the stages talk; the window owns one
// and sets it to these start values at creation.
#include <array>
#include <optional>

#include <QString>
#include <QStringList>

#include "platform/core/Canvas.h"

namespace vexoria {

struct BuildContext {
    int fetchNext = 0;      // next "Схема" first fetches the next queued routine
    int ownCode = 1;        // the editor holds the user's own code
    int queueDone = 0;      // the queue could fetch nothing more
    int gridShown = 0;      // the comments grid is on show
    int curRoutine = 0;     // index of the current routine in the queue list
    int implLine = 0;       // index of the "implementation" line of the unit
    std::optional<QStringList> unitLines; // lines of the loaded unit
    int blockCount = 0;     // rows that carry a kind (structure check)
    int animOn = 0;
    int animStep = 0;
    int sizingAbort = 0;    // the pipeline stops after block sizing
    int secondPartMode = 0;
    int thirdPartMode = 0;
    int extraParts = 0;
    int firstCut = 0;
    int secondCut = 0;
    int colourIndex = 0;    // next colour of the palette
    int eraseMode = 0;
    int eraseDrag = 0;
    int listDrag = 0;
    int startInTrayPending = 1;
    std::array<Colour, 17> blockColours{};
    std::array<QString, 7> savedSizeTexts; // Evar, Eif, Efor, Ewhile, Eelse, Ebeg, Edlin
};

} // namespace vexoria
