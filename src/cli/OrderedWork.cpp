#include "cli/OrderedWork.h"

#include <QThread>

namespace vexoria::cli {

int workerCount()
{
    // Qt counts the cores this process may run on (taskset narrows them).
    return std::max(1, QThread::idealThreadCount());
}

} // namespace vexoria::cli
