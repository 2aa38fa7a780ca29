#pragma once

#include <QFont>

namespace fuel::qt {

// 宋体 9 pt, or the closest Song face the machine has. The design is drawn for its metrics:
// 12 px for a Chinese character, 6 px for a space or a Latin character, 12 px to a line.
QFont windowFont();

// The result labels: the same face in bold.
QFont resultFont();

} // namespace fuel::qt
