#pragma once

class QPainter;

// The editor's small pictures, drawn on a 24 x 24 (tree) or 16 x 16
// (toolbar) grid; the caller scales the painter for the @2x versions.
namespace ImagePainters {

inline constexpr int kTreeImageCount = 28;
inline constexpr int kCrestCount = 19; // 0..17 team crests, 18 "Others"

// Tree image `index` (0..27): crests 0..18, player pictures 19..27 for the
// nine kinds of player (opener, batsman, all-rounder, bowler, full-time
// keeper, then the four types as part-time keepers).
void PaintTreeImage(QPainter& painter, int index);

// Toolbar button by name: open, save, saveas, find, findnext, team, about.
// False for an unknown name.
bool PaintToolbarImage(QPainter& painter, const char* name);

} // namespace ImagePainters
