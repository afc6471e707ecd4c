#pragma once

#include <QIcon>

// The nine 16 x 16 player pictures of the dialogs' lists, indexed by
// CPlayer::GetImageIndex(): opening batsman, batsman, all-rounder, bowler,
// full-time keeper, then the same four types as part-time keepers. A null
// icon for an index outside 0..8.
QIcon PlayerIcon16(int imageIndex);

inline constexpr int kPlayerIconCount = 9;
