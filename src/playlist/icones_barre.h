#pragma once

#include <QIcon>

namespace tulvane::playlist {

inline constexpr int kNombreIcones = 15;

// The tool bar's pictures, drawn at 16 x 16 (and 32 x 32 for dense screens): 1 new list,
// 2 open, 3 save, 4 CSV export, 5 import, 6 file information, 7 tag editor, 8 remove,
// 9 refresh, 10 current file, 11 marks, 12 play modes, 13 sizes and durations, 14 rename,
// 15 support. Any other number gives a null icon.
QIcon iconeBarre(int image);

}  // namespace tulvane::playlist
